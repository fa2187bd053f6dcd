#include "expression/evalue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <set>
#include <span>

#include "sheet/number_text.h"

namespace ravnelok {
namespace {

struct Outcome {
  Real value = 0;
  int error_position = -7;
  bool failed = false;
  bool Ok() const { return !failed && error_position == 0; }
};

Outcome Eval(std::string text, bool degrees = true, std::mt19937_64* rng = nullptr) {
  EvalContext context;
  context.angle_in_degrees = degrees;
  context.rng = rng;
  Outcome out;
  EvaluateExpression(text, out.value, out.error_position, out.failed, context);
  return out;
}

Real Decimal(const char* text) {
  Real v = 0;
  int error = 0;
  EXPECT_TRUE(ReadDecimal(text, v, error)) << text;
  return v;
}

struct ValueCase {
  const char* text;
  const char* expected;  // exact, after the 13-digit rounding
  bool degrees = true;
};

TEST(Evaluator, ComputesExactResults) {
  const ValueCase cases[] = {
      {"2+3*4", "14"},
      {"(2+3)*4", "20"},
      {"2^3^2", "64"},
      {"2^-2", "0.25"},
      {"-2^2", "-4"},
      {"2*-3^2", "18"},
      {"2*-2^2", "8"},
      {"3--2", "5"},
      {"+4", "4"},
      {"(+5)", "5"},
      {"2,5*2", "5"},
      {"0/5", "0"},
      {"0*1e3000", "0"},
      {"1e1999+1", "1E1999"},
      {"(-2)^3", "-8"},
      {"(-2)^2", "4"},
      {"0^2", "0"},
      {"2^0.5", "1.414213562373"},
      {"10^-300", "1E-300"},
      {"sqr(16)", "4"},
      {"kvr(16)", "4"},
      {"SQR(16)", "4"},
      {"sin(30)", "0.5000000000015"},
      {"cos(60)", "0.4999999999971"},
      {"tan(45)", "1.000000000005"},
      {"atan(1)", "44.99999999985"},
      {"sin(180)", "0"},
      {"sin(-180)", "0"},
      {"sin(0)", "0"},
      {"cos(90)", "0"},
      {"sin(0)", "0", false},
      {"tan(0)", "0", false},
      {"cos(0)", "1", false},
      {"atan(1)", "0.7853981633974", false},
      {"log(100)", "2"},
      {"ln(1)", "0"},
      {"exp(0)", "1"},
      {"hel(-2.5)", "-3"},
      {"hel(-3)", "-3"},
      {"hel(2.7)", "2"},
      {"int(-2.5)", "-3"},
      {"afk(-2.5)", "-2"},
      {"trunc(2.9)", "2"},
      {"rund(2.5)", "3"},
      {"rund(-2.5)", "-3"},
      {"round(2.4)", "2"},
      {"sign(-7)", "-1"},
      {"sign(3)", "1"},
      {"tgn(0)", "0"},
      {"abs(-3)", "3"},
      {"fak(0)", "1"},
      {"fak(1)", "1"},
      {"fak(5)", "120"},
      {"fac(5)", "120"},
      {"fak(20)", "2.432902008177E+18"},
      {"fak(50)", "3.041409320171E+64"},
      {"exp(1000)", "1.970071114017E+434"},
      {"c0(1234.9)", "4"},
      {"c1(1234)", "3"},
      {"c3(1234)", "1"},
      {"c4(1234)", "0"},
      {"c2(-567)", "5"},
      {"c0(0.5)", "0"},
      {"c5(123456)", "1"},
      {"c9(9876543210)", "9"},
      {"d0(1234.9)", "4"},
      {"d3(1234)", "1"},
      {"1.", "1"},
      {"2e3", "2000"},
      {"1.5E-0004", "0.00015"},
      {"1/3", "0.3333333333333"},
      {"12345", "12345"},
      {"(5)+1", "6"},
      {"2*(2.5E-0001)", "0.5"},
      {"2*10^5", "200000"},
      {"sin30", "0.5000000000015"},
      {"sinsin(30)", "0.008726535498428"},
      {" 2 * ( 3 + 4 ) ", "14"},
      {"SIN( 30 )", "0.5000000000015"},
      {"sin 30", "0.5000000000015"},
      {"rund(1E+4000)", "1E4000"},
  };
  for (const auto& c : cases) {
    const Outcome out = Eval(c.text, c.degrees);
    ASSERT_TRUE(out.Ok()) << c.text << " error at " << out.error_position;
    EXPECT_EQ(out.value, Decimal(c.expected)) << c.text;
  }
}

TEST(Evaluator, GuardsFailAndReadToTheEnd) {
  // Range and domain failures set the flag; reading goes on, so the error position is the end.
  const char* const in_degrees[] = {
      "7/0",        "0/0",       "1/1e-1001",      "1e1500*1e1500", "1e-1500*1e-1500",
      "1e2001+1",   "1-1e2001",  "1e1500/1e-1500", "(-8)^(1/3)",    "0^0",
      "0^0.5",      "0^-1",      "10^3000",        "(-10)^3000",    "(-2)^2000.5",
      "sqr(-1)",    "tan(90)",   "tan(-90)",       "ln(0)",         "log(-1)",
      "log(0)",     "fak(51)",   "fak(2.5)",       "fak(-1)",       "exp(1001)",
      "exp(-1001)", "slump(-1)", "slump(32000)",   "7/0+1",         "sqr(-1)*0"};
  const char* const in_radians[] = {"tan(1e30)", "sqr(-1)"};
  std::mt19937_64 rng(1);
  for (bool degrees : {true, false}) {
    for (const char* c : degrees ? std::span<const char* const>(in_degrees)
                                 : std::span<const char* const>(in_radians)) {
      std::string text = c;
      EvalContext context;
      context.angle_in_degrees = degrees;
      context.rng = &rng;
      Real value = 0;
      int error_position = -7;
      bool failed = false;
      EvaluateExpression(text, value, error_position, failed, context);
      EXPECT_TRUE(failed) << c;
      EXPECT_EQ(error_position, static_cast<int>(text.size()) + 1) << c;
      EXPECT_TRUE(std::isfinite(value)) << c;
    }
  }
}

struct SyntaxCase {
  const char* text;
  int error_position;
};

TEST(Evaluator, SyntaxErrorsStopWhereReadingStopped) {
  const SyntaxCase cases[] = {
      {"1.2.3", 4},                      // the second point
      {".5", 1},                         // a number may not start with a point
      {"2e", 3},                         // exponent without digits: one past the end
      {"2e+", 4},      {"2sin(30)", 2},  // no implicit multiplication
      {"2(5)", 2},     {"3+", 3},
      {"5)", 2},       {"(2", 3},    // missing ")"
      {"((2)", 5},     {"2*+3", 3},  // no unary plus after an operator
      {"2*--3", 4},                  // only one unary minus in a row
      {";", 1},        {"abc", 1},
      {"2+xyz", 3},    {"sqrt(16)", 4},  // "sqr" matches, then "t" starts no primary
      {"s in(30)", 1},                   // names are matched without skipping blanks
      {"sin", 4},                        // a function needs its argument
      {"sin()", 5},    {"1 2", 2},       // a blank inside a literal
      {"1e99999", 1},                    // beyond the real type's range: a malformed number
      {"5\r+3", 2},                      // a CR inside the text is no end marker
      {"2?", 2},
  };
  for (const auto& c : cases) {
    const Outcome out = Eval(c.text);
    EXPECT_FALSE(out.failed) << c.text;
    EXPECT_EQ(out.error_position, c.error_position) << c.text;
  }
}

TEST(Evaluator, EmptyTextFailsAndKeepsTheErrorPosition) {
  std::string text;
  Real value = 0;
  int error_position = 77;
  bool failed = false;
  EvaluateExpression(text, value, error_position, failed, EvalContext{});
  EXPECT_TRUE(failed);
  EXPECT_EQ(error_position, 77);
}

TEST(Evaluator, TextIsNormalisedInPlace) {
  std::string text = "-SIN(30)*2+(-2,5)";
  Real value = 0;
  int error_position = -1;
  bool failed = false;
  EvaluateExpression(text, value, error_position, failed, EvalContext{});
  EXPECT_EQ(text, "0-sin(30)*2+(0-2.5)");
  EXPECT_EQ(error_position, 0);
  EXPECT_EQ(value, Decimal("-3.500000000003"));
}

TEST(Evaluator, DegreeConstantShowsInTinyResults) {
  const Outcome sin360 = Eval("sin(360)");
  ASSERT_TRUE(sin360.Ok());
  EXPECT_GT(std::fabs(sin360.value), 1E-11L);
  EXPECT_LT(std::fabs(sin360.value), 1E-10L);
  const Outcome cos270 = Eval("cos(270)");
  ASSERT_TRUE(cos270.Ok());
  EXPECT_NE(cos270.value, 0);
  EXPECT_LT(std::fabs(cos270.value), 1E-10L);
  const Outcome tan270 = Eval("tan(270)");
  ASSERT_TRUE(tan270.Ok());
  EXPECT_NEAR(static_cast<double>(tan270.value), -6.5E10, 0.1E10);
}

TEST(Evaluator, HugeTrigArgumentsGiveZero) {
  EXPECT_EQ(Eval("sin(1e30)", false).value, 0);
  EXPECT_EQ(Eval("cos(1e30)", false).value, 0);
  EXPECT_TRUE(Eval("sin(1e30)", false).Ok());
}

TEST(Evaluator, RandomFunctionsDrawFromTheGenerator) {
  std::mt19937_64 rng(12345);
  for (const char* name : {"slump", "rand", "rd", "sl"}) {
    std::set<long long> seen;
    for (int i = 0; i < 300; ++i) {
      const Outcome out = Eval(std::string(name) + "(6)", true, &rng);
      ASSERT_TRUE(out.Ok()) << name;
      ASSERT_EQ(out.value, std::trunc(out.value)) << name;
      ASSERT_GE(out.value, 1) << name;
      ASSERT_LE(out.value, 6) << name;
      seen.insert(static_cast<long long>(out.value));
    }
    EXPECT_EQ(seen.size(), 6u) << name;
  }
  std::set<Real> reals;
  for (int i = 0; i < 200; ++i) {
    const Outcome out = Eval("slump(0)", true, &rng);
    ASSERT_TRUE(out.Ok());
    ASSERT_GE(out.value, 0);
    ASSERT_LT(out.value, 1);
    reals.insert(out.value);
  }
  EXPECT_GT(reals.size(), 190u);
  // Below 0.5 the count rounds to 0 and the draw is 1; 6.5 rounds to the even 6: never a 7.
  for (const char* text : {"slump(0.5)", "slump(0.2)"}) {
    const Outcome out = Eval(text, true, &rng);
    ASSERT_TRUE(out.Ok()) << text;
    EXPECT_EQ(out.value, 1) << text;
  }
  for (int i = 0; i < 200; ++i) ASSERT_LE(Eval("slump(6.5)", true, &rng).value, 6);
}

TEST(Evaluator, RandomFailsWithoutAGenerator) {
  const Outcome out = Eval("slump(6)");
  EXPECT_TRUE(out.failed);
  EXPECT_EQ(out.error_position, 9);
}

std::string Repeat(const std::string& part, int n) {
  std::string out;
  out.reserve(part.size() * n);
  for (int i = 0; i < n; ++i) out += part;
  return out;
}

TEST(Evaluator, NestingIsBounded) {
  const int limit = kMaxEvalDepth;
  EXPECT_TRUE(Eval(Repeat("(", limit) + "1" + Repeat(")", limit)).Ok());
  EXPECT_FALSE(Eval(Repeat("(", limit + 1) + "1" + Repeat(")", limit + 1)).Ok());
  EXPECT_TRUE(Eval(Repeat("abs", limit) + "1").Ok());
  EXPECT_FALSE(Eval(Repeat("abs", limit + 1) + "1").Ok());
  EXPECT_TRUE(Eval(Repeat("-(", limit) + "1" + Repeat(")", limit)).Ok());

  // Far deeper texts fail cleanly instead of overflowing the stack.
  const int deep = 100000;
  const Outcome brackets = Eval(Repeat("(", deep) + "1" + Repeat(")", deep));
  EXPECT_FALSE(brackets.Ok());
  EXPECT_EQ(brackets.error_position, limit + 1);
  EXPECT_FALSE(Eval(Repeat("sin(", deep) + "30" + Repeat(")", deep)).Ok());
  // Kept shorter: every "(-" is rewritten to "(0-" first, one insertion at a time.
  EXPECT_FALSE(Eval(Repeat("-(", 5000) + "1" + Repeat(")", 5000)).Ok());
  EXPECT_FALSE(Eval(Repeat("sin", deep) + "30").Ok());
}

TEST(Evaluator, LongFlatTextsAreLinear) {
  const int terms = 500000;  // about 1 MB
  const auto start = std::chrono::steady_clock::now();
  const Outcome sum = Eval(Repeat("1+", terms) + "1");
  const Outcome power = Eval(Repeat("1^", terms) + "1");
  const Outcome product = Eval(Repeat("2*0.5*", terms / 2) + "1");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  ASSERT_TRUE(sum.Ok());
  EXPECT_EQ(sum.value, terms + 1);
  ASSERT_TRUE(power.Ok());
  EXPECT_EQ(power.value, 1);
  ASSERT_TRUE(product.Ok());
  EXPECT_EQ(product.value, 1);
  // Generous even for sanitizer builds; a quadratic pass over 1 MB would take minutes.
  EXPECT_LT(elapsed, std::chrono::seconds(10));
}

void ExpectSane(const std::string& text, std::mt19937_64* rng) {
  const Outcome out = Eval(text, true, rng);
  ASSERT_TRUE(std::isfinite(out.value)) << text;
  // Every outcome is reported: a success, the failed flag or a position where reading stopped.
  ASSERT_TRUE(out.Ok() || out.failed || out.error_position > 0) << text;
  ASSERT_LE(out.error_position, static_cast<int>(text.size()) + 3) << text;
}

TEST(Evaluator, EveryByteGivesAValueOrAFailure) {
  std::mt19937_64 rng(7);
  for (int b = 0; b < 256; ++b) {
    const std::string c(1, static_cast<char>(b));
    for (const std::string& text :
         {c, "1" + c + "2", c + "(1)", "sin" + c + "30", "2e" + c, "(" + c, "1." + c, c + c + c}) {
      ExpectSane(text, &rng);
    }
  }
}

TEST(Evaluator, RandomTextsNeverCrashOrOverflow) {
  std::mt19937_64 rng(2024);
  const std::string alphabet = "0123456789.e+-*/^() ,sinco5tag0lbfkdrumphq;?\r";
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    const int n = 1 + static_cast<int>(rng() % 40);
    for (int j = 0; j < n; ++j) {
      text += rng() % 10 == 0 ? static_cast<char>(rng() % 256) : alphabet[rng() % alphabet.size()];
    }
    ExpectSane(text, &rng);
  }
}

}  // namespace
}  // namespace ravnelok
