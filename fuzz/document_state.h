#pragma once

#include <charconv>
#include <string>
#include <string_view>

#include "document/document.h"
#include "expression/eval_cache.h"

namespace ravnelok::testing {

// Everything undo must put back, as one text: every cell of both grids, their sizes and
// widths, every record (values by their bits), the table's values, the settings a command
// changes; and at the end the view (mode and graph), which goes back with a change but alone is
// none (SheetStateOf leaves it out).
inline std::string StateOf(const Document& doc) {
  std::string s;
  s.reserve(64 * 1024);
  auto n = [&s](long long v) {
    char digits[24];
    s.append(digits, std::to_chars(digits, digits + sizeof digits, v).ptr);
    s += ',';
  };
  auto bits = [&s](const Real& v) { s.append(reinterpret_cast<const char*>(&v), kRealBytes); };
  for (const TextGrid* grid : {&doc.sheet, &doc.table}) {
    n(grid->ColCount());
    n(grid->RowCount());
    for (int c = 0; c < grid->ColCount(); ++c) n(grid->ColWidth(c));
    for (int r = 0; r < grid->RowCount(); ++r) {
      for (int c = 0; c < grid->ColCount(); ++c) (s += '|') += grid->Cell(c, r);
    }
  }
  for (int k = 1; k <= kMaxLines; ++k) {
    const linie_type& r = doc.records[k];
    (s += '\n') += r.name;
    n(r.has_value);
    n(r.start_pending);
    n(r.computed);
    bits(r.value);
    n(r.line);
    n(r.decimals);
  }
  for (const TableEntry& e : doc.table_values.Entries()) {
    s += '\n';
    bits(e.value);
    n(e.row);
    n(e.col);
    n(e.line);
  }
  const Settings& set = doc.settings;
  s += '\n';
  n(set.default_decimals);
  s += set.decimals_text;
  n(set.table_columns);
  n(set.table_rows);
  n(static_cast<int>(set.view_mode));
  n(set.graph_shown);
  return s;
}

// A state without its view: all but its last two numbers.
inline std::string_view SheetStateOf(std::string_view state) {
  for (int fields = 0; fields < 3 && !state.empty(); state.remove_suffix(1)) {
    fields += state.back() == ',';
  }
  return state;
}

}  // namespace ravnelok::testing
