#include "expression/evalue.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <string_view>

#include "expression/functions.h"
#include "numbers/number_text.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

// Past the end of the text the current character is CR.
constexpr char kEnd = 13;
// Set as the current character when reading cannot go on; no rule reads past it.
constexpr char kStop = '?';

constexpr Real kHuge = 1E2000L;
constexpr Real kLnLimit = 2000;

// Non-zero and within 1E-400..1E400: two such logarithms add up to less than 2000 in
// magnitude, so the guards of * and / pass without computing them.
bool Moderate(Real x) {
  const Real a = std::fabs(x);
  return a >= 1E-400L && a <= 1E400L;
}

// Power(b, e) for b > 0: integer exponents below 100 as exact products.
Real Power(Real b, Real e) {
  if (IsWhole(e) && std::fabs(e) < 100) {
    Real result = 1;
    const int n = static_cast<int>(std::fabs(e));
    for (int i = 0; i < n; ++i) result *= b;
    return e < 0 ? 1 / result : result;
  }
  return std::exp(e * std::log(b));
}

// The operations with their guards: each returns its result, or sets `failed` and returns r.
Real AddOrSubtract(char op, Real r, Real t, bool& failed) {
  if (std::fabs(r) < kHuge && std::fabs(t) < kHuge) return op == '+' ? r + t : r - t;
  failed = true;
  return r;
}

Real Multiply(Real r, Real t, bool& failed) {
  if (r == 0 || t == 0) return 0;
  if (Moderate(r) && Moderate(t)) return r * t;  // the logarithm test cannot fail
  if (std::fabs(std::log(std::fabs(t)) + std::log(std::fabs(r))) < kLnLimit) return r * t;
  failed = true;
  return r;
}

Real Divide(Real r, Real t, bool& failed) {
  if (r == 0 && t != 0) return 0;
  if (Moderate(r) && Moderate(t)) return r / t;
  if (std::fabs(t) > kTiny &&
      std::fabs(std::log(std::fabs(t)) - std::log(std::fabs(r))) < kLnLimit) {
    return r / t;
  }
  failed = true;
  return r;
}

Real Raise(Real x, Real y, bool& failed) {
  // ln(x)*y may overflow to infinity for absurd exponents; that only fails the test below.
  if (x > 0 && std::fabs(std::log(x) * y) <= kLnLimit) return Power(x, y);
  if (std::fabs(y) > kLnLimit || y != RoundHalfEven(y)) {
    failed = true;  // a base that is not positive needs an integer exponent
    return x;
  }
  Real result;
  if (x < 0 && std::fabs(std::log(std::fabs(x)) * y) <= kLnLimit) {
    result = Power(std::fabs(x), y);
  } else if (y > 0 && x == 0) {
    result = 0;
  } else {
    failed = true;
    return x;
  }
  if (x < 0 && std::fmod(RoundHalfEven(std::fabs(y)), 2) == 1) result = -result;
  return result;
}

// A negative input stands in the text as "(0-m)", so it is read as 0 - m, with the
// subtraction's guard. The marked reading and programs both read inputs with this.
Real InputValue(const ProgramInput& in, bool& failed) {
  return in.negative ? AddOrSubtract('-', 0, std::fabs(*in.read), failed) : *in.read;
}

// Values on a program's stack at most; deeper programs are not made.
constexpr int kMaxProgramStack = 64;

// One evaluation: the text, the scanner and the failure flag shared by all rules. It is made for
// one of three uses, each by its own function: computing a text, compiling it into a program
// (kInputMark standing for an input), or computing it with each kInputMark reading the next
// given input.
class Evalue {
 public:
  enum class Use { kCompute, kCompile, kMarked };

  static Evalue Computing(const std::string& text, const EvalContext& context) {
    return Evalue(Use::kCompute, text, context, nullptr, nullptr, 0);
  }
  static Evalue Compiling(const std::string& text, const EvalContext& context,
                          std::vector<ProgramStep>& steps) {
    return Evalue(Use::kCompile, text, context, &steps, nullptr, 0);
  }
  static Evalue ReadingMarked(const std::string& text, const EvalContext& context,
                              const ProgramInput* given, int given_count) {
    return Evalue(Use::kMarked, text, context, nullptr, given, given_count);
  }

  // Reads the whole text; true when it ended cleanly at the end marker.
  bool Run(Real& value) {
    Next();
    value = Expression();
    return ch_ == kEnd && pos_ > length_;
  }
  int position() const { return pos_; }
  bool failed() const { return failed_; }
  // The first guard that failed, and the function it was, if any.
  EvalFault fault() const { return fault_; }
  std::string_view fault_function() const { return fault_function_; }
  // Whether the program written can stand for the text.
  bool program_ok() const { return program_ok_; }

