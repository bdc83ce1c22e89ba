#pragma once
// The Boyle rate formulas: P dV/dt + V dP/dt = 0 for one state, and its two-state form
// P1 dV1/dt + V1 dP1/dt = P2 dV2/dt + V2 dP2/dt.
//
// A calculation tests its input fields for empty text first (all of them), then for a
// value of 0 (all of them), so every divisor is non-zero; negative values are accepted.
// Formulas run on extended-precision intermediates and hand the extended value to the
// result text unrounded.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ErrorReport.h"

namespace pelbrix {

// What the page solves for; the numbers are those of the pages' remembered modes.
enum class BoyleRateMode : std::int16_t {
  Volume = 1,
  Pressure = 2,
  RateOfVolume = 3,
  RateOfPressure = 4,
};

// Volume, pressure or one of the rates from the other three quantities of one state,
// x1..x3 in field order under the mode's labels.
long double singleRate(BoyleRateMode mode, double x1, double x2, double x3);

// A quantity of state 2 from the seven others, x[0]..x[6] being the fields 5..11 in
// order under the mode's labels.
long double multipleRate(BoyleRateMode mode, const std::array<double, 7>& x);

struct RateOutcome {
  ErrorDialog error = ErrorDialog::None;
  long double value = 0;  // meaningful when error is None

  bool ok() const { return error == ErrorDialog::None; }
};

template <std::size_t N>
bool anyZero(const std::array<double, N>& values) {
  for (double v : values)
    if (v == 0) return true;
  return false;
}

// The whole check sequence and formula in one step.
RateOutcome solveSingleRate(BoyleRateMode mode, const std::array<std::string, 3>& fields);
RateOutcome solveMultipleRate(BoyleRateMode mode, const std::array<std::string, 7>& fields);

// The rate calculator's result text: 6 significant digits, at least 4 exponent digits.
std::string rateText(long double value, std::string_view decimalSeparator = ".");
inline constexpr int kRatePrecision = 6;
inline constexpr int kRateExponentDigits = 4;

}  // namespace pelbrix
