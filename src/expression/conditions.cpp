#include "expression/conditions.h"

#include <array>
#include <cmath>
#include <string_view>

#include "document/ui_texts.h"
#include "numbers/number_text.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

// Two-character relations before their one-character parts.
constexpr std::array<std::string_view, 6> kRelations = {"<=", ">=", "<>", "<", ">", "="};

// Relations compare at 10 significant digits, so 1/3*3 equals 1.
constexpr int kRelationWidth = kWidth10Digits;
constexpr Real kNearZero = 1E-10L;

bool Holds(std::string_view op, Real left, Real right) {
  if (op == "<=") return left <= right;
  if (op == ">=") return left >= right;
  if (op == "<>") return left != right;
  if (op == "<") return left < right;
  if (op == ">") return left > right;
  return left == right;
}

bool EvaluateOperand(std::string operand, Real& value, const EvalContext& context) {
  int error_position = 0;
  bool failed = false;
  EvaluateExpression(operand, value, error_position, failed, context);
  return !failed && error_position == 0;
}

// 1-based position of the first occurrence, 0 when there is none (or nothing to look for).
int Find(const std::string& text, std::string_view word) {
  if (word.empty()) return 0;
  const size_t p = text.find(word);
  return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

}  // namespace

RelationSides EvaluateRelationSides(const std::string& text, int r, const std::string& op,
                                    const EvalContext& context) {
  RelationSides sides;
  const int length = static_cast<int>(text.size());
  const int e = r + static_cast<int>(op.size()) - 1;
  // An opening bracket and an operand before the relation, an operand and a bracket after.
  if (op.empty() || r <= 2 || e >= length - 1) {
    sides.failed = true;
    return sides;
  }
  // The "(" that encloses the left operand.
  int a = 0;
  for (int i = r - 1, depth = 0; i >= 1; --i) {
    if (text[i - 1] == '(') ++depth;
    if (text[i - 1] == ')') --depth;
    if (depth == 1) {
      a = i;
      break;
    }
  }
  // The ")" that closes the right operand.
  int b = 0;
  for (int i = e + 1, depth = 0; i <= length; ++i) {
    if (text[i - 1] == ')') ++depth;
    if (text[i - 1] == '(') --depth;
    if (depth == 1) {
      b = i;
      break;
    }
  }
  if (a == 0 || b == 0 || !EvaluateOperand(text.substr(a, r - a - 1), sides.left, context) ||
      !EvaluateOperand(text.substr(e, b - e - 1), sides.right, context)) {
    sides.failed = true;
    return sides;
  }
  RoundTripNumber(sides.left, kRelationWidth);
  RoundTripNumber(sides.right, kRelationWidth);
  // A side that is zero but for noise counts as zero when the other side is exactly zero:
  // sin(360) = 0 holds in degrees.
  if (sides.left == 0 && std::fabs(sides.right) < kNearZero) {
    sides.right = 0;
  } else if (sides.right == 0 && std::fabs(sides.left) < kNearZero) {
    sides.left = 0;
  }
  sides.open = a;
  sides.close = b;
  return sides;
}

ConditionResult EvaluateCondition(const std::string& condition, const EvalContext& context) {
  ConditionResult result;
  const std::string t = "(" + condition + ")";
  for (std::string_view op : kRelations) {
    const int p = Find(t, op);
    if (p == 0) continue;
    const RelationSides sides = EvaluateRelationSides(t, p, std::string(op), context);
    result.failed = sides.failed;
    if (!sides.failed) {
      result.value = Holds(op, sides.left, sides.right);
      result.open = sides.open;
      result.close = sides.close;
    }
    return result;
  }
  result.failed = true;
  return result;
}

void PrepareForConditions(std::string& text) {
  RemoveBlanks(text);
}

bool ResolveIfThenElse(std::string& text, const UiTexts& texts, const EvalContext& context) {
  PrepareForConditions(text);
  if (!HoldsCondition(text, texts)) return true;
  const std::string& if_word = texts[TextId::kIf];
  const std::string& then_word = texts[TextId::kThen];
  const std::string& else_word = texts[TextId::kElse];
  const int length = static_cast<int>(text.size());
  const int h = Find(text, if_word);
  const int s = Find(text, then_word);
  const int l = Find(text, else_word);
  const int lh = static_cast<int>(if_word.size());
  const int ls = static_cast<int>(then_word.size());
  const int ll = static_cast<int>(else_word.size());
  // Not a complete condition: left for the evaluator to refuse.
  if (h == 0 || s == 0 || s + ls > length || s < h + lh + 1) return true;

  const std::string condition = text.substr(h + lh - 1, s - h - lh);
  std::string then_branch;
  std::string else_branch;
  if (l == 0) {
    then_branch = text.substr(s + ls - 1);
  } else {
    if (s + ls >= l || l + ll > length) return false;
    then_branch = text.substr(s + ls - 1, l - s - ls);
    else_branch = text.substr(l + ll - 1);
  }

  int open_count = 0;
  int close_count = 0;
  for (char c : condition) {
    open_count += c == '(';
    close_count += c == ')';
  }
  if (open_count != close_count) return false;

  // The relation must span the whole condition: x>3)+(y<2 is no condition.
  const ConditionResult result = EvaluateCondition(condition, context);
  const int n = static_cast<int>(condition.size());
  if (result.failed || result.open > 2 || result.close < n + 1) return false;

  text = result.value ? std::move(then_branch) : std::move(else_branch);
  return true;
}

void PrepareForRelations(std::string& text) {
  text.insert(text.begin(), '(');
  text.push_back(')');
}

bool ReplaceRelations(std::string& text, const EvalContext& context) {
  PrepareForRelations(text);
  if (!HoldsRelation(text)) return true;
  for (std::string_view view : kRelations) {
    const std::string op(view);
    // Each replacement removes the relation with its bracketed operands, at least three
    // characters, so the loop ends.
    for (int p = Find(text, op); p != 0; p = Find(text, op)) {
      const RelationSides sides = EvaluateRelationSides(text, p, op, context);
      if (sides.failed) return false;
      const char truth = Holds(op, sides.left, sides.right) ? '1' : '0';
      text.replace(sides.open - 1, sides.close - sides.open + 1, 1, truth);
    }
  }
  return true;
}

}  // namespace ravnelok
