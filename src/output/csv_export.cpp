#include "output/csv_export.h"

#include <string_view>

#include "document/document.h"
#include "numbers/number_text.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

// A field in quotes, its quotes doubled, when it holds a separator, a quote or a line end, or
// blanks at its ends that a reader might trim.
void AppendField(std::string& out, std::string_view text) {
  const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                     (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) {
    out.append(text);
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

std::string TableCsv(const Document& doc) {
  const int columns = doc.settings.table_columns;
  if (columns <= 0) return {};
  std::string out;
  for (int c = 0; c < columns; ++c) {
    if (c > 0) out += ',';
    AppendField(out, cp1252::ToUtf8(doc.table.Cell(c, 0)));
  }
  out += "\r\n";
  for (int r = 1; r <= doc.settings.table_rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      if (c > 0) out += ',';
      // The recorded number, not the cell's rounded text; a failed line left its cell empty.
      if (const TableEntry* entry = doc.table_values.Find(c, r)) out += DataText13(entry->value);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace ravnelok
