#include "core/GasLaws.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace pelbrix;

namespace {
int err(const Outcome& o) {
  return static_cast<int>(o.error);
}
}  // namespace

TEST(Boyle, ComputesTheProductOverTheDivisor) {
  EXPECT_DOUBLE_EQ(solveBoyle({"2", "3", "4"}).value, 1.5);
  EXPECT_EQ(err(solveBoyle({"2", "3", "4"})), 0);
  EXPECT_NEAR(solveBoyle({"1", "1", "3"}).value, 1.0 / 3.0, 1e-15);
  EXPECT_DOUBLE_EQ(solveBoyle({"-2", "-3", "4"}).value, 1.5);  // two negatives, no complaint
}

TEST(Boyle, ChecksInTheirFixedOrder) {
  EXPECT_EQ(err(solveBoyle({"", "x", "0"})), 1);  // empty beats everything after it
  EXPECT_EQ(err(solveBoyle({"1", "2", ""})), 1);
  EXPECT_EQ(err(solveBoyle({"1", "2", "0"})), 3);
  EXPECT_EQ(err(solveBoyle({"1", "2", " "})), 3);    // a blank is filled and reads 0
  EXPECT_EQ(err(solveBoyle({"1", "2", "abc"})), 3);  // letters are 0, not missing
  EXPECT_EQ(err(solveBoyle({"0", "2", "4"})), 5);
  EXPECT_EQ(err(solveBoyle({"-2", "3", "4"})), 4);
  EXPECT_EQ(err(solveBoyle({"1e-200", "1e-200", "1e100"})), 5);  // underflows in double
}

TEST(Boyle, InfiniteInputsGiveNonFiniteResultsWithoutCrashing) {
  const Outcome big = solveBoyle({"1e999", "2", "4"});
  EXPECT_EQ(err(big), 0);
  EXPECT_TRUE(std::isinf(big.value));
  // 1e308 * 1e308 fits the extended intermediate; the quotient is rounded once.
  EXPECT_DOUBLE_EQ(solveBoyle({"1e308", "1e308", "1e308"}).value, 1e308);
}

TEST(Charles, DividesByTheMiddleField) {
  EXPECT_DOUBLE_EQ(solveCharles({"1", "300", "600"}).value, 2);
  EXPECT_EQ(err(solveCharles({"1", "-10", "20"})), 4);
  EXPECT_DOUBLE_EQ(solveCharles({"1", "-10", "-20"}).value, 2);
  EXPECT_EQ(err(solveCharles({"1", "0", "20"})), 3);
  EXPECT_EQ(err(solveCharles({"1", "10", "0"})), 5);
  EXPECT_EQ(err(solveCharles({"1", "", "0"})), 1);
}

TEST(Combined, WorkedValuesOfEachMode) {
  EXPECT_DOUBLE_EQ(solveCombined(ComboMode::FindVolume, {"2", "1", "2", "300", "600"}).value, 2);
  EXPECT_DOUBLE_EQ(solveCombined(ComboMode::FindPressure, {"1", "2", "1", "300", "150"}).value, 1);
  EXPECT_DOUBLE_EQ(solveCombined(ComboMode::FindTemperature, {"300", "1", "2", "1", "1"}).value,
                   600);
  EXPECT_GT(solveCombined(ComboMode::FindVolume, {"-1", "-1", "2", "300", "600"}).value, 0);
}

TEST(Combined, TemperatureSignIsTestedBeforeTheDivisors) {
  for (ComboMode m : {ComboMode::FindVolume, ComboMode::FindPressure})
    EXPECT_EQ(err(solveCombined(m, {"1", "1", "0", "-1", "300"})), 2);
  EXPECT_EQ(err(solveCombined(ComboMode::FindVolume, {"1", "1", "1", "300", "-1"})), 2);
  EXPECT_EQ(err(solveCombined(ComboMode::FindTemperature, {"-1", "0", "1", "0", "1"})), 2);
  // In temperature mode the last two fields are pressures and are not sign-tested.
  EXPECT_EQ(err(solveCombined(ComboMode::FindTemperature, {"300", "1", "2", "1", "-1"})), 4);
}

TEST(Combined, DivisorsAndZeroResults) {
  EXPECT_EQ(err(solveCombined(ComboMode::FindVolume, {"1", "1", "1", "0", "300"})), 3);
  EXPECT_EQ(err(solveCombined(ComboMode::FindVolume, {"1", "1", "1", "300", "0"})), 5);
  EXPECT_EQ(err(solveCombined(ComboMode::FindVolume, {"1", "1", " ", "300", "300"})), 3);
  EXPECT_EQ(err(solveCombined(ComboMode::FindTemperature, {"0", "1", "1", "1", "1"})), 5);
  EXPECT_EQ(err(solveCombined(ComboMode::FindTemperature, {"300", "1", "1", "0", "1"})), 3);
  EXPECT_EQ(err(solveCombined(ComboMode::FindTemperature, {"300", "0", "1", "1", "1"})), 3);
  EXPECT_EQ(err(solveCombined(ComboMode::FindPressure, {"1", "1", "1", "1", ""})), 1);
}

