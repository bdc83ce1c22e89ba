#include "core/GasLaws.h"

#include "core/ExtendedPrecision.h"
#include "core/NumberText.h"

namespace pelbrix {
namespace {

constexpr Quantity V1{"V1"}, V2{"V2"}, P1{"P1"}, P2{"P2"}, T1{"T1", true}, T2{"T2", true};

// Both modes of Boyle's and Charles' law evaluate one shape over the same fields.
constexpr Formula<3> kBoyle[] = {
    {V2, {V1, P1, P2}, "{0} × {1} ÷ {2}"},
    {P2, {P1, V1, V2}, "{0} × {1} ÷ {2}"},
};
constexpr Formula<3> kCharles[] = {
    {V2, {V1, T1, T2}, "{0} × {2} ÷ {1}"},
    {T2, {T1, V1, V2}, "{0} × {2} ÷ {1}"},
};
constexpr Formula<5> kCombined[] = {
    {V2, {V1, P1, P2, T1, T2}, "{1} × {0} × {4} ÷ ({2} × {3})"},
    {P2, {P1, V1, V2, T1, T2}, "{0} × {1} × {4} ÷ ({2} × {3})"},
    {T2, {T1, V1, V2, P1, P2}, "{4} × {2} × {0} ÷ ({3} × {1})"},
};

Outcome fail(ErrorDialog error, int field = -1) {
  return {error, 0, field};
}

// The result is rounded to double before its sign is judged, so a quotient that
// underflows counts as zero.
template <std::size_t N>
Outcome judge(const Formula<N>& formula, const std::array<double, N>& values) {
  const double r = static_cast<double>(evaluate(formula, values));
  if (r < 0) return {ErrorDialog::NegativeValue, r, -1};
  if (r == 0) return {ErrorDialog::ZeroValue, r, firstZero(values)};
  return {ErrorDialog::None, r, -1};
}

template <std::size_t N>
std::string working(const Formula<N>& formula, const Outcome& outcome,
                    const std::array<std::string, N>& fields, std::string_view decimalSeparator) {
  if (!outcome.ok()) return {};
  return workingText(formula, parseFields(fields, decimalSeparator),
                     lawText(outcome.value, decimalSeparator), decimalSeparator);
}

}  // namespace

const Formula<3>& boyleFormula(BoyleMode mode) {
  return kBoyle[mode == BoyleMode::FindVolume ? 0 : 1];
}

const Formula<3>& charlesFormula(CharlesMode mode) {
  return kCharles[mode == CharlesMode::FindVolume ? 0 : 1];
}

const Formula<5>& combinedFormula(ComboMode mode) {
  return kCombined[static_cast<int>(mode)];
}

Outcome solveBoyle(const std::array<std::string, 3>& fields, std::string_view decimalSeparator) {
  if (const int empty = firstEmptyField(fields); empty >= 0)
    return fail(ErrorDialog::NotEnoughData, empty);
  const auto x = parseFields(fields, decimalSeparator);
  if (x[2] == 0) return fail(ErrorDialog::DivideByZero, 2);
  return judge(kBoyle[0], x);
}

Outcome solveCharles(const std::array<std::string, 3>& fields, std::string_view decimalSeparator) {
  if (const int empty = firstEmptyField(fields); empty >= 0)
    return fail(ErrorDialog::NotEnoughData, empty);
  const auto y = parseFields(fields, decimalSeparator);
  if (y[1] == 0) return fail(ErrorDialog::DivideByZero, 1);
  return judge(kCharles[0], y);
}

Outcome solveCombined(ComboMode mode, const std::array<std::string, 5>& fields,
                      std::string_view decimalSeparator) {
  if (const int empty = firstEmptyField(fields); empty >= 0)
    return fail(ErrorDialog::NotEnoughData, empty);
  const auto z = parseFields(fields, decimalSeparator);
  switch (mode) {
    case ComboMode::FindVolume:
    case ComboMode::FindPressure:
      if (z[3] < 0) return fail(ErrorDialog::NegativeTemperature, 3);
      if (z[4] < 0) return fail(ErrorDialog::NegativeTemperature, 4);
      if (z[2] == 0) return fail(ErrorDialog::DivideByZero, 2);
      if (z[3] == 0) return fail(ErrorDialog::DivideByZero, 3);
      break;
    case ComboMode::FindTemperature:
      if (z[0] < 0) return fail(ErrorDialog::NegativeTemperature, 0);
      if (z[3] == 0) return fail(ErrorDialog::DivideByZero, 3);
      if (z[1] == 0) return fail(ErrorDialog::DivideByZero, 1);
      break;
  }
  return judge(combinedFormula(mode), z);
}

std::string lawText(double value, std::string_view decimalSeparator) {
  return formatGeneral(value, 5, 4, decimalSeparator);
}

std::string boyleWorking(BoyleMode mode, const std::array<std::string, 3>& fields,
                         std::string_view decimalSeparator) {
  return working(boyleFormula(mode), solveBoyle(fields, decimalSeparator), fields,
                 decimalSeparator);
}

std::string charlesWorking(CharlesMode mode, const std::array<std::string, 3>& fields,
                           std::string_view decimalSeparator) {
  return working(charlesFormula(mode), solveCharles(fields, decimalSeparator), fields,
                 decimalSeparator);
}

std::string combinedWorking(ComboMode mode, const std::array<std::string, 5>& fields,
                            std::string_view decimalSeparator) {
  return working(combinedFormula(mode), solveCombined(mode, fields, decimalSeparator), fields,
                 decimalSeparator);
}

}  // namespace pelbrix
