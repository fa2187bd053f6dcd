#include "graphics/graph_data.h"

#include <string>

#include "document/document.h"
#include "document/ui.h"
#include "graphics/axis.h"
#include "graphics/bin.h"
#include "graphics/graph.h"
#include "graphics/render.h"

namespace ravnelok {

namespace {

constexpr int kMaxBlockRows = GraphData::kRows;
constexpr int kMaxBlockColumns = GraphData::kCols;

void Start(GraphData& g) {
  g.data_ok = true;
  g.data_bad = false;
  g.drawn = false;
}

void Draw(Document& doc, Ui& ui) {
  doc.graph.data.drawn = true;
  RenderGraph(doc, ui);
}

// "Blokken må kun have 700 linier og 10 kolonner".
std::string TableBlockTooLarge(const Document& doc) {
  return doc.texts[TextId::kBlockMayHave] + " " + std::to_string(kMaxBlockRows) + " " +
         doc.texts[TextId::kBlockLinesAnd] + " " + std::to_string(kMaxBlockColumns) + " " +
         doc.texts[TextId::kBlockColumns];
}

// "Blokken må kun have 700 linier".
std::string SheetBlockTooLarge(const Document& doc) {
  return doc.texts[TextId::kBlockMayHave] + " " + std::to_string(kMaxBlockRows) + " " +
         doc.texts[TextId::kBlockLines];
}

// The stored value of sheet line k. A row that is not a line of the sheet (the header row, or a
// line gone since the graph command) has none: the records would answer for a neighbour.
bool LineValue(const Document& doc, int k, Real& value) {
  if (k < 1 || k > doc.LineCount()) return false;
  return doc.records.Value(k, value);
}

}  // namespace

bool CollectTableBlock(Document& doc, Ui& ui) {
  GraphData& g = doc.graph.data;
  Start(g);
  const GraphKind kind = doc.settings.graph_kind;
  const GridRect sel = doc.table.Selection();
  int left = sel.left, top = sel.top, right = sel.right, bottom = sel.bottom;
  bool whole_table = false;
  g.data_rows = bottom - top + 1;
  g.data_columns = right - left + 1;
  if (g.data_rows <= 1 && g.data_columns <= 1) {
    whole_table = true;
    top = 1;
    bottom = doc.settings.table_rows;
    if (kind == GraphKind::kTableXy) {
      left = 0;
      right = doc.settings.table_columns - 1;
    }
    g.data_rows = doc.settings.table_rows;
    g.data_columns = kind == GraphKind::kTableXy ? doc.settings.table_columns : 1;
  }
  if (bottom - top + 1 > kMaxBlockRows || right - left + 1 > kMaxBlockColumns) {
    g.data_ok = false;
    ui.ShowMessage(TableBlockTooLarge(doc));
    return whole_table;
  }
  if (bottom < top) return whole_table;
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) {
      if (const TableEntry* e = doc.table_values.Find(c, r)) {
        g.At(r - top, c - left) = e->value;
      } else {
        g.data_bad = true;
      }
    }
  }
  return whole_table;
}

void CollectSheetLines(Document& doc, Ui& ui) {
  GraphData& g = doc.graph.data;
  Start(g);
  const int first = g.sheet_first_row;
  const int n = g.sheet_last_row - first + 1;
  if (n > kMaxBlockRows) {
    g.data_ok = false;
    ui.ShowMessage(SheetBlockTooLarge(doc));
    return;
  }
  for (int k = first; k <= g.sheet_last_row; ++k) {
    const int i = k - first;
    const std::string& name = doc.sheet.Cell(Document::kName, k);
    g.names[i] = name.empty() ? doc.sheet.Cell(Document::kLabel, k) : name;
    Real v = 0;
    if (LineValue(doc, k, v)) {
      g.At(i, 0) = v;
    } else {
      g.data_bad = true;
    }
  }
  g.data_rows = n;
}

void CollectSheetFrequencies(Document& doc, Ui& ui, FrequencyTree& tree) {
  GraphData& g = doc.graph.data;
  Start(g);
  FrequencyFree(tree);
  if (g.sheet_last_row - g.sheet_first_row + 1 > kMaxBlockRows) {
    g.data_ok = false;
    ui.ShowMessage(SheetBlockTooLarge(doc));
    return;
  }
  for (int k = g.sheet_first_row; k <= g.sheet_last_row; ++k) {
    Real v = 0;
    if (LineValue(doc, k, v)) {
      FrequencyInsert(tree, v);
    } else {
      g.data_bad = true;
    }
  }
  FrequencyToData(tree, g);
  g.data_rows = tree.distinct_count;
  g.data_columns = 2;
}

