#include "editing/editor_moves.h"

#include <algorithm>
#include <iterator>

#include "document/document.h"

namespace ravnelok {

namespace {
constexpr int kEditable[] = {Document::kName, Document::kExpression, Document::kUnit};
constexpr int kPerLine = static_cast<int>(std::size(kEditable));
}  // namespace

std::optional<EditorCell> TabTarget(const Document& doc, int col, int row, bool backward) {
  const int* found = std::find(std::begin(kEditable), std::end(kEditable), col);
  if (found == std::end(kEditable) || row < 1 || row > doc.LineCount()) return std::nullopt;
  // The editable cells counted over the whole sheet, line by line.
  const int at = (row - 1) * kPerLine + static_cast<int>(found - std::begin(kEditable));
  const int to = at + (backward ? -1 : 1);
  if (to < 0 || to >= doc.LineCount() * kPerLine) return std::nullopt;
  return EditorCell{kEditable[to % kPerLine], to / kPerLine + 1};
}

}  // namespace ravnelok
