#include "expression/evalue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <set>

#include "document/ui_texts.h"
#include "expression/conditions.h"
#include "numbers/number_text.h"
#include "text/cp1252.h"

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

// Exact, after the 13-digit rounding; huge arguments of sin give zero.
TEST(Evaluator, ComputesExactResults) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"2+3*4", "14"}, {"2^3^2", "64"}, {"2^-2", "0.25"}, {"-2^2", "-4"}, {"2*-3^2", "18"},
      {"3--2", "5"}, {"1e1999+1", "1E1999"}, {"2^0.5", "1.414213562373"},
      {"sin(30)", "0.5000000000015"}, {"atan(1)", "44.99999999985"}, {"hel(-2.5)", "-3"},
      {"rund(-2.5)", "-3"}, {"fak(20)", "2.432902008177E+18"},
      {"exp(1000)", "1.970071114017E+434"}, {"c0(1234.9)", "4"}, {"1/3", "0.3333333333333"},
      {"sin30", "0.5000000000015"}, {"sinsin(30)", "0.008726535498428"},
      {"rund(1E+4000)", "1E4000"}};
  // clang-format on
  for (const auto& [text, want] : cases) {
    const Outcome out = Eval(text);
    Real expected = 0;
    int error = 0;
    ASSERT_TRUE(ReadDecimal(want, expected, error));
    ASSERT_TRUE(out.Ok()) << text << " error at " << out.error_position;
    EXPECT_EQ(out.value, expected) << text;
  }
  EXPECT_EQ(Eval("sin(1e30)", false).value, 0);
}

TEST(Evaluator, GuardsFailAndReadToTheEndSyntaxErrorsStopWhereReadingStopped) {
  // Range and domain failures set the flag; reading goes on, so the error position is the end.
  // clang-format off
  const char* const texts[] = {
      "7/0", "0/0", "1/1e-1001", "1e1500*1e1500", "1e-1500*1e-1500", "1e2001+1", "1-1e2001",
      "(-8)^(1/3)", "0^0", "0^0.5", "0^-1", "10^3000", "(-2)^2000.5", "sqr(-1)", "tan(90)",
      "ln(0)", "log(-1)", "fak(51)", "fak(2.5)", "exp(1001)", "exp(-1001)", "slump(-1)",
      "slump(32000)", "sqr(-1)*0"};
  // clang-format on
  std::mt19937_64 rng(1);
  const auto expect_guard = [&](const std::string& text, bool degrees) {
    const Outcome out = Eval(text, degrees, &rng);
    EXPECT_TRUE(out.failed) << text;
    EXPECT_EQ(out.error_position, out.length + 1) << text;
    EXPECT_TRUE(std::isfinite(out.value)) << text;
  };
  for (const char* text : texts) expect_guard(text, true);
  expect_guard("tan(1e30)", false);
  const Outcome no_generator = Eval("slump(6)");  // random numbers need a generator
  EXPECT_TRUE(no_generator.failed && no_generator.error_position == 9);
  // A number may not start with a point nor have a second one, an exponent needs digits (the
  // position is then one past the end); no implicit multiplication; no unary plus after an
  // operator and only one unary minus in a row; names are matched without skipping blanks
  // ("sqr" matches in "sqrt", then "t" starts no primary); a function needs its argument; a
  // blank inside a literal, a number beyond the real type's range and a CR all stop reading.
  // clang-format off
  const std::pair<const char*, int> cases[] = {
      {"1.2.3", 4}, {".5", 1}, {"2e", 3}, {"2sin(30)", 2}, {"5)", 2}, {"((2)", 5}, {"2*+3", 3},
      {"2*--3", 4}, {";", 1}, {"abc", 1}, {"2+xyz", 3}, {"sqrt(16)", 4}, {"s in(30)", 1},
      {"sin", 4}, {"sin()", 5}, {"1 2", 2}, {"1e99999", 1}, {"5\r+3", 2}, {"2?", 2}};
  // clang-format on
  for (const auto& [text, position] : cases) {
    const Outcome out = Eval(text);
    EXPECT_FALSE(out.failed) << text;
    EXPECT_EQ(out.error_position, position) << text;
  }
}

