#pragma once
// The Boyle rate formulas: P dV/dt + V dP/dt = 0 for one state, and its two-state form
// P1 dV1/dt + V1 dP1/dt = P2 dV2/dt + V2 dP2/dt.
//
// A calculation tests its input fields for empty text first (all of them), then for a
// value of 0 (all of them), so every divisor is non-zero; negative values are accepted.
// Formulas run on extended-precision intermediates and hand the extended value to the
// result text unrounded. Texts are read with '.' or the desktop's `decimalSeparator` as the
// decimal point.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ErrorReport.h"
#include "core/Working.h"

namespace pelbrix {

// What the page solves for; the numbers are those of the pages' remembered modes.
enum class BoyleRateMode : std::int16_t {
  Volume = 1,
  Pressure = 2,
  RateOfVolume = 3,
  RateOfPressure = 4,
};

// Volume, pressure or one of the rates from the other three quantities of one state, over
// the fields 1..3 under the mode's labels.
const Formula<3>& boyleSingleRateFormula(BoyleRateMode mode);
// A quantity of state 2 from the seven others, over the fields 5..11 under the mode's labels.
const Formula<7>& boyleMultipleRateFormula(BoyleRateMode mode);

// The outcome of either rate window's calculation.
struct RateOutcome {
  ErrorDialog error = ErrorDialog::None;
  long double value = 0;  // meaningful when error is None
  int field = -1;         // the input field the error is about, -1 when none is

  bool ok() const { return error == ErrorDialog::None; }
};

// The whole check sequence and formula in one step.
RateOutcome solveSingleRate(BoyleRateMode mode, const std::array<std::string, 3>& fields,
                            std::string_view decimalSeparator = ".");
RateOutcome solveMultipleRate(BoyleRateMode mode, const std::array<std::string, 7>& fields,
                              std::string_view decimalSeparator = ".");

// The rate calculators' result text: 6 significant digits, at least 4 exponent digits.
std::string rateText(long double value, std::string_view decimalSeparator = ".");
inline constexpr int kRatePrecision = 6;
inline constexpr int kRateExponentDigits = 4;

// The working behind each page's answer (Working.h); "" when the calculation fails.
std::string singleRateWorking(BoyleRateMode mode, const std::array<std::string, 3>& fields,
                              std::string_view decimalSeparator = ".");
std::string multipleRateWorking(BoyleRateMode mode, const std::array<std::string, 7>& fields,
                                std::string_view decimalSeparator = ".");

// A rate window's working from its formula, the fields as read and the outcome.
template <std::size_t N>
std::string rateWorking(const Formula<N>& formula, const std::array<double, N>& values,
                        const RateOutcome& outcome, std::string_view decimalSeparator) {
  if (!outcome.ok()) return {};
  return workingText(formula, values, rateText(outcome.value, decimalSeparator), decimalSeparator);
}

}  // namespace pelbrix
