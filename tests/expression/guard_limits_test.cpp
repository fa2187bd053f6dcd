// Every guard of the evaluator on both sides of its threshold: a sum needs both sides below
// 1E2000, a product or quotient a logarithm below 2000 (868 decades give 1998.6, 869 give
// 2000.9), a divisor above 1E-1000, a power |ln x * y| of at most 2000 and |y| of at most 2000,
// a factorial at most 50, a random bound below 32000.

#include <gtest/gtest.h>

#include <random>

#include "expression/evalue.h"

namespace ravnelok {
namespace {

struct Case {
  const char* text;
  bool ok;
};

TEST(EvaluatorGuards, HoldOnBothSidesOfTheirThresholds) {
  // clang-format off
  const Case cases[] = {
      {"9.999999999999e1999+1", true}, {"1e2000+1", false}, {"1-9.999999999999e1999", true},
      {"1-1e2000", false},
      {"1e434*1e434", true}, {"1e434*1e435", false}, {"1e-434*1e-434", true},
      {"1e-434*1e-435", false}, {"0*1e3000", true},
      {"1e434/1e-434", true}, {"1e434/1e-435", false}, {"1/1e-868", true}, {"1/1e-869", false},
      {"1e-990/1e-999", true}, {"1e-1000*10/1e-1000", false}, {"0/1e-999", true},
      {"10^868", true}, {"10^869", false}, {"(-10)^868", true}, {"(-10)^869", false},
      {"1^2000", true}, {"0^2000", true}, {"0^2001", false}, {"(-1)^2000", true},
      {"(-1)^2001", false},
      {"fak(50)", true}, {"fak(51)", false}, {"fak(0)", true}, {"fak(-1)", false},
      {"slump(31999)", true}, {"slump(32000)", false}, {"slump(0)", true}, {"slump(-0.5)", false},
      {"exp(1000)", true}, {"exp(1001)", false},
  };
  // clang-format on
  std::mt19937_64 rng(3);
  EvalContext context;
  context.rng = &rng;
  for (const auto& [given, ok] : cases) {
    std::string text = given;
    Real value = 0;
    int error_position = 0;
    bool failed = false;
    EvaluateExpression(text, value, error_position, failed, context);
    EXPECT_EQ(!failed && error_position == 0, ok) << given;
  }
}

}  // namespace
}  // namespace ravnelok
