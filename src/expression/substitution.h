#pragma once

#include <string>

#include "numbers/real.h"

namespace ravnelok {

class Document;

struct SubstitutionFlags {
  bool undefined = false;
  bool too_long = false;
};

// Longest text a substitution may make before the interpreter gives up.
constexpr int kMaxSubstitutedLength = 250;

SubstitutionFlags SubstituteNames(Document& doc, std::string& text, int k);
// Resolves every rst(a;b). Returns failed.
bool ApplyRemainder(Document& doc, std::string& text);

struct LineResult {
  Real value = 0;
  int error_position = -1;
  bool failed = false;
  bool undefined = false;
  bool too_long = false;
  bool Ok() const { return !failed && !undefined && !too_long && error_position == 0; }
};

// Evaluates line k's expression text as the sheet sees it; `text` is changed in place.
LineResult EvaluateLine(Document& doc, std::string& text, int k);

}  // namespace ravnelok
