#pragma once
// Numbers as the user types them and as the program writes them.
#include <array>
#include <string>
#include <string_view>

namespace pelbrix {

// Reads the longest numeric prefix of `text` the way the classic C `atof` does, but
// independent of the process locale: leading blanks, an optional sign, digits with at
// most one '.', an optional exponent. Text without a numeric prefix gives 0; "inf",
// "nan" and hex are not numbers here. Out-of-range exponents give +/-infinity or 0.
double parseNumber(std::string_view text);

// True when some field's text is exactly empty; a field holding blanks is filled.
template <std::size_t N>
bool anyFieldEmpty(const std::array<std::string, N>& fields) {
  for (const auto& f : fields)
    if (f.empty()) return true;
  return false;
}

// Every field's text read by parseNumber, in field order.
template <std::size_t N>
std::array<double, N> parseFields(const std::array<std::string, N>& fields) {
  std::array<double, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = parseNumber(fields[i]);
  return out;
}

// Reads the leading integer of `text` as the C `atol` does: blanks, an optional sign,
// decimal digits up to the first other character; 0 if there are none. Saturates at
// the limits of long instead of overflowing.
long parseLeadingInteger(std::string_view text);

// The general floating-point format: at most `precision` significant digits, trailing
// zeros and a bare separator dropped; fixed notation while the value has at most
// `precision` digits before the point and is at least 0.00001 in size, scientific
// otherwise ("E", a minus only for negative exponents, at least `minExponentDigits`
// exponent digits). Ties round away from zero on the exact binary value. Infinities
// and NaN are written "INF", "-INF" and "NAN".
// `decimalSeparator` is written as given (UTF-8), so any desktop's separator fits.
std::string formatGeneral(long double value, int precision, int minExponentDigits,
                          std::string_view decimalSeparator = ".");

}  // namespace pelbrix
