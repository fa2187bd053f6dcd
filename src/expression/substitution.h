#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "expression/eval_cache.h"
#include "numbers/real.h"

namespace ravnelok {

class Document;

struct SubstitutionFlags {
  bool undefined = false;
  bool too_long = false;
};

// Longest text a substitution may make before the interpreter gives up.
constexpr int kMaxSubstitutedLength = 250;
// The length check, made at each replacement: `length` is the text's length with the
// replacement made, `beyond` what the word took past its name (a sum's range). Every way of
// computing a line checks with this.
constexpr bool FitsSubstitutedLength(std::ptrdiff_t length, std::ptrdiff_t beyond) {
  return length + beyond <= kMaxSubstitutedLength;
}
// Texts longer than this after substitution are not evaluated: the condition and relation steps
// rescan the text per occurrence, and no typed expression comes near it.
constexpr size_t kMaxEvaluatedLength = 10000;

// The text record r's value is substituted as.
const std::string& ValueText(Document& doc, int r);

// Which word stopped a substitution, and why.
struct SubstitutionFailure {
  enum Kind : uint8_t {
    kNone,
    kUnknown,     // no line has it as name or label
    kBelow,       // the name or label of a line below
    kNoValue,     // a line above whose value is missing (it failed, is empty or text)
    kOwnNoValue,  // the line's own name or label, with no value yet
    kRange,       // sum(a:b) whose ends are not both names or labels of the sheet
    kNoArgument,  // a function name without a bracket after it
  };
  Kind kind = kNone;
  std::string word;
};

// With `words`, every replacement made is also listed there, in order, and each value and sum
// goes in as kMarkedInput rather than its text (the length check still counts the text). With
// `why`, a word that stops the substitution is told there.
SubstitutionFlags SubstituteNames(Document& doc, std::string& text, int k,
                                  std::vector<SubstitutedWord>* words = nullptr,
                                  SubstitutionFailure* why = nullptr);
// A value or sum as a marked input: the input mark (kInputMark) in its brackets.
inline constexpr std::string_view kMarkedInput = "(\x01)";
// The total of the values of sheet lines line_a..line_b (in either order), as sum(a:b) adds
// them; false when an end is not a line of the sheet or the total is not finite. Every way of
// computing a line sums with this.
bool RangeTotal(const Document& doc, int line_a, int line_b, Real& total);

struct LineResult {
  Real value = 0;
  int error_position = -1;
  bool failed = false;
  bool undefined = false;
  bool too_long = false;
  bool emptied = false;  // a condition or relation step left nothing to read
  bool Ok() const { return !failed && !undefined && !too_long && error_position == 0; }
};

// Evaluates line k's expression text as the sheet sees it; `text` is changed in place, and is
// left as it stands when an earlier pass gave the result.
LineResult EvaluateLine(Document& doc, std::string& text, int k);
// The same, always read in full: the reference the self-check compares every fast way with.
LineResult EvaluateLineUncached(Document& doc, std::string& text, int k);

}  // namespace ravnelok
