#include "expression/reading_steps.h"

#include <cmath>

#include "document/document.h"
#include "expression/conditions.h"
#include "expression/evalue.h"
#include "numbers/number_text.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

// A word of letters only, two or more of them, cannot be found across a substituted number,
// whose only letter is the E of its exponent; so it is absent from every substitution of the
// text exactly when it is absent with the numbers marked.
bool CannotMeetNumbers(const std::string& word) {
  if (word.size() < 2) return false;
  for (const char c : word) {
    if (!IsDanishLetter(c)) return false;
  }
  return true;
}

bool RemainderMayChange(const Document& doc, const std::string& marked) {
  const std::string& name = doc.texts[TextId::kRemainderName];
  return !name.empty() &&
         (!CannotMeetNumbers(name) || FindDanishLower(marked, name) != std::string::npos);
}

bool ConditionMayChange(const Document& doc, const std::string& marked) {
  const std::string& if_word = doc.texts[TextId::kIf];
  return !if_word.empty() && (!CannotMeetNumbers(if_word) || HoldsCondition(marked, doc.texts));
}

// A substituted number holds no relation sign, so the marked text tells.
bool RelationMayChange(const Document&, const std::string& marked) {
  return HoldsRelation(marked);
}

bool Remainder(Document& doc, std::string& text, const EvalContext&) {
  return ApplyRemainder(doc, text);
}

bool Condition(Document& doc, std::string& text, const EvalContext& context) {
  return ResolveIfThenElse(text, doc.texts, context);
}

bool Relation(Document&, std::string& text, const EvalContext& context) {
  return ReplaceRelations(text, context);
}

struct ReadingStep {
  // What the step does to every text before it looks, if anything.
  void (*prepare)(std::string& text);
  // Whether the step may change some substitution of a marked text, prepared.
  bool (*may_change)(const Document& doc, const std::string& marked);
  // The step itself, its preparation included; false when it failed.
  bool (*run)(Document& doc, std::string& text, const EvalContext& context);
};

constexpr ReadingStep kReadingSteps[] = {
    {nullptr, RemainderMayChange, Remainder},
    {PrepareForConditions, ConditionMayChange, Condition},
    {PrepareForRelations, RelationMayChange, Relation},
};

std::string Bracketed(const std::string& number) {
  return "(" + number + ")";
}

}  // namespace

bool RunReadingSteps(Document& doc, std::string& text, const EvalContext& context,
                     int* failed_step) {
  for (const ReadingStep& step : kReadingSteps) {
    if (text.empty()) break;
    if (!step.run(doc, text, context)) {
      if (failed_step != nullptr) *failed_step = static_cast<int>(&step - kReadingSteps);
      return false;
    }
  }
  return true;
}

bool ReadingStepsLeaveAlone(const Document& doc, std::string& marked) {
  for (const ReadingStep& step : kReadingSteps) {
    if (step.prepare != nullptr) step.prepare(marked);
    if (step.may_change(doc, marked)) return false;
  }
  return true;
}

bool ApplyRemainder(Document& doc, std::string& text) {
  const std::string& name = doc.texts[TextId::kRemainderName];
  if (name.empty()) return true;
  const EvalContext context{doc.settings.angle_in_degrees, &doc.rng};
  while (true) {
    const size_t q = FindDanishLower(text, name);
    if (q == std::string::npos) return true;
    const size_t open = q + name.size();
    if (open >= text.size() || text[open] != '(') return false;
    size_t close = std::string::npos;
    int depth = 1;
    for (size_t i = open + 1; i < text.size(); ++i) {
      if (text[i] == '(') ++depth;
      if (text[i] == ')' && --depth == 0) {
        close = i;
        break;
      }
    }
    const size_t semi = text.find(';', q);
    if (close == std::string::npos || semi == std::string::npos || semi < open + 2 ||
        close < semi + 2) {
      return false;
    }
    Real values[2];
    const std::string parts[2] = {text.substr(open + 1, semi - open - 1),
                                  text.substr(semi + 1, close - semi - 1)};
    for (int i = 0; i < 2; ++i) {
      std::string part = parts[i];
      int error = 0;
      bool failed = false;
      EvaluateExpression(part, values[i], error, failed, context);
      if (failed || error != 0) return false;
    }
    const Real a = values[0];
    const Real b = values[1];
    if (!(a >= 0 && b > 0 && a == std::truncl(a) && b == std::truncl(b))) return false;
    // fmod is exact, and its cost grows with the exponent gap, not with a / b.
    const Real r = std::fmod(a, b);
    text.replace(q, close - q + 1, Bracketed(NumberToExprText(r, kWidth13Digits)));
  }
}

}  // namespace ravnelok
