#include "core/BoyleRates.h"

namespace pelbrix {
namespace {

constexpr Quantity V{"V"}, P{"P"}, dV{.symbol = "dV/dt", .rate = true},
    dP{.symbol = "dP/dt", .rate = true};
constexpr Quantity V1{"V1"}, V2{"V2"}, P1{"P1"}, P2{"P2"}, dV1{.symbol = "dV1/dt", .rate = true},
    dV2{.symbol = "dV2/dt", .rate = true}, dP1{.symbol = "dP1/dt", .rate = true},
    dP2{.symbol = "dP2/dt", .rate = true};

}  // namespace

// Index 0 is mode 1, Volume. On "Multiple Rate" each is (first product + second product −
// third product) ÷ divisor, in that order.
constexpr RateCalculator kBoyleRates = {
    .single = {{
        {{V, {P, dV, dP}, "−({1} × {0}) ÷ {2}"}},
        {{P, {V, dV, dP}, "−({2} × {0}) ÷ {1}"}},
        {{dV, {V, P, dP}, "−({2} × {0}) ÷ {1}"}},
        {{dP, {V, P, dV}, "−({2} × {1}) ÷ {0}"}},
    }},
    .multiple = {{
        {{V2, {V1, P1, P2, dV1, dV2, dP1, dP2}, "({5} × {0} + {1} × {3} − {2} × {4}) ÷ {6}"}},
        {{P2, {V1, V2, P1, dV1, dV2, dP1, dP2}, "({5} × {0} + {2} × {3} − {6} × {1}) ÷ {4}"}},
        {{dV2, {V1, V2, P1, P2, dV1, dP1, dP2}, "({5} × {0} + {2} × {4} − {6} × {1}) ÷ {3}"}},
        {{dP2, {V1, V2, P1, P2, dV1, dV2, dP1}, "({6} × {0} + {2} × {4} − {3} × {5}) ÷ {1}"}},
    }},
};

}  // namespace pelbrix
