#include "rates/TCHRate.h"

#include "core/CharlesRates.h"
#include "platform/Controls.h"

namespace pelbrix {

namespace {

// The window's design size less the frame, for a window that is not sized to its content.
constexpr int kClientWidth = 292;
constexpr int kClientHeight = 443;

constexpr RateWindowDesign kCharlesDesign = {
    .objectName = "CHRate",
    .title = QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Charles Rate"),
    .buttons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint,
    .solveForTitle = QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Solve for: "),
    .solveForBox = {136, 64, 137, 89},
    .quantities = {RateQuantity::Volume, RateQuantity::Temperature, RateQuantity::RateOfVolume,
                   RateQuantity::RateOfTemperature},
    .singleTabOrder = {RateWindowDesign::Fields, RateWindowDesign::SolveFor,
                       RateWindowDesign::Buttons},
    .multipleTabOrder = {RateWindowDesign::Fields, RateWindowDesign::Buttons,
                         RateWindowDesign::SolveFor},
    .designPage = 0,
    .singleClearWidth = 75,
    .startMode = 4,  // Rate of Temperature, the design's
    .calculator = kCharlesRates,
    .keys = kCharlesRateKeys,
};

}  // namespace

TCHRate::TCHRate(TApplication& application, SettingsStore& settings, ErrorPresenter& errors)
    : RateWindow(application, settings, errors, kCharlesDesign) {
  // The window starts at its design size and may grow.
  setDesignClientSize(this, {kClientWidth, kClientHeight}, WindowSizing::Resizable);
  FormCreate();
}

}  // namespace pelbrix
