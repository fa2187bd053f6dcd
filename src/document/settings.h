#pragma once

#include <array>
#include <string>

#include "document/modes.h"
#include "numbers/format_value.h"

namespace ravnelok {

// The global settings: they live for the program's run; a sheet file does not carry them.
struct Settings {
  int default_decimals = kAutoDecimals;
  int value_width = 10;
  std::string decimals_text = "0";
  bool angle_in_degrees = true;
  ViewMode view_mode = ViewMode::kSheet;
  bool graph_shown = false;
  GraphKind graph_kind = GraphKind::kNone;
  int table_columns = 0;
  int table_rows = 0;
  int editor_column = 2;
  int editor_row = 1;
  int clicked_column = 3;
  // The copy waiting to be pasted: up to two cells of the name, expression or unit column.
  bool copy_held = false;
  std::array<std::string, 2> copy_texts;
  int copy_column = 0;
  int copy_first_row = 0;
  int copy_count = 0;
  std::string file_name = "*.rlk";
  // Dialog states remembered between uses.
  bool decimals_auto_checked = false;
  int angle_choice = 0;  // 0 degrees, 1 radians
};

}  // namespace ravnelok
