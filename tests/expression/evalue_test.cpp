#include "expression/evalue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <set>

#include "numbers/number_text.h"

namespace ravnelok {
namespace {

struct Outcome {
  Real value = 0;
  int error_position = -7;
  bool failed = false;
  int length = 0;  // of the text as normalised in place
  bool Ok() const { return !failed && error_position == 0; }
};

Outcome Eval(std::string text, bool degrees = true, std::mt19937_64* rng = nullptr) {
  EvalContext context;
  context.angle_in_degrees = degrees;
  context.rng = rng;
  Outcome out;
  EvaluateExpression(text, out.value, out.error_position, out.failed, context);
  out.length = static_cast<int>(text.size());
  return out;
}

std::string Repeat(const std::string& part, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += part;
  return out;
}

TEST(Evaluator, ComputesExactResults) {
  const struct {
    const char* text;
    const char* expected;  // exact, after the 13-digit rounding
    bool degrees = true;
  } cases[] = {
      {"2+3*4", "14"},
      {"2^3^2", "64"},
      {"2^-2", "0.25"},
      {"-2^2", "-4"},
      {"2*-3^2", "18"},
      {"3--2", "5"},
      {"+4", "4"},
      {"2,5*2", "5"},
      {"0*1e3000", "0"},
      {"1e1999+1", "1E1999"},
      {"2^0.5", "1.414213562373"},
      {"10^-300", "1E-300"},
      {"sin(30)", "0.5000000000015"},
      {"atan(1)", "44.99999999985"},
      {"sin(0)", "0", false},
      {"atan(1)", "0.7853981633974", false},
      {"sin(1e30)", "0", false},  // huge arguments give zero
      {"hel(-2.5)", "-3"},
      {"rund(2.5)", "3"},
      {"rund(-2.5)", "-3"},
      {"sign(-7)", "-1"},
      {"abs(-3)", "3"},
      {"fak(20)", "2.432902008177E+18"},
      {"exp(1000)", "1.970071114017E+434"},
      {"c0(1234.9)", "4"},
      {"c0(0.5)", "0"},
      {"c9(9876543210)", "9"},
      {"1.", "1"},
      {"1/3", "0.3333333333333"},
      {"sin30", "0.5000000000015"},
      {"sinsin(30)", "0.008726535498428"},
      {" 2 * ( 3 + 4 ) ", "14"},
      {"rund(1E+4000)", "1E4000"},
  };
  for (const auto& c : cases) {
    const Outcome out = Eval(c.text, c.degrees);
    Real expected = 0;
    int error = 0;
    ASSERT_TRUE(ReadDecimal(c.expected, expected, error));
    ASSERT_TRUE(out.Ok()) << c.text << " error at " << out.error_position;
    EXPECT_EQ(out.value, expected) << c.text;
  }
}

TEST(Evaluator, GuardsFailAndReadToTheEnd) {
  // Range and domain failures set the flag; reading goes on, so the error position is the end.
  const char* const texts[] = {
      "7/0",        "0/0",       "1/1e-1001",    "1e1500*1e1500", "1e-1500*1e-1500",
      "1e2001+1",   "1-1e2001",  "(-8)^(1/3)",   "0^0",           "0^0.5",
      "0^-1",       "10^3000",   "(-2)^2000.5",  "sqr(-1)",       "tan(90)",
      "ln(0)",      "log(-1)",   "fak(51)",      "fak(2.5)",      "exp(1001)",
      "exp(-1001)", "slump(-1)", "slump(32000)", "sqr(-1)*0"};
  std::mt19937_64 rng(1);
  const auto expect_guard = [&](const std::string& text, bool degrees) {
    const Outcome out = Eval(text, degrees, &rng);
    EXPECT_TRUE(out.failed) << text;
    EXPECT_EQ(out.error_position, out.length + 1) << text;
    EXPECT_TRUE(std::isfinite(out.value)) << text;
  };
  for (const char* text : texts) expect_guard(text, true);
  expect_guard("tan(1e30)", false);
  expect_guard("sqr(-1)", false);
  EXPECT_EQ(Eval("slump(6)").error_position, 9);  // random numbers need a generator
  EXPECT_TRUE(Eval("slump(6)").failed);
}

TEST(Evaluator, SyntaxErrorsStopWhereReadingStopped) {
  const std::pair<const char*, int> cases[] = {
      {"1.2.3", 4},                             // the second point
      {".5", 1},                                // a number may not start with a point
      {"2e", 3},                                // exponent without digits: one past the end
      {"2sin(30)", 2},                          // no implicit multiplication
      {"3+", 3},       {"5)", 2},   {"(2", 3},  // missing ")"
      {"((2)", 5},     {"2*+3", 3},             // no unary plus after an operator
      {"2*--3", 4},                             // only one unary minus in a row
      {";", 1},        {"abc", 1},  {"2+xyz", 3},
      {"sqrt(16)", 4},              // "sqr" matches, then "t" starts no primary
      {"s in(30)", 1},              // names are matched without skipping blanks
      {"sin", 4},                   // a function needs its argument
      {"sin()", 5},    {"1 2", 2},  // a blank inside a literal
      {"1e99999", 1},               // beyond the real type's range: a malformed number
      {"5\r+3", 2},                 // a CR inside the text is no end marker
      {"2?", 2},
  };
  for (const auto& [text, position] : cases) {
    const Outcome out = Eval(text);
    EXPECT_FALSE(out.failed) << text;
    EXPECT_EQ(out.error_position, position) << text;
  }
}

TEST(Evaluator, TextIsNormalisedInPlaceAndEmptyTextFails) {
  std::string text = "-SIN(30)*2+(-2,5)";
  Real value = 0;
  int error_position = -1;
  bool failed = false;
  EvaluateExpression(text, value, error_position, failed, EvalContext{});
  EXPECT_EQ(text, "0-sin(30)*2+(0-2.5)");
  EXPECT_EQ(value, Eval("-3.500000000003").value);
  text.clear();
  error_position = 77;
  EvaluateExpression(text, value, error_position, failed, EvalContext{});
  EXPECT_TRUE(failed);
  EXPECT_EQ(error_position, 77);  // kept
}

TEST(Evaluator, DegreeConstantShowsInTinyResults) {
  const Real sin360 = std::fabs(Eval("sin(360)").value), cos270 = Eval("cos(270)").value;
  EXPECT_TRUE(sin360 > 1E-11L && sin360 < 1E-10L);
  EXPECT_TRUE(cos270 != 0 && std::fabs(cos270) < 1E-10L);
  EXPECT_NEAR(static_cast<double>(Eval("tan(270)").value), -6.5E10, 0.1E10);
}

TEST(Evaluator, RandomFunctionsDrawFromTheGenerator) {
  std::mt19937_64 rng(12345);
  for (const char* name : {"slump", "rand", "rd", "sl"}) {
    std::set<Real> seen;
    for (int i = 0; i < 300; ++i) seen.insert(Eval(std::string(name) + "(6)", true, &rng).value);
    EXPECT_EQ(seen, (std::set<Real>{1, 2, 3, 4, 5, 6})) << name;
  }
  for (int i = 0; i < 200; ++i) {
    const Outcome out = Eval("slump(0)", true, &rng);
    ASSERT_TRUE(out.Ok() && out.value >= 0 && out.value < 1) << out.value;
  }
  // Below 0.5 the count rounds to 0 and the draw is 1; 6.5 rounds to the even 6: never a 7.
  EXPECT_EQ(Eval("slump(0.5)", true, &rng).value, 1);
  for (int i = 0; i < 200; ++i) ASSERT_LE(Eval("slump(6.5)", true, &rng).value, 6);
}

TEST(Evaluator, NestingIsBounded) {
  const int limit = kMaxEvalDepth, deep = 100000;
  EXPECT_TRUE(Eval(Repeat("(", limit) + "1" + Repeat(")", limit)).Ok());
  EXPECT_FALSE(Eval(Repeat("(", limit + 1) + "1" + Repeat(")", limit + 1)).Ok());
  EXPECT_TRUE(Eval(Repeat("abs", limit) + "1").Ok());
  EXPECT_FALSE(Eval(Repeat("abs", limit + 1) + "1").Ok());
  EXPECT_TRUE(Eval(Repeat("-(", limit) + "1" + Repeat(")", limit)).Ok());
  // Far deeper texts fail cleanly instead of overflowing the stack.
  EXPECT_EQ(Eval(Repeat("(", deep) + "1" + Repeat(")", deep)).error_position, limit + 1);
  EXPECT_FALSE(Eval(Repeat("sin(", deep) + "30" + Repeat(")", deep)).Ok());
  EXPECT_FALSE(Eval(Repeat("sin", deep) + "30").Ok());
}

TEST(Evaluator, LongFlatTextsAreLinear) {
  const int terms = 500000;  // about 1 MB
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Eval(Repeat("1+", terms) + "1").value, terms + 1);
  EXPECT_EQ(Eval(Repeat("1^", terms) + "1").value, 1);
  EXPECT_EQ(Eval(Repeat("2*0.5*", terms / 2) + "3").value, 3);
  // Generous even for sanitizer builds; a quadratic pass over 1 MB would take minutes.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

// Every outcome is finite and reported: a success, the failed flag or where reading stopped.
void ExpectSane(const std::string& text, std::mt19937_64* rng) {
  const Outcome out = Eval(text, true, rng);
  ASSERT_TRUE(std::isfinite(out.value)) << text;
  ASSERT_TRUE(out.Ok() || out.failed || out.error_position > 0) << text;
  ASSERT_LE(out.error_position, static_cast<int>(text.size()) + 3) << text;
}

TEST(Evaluator, EveryByteAndRandomTextGiveAValueOrAFailure) {
  std::mt19937_64 rng(7);
  for (int b = 0; b < 256; ++b) {
    const std::string c(1, static_cast<char>(b));
    for (const std::string& text :
         {c, "1" + c + "2", c + "(1)", "sin" + c + "30", "2e" + c, "(" + c, "1." + c, c + c + c}) {
      ExpectSane(text, &rng);
    }
  }
  const std::string alphabet = "0123456789.e+-*/^() ,sinco5tag0lbfkdrumphq;?\r";
  for (int i = 0; i < 5000; ++i) {
    std::string text;
    for (int j = 1 + static_cast<int>(rng() % 40); j > 0; --j) {
      text += rng() % 10 == 0 ? static_cast<char>(rng() % 256) : alphabet[rng() % alphabet.size()];
    }
    ExpectSane(text, &rng);
  }
}

}  // namespace
}  // namespace ravnelok
