#pragma once

#include <random>
#include <string>

#include "numbers/real.h"

namespace ravnelok {

// What an evaluation reads besides its text.
struct EvalContext {
  bool angle_in_degrees = true;
  std::mt19937_64* rng = nullptr;  // the random functions fail without one
};

// Deepest nesting of brackets and function calls; deeper texts fail instead of overflowing the
// stack.
constexpr int kMaxEvalDepth = 200;

// Evaluates one expression text. The text is changed in place (signs normalised, lower-cased).
// Success is `failed` false and `error_position` 0; an empty text fails and leaves
// `error_position` unchanged. The value is rounded to 13 significant digits.
void EvaluateExpression(std::string& text, Real& value, int& error_position, bool& failed,
                        const EvalContext& context);

}  // namespace ravnelok