TableFrequencyResult CollectTableFrequencies(Document& doc, Ui& ui, FrequencyTree& tree) {
  GraphData& g = doc.graph.data;
  Start(g);
  TableFrequencyResult result;
  FrequencyFree(tree);
  const GridRect sel = doc.table.Selection();
  int top = sel.top, bottom = sel.bottom;
  g.data_rows = bottom - top + 1;
  g.data_columns = sel.right - sel.left + 1;
  if (g.data_rows < 2 && g.data_columns < 2) {
    result.whole_table = true;
    top = 1;
    bottom = doc.settings.table_rows;
    g.data_rows = doc.settings.table_rows;
    g.data_columns = 1;
  }
  if (sel.right != sel.left) {
    if (!result.whole_table) ui.ShowMessage(doc.texts[TextId::kSelectOneColumn]);
    result.several_columns = true;
    return result;
  }
  for (int r = top; r <= bottom; ++r) {
    if (const TableEntry* e = doc.table_values.Find(sel.left, r)) {
      FrequencyInsert(tree, e->value);
    } else {
      g.data_bad = true;
    }
  }
  if (tree.distinct_count > kMaxBlockRows) {
    ui.ShowMessage(doc.texts[TextId::kTooManyValues]);
    g.data_ok = false;
    return result;
  }
  FrequencyToData(tree, g);
  g.data_rows = tree.distinct_count;
  g.data_columns = 2;
  return result;
}

void RefreshGraph(Document& doc, Ui& ui) {
  const GraphKind kind = doc.settings.graph_kind;
  if (!doc.settings.graph_shown || !IsGraph(kind)) return;
  GraphData& g = doc.graph.data;
  auto good = [&g] { return g.data_ok && !g.data_bad; };
  bool clear_anyway = false;  // frequencies of several columns clear without data_bad

  switch (kind) {
    case GraphKind::kTableXy:
      CollectTableBlock(doc, ui);
      if (good() && g.data_columns >= 2) {
        ScaleXY(g, kind, doc.graph.ranges);
        Draw(doc, ui);
      }
      if (good() && g.data_columns <= 1) ui.ShowMessage(doc.texts[TextId::kSelectTwoColumns]);
      break;
    case GraphKind::kSheetBars:
    case GraphKind::kSheetCurve:
      CollectSheetLines(doc, ui);
      if (good() && g.data_rows >= 2) {
        ScaleBars(g, doc.graph.ranges);
        Draw(doc, ui);
      }
      if (good() && g.data_rows <= 1) ui.ShowMessage(doc.texts[TextId::kSelectTwoRows]);
      break;
    case GraphKind::kTableBars:
    case GraphKind::kTableCurve: {
      const bool whole_table = CollectTableBlock(doc, ui);
      const bool one_column = g.data_rows >= 2 && g.data_columns == 1;
      if (good() && one_column) {
        ScaleBars(g, doc.graph.ranges);
        Draw(doc, ui);
      }
      if (good() && !one_column && !whole_table)
        ui.ShowMessage(doc.texts[TextId::kSelectOneColumnTable]);
      break;
    }
    case GraphKind::kSheetFrequency: {
      FrequencyTree tree;
      CollectSheetFrequencies(doc, ui, tree);
      if (good()) {
        ScaleXY(g, kind, doc.graph.ranges);
        Draw(doc, ui);
      }
      if (good() && g.data_rows <= 0) ui.ShowMessage(doc.texts[TextId::kNoNumbersInSheet]);
      break;
    }
    case GraphKind::kTableFrequency: {
      FrequencyTree tree;
      const TableFrequencyResult res = CollectTableFrequencies(doc, ui, tree);
      const bool usable = good() && !res.several_columns;
      if (usable && g.data_rows >= 1) {
        ScaleXY(g, kind, doc.graph.ranges);
        Draw(doc, ui);
      }
      if (usable && g.data_rows <= 0 && !res.whole_table)
        ui.ShowMessage(doc.texts[TextId::kNoNumbersSelected]);
      clear_anyway = res.several_columns;
      break;
    }
    case GraphKind::kNone:
      break;
  }
  if (g.data_ok && g.data_bad) ui.ShowMessage(doc.texts[TextId::kBadNumbersSelected]);
  if (g.data_bad || clear_anyway) ClearGraph(doc, ui);
}

}  // namespace ravnelok
