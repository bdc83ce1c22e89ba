#pragma once
// Numbers as the user types them and as the program writes them.
#include <array>
#include <string>
#include <string_view>

namespace pelbrix {

// Reads the longest numeric prefix of `text` the way the classic C `atof` does, but
// independent of the process locale: leading blanks, an optional sign, digits with at
// most one decimal point, an optional exponent. Text without a numeric prefix gives 0;
// "inf", "nan" and hex are not numbers here. Out-of-range exponents give +/-infinity or 0.
// The decimal point is '.' or `decimalSeparator` (UTF-8), the desktop's own, so that a
// result written with the desktop's separator reads back as the number it shows.
double parseNumber(std::string_view text, std::string_view decimalSeparator = ".");

// The numeric prefix parseNumber reads, as the C library writes numbers: an optional sign,
// digits with '.' as the point, an optional exponent ("-12.5e3"); "" when there is none.
std::string numericPrefix(std::string_view text, std::string_view decimalSeparator = ".");

// The index of the first field whose text is exactly empty, -1 when all are filled; a
// field holding blanks is filled.
template <std::size_t N>
int firstEmptyField(const std::array<std::string, N>& fields) {
  for (std::size_t i = 0; i < N; ++i)
    if (fields[i].empty()) return static_cast<int>(i);
  return -1;
}

template <std::size_t N>
bool anyFieldEmpty(const std::array<std::string, N>& fields) {
  return firstEmptyField(fields) >= 0;
}

// The index of the first value that is 0, -1 when there is none.
template <std::size_t N>
int firstZero(const std::array<double, N>& values) {
  for (std::size_t i = 0; i < N; ++i)
    if (values[i] == 0) return static_cast<int>(i);
  return -1;
}

// Every field's text read by parseNumber, in field order.
template <std::size_t N>
std::array<double, N> parseFields(const std::array<std::string, N>& fields,
                                  std::string_view decimalSeparator = ".") {
  std::array<double, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = parseNumber(fields[i], decimalSeparator);
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

// The number as few digits write it that read back as `value` exactly (at most 17
// significant digits), in fixed notation wherever its integer part fits them: how the
// working behind an answer shows the numbers that were read.
std::string exactText(double value, std::string_view decimalSeparator = ".");

}  // namespace pelbrix
