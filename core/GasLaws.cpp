#include "core/GasLaws.h"

#include "core/ExtendedPrecision.h"
#include "core/NumberText.h"

namespace pelbrix {
namespace {

constexpr Quantity V1{"V1"}, V2{"V2"}, P1{"P1"}, P2{"P2"}, T1{"T1", true}, T2{"T2", true};
constexpr Quantity P{"P"}, V{"V"}, n{"n"}, T{"T", true}, R{"R"};

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

// Each mode's fields are P, V, n, T without the quantity sought; R comes last.
constexpr Formula<4> kIdeal[] = {
    {P, {V, n, T, R}, "{1} × {3} × {2} ÷ {0}"},
    {V, {P, n, T, R}, "{1} × {3} × {2} ÷ {0}"},
    {n, {P, V, T, R}, "{0} × {1} ÷ ({3} × {2})"},
    {T, {P, V, n, R}, "{0} × {1} ÷ ({2} × {3})"},
};

// J = Pa·m³ = kPa·L, so the SI value serves both; atm and mmHg follow from 1 atm = 101.325 kPa
// = 760 mmHg.
constexpr long double kGasConstantSI = 8.31446261815324L;
constexpr long double kKiloPascalsPerAtm = 101.325L;
constexpr long double kMmHgPerAtm = 760;

constexpr IdealUnitNames kIdealUnitNames[] = {
    {"atm", "L", "L·atm/(mol·K)"},
    {"kPa", "L", "L·kPa/(mol·K)"},
    {"Pa", "m³", "Pa·m³/(mol·K)"},
    {"mmHg", "L", "L·mmHg/(mol·K)"},
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

// A law of two modes multiplies two fields and divides by the field numbered `divisor`; an
// empty field is reported before a zero divisor.
Outcome solveProportion(const Formula<3>& formula, std::size_t divisor,
                        const std::array<std::string, 3>& fields,
                        std::string_view decimalSeparator) {
  if (const int empty = firstEmptyField(fields); empty >= 0)
    return fail(ErrorDialog::NotEnoughData, empty);
  const auto x = parseFields(fields, decimalSeparator);
  if (x[divisor] == 0) return fail(ErrorDialog::DivideByZero, static_cast<int>(divisor));
  return judge(formula, x);
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

const Formula<4>& idealFormula(IdealMode mode) {
  return kIdeal[static_cast<int>(mode)];
}

IdealUnitNames idealUnitNames(IdealUnits units) {
  return kIdealUnitNames[static_cast<int>(units)];
}

long double gasConstant(IdealUnits units) {
  switch (units) {
    case IdealUnits::AtmLitre:
      return kGasConstantSI / kKiloPascalsPerAtm;
    case IdealUnits::MmHgLitre:
      return kGasConstantSI * kMmHgPerAtm / kKiloPascalsPerAtm;
    case IdealUnits::KiloPascalLitre:
    case IdealUnits::PascalCubicMetre:
      break;
  }
  return kGasConstantSI;
}

Outcome solveBoyle(const std::array<std::string, 3>& fields, std::string_view decimalSeparator) {
  return solveProportion(kBoyle[0], 2, fields, decimalSeparator);
}

Outcome solveCharles(const std::array<std::string, 3>& fields, std::string_view decimalSeparator) {
  return solveProportion(kCharles[0], 1, fields, decimalSeparator);
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

Outcome solveIdeal(IdealMode mode, IdealUnits units, const std::array<std::string, 3>& fields,
                   std::string_view decimalSeparator) {
  if (const int empty = firstEmptyField(fields); empty >= 0)
    return fail(ErrorDialog::NotEnoughData, empty);
  const auto x = parseFields(fields, decimalSeparator);
  // Every mode but the temperature's reads the temperature in its last field.
  if (mode != IdealMode::FindTemperature && x[2] < 0)
    return fail(ErrorDialog::NegativeTemperature, 2);
  // Pressure and volume divide by the first field (V or P), moles and temperature by the
  // last (T or n); R is never 0.
  const int divisor = mode == IdealMode::FindPressure || mode == IdealMode::FindVolume ? 0 : 2;
  if (x[static_cast<std::size_t>(divisor)] == 0) return fail(ErrorDialog::DivideByZero, divisor);
  const std::array<double, 4> values{x[0], x[1], x[2], static_cast<double>(gasConstant(units))};
  return judge(idealFormula(mode), values);
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

std::string idealWorking(IdealMode mode, IdealUnits units, const std::array<std::string, 3>& fields,
                         std::string_view decimalSeparator) {
  const Outcome outcome = solveIdeal(mode, units, fields, decimalSeparator);
  if (!outcome.ok()) return {};
  const IdealUnitNames names = idealUnitNames(units);
  const std::string_view resultUnit[] = {names.pressure, names.volume, "mol", "K"};
  const auto x = parseFields(fields, decimalSeparator);
  const double r = static_cast<double>(gasConstant(units));
  const WorkingUnits shown{resultUnit[static_cast<int>(mode)], 3, lawText(r, decimalSeparator),
                           names.gasConstant};
  return workingText(idealFormula(mode), std::array<double, 4>{x[0], x[1], x[2], r},
                     lawText(outcome.value, decimalSeparator), decimalSeparator, &shown);
}

}  // namespace pelbrix
