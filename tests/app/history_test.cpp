#include "app/history.h"

#include <gtest/gtest.h>

#include <random>

#include "app/edit_commands.h"
#include "app/settings_commands.h"
#include "app/sheet_commands.h"
#include "document/document.h"
#include "document/sheet_change.h"
#include "editing/cell_edit.h"
#include "graphics/graph.h"
#include "numbers/number_text.h"
#include "sheet/decimals.h"
#include "support/document_state.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::FakeUi;
using testing::StateOf;
constexpr int kN = Document::kName, kE = Document::kExpression, kU = Document::kUnit;

struct Fixture {
  Document doc;
  FakeUi ui;

  // Four lines, "b" marked "T", and a table of three passes.
  Fixture() {
    testing::FillSheet(doc, {{"a", "4"}, {"b", "a*2"}, {"c", "b+1", "kr"}, {"", "!tekst"}});
    RecalculateSheet(doc, ui, RecalcMode::kFresh);
    PressSheetGrid(doc, ui, MouseButton::kLeft, Document::kTableMark, 2);
    for (int pass = 0; pass < 3; ++pass) RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  }
  void Commit(int col, int row, const std::string& text) {
    PlaceEditor(doc, col, row);
    CommitEditorText(doc, ui, text);
  }
  void AnswerTextInput(const std::string& field) {
    ui.text_input_script.push_back([field](TextInputDialog& d) {
      d.field = field;
      return true;
    });
  }
};

// Every kind of change the user makes to the sheet, and one command of each kind about line
// `row` (1..8); rows 4 and 8 mark a whole column.
// clang-format off
enum Kind {
  kName, kExpression, kUnit, kPaste, kInsert, kDelete, kClear, kTableRows, kTMark, kFixedMark,
  kDecimals, kAllDecimals, kStartValues, kLineCount, kNewSheet, kRecalculate, kKinds
};
void RunCommand(Fixture& f, int kind, int row) {
  Document& d = f.doc;
  FakeUi& ui = f.ui;
  const char* expressions[] = {"a+1", "b*2", "A1-3", "1/0", "c+d", "5", "", "!x", "4"};
  d.sheet.Select({kN, row, kU, row + row % 2});
  switch (kind) {
    case kName: return f.Commit(kN, row, std::string(1, static_cast<char>('a' + row % 5)));
    case kExpression: return f.Commit(kE, row, expressions[row]);
    case kUnit: return f.Commit(kU, row, "m");
    case kPaste: d.sheet.Select({kE, 1, kE, 1}); CopyCommand(d, ui);
                 d.sheet.Select({kE, row + 4, kE, row + 4}); return PasteCommand(d, ui);
    case kInsert: f.AnswerTextInput("2"); return InsertLinesCommand(d, ui);
    case kDelete: return DeleteLinesCommand(d, ui);
    case kClear: return ClearSheetCellsCommand(d, ui);
    case kTableRows: return RemoveTableRowsCommand(d, ui, 1, row % 3 + 1);
    case kTMark: return PressSheetGrid(d, ui, MouseButton::kLeft, 0, row % 4);
    case kFixedMark: return PressSheetGrid(d, ui, MouseButton::kLeft, 1, row % 4);
    case kDecimals: d.sheet.SetCurrent(Document::kValue, row); return MoreDecimals(d);
    case kAllDecimals: ui.decimals_script.push_back([](DecimalsDialog& dialog) {
                         dialog.SpinUp(); dialog.SpinUp(); return true; });
                       return DecimalsDialogCommand(d, ui);
    case kStartValues: f.Commit(kE, 5, "t+1"); f.Commit(kN, 5, "t");
                       ui.start_values_script.push_back([](StartValuesDialog& dialog) {
                         if (dialog.rows.size() > 1) dialog.rows[1][1] = "7";
                         return true; });
                       return StartValuesCommand(d, ui);
    case kLineCount: f.AnswerTextInput(std::to_string(row + 1)); return NumberOfLinesCommand(d, ui);
    case kNewSheet: ui.confirm_answers.push_back(true); return NewSheetCommand(d, ui);
    default: return RecalculateSheet(d, ui, RecalcMode::kAppendRow);
  }
}
// clang-format on

