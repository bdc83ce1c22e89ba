#include "rates/TCHRate.h"

#include <QLayout>
#include <array>

#include "core/CharlesRates.h"
#include "core/ErrorReport.h"
#include "platform/Controls.h"

namespace pelbrix {

namespace {

// The window's design size less the frame, for a window that is not sized to its content.
constexpr int kClientWidth = 292;
constexpr int kClientHeight = 443;

// Label texts per mode (index 0 is mode 1), in label order: the Boyle rate calculator's, with
// temperature in place of pressure.
constexpr const char* kSingleLabels[4][4] = {
    {"Temperature", "Rate of Volume", "Rate of Temperature", "Calculated: Volume"},
    {"Volume", "Rate of Volume", "Rate of Temperature", "Calculated: Temperature"},
    {"Volume", "Temperature", "Rate of Temperature", "Calculated: Rate of Volume"},
    {"Volume", "Temperature", "Rate of Volume", "Calculated: Rate of Temperature"},
};
constexpr const char* kMultipleLabels[4][8] = {
    {"Volume 1", "Temperature 1", "Temperature 2", "Rate of Volume 1", "Rate of Volume 2",
     "Rate of Temperature 1", "Rate of Temperature 2", "Calculated: Volume 2"},
    {"Volume 1", "Volume 2", "Temperature 1", "Rate of Volume 1", "Rate of Volume 2",
     "Rate of Temperature 1", "Rate of Temperature 2", "Calculated: Temperature 2"},
    {"Volume 1", "Volume 2", "Temperature 1", "Temperature 2", "Rate of Volume 1",
     "Rate of Temperature 1", "Rate of Temperature 2", "Calculated: Rate of Volume 2"},
    {"Volume 1", "Volume 2", "Temperature 1", "Temperature 2", "Rate of Volume 1",
     "Rate of Volume 2", "Rate of Temperature 1", "Calculated: Rate of Temperature 2"},
};
constexpr std::int16_t kDesignMode = 4;  // "Rate of Temperature"

}  // namespace

TCHRate::TCHRate(TApplication& application, SettingsStore& settings, ErrorPresenter& errors)
    : RateWindow(application, {tr("Solve for: "),
                               {136, 64, 137, 89},
                               {tr("Volume"), tr("Temperature"), tr("Rate of Volume"),
                                tr("Rate of Temperature")},
                               false,
                               75}),
      settings_(settings),
      errors_(errors) {
  setObjectName(QStringLiteral("CHRate"));
  setWindowTitle(tr("Charles Rate"));
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);

  chooseSingle(kDesignMode);
  RadioButton4->setChecked(true);
  chooseMultiple(kDesignMode);
  RadioButton8->setChecked(true);
  chainTabOrder({Edit1, Edit2, Edit3, Edit4, RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                 Button1, Button2});
  chainTabOrder({Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12, Button3, Button4,
                 RadioButton5, RadioButton6, RadioButton7, RadioButton8});
  PageControl1->setCurrentIndex(0);
  // The window starts at its design size and may grow.
  setDesignClientSize(this, {kClientWidth, kClientHeight}, WindowSizing::Resizable);

  connectHandlers();

  FormCreate();
}

void TCHRate::FormCreate() {
  restoreChoices(settings_, kCharlesRateKeys);
}

void TCHRate::FormClose() {
  saveChoices(settings_, kCharlesRateKeys);
}

void TCHRate::chooseSingle(std::int16_t mode) {
  relabel(std::array{Label1, Label2, Label3, Label4}, kSingleLabels[mode - 1]);
  showKelvinPlaceholders(singleFields(),
                         charlesSingleRateFormula(static_cast<CharlesRateMode>(mode)).inputs);
  SingleMode = mode;
}

void TCHRate::chooseMultiple(std::int16_t mode) {
  relabel(std::array{Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12},
          kMultipleLabels[mode - 1]);
  showKelvinPlaceholders(multipleFields(),
                         charlesMultipleRateFormula(static_cast<CharlesRateMode>(mode)).inputs);
  MultipleMode = mode;
}

void TCHRate::RadioButton1Click() {
  chooseSingle(1);
}
void TCHRate::RadioButton2Click() {
  chooseSingle(2);
}
void TCHRate::RadioButton3Click() {
  chooseSingle(3);
}
void TCHRate::RadioButton4Click() {
  chooseSingle(4);
}
void TCHRate::RadioButton5Click() {
  chooseMultiple(1);
}
void TCHRate::RadioButton6Click() {
  chooseMultiple(2);
}
void TCHRate::RadioButton7Click() {
  chooseMultiple(3);
}
void TCHRate::RadioButton8Click() {
  chooseMultiple(4);
}

void TCHRate::Button1Click() {
  const auto mode = static_cast<CharlesRateMode>(SingleMode);
  const auto fields = singleInputs();
  const std::string point = desktopDecimalPoint();
  showOutcome(errors_, Edit4, solveCharlesSingleRate(mode, fields, point),
              charlesSingleRateWorking(mode, fields, point));
}

void TCHRate::Button2Click() {
  clearSingle();
}

void TCHRate::Button3Click() {
  const auto mode = static_cast<CharlesRateMode>(MultipleMode);
  const auto fields = multipleInputs();
  const std::string point = desktopDecimalPoint();
  showOutcome(errors_, Edit12, solveCharlesMultipleRate(mode, fields, point),
              charlesMultipleRateWorking(mode, fields, point));
}

void TCHRate::Button4Click() {
  clearMultiple();
}

}  // namespace pelbrix
