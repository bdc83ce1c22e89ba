#include "core/TempConversion.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace pelbrix;

namespace {
std::string toKelvin(const char* text) {
  return temperatureText(celsiusToKelvin(text));
}
std::string toCelsius(const char* text) {
  return temperatureText(kelvinToCelsius(text));
}
}  // namespace

TEST(TempConversion, CarriesTheSinglePrecisionRoundingInFifteenDigits) {
  struct Case {
    bool toKelvin;
    const char* input;
    const char* output;
  } cases[] = {
      {true, "25", "298.149993896484"},
      {true, "0", "273.149993896484"},
      {true, "100", "373.149993896484"},
      {true, "36.6", "309.75"},
      {true, "-273.15", "6.10351571594947E-6"},
      {true, "25abc", "298.149993896484"},  // the numeric prefix counts
      {true, " ", "273.149993896484"},      // no number reads as 0
      {true, "abc", "273.149993896484"},
      {true, "1e-50", "273.149993896484"},  // below the float's range: 0
      {false, "300", "26.8500003814697"},
      {false, "373.15", "99.9999923706055"},
      {false, "0", "-273.149993896484"},
      {false, "273.15", "-6.10351571594947E-6"},
      {false, "abc", "-273.149993896484"},
      {false, "298.149993896484", "24.9999942779541"},  // 25 there and back
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.toKelvin ? toKelvin(c.input) : toCelsius(c.input), c.output)
        << (c.toKelvin ? "C->K " : "K->C ") << c.input;
}

TEST(TempConversion, RoundTripOfTheWrittenText) {
  const std::string kelvin = toKelvin("25");
  EXPECT_EQ(toCelsius(kelvin.c_str()), "24.9999942779541");
}

TEST(TempConversion, BeyondTheFloatRangeWritesInfinity) {
  EXPECT_EQ(toKelvin("1e39"), "INF");
  EXPECT_EQ(toKelvin("-1e39"), "-INF");
  EXPECT_EQ(toKelvin("1e999"), "INF");  // already infinite as a double
  EXPECT_EQ(toCelsius("-1e39"), "-INF");
  EXPECT_EQ(toCelsius("1e400"), "INF");
  // The largest float survives; just above its rounding limit is infinite.
  EXPECT_EQ(toKelvin("3.4028235e38"), "3.40282346638529E38");
  EXPECT_EQ(toKelvin("3.4028236e38"), "INF");
}

TEST(TempConversion, RoundsToSingleLikeTheHardware) {
  // The explicit overflow test must agree with an in-range conversion at the boundary.
  const float max = std::numeric_limits<float>::max();
  EXPECT_EQ(roundToSingle(max), max);
  EXPECT_EQ(roundToSingle(0x1.fffffefffp127L), max);        // just below halfway
  EXPECT_TRUE(std::isinf(roundToSingle(0x1.ffffffp127L)));  // halfway goes to even
  EXPECT_EQ(roundToSingle(-0.1L), -0.1f);
  EXPECT_TRUE(std::isinf(roundToSingle(-HUGE_VALL)));
}

TEST(TempConversion, WritesTheGivenSeparator) {
  EXPECT_EQ(temperatureText(celsiusToKelvin("36.6"), ","), "309,75");
}
