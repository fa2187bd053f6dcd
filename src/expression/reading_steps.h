#pragma once

#include <string>

namespace ravnelok {

class Document;
struct EvalContext;

// The steps of the full reading between the substitution and the evaluator, in their order:
// remainders, conditions, relations. Each may change what the evaluator reads, so the fast ways
// of computing a line (a compiled program, the first sight with marked values) take only texts
// that no step changes beyond what every text gets (its blanks dropped, brackets round it).
// The one list of them is in reading_steps.cpp.

// Runs the steps on a substituted text, as the full reading does; false when one failed, with
// its place in the order in `failed_step` (0 remainders, 1 conditions, 2 relations). The text
// may be left empty, when a condition chose an empty branch.
bool RunReadingSteps(Document& doc, std::string& text, const EvalContext& context,
                     int* failed_step = nullptr);

// Whether no step changes any substitution of `marked`, a text whose values and sums stand as
// marked inputs; `marked` is then as the steps leave every text (blanks gone, in brackets).
bool ReadingStepsLeaveAlone(const Document& doc, std::string& marked);

// Resolves every rst(a;b), with the remainder word of UI text 116; false when one fails.
bool ApplyRemainder(Document& doc, std::string& text);

}  // namespace ravnelok
