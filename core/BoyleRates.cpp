#include "core/BoyleRates.h"

#include "core/ExtendedPrecision.h"
#include "core/NumberText.h"

namespace pelbrix {

long double singleRate(BoyleRateMode mode, double x1, double x2, double x3) {
  using L = long double;
  switch (mode) {
    case BoyleRateMode::Volume:  // V = -(dV/dt * P) / dP/dt
      return -(L(x2) * x1) / x3;
    case BoyleRateMode::Pressure:      // P = -(dP/dt * V) / dV/dt
    case BoyleRateMode::RateOfVolume:  // dV/dt = -(dP/dt * V) / P
      return -(L(x3) * x1) / x2;
    case BoyleRateMode::RateOfPressure:  // dP/dt = -(dV/dt * P) / V
      return -(L(x3) * x2) / x1;
  }
  return -(L(x2) * x1) / x3;
}

long double multipleRate(BoyleRateMode mode, const std::array<double, 7>& x) {
  using L = long double;
  // x5..x11 of the page's fields.
  const L x5 = x[0], x6 = x[1], x7 = x[2], x8 = x[3], x9 = x[4], x10 = x[5], x11 = x[6];
  switch (mode) {
    case BoyleRateMode::Volume:
      return (x10 * x5 + x6 * x8 - x7 * x9) / x11;
    case BoyleRateMode::Pressure:
      return (x10 * x5 + x7 * x8 - x11 * x6) / x9;
    case BoyleRateMode::RateOfVolume:
      return (x10 * x5 + x7 * x9 - x11 * x6) / x8;
    case BoyleRateMode::RateOfPressure:
      return (x11 * x5 + x7 * x9 - x8 * x10) / x6;
  }
  return (x10 * x5 + x6 * x8 - x7 * x9) / x11;
}

RateOutcome solveSingleRate(BoyleRateMode mode, const std::array<std::string, 3>& fields) {
  if (anyFieldEmpty(fields)) return {ErrorDialog::NotEnoughData, 0};
  const auto x = parseFields(fields);
  if (anyZero(x)) return {ErrorDialog::ZeroValue, 0};
  return {ErrorDialog::None, singleRate(mode, x[0], x[1], x[2])};
}

RateOutcome solveMultipleRate(BoyleRateMode mode, const std::array<std::string, 7>& fields) {
  if (anyFieldEmpty(fields)) return {ErrorDialog::NotEnoughData, 0};
  const auto x = parseFields(fields);
  if (anyZero(x)) return {ErrorDialog::ZeroValue, 0};
  return {ErrorDialog::None, multipleRate(mode, x)};
}

std::string rateText(long double value, std::string_view decimalSeparator) {
  return formatGeneral(value, kRatePrecision, kRateExponentDigits, decimalSeparator);
}

}  // namespace pelbrix
