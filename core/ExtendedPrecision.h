#pragma once
// The formulas keep their intermediates in long double and round only the final value to
// double. Where long double is a plain double (as with Microsoft's compiler) results would
// differ in their last digits, so such a build stops here.
#include <limits>

static_assert(std::numeric_limits<long double>::digits >= 64,
              "the formulas need a long double of at least 64 mantissa bits");