TEST(Combined, EachStepBeatsTheStepsAfterIt) {
  using M = ComboMode;
  struct Case {
    M mode;
    std::array<std::string, 5> fields;
    int error;
  };
  const Case cases[] = {
      {M::FindVolume, {"1", "1", "0", "300", "-1"}, 2},        // T2 sign before the P2 divisor
      {M::FindPressure, {"1", "1", "0", "-1", "0"}, 2},        // T1 sign before the V2 divisor
      {M::FindTemperature, {"-1", "1", "1", "1", "0"}, 2},     // T1 sign before a zero result
      {M::FindTemperature, {"0", "1", "1", "0", "1"}, 3},      // the P1 divisor before T1 = 0
      {M::FindVolume, {"1", "1", "1", "0", "0"}, 3},           // the T1 divisor before T2 = 0
      {M::FindVolume, {"1", "1", "1", " ", "300"}, 3},         // a blank T1 reads 0, a divisor
      {M::FindTemperature, {" ", "1", "1", "1", "1"}, 5},      // a blank T1 reads 0, a factor
      {M::FindPressure, {"", "1", "0", "-1", "1"}, 1},         // an empty field before all else
      {M::FindPressure, {"1", "1", "1", "300", "-0"}, 5},      // -0 is not negative
      {M::FindTemperature, {"300", "-1", "1", "1", "1"}, 4},   // V1 is not sign-tested
      {M::FindTemperature, {"300", "-1", "-1", "1", "1"}, 0},  // two negatives cancel
  };
  for (const auto& c : cases)
    EXPECT_EQ(err(solveCombined(c.mode, c.fields)), c.error)
        << static_cast<int>(c.mode) << " " << c.fields[0] << "," << c.fields[1] << ","
        << c.fields[2] << "," << c.fields[3] << "," << c.fields[4];
}

// R = 8.31446261815324 J/(mol·K) is R in L·kPa and Pa·m³; ÷ 101.325 in L·atm, × 760 ÷ 101.325 in
// L·mmHg. Every expected value here was worked to 40 digits on a decimal calculator.
TEST(Ideal, TheGasConstantInEachUnitsFromItsSIValue) {
  const long double r[] = {0.0820573660809596841846L, 8.31446261815324L, 8.31446261815324L,
                           62.3635982215293599803L};
  for (int u = 0; u < 4; ++u)
    EXPECT_NEAR(static_cast<double>(gasConstant(IdealUnits(u)) / r[u] - 1), 0, 1e-17) << u;
}

// Fields P, V, n, T without the one sought; each value worked as above. 1 mol at 273.15 K and 1 atm
// fills 22.414 L, the molar volume of every table. OpenStax Chemistry 2e, 9.2: 655 g of methane
// (40.8278 mol) at 25 °C and 745 torr fill 1.02 × 10³ L; 2520 mol of hydrogen at 27 °C in 180 L
// press 350 bar.
TEST(Ideal, EachModeAndUnitsAgainstWorkedValues) {
  using M = IdealMode;
  using U = IdealUnits;
  const struct {
    M mode;
    U units;
    std::array<std::string, 3> fields;
    const char* text;
  } cases[] = {
      {M::FindVolume, U::AtmLitre, {"1", "1", "273.15"}, "22.414"},                 // 22.413970
      {M::FindVolume, U::PascalCubicMetre, {"101325", "1", "273.15"}, "0.022414"},  // 0.022413970
      {M::FindPressure, U::AtmLitre, {"3", "0.5", "298.15"}, "4.0776"},             // 4.0775673
      {M::FindTemperature, U::AtmLitre, {"4.0776", "3", "0.5"}, "298.15"},          // 298.1524
      {M::FindVolume, U::MmHgLitre, {"745", "40.8277753537", "298.15"}, "1019"},    // 1018.9794
      {M::FindPressure, U::KiloPascalLitre, {"180", "2520", "300.15"}, "34938"},    // 34938.203
      {M::FindMoles, U::AtmLitre, {"1", "22.41", "273.15"}, "0.99982"},             // 0.9998229
      {M::FindMoles, U::KiloPascalLitre, {"101.325", "10", "300"}, "0.40622"},      // 0.4062199
      {M::FindTemperature, U::MmHgLitre, {"760", "22.414", "1"}, "273.15"},         // 273.1504
  };
  for (const auto& c : cases)
    EXPECT_EQ(lawText(solveIdeal(c.mode, c.units, c.fields).value), c.text);
}

// Empty fields, the temperature's sign, the divisor (V, P, T, n), then the result; the field
// the error is about. Letters and blanks read 0, -0 is no negative temperature, T only
// multiplies when the volume is sought, and the last result is 0 once rounded to double.
TEST(Ideal, ChecksInTheirFixedOrder) {
  using M = IdealMode;
  const struct {
    M mode;
    std::array<std::string, 3> fields;
    int error, field;
  } cases[] = {
      {M::FindPressure, {"", "x", "-1"}, 1, 0},
      {M::FindPressure, {"0", "1", "-1"}, 2, 2},
      {M::FindVolume, {"abc", "1", "300"}, 3, 0},
      {M::FindMoles, {"1", "1", "-0"}, 3, 2},
      {M::FindTemperature, {"1", "1", " "}, 3, 2},
      {M::FindTemperature, {"-1", "1", "1"}, 4, -1},
      {M::FindPressure, {"1", "0", "300"}, 5, 1},
      {M::FindVolume, {"1", "1", "0"}, 5, 2},
      {M::FindPressure, {"1e300", "1e-300", "1e-300"}, 5, -1},
  };
  for (const auto& c : cases) {
    const Outcome o = solveIdeal(c.mode, IdealUnits::AtmLitre, c.fields);
    EXPECT_EQ(std::pair(err(o), o.field), std::pair(c.error, c.field))
        << c.fields[0] << c.fields[1];
  }
}
