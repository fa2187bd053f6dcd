#include "graphics/graph_data.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "graphics/graph.h"
#include "graphics/graph_test_support.h"

namespace ravnelok {
namespace {

using testing::FillTable;
using testing::GraphUi;

const std::string kTooLargeTable = "Blokken må kun have 700 linier og 10 kolonner";
const std::string kTooLargeSheet = "Blokken må kun have 700 linier";
const std::string kBadNumbers = "Ukorrekt eller manglende tal i det markerede område";
const std::string kTwoRows = "Markér mindst to rækker";
const std::string kTwoColumns = "Markér mindst to søjler og mindst to rækker";
const std::string kOneColumn = "Markér netop en søjle og mindst to rækker";
const std::string kOneColumnFreq = "Marker netop en søjle og mindst to rækker";

// After a refresh: drawn, or left as it was (nothing drawn, still shown), or cleared.
const char* Observe(const Document& doc, const GraphUi& ui) {
  if (!ui.canvas.Calls(RecordingCanvas::Op::kLineTo).empty()) return "drawn";
  if (!doc.settings.graph_shown) return "cleared";
  return ui.canvas.calls.empty() ? "kept" : "drew something without lines";
}

TEST(RefreshGraph, MessagesAndEffectsByKind) {
  // A refresh of `kind` with lines first..last of which `valued` have values (value = line), a
  // table of `table` rows and, when given, that table selection.
  struct Case {
    const char* what;
    int kind;
    std::vector<int> valued;
    int first, last;
    testing::GraphRows table;
    std::optional<GridRect> select;
    std::vector<std::string> messages;  // UTF-8
    const char* outcome;
  };
  const char* kDrawn = "drawn";
  const char* kKept = "kept";
  const char* kCleared = "cleared";
  // clang-format off
  const Case cases[] = {
      {"sheet bars", 2, {3, 4, 5, 6, 7}, 3, 7, {}, {}, {}, kDrawn},
      {"sheet bars, line 5 empty", 2, {3, 4, 6, 7}, 3, 7, {}, {}, {kBadNumbers}, kCleared},
      {"sheet curve of one line", 3, {2}, 2, 2, {}, {}, {kTwoRows}, kKept},
      {"sheet bars over 701 lines", 2, {}, 1, 701, {}, {}, {kTooLargeSheet}, kKept},
      {"sheet frequencies", 6, {1, 2, 3}, 1, 3, {}, {}, {}, kDrawn},
      {"the header row is not a line", 2, {1, 2, 3}, 0, 3, {}, {}, {kBadNumbers}, kCleared},
      {"xy, whole table", 1, {}, 0, 0, {{1, 2, 3}, {2, 3, 4}, {3, 4, 5}, {4, 5, 6}}, {}, {},
       kDrawn},
      {"xy, one T line", 1, {}, 0, 0, {{1}, {2}, {3}}, {}, {kTwoColumns}, kKept},
      {"xy, a missing cell", 1, {}, 0, 0, {{1, 2}, {2}}, {}, {kBadNumbers}, kCleared},
      {"xy, 701 rows", 1, {}, 0, 0, {{1}, {2}}, GridRect{0, 1, 1, 701}, {kTooLargeTable}, kKept},
      {"xy, 11 columns", 1, {}, 0, 0, {{1}, {2}}, GridRect{0, 1, 10, 2}, {kTooLargeTable}, kKept},
      {"table bars, two columns", 4, {}, 0, 0, {{1, 2}, {2, 3}}, GridRect{0, 1, 1, 2}, {kOneColumn},
       kKept},
      {"table bars, empty table", 4, {}, 0, 0, {}, {}, {}, kKept},
      {"table curve, one column", 5, {}, 0, 0, {{1, 10}, {2, 20}}, GridRect{1, 1, 1, 2}, {},
       kDrawn},
      {"table frequencies", 7, {}, 0, 0, {{3}, {1}, {3}, {2}, {3}}, {}, {}, kDrawn},
      {"table frequencies, two columns", 7, {}, 0, 0, {{1, 2}, {2, 3}}, GridRect{0, 1, 1, 2},
       {kOneColumnFreq}, kCleared},
      {"no graph kind", 0, {}, 1, 5, {}, {}, {}, kKept},
      {"table frequencies below the table", 7, {}, 0, 0, {{1}}, GridRect{0, 1, 0, 3},
       {kBadNumbers}, kCleared},
  };
  // clang-format on
  for (const Case& c : cases) {
    Document doc;
    doc.InitialiseGrid();
    GraphUi ui;
    for (int k : c.valued) doc.records.StoreValue(k, k);
    doc.graph.sheet_first_row = c.first;
    doc.graph.sheet_last_row = c.last;
    if (!c.table.empty()) FillTable(doc, c.table);
    if (c.select) doc.table.Select(*c.select);
    doc.settings.graph_shown = true;
    doc.settings.graph_kind = c.kind;
    RefreshGraph(doc, ui);
    EXPECT_EQ(ui.MessagesUtf8(), c.messages) << c.what;
    EXPECT_STREQ(Observe(doc, ui), c.outcome) << c.what;
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

TEST(CollectSheetLines, NamesOrLabelsAndStoredValuesOnly) {
  Document doc;
  doc.InitialiseGrid();
  GraphUi ui;
  for (int k = 3; k <= 7; ++k) {
    doc.sheet.SetCell(Document::kName, k, k == 4 ? "" : "n" + std::to_string(k));
    doc.records.StoreValue(k, k * 10);
    doc.sheet.SetCell(Document::kValue, k, "999");  // a cell text is never read
  }
  doc.graph.sheet_first_row = 3;
  doc.graph.sheet_last_row = 7;
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
  doc.table.Select({2, 3, 2, 3});
  EXPECT_TRUE(CollectTableBlock(doc, ui));
  EXPECT_EQ(doc.graph.data_rows, 4);
  EXPECT_EQ(doc.graph.data_columns, 1);
  EXPECT_EQ(doc.graph.At(0, 0), 100);

  // A block is taken from its top-left corner.
  doc.table.Select({1, 2, 2, 3});
  EXPECT_FALSE(CollectTableBlock(doc, ui));
  EXPECT_EQ(doc.graph.data_rows, 2);
  EXPECT_EQ(doc.graph.data_columns, 2);
  EXPECT_EQ(doc.graph.At(0, 0), 20);
  EXPECT_EQ(doc.graph.At(1, 1), 300);
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace ravnelok
