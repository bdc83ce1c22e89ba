#include "rates/TCHRate.h"

#include <QLayout>
#include <array>

#include "platform/Controls.h"
#include "core/ErrorReport.h"
#include "core/NumberText.h"

namespace pelbrix {

namespace {

// The window's design size less the frame, for a window that is not sized to its content.
constexpr int kClientWidth = 292;
constexpr int kClientHeight = 443;

}  // namespace

TCHRate::TCHRate(ErrorPresenter& errors)
    : RateWindow(
          {tr("Solve for: "),
           {136, 64, 137, 89},
           {tr("Volume"), tr("Temperature"), tr("Rate of Volume"), tr("Rate of Temperature")},
           true,
           75}),
      errors_(errors) {
  setObjectName(QStringLiteral("CHRate"));
  setWindowTitle(tr("Charles Rate"));
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);

  chainTabOrder({Edit1, Edit2, Edit3, Edit4, RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                 Button1, Button2});
  chainTabOrder({Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12, Button3, Button4,
                 RadioButton5, RadioButton6, RadioButton7, RadioButton8});
  PageControl1->setCurrentIndex(0);
  // The window starts at its design size and may grow.
  setDesignClientSize(this, {kClientWidth, kClientHeight}, WindowSizing::Resizable);

  connect(Button1, &QPushButton::clicked, this, &TCHRate::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TCHRate::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TCHRate::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TCHRate::Button4Click);
}

// The Charles rate formulas are not worked out yet: Calculate only checks the input.
void TCHRate::Button1Click() {
  if (anyFieldEmpty(singleInputs())) errors_.show(ErrorDialog::NotEnoughData);
}

void TCHRate::Button2Click() {
  clearSingle();
}

void TCHRate::Button3Click() {
  if (anyFieldEmpty(multipleInputs())) errors_.show(ErrorDialog::NotEnoughData);
}

void TCHRate::Button4Click() {
  clearMultiple();
}

}  // namespace pelbrix
