#include "core/CharlesRates.h"

#include "core/NumberText.h"

namespace pelbrix {
namespace {

constexpr Quantity V{"V"}, T{"T", true}, dV{"dV/dt"}, dT{"dT/dt"};
constexpr Quantity V1{"V1"}, V2{"V2"}, T1{"T1", true}, T2{"T2", true}, dV1{"dV1/dt"}, dV2{"dV2/dt"},
    dT1{"dT1/dt"}, dT2{"dT2/dt"};

// Index 0 is mode 1, Volume.
constexpr Formula<3> kSingle[] = {
    {V, {T, dV, dT}, "{0} × {1} ÷ {2}"},
    {T, {V, dV, dT}, "{0} × {2} ÷ {1}"},
    {dV, {V, T, dT}, "{0} × {2} ÷ {1}"},
    {dT, {V, T, dV}, "{1} × {2} ÷ {0}"},
};
// State 1's T1 dV1/dt − V1 dT1/dt, moved to the side of the quantity sought.
constexpr Formula<7> kMultiple[] = {
    {V2, {V1, T1, T2, dV1, dV2, dT1, dT2}, "({0} × {5} − {1} × {3} + {2} × {4}) ÷ {6}"},
    {T2, {V1, V2, T1, dV1, dV2, dT1, dT2}, "({2} × {3} − {0} × {5} + {1} × {6}) ÷ {4}"},
    {dV2, {V1, V2, T1, T2, dV1, dT1, dT2}, "({2} × {4} − {0} × {5} + {1} × {6}) ÷ {3}"},
    {dT2, {V1, V2, T1, T2, dV1, dV2, dT1}, "({3} × {5} − {2} × {4} + {0} × {6}) ÷ {1}"},
};

std::size_t indexOf(CharlesRateMode mode) {
  const int k = static_cast<int>(mode) - 1;
  return k >= 0 && k < 4 ? static_cast<std::size_t>(k) : 0;  // anything else: Volume
}

// A volume or a temperature is judged as the law pages judge theirs; a rate has a sign.
bool judgesResult(CharlesRateMode mode) {
  return indexOf(mode) < 2;
}

template <std::size_t N>
RateOutcome solve(const Formula<N>& formula, bool judgeResult,
                  const std::array<std::string, N>& fields, std::string_view decimalSeparator) {
  if (const int empty = firstEmptyField(fields); empty >= 0)
    return {ErrorDialog::NotEnoughData, 0, empty};
  const auto x = parseFields(fields, decimalSeparator);
  for (std::size_t k = 0; k < N; ++k)
    if (formula.inputs[k].temperature && x[k] < 0)
      return {ErrorDialog::NegativeTemperature, 0, static_cast<int>(k)};
  if (const int zero = firstZero(x); zero >= 0) return {ErrorDialog::ZeroValue, 0, zero};
  const long double value = evaluate(formula, x);
  if (judgeResult && static_cast<double>(value) < 0) return {ErrorDialog::NegativeValue, value, -1};
  if (judgeResult && static_cast<double>(value) == 0) return {ErrorDialog::ZeroValue, value, -1};
  return {ErrorDialog::None, value, -1};
}

}  // namespace

const Formula<3>& charlesSingleRateFormula(CharlesRateMode mode) {
  return kSingle[indexOf(mode)];
}

const Formula<7>& charlesMultipleRateFormula(CharlesRateMode mode) {
  return kMultiple[indexOf(mode)];
}

RateOutcome solveCharlesSingleRate(CharlesRateMode mode, const std::array<std::string, 3>& fields,
                                   std::string_view decimalSeparator) {
  return solve(charlesSingleRateFormula(mode), judgesResult(mode), fields, decimalSeparator);
}

RateOutcome solveCharlesMultipleRate(CharlesRateMode mode, const std::array<std::string, 7>& fields,
                                     std::string_view decimalSeparator) {
  return solve(charlesMultipleRateFormula(mode), judgesResult(mode), fields, decimalSeparator);
}

std::string charlesSingleRateWorking(CharlesRateMode mode, const std::array<std::string, 3>& fields,
                                     std::string_view decimalSeparator) {
  return rateWorking(charlesSingleRateFormula(mode), parseFields(fields, decimalSeparator),
                     solveCharlesSingleRate(mode, fields, decimalSeparator), decimalSeparator);
}

std::string charlesMultipleRateWorking(CharlesRateMode mode,
                                       const std::array<std::string, 7>& fields,
                                       std::string_view decimalSeparator) {
  return rateWorking(charlesMultipleRateFormula(mode), parseFields(fields, decimalSeparator),
                     solveCharlesMultipleRate(mode, fields, decimalSeparator), decimalSeparator);
}

}  // namespace pelbrix
