#pragma once

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "expression/eval_cache.h"
#include "numbers/number_text.h"
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

// Every computed value is kept at 13 significant digits, as its text reads back; false when it is
// not finite, which no value cell may hold. Every way of computing a line rounds with this.
// (Inline: the value is then tested where it is, not read back from where the caller stored it.)
inline bool RoundComputedValue(Real& v) {
  if (!std::isfinite(v)) return false;
  RoundTripNumber(v, kWidth13Digits);
  return std::isfinite(v);
}
// Whether a value reads back from its 13-digit text as RoundComputedValue rounds it, whatever
// its sign: 0, and every magnitude from 2^-16277 up to 2^16277 (about 1.4E-4900 to 7.3E4899);
// near the ends of the range the reading could differ. The fast ways of computing a line leave
// other values to the full reading. Read off the bits of the x87 format where there is one, as
// a compiled line asks this for every input.
inline bool ReadsBackExactly(const Real& v) {
#if defined(__x86_64__) || defined(__i386__)
  const auto [mantissa, sign_exponent] = BitsOf(v);
  const int exponent = (sign_exponent & 0x7fff) - 16383;
  return (exponent >= -16277 && exponent < 16277) || (exponent == -16383 && mantissa == 0);
#else
  const Real a = std::fabs(v);
  return a == 0 || (a >= 0x1p-16277L && a < 0x1p16277L);
#endif
}

// Why EvaluateExpression fails a text: the first guard that failed, or where reading stopped.
enum class EvalFault : uint8_t { kNone, kSyntax, kDivisionByZero, kDomain, kOutOfRange, kTooDeep };
struct EvalDiagnosis {
  EvalFault fault = EvalFault::kNone;
  int position = 0;      // kSyntax: 1-based, in the text as read (signs normalised)
  std::string rest;      // kSyntax: the text from there
  std::string function;  // kDomain: the function whose argument it was, if one
};
EvalDiagnosis DiagnoseExpression(std::string text, const EvalContext& context);

// Stands in a text to compile for a value that is given when the program runs.
constexpr char kInputMark = 1;

// The program of an expression text as EvaluateExpression would read it. False when the text
// does not read to its end, or holds a random function.
bool CompileExpression(std::string text, std::vector<ProgramStep>& steps);

// An input's value as its text reads: whether a minus stood before it, and where the value is
// kept, so that a run copies no values. `read` points at the magnitude; a negative input's may
// also point at the negative value itself, as only its magnitude is read.
struct ProgramInput {
  const Real* read;  // left uninitialised: runs fill what they read
  bool negative;
};
// Computes a text as EvaluateExpression would, each kInputMark reading the next of `count`
// inputs as a program does; the text is changed as EvaluateExpression changes it. False when
// reading or any guard fails, or the text calls a random function: the full evaluation must then
// tell.
bool EvaluateMarked(std::string& text, const ProgramInput* inputs, int count,
                    const EvalContext& context, Real& value);

// Runs a program with the same guards and rounding as EvaluateExpression; false when any guard
// or function failed, which the text must then show.
bool RunProgram(const std::vector<ProgramStep>& steps, const ProgramInput* inputs,
                const EvalContext& context, Real& value);

}  // namespace ravnelok
