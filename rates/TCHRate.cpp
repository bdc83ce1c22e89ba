#include "rates/TCHRate.h"

#include "core/CharlesRates.h"

namespace pelbrix {

namespace {

constexpr RateWindowDesign kCharlesDesign = {
    .objectName = "CHRate",
    .title = QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Charles Rate"),
    .buttons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint,
    .solveForTitle = QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Solve for: "),
    .solveForBox = {136, 64, 137, 89},
    .resizableSize = {292, 443},
    .quantities = {RateQuantity::Volume, RateQuantity::Temperature, RateQuantity::RateOfVolume,
                   RateQuantity::RateOfTemperature},
    .singleTabOrder = {RateTab::Fields, RateTab::SolveFor, RateTab::Buttons},
    .multipleTabOrder = {RateTab::Fields, RateTab::Buttons, RateTab::SolveFor},
    .singleClearWidth = 75,
    .startMode = static_cast<std::int16_t>(CharlesRateMode::RateOfTemperature),  // the design's
    .calculator = kCharlesRates,
    .keys = kCharlesRateKeys,
};

}  // namespace

TCHRate::TCHRate(TApplication& application, SettingsStore& settings, ErrorPresenter& errors,
                 const RateWindowChoices* stored)
    : RateWindow(application, settings, errors, kCharlesDesign, stored) {}

}  // namespace pelbrix
