#include "core/TempConversion.h"

#include <gtest/gtest.h>

#include <utility>

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

// Each answer done by hand: the input plus or minus 273.15, digit by digit. "25abc" reads 25;
// "abc", " " and "-0" read 0; with '.' as the point "36,6" reads 36. Below absolute zero is
// Error #2 however little below; beyond 40 digits the answer has 15 significant digits.
TEST(TempConversion, WritesTheExactDecimalResult) {
  const std::pair<const char*, const char*> toKelvin[] = {
      {"25", "298.15"},      {"36.6", "309.75"},  {"-40", "233.15"},      {"-273.15", "0"},
      {"-0.005", "273.145"}, {"1.5e2", "423.15"}, {"25abc", "298.15"},    {"abc", "273.15"},
      {" ", "273.15"},       {"36,6", "309.15"},  {"-273.16", "error 2"}, {"-1e999", "error 2"},
      {"", "error 1"},       {"1e39", "1E39"},    {"1e-50", "273.15"}};
  const std::pair<const char*, const char*> toCelsius[] = {
      {"300", "26.85"},      {"373.15", "100"}, {"273.16", "0.01"}, {"298.15", "25"},
      {"0", "-273.15"},      {"-0", "-273.15"}, {"abc", "-273.15"}, {"-5", "error 2"},
      {"-1e-50", "error 2"}, {"", "error 1"},   {"1e999", "INF"}};
  for (const auto& [input, output] : toKelvin) EXPECT_EQ(convert(C, input), output) << input;
  for (const auto& [input, output] : toCelsius) EXPECT_EQ(convert(K, input), output) << input;
  EXPECT_EQ(convert(C, "0.1234567890123"), "273.2734567890123");
  EXPECT_EQ(convert(C, "36,6", ","), "309,75");  // the desktop's separator, read and written
}
