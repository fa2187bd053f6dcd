#pragma once

#include "document/document.h"

namespace ravnelok {

// A full table for graph benchmarks: 700 passes of 10 marked lines, x descending so that the
// sort has work to do, shown as xy points.
inline void FillFullTable(Document& doc, bool join_points) {
  for (int r = 1; r <= 700; ++r) {
    for (int c = 0; c < 10; ++c) {
      const Real v = c == 0 ? 700 - r : (r * 37 + c * 101) % 997 - 300.5L;
      doc.table_values.Add(v, r, c, c + 1);
    }
  }
  doc.settings.table_rows = 700;
  doc.settings.table_columns = 10;
  doc.table.SetRowCount(703);
  doc.table.SetColCount(10);
  doc.settings.graph_shown = true;
  doc.settings.graph_kind = GraphKind::kTableXy;
  doc.graph.options.join_points = join_points;
}

}  // namespace ravnelok
