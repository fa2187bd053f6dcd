#pragma once

#include <array>
#include <optional>

#include "document/modes.h"
#include "document/text_id.h"

class QPainter;

namespace ravnelok {
class Document;
class Ui;
}  // namespace ravnelok

namespace ravnelok::gui {

// The tool buttons, left to right.
enum class ToolButton {
  kCopy,
  kPaste,
  kViewSheet,
  kViewSheetTable,
  kViewAll,
  kRecalculate,
  kMoreDecimals,
  kFewerDecimals,
  kClearTable,
  kClearGraph,
};
constexpr int kToolButtonCount = 10;

// Every tool button is a square of this size at this height in the tool bar.
constexpr int kToolButtonSize = 41;
constexpr int kToolButtonTop = 8;

// One tool button, all it is in one row. A button whose command is also a menu item triggers
// that item's action (`menu_entry`); the others get an action of their own: a view button sets
// `view_mode` and stays pressed while the window shows it, any other runs `command`.
struct ToolButtonRow {
  ToolButton button;
  int left;  // in the tool bar
  TextId hint;
  void (*draw_icon)(QPainter&);
  std::optional<TextId> menu_entry;
  std::optional<ViewMode> view_mode;
  void (*command)(Document&, Ui&);
};
extern const std::array<ToolButtonRow, kToolButtonCount> kToolButtons;

}  // namespace ravnelok::gui
