#pragma once
// Celsius <-> Kelvin on single-precision values.
//
// The typed text is parsed, rounded to a float, shifted by the double 273.15 and rounded
// to a float again, so the result carries the float's rounding in its last digits
// (25 C is 298.149993896484 K). A value beyond the float's range rounds to an infinity,
// which the result text writes as "INF" or "-INF".
#include <string>
#include <string_view>

#include "core/ErrorReport.h"

namespace pelbrix {

// The offset between the two scales, as a double.
inline constexpr double kKelvinOffset = 273.15;

// Rounds to the nearest float (ties to even); magnitudes beyond the float's range become
// infinities rather than relying on an out-of-range conversion.
float roundToSingle(long double value);

// The text is read with '.' or the desktop's `decimalSeparator` as the decimal point.
float celsiusToKelvin(std::string_view celsiusText, std::string_view decimalSeparator = ".");
float kelvinToCelsius(std::string_view kelvinText, std::string_view decimalSeparator = ".");

inline constexpr int kTemperatureDigits = 15;

// The converter's result text: up to 15 significant digits, no minimum exponent width.
std::string temperatureText(float value, std::string_view decimalSeparator = ".");

enum class TemperatureDirection { CelsiusToKelvin, KelvinToCelsius };

struct TemperatureOutcome {
  ErrorDialog error = ErrorDialog::None;
  float value = 0;  // meaningful when error is None

  bool ok() const { return error == ErrorDialog::None; }
};

// The converter's one check and conversion: an empty input field is Error #1; any other
// text converts (a blank one as 0).
TemperatureOutcome convertTemperature(TemperatureDirection direction, const std::string& input,
                                      std::string_view decimalSeparator = ".");

// The working behind a conversion, "T(K) = T(°C) + 273.15 = 25 + 273.15 = 298.149993896484",
// with the number as read and the result as written; "" when the conversion fails.
std::string conversionWorking(TemperatureDirection direction, const std::string& input,
                              std::string_view decimalSeparator = ".");

}  // namespace pelbrix
