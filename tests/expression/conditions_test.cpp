#include "expression/conditions.h"

#include <gtest/gtest.h>

#include <random>

#include "app/ui_texts.h"

namespace ravnelok {
namespace {

// The texts as they reach the condition step: x = 5 substituted as "(5)".
struct ResolveCase {
  const char* text;
  bool failed;
  const char* expected;  // the text afterwards, blanks removed
};

TEST(Conditions, ResolveIfThenElseChoosesABranch) {
  const ResolveCase cases[] = {
      {"HVIS (5)>3 S\xC5 1 ELLERS 2", false, "1"},
      {"HVIS (5)<3 S\xC5 1 ELLERS 2", false, "2"},
      {"HVIS (5)<3 S\xC5 1", false, ""},  // no ELLERS: an empty text, no value shown
      {"HVIS (5)>3 S\xC5 1+2*3", false, "1+2*3"},
      {"HVIS ((5)>3) S\xC5 1 ELLERS 2", false, "1"},
      {"HVIS (5)+1>2*(5) S\xC5 1 ELLERS 2", false, "2"},
      {"HVIS (5)>=5 S\xC5 (5)*0.9 ELLERS (5)", false, "(5)*0.9"},
      {"7+HVIS (5)>3 S\xC5 1", false, "1"},  // text before HVIS is dropped
      // Only first occurrences count: a nested HVIS stays for the evaluator to refuse.
      {"HVIS 1<2 S\xC5 HVIS 2<3 S\xC5 4", false,
       "HVIS2<3S\xC5"
       "4"},
      // Incomplete: left unchanged (without blanks) and not failed.
      {"HVIS (5)>3 S\xC5", false, "HVIS(5)>3S\xC5"},
      {"HVIS S\xC5 1", false,
       "HVISS\xC5"
       "1"},
      {"S\xC5 1 HVIS 1<2", false,
       "S\xC5"
       "1HVIS1<2"},
      {"(5)>3", false, "(5)>3"},
      {"hvis (5)>3 s\xE5 1", false,
       "hvis(5)>3s\xE5"
       "1"},  // condition words need capitals
      // Failures.
      {"HVIS (5) S\xC5 1", true, ""},                     // no relation
      {"HVIS (5)>3 S\xC5 1 ELLERS", true, ""},            // nothing after ELLERS
      {"HVIS (5)>3 S\xC5 ELLERS 2", true, ""},            // nothing between S\xC5 and ELLERS
      {"HVIS 1<2 ELLERS 3 S\xC5 4", true, ""},            // ELLERS before S\xC5
      {"HVIS (5)>3)+((5)<1 S\xC5 1 ELLERS 2", true, ""},  // the relation does not span it
      {"HVIS ((5)>3 S\xC5 1", true, ""},                  // unbalanced brackets
      {"HVIS 1<2<3 S\xC5 1", true, ""},                   // an operand that is no expression
      {"HVIS 1<sqr(-1) S\xC5 1", true, ""},               // an operand that fails its guard
  };
  UiTexts texts;
  texts.SetBuiltIn();
  for (const auto& c : cases) {
    std::string text = c.text;
    const bool failed = ResolveIfThenElse(text, texts, EvalContext{});
    EXPECT_EQ(failed, c.failed) << c.text;
    if (!c.failed) {
      EXPECT_EQ(text, c.expected) << c.text;
    }
  }
}

TEST(Conditions, ConditionWordsComeFromTheTextTable) {
  UiTexts texts;
  texts.SetBuiltIn();
  ASSERT_EQ(texts[110], "S\xC5");
  texts.Set(109, "IF");
  texts.Set(110, "THEN");
  texts.Set(111, "ELSE");
  std::string text = "IF 2>1 THEN 7 ELSE 8";
  EXPECT_FALSE(ResolveIfThenElse(text, texts, EvalContext{}));
  EXPECT_EQ(text, "7");
  // An empty condition word (a short text file) is taken as absent, not found everywhere.
  texts.Set(109, "");
  text = "2>1 THEN 7";
  EXPECT_FALSE(ResolveIfThenElse(text, texts, EvalContext{}));
  EXPECT_EQ(text, "2>1THEN7");
}

struct RelationCase {
  const char* text;
  bool degrees;
  bool failed;
  const char* expected;
};

TEST(Conditions, ReplaceRelationsTurnsRelationsIntoTruthValues) {
  const RelationCase cases[] = {
      {"(5)>=5", true, false, "1"},
      {"(5)<>5", true, false, "0"},
      {"(5)<5", true, false, "0"},
      {"(5)<=5", true, false, "1"},
      {"(5)=5.0000000001", true, false, "1"},  // equal at 10 significant digits
      {"(5)=5.000000001", true, false, "0"},
      {"2*((5)>1)+((5)<1)", true, false, "(2*1+0)"},
      {"3*((5)>2)", true, false, "(3*1)"},
      {"1/3*3=1", true, false, "1"},
      {"sin(360)=0", true, false, "1"},  // below 1E-10 against an exact 0
      {"0=sin(360)", true, false, "1"},
      {"sin(360)=0", false, false, "0"},
      {"0<0.00000000001", true, false, "0"},
      {"0<0.0000000002", true, false, "1"},
      {"0.00000000001>0", true, false, "0"},
      {"(1<2)+(3>2)+(2=2)", true, false, "(1+1+1)"},
      {"1+2", true, false, "(1+2)"},  // no relation: only the enclosing brackets
      {"(=5)", true, true, ""},       // the left operand is empty
      {"=5", true, true, ""},
      {"5=", true, true, ""},
      {"1<2<3", true, true, ""},
      {"1<(2", true, true, ""},
      {"1<7/0", true, true, ""},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    EvalContext context;
    context.angle_in_degrees = c.degrees;
    const bool failed = ReplaceRelations(text, context);
    EXPECT_EQ(failed, c.failed) << c.text;
    if (!c.failed) {
      EXPECT_EQ(text, c.expected) << c.text;
    }
  }
}

TEST(Conditions, RelationSidesFindTheEnclosingBrackets) {
  struct Case {
    const char* text;
    int r;
    const char* op;
    bool failed;
    int open;
    int close;
  };
  const Case cases[] = {
      {"(2<3)", 3, "<", false, 1, 5},
      {"(1+(2)<=(3))*2", 7, "<=", false, 1, 12},
      {"((2)<3)+((4)>5)", 13, ">", false, 9, 15},
      {"(<3)", 2, "<", true, 0, 0},    // nothing before the relation
      {"(2<)", 3, "<", true, 0, 0},    // nothing after it
      {"x2<3)", 3, "<", true, 0, 0},   // no opening bracket to the left
      {"(2<3+4", 3, "<", true, 0, 0},  // no closing bracket to the right
  };
  for (const auto& c : cases) {
    const RelationSides sides = EvaluateRelationSides(c.text, c.r, c.op, EvalContext{});
    EXPECT_EQ(sides.failed, c.failed) << c.text;
    if (c.failed) continue;
    EXPECT_EQ(sides.open, c.open) << c.text;
    EXPECT_EQ(sides.close, c.close) << c.text;
  }
  const RelationSides sides = EvaluateRelationSides("(1/3<2^0.5)", 5, "<", EvalContext{});
  ASSERT_FALSE(sides.failed);
  EXPECT_EQ(sides.left, 0.3333333333L);  // rounded to 10 significant digits
  EXPECT_EQ(sides.right, 1.414213562L);
}

TEST(Conditions, EvaluateConditionTakesTheFirstRelationOfTheList) {
  // "=" stands first in the text, but "<" comes earlier in the relation list.
  const ConditionResult result = EvaluateCondition("(1=1)+(2<3)", EvalContext{});
  EXPECT_FALSE(result.failed);
  EXPECT_TRUE(result.value);
  EXPECT_EQ(result.open, 8);  // "((1=1)+(2<3))": the bracket before the 2
  EXPECT_EQ(result.close, 12);
  EXPECT_TRUE(EvaluateCondition("5", EvalContext{}).failed);
}

TEST(Conditions, LongTextsFinish) {
  std::string relations;
  while (relations.size() < 9990) relations += "(1<2)+";
  relations += "0";
  const size_t count = relations.size() / 6;
  ASSERT_FALSE(ReplaceRelations(relations, EvalContext{}));
  EXPECT_EQ(relations.size(), 2 * count + 3);  // "(1+1+...+0)"

  UiTexts texts;
  texts.SetBuiltIn();
  std::string branches = "HVIS 1<2 S\xC5 " + std::string(9000, '(') + std::string(9000, ')');
  EXPECT_FALSE(ResolveIfThenElse(branches, texts, EvalContext{}));
  EXPECT_EQ(branches.size(), 18000u);
  std::string brackets = std::string(5000, '(') + "1<2" + std::string(5000, ')');
  EXPECT_FALSE(ReplaceRelations(brackets, EvalContext{}));
  EXPECT_EQ(brackets, std::string(5000, '(') + "1" + std::string(5000, ')'));
}

TEST(Conditions, RandomTextsNeverCrash) {
  UiTexts texts;
  texts.SetBuiltIn();
  std::mt19937_64 rng(99);
  const char* pieces[] = {"(", ")",    "<",     ">",      "=", "1",   "2", "+",
                          "*", "HVIS", "S\xC5", "ELLERS", " ", "sin", "0"};
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    const int n = static_cast<int>(rng() % 16);
    for (int j = 0; j < n; ++j) text += pieces[rng() % std::size(pieces)];
    std::string copy = text;
    ResolveIfThenElse(copy, texts, EvalContext{});
    const size_t before = copy.size();
    if (!ReplaceRelations(copy, EvalContext{})) {
      ASSERT_LE(copy.size(), before + 2) << text;
    }
  }
}

}  // namespace
}  // namespace ravnelok
