#pragma once

#include <random>
#include <string>
#include <vector>

#include "document/eval_cache.h"
#include "document/function_names.h"
#include "document/graph_state.h"
#include "document/line_records.h"
#include "document/modes.h"
#include "document/settings.h"
#include "document/table_values.h"
#include "document/table_widths.h"
#include "document/text_grid.h"
#include "document/ui_texts.h"
#include "document/word_table.h"

namespace ravnelok {

// The whole state that belongs to the main window. One instance lives for the program's run.
class Document {
 public:
  Document();

  // Sheet columns.
  static constexpr int kTableMark = 0;
  static constexpr int kFixedMark = 1;
  static constexpr int kLabel = 2;
  static constexpr int kName = 3;
  static constexpr int kExpression = 4;
  static constexpr int kValue = 5;
  static constexpr int kUnit = 6;

  Settings settings;
  UiTexts texts;
  TextGrid sheet{7, 200, /*stamped=*/true};
  LineRecords records;
  TextGrid table{10, 50};
  TableValueList table_values;
  TableWidths table_widths;

  // The reserved words, function names, condition words and built-in names as one table;
  // rebuilt with the reserved words.
  WordTable words;

  GraphState graph;
  EvalState eval;

  // Line k moved or was reset: what was kept from its last evaluation no longer belongs to it.
  void ForgetLineCache(int k) {
    if (k >= 1 && k < static_cast<int>(eval.lines.size())) eval.lines[k] = LineEvalCache{};
  }
  // Line k's marks.
  bool TableMarked(int k) const { return IsMark(sheet.Cell(kTableMark, k), kTableMarkText); }
  bool FixedMarked(int k) const { return IsMark(sheet.Cell(kFixedMark, k), kFixedMarkText); }

  // Number of sheet lines (RowCount - 1).
  int LineCount() const { return sheet.RowCount() - 1; }

  // Built once the UI texts are loaded (and again whenever they change): takes three of its
  // words from the table.
  void BuildReservedWords();
  // Whether the lower-case word is a reserved word.
  bool IsReservedWord(const std::string& word) const;

  // Grid initialisation: column widths, headers, labels, blank marks, current cell (3, 1).
  void InitialiseGrid();
  // Sets the number of lines (1..999): new rows get labels and blank marks.
  void SetLineCount(int lines);
};

}  // namespace ravnelok
