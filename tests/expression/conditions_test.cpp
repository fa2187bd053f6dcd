#include "expression/conditions.h"

#include <gtest/gtest.h>

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
      {"HVIS (5)<3 SÅ 1", ""},     // no ELLERS: an empty text, no value shown
      {"7+HVIS (5)>3 SÅ 1", "1"},  // text before HVIS is dropped
      // Only first occurrences count: a nested HVIS stays for the evaluator to refuse.
      {"HVIS 1<2 SÅ HVIS 2<3 SÅ 4", "HVIS2<3SÅ4"},
      // Incomplete: left unchanged (without blanks) and not failed.
      {"HVIS (5)>3 SÅ", "HVIS(5)>3SÅ"},
      {"hvis (5)>3 så 1", "hvis(5)>3så1"},             // condition words need capitals
      {"HVIS (5) SÅ 1", "", true},                     // no relation
      {"HVIS 1<2 ELLERS 3 SÅ 4", "", true},            // ELLERS before SÅ
      {"HVIS (5)>3)+((5)<1 SÅ 1 ELLERS 2", "", true},  // the relation does not span it
      {"HVIS ((5)>3 SÅ 1", "", true},                  // unbalanced brackets
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
      {"(5)=5.0000000001", "1"},  // equal at 10 significant digits
      {"(5)=5.000000001", "0"},
      {"2*((5)>1)+((5)<1)", "(2*1+0)"},
      {"sin(360)=0", "1"},  // below 1E-10 against an exact 0
      {"sin(360)=0", "0", false},
      {"0<0.00000000001", "0"},
      {"1+2", "(1+2)"},  // no relation: only the enclosing brackets
      {"(=5)", ""},      // the left operand is empty
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

// "=" stands first in the text, but "<" comes earlier in the relation list.
TEST(Conditions, RelationsAreFoundInListOrder) {
  const ConditionResult result = EvaluateCondition("(1=1)+(2<3)", EvalContext{});
  EXPECT_TRUE(!result.failed && result.value);
  EXPECT_EQ(std::pair(result.open, result.close), std::pair(8, 12));  // in "((1=1)+(2<3))"
  EXPECT_TRUE(EvaluateCondition("5", EvalContext{}).failed);
}

}  // namespace
}  // namespace ravnelok
