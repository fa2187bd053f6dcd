#include "app/history.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "app/commands.h"
#include "app/edit_commands.h"
#include "app/sheet_commands.h"
#include "document/document.h"
#include "document/sheet_change.h"
#include "editing/cell_edit.h"
#include "graphics/graph_commands.h"
#include "numbers/number_text.h"
#include "sheet/decimals.h"
#include "sheet/table.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::FakeUi;

// Everything undo must put back, as one text: every cell of both grids, their sizes and
// widths, every record, the table's values, the settings a command changes.
std::string StateOf(const Document& doc) {
  std::string s;
  for (const TextGrid* grid : {&doc.sheet, &doc.table}) {
    s += "grid " + std::to_string(grid->ColCount()) + "x" + std::to_string(grid->RowCount()) + " w";
    for (int c = 0; c < grid->ColCount(); ++c) s += " " + std::to_string(grid->ColWidth(c));
    for (int r = 0; r < grid->RowCount(); ++r) {
      for (int c = 0; c < grid->ColCount(); ++c) s += "|" + grid->Cell(c, r);
      s += "\n";
    }
  }
  for (int k = 1; k <= kMaxLines; ++k) {
    const linie_type& r = doc.records[k];
    s += r.name + "/" + std::to_string(r.has_value) + std::to_string(r.start_pending) + "/" +
         ScientificText21(r.value) + "/" + std::to_string(r.line) + "/" +
         std::to_string(r.decimals) + "\n";
  }
  for (const TableEntry& e : doc.table_values.Entries()) {
    s += "v" + ScientificText21(e.value) + "@" + std::to_string(e.row) + "," +
         std::to_string(e.col) + "," + std::to_string(e.line);
  }
  const Settings& set = doc.settings;
  s += "\nset " + std::to_string(set.default_decimals) + " " + set.decimals_text + " " +
       std::to_string(set.angle_in_degrees) + " " + std::to_string(set.table_columns) + " " +
       std::to_string(set.table_rows) + " " + std::to_string(static_cast<int>(set.view_mode)) +
       " " + std::to_string(set.graph_shown);
  return s;
}

struct Fixture {
  Document doc;
  FakeUi ui;

