#pragma once

#include <QIcon>

class QPainter;

namespace ravnelok::gui {

// The tool buttons' pictures, painted by the program itself on a square of kToolIconSize pixels.
constexpr int kToolIconSize = 32;
void DrawCopyIcon(QPainter& p);
void DrawPasteIcon(QPainter& p);
void DrawSheetIcon(QPainter& p);
void DrawSheetTableIcon(QPainter& p);
void DrawSheetTableGraphIcon(QPainter& p);
void DrawRecalculateIcon(QPainter& p);
void DrawMoreDecimalsIcon(QPainter& p);
void DrawFewerDecimalsIcon(QPainter& p);
void DrawClearTableIcon(QPainter& p);
void DrawClearGraphIcon(QPainter& p);
// The picture `draw` paints, as an icon.
QIcon ToolButtonIcon(void (*draw)(QPainter&));

// The program's own icon: a raven's head over a grid.
QIcon ProgramIcon();

}  // namespace ravnelok::gui
