#include "core/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "core/System.h"

namespace pelbrix {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

double parseNumber(std::string_view text, std::string_view decimalSeparator) {
  const std::string prefix = numericPrefix(text, decimalSeparator);
  return prefix.empty() ? 0.0 : parseCDecimal(prefix);
}

std::string numericPrefix(std::string_view text, std::string_view decimalSeparator) {
  // A separator that could be part of a number some other way is never taken for the point.
  if (decimalSeparator.empty() ||
      decimalSeparator.find_first_of("0123456789+-eE \t\n\v\f\r") != std::string_view::npos)
    decimalSeparator = ".";
  const auto pointLength = [&](std::size_t at) -> std::size_t {
    if (at < text.size() && text[at] == '.') return 1;
    return text.substr(at).starts_with(decimalSeparator) ? decimalSeparator.size() : 0;
  };
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && isBlank(text[i])) ++i;
  const std::size_t start = i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < n && isDigit(text[i])) ++i, ++digits;
  std::size_t point = n, pointEnd = n;  // where the decimal point is, if any
  if (const std::size_t length = pointLength(i)) {
    point = i;
    i += length;
    pointEnd = i;
    while (i < n && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return {};
  std::size_t end = i;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < n && isDigit(text[j])) {
      while (j < n && isDigit(text[j])) ++j;
      end = j;
    }
  }
  // Only the prefix checked above reaches strtod, so its own extensions (inf, nan, hex)
  // never apply; a copy also guarantees the terminator strtod needs, and writes the
  // desktop's separator as the point strtod reads.
  std::string prefix;
  if (point < end) {
    prefix.append(text.substr(start, point - start)).append(".");
    prefix.append(text.substr(pointEnd, end - pointEnd));
  } else {
    prefix.append(text.substr(start, end - start));
  }
  return prefix;
}

long parseLeadingInteger(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long value = 0;
  constexpr long kMax = std::numeric_limits<long>::max();
  for (; i < n && isDigit(text[i]); ++i) {
    const int d = text[i] - '0';
    if (value > (kMax - d) / 10) return negative ? std::numeric_limits<long>::min() : kMax;
    value = value * 10 + d;
  }
  return negative ? -value : value;
}

namespace {

// The exact decimal expansion of |value| rounded to `precision` significant digits,
// ties away from zero. Returns the digits and the exponent e with |value| ~ 0.d1d2.. * 10^e.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

Decimal roundToDigits(long double magnitude, int precision) {
  // glibc prints exact decimal expansions; ask for some guard digits first and only
  // fall back to the full expansion when the guard digits cannot decide a tie.
  auto render = [&](int extra) {
    std::vector<char> buf(static_cast<std::size_t>(precision + extra) + 32);
    std::snprintf(buf.data(), buf.size(), "%.*Le", precision + extra - 1, magnitude);
    return std::string(buf.data());
  };
  auto split = [](const std::string& s, std::string& mant, int& exp10) {
    const auto ePos = s.find('e');
    mant.clear();
    for (std::size_t k = 0; k < ePos; ++k)
      if (isDigit(s[k])) mant.push_back(s[k]);
    exp10 = std::atoi(s.c_str() + ePos + 1);
  };
  std::string mant;
  int exp10 = 0;
  split(render(24), mant, exp10);
  // Only a guard of exactly "5000..." is ambiguous: it may be a rounded-up "4999...".
  const std::string_view guard = std::string_view(mant).substr(static_cast<std::size_t>(precision));
  if (guard[0] == '5' && guard.find_first_not_of('0', 1) == std::string_view::npos) {
    // 16500 digits cover every long double's exact expansion.
    split(render(16500), mant, exp10);
  }
  bool roundUp = mant[static_cast<std::size_t>(precision)] >= '5';
  Decimal d;
  d.digits = mant.substr(0, static_cast<std::size_t>(precision));
  d.exponent = exp10 + 1;
  if (roundUp) {
    int k = precision - 1;
    while (k >= 0 && d.digits[static_cast<std::size_t>(k)] == '9')
      d.digits[static_cast<std::size_t>(k--)] = '0';
    if (k >= 0) {
      ++d.digits[static_cast<std::size_t>(k)];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      d.digits.pop_back();
      ++d.exponent;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

}  // namespace

std::string formatGeneral(long double value, int precision, int minExponentDigits,
                          std::string_view decimalSeparator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (precision < 1) precision = 1;
  if (precision > 18) precision = 18;
  if (value == 0) return "0";

  const Decimal d = roundToDigits(std::fabs(value), precision);
  std::string out = value < 0 ? "-" : "";
  const int e = d.exponent;
  const int count = static_cast<int>(d.digits.size());
  if (e <= precision && e >= -4) {
    if (e > 0) {
      for (int k = 0; k < e; ++k) out += k < count ? d.digits[static_cast<std::size_t>(k)] : '0';
      if (count > e) {
        out += decimalSeparator;
        out.append(d.digits, static_cast<std::size_t>(e));
      }
    } else {
      out += '0';
      out += decimalSeparator;
      out.append(static_cast<std::size_t>(-e), '0');
      out += d.digits;
    }
    return out;
  }
  out += d.digits[0];
  if (count > 1) {
    out += decimalSeparator;
    out.append(d.digits, 1);
  }
  out += 'E';
  int exp = e - 1;
  if (exp < 0) {
    out += '-';
    exp = -exp;
  }
  std::string expDigits = std::to_string(exp);
  if (static_cast<int>(expDigits.size()) < minExponentDigits)
    expDigits.insert(0, static_cast<std::size_t>(minExponentDigits) - expDigits.size(), '0');
  return out + expDigits;
}

std::string exactText(double value, std::string_view decimalSeparator) {
  if (!std::isfinite(value) || value == 0) return formatGeneral(value, 1, 0, decimalSeparator);
  int precision = 1;
  while (precision < 17 && parseNumber(formatGeneral(value, precision, 0)) != value) ++precision;
  // 1000000 rather than 1E6: the integer part is written out while 17 digits hold it.
  const double magnitude = std::fabs(value);
  if (magnitude >= 1) {
    const int integerDigits = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    if (integerDigits > precision && integerDigits <= 17) precision = integerDigits;
  }
  return formatGeneral(value, precision, 0, decimalSeparator);
}

}  // namespace pelbrix