  // Three lines, "b" marked "T", and a table of three passes.
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

// One command of each kind of change, from the fixture's state.
struct Case {
  const char* what;
  std::function<void(Fixture&)> command;
};

const Case kCases[] = {
    {"name", [](Fixture& f) { f.Commit(Document::kName, 1, "x"); }},
    {"expression", [](Fixture& f) { f.Commit(Document::kExpression, 1, "123456789,5"); }},
    {"unit", [](Fixture& f) { f.Commit(Document::kUnit, 3, "m"); }},
    {"new line", [](Fixture& f) { f.Commit(Document::kExpression, 9, "c*c"); }},
    {"paste",
     [](Fixture& f) {
       f.doc.sheet.Select({Document::kExpression, 1, Document::kExpression, 1});
       CopyCommand(f.doc, f.ui);
       f.doc.sheet.Select({Document::kExpression, 6, Document::kExpression, 6});
       PasteCommand(f.doc, f.ui);
     }},
    {"insert lines",
     [](Fixture& f) {
       f.doc.sheet.Select({Document::kName, 2, Document::kName, 2});
       f.ui.text_input_script.push_back([](TextInputDialog& d) {
         d.field = "3";
         return true;
       });
       InsertLinesCommand(f.doc, f.ui);
     }},
    {"delete lines",
     [](Fixture& f) {
       f.doc.sheet.Select({Document::kName, 1, Document::kUnit, 2});
       DeleteLinesCommand(f.doc, f.ui);
     }},
    {"clear lines",
     [](Fixture& f) {
       f.doc.sheet.Select({Document::kName, 2, Document::kUnit, 3});
       ClearSheetCellsCommand(f.doc, f.ui);
     }},
    {"table rows", [](Fixture& f) { RemoveTableRowsCommand(f.doc, f.ui, 1, 2); }},
    {"T mark off",
     [](Fixture& f) { PressSheetGrid(f.doc, f.ui, MouseButton::kLeft, Document::kTableMark, 2); }},
    {"T marks cleared",
     [](Fixture& f) { PressSheetGrid(f.doc, f.ui, MouseButton::kLeft, Document::kTableMark, 0); }},
    {"* mark",
     [](Fixture& f) { PressSheetGrid(f.doc, f.ui, MouseButton::kLeft, Document::kFixedMark, 3); }},
    {"more decimals",
     [](Fixture& f) {
       f.doc.sheet.SetCurrent(Document::kValue, 2);
       MoreDecimals(f.doc);
     }},
    {"decimals of all lines",
     [](Fixture& f) {
       f.ui.decimals_script.push_back([](DecimalsDialog& d) {
         d.SpinUp();
         d.SpinUp();
         return true;
       });
       DecimalsDialogCommand(f.doc, f.ui);
     }},
    {"start values",
     [](Fixture& f) {
       f.Commit(Document::kExpression, 5, "t+1");
       f.Commit(Document::kName, 5, "t");
       f.ui.start_values_script.push_back([](StartValuesDialog& d) {
         if (d.rows.size() > 1) d.rows[1][1] = "7";
         return true;
       });
       StartValuesCommand(f.doc, f.ui);
     }},
    {"line count",
     [](Fixture& f) {
       f.ui.text_input_script.push_back([](TextInputDialog& d) {
         d.field = "2";
         return true;
       });
       NumberOfLinesCommand(f.doc, f.ui);
     }},
    {"new sheet",
     [](Fixture& f) {
       f.ui.confirm_answers.push_back(true);
       NewSheetCommand(f.doc, f.ui);
     }},
};

TEST(History, EachKindOfChangeIsUndoneAndRedoneExactly) {
  for (const Case& c : kCases) {
    Fixture f;
    const std::string before = StateOf(f.doc);
    ChangeRecorder recorder(f.doc);
    c.command(f);
    std::optional<SheetChange> change = recorder.Finish();
    ASSERT_TRUE(change.has_value()) << c.what;
    const std::string after = StateOf(f.doc);
    ASSERT_NE(after, before) << c.what;
    for (int round = 0; round < 2; ++round) {
      UndoSheetChange(f.doc, f.ui, *change);
      EXPECT_EQ(StateOf(f.doc), before) << c.what;
      RedoSheetChange(f.doc, f.ui, *change);
      EXPECT_EQ(StateOf(f.doc), after) << c.what;
    }
    // No cache may remember the undone state: a pass now computes what it computes on a sheet
    // that never saw the command.
    UndoSheetChange(f.doc, f.ui, *change);
    Fixture untouched;
    RecalculateSheet(f.doc, f.ui, RecalcMode::kAppendRow);
    RecalculateSheet(untouched.doc, untouched.ui, RecalcMode::kAppendRow);
    EXPECT_EQ(StateOf(f.doc), StateOf(untouched.doc)) << c.what;
  }
}

// The graph follows the state put back: a table graph ended by a "T" click is drawn again by
// the undo, and blanked again by the redo.
TEST(History, TheGraphShowsTheStatePutBack) {
  Fixture f;
  GraphCommand(f.doc, f.ui, GraphKind::kTableCurve);
  ASSERT_TRUE(f.doc.settings.graph_shown && f.doc.graph.data.drawn);
  ChangeRecorder recorder(f.doc);
  PressSheetGrid(f.doc, f.ui, MouseButton::kLeft, Document::kTableMark, 2);
  std::optional<SheetChange> change = recorder.Finish();
  ASSERT_TRUE(change.has_value());
  ASSERT_FALSE(f.doc.settings.graph_shown);
  UndoSheetChange(f.doc, f.ui, *change);
  EXPECT_TRUE(f.doc.settings.graph_shown && f.doc.graph.data.drawn);
  EXPECT_EQ(f.doc.graph.data.data_rows, 3);  // the table's three passes
  RedoSheetChange(f.doc, f.ui, *change);
  EXPECT_FALSE(f.doc.settings.graph_shown || f.doc.graph.data.drawn);
  EXPECT_TRUE(f.ui.messages.empty());
}

TEST(History, NothingChangedRecordsNothing) {
  Fixture f;
  // A copy, the same unit again (a name would recalculate: a table row), and a view change.
  const std::function<void()> commands[] = {
      [&] { CopyCommand(f.doc, f.ui); },
      [&] { f.Commit(Document::kUnit, 3, "kr"); },
      [&] { f.doc.settings.view_mode = ViewMode::kSheetTableAndGraph; },
  };
  for (const auto& command : commands) {
    ChangeRecorder recorder(f.doc);
    command();
    EXPECT_FALSE(recorder.Finish().has_value());
  }
  // A recorder inside another one leaves the change to the outer one.
  ChangeRecorder outer(f.doc);
  ChangeRecorder inner(f.doc);
  f.Commit(Document::kName, 1, "z");
  EXPECT_FALSE(inner.Finish().has_value());
  EXPECT_TRUE(outer.Finish().has_value());
}

TEST(History, RandomCommandsUndoneAllAndRedoneAll) {
  std::mt19937 random(20261207);
  for (int trial = 0; trial < 6; ++trial) {
    Fixture f;
    std::vector<std::string> states{StateOf(f.doc)};
    std::vector<SheetChange> changes;
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::vector<std::string> expressions = {"a+1", "b*2", "A1-3", "1/0",
                                                  "c+d", "5",   "",     "!x"};
    for (int step = 0; step < 60; ++step) {
      ChangeRecorder recorder(f.doc);
      const int row = 1 + pick(8);
      switch (pick(7)) {
        case 0:
          f.Commit(Document::kExpression, row, expressions[static_cast<size_t>(pick(8))]);
          break;
        case 1:
          f.Commit(Document::kName, row, std::string(1, static_cast<char>('a' + pick(5))));
          break;
        case 2:
          PressSheetGrid(f.doc, f.ui, MouseButton::kLeft, pick(2), pick(4));
          break;
        case 3:
          RecalculateSheet(f.doc, f.ui, RecalcMode::kAppendRow);
          break;
        case 4:
          f.doc.sheet.Select({Document::kName, row, Document::kName, row + pick(2)});
          if (pick(2) == 0) {
            DeleteLinesCommand(f.doc, f.ui);
          } else {
            f.ui.text_input_script.push_back([](TextInputDialog& d) {
              d.field = "2";
              return true;
            });
            InsertLinesCommand(f.doc, f.ui);
          }
          break;
        case 5:
          f.doc.sheet.SetCurrent(Document::kValue, row);
          (pick(2) == 0 ? MoreDecimals : FewerDecimals)(f.doc);
          break;
        default:
          RemoveTableRowsCommand(f.doc, f.ui, 1 + pick(3), 1 + pick(4));
          break;
      }
      if (std::optional<SheetChange> change = recorder.Finish()) {
        changes.push_back(std::move(*change));
        states.push_back(StateOf(f.doc));
      }
    }
    ASSERT_GT(changes.size(), 20u);
    for (size_t i = changes.size(); i-- > 0;) {
      UndoSheetChange(f.doc, f.ui, changes[i]);
      ASSERT_EQ(StateOf(f.doc), states[i]) << "trial " << trial << ", undo " << i;
    }
    for (size_t i = 0; i < changes.size(); ++i) {
      RedoSheetChange(f.doc, f.ui, changes[i]);
      ASSERT_EQ(StateOf(f.doc), states[i + 1]) << "trial " << trial << ", redo " << i;
    }
  }
}

// A one-cell edit on a sheet whose table is long keeps only what it changed: the new table
// row and a handful of cells, not the table. (A value wider than the column's realigns the
// whole column, and then that is what changed.)
TEST(History, AnEditBesideALongTableKeepsOnlyItsChange) {
  Fixture f;
  for (int pass = 0; pass < 2000; ++pass) RecalculateSheet(f.doc, f.ui, RecalcMode::kAppendRow);
  ChangeRecorder recorder(f.doc);
  f.Commit(Document::kExpression, 1, "3");
  std::optional<SheetChange> change = recorder.Finish();
  ASSERT_TRUE(change.has_value());
  EXPECT_LT(change->StepCount(), 20u);
}

}  // namespace
}  // namespace ravnelok
