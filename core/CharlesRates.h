#pragma once
// The Charles rate formulas. While Charles' law holds, V/T stays constant, so for one state
// T dV/dt − V dT/dt = 0, and for two states
// T1 dV1/dt − V1 dT1/dt = T2 dV2/dt − V2 dT2/dt.
//
// A calculation tests, each over all its input fields in field order: for empty text, for a
// temperature below 0, for a value of 0; a computed volume or temperature is then tested for
// sign and for zero (rounded to double, as the law pages do), while a computed rate is
// written whatever its sign. Arithmetic, outcome and result text are the Boyle rate
// calculator's (BoyleRates.h).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/BoyleRates.h"
#include "core/Working.h"

namespace pelbrix {

// What the page solves for, numbered as the Solve for buttons.
enum class CharlesRateMode : std::int16_t {
  Volume = 1,
  Temperature = 2,
  RateOfVolume = 3,
  RateOfTemperature = 4,
};

// The relation each mode solves: over the fields 1..3 of "Single Rate", and over the fields
// 5..11 of "Multiple Rate", under the mode's labels.
const Formula<3>& charlesSingleRateFormula(CharlesRateMode mode);
const Formula<7>& charlesMultipleRateFormula(CharlesRateMode mode);

RateOutcome solveCharlesSingleRate(CharlesRateMode mode, const std::array<std::string, 3>& fields,
                                   std::string_view decimalSeparator = ".");
RateOutcome solveCharlesMultipleRate(CharlesRateMode mode, const std::array<std::string, 7>& fields,
                                     std::string_view decimalSeparator = ".");

// The working behind each page's answer (Working.h); "" when the calculation fails.
std::string charlesSingleRateWorking(CharlesRateMode mode, const std::array<std::string, 3>& fields,
                                     std::string_view decimalSeparator = ".");
std::string charlesMultipleRateWorking(CharlesRateMode mode,
                                       const std::array<std::string, 7>& fields,
                                       std::string_view decimalSeparator = ".");

}  // namespace pelbrix