// Every guard on both sides of its threshold: a sum needs both sides below 1E2000, a product or
// quotient a logarithm below 2000 (868 decades give 1998.6, 869 give 2000.9), a divisor above
// 1E-1000, a power |ln x * y| and |y| of at most 2000, a factorial at most 50, a random bound
// below 32000. Then the rounding and digit functions at their edges (value 0.5: any value).
TEST(Evaluator, GuardsAndFunctionsAtTheirLimits) {
  // clang-format off
  const std::pair<const char*, bool> guards[] = {
      {"9.999999999999e1999+1", true}, {"1e2000+1", false}, {"1-9.999999999999e1999", true},
      {"1-1e2000", false}, {"1e434*1e434", true}, {"1e434*1e435", false},
      {"1e-434*1e-434", true}, {"1e-434*1e-435", false}, {"0*1e3000", true},
      {"1e434/1e-434", true}, {"1e434/1e-435", false}, {"1/1e-868", true}, {"1/1e-869", false},
      {"1e-990/1e-999", true}, {"1e-1000*10/1e-1000", false}, {"0/1e-999", true},
      {"10^868", true}, {"10^869", false}, {"(-10)^868", true}, {"(-10)^869", false},
      {"1^2000", true}, {"0^2000", true}, {"0^2001", false}, {"(-1)^2000", true},
      {"(-1)^2001", false}, {"fak(50)", true}, {"fak(51)", false}, {"fak(0)", true},
      {"fak(-1)", false}, {"slump(31999)", true}, {"slump(32000)", false}, {"slump(0)", true},
      {"slump(-0.5)", false}, {"exp(1000)", true}, {"exp(1001)", false}};
  // clang-format on
  std::mt19937_64 rng(3);
  for (const auto& [text, ok] : guards) EXPECT_EQ(Eval(text, true, &rng).Ok(), ok) << text;
  // Radians where the text ends in "r"; nothing: fails.
  // clang-format off
  const std::pair<std::string, std::optional<Real>> functions[] = {
      {"hel(-3)", -3}, {"hel(-2.5)", -3}, {"hel(-0.5)", -1}, {"hel(2.5)", 2}, {"int(-3.5)", -4},
      {"afk(-2.5)", -2}, {"trunc(2.9)", 2}, {"rund(2.5)", 3}, {"rund(-2.5)", -3},
      {"rund(2.4999)", 2}, {"round(-0.5)", -1}, {"sign(-7)", -1}, {"tgn(0)", 0},
      {"sign(0.001)", 1}, {"c0(1234.9)", 4}, {"c0(0.9)", 0}, {"c1(9.9)", 0}, {"c1(10)", 1},
      {"c4(9999)", 0}, {"c4(10000)", 1}, {"c4(98765)", 9}, {"c5(99999)", 0}, {"c5(123456)", 1},
      {"c9(1234567890)", 1}, {"c9(999999999)", 0}, {"d3(-4567)", 4}, {"c2(-4567.8)", 5},
      {"sin(180)", 0}, {"sin(0)", 0}, {"cos(90)", 0}, {"cos(-90)", 0}, {"tan(90)", {}},
      {"tan(-90)", {}}, {"tan(0)r", 0}, {"sin(0)r", 0}, {"log(100)", 2}, {"log(0)", {}},
      {"ln(-1)", {}}};
  // clang-format on
  for (const auto& [given, expected] : functions) {
    const bool radians = given.back() == 'r';
    const Outcome out = Eval(radians ? given.substr(0, given.size() - 1) : given, !radians);
    EXPECT_EQ(out.Ok(), expected.has_value()) << given;
    if (out.Ok() && expected) {
      EXPECT_EQ(out.value, *expected) << given;
    }
  }
  const Outcome tan270 = Eval("tan(270)");
  EXPECT_TRUE(tan270.Ok() && tan270.value < -6E10 && tan270.value > -7E10);
}

