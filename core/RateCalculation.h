#pragma once
// What the Boyle and Charles rate calculators share: a calculator as a table of relations per
// page and Solve For mode, the check sequence every calculation runs, the result text and the
// working. Each calculator supplies only its relations (BoyleRates, CharlesRates).
//
// Formulas run on extended-precision intermediates and hand the extended value to the result
// text unrounded. Texts are read with '.' or the desktop's `decimalSeparator` as the decimal
// point.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ErrorReport.h"
#include "core/Working.h"

namespace pelbrix {

// The outcome of either rate window's calculation.
struct RateOutcome {
  ErrorDialog error = ErrorDialog::None;
  long double value = 0;  // meaningful when error is None
  int field = -1;         // the input field the error is about, -1 when none is

  bool ok() const { return error == ErrorDialog::None; }
};

// What one Solve For mode computes on a page, and the divisor made of several fields that it
// tests for 0 ("" when every divisor is a single field, which the zero check covers).
template <std::size_t N>
struct RateRelation {
  Formula<N> formula;
  std::string_view divisor{};
};

// A calculator: "Single Rate" over the fields 1..3 and "Multiple Rate" over the fields 5..11,
// each with the relations of the modes 1..4 (index 0 is mode 1), under the mode's labels.
struct RateCalculator {
  std::array<RateRelation<3>, 4> single;
  std::array<RateRelation<7>, 4> multiple;
};

// The relation of `mode` (1..4); any other number is mode 1, Volume.
template <std::size_t N>
const RateRelation<N>& relationOf(const std::array<RateRelation<N>, 4>& page, int mode) {
  return page[mode >= 1 && mode <= 4 ? static_cast<std::size_t>(mode - 1) : 0];
}

// The rate windows' check sequence, each step over the fields in field order and each ending
// the calculation: an empty field (Error #1); a volume or pressure below 0 (Error #4) or a
// temperature below 0 (Error #2), whichever comes first; a field that reads 0 (Error #5);
// the relation's divisor of exactly 0 (Error #3); then a computed volume, pressure or
// temperature below 0 (Error #4) or of 0 (Error #5), judged rounded to double. Rates, typed
// or computed, keep their sign.
template <std::size_t N>
RateOutcome solveRate(const RateRelation<N>& relation, const std::array<std::string, N>& fields,
                      std::string_view decimalSeparator);

// The rate calculators' result text: 6 significant digits, at least 4 exponent digits.
std::string rateText(long double value, std::string_view decimalSeparator = ".");
inline constexpr int kRatePrecision = 6;
inline constexpr int kRateExponentDigits = 4;

// The working behind an answer (Working.h); "" when the calculation fails.
template <std::size_t N>
std::string rateWorking(const RateRelation<N>& relation, const std::array<std::string, N>& fields,
                        std::string_view decimalSeparator);

// A calculator's pages by its mode type: each calculator's header declares
// `const RateCalculator& calculatorOf(Mode)`, which these find by the mode's type.
template <class Mode>
RateOutcome solveSingleRate(Mode mode, const std::array<std::string, 3>& fields,
                            std::string_view decimalSeparator = ".") {
  return solveRate(relationOf(calculatorOf(mode).single, static_cast<int>(mode)), fields,
                   decimalSeparator);
}
template <class Mode>
RateOutcome solveMultipleRate(Mode mode, const std::array<std::string, 7>& fields,
                              std::string_view decimalSeparator = ".") {
  return solveRate(relationOf(calculatorOf(mode).multiple, static_cast<int>(mode)), fields,
                   decimalSeparator);
}
template <class Mode>
std::string singleRateWorking(Mode mode, const std::array<std::string, 3>& fields,
                              std::string_view decimalSeparator = ".") {
  return rateWorking(relationOf(calculatorOf(mode).single, static_cast<int>(mode)), fields,
                     decimalSeparator);
}
template <class Mode>
std::string multipleRateWorking(Mode mode, const std::array<std::string, 7>& fields,
                                std::string_view decimalSeparator = ".") {
  return rateWorking(relationOf(calculatorOf(mode).multiple, static_cast<int>(mode)), fields,
                     decimalSeparator);
}

}  // namespace pelbrix
