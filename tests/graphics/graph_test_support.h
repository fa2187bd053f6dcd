#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

#include "app/document.h"
#include "graphics/recording_canvas.h"
#include "support/fake_ui.h"

namespace ravnelok::testing {

// The fake Ui with a graph bitmap that records, and scripted graph settings dialogs.
class GraphUi : public FakeUi {
 public:
  Canvas* GraphCanvas() override { return with_canvas ? &canvas : nullptr; }
  void RunGraphSettingsDialog(GraphSettingsDialog& dialog) override {
    dialogs.push_back(dialog);
    if (dialog_script.empty()) return;
    auto step = std::move(dialog_script.front());
    dialog_script.pop_front();
    step(dialog);
  }

  bool with_canvas = true;
  RecordingCanvas canvas;
  std::vector<GraphSettingsDialog> dialogs;  // as shown
  std::deque<std::function<void(GraphSettingsDialog&)>> dialog_script;
};

// Sheet line k gets a stored value.
inline void SetLine(Document& doc, int k, Real value) {
  doc.records.StoreValue(k, value);
}

// A table of recorded passes: rows[r][c] goes to table row r + 1, column c.
inline void FillTable(Document& doc, const std::vector<std::vector<Real>>& rows) {
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
  if (doc.table.RowCount() < doc.settings.table_rows + 3) {
    doc.table.SetRowCount(doc.settings.table_rows + 3);
  }
}

// Values of one table column.
inline void FillColumn(Document& doc, std::initializer_list<Real> values) {
  std::vector<std::vector<Real>> rows;
  for (Real v : values) rows.push_back({v});
  FillTable(doc, rows);
}

}  // namespace ravnelok::testing
