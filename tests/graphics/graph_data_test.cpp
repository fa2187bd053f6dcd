#include "graphics/graph_data.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <optional>

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

TEST(RefreshGraph, MessagesAndEffectsByKindSheetLinesByNameOrLabelAndStoredValue) {
  // A refresh of `kind` with lines first..last of which `valued` have values (value = line), a
  // table of `table` rows and, when given, that table selection: the messages and the outcome.
  using Messages = std::vector<std::string>;
  testing::GraphRows distinct700, rows700(700, {1, 2}), wide11(2, std::vector<Real>(11, 1));
  std::vector<int> lines700;
  for (int i = 0; i < 700; ++i) distinct700.push_back({Real(i)}), lines700.push_back(i + 2);
  testing::GraphRows distinct701 = distinct700;
  distinct701.push_back({700});
  // clang-format off
  const std::tuple<const char*, GraphKind, std::vector<int>, int, int, testing::GraphRows, std::optional<GridRect>, Messages, std::string> cases[] = {
      {"sheet bars", K::kSheetBars, {3, 4, 5, 6, 7}, 3, 7, {}, {}, {}, "drawn"},
      {"sheet bars, line 5 empty", K::kSheetBars, {3, 4, 6, 7}, 3, 7, {}, {}, {kBadNumbers}, "cleared"},
      {"sheet curve of one line", K::kSheetCurve, {2}, 2, 2, {}, {}, {kTwoRows}, "kept"},
      {"sheet bars over 701 lines", K::kSheetBars, {}, 1, 701, {}, {}, {kTooLargeSheet}, "kept"},
      {"sheet bars over 700 lines", K::kSheetBars, lines700, 2, 701, {}, {}, {}, "drawn"},
      {"the header row is not a line", K::kSheetBars, {1, 2, 3}, 0, 3, {}, {}, {kBadNumbers}, "cleared"},
      {"xy, whole table", K::kTableXy, {}, 0, 0, {{1, 2, 3}, {2, 3, 4}, {3, 4, 5}, {4, 5, 6}}, {}, {},
       "drawn"},
      {"xy, one T line", K::kTableXy, {}, 0, 0, {{1}, {2}, {3}}, {}, {kTwoColumns}, "kept"},
      {"xy, a missing cell", K::kTableXy, {}, 0, 0, {{1, 2}, {2}}, {}, {kBadNumbers}, "cleared"},
      {"xy, 701 rows", K::kTableXy, {}, 0, 0, {{1}, {2}}, GridRect{0, 1, 1, 701}, {kTooLargeTable}, "kept"},
      {"xy, 700 rows", K::kTableXy, {}, 0, 0, rows700, GridRect{0, 1, 1, 700}, {}, "drawn"},
      {"xy, 11 columns", K::kTableXy, {}, 0, 0, wide11, GridRect{0, 1, 10, 2}, {kTooLargeTable}, "kept"},
      {"xy, 10 columns", K::kTableXy, {}, 0, 0, wide11, GridRect{0, 1, 9, 2}, {}, "drawn"},
      {"table bars, two columns", K::kTableBars, {}, 0, 0, {{1, 2}, {2, 3}}, GridRect{0, 1, 1, 2}, {kOneColumn},
       "kept"},
      {"table curve, one column", K::kTableCurve, {}, 0, 0, {{1, 10}, {2, 20}}, GridRect{1, 1, 1, 2}, {},
       "drawn"},
      {"table frequencies", K::kTableFrequency, {}, 0, 0, {{3}, {1}, {3}, {2}, {3}}, {}, {}, "drawn"},
      {"table frequencies, two columns", K::kTableFrequency, {}, 0, 0, {{1, 2}, {2, 3}}, GridRect{0, 1, 1, 2},
       {kOneColumnFreq}, "cleared"},
      {"table frequencies below the table", K::kTableFrequency, {}, 0, 0, {{1}}, GridRect{0, 1, 0, 3},
       {kBadNumbers}, "cleared"},
      {"701 distinct values", K::kTableFrequency, {}, 0, 0, distinct701, {}, {kTooManyValues}, "kept"},
      {"700 distinct values", K::kTableFrequency, {}, 0, 0, distinct700, {}, {}, "drawn"}};
  // clang-format on
  for (const auto& [what, kind, valued, first, last, table, select, messages, outcome] : cases) {
    Document doc;
    doc.InitialiseGrid();
    doc.SetLineCount(kMaxLines);
    GraphUi ui;
    for (int k : valued) doc.records.StoreValue(k, k);
    doc.graph.data.sheet_first_row = first;
    doc.graph.data.sheet_last_row = last;
    if (!table.empty()) FillTable(doc, table);
    if (select) doc.table.Select(*select);
    doc.settings.graph_shown = true;
    doc.settings.graph_kind = kind;
    RefreshGraph(doc, ui);
    EXPECT_EQ(ui.MessagesUtf8(), messages) << what;
    EXPECT_EQ(Observe(doc, ui), outcome) << what;
  }
  // Names or labels, and the stored values: a cell text is never read.
  Document doc;
  doc.InitialiseGrid();
  GraphUi ui;
  for (int k = 3; k <= 5; ++k) {
    doc.sheet.SetCell(Document::kName, k, k == 4 ? "" : std::string("n").append(std::to_string(k)));
    doc.records.StoreValue(k, k * 10);
    doc.sheet.SetCell(Document::kValue, k, "999");
  }
  doc.graph.data.sheet_first_row = 3;
  doc.graph.data.sheet_last_row = 5;
  CollectSheetLines(doc, ui);
  EXPECT_EQ(doc.graph.data.data_rows, 3);
  EXPECT_EQ(doc.graph.data.names[0] + doc.graph.data.names[1] + doc.graph.data.names[2], "n3A4n5");
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

// Values differing only beyond double precision are one value; -0 and 0 are one; values beyond
// doubles saturate.
TEST(Frequency, DistinctValuesAscendingWithCountsAndLongChainsWithoutRecursion) {
  // clang-format off
  const std::pair<std::vector<Real>, Rows> cases[] = {
      {{}, {}}, {{-2, 5, -2, 0, 5, 5, -7}, {{-7, 1}, {-2, 2}, {0, 1}, {5, 3}}},
      {{1.0L, 1.0L + 1e-18L}, {{1, 2}}}, {{0.5L, -0.0L, 0.0L}, {{0, 2}, {0.5L, 1}}},
      {{1e400L, -1e400L, 1e400L}, {{-DBL_MAX, 1}, {DBL_MAX, 2}}}};
  // clang-format on
  for (const auto& [values, want] : cases) EXPECT_EQ(Collect(values), want);
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
