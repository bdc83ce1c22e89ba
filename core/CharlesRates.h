#pragma once
// The Charles rate formulas. While Charles' law holds, V/T stays constant, so for one state
// T dV/dt = V dT/dt. Two states of one gas at one pressure share V/T, and so share its
// relative rate of change: dV1/V1 − dT1/T1 = dV2/V2 − dT2/T2 (rates per unit of time).
// Doubling a state doubles its rates, so the relation holds for both.
//
// A calculation runs the rate windows' check sequence (solveRate in BoyleRates.h); on
// "Multiple Rate" a divisor of several fields that comes to exactly 0 is Error #3.
// Arithmetic, outcome and result text are the Boyle rate calculator's.
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
