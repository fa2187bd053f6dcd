#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/journal.h"
#include "document/line_records.h"
#include "document/modes.h"
#include "document/table_widths.h"
#include "document/text_grid.h"

namespace ravnelok {

class Document;

// The settings a command may change along with the sheet, and where the user was.
struct SheetSettingsState {
  // Part of the sheet's state: a change here is a change of the sheet.
  int default_decimals = -1;
  int value_width = 10;
  std::string decimals_text;
  bool angle_in_degrees = true;
  AngleUnit angle_choice = AngleUnit::kDegrees;
  int table_columns = 0;
  int table_rows = 0;
  TableWidths table_widths;
  // What was shown: put back with a change, never one by itself.
  ViewMode view_mode = ViewMode::kSheet;
  bool graph_shown = false;
  GraphKind graph_kind = GraphKind::kNone;
  int sheet_col = 0;
  int sheet_row = 1;
  GridRect sheet_selection;
  int table_top_row = 1;

  bool SameSheetState(const SheetSettingsState& other) const;
};

// Everything one command changed: the cells of both grids step by step, the line records that
// differ, the table's values and the settings before and after. Undo puts the Document back
// exactly as it was before the command and Redo as it was after, without a recalculation.
// Both must be called in turn, starting with Undo, on the Document the change was taken from:
// like the grids' journals, the change holds only the other side of each record, and each
// call swaps it with the Document's.
class SheetChange {
 public:
  void Undo(Document& doc) { Apply(doc, true); }
  void Redo(Document& doc) { Apply(doc, false); }
  // How many cells, rows, widths, values and records it holds: it grows with the change.
  std::size_t StepCount() const {
    return sheet_.steps.size() + table_.steps.size() + values_.steps.size() + record_lines_.size() +
           names_.size();
  }

 private:
  friend class ChangeRecorder;
  struct NameChange {
    int k = 0;
    std::string other;
  };
  void Apply(Document& doc, bool undo);

  GridJournal sheet_;
  GridJournal table_;
  ValuesJournal values_;
  // Record record_lines_[i] has the other state record_states_[i]: kept apart, since an edit
  // at the top of a long sheet changes every record.
  std::vector<int> record_lines_;
  std::vector<RecordState> record_states_;
  std::vector<NameChange> names_;
  SheetSettingsState before_;
  SheetSettingsState after_;
};

// Watches a Document while one command runs. A recorder started while another one watches
// the same Document records nothing: the change belongs to the outer one.
class ChangeRecorder {
 public:
  explicit ChangeRecorder(Document& doc);
  ~ChangeRecorder();
  ChangeRecorder(const ChangeRecorder&) = delete;
  ChangeRecorder& operator=(const ChangeRecorder&) = delete;

  // What the command changed, or nothing when the sheet is as it was.
  std::optional<SheetChange> Finish();

 private:
  void Detach();

  Document& doc_;
  bool active_ = false;
  std::unique_ptr<SheetChange> change_;
  // The records as they were: their states, and their names unless no name changes.
  std::vector<RecordState> states_before_;
  std::vector<std::string> names_before_;
  unsigned long long names_generation_ = 0;
};

}  // namespace ravnelok
