#pragma once

#include <string>

namespace ravnelok {

class Document;

// The expression `text` moves by `offset` lines: its references to sheet lines are rewritten,
// read from the grid and the line records as they are now. In paste mode a reference follows
// the move and becomes the name of the line it now points to (its label when it has none). For
// line operations (`paste_mode` false) only references by label to lines from `first` on move;
// names stay. References to lines marked "*" are left alone, and one above line 1 becomes
// "???". A word that is no name or label ends the rewriting: the rest is left as it was.
std::string RenumberReferences(const Document& doc, std::string text, int offset, int first,
                               bool paste_mode);

}  // namespace ravnelok