// Every kind in turn, at random lines; then undo all gives back the start exactly, and redo
// all the end.
TEST(History, CommandsOfEveryKindUndoneAllAndRedoneAll) {
  std::mt19937 random(20261207);
  for (int trial = 0; trial < 6; ++trial) {
    Fixture f;
    std::vector<std::string> states{StateOf(f.doc)};
    std::vector<SheetChange> changes;
    for (int step = 0; step < 4 * kKinds; ++step) {
      ChangeRecorder recorder(f.doc);
      RunCommand(f, (step + trial) % kKinds, 1 + static_cast<int>(random() % 8));
      std::optional<SheetChange> change = recorder.Finish();
      const std::string state = StateOf(f.doc);
      // A table cleared down to its headers and given them again is no change.
      ASSERT_EQ(change.has_value(), state != states.back()) << "step " << step;
      if (!change) continue;
      changes.push_back(std::move(*change));
      states.push_back(state);
    }
    for (size_t i = changes.size(); i-- > 0;) {
      UndoSheetChange(f.doc, f.ui, changes[i]);
      ASSERT_EQ(StateOf(f.doc), states[i]) << "trial " << trial << ", undo " << i;
    }
    for (size_t i = 0; i < changes.size(); ++i) {
      RedoSheetChange(f.doc, f.ui, changes[i]);
      ASSERT_EQ(StateOf(f.doc), states[i + 1]) << "trial " << trial << ", redo " << i;
    }
    // No cache may remember an undone state: a pass computes what it computes on a sheet that
    // never saw the commands.
    for (size_t i = changes.size(); i-- > 0;) UndoSheetChange(f.doc, f.ui, changes[i]);
    Fixture untouched;
    RecalculateSheet(f.doc, f.ui, RecalcMode::kAppendRow);
    RecalculateSheet(untouched.doc, untouched.ui, RecalcMode::kAppendRow);
    EXPECT_EQ(StateOf(f.doc), StateOf(untouched.doc));
  }
}

// A line's program, learned for the text that the undo takes away, must not compute the text
// it puts back.
TEST(History, AnUndoneExpressionIsComputedFromItsOwnText) {
  Fixture f;
  ChangeRecorder recorder(f.doc);
  f.Commit(kE, 2, "a*3");
  std::optional<SheetChange> change = recorder.Finish();
  for (int pass = 0; pass < 2; ++pass) RecalculateSheet(f.doc, f.ui, RecalcMode::kAppendRow);
  ASSERT_EQ(f.doc.sheet.Cell(Document::kValue, 2), "        12");
  UndoSheetChange(f.doc, f.ui, *change);
  RecalculateSheet(f.doc, f.ui, RecalcMode::kAppendRow);
  Real value = 0;
  EXPECT_TRUE(f.doc.records.Value(2, value) && value == 8);
  EXPECT_EQ(f.doc.sheet.Cell(Document::kValue, 2), "         8");
}

// The graph follows the state put back: a table graph ended by a "T" click is drawn again by
// the undo, and blanked again by the redo.
TEST(History, TheGraphShowsTheStatePutBack) {
  Fixture f;
  GraphCommand(f.doc, f.ui, GraphKind::kTableCurve);
  ChangeRecorder recorder(f.doc);
  PressSheetGrid(f.doc, f.ui, MouseButton::kLeft, Document::kTableMark, 2);
  std::optional<SheetChange> change = recorder.Finish();
  ASSERT_TRUE(change && !f.doc.settings.graph_shown);
  UndoSheetChange(f.doc, f.ui, *change);
  EXPECT_TRUE(f.doc.settings.graph_shown && f.doc.graph.data.drawn);
  EXPECT_EQ(f.doc.graph.data.data_rows, 3);  // the table's three passes
  RedoSheetChange(f.doc, f.ui, *change);
  EXPECT_FALSE(f.doc.settings.graph_shown || f.doc.graph.data.drawn);
  EXPECT_TRUE(f.ui.messages.empty());
}

// A view changes no sheet; a recorder inside another leaves the change to the outer one.
TEST(History, OnlyChangesAreRecordedAndOnlyOnce) {
  Fixture f;
  ChangeRecorder view(f.doc);
  f.doc.settings.view_mode = ViewMode::kSheetTableAndGraph;
  EXPECT_FALSE(view.Finish().has_value());
  ChangeRecorder outer(f.doc);
  ChangeRecorder inner(f.doc);
  f.Commit(kN, 1, "z");
  f.doc.settings.view_mode = ViewMode::kSheet;
  EXPECT_FALSE(inner.Finish().has_value());
  std::optional<SheetChange> change = outer.Finish();
  ASSERT_TRUE(change.has_value());
  UndoSheetChange(f.doc, f.ui, *change);  // the view goes back with the change
  EXPECT_EQ(f.doc.settings.view_mode, ViewMode::kSheetTableAndGraph);
}

// A one-cell edit beside a long table keeps the new table row and a few cells, not the table.
// (A value wider than its column realigns the whole column, and then that is what changed.)
TEST(History, AnEditBesideALongTableKeepsOnlyItsChange) {
  Fixture f;
  for (int pass = 0; pass < 2000; ++pass) RecalculateSheet(f.doc, f.ui, RecalcMode::kAppendRow);
  ChangeRecorder recorder(f.doc);
  f.Commit(kE, 1, "3");
  std::optional<SheetChange> change = recorder.Finish();
  ASSERT_TRUE(change.has_value());
  EXPECT_LT(change->StepCount(), 20u);
}

}  // namespace
}  // namespace ravnelok
