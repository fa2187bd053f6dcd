#include "expression/conditions.h"

#include <gtest/gtest.h>

#include <random>

#include "document/ui_texts.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

UiTexts BuiltIn() {
  UiTexts texts;
  texts.SetBuiltIn();
  return texts;
}

// The texts as they reach the condition step (x = 5 substituted as "(5)"), in UTF-8; the
// expected text has its blanks removed, and "" for a failure.
TEST(Conditions, ResolveIfThenElseChoosesABranch) {
  const struct {
    const char *text, *expected;
    bool failed = false;
  } cases[] = {
      {"HVIS (5)>3 SÅ 1 ELLERS 2", "1"},
      {"HVIS (5)<3 SÅ 1 ELLERS 2", "2"},
      {"HVIS (5)<3 SÅ 1", ""},  // no ELLERS: an empty text, no value shown
      {"HVIS (5)>3 SÅ 1+2*3", "1+2*3"},
      {"7+HVIS (5)>3 SÅ 1", "1"},  // text before HVIS is dropped
      // Only first occurrences count: a nested HVIS stays for the evaluator to refuse.
      {"HVIS 1<2 SÅ HVIS 2<3 SÅ 4", "HVIS2<3SÅ4"},
      // Incomplete: left unchanged (without blanks) and not failed.
      {"HVIS (5)>3 SÅ", "HVIS(5)>3SÅ"},
      {"hvis (5)>3 så 1", "hvis(5)>3så1"},             // condition words need capitals
      {"HVIS (5) SÅ 1", "", true},                     // no relation
      {"HVIS (5)>3 SÅ 1 ELLERS", "", true},            // nothing after ELLERS
      {"HVIS 1<2 ELLERS 3 SÅ 4", "", true},            // ELLERS before SÅ
      {"HVIS (5)>3)+((5)<1 SÅ 1 ELLERS 2", "", true},  // the relation does not span it
      {"HVIS ((5)>3 SÅ 1", "", true},                  // unbalanced brackets
      {"HVIS 1<2<3 SÅ 1", "", true},                   // an operand that is no expression
      {"HVIS 1<sqr(-1) SÅ 1", "", true},               // an operand that fails its guard
  };
  const UiTexts texts = BuiltIn();
  for (const auto& c : cases) {
    std::string text = cp1252::FromUtf8(c.text);
    const bool failed = ResolveIfThenElse(text, texts, EvalContext{});
    EXPECT_EQ(failed, c.failed) << c.text;
    EXPECT_EQ(failed ? "" : cp1252::ToUtf8(text), c.expected) << c.text;
  }
}

TEST(Conditions, ConditionWordsComeFromTheTextTable) {
  UiTexts texts = BuiltIn();
  texts.Set(TextId::kIf, "IF");
  texts.Set(TextId::kThen, "THEN");
  texts.Set(TextId::kElse, "ELSE");
  std::string text = "IF 2>1 THEN 7 ELSE 8";
  EXPECT_FALSE(ResolveIfThenElse(text, texts, EvalContext{}));
  EXPECT_EQ(text, "7");
  // An empty condition word (a short text file) is taken as absent, not found everywhere.
  texts.Set(TextId::kIf, "");
  text = "2>1 THEN 7";
  EXPECT_FALSE(ResolveIfThenElse(text, texts, EvalContext{}));
  EXPECT_EQ(text, "2>1THEN7");
}

TEST(Conditions, ReplaceRelationsTurnsRelationsIntoTruthValues) {
  const struct {
    const char* text;
    const char* expected;  // "" for a failure
    bool degrees = true;
  } cases[] = {
      {"(5)>=5", "1"},
      {"(5)<>5", "0"},
      {"(5)=5.0000000001", "1"},  // equal at 10 significant digits
      {"(5)=5.000000001", "0"},
      {"2*((5)>1)+((5)<1)", "(2*1+0)"},
      {"1/3*3=1", "1"},
      {"sin(360)=0", "1"},  // below 1E-10 against an exact 0
      {"sin(360)=0", "0", false},
      {"0<0.00000000001", "0"},
      {"1+2", "(1+2)"},  // no relation: only the enclosing brackets
      {"(=5)", ""},      // the left operand is empty
      {"5=", ""},
      {"1<2<3", ""},
      {"1<7/0", ""},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    EvalContext context;
    context.angle_in_degrees = c.degrees;
    const bool failed = ReplaceRelations(text, context);
    EXPECT_EQ(failed, *c.expected == 0) << c.text;
    EXPECT_EQ(failed ? "" : text, c.expected) << c.text;
  }
}

