#include "core/GasLaws.h"

#include "core/ExtendedPrecision.h"
#include "core/NumberText.h"

namespace pelbrix {
namespace {

// The result is rounded to double before its sign is judged, so a quotient that
// underflows counts as zero.
Outcome judge(long double exact) {
  const double r = static_cast<double>(exact);
  if (r < 0) return {ErrorDialog::NegativeValue, r};
  if (r == 0) return {ErrorDialog::ZeroValue, r};
  return {ErrorDialog::None, r};
}

}  // namespace

Outcome solveBoyle(const std::array<std::string, 3>& fields) {
  if (anyFieldEmpty(fields)) return {ErrorDialog::NotEnoughData, 0};
  const auto x = parseFields(fields);
  if (x[2] == 0) return {ErrorDialog::DivideByZero, 0};
  return judge(static_cast<long double>(x[0]) * x[1] / x[2]);
}

Outcome solveCharles(const std::array<std::string, 3>& fields) {
  if (anyFieldEmpty(fields)) return {ErrorDialog::NotEnoughData, 0};
  const auto y = parseFields(fields);
  if (y[1] == 0) return {ErrorDialog::DivideByZero, 0};
  return judge(static_cast<long double>(y[0]) * y[2] / y[1]);
}

Outcome solveCombined(ComboMode mode, const std::array<std::string, 5>& fields) {
  if (anyFieldEmpty(fields)) return {ErrorDialog::NotEnoughData, 0};
  const auto z = parseFields(fields);
  using L = long double;
  switch (mode) {
    case ComboMode::FindVolume:
    case ComboMode::FindPressure:
      if (z[3] < 0 || z[4] < 0) return {ErrorDialog::NegativeTemperature, 0};
      if (z[2] == 0 || z[3] == 0) return {ErrorDialog::DivideByZero, 0};
      if (mode == ComboMode::FindVolume) return judge(L(z[1]) * z[0] * z[4] / (L(z[2]) * z[3]));
      return judge(L(z[0]) * z[1] * z[4] / (L(z[2]) * z[3]));
    case ComboMode::FindTemperature:
      if (z[0] < 0) return {ErrorDialog::NegativeTemperature, 0};
      if (z[3] == 0 || z[1] == 0) return {ErrorDialog::DivideByZero, 0};
      return judge(L(z[4]) * z[2] * z[0] / (L(z[3]) * z[1]));
  }
  return {ErrorDialog::NotEnoughData, 0};
}

std::string lawText(double value, std::string_view decimalSeparator) {
  return formatGeneral(value, 5, 4, decimalSeparator);
}

}  // namespace pelbrix