// The values a fast way may take as their own reading: 0 and the magnitudes from 2^-16277 up to
// 2^16277 (about 1.4E-4900 to 7.3E4899), either sign; read off the bits, which must agree with the
// comparisons at both ends. The sign read off the bits is signbit's, -0 and NaN included.
TEST(Evaluator, ReadsBackExactlyAndSignBitAtTheirEnds) {
  const Real low = std::ldexp(1.0L, -16277);
  const Real high = std::ldexp(1.0L, 16277);
  const Real inf = std::numeric_limits<Real>::infinity();
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  // clang-format off
  const std::pair<Real, bool> cases[] = {
      {0.0L, true}, {-0.0L, true}, {1, true}, {-1.5L, true}, {low, true}, {-low, true},
      {std::nextafter(low, 0.0L), false}, {std::nextafter(high, 0.0L), true},
      {-std::nextafter(high, 0.0L), true}, {high, false}, {-high, false}, {1E-4900L, false},
      {2E-4900L, true}, {7E4899L, true}, {1E4900L, false}, {inf, false}, {-inf, false},
      {std::numeric_limits<Real>::denorm_min(), false}, {nan, false}, {-nan, false}};
  // clang-format on
  for (const auto& [v, reads_back] : cases) {
    EXPECT_EQ(ReadsBackExactly(v), reads_back) << ScientificText21(v);
    EXPECT_EQ(SignBit(v), std::signbit(v)) << ScientificText21(v);
  }
}

// An empty text fails and keeps the error position it was given.
TEST(Evaluator, TextIsNormalisedInPlaceAndEmptyTextFails) {
  std::string text = "-SIN(30)*2+(-2,5)";
  Real value = 0;
  int error_position = 77;
  bool failed = false;
  EvaluateExpression(text, value, error_position, failed, EvalContext{});
  EXPECT_EQ(text + "|" + std::to_string(error_position), "0-sin(30)*2+(0-2.5)|0");
  EXPECT_EQ(value, Eval("-3.500000000003").value);
  text.clear();
  error_position = 77;
  EvaluateExpression(text, value, error_position, failed, EvalContext{});
  EXPECT_TRUE(failed && error_position == 77);
}

// Below 0.5 the count rounds to 0 and the draw is 1; 6.5 rounds to the even 6: never a 7.
TEST(Evaluator, RandomFunctionsDrawFromTheGeneratorAndNestingIsBounded) {
  std::mt19937_64 rng(12345);
  for (const char* name : {"slump", "rand", "rd", "sl"}) {
    std::set<Real> seen;
    for (int i = 0; i < 300; ++i) seen.insert(Eval(std::string(name) + "(6.5)", true, &rng).value);
    EXPECT_EQ(seen, (std::set<Real>{1, 2, 3, 4, 5, 6})) << name;
  }
  const Real fraction = Eval("slump(0)", true, &rng).value;
  EXPECT_TRUE(fraction >= 0 && fraction < 1 && fraction != Eval("slump(0)", true, &rng).value);
  EXPECT_EQ(Eval("slump(0.5)", true, &rng).value, 1);
  const int limit = kMaxEvalDepth, deep = 100000;
  EXPECT_TRUE(Eval(Repeat("(", limit) + "1" + Repeat(")", limit)).Ok());
  EXPECT_FALSE(Eval(Repeat("(", limit + 1) + "1" + Repeat(")", limit + 1)).Ok());
  EXPECT_TRUE(Eval(Repeat("-(", limit) + "1" + Repeat(")", limit)).Ok());
  // Far deeper texts fail cleanly instead of overflowing the stack.
  EXPECT_EQ(Eval(Repeat("(", deep) + "1" + Repeat(")", deep)).error_position, limit + 1);
  EXPECT_FALSE(Eval(Repeat("sin(", deep) + "30" + Repeat(")", deep)).Ok());
  EXPECT_FALSE(Eval(Repeat("sin", deep) + "30").Ok());
}

