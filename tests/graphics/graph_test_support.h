#pragma once

#include <algorithm>
#include <deque>
#include <functional>

#include "document/document.h"
#include "graphics/recording_canvas.h"
#include "support/fake_ui.h"

namespace ravnelok::testing {

using GraphRows = std::vector<std::vector<Real>>;

// The fake Ui with a graph bitmap that records, and scripted graph settings dialogs.
class GraphUi : public FakeUi {
 public:
  Canvas* GraphCanvas() override { return with_canvas ? &canvas : nullptr; }
  void RunGraphSettingsDialog(GraphSettingsDialog& dialog) override {
    dialogs.push_back(dialog);
    if (dialog_script.empty()) return;
    dialog_script.front()(dialog);
    dialog_script.pop_front();
  }

  bool with_canvas = true;
  RecordingCanvas canvas;
  std::vector<GraphSettingsDialog> dialogs;  // as shown
  std::deque<std::function<void(GraphSettingsDialog&)>> dialog_script;
};

// The graph matrix holding `rows`.
inline void SetData(GraphData& data, const GraphRows& rows) {
  data.data_rows = static_cast<int>(rows.size());
  data.data_columns = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t j = 0; j < rows[i].size(); ++j) data.At(i, j) = rows[i][j];
  }
}

// A table of recorded passes: rows[r][c] goes to table row r + 1, column c.
inline void FillTable(Document& doc, const GraphRows& rows) {
  int cols = 0;
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      doc.table_values.Add(rows[r][c], static_cast<int>(r) + 1, static_cast<int>(c),
                           static_cast<int>(c) + 1);
    }
    cols = std::max(cols, static_cast<int>(rows[r].size()));
  }
  doc.settings.table_rows = static_cast<int>(rows.size());
  doc.settings.table_columns = cols;
  doc.table.SetRowCount(std::max(doc.table.RowCount(), doc.settings.table_rows + 3));
}

}  // namespace ravnelok::testing
