#include "core/BoyleRates.h"

#include "core/ExtendedPrecision.h"
#include "core/NumberText.h"

namespace pelbrix {
namespace {

constexpr Quantity V{"V"}, P{"P"}, dV{"dV/dt"}, dP{"dP/dt"};
constexpr Quantity V1{"V1"}, V2{"V2"}, P1{"P1"}, P2{"P2"}, dV1{"dV1/dt"}, dV2{"dV2/dt"},
    dP1{"dP1/dt"}, dP2{"dP2/dt"};

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

template <std::size_t N>
RateOutcome solve(const Formula<N>& formula, const std::array<std::string, N>& fields,
                  std::string_view decimalSeparator) {
  if (const int empty = firstEmptyField(fields); empty >= 0)
    return {ErrorDialog::NotEnoughData, 0, empty};
  const auto x = parseFields(fields, decimalSeparator);
  if (const int zero = firstZero(x); zero >= 0) return {ErrorDialog::ZeroValue, 0, zero};
  return {ErrorDialog::None, evaluate(formula, x), -1};
}

}  // namespace

const Formula<3>& boyleSingleRateFormula(BoyleRateMode mode) {
  return kSingle[indexOf(mode)];
}

const Formula<7>& boyleMultipleRateFormula(BoyleRateMode mode) {
  return kMultiple[indexOf(mode)];
}

RateOutcome solveSingleRate(BoyleRateMode mode, const std::array<std::string, 3>& fields,
                            std::string_view decimalSeparator) {
  return solve(boyleSingleRateFormula(mode), fields, decimalSeparator);
}

RateOutcome solveMultipleRate(BoyleRateMode mode, const std::array<std::string, 7>& fields,
                              std::string_view decimalSeparator) {
  return solve(boyleMultipleRateFormula(mode), fields, decimalSeparator);
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
