#include "app/history.h"

#include <gtest/gtest.h>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "document/sheet_change.h"
#include "editing/cell_edit.h"
#include "editing/line_ops.h"
#include "graphics/graph.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::FakeUi;
constexpr int kN = Document::kName, kE = Document::kExpression;

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
};

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

// Undo puts every record back to its bits and flags: a start value (stored as typed, so read
// through its 13-digit reading) moved down by an insert, and a new line's record.
TEST(History, EveryRecordIsPutBackExactly) {
  Fixture f;
  f.doc.records.StoreValue(2, 0.12345678901234567L);
  std::vector<RecordState> before;
  for (int k = 1; k <= kMaxLines; ++k) before.push_back(f.doc.records.State(k));
  ChangeRecorder recorder(f.doc);
  ASSERT_TRUE(InsertBlankLines(f.doc, 1, 1));
  EXPECT_FALSE(f.doc.records.State(3).computed);  // the start value moved with its flag
  f.Commit(kE, 6, "7");
  std::optional<SheetChange> change = recorder.Finish();
  ASSERT_TRUE(change.has_value());
  UndoSheetChange(f.doc, f.ui, *change);
  for (int k = 1; k <= kMaxLines; ++k) EXPECT_TRUE(f.doc.records.State(k).Same(before[k - 1])) << k;
}

}  // namespace
}  // namespace ravnelok
