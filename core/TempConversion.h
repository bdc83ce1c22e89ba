#pragma once
// Celsius <-> Kelvin: the typed number plus or minus 273.15, worked in decimal on the digits
// as typed, so the answer is the one done by hand (25 C is 298.15 K, and 298.15 K is 25 C
// again). The result keeps no digits beyond the input's decimal places and 273.15's, with
// trailing zeros dropped. A number whose exact result would need more than
// kExactTemperatureDigits digits (1e39, 1e-50) is worked in binary floating point instead
// and written with kTemperatureDigits significant digits.
#include <string>
#include <string_view>

#include "core/ErrorReport.h"

namespace pelbrix {

inline constexpr int kExactTemperatureDigits = 40;
inline constexpr int kTemperatureDigits = 15;

enum class TemperatureDirection { CelsiusToKelvin, KelvinToCelsius };

struct TemperatureOutcome {
  ErrorDialog error = ErrorDialog::None;
  std::string text;  // the result as written, when error is None
  std::string read;  // the number as read, as the working shows it

  bool ok() const { return error == ErrorDialog::None; }
};

// The converter's checks and conversion: an empty input field is Error #1; a temperature
// below absolute zero (a Celsius input below -273.15, a Kelvin input below 0) is Error #2.
// Any other text converts its numeric prefix, 0 when there is none. The text is read with '.'
// or the desktop's `decimalSeparator` as the decimal point, and the result is written with
// the desktop's separator.
TemperatureOutcome convertTemperature(TemperatureDirection direction, const std::string& input,
                                      std::string_view decimalSeparator = ".");

// The working behind a conversion, "T(K) = T(°C) + 273.15 = 25 + 273.15 = 298.15", with the
// number as read and the result as written; "" when the conversion fails.
std::string conversionWorking(TemperatureDirection direction, const std::string& input,
                              std::string_view decimalSeparator = ".");

}  // namespace pelbrix
