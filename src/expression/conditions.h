#pragma once

#include <string>
#include <string_view>

#include "document/ui_texts.h"
#include "expression/evalue.h"
#include "numbers/real.h"

namespace ravnelok {

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
// Whether a text holds the condition's first word, so that the condition step has work. An
// empty condition word (a text file may leave one empty) is treated as absent.
inline bool HoldsCondition(std::string_view text, const UiTexts& texts) {
  const std::string& if_word = texts[TextId::kIf];
  return !if_word.empty() && text.find(if_word) != std::string_view::npos;
}
// HVIS c SÅ a ELLERS b, with the condition words of UI texts 109, 110 and 111; false when the
// condition is there but cannot be resolved.
bool ResolveIfThenElse(std::string& text, const UiTexts& texts, const EvalContext& context);

// What the relation step does to every text before it looks: brackets go round it.
void PrepareForRelations(std::string& text);
// Whether a text holds a relation sign, so that the relation step has work. Three searches of
// one character each, which the C library does many bytes at a time: the texts are short, and a
// loop testing every character costs more.
inline bool HoldsRelation(std::string_view text) {
  return text.find('<') != std::string_view::npos || text.find('=') != std::string_view::npos ||
         text.find('>') != std::string_view::npos;
}
// Every relation becomes "1" or "0"; false when one cannot be evaluated.
bool ReplaceRelations(std::string& text, const EvalContext& context);

}  // namespace ravnelok
