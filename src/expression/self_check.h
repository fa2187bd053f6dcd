#pragma once

#include <string>

#include "expression/substitution.h"

namespace ravnelok {

class Document;

// Built with RAVNELOK_SELF_CHECK (the test and fuzz builds), every line that a fast way computes
// (its compiled program, the first sight with marked values, the evaluation cache) is computed
// once more by the full reading of its text, and any difference in the value's bits or in the
// flags aborts the program with the line, its text and both results. Release builds leave it out.
#ifdef RAVNELOK_SELF_CHECK
inline constexpr bool kSelfCheck = true;
#else
inline constexpr bool kSelfCheck = false;
#endif

// The ways a line is computed.
enum class LinePath { kProgram, kFirstSight, kCache };

// Line k's expression `text` was computed by `path` to `got`: aborts unless the full reading of
// the text, which leaves the document and its random numbers as they were, gives the same.
void CheckAgainstFullReading(Document& doc, int k, const std::string& text, LinePath path,
                             const LineResult& got);

}  // namespace ravnelok
