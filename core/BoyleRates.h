#pragma once
// The Boyle rate relations: P dV/dt + V dP/dt = 0 for one state, and its two-state form
// P1 dV1/dt + V1 dP1/dt = P2 dV2/dt + V2 dP2/dt, solved for each quantity. Every divisor is a
// single input field, so the zero check covers it. Calculations, result text and working are
// the shared ones (RateCalculation.h: solveSingleRate, solveMultipleRate, singleRateWorking,
// multipleRateWorking, given a BoyleRateMode).
#include <cstdint>

#include "core/RateCalculation.h"

namespace pelbrix {

// What the page solves for; the numbers are those of the pages' remembered modes.
enum class BoyleRateMode : std::int16_t {
  Volume = 1,
  Pressure = 2,
  RateOfVolume = 3,
  RateOfPressure = 4
};

extern const RateCalculator kBoyleRates;
inline const RateCalculator& calculatorOf(BoyleRateMode) {
  return kBoyleRates;
}

}  // namespace pelbrix
