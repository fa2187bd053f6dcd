#include "editing/line_ops.h"

#include <algorithm>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/ui.h"
#include "editing/cell_edit.h"
#include "editing/renumber.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

constexpr int kMovingColumns[] = {Document::kTableMark, Document::kFixedMark, Document::kName,
                                  Document::kValue, Document::kUnit};

void BlankLine(Document& doc, int k) {
  doc.sheet.SetCell(Document::kTableMark, k, std::string(kNoMarkText));
  doc.sheet.SetCell(Document::kFixedMark, k, std::string(kNoMarkText));
  for (int col = Document::kName; col <= Document::kUnit; ++col) doc.sheet.SetCell(col, k, "");
}

// Line `from` goes to line `to` with `expression` (already renumbered); `from` keeps its cells
// and gets a fresh record.
void MoveLine(Document& doc, int from, int to, std::string expression) {
  for (const int col : kMovingColumns) doc.sheet.SetCell(col, to, doc.sheet.Cell(col, from));
  doc.sheet.SetCell(Document::kExpression, to, std::move(expression));
  doc.records.SetDecimals(to, doc.records.Decimals(from));
  doc.records.MoveRecord(from, to);
}

// The expressions of lines first..last rewritten for a move by `offset`, all read before
// anything moves: a reference by name must find its line where it was.
std::vector<std::string> Renumbered(const Document& doc, int first, int last, int offset, int top) {
  std::vector<std::string> texts;
  for (int r = first; r <= last; ++r) {
    texts.push_back(
        RenumberReferences(doc, doc.sheet.Cell(Document::kExpression, r), offset, top, false));
  }
  return texts;
}

// An optional sign followed by decimal digits, nothing else.
std::optional<int> WholeNumber(const std::string& text) {
  size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
  if (i == text.size()) return std::nullopt;
  int n = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    n = std::min(n * 10 + (text[i] - '0'), 1000);  // anything above 10 is refused alike
  }
  return text[0] == '-' ? -n : n;
}

}  // namespace

std::optional<int> AskInsertCount(Document& doc, Ui& ui) {
  TextInputDialog dialog;
  dialog.caption = doc.texts[TextId::kInsertLinesCaption];
  dialog.label = doc.texts[TextId::kInsertLinesLabel];
  // One line by default; assigned as a character, since a literal here draws a false
  // -Wrestrict from GCC 12 at -O2.
  dialog.field.assign(1, '1');
  dialog.yes = doc.texts[TextId::kYes];
  dialog.no = doc.texts[TextId::kNo];
  if (!ui.RunTextInputDialog(dialog)) return std::nullopt;
  return WholeNumber(WithoutBlanks(dialog.field));
}

bool InsertBlankLines(Document& doc, int top, int n) {
  const int rows = doc.sheet.RowCount();
  if (n < 1 || n > 10 || top < 1 || top + n >= rows - 1) return false;
  const int last = rows - 1 - n;
  std::vector<std::string> texts = Renumbered(doc, top, last, n, top);
  for (int r = last; r >= top; --r) {
    MoveLine(doc, r, r + n, std::move(texts[static_cast<size_t>(r - top)]));
  }
  for (int r = top; r < top + n; ++r) {
    BlankLine(doc, r);
    doc.records.SetDecimals(r, doc.settings.default_decimals);
  }
  return true;
}

bool InsertLosesText(const Document& doc, int top, int n) {
  const int rows = doc.sheet.RowCount();
  if (n < 1 || n > 10 || top < 1 || top + n >= rows - 1) return false;  // refused anyway
  for (int r = rows - n; r < rows; ++r) {
    for (const int col : {Document::kName, Document::kExpression, Document::kUnit}) {
      if (doc.sheet.Cell(col, r).find_first_not_of(' ') != std::string::npos) return true;
    }
  }
  return false;
}

void DeleteLines(Document& doc, int top, int bottom) {
  const int rows = doc.sheet.RowCount();
  bottom = std::min(bottom, rows - 1);
  if (top < 1 || bottom < top) return;
  const int count = bottom - top + 1;
  const int last = rows - 1 - count;
  std::vector<std::string> texts = Renumbered(doc, top + count, last + count, -count, top);
  for (int r = top; r <= last; ++r) {
    MoveLine(doc, r + count, r, std::move(texts[static_cast<size_t>(r - top)]));
  }
  for (int r = std::max(top, rows - count); r < rows; ++r) {
    BlankLine(doc, r);
    doc.records.SetDecimals(r, doc.settings.default_decimals);
    doc.records.Reset(r);
  }
}

void ClearSheetCells(Document& doc, const GridRect& selection) {
  if (selection.top < 1) return;
  const int bottom = std::min(selection.bottom, doc.LineCount());
  const int left = std::max(selection.left, static_cast<int>(Document::kName));
  for (int r = selection.top; r <= bottom; ++r) {
    for (int col = left; col <= selection.right; ++col) doc.sheet.SetCell(col, r, "");
  }
}

void BlankSheet(Document& doc) {
  for (int k = 1; k <= doc.LineCount(); ++k) {
    BlankLine(doc, k);
    doc.records.ClearHasValue(k);
  }
  doc.sheet.SetCurrent(Document::kName, 1);
  PlaceEditor(doc, Document::kName, 1);
  doc.settings.file_name = kSheetFilePattern;
  doc.records.ResetDecimals(doc.settings.default_decimals);
}

}  // namespace ravnelok
