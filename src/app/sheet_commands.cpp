#include "app/sheet_commands.h"

#include "document/document.h"
#include "document/ui.h"
#include "editing/cell_edit.h"
#include "files/sheet_file.h"
#include "graphics/graph.h"
#include "graphics/layout.h"
#include "numbers/number_text.h"
#include "sheet/start_values.h"
#include "sheet/table.h"

namespace ravnelok {

void RecalculateSheet(Document& doc, Ui& ui, RecalcMode mode) {
  const PassResult pass = RecalculatePass(doc, ui, mode);
  if (pass.table_mark_dropped && IsTableGraph(doc.settings.graph_kind)) ClearGraph(doc, ui);
  RefreshGraph(doc, ui);
  doc.records.ClearAllStartPending();
}

void RecalculateCommand(Document& doc, Ui& ui) {
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
}

bool LoadSheet(Document& doc, Ui& ui, const std::string& path) {
  if (!ReadSheet(doc, ui, path)) return false;
  ClearTable(doc);
  ClearGraph(doc, ui);
  SetViewMode(doc, ui, ViewMode::kSheet);
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  return true;
}

bool OpenCommand(Document& doc, Ui& ui) {
  const auto path =
      ui.AskOpenFileName(doc.texts[TextId::kOpenTitle], std::string(kSheetFilePattern));
  return path && LoadSheet(doc, ui, *path);
}

void SaveCommand(Document& doc, Ui& ui) {
  const auto path = ui.AskSaveFileName(doc.texts[TextId::kSaveTitle], doc.settings.file_name);
  if (path) SaveSheet(doc, ui, *path);
}

void CommitEditorText(Document& doc, Ui& ui, std::string text) {
  if (StoreEditorText(doc, std::move(text))) RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
}

void StartValuesCommand(Document& doc, Ui& ui) {
  if (SetStartValues(doc, ui)) RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
}

void PressSheetGrid(Document& doc, Ui& ui, MouseButton button, int col, int row) {
  TextGrid& sheet = doc.sheet;
  doc.editor.clicked_column = col;
  if (button == MouseButton::kMiddle) return;
  if (button == MouseButton::kRight) {
    if (col != Document::kValue || row < 1 || row >= sheet.RowCount()) return;
    sheet.SetCurrent(Document::kValue, row);
    Real value = 0;
    if (doc.records.Value(row, value)) ui.ShowMessage(ScientificText21(value));
    return;
  }
  if (col == Document::kValue && row == 0) {
    sheet.Select({Document::kValue, 1, Document::kValue, sheet.RowCount() - 1});
    return;
  }
  if (row < 0 || row >= sheet.RowCount()) return;
  const std::string& expression = sheet.Cell(Document::kExpression, row);
  if (expression.find_first_not_of(' ') == std::string::npos || IsTextLine(expression)) return;
  if (col != Document::kTableMark && col != Document::kFixedMark) return;
  if (row == 0) {
    for (int k = 1; k < sheet.RowCount(); ++k) sheet.SetCell(col, k, std::string(kNoMarkText));
  } else if (col == Document::kTableMark) {
    if (doc.settings.view_mode == ViewMode::kSheet) SetViewMode(doc, ui, ViewMode::kSheetAndTable);
    sheet.SetCell(col, row, std::string(doc.TableMarked(row) ? kNoMarkText : kTableMarkText));
  } else {
    sheet.SetCell(col, row, std::string(doc.FixedMarked(row) ? kNoMarkText : kFixedMarkText));
  }
  if (col == Document::kTableMark) {
    ClearTable(doc);
    BuildTableHeaders(doc);
    ClearGraph(doc, ui);
  }
}

void RemoveTableRowsCommand(Document& doc, Ui& ui, int top, int bottom) {
  RemoveTableRows(doc, top, bottom);
  RefreshGraph(doc, ui);
}

void ClearTableCommand(Document& doc, Ui& ui) {
  ClearTable(doc);
  BuildTableHeaders(doc);
  if (doc.settings.graph_shown && IsTableGraph(doc.settings.graph_kind)) {
    ClearGraph(doc, ui);
    doc.settings.graph_shown = true;
  }
}

}  // namespace ravnelok
