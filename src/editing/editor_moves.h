#pragma once

#include <optional>

namespace ravnelok {

class Document;

struct EditorCell {
  int col = 0;
  int row = 0;
  bool operator==(const EditorCell&) const = default;
};

// Where Tab (or Shift+Tab, `backward`) takes the editor from (col, row): the next (previous)
// editable column of the line, name, expression, unit; from the unit on to the next line's
// name, and back from the name to the previous line's unit. Nothing beyond the first and last
// lines.
std::optional<EditorCell> TabTarget(const Document& doc, int col, int row, bool backward);

}  // namespace ravnelok
