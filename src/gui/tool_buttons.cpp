#include "gui/tool_buttons.h"

#include "app/sheet_commands.h"
#include "document/document.h"
#include "graphics/graph.h"
#include "gui/icons.h"
#include "sheet/decimals.h"

namespace ravnelok::gui {

namespace {

void MoreDecimalsCommand(Document& doc, Ui&) {
  MoreDecimals(doc);
}

void FewerDecimalsCommand(Document& doc, Ui&) {
  FewerDecimals(doc);
}

}  // namespace

// clang-format off
const std::array<ToolButtonRow, kToolButtonCount> kToolButtons = {{
    {ToolButton::kCopy, 8, TextId::kHintCopy, DrawCopyIcon, TextId::kMenuCopy, {}, nullptr},
    {ToolButton::kPaste, 56, TextId::kHintPaste, DrawPasteIcon, TextId::kMenuPaste, {}, nullptr},
    {ToolButton::kViewSheet, 120, TextId::kHintViewSheet, DrawSheetIcon, {}, ViewMode::kSheet, nullptr},
    {ToolButton::kViewSheetTable, 160, TextId::kHintViewSheetTable, DrawSheetTableIcon, {}, ViewMode::kSheetAndTable, nullptr},
    {ToolButton::kViewAll, 200, TextId::kHintViewAll, DrawSheetTableGraphIcon, {}, ViewMode::kSheetTableAndGraph, nullptr},
    {ToolButton::kRecalculate, 264, TextId::kHintRecalculate, DrawRecalculateIcon, TextId::kMenuRecalculate, {}, nullptr},
    {ToolButton::kMoreDecimals, 320, TextId::kHintMoreDecimals, DrawMoreDecimalsIcon, {}, {}, MoreDecimalsCommand},
    {ToolButton::kFewerDecimals, 368, TextId::kHintFewerDecimals, DrawFewerDecimalsIcon, {}, {}, FewerDecimalsCommand},
    {ToolButton::kClearTable, 432, TextId::kHintClearTable, DrawClearTableIcon, {}, {}, ClearTableCommand},
    {ToolButton::kClearGraph, 488, TextId::kHintClearGraph, DrawClearGraphIcon, {}, {}, ClearGraph},
}};
// clang-format on

}  // namespace ravnelok::gui
