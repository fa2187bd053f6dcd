#pragma once

#include <string>

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

// HVIS c SÅ a ELLERS b, with the condition words of UI texts 109, 110 and 111. Returns failed.
bool ResolveIfThenElse(std::string& text, const UiTexts& texts, const EvalContext& context);
// Every relation becomes "1" or "0". Returns failed.
bool ReplaceRelations(std::string& text, const EvalContext& context);

}  // namespace ravnelok
