#pragma once

namespace ravnelok {

// Where the sheet's cell editor stands, and the column of the last press on the sheet grid,
// which decides whether typing opens the editor.
struct EditorPosition {
  int column = 2;
  int row = 1;
  int clicked_column = 3;
};

}  // namespace ravnelok
