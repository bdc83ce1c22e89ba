#include "rates/TBRate.h"

#include <QLayout>
#include <array>

#include "core/BoyleRates.h"
#include "core/ErrorReport.h"
#include "core/SettingsStore.h"
#include "platform/Controls.h"
#include "platform/DesignLayout.h"

namespace pelbrix {

namespace {

// Label texts per mode (index 0 is mode 1), in label order.
constexpr const char* kSingleLabels[4][4] = {
    {"Pressure", "Rate of Volume", "Rate of Pressure", "Calculated: Volume"},
    {"Volume", "Rate of Volume", "Rate of Pressure", "Calculated: Pressure"},
    {"Volume", "Pressure", "Rate of Pressure", "Calculated: Rate of Volume"},
    {"Volume", "Pressure", "Rate of Volume", "Calculated: Rate of Pressure"},
};
constexpr const char* kMultipleLabels[4][8] = {
    {"Volume 1", "Pressure 1", "Pressure 2", "Rate of Volume 1", "Rate of Volume 2",
     "Rate of Pressure 1", "Rate of Pressure 2", "Calculated: Volume 2"},
    {"Volume 1", "Volume 2", "Pressure 1", "Rate of Volume 1", "Rate of Volume 2",
     "Rate of Pressure 1", "Rate of Pressure 2", "Calculated: Pressure 2"},
    {"Volume 1", "Volume 2", "Pressure 1", "Pressure 2", "Rate of Volume 1", "Rate of Pressure 1",
     "Rate of Pressure 2", "Calculated: Rate of Volume 2"},
    {"Volume 1", "Volume 2", "Pressure 1", "Pressure 2", "Rate of Volume 1", "Rate of Volume 2",
     "Rate of Pressure 1", "Calculated: Rate of Pressure 2"},
};
constexpr int kDesignMode = 4;  // the design captions are those of "Rate of Pressure"

std::int16_t firstChecked(std::initializer_list<QRadioButton*> radios) {
  std::int16_t mode = 1;
  for (QRadioButton* r : radios) {
    if (r->isChecked()) return mode;
    ++mode;
  }
  return 1;  // none checked: Volume
}

}  // namespace

TBRate::TBRate(TApplication& application, SettingsStore& settings, ErrorPresenter& errors)
    : RateWindow(application,
                 {tr("Solve For: "),
                  {144, 64, 113, 89},
                  {tr("Volume"), tr("Pressure"), tr("Rate of Volume"), tr("Rate of Pressure")},
                  false,
                  73}),
      settings_(settings),
      errors_(errors) {
  setObjectName(QStringLiteral("BRate"));
  setWindowTitle(tr("Boyle Rate"));
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);

  relabelSingle(kDesignMode);
  RadioButton4->setChecked(true);
  chainTabOrder({RadioButton1, RadioButton2, RadioButton3, RadioButton4, Edit1, Edit2, Edit3, Edit4,
                 Button1, Button2});
  relabelMultiple(kDesignMode);
  RadioButton8->setChecked(true);
  chainTabOrder({Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12, RadioButton5,
                 RadioButton6, RadioButton7, RadioButton8, Button3, Button4});
  PageControl1->setCurrentIndex(1);  // as designed; the stored page replaces it below
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  connectHandlers();

  FormCreate();
}

void TBRate::FormCreate() {
  restoreChoices(settings_, kBoyleRateKeys);
}

void TBRate::layOut() {
  // Laid out with the design's captions, the window stands where one laid out at creation
  // stands; the captions of the modes chosen since (the stored ones) then take their places,
  // each at its own size, as a Solve For button's do.
  QLabel* const labels[] = {Label1, Label2, Label3, Label4,  Label5,  Label6,
                            Label7, Label8, Label9, Label10, Label11, Label12};
  QStringList chosen;
  for (const QLabel* label : labels) chosen << label->text();
  relabelSingle(kDesignMode);
  relabelMultiple(kDesignMode);
  layOutFromDesign(this);
  for (int k = 0; k < chosen.size(); ++k) {
    if (labels[k]->text() == chosen[k]) continue;
    labels[k]->setText(chosen[k]);
    labels[k]->adjustSize();
  }
}

void TBRate::FormClose() {
  saveChoices(settings_, kBoyleRateKeys);
}

void TBRate::chooseSingle(std::int16_t mode) {
  relabelSingle(mode);
  SingleMode = mode;
}

void TBRate::chooseMultiple(std::int16_t mode) {
  relabelMultiple(mode);
  MultipleMode = mode;
}

void TBRate::relabelSingle(int mode) {
  relabel(std::array{Label1, Label2, Label3, Label4}, kSingleLabels[mode - 1]);
}

void TBRate::relabelMultiple(int mode) {
  relabel(std::array{Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12},
          kMultipleLabels[mode - 1]);
}

void TBRate::RadioButton1Click() {
  chooseSingle(1);
}
void TBRate::RadioButton2Click() {
  chooseSingle(2);
}
void TBRate::RadioButton3Click() {
  chooseSingle(3);
}
void TBRate::RadioButton4Click() {
  chooseSingle(4);
}
void TBRate::RadioButton5Click() {
  chooseMultiple(1);
}
void TBRate::RadioButton6Click() {
  chooseMultiple(2);
}
void TBRate::RadioButton7Click() {
  chooseMultiple(3);
}
void TBRate::RadioButton8Click() {
  chooseMultiple(4);
}

void TBRate::Button1Click() {
  // The mode comes from the buttons only once a calculation has passed its checks.
  const auto mode = static_cast<BoyleRateMode>(
      SingleMode ? SingleMode
                 : firstChecked({RadioButton1, RadioButton2, RadioButton3, RadioButton4}));
  const auto fields = singleInputs();
  const std::string point = desktopDecimalPoint();
  const RateOutcome outcome = solveSingleRate(mode, fields, point);
  if (outcome.ok()) SingleMode = static_cast<std::int16_t>(mode);
  showOutcome(errors_, Edit4, outcome, singleRateWorking(mode, fields, point));
}

void TBRate::Button2Click() {
  clearSingle();
}

void TBRate::Button3Click() {
  const auto mode = static_cast<BoyleRateMode>(
      MultipleMode ? MultipleMode
                   : firstChecked({RadioButton5, RadioButton6, RadioButton7, RadioButton8}));
  const auto fields = multipleInputs();
  const std::string point = desktopDecimalPoint();
  const RateOutcome outcome = solveMultipleRate(mode, fields, point);
  if (outcome.ok()) MultipleMode = static_cast<std::int16_t>(mode);
  showOutcome(errors_, Edit12, outcome, multipleRateWorking(mode, fields, point));
}

void TBRate::Button4Click() {
  clearMultiple();
}

}  // namespace pelbrix
