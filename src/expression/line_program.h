#pragma once

#include <string>

#include "numbers/real.h"

namespace ravnelok {

class Document;
struct EvalCaches;

// The two fast ways of computing a line skip the substitution's text and its reading, never a
// rule; each rule is one function that the full reading uses too:
//   sums: RangeTotal; the 250-character check: FitsSubstitutedLength; which texts the reading
//   steps could change: ReadingStepsLeaveAlone; a negative value read as "(0-m)": InputValue;
//   the 13-digit rounding: RoundComputedValue and ReadsBackExactly; random draws: the function
//   table's draws_random. With RAVNELOK_SELF_CHECK every result is compared with the full reading.

// Computes line k from the program made for its expression when the expression cell and the
// names are still those it was made for and every value it reads is there; the text itself is
// not read. False sends the line through EvaluateLine, which also tells every fault. `caches` is
// Caches(doc), fetched once for a whole pass.
bool RunLineProgram(Document& doc, EvalCaches& caches, int k, Real& value);

// Computes line k's expression `text` the first time it is seen, from the values it names
// rather than from their texts read back, which gives the same. False leaves the line to
// EvaluateLine: a text seen before (whose program, if any, is made from and checked against the
// full evaluation), a fault, or a step that could change the reading (conditions, relations,
// remainders, random draws).
bool EvaluateFirstSight(Document& doc, const std::string& text, int k, Real& value);

// Called when line k's expression `text` has been computed to `value` without fault:
// the first time a text is seen it is only noted, the second time its program is made. A text
// whose reading could depend on the values (conditions, relations, remainders, random draws)
// gets none.
void LearnLineProgram(Document& doc, const std::string& text, int k, Real value);

}  // namespace ravnelok
