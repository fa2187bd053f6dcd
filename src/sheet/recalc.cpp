#include "sheet/recalc.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "document/document.h"
#include "document/ui.h"
#include "expression/eval_cache.h"
#include "expression/line_program.h"
#include "expression/name_table.h"
#include "expression/self_check.h"
#include "expression/substitution.h"
#include "numbers/format_value.h"
#include "numbers/number_text.h"
#include "sheet/decimals.h"
#include "sheet/table.h"
#include "text/text_ops.h"

namespace ravnelok {

namespace {

// Writes the formatted value, unless the cell still shows the same value as it was written.
void SetValueCell(Document& doc, LineEvalCache& cache, int k, Real value) {
  const int decimals = doc.records.Decimals(k);
  const int width = doc.settings.value_width;
  if (cache.cell_valid && cache.cell_decimals == decimals && cache.cell_width == width &&
      cache.cell_stamp == doc.sheet.CellStamp(Document::kValue, k) && cache.cell_value == value) {
    if constexpr (kSelfCheck) {
      if (doc.sheet.Cell(Document::kValue, k) != FormatValue(value, decimals, width)) {
        std::fprintf(stderr, "self-check: line %d keeps the value cell \"%s\" for another value\n",
                     k, doc.sheet.Cell(Document::kValue, k).c_str());
        std::abort();
      }
    }
    return;
  }
  CellText text;
  FormatValueInto(value, decimals, width, text);
  if (doc.sheet.Cell(Document::kValue, k) != text.View()) {
    doc.sheet.AssignCell(Document::kValue, k, text.View());
  }
  cache.cell_value = value;
  cache.cell_decimals = decimals;
  cache.cell_width = width;
  cache.cell_stamp = doc.sheet.CellStamp(Document::kValue, k);
  cache.cell_valid = true;
}

}  // namespace

PassResult RecalculatePass(Document& doc, Ui& ui, RecalcMode mode) {
  PassResult result;
  TextGrid& sheet = doc.sheet;
  if (mode == RecalcMode::kFresh) {
    doc.records.ClearAllNames();
    doc.records.ClearAllStartPending();
    ClearTable(doc);
  }
  doc.table_row_opened = false;
  BuildTableHeaders(doc);
  if (!BuildNameTable(doc, ui)) return result;

  // No pass changes the UI texts, so the caches stay the same object throughout.
  EvalCaches& caches = Caches(doc);
  std::string text;
  std::string bare_label;
  for (int k = 1; k < sheet.RowCount(); ++k) {
    // Name validation has just written every name cell without blanks.
    const std::string& name = sheet.Cell(Document::kName, k);
    const bool from_start_value = doc.records.StartPending(k) && doc.records.HasValue(k);
    LineResult line;
    // A line whose program still stands is computed without reading its expression, which is
    // then known to be neither empty nor text.
    if (!from_start_value && RunLineProgram(doc, caches, k, line.value)) {
      line.error_position = 0;
      if constexpr (kSelfCheck) {
        CheckAgainstFullReading(doc, k, sheet.Cell(Document::kExpression, k), LinePath::kProgram,
                                line);
      }
    } else {
      const std::string& expression = sheet.Cell(Document::kExpression, k);
      const bool empty = expression.find_first_not_of(' ') == std::string::npos;
      if (empty) {
        if (doc.TableMarked(k)) {
          sheet.SetCell(Document::kTableMark, k, std::string(kNoMarkText));
          ClearTable(doc);
          result.table_mark_dropped = true;
        }
        if (doc.FixedMarked(k)) sheet.SetCell(Document::kFixedMark, k, std::string(kNoMarkText));
      }
      if (empty || IsTextLine(expression)) {
        if (!sheet.Cell(Document::kValue, k).empty())
          sheet.SetCell(Document::kValue, k, std::string());
        doc.records.SetNameNoValue(k, name);
        continue;
      }
      Real start_value = 0;
      if (from_start_value && doc.records.Value(k, start_value)) {
        text = WithoutBlanks(FixedNotation(start_value, 10, 0));
        line = EvaluateLine(doc, text, k);
      } else if (EvaluateFirstSight(doc, expression, k, line.value)) {
        line.error_position = 0;
        if constexpr (kSelfCheck) {
          CheckAgainstFullReading(doc, k, expression, LinePath::kFirstSight, line);
        }
        LearnLineProgram(doc, expression, k, line.value);
      } else {
        text = expression;
        line = EvaluateLine(doc, text, k);
        if (line.Ok()) LearnLineProgram(doc, expression, k, line.value);
      }
    }
    if (line.too_long) ui.ShowMessage(doc.texts[TextId::kTooManyVariables]);
    if (!line.Ok()) {
      sheet.SetCell(Document::kValue, k,
                    line.emptied ? std::string() : std::string(kFailedValueText));
      doc.records.SetNameNoValue(k, name);
      continue;
    }
    SetValueCell(doc, caches.Line(k), k, line.value);
    const std::string& label = sheet.Cell(Document::kLabel, k);
    const bool blanks = std::find(label.begin(), label.end(), ' ') != label.end();
    if (blanks) bare_label = WithoutBlanks(label);
    doc.records.StoreByNameAndLabel(name, blanks ? bare_label : label, line.value, k);
    if (mode == RecalcMode::kAppendRow && doc.TableMarked(k)) {
      AppendTableValue(doc, k, line.value);
    }
  }
  doc.records.ClearAllStartPending();
  return result;
}

}  // namespace ravnelok
