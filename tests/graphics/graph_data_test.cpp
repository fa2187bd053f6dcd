#include "graphics/graph_data.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <optional>
#include <string>
#include <vector>

#include "graphics/bin.h"
#include "graphics/graph.h"
#include "graphics/graph_test_support.h"

namespace ravnelok {
namespace {

using K = GraphKind;

using testing::FillTable;
using testing::GraphUi;

const std::string kTooLargeTable = "Blokken må kun have 700 linier og 10 kolonner";
const std::string kTooLargeSheet = "Blokken må kun have 700 linier";
const std::string kBadNumbers = "Ukorrekt eller manglende tal i det markerede område";
const std::string kTwoRows = "Markér mindst to rækker";
const std::string kTwoColumns = "Markér mindst to søjler og mindst to rækker";
const std::string kOneColumn = "Markér netop en søjle og mindst to rækker";
const std::string kOneColumnFreq = "Marker netop en søjle og mindst to rækker";
const std::string kTooManyValues = "For mange forskellige værdier";

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
    GraphKind kind;
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
  testing::GraphRows distinct701;
  for (int i = 0; i < 701; ++i) distinct701.push_back({static_cast<Real>(i)});
  // clang-format off
  const Case cases[] = {
      {"sheet bars", K::kSheetBars, {3, 4, 5, 6, 7}, 3, 7, {}, {}, {}, kDrawn},
      {"sheet bars, line 5 empty", K::kSheetBars, {3, 4, 6, 7}, 3, 7, {}, {}, {kBadNumbers}, kCleared},
      {"sheet curve of one line", K::kSheetCurve, {2}, 2, 2, {}, {}, {kTwoRows}, kKept},
      {"sheet bars over 701 lines", K::kSheetBars, {}, 1, 701, {}, {}, {kTooLargeSheet}, kKept},
      {"the header row is not a line", K::kSheetBars, {1, 2, 3}, 0, 3, {}, {}, {kBadNumbers}, kCleared},
      {"xy, whole table", K::kTableXy, {}, 0, 0, {{1, 2, 3}, {2, 3, 4}, {3, 4, 5}, {4, 5, 6}}, {}, {},
       kDrawn},
      {"xy, one T line", K::kTableXy, {}, 0, 0, {{1}, {2}, {3}}, {}, {kTwoColumns}, kKept},
      {"xy, a missing cell", K::kTableXy, {}, 0, 0, {{1, 2}, {2}}, {}, {kBadNumbers}, kCleared},
      {"xy, 701 rows", K::kTableXy, {}, 0, 0, {{1}, {2}}, GridRect{0, 1, 1, 701}, {kTooLargeTable}, kKept},
      {"table bars, two columns", K::kTableBars, {}, 0, 0, {{1, 2}, {2, 3}}, GridRect{0, 1, 1, 2}, {kOneColumn},
       kKept},
      {"table curve, one column", K::kTableCurve, {}, 0, 0, {{1, 10}, {2, 20}}, GridRect{1, 1, 1, 2}, {},
       kDrawn},
      {"table frequencies", K::kTableFrequency, {}, 0, 0, {{3}, {1}, {3}, {2}, {3}}, {}, {}, kDrawn},
      {"table frequencies, two columns", K::kTableFrequency, {}, 0, 0, {{1, 2}, {2, 3}}, GridRect{0, 1, 1, 2},
       {kOneColumnFreq}, kCleared},
      {"table frequencies below the table", K::kTableFrequency, {}, 0, 0, {{1}}, GridRect{0, 1, 0, 3},
       {kBadNumbers}, kCleared},
      {"701 distinct values", K::kTableFrequency, {}, 0, 0, distinct701, {}, {kTooManyValues}, kKept}};
  // clang-format on
  for (const Case& c : cases) {
    Document doc;
    doc.InitialiseGrid();
    GraphUi ui;
    for (int k : c.valued) doc.records.StoreValue(k, k);
    doc.graph.data.sheet_first_row = c.first;
    doc.graph.data.sheet_last_row = c.last;
    if (!c.table.empty()) FillTable(doc, c.table);
    if (c.select) doc.table.Select(*c.select);
    doc.settings.graph_shown = true;
    doc.settings.graph_kind = c.kind;
    RefreshGraph(doc, ui);
    EXPECT_EQ(ui.MessagesUtf8(), c.messages) << c.what;
    EXPECT_STREQ(Observe(doc, ui), c.outcome) << c.what;
  }
}

// Names or labels, and the stored values: a cell text is never read.
TEST(CollectSheetLines, NamesOrLabelsAndStoredValuesOnly) {
  Document doc;
  doc.InitialiseGrid();
  GraphUi ui;
  for (int k = 3; k <= 5; ++k) {
    doc.sheet.SetCell(Document::kName, k, k == 4 ? "" : "n" + std::to_string(k));
    doc.records.StoreValue(k, k * 10);
    doc.sheet.SetCell(Document::kValue, k, "999");
  }
  doc.graph.data.sheet_first_row = 3;
  doc.graph.data.sheet_last_row = 5;
  CollectSheetLines(doc, ui);
  EXPECT_EQ(doc.graph.data.data_rows, 3);
  EXPECT_EQ(
      doc.graph.data.names[0] + doc.graph.data.names[1] + doc.graph.data.names[2],
      "n3A4n5");
  EXPECT_EQ(doc.graph.data.At(0, 0) + doc.graph.data.At(2, 0), 80);
}

using Rows = std::vector<std::pair<Real, int>>;

Rows Collect(const std::vector<Real>& values) {
  FrequencyTree tree;
  for (Real v : values) FrequencyInsert(tree, v);
  GraphData data;
  const int n = FrequencyToData(tree, data);
  EXPECT_EQ(n, tree.distinct_count);
  Rows out;
  for (int i = 0; i < n; ++i) out.push_back({data.At(i, 0), static_cast<int>(data.At(i, 1))});
  return out;
}

// Values differing only beyond double precision are one value; -0 and 0 are one.
TEST(Frequency, DistinctValuesAscendingWithCounts) {
  struct Case {
    std::vector<Real> values;
    Rows want;
    // clang-format off
  } cases[] = {
      {{}, {}}, {{-2, 5, -2, 0, 5, 5, -7}, {{-7, 1}, {-2, 2}, {0, 1}, {5, 3}}},
      {{1.0L, 1.0L + 1e-18L}, {{1, 2}}}, {{0.5L, -0.0L, 0.0L}, {{0, 2}, {0.5L, 1}}}};
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(Collect(c.values), c.want);
}

TEST(Frequency, SaturatesBeyondDoublesAndWalksLongChainsWithoutRecursion) {
  EXPECT_EQ(Collect({1e400L, -1e400L, 1e400L}), (Rows{{-DBL_MAX, 1}, {DBL_MAX, 2}}));
  // Ascending values make the tree a chain: a recursive walk or free would need a frame a node.
  FrequencyTree tree;
  for (int i = 0; i < 3000; ++i) FrequencyInsert(tree, i);
  FrequencyInsert(tree, 0);
  EXPECT_EQ(tree.distinct_count, 3000);
  GraphData data;
  EXPECT_EQ(FrequencyToData(tree, data), GraphData::kRows);  // only as many rows as it holds
  EXPECT_EQ(data.At(0, 1), 2);
  EXPECT_EQ(data.At(GraphData::kRows - 1, 0), GraphData::kRows - 1);
  FrequencyFree(tree);
  EXPECT_EQ(FrequencyToData(tree, data), 0);
}

}  // namespace
}  // namespace ravnelok
