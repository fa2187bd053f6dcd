#include "sheet/recalc.h"

#include "app/document.h"
#include "app/ui.h"
#include "expression/name_table.h"
#include "expression/substitution.h"
#include "expression/text_ops.h"
#include "graphics/graph.h"
#include "graphics/table.h"
#include "sheet/format_value.h"
#include "sheet/number_text.h"

namespace ravnelok {

bool IsTextLine(const std::string& expression) {
  for (char c : expression) {
    if (c != ' ') return c == '!' || c == '"';
  }
  return false;
}

namespace {

// Writes the formatted value; the text of the previous pass is reused for the same value.
void SetValueCell(Document& doc, int k, Real value) {
  LineEvalCache& cache = doc.eval_cache[k];
  const int decimals = doc.records.Decimals(k);
  if (!cache.cell_valid || cache.cell_value != value || cache.cell_decimals != decimals) {
    cache.cell_text = FormatValue(doc, value, k);
    cache.cell_value = value;
    cache.cell_decimals = decimals;
    cache.cell_valid = true;
  }
  if (doc.sheet.Cell(Document::kValue, k) != cache.cell_text) {
    doc.sheet.SetCell(Document::kValue, k, cache.cell_text);
  }
}

void Pass(Document& doc, Ui& ui, int mode) {
  TextGrid& sheet = doc.sheet;
  if (mode == 0) {
    doc.records.ClearAllNames();
    doc.records.ClearAllStartPending();
    ClearTable(doc);
  }
  doc.table_row_opened = false;
  BuildTableHeaders(doc);
  if (!BuildNameTable(doc, ui)) return;

  std::string text;
  std::string bare_label;
  for (int k = 1; k < sheet.RowCount(); ++k) {
    // Name validation has just written every name cell without blanks.
    const std::string& name = sheet.Cell(Document::kName, k);
    const std::string& expression = sheet.Cell(Document::kExpression, k);
    const bool empty = expression.find_first_not_of(' ') == std::string::npos;
    if (empty) {
      if (sheet.Cell(Document::kTableMark, k) == "T") {
        sheet.SetCell(Document::kTableMark, k, " ");
        ClearTable(doc);
        if (IsTableGraph(doc.settings.graph_kind)) ClearGraph(doc, ui);
      }
      if (sheet.Cell(Document::kFixedMark, k) == "*") sheet.SetCell(Document::kFixedMark, k, " ");
    }
    if (empty || IsTextLine(expression)) {
      if (!sheet.Cell(Document::kValue, k).empty())
        sheet.SetCell(Document::kValue, k, std::string());
      doc.records.SetNameNoValue(k, name);
      continue;
    }
    Real start_value = 0;
    if (doc.records.StartPending(k) && doc.records.Value(k, start_value)) {
      text = WithoutBlanks(FixedNotation(start_value, 10, 0));
    } else {
      text = expression;
    }
    const LineResult result = EvaluateLine(doc, text, k);
    if (result.too_long) ui.ShowMessage(doc.texts[59]);
    if (!result.Ok()) {
      sheet.SetCell(Document::kValue, k, text.empty() ? std::string() : std::string(" ???"));
      doc.records.SetNameNoValue(k, name);
      continue;
    }
    SetValueCell(doc, k, result.value);
    const std::string& label = sheet.Cell(Document::kLabel, k);
    const bool blanks = label.find(' ') != std::string::npos;
    if (blanks) bare_label = WithoutBlanks(label);
    doc.records.StoreByNameAndLabel(name, blanks ? bare_label : label, result.value, k);
    if (mode == 1 && sheet.Cell(Document::kTableMark, k) == "T") {
      AppendTableValue(doc, k, result.value);
    }
  }
  doc.records.ClearAllStartPending();
}

}  // namespace

void RecalculateSheet(Document& doc, Ui& ui, int mode) {
  Pass(doc, ui, mode);
  RefreshGraph(doc, ui);
  doc.records.ClearAllStartPending();
}

}  // namespace ravnelok