 private:
  // next := advance one position, skipping blanks; past the end the end marker
  void Next() {
    do {
      if (pos_ <= length_) ++pos_;
      ch_ = pos_ <= length_ ? text_[pos_ - 1] : kEnd;
    } while (ch_ == ' ');
  }

  // expression := term { ("+" | "-") term }
  Real Expression() {
    Real r = Term();
    while (ch_ == '+' || ch_ == '-') {
      const char op = ch_;
      Next();
      const Real t = Term();
      const bool was = failed_;
      r = AddOrSubtract(op, r, t, failed_);
      if (failed_ && !was) Fault(EvalFault::kOutOfRange);
      Emit(op == '+' ? ProgramStep::kAdd : ProgramStep::kSubtract);
    }
    return r;
  }

  // term := factor { ("*" | "/") factor }
  Real Term() {
    Real r = Factor();
    while (ch_ == '*' || ch_ == '/') {
      const char op = ch_;
      Next();
      const Real t = Factor();
      const bool was = failed_;
      const Real left = r;
      r = op == '*' ? Multiply(r, t, failed_) : Divide(r, t, failed_);
      if (failed_ && !was) {
        Fault(op == '/' && (t == 0 || left == 0) ? EvalFault::kDivisionByZero
                                                 : EvalFault::kOutOfRange);
      }
      Emit(op == '*' ? ProgramStep::kMultiply : ProgramStep::kDivide);
    }
    return r;
  }

  // factor := signed { "^" signed }
  Real Factor() {
    Real r = Signed();
    while (ch_ == '^') {
      Next();
      const Real y = Signed();
      const bool was = failed_;
      const Real x = r;
      r = Raise(r, y, failed_);
      if (failed_ && !was) {
        const bool domain = (x < 0 && y != RoundHalfEven(y)) || (x == 0 && y <= 0);
        Fault(domain ? EvalFault::kDomain : EvalFault::kOutOfRange);
      }
      Emit(ProgramStep::kPower);
    }
    return r;
  }

  // signed := "-" primary | primary
  Real Signed() {
    if (ch_ != '-') return Primary();
    Next();
    const Real v = -Primary();
    Emit(ProgramStep::kNegate);
    return v;
  }

  // primary := number | "(" expression ")" | function primary
  Real Primary() {
    if (IsDigit(ch_)) return Number();
    if (use_ == Use::kCompile && ch_ == kInputMark) {
      if (inputs_ > 255) program_ok_ = false;
      Emit(ProgramStep::kInput, static_cast<uint8_t>(inputs_++));
      Next();
      return 0;
    }
    if (use_ == Use::kMarked && ch_ == kInputMark) {
      if (inputs_ >= given_count_) {
        ch_ = kStop;
        return 0;
      }
      const ProgramInput& in = given_[inputs_++];
      Next();
      return InputValue(in, failed_);
    }
    // Brackets and function calls are the only nesting; a unary minus cannot repeat.
    if (depth_ >= kMaxEvalDepth) {
      if (!failed_) Fault(EvalFault::kTooDeep);
      failed_ = true;
      ch_ = kStop;
      return 0;
    }
    ++depth_;
    const Real v = ch_ == '(' ? Bracket() : FunctionCall();
    --depth_;
    return v;
  }

  // number := digit { digit | "." } [ "e" [ "+" | "-" ] { digit } ]
  Real Number() {
    const int first = pos_;
    int last = pos_;
    // The run of digits and points up to a blank or anything else, read in one go.
    while (last < length_ && (IsDigit(text_[last]) || text_[last] == '.')) ++last;
    pos_ = last;
    Next();
    while (IsDigit(ch_) || ch_ == '.') {
      last = pos_;
      Next();
    }
    if (ch_ == 'e' || ch_ == 'E') {
      last = pos_;
      Next();
      if (ch_ == '+' || ch_ == '-') {
        last = pos_;
        Next();
      }
      while (IsDigit(ch_)) {
        last = pos_;
        Next();
      }
    }
    // Up to the last character read: blanks inside a literal are an error, blanks after it
    // separate tokens.
    Real value = 0;
    int error_index = 0;
    const std::string_view literal(text_ + first - 1, static_cast<size_t>(last - first + 1));
    if (!ReadDecimal(literal, value, error_index)) {
      pos_ = first + error_index - 1;
      ch_ = kStop;
      return 0;
    }
    Emit(ProgramStep::kNumber, 0, value);
    return value;
  }

  // bracket := "(" expression ")"
  Real Bracket() {
    Next();
    const Real v = Expression();
    if (ch_ == ')') {
      Next();
    } else {
      ch_ = kStop;
    }
    return v;
  }

