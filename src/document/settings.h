#pragma once

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
  std::string file_name = "*.rlk";
  // Dialog states remembered between uses.
  bool decimals_auto_checked = false;
  int angle_choice = 0;  // 0 degrees, 1 radians
};

}  // namespace ravnelok
