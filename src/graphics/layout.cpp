#include "graphics/layout.h"

#include <algorithm>

#include "document/document.h"
#include "document/ui.h"

namespace ravnelok {

int ExpressionColumnWidth(int grid_width, const std::array<int, 7>& widths) {
  // 25 for the vertical scroll bar, 3 for the grid lines; a window too small for the other
  // columns leaves the expression column at nothing rather than at a negative width.
  const int others = widths[0] + widths[1] + widths[2] + widths[3] + widths[5] + widths[6] + 3;
  return std::max(0, grid_width - 25 - others);
}

WindowLayout ComputeLayout(ViewMode view_mode, int client_width, int client_height, int col0_width,
                           int col1_width) {
  WindowLayout l;
  const int width = std::max(0, client_width);
  const int height = std::max(0, client_height);
  const int below_bar = std::max(0, height - WindowLayout::kToolBarHeight);
  l.tool_bar = {0, 0, width, WindowLayout::kToolBarHeight};
  l.sheet_col_widths[0] = col0_width;
  l.sheet_col_widths[1] = col1_width;

  if (view_mode == ViewMode::kSheet) {
    l.sheet_area = {0, WindowLayout::kToolBarHeight, width, below_bar};
    l.sheet_grid = {0, 0, width, below_bar};
    l.sheet_row_height = 22;
    l.sheet_font_size = 12;
    l.editor_font_size = 12;
    l.sheet_col_widths[2] = 48;
    l.sheet_col_widths[3] = 85;
    l.sheet_col_widths[5] = 115;
    l.sheet_col_widths[6] = 65;
  } else {
    const int sheet_width = width * 2 / 3;
    l.table_shown = true;
    l.clear_table_button = true;
    l.sheet_area = {0, WindowLayout::kToolBarHeight, sheet_width, below_bar};
    l.table_area = {sheet_width, WindowLayout::kToolBarHeight, width - sheet_width, below_bar};
    l.sheet_row_height = 18;
    l.sheet_font_size = 10;
    l.editor_font_size = 10;
    l.sheet_col_widths[2] = 40;
    l.sheet_col_widths[3] = 65;
    l.sheet_col_widths[5] = 105;
    l.sheet_col_widths[6] = 55;
    if (view_mode == ViewMode::kSheetTableAndGraph) {
      // The grid takes a third of the whole client height; the graph area the rest.
      const int grid_height = std::min(height / 3, below_bar);
      l.graph_shown = true;
      l.clear_graph_button = true;
      l.sheet_grid = {0, 0, sheet_width, grid_height};
      l.graph_area = {0, grid_height, sheet_width, below_bar - grid_height};
    } else {
      l.sheet_grid = {0, 0, sheet_width, below_bar};
    }
  }
  l.sheet_col_widths[4] = ExpressionColumnWidth(l.sheet_grid.width, l.sheet_col_widths);
  return l;
}

void SetViewMode(Document& doc, Ui& ui, ViewMode mode) {
  doc.settings.view_mode = mode;
  ui.LayOutWindow();
}

void ApplyLayout(Document& doc, const WindowLayout& layout) {
  doc.sheet.row_height = layout.sheet_row_height;
  doc.sheet.font_size = layout.sheet_font_size;
  for (int c = Document::kFixedColumns; c < 7; ++c)
    doc.sheet.SetColWidth(c, layout.sheet_col_widths[c]);
  doc.table.row_height = layout.table_row_height;
}

}  // namespace ravnelok
