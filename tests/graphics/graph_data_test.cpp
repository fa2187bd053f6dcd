#include "graphics/graph_data.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/bin.h"
#include "graphics/graph.h"
#include "graphics/graph_test_support.h"

namespace ravnelok {
namespace {

using testing::FillColumn;
using testing::FillTable;
using testing::GraphUi;
using testing::SetLine;

const std::string kTooLargeTable = "Blokken må kun have 700 linier og 10 kolonner";
const std::string kTooLargeSheet = "Blokken må kun have 700 linier";
const std::string kBadNumbers = "Ukorrekt eller manglende tal i det markerede område";

enum class Outcome { kDrawn, kKept, kCleared };

struct RefreshCase {
  const char* what;
  int kind;
  std::function<void(Document&)> setup;
  std::vector<std::string> messages;  // UTF-8
  Outcome outcome;
};

void SheetBlock(Document& doc, int first, int last) {
  doc.graph.sheet_first_row = first;
  doc.graph.sheet_last_row = last;
}

void SelectTable(Document& doc, int left, int top, int right, int bottom) {
  doc.table.Select({left, top, right, bottom});
}

Outcome Observe(const Document& doc, const GraphUi& ui) {
  const auto lines = ui.canvas.Calls(RecordingCanvas::Op::kLineTo);
  if (!lines.empty()) return Outcome::kDrawn;
  if (!doc.settings.graph_shown) return Outcome::kCleared;
  EXPECT_TRUE(ui.canvas.calls.empty());
  return Outcome::kKept;
}

const char* Name(Outcome o) {
  return o == Outcome::kDrawn ? "drawn" : o == Outcome::kKept ? "kept" : "cleared";
}

TEST(RefreshGraph, MessagesAndEffectsByKind) {
  const RefreshCase cases[] = {
      {"bars from the sheet",
       2,
       [](Document& d) {
         for (int k = 3; k <= 7; ++k) SetLine(d, k, k);
         SheetBlock(d, 3, 7);
       },
       {},
       Outcome::kDrawn},
      {"bars from the sheet, line 5 empty",
       2,
       [](Document& d) {
         for (int k : {3, 4, 6, 7}) SetLine(d, k, k);
         SheetBlock(d, 3, 7);
       },
       {kBadNumbers},
       Outcome::kCleared},
      {"curve from one line",
       3,
       [](Document& d) {
         SetLine(d, 2, 1);
         SheetBlock(d, 2, 2);
       },
       {"Markér mindst to rækker"},
       Outcome::kKept},
      {"bars over 701 lines",
       2,
       [](Document& d) { SheetBlock(d, 1, 701); },
       {kTooLargeSheet},
       Outcome::kKept},
      {"frequencies over 701 lines",
       6,
       [](Document& d) { SheetBlock(d, 1, 701); },
       {kTooLargeSheet},
       Outcome::kKept},
      {"frequencies from the sheet",
       6,
       [](Document& d) {
         for (int k = 1; k <= 5; ++k) SetLine(d, k, k % 2);
         SheetBlock(d, 1, 5);
       },
       {},
       Outcome::kDrawn},
      {"frequencies from the sheet, a line empty",
       6,
       [](Document& d) {
         SetLine(d, 1, 1);
         SheetBlock(d, 1, 2);
       },
       {kBadNumbers},
       Outcome::kCleared},
      {"the header row is not a line",
       2,
       [](Document& d) {
         for (int k = 0; k <= 3; ++k) SetLine(d, k, k);
         SheetBlock(d, 0, 3);
       },
       {kBadNumbers},
       Outcome::kCleared},
      {"xy, whole table",
       1,
       [](Document& d) {
         FillTable(d, {{1, 2, 3}, {2, 3, 4}, {3, 4, 5}, {4, 5, 6}});
       },
       {},
       Outcome::kDrawn},
      {"xy, one T line",
       1,
       [](Document& d) {
         FillColumn(d, {1, 2, 3});
       },
       {"Markér mindst to søjler og mindst to rækker"},
       Outcome::kKept},
      {"xy, a missing cell",
       1,
       [](Document& d) {
         FillTable(d, {{1, 2}, {2}});
       },
       {kBadNumbers},
       Outcome::kCleared},
      {"xy, 701 rows",
       1,
       [](Document& d) {
         FillColumn(d, {1, 2});
         SelectTable(d, 0, 1, 1, 701);
       },
       {kTooLargeTable},
       Outcome::kKept},
      {"xy, 11 columns",
       1,
       [](Document& d) {
         FillColumn(d, {1, 2});
         SelectTable(d, 0, 1, 10, 2);
       },
       {kTooLargeTable},
       Outcome::kKept},
      {"table bars, two columns",
       4,
       [](Document& d) {
         FillTable(d, {{1, 2}, {2, 3}});
         SelectTable(d, 0, 1, 1, 2);
       },
       {"Markér netop en søjle og mindst to rækker"},
       Outcome::kKept},
      {"table bars, empty table", 4, [](Document&) {}, {}, Outcome::kKept},
      {"table curve, one row in whole-table mode",
       5,
       [](Document& d) { FillColumn(d, {4}); },
       {},
       Outcome::kKept},
      {"table curve, selected column",
       5,
       [](Document& d) {
         FillTable(d, {{1, 10}, {2, 20}, {3, 30}});
         SelectTable(d, 1, 1, 1, 3);
       },
       {},
       Outcome::kDrawn},
      {"table frequencies",
       7,
       [](Document& d) {
         FillColumn(d, {3, 1, 3, 2, 3});
       },
       {},
       Outcome::kDrawn},
      {"table frequencies, two columns",
       7,
       [](Document& d) {
         FillTable(d, {{1, 2}, {2, 3}});
         SelectTable(d, 0, 1, 1, 2);
       },
       {"Marker netop en søjle og mindst to rækker"},
       Outcome::kCleared},
      {"table frequencies, empty table", 7, [](Document&) {}, {}, Outcome::kKept},
      {"table frequencies, rows below the table",
       7,
       [](Document& d) {
         FillColumn(d, {1});
         SelectTable(d, 0, 1, 0, 3);
       },
       {kBadNumbers},
       Outcome::kCleared},
  };
  for (const RefreshCase& c : cases) {
    Document doc;
    doc.InitialiseGrid();
    GraphUi ui;
    c.setup(doc);
    doc.settings.graph_shown = true;
    doc.settings.graph_kind = c.kind;
    RefreshGraph(doc, ui);
    EXPECT_EQ(ui.MessagesUtf8(), c.messages) << c.what;
    EXPECT_EQ(Name(Observe(doc, ui)), Name(c.outcome)) << c.what;
  }
}

TEST(RefreshGraph, MoreThan700DistinctValues) {
  for (bool with_gap : {false, true}) {
    Document doc;
    GraphUi ui;
    std::vector<std::vector<Real>> rows;
    for (int i = 0; i < 702; ++i) rows.push_back({static_cast<Real>(i)});
    FillTable(doc, rows);
    if (with_gap) doc.table_values.MoveRow(0, 5, -1);
    doc.settings.graph_shown = true;
    doc.settings.graph_kind = 7;
    RefreshGraph(doc, ui);
    // The refusal speaks alone; a gap in the column then also clears the graph.
    EXPECT_EQ(ui.MessagesUtf8(), std::vector<std::string>{"For mange forskellige værdier"});
    EXPECT_EQ(doc.settings.graph_shown, !with_gap);
    EXPECT_TRUE(ui.canvas.Calls(RecordingCanvas::Op::kLineTo).empty());
  }
}

TEST(RefreshGraph, NothingWithoutALiveGraph) {
  for (auto [shown, kind] : {std::pair{false, 2}, std::pair{true, 0}, std::pair{true, 8}}) {
    Document doc;
    GraphUi ui;
    doc.graph.sheet_first_row = 1;
    doc.graph.sheet_last_row = 5;  // no values: a refresh would complain
    doc.settings.graph_shown = shown;
    doc.settings.graph_kind = kind;
    RefreshGraph(doc, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.canvas.calls.empty());
    EXPECT_EQ(doc.settings.graph_shown, shown);
  }
}

TEST(CollectSheetLines, NamesOrLabelsAndStoredValuesOnly) {
  Document doc;
  doc.InitialiseGrid();
  GraphUi ui;
  for (int k = 3; k <= 7; ++k) {
    doc.sheet.SetCell(Document::kName, k, k == 4 ? "" : "n" + std::to_string(k));
    SetLine(doc, k, k * 10);
    doc.sheet.SetCell(Document::kValue, k, "999");  // a cell text is never read
  }
  SheetBlock(doc, 3, 7);
  CollectSheetLines(doc, ui);
  EXPECT_TRUE(doc.graph.data_ok);
  EXPECT_FALSE(doc.graph.data_bad);
  ASSERT_EQ(doc.graph.data_rows, 5);
  const std::vector<std::string> names(doc.graph.names.begin(), doc.graph.names.begin() + 5);
  EXPECT_EQ(names, (std::vector<std::string>{"n3", "A4", "n5", "n6", "n7"}));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(doc.graph.At(i, 0), (i + 3) * 10);
}

TEST(CollectTableBlock, SingleCellMeansTheWholeTable) {
  Document doc;
  GraphUi ui;
  FillTable(doc, {{1, 10, 100}, {2, 20, 200}, {3, 30, 300}, {4, 40, 400}});
  doc.table.SetCell(1, 2, "999");  // never parsed
  doc.settings.graph_kind = 1;
  EXPECT_TRUE(CollectTableBlock(doc, ui));
  EXPECT_EQ(doc.graph.data_rows, 4);
  EXPECT_EQ(doc.graph.data_columns, 3);
  EXPECT_EQ(doc.graph.At(3, 2), 400);
  EXPECT_EQ(doc.graph.At(1, 1), 20);

  // Kinds 4 and 5 take the whole column of the selected cell.
  doc.settings.graph_kind = 4;
  SelectTable(doc, 2, 3, 2, 3);
  EXPECT_TRUE(CollectTableBlock(doc, ui));
  EXPECT_EQ(doc.graph.data_rows, 4);
  EXPECT_EQ(doc.graph.data_columns, 1);
  EXPECT_EQ(doc.graph.At(0, 0), 100);

  // A block is taken from its top-left corner.
  SelectTable(doc, 1, 2, 2, 3);
  EXPECT_FALSE(CollectTableBlock(doc, ui));
  EXPECT_EQ(doc.graph.data_rows, 2);
  EXPECT_EQ(doc.graph.data_columns, 2);
  EXPECT_EQ(doc.graph.At(0, 0), 20);
  EXPECT_EQ(doc.graph.At(1, 1), 300);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(CollectTableFrequencies, CountsOfOneColumn) {
  Document doc;
  GraphUi ui;
  FillColumn(doc, {3, 1, 3, 2, 3});
  FrequencyTree tree;
  const TableFrequencyResult r = CollectTableFrequencies(doc, ui, tree);
  EXPECT_TRUE(r.whole_table);
  EXPECT_FALSE(r.several_columns);
  ASSERT_EQ(doc.graph.data_rows, 3);
  EXPECT_EQ(doc.graph.data_columns, 2);
  const Real want[3][2] = {{1, 1}, {2, 1}, {3, 3}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(doc.graph.At(i, 0), want[i][0]);
    EXPECT_EQ(doc.graph.At(i, 1), want[i][1]);
  }
}

}  // namespace
}  // namespace ravnelok
