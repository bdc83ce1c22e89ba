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

float celsiusToKelvin(std::string_view celsiusText) {
  const float celsius = roundToSingle(parseNumber(celsiusText));
  // The sum is formed in extended precision and rounded to a float once.
  return roundToSingle(static_cast<long double>(celsius) + kKelvinOffset);
}

float kelvinToCelsius(std::string_view kelvinText) {
  const float kelvin = roundToSingle(parseNumber(kelvinText));
  return roundToSingle(static_cast<long double>(kelvin) - kKelvinOffset);
}

std::string temperatureText(float value, std::string_view decimalSeparator) {
  return formatGeneral(value, kTemperatureDigits, 0, decimalSeparator);
}

TemperatureOutcome convertTemperature(TemperatureDirection direction, const std::string& input) {
  if (anyFieldEmpty(std::array{input})) return {ErrorDialog::NotEnoughData, 0};
  return {ErrorDialog::None, direction == TemperatureDirection::CelsiusToKelvin
                                 ? celsiusToKelvin(input)
                                 : kelvinToCelsius(input)};
}

}  // namespace pelbrix
