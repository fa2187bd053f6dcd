#pragma once

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "document/copy_buffer.h"
#include "document/editor_position.h"
#include "document/function_names.h"
#include "document/graph_state.h"
#include "document/line_records.h"
#include "document/lost_characters.h"
#include "document/modes.h"
#include "document/settings.h"
#include "document/table_values.h"
#include "document/table_widths.h"
#include "document/text_grid.h"
#include "document/ui_texts.h"
#include "document/word_table.h"

namespace ravnelok {

// What evaluation keeps from one pass to the next (expression/eval_cache.h). No part of the
// document's state: a copy of a document starts without it.
struct EvalCaches;
struct EvalCachesDeleter {
  void operator()(EvalCaches* caches) const;
};
class EvalCacheSlot {
 public:
  EvalCacheSlot() = default;
  EvalCacheSlot(const EvalCacheSlot&) {}
  EvalCacheSlot& operator=(const EvalCacheSlot&) {
    caches_.reset();
    return *this;
  }
  EvalCacheSlot(EvalCacheSlot&&) noexcept = default;
  EvalCacheSlot& operator=(EvalCacheSlot&&) noexcept = default;
  ~EvalCacheSlot() = default;
  EvalCaches* get() const { return caches_.get(); }
  void reset(EvalCaches* caches) { caches_.reset(caches); }

 private:
  std::unique_ptr<EvalCaches, EvalCachesDeleter> caches_;
};

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
  // The two mark columns are the grid's fixed columns: drawn like headers, never current, and
  // left at their widths by the window layout.
  static constexpr int kFixedColumns = 2;

  Settings settings;
  CopyBuffer copy;
  EditorPosition editor;
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
  LostCharacters lost_characters;  // of the sheet last read

  // Seeded from the clock once; the random functions draw from it.
  std::mt19937_64 rng;
  // Whether the running pass has opened its table row yet.
  bool table_row_opened = false;
  EvalCacheSlot eval_caches;
  // Line k's marks.
  bool TableMarked(int k) const { return IsMark(sheet.Cell(kTableMark, k), kTableMarkText); }
  bool FixedMarked(int k) const { return IsMark(sheet.Cell(kFixedMark, k), kFixedMarkText); }

  // Number of sheet lines (RowCount - 1).
  int LineCount() const { return sheet.RowCount() - 1; }

  // Loads the UI texts from a text file (see UiTexts::Load) or its bytes, and builds the
  // reserved words from them; the evaluation caches follow the texts by themselves.
  bool LoadTexts(const std::string& path = "ravnmenu.txt");
  void LoadTextsFromBytes(std::string_view bytes);
  // Built with the document and whenever the UI texts change: takes three of its words from
  // the table.
  void BuildReservedWords();
  // Whether the lower-case word is a reserved word.
  bool IsReservedWord(const std::string& word) const;

  // Grid initialisation: column widths, headers, labels, blank marks, current cell (3, 1).
  void InitialiseGrid();
  // Sets the number of lines (1..999): new rows get labels and blank marks.
  void SetLineCount(int lines);
};

}  // namespace ravnelok
