#pragma once

#include <string>

#include "numbers/real.h"

namespace ravnelok {

class Document;

// Computes line k from the program made for its expression when the expression cell and the
// names are still those it was made for and every value it reads is there; the text itself is
// not read. False sends the line through EvaluateLine, which also tells every fault.
bool RunLineProgram(Document& doc, int k, Real& value);

// Called when EvaluateLine has computed line k's expression `text` to `value` without fault:
// the first time a text is seen it is only noted, the second time its program is made. A text
// whose reading could depend on the values (conditions, relations, remainders, random draws)
// gets none.
void LearnLineProgram(Document& doc, const std::string& text, int k, Real value);

// Line k's value has just been stored and came out of RoundTripNumber, so its substituted text
// reads back as its magnitude: noted, so that programs do not round it again.
void NoteComputedValue(const Document& doc, int k, Real value);

}  // namespace ravnelok
