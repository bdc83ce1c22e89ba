#include "core/RateCalculation.h"

#include "core/NumberText.h"

namespace pelbrix {

template <std::size_t N>
RateOutcome solveRate(const RateRelation<N>& relation, const std::array<std::string, N>& fields,
                      std::string_view decimalSeparator) {
  const Formula<N>& formula = relation.formula;
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
  if (!relation.divisor.empty() && evaluate(relation.divisor, x) == 0)
    return {ErrorDialog::DivideByZero, 0, -1};
  const long double value = evaluate(formula, x);
  if (!formula.result.rate && static_cast<double>(value) < 0)
    return {ErrorDialog::NegativeValue, value, -1};
  if (!formula.result.rate && static_cast<double>(value) == 0)
    return {ErrorDialog::ZeroValue, value, -1};
  return {ErrorDialog::None, value, -1};
}

template <std::size_t N>
std::string rateWorking(const RateRelation<N>& relation, const std::array<std::string, N>& fields,
                        std::string_view decimalSeparator) {
  const RateOutcome outcome = solveRate(relation, fields, decimalSeparator);
  if (!outcome.ok()) return {};
  return workingText(relation.formula, parseFields(fields, decimalSeparator),
                     rateText(outcome.value, decimalSeparator), decimalSeparator);
}

// The two pages' field counts.
template RateOutcome solveRate(const RateRelation<3>&, const std::array<std::string, 3>&,
                               std::string_view);
template RateOutcome solveRate(const RateRelation<7>&, const std::array<std::string, 7>&,
                               std::string_view);
template std::string rateWorking(const RateRelation<3>&, const std::array<std::string, 3>&,
                                 std::string_view);
template std::string rateWorking(const RateRelation<7>&, const std::array<std::string, 7>&,
                                 std::string_view);

std::string rateText(long double value, std::string_view decimalSeparator) {
  return formatGeneral(value, kRatePrecision, kRateExponentDigits, decimalSeparator);
}

}  // namespace pelbrix