TEST(Conditions, RelationSidesFindTheEnclosingBrackets) {
  const struct {
    const char *text, *op;
    int r, open, close;  // open 0: fails
  } cases[] = {
      {"(2<3)", "<", 3, 1, 5},
      {"(1+(2)<=(3))*2", "<=", 7, 1, 12},
      {"((2)<3)+((4)>5)", ">", 13, 9, 15},
      {"(<3)", "<", 2, 0, 0},    // nothing before the relation
      {"x2<3)", "<", 3, 0, 0},   // no opening bracket to the left
      {"(2<3+4", "<", 3, 0, 0},  // no closing bracket to the right
  };
  for (const auto& c : cases) {
    const RelationSides sides = EvaluateRelationSides(c.text, c.r, c.op, EvalContext{});
    EXPECT_EQ(sides.failed, c.open == 0) << c.text;
    const auto found = sides.failed ? std::pair(0, 0) : std::pair(sides.open, sides.close);
    EXPECT_EQ(found, std::pair(c.open, c.close)) << c.text;
  }
  const RelationSides sides = EvaluateRelationSides("(1/3<2^0.5)", 5, "<", EvalContext{});
  EXPECT_EQ(sides.left, 0.3333333333L);  // rounded to 10 significant digits
  EXPECT_EQ(sides.right, 1.414213562L);
  // "=" stands first in the text, but "<" comes earlier in the relation list.
  const ConditionResult result = EvaluateCondition("(1=1)+(2<3)", EvalContext{});
  EXPECT_TRUE(!result.failed && result.value);
  EXPECT_EQ(std::pair(result.open, result.close), std::pair(8, 12));  // in "((1=1)+(2<3))"
  EXPECT_TRUE(EvaluateCondition("5", EvalContext{}).failed);
}

TEST(Conditions, LongAndRandomTextsFinish) {
  std::string relations;
  while (relations.size() < 9990) relations += "(1<2)+";
  const size_t count = relations.size() / 6;
  relations += "0";
  ASSERT_FALSE(ReplaceRelations(relations, EvalContext{}));
  EXPECT_EQ(relations.size(), 2 * count + 3);  // "(1+1+...+0)"
  const UiTexts texts = BuiltIn();
  std::string branches = "HVIS 1<2 S\xC5 " + std::string(9000, '(') + std::string(9000, ')');
  EXPECT_FALSE(ResolveIfThenElse(branches, texts, EvalContext{}));
  EXPECT_EQ(branches.size(), 18000u);
  std::string brackets = std::string(5000, '(') + "1<2" + std::string(5000, ')');
  EXPECT_FALSE(ReplaceRelations(brackets, EvalContext{}));
  EXPECT_EQ(brackets, std::string(5000, '(') + "1" + std::string(5000, ')'));

  std::mt19937_64 rng(99);
  const char* pieces[] = {"(", ")",    "<",     ">",      "=", "1",   "2", "+",
                          "*", "HVIS", "S\xC5", "ELLERS", " ", "sin", "0"};
  for (int i = 0; i < 5000; ++i) {
    std::string text;
    for (int n = static_cast<int>(rng() % 16); n > 0; --n)
      text += pieces[rng() % std::size(pieces)];
    ResolveIfThenElse(text, texts, EvalContext{});
    const size_t before = text.size();
    ASSERT_TRUE(ReplaceRelations(text, EvalContext{}) || text.size() <= before + 2) << text;
  }
}

}  // namespace
}  // namespace ravnelok
