#pragma once
// Numbers as the user types them and as the program writes them.
#include <string>
#include <string_view>

namespace pelbrix {

// Reads the longest numeric prefix of `text` the way the classic C `atof` does, but
// independent of the process locale: leading blanks, an optional sign, digits with at
// most one '.', an optional exponent. Text without a numeric prefix gives 0; "inf",
// "nan" and hex are not numbers here. Out-of-range exponents give +/-infinity or 0.
double parseNumber(std::string_view text);

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
std::string formatGeneral(long double value, int precision, int minExponentDigits,
                          char decimalSeparator = '.');

}  // namespace pelbrix
