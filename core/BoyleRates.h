#pragma once
// The Boyle rate formulas: P dV/dt + V dP/dt = 0 for one state, and its two-state form
// P1 dV1/dt + V1 dP1/dt = P2 dV2/dt + V2 dP2/dt.
//
// A calculation runs the rate windows' check sequence (solveRate below); every divisor is
// an input that has passed the zero test. Formulas run on extended-precision intermediates and hand
// the extended value to the result text unrounded. Texts are read with '.' or the desktop's
// `decimalSeparator` as the decimal point.
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

// The rate windows' check sequence, each step over the fields in field order and each ending
// the calculation: an empty field (Error #1); a volume or pressure below 0 (Error #4) or a
// temperature below 0 (Error #2), whichever comes first; a field that reads 0 (Error #5);
// `divisor`, a shape over the same fields ("" for none), of exactly 0 (Error #3); then a
// computed volume, pressure or temperature below 0 (Error #4) or of 0 (Error #5), judged
// rounded to double. Rates, typed or computed, keep their sign.
template <std::size_t N>
RateOutcome solveRate(const Formula<N>& formula, std::string_view divisor,
                      const std::array<std::string, N>& fields, std::string_view decimalSeparator);

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
