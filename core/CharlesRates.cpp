#include "core/CharlesRates.h"

#include "core/NumberText.h"

namespace pelbrix {
namespace {

constexpr Quantity V{"V"}, T{"T", true}, dV{.symbol = "dV/dt", .rate = true},
    dT{.symbol = "dT/dt", .rate = true};
constexpr Quantity V1{"V1"}, V2{"V2"}, T1{"T1", true}, T2{"T2", true},
    dV1{.symbol = "dV1/dt", .rate = true}, dV2{.symbol = "dV2/dt", .rate = true},
    dT1{.symbol = "dT1/dt", .rate = true}, dT2{.symbol = "dT2/dt", .rate = true};

// Index 0 is mode 1, Volume.
constexpr Formula<3> kSingle[] = {
    {V, {T, dV, dT}, "{0} × {1} ÷ {2}"},
    {T, {V, dV, dT}, "{0} × {2} ÷ {1}"},
    {dV, {V, T, dT}, "{0} × {2} ÷ {1}"},
    {dT, {V, T, dV}, "{1} × {2} ÷ {0}"},
};
// dV1/V1 − dT1/T1 = dV2/V2 − dT2/T2 solved for each quantity of state 2; state 1's side stays
// in parentheses, so the working shows the relation.
constexpr Formula<7> kMultiple[] = {
    {V2, {V1, T1, T2, dV1, dV2, dT1, dT2}, "{4} ÷ (({3} ÷ {0} − {5} ÷ {1}) + {6} ÷ {2})"},
    {T2, {V1, V2, T1, dV1, dV2, dT1, dT2}, "{6} ÷ ({4} ÷ {1} − ({3} ÷ {0} − {5} ÷ {2}))"},
    {dV2, {V1, V2, T1, T2, dV1, dT1, dT2}, "{1} × (({4} ÷ {0} − {5} ÷ {2}) + {6} ÷ {3})"},
    {dT2, {V1, V2, T1, T2, dV1, dV2, dT1}, "{3} × ({5} ÷ {1} − ({4} ÷ {0} − {6} ÷ {2}))"},
};
// The parenthesised divisors of the first two: when they come to 0, state 2 has no such
// volume or temperature.
constexpr std::string_view kMultipleDivisor[] = {
    "({3} ÷ {0} − {5} ÷ {1}) + {6} ÷ {2}",
    "{4} ÷ {1} − ({3} ÷ {0} − {5} ÷ {2})",
    "",
    "",
};

std::size_t indexOf(CharlesRateMode mode) {
  const int k = static_cast<int>(mode) - 1;
  return k >= 0 && k < 4 ? static_cast<std::size_t>(k) : 0;  // anything else: Volume
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
  return solveRate(charlesSingleRateFormula(mode), {}, fields, decimalSeparator);
}

RateOutcome solveCharlesMultipleRate(CharlesRateMode mode, const std::array<std::string, 7>& fields,
                                     std::string_view decimalSeparator) {
  return solveRate(charlesMultipleRateFormula(mode), kMultipleDivisor[indexOf(mode)], fields,
                   decimalSeparator);
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
