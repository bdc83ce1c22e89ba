#include "core/System.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#if defined(__GLIBC__)
#include <locale.h>
#endif

namespace pelbrix {

#if !defined(__GLIBC__)
namespace {
// std::from_chars leaves an out-of-range value unset; strtod gives an infinity for a
// number too large and 0 for one too small. Which one it is follows from the decimal
// exponent of the first significant digit.
double outOfRange(const std::string& text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  long position = 0;  // digits before the point, counting from the first significant one
  bool significant = false, afterPoint = false;
  for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
    if (text[i] == '.') {
      afterPoint = true;
    } else if (text[i] != '0' || significant) {
      if (!significant && afterPoint) --position;
      significant = true;
      if (!afterPoint) ++position;
    } else if (afterPoint) {
      --position;
    }
  }
  long exponent = 0;
  if (i < text.size()) exponent = std::strtol(text.c_str() + i + 1, nullptr, 10);
  const double magnitude = position + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -magnitude : magnitude;
}
}  // namespace
#endif

double parseCDecimal(const std::string& text) {
#if defined(__GLIBC__)
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(text.c_str(), nullptr, cLocale);
#else
  const char* first = text.c_str();
  if (*first == '+') ++first;  // from_chars takes no plus sign
  double value = 0;
  const auto [end, error] = std::from_chars(first, text.c_str() + text.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) return outOfRange(text);
  return value;
#endif
}

}  // namespace pelbrix
