#include "core/BoyleRates.h"

#include <gtest/gtest.h>

#include "RateTestSupport.h"

using namespace pelbrix;

namespace {
using M = BoyleRateMode;
const RatePages<M> rates{solveSingleRate<M>, solveMultipleRate<M>};
}  // namespace

TEST(BoyleSingleRate, EachModeReadsItsFieldsInLabelOrder) {
  const SingleCase<M> cases[] = {
      // Rate of pressure from volume, pressure, rate of volume.
      {M::RateOfPressure, {"2", "3", "4"}, "-6"},
      {M::RateOfPressure, {"3", "1", "1"}, "-0.333333"},
      // Volume from pressure, rate of volume, rate of pressure.
      {M::Volume, {"3", "4", "-6"}, "2"},
      // Pressure from volume, rate of volume, rate of pressure.
      {M::Pressure, {"4", "2", "-1"}, "2"},
      {M::Pressure, {"3", "2", "-1"}, "1.5"},
      // Rate of volume from volume, pressure, rate of pressure.
      {M::RateOfVolume, {"2", "8", "4"}, "-1"},
      {M::RateOfVolume, {"2", "8", "-4"}, "1"},  // rates keep their sign
  };
  for (const auto& c : cases)
    EXPECT_EQ(rates.single(c.mode, c.fields), c.text) << static_cast<int>(c.mode);
}

TEST(BoyleMultipleRate, EachModeBalancesBothStates) {
  // State 1 throughout: V1 = 2, P1 = 3, dV1/dt = 1, dP1/dt = 1, so P1 dV1 + V1 dP1 = 5,
  // except the worked example with dP1/dt = -1.5.
  const MultipleCase<M> cases[] = {
      // V1, V2, P1, P2, dV1, dV2, dP1 -> dP2
      {M::RateOfPressure, {"2", "4", "3", "1.5", "1", "2", "-1.5"}, "-0.75"},
      {M::RateOfPressure, {"2", "5", "3", "1", "1", "-5", "1"}, "2"},
      // V1, P1, P2, dV1, dV2, dP1, dP2 -> V2
      {M::Volume, {"2", "3", "1", "1", "1", "1", "2"}, "2"},
      // V1, V2, P1, dV1, dV2, dP1, dP2 -> P2
      {M::Pressure, {"2", "4", "3", "1", "2", "1", "0.5"}, "1.5"},
      // V1, V2, P1, P2, dV1, dP1, dP2 -> dV2
      {M::RateOfVolume, {"2", "4", "3", "2", "1", "1", "0.25"}, "2"},
      {M::RateOfVolume, {"2", "4", "3", "3", "1", "1", "0.25"}, "1.33333"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(rates.multiple(c.mode, c.fields), c.text) << static_cast<int>(c.mode);
}

// Empty, then a negative volume or pressure in field order, then a zero field, then the
// computed volume or pressure's sign and zero; rates pass with either sign.
TEST(BoyleRates, ChecksInOrderAndNameTheField) {
  const EitherPageCase<M> cases[] = {
      {M::Volume, {"-3", "", "0"}, "error 1 at 1"},  // P, dV/dt, dP/dt
      {M::Volume, {"1", "2", ""}, "error 1 at 2"},
      {M::RateOfPressure, {"-2", "0", "4"}, "error 4 at 0"},  // V, P, dV/dt
      {M::RateOfPressure, {"0", "-3", "4"}, "error 4 at 1"},  // before the zero volume
      {M::RateOfPressure, {"2", "3", "-4"}, "6"},             // −(−4 × 3) ÷ 2
      {M::RateOfPressure, {"2", "3", "0"}, "error 5 at 2"},   // a rate of 0 too
      {M::Volume, {"1", " ", "2"}, "error 5 at 1"},           // a blank is filled, reads 0
      {M::Volume, {"1", "abc", "2"}, "error 5 at 1"},
      {M::RateOfPressure, {"12abc", "1", "1"}, "-0.0833333"},        // −(1 × 1) ÷ 12
      {M::Volume, {"3", "4", "1"}, "error 4 at -1"},                 // V = −(4 × 3) ÷ 1 = −12
      {M::Pressure, {"2", "3", "1"}, "error 4 at -1"},               // P = −(1 × 2) ÷ 3
      {M::Volume, {"1e-200", "-1e-200", "1e200"}, "error 5 at -1"},  // 1e-600: 0 in double
      {M::Volume, {"0", "1", "1", "1", "1", "1", ""}, "error 1 at 6"},
      {M::Volume, {"1", "1", "-1", "1", "1", "1", "0"}, "error 4 at 2"},  // V1, P1, P2, ...
      {M::Volume, {"1", "1", "1", "1", "1", "1", "0"}, "error 5 at 6"},
      {M::Volume, {"1", "1", "1", "1", "0.0", "1", "1"}, "error 5 at 4"},
      // V2 = (1 × 2 + 3 × 1 − 1 × 1) ÷ (−2) = −2.
      {M::Volume, {"2", "3", "1", "1", "1", "1", "-2"}, "error 4 at -1"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(rates.page(c.mode, c.fields), c.text) << c.fields[0] << c.text;
}

TEST(BoyleRates, HugeAndInfiniteValuesGiveTheFormattersText) {
  // 1e308 * 1e308 stays finite in the extended intermediate and is written unrounded.
  EXPECT_EQ(rates.single(M::RateOfPressure, {"1", "1e308", "1e308"}), "-1E0616");
  EXPECT_EQ(rates.single(M::RateOfPressure, {"1e-308", "1e308", "1e308"}), "-1E0924");
  EXPECT_EQ(rates.single(M::RateOfPressure, {"1", "1e999", "1"}), "-INF");
  EXPECT_EQ(rates.single(M::RateOfPressure, {"1e999", "1", "1"}), "0");  // -1 / inf
  EXPECT_EQ(rates.multiple(M::Volume, {"1", "1e999", "1e999", "1", "1", "1", "1"}), "NAN");
  EXPECT_EQ(rateText(0.00000123456), "1.23456E-0006");
  EXPECT_EQ(rateText(-2.5, ","), "-2,5");
}
