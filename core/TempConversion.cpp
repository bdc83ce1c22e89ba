#include "core/TempConversion.h"

#include <array>
#include <cmath>
#include <limits>

#include "core/NumberText.h"

namespace pelbrix {

float roundToSingle(long double value) {
  // Halfway between FLT_MAX and 2^128 rounds to even, which is the infinity.
  constexpr long double kOverflow = 0x1.ffffffp127L;
  if (std::isfinite(value) && std::fabs(value) >= kOverflow)
    return value < 0 ? -std::numeric_limits<float>::infinity()
                     : std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

float celsiusToKelvin(std::string_view celsiusText, std::string_view decimalSeparator) {
  const float celsius = roundToSingle(parseNumber(celsiusText, decimalSeparator));
  // The sum is formed in extended precision and rounded to a float once.
  return roundToSingle(static_cast<long double>(celsius) + kKelvinOffset);
}

float kelvinToCelsius(std::string_view kelvinText, std::string_view decimalSeparator) {
  const float kelvin = roundToSingle(parseNumber(kelvinText, decimalSeparator));
  return roundToSingle(static_cast<long double>(kelvin) - kKelvinOffset);
}

std::string temperatureText(float value, std::string_view decimalSeparator) {
  return formatGeneral(value, kTemperatureDigits, 0, decimalSeparator);
}

TemperatureOutcome convertTemperature(TemperatureDirection direction, const std::string& input,
                                      std::string_view decimalSeparator) {
  if (anyFieldEmpty(std::array{input})) return {ErrorDialog::NotEnoughData, 0};
  return {ErrorDialog::None, direction == TemperatureDirection::CelsiusToKelvin
                                 ? celsiusToKelvin(input, decimalSeparator)
                                 : kelvinToCelsius(input, decimalSeparator)};
}

std::string conversionWorking(TemperatureDirection direction, const std::string& input,
                              std::string_view decimalSeparator) {
  const TemperatureOutcome outcome = convertTemperature(direction, input, decimalSeparator);
  if (!outcome.ok()) return {};
  // The offset is the double 273.15, written with the desktop's separator like the numbers.
  const std::string offset = exactText(kKelvinOffset, decimalSeparator);
  const std::string read = exactText(parseNumber(input, decimalSeparator), decimalSeparator);
  const std::string number = read.starts_with('-') ? "(" + read + ")" : read;
  const std::string result = temperatureText(outcome.value, decimalSeparator);
  if (direction == TemperatureDirection::CelsiusToKelvin)
    return "T(K) = T(°C) + " + offset + " = " + number + " + " + offset + " = " + result;
  return "T(°C) = T(K) − " + offset + " = " + number + " − " + offset + " = " + result;
}

}  // namespace pelbrix
