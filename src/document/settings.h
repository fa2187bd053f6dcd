#pragma once

#include <string>
#include <string_view>

#include "document/modes.h"
#include "numbers/format_value.h"

namespace ravnelok {

// Sheet files end in ".rlk". A sheet not saved yet is called "*.rlk", which is also the filter of
// the file dialogs and the name the open dialog starts with.
inline constexpr std::string_view kSheetExtension = "rlk";
inline constexpr std::string_view kSheetFilePattern = "*.rlk";

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
  std::string file_name{kSheetFilePattern};
  // Dialog states remembered between uses.
  bool decimals_auto_checked = false;
  AngleUnit angle_choice = AngleUnit::kDegrees;
};

}  // namespace ravnelok