  // function := name primary, the name from the built-in table
  Real FunctionCall() {
    const size_t f = MatchName();
    if (f == kBuiltInFunctions.size()) {
      ch_ = kStop;
      return 0;
    }
    pos_ += static_cast<int>(kBuiltInFunctions[f].name.size()) - 1;
    Next();
    const Real x = Primary();
    if (ch_ == kStop) return x;  // reading has stopped; draw no random number for it
    if (use_ == Use::kCompile) {
      // A random draw must happen at every pass, in the order the text gives.
      if (kBuiltInFunctions[f].draws_random) program_ok_ = false;
      Emit(ProgramStep::kCall, static_cast<uint8_t>(f));
      return x;
    }
    if (use_ == Use::kMarked && kBuiltInFunctions[f].draws_random) {
      // Left to the full evaluation, which then draws once.
      failed_ = true;
      ch_ = kStop;
      return x;
    }
    const bool was = failed_;
    const Real result = kBuiltInFunctions[f].body(x, context_, failed_);
    if (failed_ && !was) {
      Fault(EvalFault::kDomain);
      fault_function_ = kBuiltInFunctions[f].name;
    }
    return result;
  }

  void Emit(ProgramStep::Op op, uint8_t arg = 0, Real number = 0) {
    if (use_ != Use::kCompile) return;
    steps_->push_back(ProgramStep{op, ProgramStep::kFromStack, arg, number});
    if (op == ProgramStep::kNumber || op == ProgramStep::kInput) {
      if (++stack_ > kMaxProgramStack) program_ok_ = false;
    } else if (op != ProgramStep::kNegate && op != ProgramStep::kCall) {
      --stack_;
    }
  }

  // The index of the first function name at the read position, or the table's size.
  size_t MatchName() const {
    if (pos_ > length_) return kBuiltInFunctions.size();
    const char* at = text_ + pos_ - 1;
    const size_t room = static_cast<size_t>(length_ - pos_ + 1);
    for (size_t f = 0; f < kBuiltInFunctions.size(); ++f) {
      const std::string_view name = kBuiltInFunctions[f].name;
      // Names are a few letters: compared in place rather than by a library call.
      if (name[0] == *at && name.size() <= room && std::equal(name.begin(), name.end(), at)) {
        return f;
      }
    }
    return kBuiltInFunctions.size();
  }

  Evalue(Use use, const std::string& text, const EvalContext& context,
         std::vector<ProgramStep>* steps, const ProgramInput* given, int given_count)
      : text_(text.data()),
        length_(static_cast<int>(text.size())),
        context_(context),
        use_(use),
        steps_(steps),
        given_(given),
        given_count_(given_count) {}

  const char* text_;
  int length_;
  const EvalContext& context_;
  int pos_ = 0;
  char ch_ = kEnd;
  bool failed_ = false;
  int depth_ = 0;
  void Fault(EvalFault fault) {
    if (fault_ == EvalFault::kNone) fault_ = fault;
  }

  const Use use_;
  EvalFault fault_ = EvalFault::kNone;
  std::string_view fault_function_;
  std::vector<ProgramStep>* steps_;  // kCompile
  const ProgramInput* given_;        // kMarked
  int given_count_;
  int inputs_ = 0;
  int stack_ = 0;
  bool program_ok_ = true;
};

}  // namespace

namespace {

// Signs normalised and letters lower-cased, as the reading takes a text. False for an empty
// text, and for one too long for int positions, which no sheet text comes near.
bool PrepareForReading(std::string& text) {
  if (text.empty()) return false;
  NormaliseSigns(text);
  for (char& c : text) c = DanishLower(c);
  return text.size() < static_cast<size_t>(INT_MAX / 2);
}

}  // namespace

EvalDiagnosis DiagnoseExpression(std::string text, const EvalContext& context) {
  EvalDiagnosis diagnosis;
  if (!PrepareForReading(text)) {
    diagnosis.fault = EvalFault::kSyntax;
    diagnosis.position = text.empty() ? 0 : 1;
    return diagnosis;
  }
  Evalue evalue = Evalue::Computing(text, context);
  Real v = 0;
  const bool at_end = evalue.Run(v);
  if (evalue.failed()) {
    diagnosis.fault = evalue.fault() == EvalFault::kNone ? EvalFault::kOutOfRange : evalue.fault();
    diagnosis.function = std::string(evalue.fault_function());
  } else if (!at_end) {
    diagnosis.fault = EvalFault::kSyntax;
    diagnosis.position = evalue.position();
    diagnosis.rest = text.substr(std::min<size_t>(text.size(), diagnosis.position - 1));
  } else if (!RoundComputedValue(v)) {
    diagnosis.fault = EvalFault::kOutOfRange;
  }
  return diagnosis;
}

