#pragma once

#include <limits>

namespace ravnelok {

// Every value, stored value and intermediate result. The expression language tests magnitudes
// against 1E2000 and 1E-1000, so the range of a double is not enough.
using Real = long double;
static_assert(std::numeric_limits<Real>::max_exponent10 >= 4932,
              "Real needs the 80-bit extended range");
static_assert(std::numeric_limits<Real>::digits >= 64, "Real needs a 64-bit mantissa");

}  // namespace ravnelok
