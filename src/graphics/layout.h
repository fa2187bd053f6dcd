#pragma once

#include <array>

#include "document/modes.h"

namespace ravnelok {

class Document;
class Ui;

// A rectangle in the client area of the main window (pixels).
struct AreaRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const AreaRect&) const = default;
};

// Everything LayOutWindow decides for one view mode and client size. Areas are in client
// coordinates; the sheet grid and the graph area in the coordinates of the sheet area.
struct WindowLayout {
  static constexpr int kToolBarHeight = 56;

  bool table_shown = false;
  bool graph_shown = false;  // the graph area is visible below the sheet grid
  bool clear_table_button = false;
  bool clear_graph_button = false;

  AreaRect tool_bar;
  AreaRect sheet_area;
  AreaRect sheet_grid;
  AreaRect graph_area;
  AreaRect table_area;

  int sheet_row_height = 22;
  int sheet_font_size = 12;
  int editor_font_size = 12;
  int table_row_height = 18;
  std::array<int, 7> sheet_col_widths{};
};

// The arrangement of the window for `view_mode` in a
// client area of the given size, tool bar included. The fixed columns (Document::kFixedColumns)
// keep the widths they have.
WindowLayout ComputeLayout(ViewMode view_mode, int client_width, int client_height, int col0_width,
                           int col1_width);

// The width left for the expression column in a sheet grid `grid_width` wide.
int ExpressionColumnWidth(int grid_width, const std::array<int, 7>& widths);

// view_mode := mode, the matching view button pressed, the window laid out.
void SetViewMode(Document& doc, Ui& ui, ViewMode mode);

// Writes the sheet grid's row height, font size and column widths into the Document.
void ApplyLayout(Document& doc, const WindowLayout& layout);

}  // namespace ravnelok
