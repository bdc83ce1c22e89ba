#pragma once
// The Charles rate relations. While Charles' law holds, V/T stays constant, so for one state
// T dV/dt = V dT/dt. Two states of one gas at one pressure share V/T, and so share its
// relative rate of change: dV1/V1 − dT1/T1 = dV2/V2 − dT2/T2 (rates per unit of time).
// Doubling a state doubles its rates, so the relation holds for both.
//
// Calculations, result text and working are the Boyle rate calculator's (RateCalculation.h);
// on "Multiple Rate" a divisor of several fields that comes to exactly 0 is Error #3.
#include "core/RateCalculation.h"

namespace pelbrix {

// What the page solves for, numbered 1..4 as the Solve for buttons.
enum class CharlesRateMode : std::int16_t {
  Volume = 1,
  Temperature,
  RateOfVolume,
  RateOfTemperature
};

extern const RateCalculator kCharlesRates;
inline const RateCalculator& calculatorOf(CharlesRateMode) {
  return kCharlesRates;
}

// The names the Charles rate window's callers know the shared calculations by.
inline RateOutcome solveCharlesSingleRate(CharlesRateMode mode,
                                          const std::array<std::string, 3>& fields,
                                          std::string_view decimalSeparator = ".") {
  return solveSingleRate(mode, fields, decimalSeparator);
}
inline RateOutcome solveCharlesMultipleRate(CharlesRateMode mode,
                                            const std::array<std::string, 7>& fields,
                                            std::string_view decimalSeparator = ".") {
  return solveMultipleRate(mode, fields, decimalSeparator);
}
inline std::string charlesSingleRateWorking(CharlesRateMode mode,
                                            const std::array<std::string, 3>& fields,
                                            std::string_view decimalSeparator = ".") {
  return singleRateWorking(mode, fields, decimalSeparator);
}
inline std::string charlesMultipleRateWorking(CharlesRateMode mode,
                                              const std::array<std::string, 7>& fields,
                                              std::string_view decimalSeparator = ".") {
  return multipleRateWorking(mode, fields, decimalSeparator);
}

}  // namespace pelbrix
