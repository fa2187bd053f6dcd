#pragma once

#include <string>

namespace ravnelok {

class Document;
class Ui;

// Only the name, expression and unit columns are edited in place.
bool IsEditableColumn(int col);

// Every reserved word (a maximal run of word characters found in `reserved_words`) in
// capitals: a..z to A..Z and å to Å; æ, ø and everything else stay.
std::string UpperCaseReservedWords(const Document& doc, const std::string& text);

// What a character typed on the sheet grid does. `key` is the Windows-1252 character.
struct TypingResult {
  bool open_editor = false;
  std::string text;  // the editor's new text (caret after it)
};
TypingResult TypeOnSheet(int current_col, char key);

// The editor's text with its caret (characters before it) and its selection (start, length).
struct EditorText {
  std::string text;
  int caret = 0;
  int selection_start = 0;
  int selection_length = 0;
};
// The Del key in the editor: the selection goes, or else the one character after the caret;
// the caret returns to where it was before.
EditorText DeleteInEditor(const EditorText& editor);

// The cell of the editor position (Document::editor) in the grid's client coordinates.
struct CellRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
struct EditorGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const EditorGeometry&) const = default;
};
// Where the editor lies over a cell: 4 in from the rectangle's corner, 2 narrower and lower.
EditorGeometry EditorOverCell(const CellRect& cell);

// PlaceEditor's bookkeeping: the editor now belongs to (col, row); returns the cell's text.
std::string PlaceEditor(Document& doc, int col, int row);

// Whether a double-click on the sheet grid opens the editor (by the last pressed column).
bool DoubleClickOpensEditor(const Document& doc);

// The keys the editor acts on when they are released.
enum class EditorKey { kEnter, kUp, kDown };
// The row the editor moves to after the key (the same row for Enter), or 0 when the key does
// nothing here (Up on line 1, Down on the last line).
int EditorKeyTarget(const Document& doc, EditorKey key);

// The commit when the editor loses the focus: the text goes into the editor's cell
// (reserved words in capitals in an expression that is not a text line); a name clears the
// names of the line records. True when the sheet must be recalculated (a name or an
// expression changed).
bool StoreEditorText(Document& doc, std::string text);

}  // namespace ravnelok
