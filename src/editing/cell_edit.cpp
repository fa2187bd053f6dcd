#include "editing/cell_edit.h"

#include <algorithm>

#include "document/document.h"
#include "document/line_records.h"
#include "document/ui.h"
#include "text/text_ops.h"

namespace ravnelok {

namespace {

// Word characters: digits, A..Z, a..z and Å Æ Ø å æ ø. The underscore separates words.
bool IsWordChar(char c) {
  return IsDigit(c) || IsDanishLetter(c);
}

char ReservedWordCapital(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 32);
  if (static_cast<unsigned char>(c) == kSmallARing) return static_cast<char>(kCapitalARing);
  return c;
}

}  // namespace

bool IsEditableColumn(int col) {
  return col == Document::kName || col == Document::kExpression || col == Document::kUnit;
}

std::string UpperCaseReservedWords(const Document& doc, const std::string& text) {
  std::string out = text;
  size_t i = 0;
  while (i < out.size()) {
    if (!IsWordChar(out[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < out.size() && IsWordChar(out[end])) ++end;
    if (doc.IsReservedWord(out.substr(i, end - i))) {
      for (size_t k = i; k < end; ++k) out[k] = ReservedWordCapital(out[k]);
    }
    i = end;
  }
  return out;
}

TypingResult TypeOnSheet(int current_col, char key) {
  TypingResult result;
  if (!IsEditableColumn(current_col) || key == '\r') return result;
  result.open_editor = true;
  if (key != '\b') result.text = std::string(1, key);
  return result;
}

EditorText DeleteInEditor(const EditorText& editor) {
  EditorText out = editor;
  const int size = static_cast<int>(editor.text.size());
  int caret = std::clamp(editor.caret, 0, size);
  if (editor.selection_length > 0) {
    // With a selection the caret position that counts is the selection's start.
    const int start = std::clamp(editor.selection_start, 0, size);
    const int length = std::min(editor.selection_length, size - start);
    out.text.erase(static_cast<size_t>(start), static_cast<size_t>(length));
    caret = start;
  } else if (caret < size) {
    out.text.erase(static_cast<size_t>(caret), 1);
  }
  out.caret = std::min(caret, static_cast<int>(out.text.size()));
  out.selection_start = out.caret;
  out.selection_length = 0;
  return out;
}

EditorGeometry EditorOverCell(const CellRect& cell) {
  return {cell.left + 4, cell.top + 4, cell.right - cell.left - 2, cell.bottom - cell.top - 2};
}

std::string PlaceEditor(Document& doc, int col, int row) {
  doc.editor.column = col;
  doc.editor.row = row;
  return doc.sheet.Cell(col, row);
}

bool DoubleClickOpensEditor(const Document& doc) {
  return IsEditableColumn(doc.editor.clicked_column);
}

int EditorKeyTarget(const Document& doc, EditorKey key) {
  const int row = doc.editor.row;
  switch (key) {
    case EditorKey::kEnter:
      return row;
    case EditorKey::kDown:
      return row < doc.sheet.RowCount() - 1 ? row + 1 : 0;
    case EditorKey::kUp:
      return row >= 2 ? row - 1 : 0;
  }
  return 0;
}

bool StoreEditorText(Document& doc, std::string text) {
  const int col = doc.editor.column;
  const int row = doc.editor.row;
  if (col == Document::kExpression && !text.empty() && !StartsAsTextLine(text)) {
    text = UpperCaseReservedWords(doc, text);
  }
  doc.sheet.SetCell(col, row, std::move(text));
  if (col == Document::kName) doc.records.ClearAllNames();
  return col == Document::kName || col == Document::kExpression;
}

}  // namespace ravnelok
