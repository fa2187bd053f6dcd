// The rounding and digit functions at the edges of their rules: negative and whole arguments of
// hel, halves for rund, each digit place on both sides of its power of ten, and the exact zeros
// and failures of the angle functions.

#include <gtest/gtest.h>

#include <optional>

#include "expression/evalue.h"

namespace ravnelok {
namespace {

struct Case {
  const char* text;
  std::optional<Real> value;  // none: fails
  bool degrees = true;
};

TEST(FunctionLimits, GiveExactValuesOrFailAtTheirEdges) {
  // clang-format off
  const Case cases[] = {
      {"hel(-3)", -3}, {"hel(-2.5)", -3}, {"hel(-0.5)", -1}, {"hel(2.5)", 2}, {"int(-3.5)", -4},
      {"afk(-2.5)", -2}, {"trunc(2.9)", 2}, {"rund(2.5)", 3}, {"rund(-2.5)", -3},
      {"rund(2.4999)", 2}, {"round(-0.5)", -1}, {"sign(-7)", -1}, {"tgn(0)", 0},
      {"sign(0.001)", 1},
      {"c0(1234.9)", 4}, {"c0(0.9)", 0}, {"c1(9.9)", 0}, {"c1(10)", 1}, {"c4(9999)", 0},
      {"c4(10000)", 1}, {"c4(98765)", 9}, {"c5(99999)", 0}, {"c5(123456)", 1},
      {"c9(1234567890)", 1}, {"c9(999999999)", 0}, {"d3(-4567)", 4}, {"c2(-4567.8)", 5},
      {"sin(180)", 0}, {"sin(0)", 0}, {"cos(90)", 0}, {"cos(-90)", 0}, {"tan(90)", std::nullopt},
      {"tan(-90)", std::nullopt}, {"tan(0)", 0, false}, {"sin(0)", 0, false},
      {"log(100)", 2}, {"log(0)", std::nullopt}, {"ln(-1)", std::nullopt},
  };
  // clang-format on
  for (const auto& [given, expected, degrees] : cases) {
    std::string text = given;
    Real value = 0;
    int error_position = 0;
    bool failed = false;
    EvalContext context;
    context.angle_in_degrees = degrees;
    EvaluateExpression(text, value, error_position, failed, context);
    const bool ok = !failed && error_position == 0;
    EXPECT_EQ(ok, expected.has_value()) << given;
    if (ok && expected) {
      EXPECT_EQ(value, *expected) << given;
    }
  }
  std::string tan270 = "tan(270)";
  Real value = 0;
  int error_position = 0;
  bool failed = false;
  EvaluateExpression(tan270, value, error_position, failed, EvalContext{});
  EXPECT_TRUE(!failed && value < -6E10 && value > -7E10);
}

}  // namespace
}  // namespace ravnelok
