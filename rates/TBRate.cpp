#include "rates/TBRate.h"

#include "core/BoyleRates.h"
#include "platform/DesignLayout.h"

namespace pelbrix {

namespace {

constexpr RateWindowDesign kBoyleDesign = {
    .objectName = "BRate",
    .title = QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Boyle Rate"),
    .buttons = Qt::WindowMinimizeButtonHint,
    .solveForTitle = QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Solve For: "),
    .solveForBox = {144, 64, 113, 89},
    .quantities = {RateQuantity::Volume, RateQuantity::Pressure, RateQuantity::RateOfVolume,
                   RateQuantity::RateOfPressure},
    .singleTabOrder = {RateTab::SolveFor, RateTab::Fields, RateTab::Buttons},
    .multipleTabOrder = {RateTab::Fields, RateTab::SolveFor, RateTab::Buttons},
    .designPage = 1,
    .singleClearWidth = 73,
    .calculator = kBoyleRates,
    .keys = kBoyleRateKeys,
};

}  // namespace

TBRate::TBRate(TApplication& application, SettingsStore& settings, ErrorPresenter& errors,
               const RateWindowChoices* stored)
    : RateWindow(application, settings, errors, kBoyleDesign, stored) {}

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

}  // namespace pelbrix
