#pragma once

#include <QIcon>

namespace ravnelok::gui {

// The pictures of the ten tool buttons, left to right, painted by the program itself.
QIcon ToolButtonIcon(int index);
// The program's own icon: a raven's head over a grid.
QIcon ProgramIcon();

}  // namespace ravnelok::gui
