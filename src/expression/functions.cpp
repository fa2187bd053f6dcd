#include "expression/functions.h"

#include <cmath>
#include <random>

#include "document/function_names.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

// The ten-decimal pi of the degree conversions, kept as it is so that results match the
// established digits (sin 30 = 0.5000000000015).
constexpr Real kPi10 = 3.1415926536L;
// The hardware sine gives up at 2^63; beyond it sine and cosine are 0.
constexpr Real kTrigLimit = 9223372036854775808.0L;

Real Sine(Real a) {
  return std::fabs(a) >= kTrigLimit ? 0 : std::sin(a);
}
Real Cosine(Real a) {
  return std::fabs(a) >= kTrigLimit ? 0 : std::cos(a);
}
Real DegreesToRadians(Real x) {
  return x / 180 * kPi10;
}

Real Fail(Real x, bool& failed) {
  failed = true;
  return x;
}

Real Abs(Real x, const EvalContext&, bool&) {
  return std::fabs(x);
}

Real SquareRoot(Real x, const EvalContext&, bool& failed) {
  return x < 0 ? Fail(x, failed) : std::sqrt(x);
}

Real Sin(Real x, const EvalContext& context, bool&) {
  if (!context.angle_in_degrees) return Sine(x);
  if (std::fabs(x) == 180 || x == 0) return 0;
  return Sine(DegreesToRadians(x));
}

Real Cos(Real x, const EvalContext& context, bool&) {
  if (!context.angle_in_degrees) return Cosine(x);
  if (std::fabs(x) == 90) return 0;
  return Cosine(DegreesToRadians(x));
}

Real Tan(Real x, const EvalContext& context, bool& failed) {
  // The guards look at the raw argument in radians, whatever the angle unit.
  const Real s = Sine(x);
  const Real c = Cosine(x);
  if (s == 0 && c != 0) return 0;
  if (std::fabs(c) <= kTiny) return Fail(x, failed);
  if (std::fabs(std::log(std::fabs(c)) + std::log(std::fabs(s))) >= 1000) return Fail(x, failed);
  if (!context.angle_in_degrees) return s / c;
  if (std::fabs(x) == 90) return Fail(x, failed);
  const Real a = DegreesToRadians(x);
  return Sine(a) / Cosine(a);
}

Real Atan(Real x, const EvalContext& context, bool&) {
  return context.angle_in_degrees ? std::atan(x) / kPi10 * 180 : std::atan(x);
}

Real Log10(Real x, const EvalContext&, bool& failed) {
  return x <= 0 ? Fail(x, failed) : std::log(x) / std::log(10.0L);
}

Real Ln(Real x, const EvalContext&, bool& failed) {
  return x <= 0 ? Fail(x, failed) : std::log(x);
}

Real Truncate(Real x, const EvalContext&, bool&) {
  return std::trunc(x);
}

Real Floor(Real x, const EvalContext&, bool&) {
  if (x >= 0 || IsWhole(x)) return std::trunc(x);
  return std::trunc(x) - 1;
}

Real Round(Real x, const EvalContext&, bool&) {
  return x >= 0 ? std::trunc(x + 0.5L) : std::trunc(x - 0.5L);
}

Real Exp(Real x, const EvalContext&, bool& failed) {
  return std::fabs(x) > 1000 ? Fail(x, failed) : std::exp(x);
}

Real Random(Real x, const EvalContext& context, bool& failed) {
  if (context.rng == nullptr) return Fail(x, failed);
  if (x > 0 && std::fabs(x) < 32000) {
    const auto n = static_cast<long long>(RoundHalfEven(std::fabs(x)));
    if (n == 0) return 1;
    return static_cast<Real>(std::uniform_int_distribution<long long>(1, n)(*context.rng));
  }
  if (x == 0) {
    // On a grid of 1E-13: a result is rounded to 13 significant digits, and a finer draw
    // could round up to 1, outside [0, 1).
    constexpr long long kSteps = 10000000000000LL;
    const auto k = std::uniform_int_distribution<long long>(0, kSteps - 1)(*context.rng);
    return static_cast<Real>(k) / kSteps;
  }
  return Fail(x, failed);
}

Real Factorial(Real x, const EvalContext&, bool& failed) {
  if (x < 0 || std::trunc(x) > 50 || !IsWhole(x)) return Fail(x, failed);
  Real result = 1;
  for (Real counter = x; counter > 1; counter -= 1) result *= counter;
  return result;
}

Real Sign(Real x, const EvalContext&, bool&) {
  return x < 0 ? -1 : (x == 0 ? 0 : 1);
}

// Digit K (0 = units) of the integer part of |x|, in these exact real-type steps.
template <int K>
Real Digit(Real x, const EvalContext&, bool&) {
  const Real a = std::fabs(x);
  if constexpr (K == 0) {
    if (a < 1) return 0;
    return std::trunc(a) - std::trunc(a / 10) * 10;
  } else if constexpr (K <= 4) {
    Real p = 1;
    for (int i = 0; i < K; ++i) p *= 10;
    if (a < p) return 0;
    const Real p1 = p * 10;
    return std::trunc((std::trunc(a) - std::trunc(a / p1) * p1) / p);
  } else {
    Real v = a;
    for (int i = 0; i < K; ++i) v /= 10;
    v = std::trunc(v);
    return std::trunc(v) - std::trunc(v / 10) * 10;
  }
}

}  // namespace

// One row a function: adding a function is adding its row (and its body above).
const std::array<BuiltInFunction, kBuiltInFunctionCount> kBuiltInFunctions = {{
    {"abs", Abs},         {"sqr", SquareRoot},
    {"kvr", SquareRoot},  {"sin", Sin},
    {"cos", Cos},         {"tan", Tan},
    {"atan", Atan},       {"log", Log10},
    {"ln", Ln},           {"afk", Truncate},
    {"hel", Floor},       {"rund", Round},
    {"exp", Exp},         {"slump", Random, true},
    {"fak", Factorial},   {"trunc", Truncate},
    {"int", Floor},       {"round", Round},
    {"sign", Sign},       {"rand", Random, true},
    {"rd", Random, true}, {"sl", Random, true},
    {"fac", Factorial},   {"c0", Digit<0>},
    {"c1", Digit<1>},     {"c2", Digit<2>},
    {"c3", Digit<3>},     {"c4", Digit<4>},
    {"c5", Digit<5>},     {"c6", Digit<6>},
    {"c7", Digit<7>},     {"c8", Digit<8>},
    {"c9", Digit<9>},     {"d0", Digit<0>},
    {"d1", Digit<1>},     {"d2", Digit<2>},
    {"d3", Digit<3>},     {"d4", Digit<4>},
    {"d5", Digit<5>},     {"d6", Digit<6>},
    {"d7", Digit<7>},     {"d8", Digit<8>},
    {"d9", Digit<9>},     {"tgn", Sign},
}};

const std::string& FunctionNames() {
  static const std::string names = [] {
    std::string list = "&";
    for (const BuiltInFunction& f : kBuiltInFunctions) {
      list += f.name;
      list += '&';
    }
    return list;
  }();
  return names;
}

bool MayDrawRandomNumbers(std::string_view text) {
  for (const BuiltInFunction& f : kBuiltInFunctions) {
    if (f.draws_random && FindDanishLower(text, f.name) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace ravnelok
