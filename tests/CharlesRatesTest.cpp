#include "core/CharlesRates.h"

#include <gtest/gtest.h>

#include "RateTestSupport.h"

using namespace pelbrix;

namespace {
using M = CharlesRateMode;
const RatePages<M> rates{solveCharlesSingleRate, solveCharlesMultipleRate};
}  // namespace

// One state throughout, V = 2, T = 300, dV/dt = 0.5, dT/dt = 75 (T dV/dt = V dT/dt), each
// quantity solved for from the other three under its mode's labels.
TEST(CharlesSingleRate, EachModeSolvesForItsQuantity) {
  const SingleCase<M> cases[] = {
      {M::Volume, {"300", "0.5", "75"}, "2"},             // T, dV/dt, dT/dt
      {M::Temperature, {"2", "0.5", "75"}, "300"},        // V, dV/dt, dT/dt
      {M::RateOfVolume, {"2", "300", "75"}, "0.5"},       // V, T, dT/dt
      {M::RateOfTemperature, {"2", "300", "0.5"}, "75"},  // V, T, dV/dt
      {M::RateOfTemperature, {"3", "1", "1"}, "0.333333"},
      {M::RateOfTemperature, {"2", "300", "-0.5"}, "-75"},  // a rate keeps its sign
      {M::RateOfVolume, {"2", "300", "-75"}, "-0.5"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(rates.single(c.mode, c.fields), c.text) << static_cast<int>(c.mode);
}

// Two states of one gas at one pressure share V/T and so its relative rate:
// dV1/V1 − dT1/T1 = dV2/V2 − dT2/T2. State 1 throughout: V1 = 2, T1 = 300, dV1/dt = 1,
// dT1/dt = 100, so r1 = 1/2 − 100/300 = 1/6.
// Doubled state: V2 = 4, T2 = 600, dV2/dt = 2, dT2/dt = 200 (twice state 1's rates):
//   dT2 = 600 × (2/4 − 1/6) = 600 × 1/3 = 200;  dV2 = 4 × (1/6 + 200/600) = 4 × 1/2 = 2;
//   T2 = 200 ÷ (2/4 − 1/6) = 600;               V2 = 2 ÷ (1/6 + 200/600) = 4.
// Another V/T: V2 = 5, T2 = 400, dV2/dt = 3: dT2 = 400 × (3/5 − 1/6) = 400 × 13/30 = 520/3.
//   Typed back as 173.3333333333333 (16 digits), the others come back to 6 digits:
//   dV2 = 5 × (1/6 + 0.4333333333333333) = 3;   T2 = 173.3333333333333 ÷ 13/30 = 400;
//   V2 = 3 ÷ (1/6 + 0.4333333333333333) = 5.
TEST(CharlesMultipleRate, EachModeSolvesTheSharedRelativeRate) {
  const std::string third = "173.3333333333333";
  const MultipleCase<M> cases[] = {
      // V1, V2, T1, T2, dV1, dV2, dT1 -> dT2
      {M::RateOfTemperature, {"2", "4", "300", "600", "1", "2", "100"}, "200"},
      {M::RateOfTemperature, {"2", "5", "300", "400", "1", "3", "100"}, "173.333"},
      // dT2 = 600 × (−2/4 − 1/6) = −400: a rate keeps its sign.
      {M::RateOfTemperature, {"2", "4", "300", "600", "1", "-2", "100"}, "-400"},
      // V1, V2, T1, T2, dV1, dT1, dT2 -> dV2
      {M::RateOfVolume, {"2", "4", "300", "600", "1", "100", "200"}, "2"},
      {M::RateOfVolume, {"2", "5", "300", "400", "1", "100", third}, "3"},
      // V1, V2, T1, dV1, dV2, dT1, dT2 -> T2
      {M::Temperature, {"2", "4", "300", "1", "2", "100", "200"}, "600"},
      {M::Temperature, {"2", "5", "300", "1", "3", "100", third}, "400"},
      // V1, T1, T2, dV1, dV2, dT1, dT2 -> V2
      {M::Volume, {"2", "300", "600", "1", "2", "100", "200"}, "4"},
      {M::Volume, {"2", "300", "400", "1", "3", "100", third}, "5"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(rates.multiple(c.mode, c.fields), c.text)
        << static_cast<int>(c.mode) << ' ' << c.text;
}

// Empty, then a negative volume (#4) or temperature (#2) in field order, then a zero field,
// then a divisor of 0, then the computed volume or temperature's sign and zero.
TEST(CharlesRates, ChecksInOrderAndNameTheField) {
  const EitherPageCase<M> cases[] = {
      {M::RateOfTemperature, {"-1", "", "0"}, "error 1 at 1"},      // V, T, dV/dt
      {M::RateOfTemperature, {"-2", "-5", "0"}, "error 4 at 0"},    // the volume comes first
      {M::RateOfTemperature, {"0", "-5", "1"}, "error 2 at 1"},     // before the zero volume
      {M::RateOfTemperature, {"0", "300", "-1"}, "error 5 at 0"},   // a rate may be negative
      {M::RateOfTemperature, {"2", "0", "1"}, "error 5 at 1"},      // 0 K is not below 0
      {M::RateOfVolume, {"2", "300", " "}, "error 5 at 2"},         // a blank reads 0
      {M::Temperature, {"-2", "1", "1"}, "error 4 at 0"},           // V, dV/dt, dT/dt
      {M::Volume, {"300", "-0.5", "75"}, "error 4 at -1"},          // V = 300 × −0.5 ÷ 75
      {M::Temperature, {"2", "0.5", "-75"}, "error 4 at -1"},       // T = 2 × −75 ÷ 0.5
      {M::Volume, {"1e-200", "1e-200", "1e200"}, "error 5 at -1"},  // underflows in double
      {M::RateOfVolume, {"2", "4", "300", "400", "0", "1", ""}, "error 1 at 6"},
      {M::RateOfTemperature, {"2", "-4", "300", "-600", "1", "2", "100"}, "error 4 at 1"},
      {M::Volume, {"2", "300", "-400", "1", "2", "-100", "175"}, "error 2 at 2"},
      // T2 = 5 ÷ (2/8 − (2/4 − 2/8)) = 5 ÷ 0: no such state.
      {M::Temperature, {"4", "8", "8", "2", "2", "2", "5"}, "error 3 at -1"},
      // V2 = 5 ÷ ((2/4 − 2/8) + (−2)/8) = 5 ÷ 0.
      {M::Volume, {"4", "8", "8", "2", "5", "2", "-2"}, "error 3 at -1"},
      {M::Temperature, {"4", "8", "8", "2", "2", "2", "0"}, "error 5 at 6"},  // zero first
      // T2 = −200 ÷ (2/4 − 1/6) = −600.
      {M::Temperature, {"2", "4", "300", "1", "2", "100", "-200"}, "error 4 at -1"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(rates.page(c.mode, c.fields), c.text) << c.fields[0] << c.text;
}
