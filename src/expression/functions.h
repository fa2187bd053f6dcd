#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "expression/evalue.h"
#include "numbers/real.h"

namespace ravnelok {

// A built-in function's body: its result, or `failed` set and x returned unchanged.
using BuiltIn = Real (*)(Real x, const EvalContext& context, bool& failed);

struct BuiltInFunction {
  std::string_view name;
  BuiltIn body;
  // A random draw: the line must be computed, and draw, at every pass.
  bool draws_random = false;
};

// The built-in functions, in the order the evaluator tries them: the first name that matches
// wins, so "slump" must stand before "sl". The one table of them: the evaluator, the compiled
// programs, the caches and the reserved words (FunctionNames) all read it.
inline constexpr std::size_t kBuiltInFunctionCount = 44;
extern const std::array<BuiltInFunction, kBuiltInFunctionCount> kBuiltInFunctions;

// Whether a text may call a function that draws random numbers, in any case; such a text is
// never kept or compiled.
bool MayDrawRandomNumbers(std::string_view text);

// Below this a divisor or cosine counts as zero.
inline constexpr Real kTiny = 1E-1000L;

// The nearest whole number, ties to even in the default rounding mode.
inline Real RoundHalfEven(Real x) {
  return std::nearbyint(x);
}

}  // namespace ravnelok
