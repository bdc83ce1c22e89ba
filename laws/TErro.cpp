#include "laws/TErro.h"

#include <array>
#include <iterator>

#include "platform/ControlFactory.h"

namespace pelbrix {

namespace {
constexpr int kMargin = 8;
constexpr int kLineStep = 16;

}  // namespace

struct TErro::Texts {
  const char* caption;
  const char* heading;
  std::array<const char*, 5> lines;  // unused lines are null
};

// The texts are the dialogs' own, spacing and spelling included; entry k - 1 is TErro<k>'s.
// Marked inside a member, they are extracted in the class's context, the one tr() reads.
const TErro::Texts& TErro::textsOf(int number) {
  static constexpr Texts kErroTexts[] = {
      {QT_TR_NOOP("Error #1 - Not Enough Data Input"),
       QT_TR_NOOP("Error #1 - Not Enough Data Input"),
       {QT_TR_NOOP("You did not enter enough data to complete the specified operation."),
        QT_TR_NOOP("Make sure all data fields except the calculated field are filled.")}},
      {QT_TR_NOOP("Error #2 - Negative Temperature Values"),
       QT_TR_NOOP("Error # 2 - Negative Temperature Values"),
       {QT_TR_NOOP("You entered a negative temperature value.  This either signifies that you"),
        QT_TR_NOOP("are not using Kelvins or entered a number that is out of logical scope."),
        QT_TR_NOOP("Entering a negavtive value which results in negative pressures and volumes"),
        QT_TR_NOOP("which cannot happen in any reasonable circumstance.  Also there can be"),
        QT_TR_NOOP(
            "no Kelvin value less that 0 (zero) since that would be out of logical scope.")}},
      {QT_TR_NOOP("Error #3 - Divide by Zero"),
       QT_TR_NOOP("Error #3 - Divide by Zero"),
       {QT_TR_NOOP("You are attempting to divide by sero.  One of the  values entered caused"),
        QT_TR_NOOP("the denominator to be a zero value.  This may have been caused by input-"),
        QT_TR_NOOP("ing a non-Kelvin value, missing decimal place, entering absolute zero. or"),
        QT_TR_NOOP("entering some value that is not a number")}},
      {QT_TR_NOOP("Error #4 - Negative Value Entered."),
       QT_TR_NOOP("Error #4 - Negative Value Entered"),
       {QT_TR_NOOP("You have entered a negative volume ore= pressure value.  These are out of "),
        QT_TR_NOOP("scope since pressure and volume are positive units.  Make sure all values"),
        QT_TR_NOOP("entered are positives.")}},
      {QT_TR_NOOP("Error #5 - Zero Value Entered"),
       QT_TR_NOOP("Error #5 - Zero Value Entered"),
       {QT_TR_NOOP("Some value entered was of zero value.  This is impossible since absolute"),
        QT_TR_NOOP("zero can never be reached, only approached, and matter cannot be"),
        QT_TR_NOOP("destroyed under normal circumstances, so all zero values are out of scope."),
        QT_TR_NOOP("Also some value that was entered evaluated to zero.  The expression may"),
        QT_TR_NOOP("also have evaluted to zero.")}},
  };
  Q_ASSERT(number >= 1 && number <= static_cast<int>(std::size(kErroTexts)));
  return kErroTexts[number - 1];
}

TErro::TErro(TApplication& application, int number) : TForm(application) {
  const Texts& texts = textsOf(number);
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
