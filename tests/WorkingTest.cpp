// The working behind each calculator's answer, and the formula texts it comes from. The
// calculators' own tests check that each formula text computes the right value.
#include "core/Working.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/BoyleRates.h"
#include "core/CharlesRates.h"
#include "core/GasLaws.h"
#include "core/NumberText.h"
#include "core/TempConversion.h"

using namespace pelbrix;

TEST(Working, ShowsTheRelationTheNumbersReadAndTheResult) {
  using B = BoyleRateMode;
  using C = CharlesRateMode;
  using D = TemperatureDirection;
  struct Case {
    std::string working, expected;
  } cases[] = {
      {boyleWorking(BoyleMode::FindVolume, {"3", "2", "1.5"}),
       "V2 = V1 × P1 ÷ P2 = 3 × 2 ÷ 1.5 = 4"},
      // Celsius typed where kelvins are meant: the working says which unit is read.
      {charlesWorking(CharlesMode::FindVolume, {"2", "27", "127"}),
       "V2 = V1 × T2 ÷ T1 = 2 × 127 ÷ 27 = 9.4074 (T1, T2 in kelvins)"},
      {charlesWorking(CharlesMode::FindTemperature, {"300", "1", "2"}),
       "T2 = T1 × V2 ÷ V1 = 300 × 2 ÷ 1 = 600 (T1, T2 in kelvins)"},
      {combinedWorking(ComboMode::FindTemperature, {"300", "1", "2", "1", "1"}),
       "T2 = P2 × V2 × T1 ÷ (P1 × V1) = 1 × 2 × 300 ÷ (1 × 1) = 600 (T1, T2 in kelvins)"},
      // Numbers as they were read: a comma ends the number, letters are dropped.
      {boyleWorking(BoyleMode::FindVolume, {"2,5", "4abc", "2"}),
       "V2 = V1 × P1 ÷ P2 = 2 × 4 ÷ 2 = 4"},
      {boyleWorking(BoyleMode::FindVolume, {"2,5", "4", "2"}, ","),
       "V2 = V1 × P1 ÷ P2 = 2,5 × 4 ÷ 2 = 5"},
      {singleRateWorking(B::Volume, {"3", "4", "-6"}),
       "V = −(dV/dt × P) ÷ dP/dt = −(4 × 3) ÷ (-6) = 2"},
      {multipleRateWorking(B::RateOfPressure, {"2", "4", "3", "1.5", "1", "2", "-1.5"}),
       "dP2/dt = (dP1/dt × V1 + P1 × dV1/dt − P2 × dV2/dt) ÷ V2 = "
       "((-1.5) × 2 + 3 × 1 − 1.5 × 2) ÷ 4 = -0.75"},
      {charlesSingleRateWorking(C::RateOfTemperature, {"2", "300", "0.5"}),
       "dT/dt = T × dV/dt ÷ V = 300 × 0.5 ÷ 2 = 75 (T in kelvins)"},
      {charlesSingleRateWorking(C::Temperature, {"2", "0.5", "75"}),
       "T = V × dT/dt ÷ dV/dt = 2 × 75 ÷ 0.5 = 300 (T in kelvins)"},
      {charlesMultipleRateWorking(C::Volume, {"2", "300", "600", "1", "2", "100", "200"}),
       "V2 = dV2/dt ÷ ((dV1/dt ÷ V1 − dT1/dt ÷ T1) + dT2/dt ÷ T2) = "
       "2 ÷ ((1 ÷ 2 − 100 ÷ 300) + 200 ÷ 600) = 4 (T1, T2 in kelvins)"},
      {conversionWorking(D::CelsiusToKelvin, "25"), "T(K) = T(°C) + 273.15 = 25 + 273.15 = 298.15"},
      {conversionWorking(D::CelsiusToKelvin, "-40.50abc"),
       "T(K) = T(°C) + 273.15 = (-40.5) + 273.15 = 232.65"},
      {conversionWorking(D::KelvinToCelsius, "1,5", ","),
       "T(°C) = T(K) − 273,15 = 1,5 − 273,15 = -271,65"},
      // R as results are written, with its unit; the result with its own.
      {idealWorking(IdealMode::FindPressure, IdealUnits::AtmLitre, {"2", "1", "300"}),
       "P = n × R × T ÷ V = 1 × 0.082057 × 300 ÷ 2 = 12.309 atm (R in L·atm/(mol·K), T in "
       "kelvins)"},
      // A failed calculation has no working.
      {boyleWorking(BoyleMode::FindVolume, {"1", "2", "0"}), ""},
      {charlesSingleRateWorking(C::Volume, {"300", "-1", "1"}), ""},
      {conversionWorking(D::CelsiusToKelvin, ""), ""},
      {conversionWorking(D::KelvinToCelsius, "-1"), ""},
      {idealWorking(IdealMode::FindMoles, IdealUnits::AtmLitre, {"1", "1", "0"}), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.working, c.expected);
}

TEST(Working, EvaluatesInTheOrderWritten) {
  const std::array<double, 3> x{1, 2, 3};
  EXPECT_EQ(evaluate("{0} + {1} × {2}", x), 7);
  EXPECT_EQ(evaluate("({0} + {1}) × {2}", x), 9);
  EXPECT_EQ(evaluate("{0} − {1} − {2}", x), -4);
  EXPECT_EQ(evaluate("−({0} − {1}) ÷ {2}", x), 1.0L / 3);
  for (const char* broken : {"{0} ×", "({0}", "{3}", "{0} {1}", "2"})
    EXPECT_TRUE(std::isnan(evaluate(broken, x))) << broken;
}

TEST(ExactText, WritesTheFewestDigitsThatReadBack) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0.1, "0.1"},
      {1.0 / 3, "0.3333333333333333"},
      {1e6, "1000000"},
      {1e20, "1E20"},
      {1e-7, "1E-7"},
      {-2.5, "-2.5"},
      {123456789012, "123456789012"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(exactText(c.value), c.text);
    EXPECT_EQ(parseNumber(exactText(c.value)), c.value);
  }
  EXPECT_EQ(exactText(-2.5, ","), "-2,5");
}
