#include "core/BoyleRates.h"

#include "core/ExtendedPrecision.h"
#include "core/NumberText.h"

namespace pelbrix {
namespace {

constexpr Quantity V{"V"}, P{"P"}, dV{.symbol = "dV/dt", .rate = true},
    dP{.symbol = "dP/dt", .rate = true};
constexpr Quantity V1{"V1"}, V2{"V2"}, P1{"P1"}, P2{"P2"}, dV1{.symbol = "dV1/dt", .rate = true},
    dV2{.symbol = "dV2/dt", .rate = true}, dP1{.symbol = "dP1/dt", .rate = true},
    dP2{.symbol = "dP2/dt", .rate = true};

// Index 0 is mode 1, Volume.
constexpr Formula<3> kSingle[] = {
    {V, {P, dV, dP}, "−({1} × {0}) ÷ {2}"},
    {P, {V, dV, dP}, "−({2} × {0}) ÷ {1}"},
    {dV, {V, P, dP}, "−({2} × {0}) ÷ {1}"},
    {dP, {V, P, dV}, "−({2} × {1}) ÷ {0}"},
};
// Each is (first product + second product − third product) ÷ divisor, in that order.
constexpr Formula<7> kMultiple[] = {
    {V2, {V1, P1, P2, dV1, dV2, dP1, dP2}, "({5} × {0} + {1} × {3} − {2} × {4}) ÷ {6}"},
    {P2, {V1, V2, P1, dV1, dV2, dP1, dP2}, "({5} × {0} + {2} × {3} − {6} × {1}) ÷ {4}"},
    {dV2, {V1, V2, P1, P2, dV1, dP1, dP2}, "({5} × {0} + {2} × {4} − {6} × {1}) ÷ {3}"},
    {dP2, {V1, V2, P1, P2, dV1, dV2, dP1}, "({6} × {0} + {2} × {4} − {3} × {5}) ÷ {1}"},
};

std::size_t indexOf(BoyleRateMode mode) {
  const int k = static_cast<int>(mode) - 1;
  return k >= 0 && k < 4 ? static_cast<std::size_t>(k) : 0;  // anything else: Volume
}

}  // namespace

template <std::size_t N>
RateOutcome solveRate(const Formula<N>& formula, std::string_view divisor,
                      const std::array<std::string, N>& fields, std::string_view decimalSeparator) {
  if (const int empty = firstEmptyField(fields); empty >= 0)
    return {ErrorDialog::NotEnoughData, 0, empty};
  const auto x = parseFields(fields, decimalSeparator);
  for (std::size_t k = 0; k < N; ++k) {
    const Quantity& q = formula.inputs[k];
    if (!q.rate && x[k] < 0)
      return {q.temperature ? ErrorDialog::NegativeTemperature : ErrorDialog::NegativeValue, 0,
              static_cast<int>(k)};
  }
  if (const int zero = firstZero(x); zero >= 0) return {ErrorDialog::ZeroValue, 0, zero};
  // A divisor made of several fields can be 0 although none of them is.
  if (!divisor.empty() && evaluate(divisor, x) == 0) return {ErrorDialog::DivideByZero, 0, -1};
  const long double value = evaluate(formula, x);
  if (!formula.result.rate && static_cast<double>(value) < 0)
    return {ErrorDialog::NegativeValue, value, -1};
  if (!formula.result.rate && static_cast<double>(value) == 0)
    return {ErrorDialog::ZeroValue, value, -1};
  return {ErrorDialog::None, value, -1};
}

template RateOutcome solveRate(const Formula<3>&, std::string_view,
                               const std::array<std::string, 3>&, std::string_view);
template RateOutcome solveRate(const Formula<7>&, std::string_view,
                               const std::array<std::string, 7>&, std::string_view);

const Formula<3>& boyleSingleRateFormula(BoyleRateMode mode) {
  return kSingle[indexOf(mode)];
}

const Formula<7>& boyleMultipleRateFormula(BoyleRateMode mode) {
  return kMultiple[indexOf(mode)];
}

RateOutcome solveSingleRate(BoyleRateMode mode, const std::array<std::string, 3>& fields,
                            std::string_view decimalSeparator) {
  return solveRate(boyleSingleRateFormula(mode), {}, fields, decimalSeparator);
}

RateOutcome solveMultipleRate(BoyleRateMode mode, const std::array<std::string, 7>& fields,
                              std::string_view decimalSeparator) {
  return solveRate(boyleMultipleRateFormula(mode), {}, fields, decimalSeparator);
}

std::string rateText(long double value, std::string_view decimalSeparator) {
  return formatGeneral(value, kRatePrecision, kRateExponentDigits, decimalSeparator);
}

std::string singleRateWorking(BoyleRateMode mode, const std::array<std::string, 3>& fields,
                              std::string_view decimalSeparator) {
  return rateWorking(boyleSingleRateFormula(mode), parseFields(fields, decimalSeparator),
                     solveSingleRate(mode, fields, decimalSeparator), decimalSeparator);
}

std::string multipleRateWorking(BoyleRateMode mode, const std::array<std::string, 7>& fields,
                                std::string_view decimalSeparator) {
  return rateWorking(boyleMultipleRateFormula(mode), parseFields(fields, decimalSeparator),
                     solveMultipleRate(mode, fields, decimalSeparator), decimalSeparator);
}

}  // namespace pelbrix
