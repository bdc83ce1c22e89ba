#include "laws/TErro.h"

#include "platform/Controls.h"

namespace pelbrix {

namespace {
constexpr int kMargin = 8;
constexpr int kLineStep = 16;
}  // namespace

TErroBase::TErroBase(TApplication& application, const QString& caption, const QString& heading,
                     const QStringList& lines)
    : TForm(application) {
  setWindowTitle(caption);
  // The heading spans the dialog, the button is centred under the lines, and the dialog
  // sizes itself to its contents.
  Label1 = makeControl<QLabel>(this, "Label1", {0, 0, 0, kLineStep}, heading);
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setDesignAnchor(Label1, DesignAnchor::FullWidth);
  int top = kLineStep;
  for (const QString& text : lines) {
    const QByteArray name = "Label" + QByteArray::number(static_cast<int>(Lines.size()) + 2);
    Lines.push_back(makeControl<QLabel>(this, name.constData(), {kMargin, top, 0, 0}, text));
    top += kLineStep;
  }
  Button1 = makeControl<QPushButton>(this, "Button1", {0, top + kMargin, 75, 25}, tr("&Ok"));
  Button1->setDefault(true);
  setDesignAnchor(Button1, DesignAnchor::Centred);
  connect(Button1, &QPushButton::clicked, this, &TErroBase::Button1Click);
}

void TErroBase::Button1Click() {
  close();
}

void TErroBase::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  Button1->setFocus(Qt::OtherFocusReason);
}

// The texts are the dialogs' own, spacing and spelling included.
TErro1::TErro1(TApplication& application)
    : TErroBase(
          application, QStringLiteral("Error #1 - Not Enough Data Input"),
          QStringLiteral("Error #1 - Not Enough Data Input"),
          {QStringLiteral("You did not enter enough data to complete the specified operation."),
           QStringLiteral("Make sure all data fields except the calculated field are filled.")}) {
  setObjectName(QStringLiteral("Erro1"));
}

TErro2::TErro2(TApplication& application)
    : TErroBase(
          application, QStringLiteral("Error #2 - Negative Temperature Values"),
          QStringLiteral("Error # 2 - Negative Temperature Values"),
          {QStringLiteral(
               "You entered a negative temperature value.  This either signifies that you"),
           QStringLiteral(
               "are not using Kelvins or entered a number that is out of logical scope."),
           QStringLiteral(
               "Entering a negavtive value which results in negative pressures and volumes"),
           QStringLiteral("which cannot happen in any reasonable circumstance.  Also there can be"),
           QStringLiteral(
               "no Kelvin value less that 0 (zero) since that would be out of logical scope.")}) {
  setObjectName(QStringLiteral("Erro2"));
}

TErro3::TErro3(TApplication& application)
    : TErroBase(application, QStringLiteral("Error #3 - Divide by Zero"),
                QStringLiteral("Error #3 - Divide by Zero"),
                {QStringLiteral(
                     "You are attempting to divide by sero.  One of the  values entered caused"),
                 QStringLiteral(
                     "the denominator to be a zero value.  This may have been caused by input-"),
                 QStringLiteral(
                     "ing a non-Kelvin value, missing decimal place, entering absolute zero. or"),
                 QStringLiteral("entering some value that is not a number")}) {
  setObjectName(QStringLiteral("Erro3"));
}

TErro4::TErro4(TApplication& application)
    : TErroBase(application, QStringLiteral("Error #4 - Negative Value Entered."),
                QStringLiteral("Error #4 - Negative Value Entered"),
                {QStringLiteral(
                     "You have entered a negative volume ore= pressure value.  These are out of "),
                 QStringLiteral(
                     "scope since pressure and volume are positive units.  Make sure all values"),
                 QStringLiteral("entered are positives.")}) {
  setObjectName(QStringLiteral("Erro4"));
}

TErro5::TErro5(TApplication& application)
    : TErroBase(application, QStringLiteral("Error #5 - Zero Value Entered"),
                QStringLiteral("Error #5 - Zero Value Entered"),
                {QStringLiteral(
                     "Some value entered was of zero value.  This is impossible since absolute"),
                 QStringLiteral("zero can never be reached, only approached, and matter cannot be"),
                 QStringLiteral(
                     "destroyed under normal circumstances, so all zero values are out of scope."),
                 QStringLiteral(
                     "Also some value that was entered evaluated to zero.  The expression may"),
                 QStringLiteral("also have evaluted to zero.")}) {
  setObjectName(QStringLiteral("Erro5"));
}

}  // namespace pelbrix