// The texts as they reach the condition step (x = 5 substituted as "(5)"), in UTF-8; the
// expected text has its blanks removed, "!" for a failure. Without ELLERS a false condition
// leaves an empty text; text before HVIS is dropped; only first occurrences count, so a nested
// HVIS stays for the evaluator to refuse; an incomplete text is left (without blanks) and has
// not failed; condition words need capitals. Failures: no relation, ELLERS before SÅ, a
// relation that does not span the condition, unbalanced brackets, an operand failing its guard.
TEST(Conditions, ResolveIfThenElseChoosesABranchAndAnEmptyWordIsAbsent) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"HVIS (5)>3 SÅ 1 ELLERS 2", "1"}, {"HVIS (5)<3 SÅ 1 ELLERS 2", "2"},
      {"HVIS (5)<3 SÅ 1", ""}, {"7+HVIS (5)>3 SÅ 1", "1"},
      {"HVIS 1<2 SÅ HVIS 2<3 SÅ 4", "HVIS2<3SÅ4"}, {"HVIS (5)>3 SÅ", "HVIS(5)>3SÅ"},
      {"hvis (5)>3 så 1", "hvis(5)>3så1"}, {"HVIS (5) SÅ 1", "!"}, {"HVIS 1<2 ELLERS 3 SÅ 4", "!"},
      {"HVIS (5)>3)+((5)<1 SÅ 1 ELLERS 2", "!"}, {"HVIS ((5)>3 SÅ 1", "!"},
      {"HVIS 1<sqr(-1) SÅ 1", "!"}};
  // clang-format on
  UiTexts texts;
  texts.SetBuiltIn();
  for (const auto& [in, want] : cases) {
    std::string text = cp1252::FromUtf8(in);
    const bool failed = !ResolveIfThenElse(text, texts, EvalContext{});
    EXPECT_EQ(failed ? "!" : cp1252::ToUtf8(text), want) << in;
  }
  // An empty condition word (a short text file) is taken as absent, not found everywhere.
  texts.Set(TextId::kIf, "");
  texts.Set(TextId::kThen, "THEN");
  std::string text = "2>1 THEN 7";
  EXPECT_TRUE(ResolveIfThenElse(text, texts, EvalContext{}));
  EXPECT_EQ(text, "2>1THEN7");
}

// Equal means equal at 10 significant digits, and below 1E-10 against an exact 0 (sin(360) in
// degrees); without a relation only the enclosing brackets come; "" for a failure.
TEST(Conditions, ReplaceRelationsTurnsRelationsIntoTruthValues) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"(5)>=5", "1"}, {"(5)=5.0000000001", "1"}, {"(5)=5.000000001", "0"}, {"(5)<=5", "1"},
      {"(6)<=5", "0"}, {"(5)<>5.0000000001", "0"}, {"(4)<>5", "1"}, {"(5)>=6", "0"},
      {"2*((5)>1)+((5)<1)", "(2*1+0)"}, {"sin(360)=0", "1"}, {"0<0.00000000001", "0"},
      {"1+2", "(1+2)"}, {"(=5)", ""}, {"1<2<3", ""}, {"1<7/0", ""}};
  // clang-format on
  for (const auto& [in, want] : cases) {
    std::string text = in;
    const bool failed = !ReplaceRelations(text, EvalContext{});
    EXPECT_EQ(failed, *want == 0) << in;
    EXPECT_EQ(failed ? "" : text, want) << in;
  }
  std::string radians = "sin(360)=0";
  EvalContext context;
  context.angle_in_degrees = false;
  EXPECT_TRUE(ReplaceRelations(radians, context) && radians == "0");
}

}  // namespace
}  // namespace ravnelok
