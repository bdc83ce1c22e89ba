#include "core/CharlesRates.h"

namespace pelbrix {
namespace {

constexpr Quantity V{"V"}, T{"T", true}, dV{.symbol = "dV/dt", .rate = true},
    dT{.symbol = "dT/dt", .rate = true};
constexpr Quantity V1{"V1"}, V2{"V2"}, T1{"T1", true}, T2{"T2", true},
    dV1{.symbol = "dV1/dt", .rate = true}, dV2{.symbol = "dV2/dt", .rate = true},
    dT1{.symbol = "dT1/dt", .rate = true}, dT2{.symbol = "dT2/dt", .rate = true};

}  // namespace

// Index 0 is mode 1, Volume. On "Multiple Rate" dV1/V1 − dT1/T1 = dV2/V2 − dT2/T2 is solved
// for each quantity of state 2; state 1's side stays in parentheses, so the working shows the
// relation. The parenthesised divisors of the first two are tested: when they come to 0,
// state 2 has no such volume or temperature.
constexpr RateCalculator kCharlesRates = {
    .single = {{{{V, {T, dV, dT}, "{0} × {1} ÷ {2}"}},
                {{T, {V, dV, dT}, "{0} × {2} ÷ {1}"}},
                {{dV, {V, T, dT}, "{0} × {2} ÷ {1}"}},
                {{dT, {V, T, dV}, "{1} × {2} ÷ {0}"}}}},
    .multiple = {{
        {{V2, {V1, T1, T2, dV1, dV2, dT1, dT2}, "{4} ÷ (({3} ÷ {0} − {5} ÷ {1}) + {6} ÷ {2})"},
         "({3} ÷ {0} − {5} ÷ {1}) + {6} ÷ {2}"},
        {{T2, {V1, V2, T1, dV1, dV2, dT1, dT2}, "{6} ÷ ({4} ÷ {1} − ({3} ÷ {0} − {5} ÷ {2}))"},
         "{4} ÷ {1} − ({3} ÷ {0} − {5} ÷ {2})"},
        {{dV2, {V1, V2, T1, T2, dV1, dT1, dT2}, "{1} × (({4} ÷ {0} − {5} ÷ {2}) + {6} ÷ {3})"}},
        {{dT2, {V1, V2, T1, T2, dV1, dV2, dT1}, "{3} × ({5} ÷ {1} − ({4} ÷ {0} − {6} ÷ {2}))"}},
    }},
};

}  // namespace pelbrix
