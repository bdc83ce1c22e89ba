#include "laws/TErro.h"

#include <array>
#include <iterator>

#include "platform/Controls.h"

namespace pelbrix {

namespace {
constexpr int kMargin = 8;
constexpr int kLineStep = 16;

// The context is the class's own, so tr() finds a translation lupdate extracted here.
#define ERRO_TEXT(text) QT_TRANSLATE_NOOP("pelbrix::TErro", text)

struct ErroTexts {
  const char* caption;
  const char* heading;
  std::array<const char*, 5> lines;  // unused lines are null
};

// The texts are the dialogs' own, spacing and spelling included; entry k - 1 is TErro<k>'s.
constexpr ErroTexts kErroTexts[] = {
    {ERRO_TEXT("Error #1 - Not Enough Data Input"),
     ERRO_TEXT("Error #1 - Not Enough Data Input"),
     {ERRO_TEXT("You did not enter enough data to complete the specified operation."),
      ERRO_TEXT("Make sure all data fields except the calculated field are filled.")}},
    {ERRO_TEXT("Error #2 - Negative Temperature Values"),
     ERRO_TEXT("Error # 2 - Negative Temperature Values"),
     {ERRO_TEXT("You entered a negative temperature value.  This either signifies that you"),
      ERRO_TEXT("are not using Kelvins or entered a number that is out of logical scope."),
      ERRO_TEXT("Entering a negavtive value which results in negative pressures and volumes"),
      ERRO_TEXT("which cannot happen in any reasonable circumstance.  Also there can be"),
      ERRO_TEXT("no Kelvin value less that 0 (zero) since that would be out of logical scope.")}},
    {ERRO_TEXT("Error #3 - Divide by Zero"),
     ERRO_TEXT("Error #3 - Divide by Zero"),
     {ERRO_TEXT("You are attempting to divide by sero.  One of the  values entered caused"),
      ERRO_TEXT("the denominator to be a zero value.  This may have been caused by input-"),
      ERRO_TEXT("ing a non-Kelvin value, missing decimal place, entering absolute zero. or"),
      ERRO_TEXT("entering some value that is not a number")}},
    {ERRO_TEXT("Error #4 - Negative Value Entered."),
     ERRO_TEXT("Error #4 - Negative Value Entered"),
     {ERRO_TEXT("You have entered a negative volume ore= pressure value.  These are out of "),
      ERRO_TEXT("scope since pressure and volume are positive units.  Make sure all values"),
      ERRO_TEXT("entered are positives.")}},
    {ERRO_TEXT("Error #5 - Zero Value Entered"),
     ERRO_TEXT("Error #5 - Zero Value Entered"),
     {ERRO_TEXT("Some value entered was of zero value.  This is impossible since absolute"),
      ERRO_TEXT("zero can never be reached, only approached, and matter cannot be"),
      ERRO_TEXT("destroyed under normal circumstances, so all zero values are out of scope."),
      ERRO_TEXT("Also some value that was entered evaluated to zero.  The expression may"),
      ERRO_TEXT("also have evaluted to zero.")}},
};
#undef ERRO_TEXT
}  // namespace

TErro::TErro(TApplication& application, int number) : TForm(application) {
  Q_ASSERT(number >= 1 && number <= static_cast<int>(std::size(kErroTexts)));
  const ErroTexts& texts = kErroTexts[number - 1];
  setObjectName(QStringLiteral("Erro") + QString::number(number));
  setWindowTitle(tr(texts.caption));
  // The heading spans the dialog, the button is centred under the lines, and the dialog
  // sizes itself to its contents.
  Label1 = makeControl<QLabel>(this, "Label1", {0, 0, 0, kLineStep}, tr(texts.heading));
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setDesignAnchor(Label1, DesignAnchor::FullWidth);
  int top = kLineStep;
  for (const char* text : texts.lines) {
    if (!text) break;
    const QByteArray name = "Label" + QByteArray::number(static_cast<int>(Lines.size()) + 2);
    Lines.push_back(makeControl<QLabel>(this, name.constData(), {kMargin, top, 0, 0}, tr(text)));
    top += kLineStep;
  }
  Button1 = makeControl<QPushButton>(this, "Button1", {0, top + kMargin, 75, 25}, tr("&Ok"));
  Button1->setDefault(true);
  setDesignAnchor(Button1, DesignAnchor::Centred);
  connect(Button1, &QPushButton::clicked, this, &TErro::Button1Click);
}

void TErro::Button1Click() {
  close();
}

void TErro::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  Button1->setFocus(Qt::OtherFocusReason);
}

}  // namespace pelbrix
