#include "core/TempConversion.h"

#include <algorithm>

#include "core/NumberText.h"

namespace pelbrix {
namespace {

// A decimal number: (-1)^negative × digits × 10^-scale, the digits without leading or
// trailing zeros ("" for 0, which is never negative).
struct Decimal {
  bool negative = false;
  std::string digits;
  long long scale = 0;
};

// A number beyond 10^±1000 is far outside what the written result can show (INF, or 273.15
// unchanged), so it is held there and its digits stay few.
constexpr long long kMagnitudeLimit = 1000;

const Decimal kOffset{false, "27315", 2};  // 273.15

void normalise(Decimal& d) {
  d.digits.erase(0, std::min(d.digits.find_first_not_of('0'), d.digits.size()));
  while (!d.digits.empty() && d.digits.back() == '0') {
    d.digits.pop_back();
    --d.scale;
  }
  if (d.digits.empty()) d = {};
}

// The C-form numeric prefix ("-12.5e3", NumberText.h) as a decimal.
Decimal readDecimal(const std::string& prefix) {
  Decimal d;
  std::size_t i = 0;
  if (i < prefix.size() && (prefix[i] == '+' || prefix[i] == '-')) d.negative = prefix[i++] == '-';
  bool fraction = false;
  for (; i < prefix.size() && prefix[i] != 'e' && prefix[i] != 'E'; ++i) {
    if (prefix[i] == '.') {
      fraction = true;
      continue;
    }
    d.digits += prefix[i];
    if (fraction) ++d.scale;
  }
  if (i < prefix.size()) {
    ++i;
    bool negativeExponent = false;
    if (prefix[i] == '+' || prefix[i] == '-') negativeExponent = prefix[i++] == '-';
    long long exponent = 0;  // held below 10^9, past any limit of the magnitude
    for (; i < prefix.size(); ++i)
      exponent = std::min(exponent * 10 + (prefix[i] - '0'), 1'000'000'000LL);
    d.scale += negativeExponent ? exponent : -exponent;
  }
  normalise(d);
  const auto size = static_cast<long long>(d.digits.size());
  if (size - d.scale > kMagnitudeLimit) d.scale = size - kMagnitudeLimit;
  if (d.scale - size > kMagnitudeLimit) d.scale = size + kMagnitudeLimit;
  return d;
}

// The digits of `d` at `scale` decimal places (scale >= d.scale).
std::string digitsAt(const Decimal& d, long long scale) {
  return d.digits + std::string(static_cast<std::size_t>(scale - d.scale), '0');
}

// -1, 0 or 1 as |a| is below, equal to or above |b|.
int compareMagnitudes(const Decimal& a, const Decimal& b) {
  if (a.digits.empty() || b.digits.empty()) return !a.digits.empty() - !b.digits.empty();
  const long long scale = std::max(a.scale, b.scale);
  const std::string x = digitsAt(a, scale), y = digitsAt(b, scale);
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  return x < y ? -1 : x > y ? 1 : 0;
}

// a + b, exactly.
Decimal add(const Decimal& a, const Decimal& b) {
  const long long scale = std::max(a.scale, b.scale);
  std::string x = digitsAt(a, scale), y = digitsAt(b, scale);
  const std::size_t width = std::max(x.size(), y.size()) + 1;
  x.insert(0, width - x.size(), '0');
  y.insert(0, width - y.size(), '0');
  // Subtract the smaller magnitude from the larger when the signs differ.
  const bool subtract = a.negative != b.negative;
  if (subtract && x < y) std::swap(x, y);
  Decimal sum{subtract ? (compareMagnitudes(a, b) < 0 ? b.negative : a.negative) : a.negative,
              std::string(width, '0'), scale};
  int carry = 0;
  for (std::size_t k = width; k-- > 0;) {
    int digit = x[k] - '0' + (subtract ? -(y[k] - '0') : y[k] - '0') + carry;
    carry = digit < 0 ? -1 : digit > 9 ? 1 : 0;
    digit -= carry * 10;
    sum.digits[k] = static_cast<char>('0' + digit);
  }
  normalise(sum);
  return sum;
}

// The number in fixed notation with '.' or `separator`, no trailing zeros.
std::string fixedText(const Decimal& d, std::string_view separator) {
  std::string digits = digitsAt(d, std::max(d.scale, 0LL));
  const auto decimals = static_cast<std::size_t>(std::max(d.scale, 0LL));
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  std::string out = d.negative ? "-" : "";
  out += digits.substr(0, digits.size() - decimals);
  if (decimals > 0) out.append(separator).append(digits.substr(digits.size() - decimals));
  return out;
}

// The number as the converter writes it: exact while it has at most kExactTemperatureDigits
// digits, else to kTemperatureDigits significant digits.
std::string writtenText(const Decimal& d, std::string_view separator) {
  const long long integerDigits =
      std::max<long long>(static_cast<long long>(d.digits.size()) - d.scale, 1);
  if (integerDigits + std::max(d.scale, 0LL) <= kExactTemperatureDigits)
    return fixedText(d, separator);
  return formatGeneral(parseNumber(fixedText(d, ".")), kTemperatureDigits, 0, separator);
}

}  // namespace

TemperatureOutcome convertTemperature(TemperatureDirection direction, const std::string& input,
                                      std::string_view decimalSeparator) {
  if (input.empty()) return {ErrorDialog::NotEnoughData, {}, {}};
  const Decimal read = readDecimal(numericPrefix(input, decimalSeparator));
  const bool toKelvin = direction == TemperatureDirection::CelsiusToKelvin;
  // Nothing is colder than 0 K, -273.15 C.
  const bool belowAbsoluteZero =
      read.negative && (!toKelvin || compareMagnitudes(read, kOffset) > 0);
  if (belowAbsoluteZero) return {ErrorDialog::NegativeTemperature, {}, {}};
  Decimal offset = kOffset;
  offset.negative = !toKelvin;
  return {ErrorDialog::None, writtenText(add(read, offset), decimalSeparator),
          writtenText(read, decimalSeparator)};
}

std::string conversionWorking(TemperatureDirection direction, const std::string& input,
                              std::string_view decimalSeparator) {
  const TemperatureOutcome outcome = convertTemperature(direction, input, decimalSeparator);
  if (!outcome.ok()) return {};
  const std::string offset = fixedText(kOffset, decimalSeparator);
  const std::string number =
      outcome.read.starts_with('-') ? "(" + outcome.read + ")" : outcome.read;
  if (direction == TemperatureDirection::CelsiusToKelvin)
    return "T(K) = T(°C) + " + offset + " = " + number + " + " + offset + " = " + outcome.text;
  return "T(°C) = T(K) − " + offset + " = " + number + " − " + offset + " = " + outcome.text;
}

}  // namespace pelbrix
