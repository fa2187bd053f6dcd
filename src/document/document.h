#pragma once

#include <random>
#include <string>
#include <vector>

#include "document/eval_cache.h"
#include "document/graph_state.h"
#include "document/line_records.h"
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
  TextGrid sheet{7, 200};
  LineRecords records;
  TextGrid table{10, 50};
  TableValueList table_values;
  TableWidths table_widths;

  std::string function_names;
  std::string reserved_words;
  // `function_names` followed by "&sum&rst&": the words a name may not be.
  std::string built_in_words;
  // The word lists above and UI text 108 as one table; rebuilt with the reserved words.
  WordTable words;

  GraphData graph;
  GraphSettings graph_settings;
  AxisRanges ranges;
  int bitmap_width = 640;
  int bitmap_height = 300;
  bool printing = false;

  std::mt19937_64 rng;

  // Whether the running recalculation pass has opened its table row yet.
  bool table_row_opened = false;

  // Per line, the last evaluation of its substituted text; cleared with the word lists.
  mutable std::vector<LineEvalCache> eval_cache;

  // Number of sheet lines (RowCount - 1).
  int LineCount() const { return sheet.RowCount() - 1; }

  // Built once the UI texts are loaded (and again whenever they change): takes three of its
  // words from the table.
  void BuildReservedWords();
  // Whether "&" + lower-case word + "&" occurs in `reserved_words`.
  bool IsReservedWord(const std::string& word) const;

  // Grid initialisation: column widths, headers, labels, blank marks, current cell (3, 1).
  void InitialiseGrid();
  // Sets the number of lines (1..999): new rows get labels and blank marks.
  void SetLineCount(int lines);
};

// "&abs&sqr&...&d9&": the 44 built-in function names.
const std::string& FunctionNames();

}  // namespace ravnelok
