#include "core/TempConversion.h"

#include <gtest/gtest.h>

using namespace pelbrix;

namespace {
constexpr auto C = TemperatureDirection::CelsiusToKelvin;
constexpr auto K = TemperatureDirection::KelvinToCelsius;
// The result text, or "error <dialog>".
std::string convert(TemperatureDirection direction, const char* text, const char* point = ".") {
  const TemperatureOutcome o = convertTemperature(direction, text, point);
  return o.ok() ? o.text : "error " + std::to_string(static_cast<int>(o.error));
}
}  // namespace

// Each answer done by hand: the input plus or minus 273.15, digit by digit.
TEST(TempConversion, WritesTheExactDecimalResult) {
  struct Case {
    TemperatureDirection direction;
    const char* input;
    const char* output;
  } cases[] = {
      {C, "25", "298.15"},
      {C, "36.6", "309.75"},
      {C, "-40", "233.15"},
      {C, "-273.15", "0"},
      {C, "0.1234567890123", "273.2734567890123"},
      {C, "-0.005", "273.145"},
      {C, "1.5e2", "423.15"},  // an exponent shifts the digits
      {C, "25abc", "298.15"},  // the numeric prefix counts
      {C, "abc", "273.15"},    // no prefix reads 0
      {C, " ", "273.15"},
      {C, "36,6", "309.15"},  // ',' is not the point here: 36
      {C, "-273.16", "error 2"},
      {C, "-1e999", "error 2"},
      {C, "", "error 1"},
      {K, "300", "26.85"},
      {K, "373.15", "100"},
      {K, "273.16", "0.01"},
      {K, "298.15", "25"},  // 25 C there and back
      {K, "0", "-273.15"},
      {K, "-0", "-273.15"},  // not below 0
      {K, "abc", "-273.15"},
      {K, "-5", "error 2"},
      {K, "-1e-50", "error 2"},  // below 0, however little
      {K, "", "error 1"},
      // Beyond 40 digits the result is written to 15 significant digits.
      {C, "1e39", "1E39"},
      {C, "1e-50", "273.15"},
      {K, "1e999", "INF"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(convert(c.direction, c.input), c.output)
        << (c.direction == C ? "C " : "K ") << c.input;
  EXPECT_EQ(convert(C, "36,6", ","), "309,75");  // the desktop's separator, read and written
}