void EvaluateExpression(std::string& text, Real& value, int& error_position, bool& failed,
                        const EvalContext& context) {
  if (!PrepareForReading(text)) {
    failed = true;
    if (!text.empty()) error_position = 1;
    return;
  }
  Evalue evalue = Evalue::Computing(text, context);
  Real v = 0;
  const bool at_end = evalue.Run(v);
  failed = evalue.failed();
  bool finite = false;
  if (at_end && !failed) {
    finite = RoundComputedValue(v);
    error_position = 0;
  } else {
    finite = std::isfinite(v);
    error_position = evalue.position();
  }
  // The guards keep every step finite; this is the last line of defence for the value cells.
  if (!finite) {
    v = 0;
    failed = true;
    if (error_position == 0) error_position = evalue.position();
  }
  value = v;
}

namespace {

bool IsBinary(ProgramStep::Op op) {
  return op == ProgramStep::kAdd || op == ProgramStep::kSubtract || op == ProgramStep::kMultiply ||
         op == ProgramStep::kDivide || op == ProgramStep::kPower;
}

// A binary step right after the push of its right operand takes that operand in: the same
// operations in the same order, with one step and one stack round trip fewer.
void FuseOperands(std::vector<ProgramStep>& steps) {
  size_t out = 0;
  for (size_t i = 0; i < steps.size(); ++i) {
    ProgramStep step = steps[i];
    if (IsBinary(step.op) && out > 0 && steps[out - 1].op == ProgramStep::kNumber) {
      step.operand = ProgramStep::kFromNumber;
      step.number = steps[--out].number;
    } else if (IsBinary(step.op) && out > 0 && steps[out - 1].op == ProgramStep::kInput) {
      step.operand = ProgramStep::kFromInput;
      step.arg = steps[--out].arg;
    }
    steps[out++] = step;
  }
  steps.resize(out);
}

}  // namespace

bool CompileExpression(std::string text, std::vector<ProgramStep>& steps) {
  steps.clear();
  if (!PrepareForReading(text)) return false;
  Evalue evalue = Evalue::Compiling(text, EvalContext{}, steps);
  Real v = 0;
  if (!evalue.Run(v) || !evalue.program_ok()) return false;
  FuseOperands(steps);
  return true;
}

bool EvaluateMarked(std::string& text, const ProgramInput* inputs, int count,
                    const EvalContext& context, Real& value) {
  if (!PrepareForReading(text)) return false;
  Evalue evalue = Evalue::ReadingMarked(text, context, inputs, count);
  Real v = 0;
  if (!evalue.Run(v) || evalue.failed() || !RoundComputedValue(v)) return false;
  value = v;
  return true;
}

bool RunProgram(const std::vector<ProgramStep>& steps, const ProgramInput* inputs,
                const EvalContext& context, Real& value) {
  // The top of the stack is kept apart, in a register, and the values below it in `below`.
  Real below[kMaxProgramStack];
  int depth = 0;
  Real top = 0;
  bool failed = false;
  auto input = [&](int i) { return InputValue(inputs[i], failed); };
  auto push = [&](Real x) {
    if (depth > 0) below[depth - 1] = top;
    top = x;
    ++depth;
  };
  // The right operand of a binary step; `left` is then the value it applies to.
  auto operands = [&](const ProgramStep& step, Real& left) {
    switch (step.operand) {
      case ProgramStep::kFromInput:
        left = top;
        return input(step.arg);
      case ProgramStep::kFromNumber:
        left = top;
        return step.number;
      case ProgramStep::kFromStack:
        break;
    }
    --depth;
    left = below[depth - 1];
    return top;
  };
  Real left = 0;
  for (const ProgramStep& step : steps) {
    switch (step.op) {
      case ProgramStep::kNumber:
        push(step.number);
        break;
      case ProgramStep::kInput:
        push(input(step.arg));
        break;
      case ProgramStep::kNegate:
        top = -top;
        break;
      case ProgramStep::kCall:
        top = kBuiltInFunctions[step.arg].body(top, context, failed);
        break;
      case ProgramStep::kAdd: {
        const Real t = operands(step, left);
        top = AddOrSubtract('+', left, t, failed);
        break;
      }
      case ProgramStep::kSubtract: {
        const Real t = operands(step, left);
        top = AddOrSubtract('-', left, t, failed);
        break;
      }
      case ProgramStep::kMultiply: {
        const Real t = operands(step, left);
        top = Multiply(left, t, failed);
        break;
      }
      case ProgramStep::kDivide: {
        const Real t = operands(step, left);
        top = Divide(left, t, failed);
        break;
      }
      case ProgramStep::kPower: {
        const Real t = operands(step, left);
        top = Raise(left, t, failed);
        break;
      }
    }
  }
  Real v = top;
  if (failed || depth != 1 || !RoundComputedValue(v)) return false;
  value = v;
  return true;
}

}  // namespace ravnelok
