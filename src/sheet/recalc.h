#pragma once

#include <string>

namespace ravnelok {

class Document;
class Ui;

// Mode 0 forgets the names, the pending start values and the table before the pass; mode 1
// appends one table row for the lines marked "T".
enum class RecalcMode { kFresh = 0, kAppendRow = 1 };

struct PassResult {
  // A "T" line lost its expression: its mark went and the table was cleared.
  bool table_mark_dropped = false;
};

// The whole-sheet pass, top to bottom. The graph refresh that follows every pass is composed
// above this layer (app/sheet_commands.h).
PassResult RecalculatePass(Document& doc, Ui& ui, RecalcMode mode);

}  // namespace ravnelok
