#include "core/CharlesRates.h"

#include <gtest/gtest.h>

using namespace pelbrix;

namespace {
using M = CharlesRateMode;
// The result text, or "error <dialog> at <field>".
std::string text(const RateOutcome& o) {
  if (o.ok()) return rateText(o.value);
  return "error " + std::to_string(static_cast<int>(o.error)) + " at " + std::to_string(o.field);
}
std::string single(M mode, const std::array<std::string, 3>& f) {
  return text(solveCharlesSingleRate(mode, f));
}
std::string multiple(M mode, const std::array<std::string, 7>& f) {
  return text(solveCharlesMultipleRate(mode, f));
}
}  // namespace

// One state throughout, V = 2, T = 300, dV/dt = 0.5, dT/dt = 75 (T dV/dt = V dT/dt), each
// quantity solved for from the other three under its mode's labels.
TEST(CharlesSingleRate, EachModeSolvesForItsQuantity) {
  struct Case {
    M mode;
    std::array<std::string, 3> fields;
    const char* text;
  } cases[] = {
      {M::Volume, {"300", "0.5", "75"}, "2"},             // T, dV/dt, dT/dt
      {M::Temperature, {"2", "0.5", "75"}, "300"},        // V, dV/dt, dT/dt
      {M::RateOfVolume, {"2", "300", "75"}, "0.5"},       // V, T, dT/dt
      {M::RateOfTemperature, {"2", "300", "0.5"}, "75"},  // V, T, dV/dt
      {M::RateOfTemperature, {"3", "1", "1"}, "0.333333"},
      {M::RateOfTemperature, {"2", "300", "-0.5"}, "-75"},  // a rate keeps its sign
      {M::RateOfVolume, {"2", "300", "-75"}, "-0.5"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(single(c.mode, c.fields), c.text) << static_cast<int>(c.mode);
}

// State 1: V1 = 2, T1 = 300, dV1/dt = 1, dT1/dt = 100; state 2: V2 = 4, T2 = 400,
// dV2/dt = 2, dT2/dt = 175; both give T dV/dt - V dT/dt = 100.
TEST(CharlesMultipleRate, EachModeBalancesBothStates) {
  struct Case {
    M mode;
    std::array<std::string, 7> fields;
    const char* text;
  } cases[] = {
      {M::Volume, {"2", "300", "400", "1", "2", "100", "175"}, "4"},
      {M::Temperature, {"2", "4", "300", "1", "2", "100", "175"}, "400"},
      {M::RateOfVolume, {"2", "4", "300", "400", "1", "100", "175"}, "2"},
      {M::RateOfTemperature, {"2", "4", "300", "400", "1", "2", "100"}, "175"},
      {M::RateOfTemperature, {"2", "4", "300", "400", "1", "-2", "100"}, "-225"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(multiple(c.mode, c.fields), c.text) << static_cast<int>(c.mode);
}

TEST(CharlesRates, ChecksInOrderAndNameTheField) {
  struct Case {
    M mode;
    std::array<std::string, 3> fields;
    const char* text;
  } cases[] = {
      {M::RateOfTemperature, {"-1", "", "0"}, "error 1 at 1"},   // empty before anything else
      {M::RateOfTemperature, {"0", "-5", "1"}, "error 2 at 1"},  // then T below 0
      {M::Volume, {"-1", "0", "1"}, "error 2 at 0"},
      {M::RateOfTemperature, {"2", "0", "1"}, "error 5 at 1"},  // 0 K is not below 0
      {M::RateOfVolume, {"2", "300", " "}, "error 5 at 2"},     // a blank reads 0
      {M::Temperature, {"-2", "1", "1"}, "error 4 at -1"},      // no temperature input here
      {M::Volume, {"300", "-0.5", "75"}, "error 4 at -1"},
      {M::Volume, {"1e-200", "1e-200", "1e200"}, "error 5 at -1"},  // underflows in double
  };
  for (const auto& c : cases)
    EXPECT_EQ(single(c.mode, c.fields), c.text) << c.fields[0] << ' ' << c.fields[1];
  EXPECT_EQ(multiple(M::Volume, {"2", "300", "-400", "1", "2", "-100", "175"}), "error 2 at 2");
  EXPECT_EQ(multiple(M::Temperature, {"2", "4", "300", "1", "2", "100", "-100"}), "error 4 at -1");
  EXPECT_EQ(multiple(M::Volume, {"2", "300", "400", "1", "0.25", "100", "175"}), "error 5 at -1");
  EXPECT_EQ(multiple(M::RateOfVolume, {"2", "4", "300", "400", "0", "1", ""}), "error 1 at 6");
}
