#pragma once

#include <string>
#include <string_view>

#include "expression/evalue.h"
#include "numbers/real.h"

namespace ravnelok {

class UiTexts;

struct RelationSides {
  Real left = 0;
  Real right = 0;
  int open = 0;   // position (1-based) of the left operand's "("
  int close = 0;  // position of the right operand's ")"
  bool failed = false;
};

// The two sides of the relation `op` standing at 1-based position `r` of `text`.
RelationSides EvaluateRelationSides(const std::string& text, int r, const std::string& op,
                                    const EvalContext& context);

struct ConditionResult {
  bool value = false;
  int open = 0;
  int close = 0;
  bool failed = false;
};
ConditionResult EvaluateCondition(const std::string& condition, const EvalContext& context);

// What the condition step does to every text before it looks: the blanks go.
void PrepareForConditions(std::string& text);
// Whether a text holds the condition's first word, so that the condition step has work.
bool HoldsCondition(std::string_view text, const UiTexts& texts);
// HVIS c SÅ a ELLERS b, with the condition words of UI texts 109, 110 and 111; false when the
// condition is there but cannot be resolved.
bool ResolveIfThenElse(std::string& text, const UiTexts& texts, const EvalContext& context);

// What the relation step does to every text before it looks: brackets go round it.
void PrepareForRelations(std::string& text);
// Whether a text holds a relation sign, so that the relation step has work.
bool HoldsRelation(std::string_view text);
// Every relation becomes "1" or "0"; false when one cannot be evaluated.
bool ReplaceRelations(std::string& text, const EvalContext& context);

}  // namespace ravnelok
