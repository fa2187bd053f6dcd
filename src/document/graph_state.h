#pragma once

#include <string>
#include <vector>

#include "document/modes.h"
#include "numbers/real.h"

namespace ravnelok {

// The graph data matrix, allocated once for its full size.
struct GraphData {
  static constexpr int kRows = 700;
  static constexpr int kCols = 10;

  GraphData() : matrix(static_cast<size_t>(kRows) * kCols, 0), names(kRows) {}
  Real& At(int row, int col) { return matrix[static_cast<size_t>(row) * kCols + col]; }
  Real At(int row, int col) const { return matrix[static_cast<size_t>(row) * kCols + col]; }

  std::vector<Real> matrix;
  std::vector<std::string> names;
  int data_rows = 0;
  int data_columns = 0;
  int sheet_first_row = 0;
  int sheet_last_row = 0;
  bool data_ok = true;
  bool data_bad = false;
  // The matrix holds the graph last drawn. A refused block leaves refused or leftover numbers
  // behind, which a redraw must not show.
  bool drawn = false;
};

// The states of the graph settings dialogs, kept for the program's run.
struct GraphSettings {
  XAxisLabels sheet_x_axis = XAxisLabels::kNames;
  bool show_x0 = true;
  bool show_y0 = true;
  bool join_points = false;
  bool same_unit = false;
  XAxisLabels table_x_axis = XAxisLabels::kFromOne;  // never kNames
};

struct AxisRanges {
  Real x_low = 0;
  Real x_high = 0;
  Real y_low = 0;
  Real y_high = 0;
};

// The graph of view mode 3: its data, its options, the axis ranges last drawn with and the bitmap
// it is drawn into.
struct GraphState {
  GraphData data;
  GraphSettings options;
  AxisRanges ranges;
  int bitmap_width = 640;
  int bitmap_height = 300;
  // A printout is drawing it: a thinner grid and the printer's font.
  bool printing = false;
};

}  // namespace ravnelok
