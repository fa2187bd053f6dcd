#include "output/text_export.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "document/document.h"

namespace ravnelok {

namespace {

constexpr int kFullWidth = 43;  // the expression column when it is not narrowed
constexpr std::string_view kFiveBlanks = "     ";
constexpr std::string_view kLineEnd = "\r\n";

// The text padded on the right with blanks to n characters, or cut to its first n.
void AppendFitted(std::string& out, std::string_view text, int n) {
  const auto width = static_cast<std::size_t>(n);
  out.append(text.substr(0, width));
  if (text.size() < width) out.append(width - text.size(), ' ');
}

void AppendLine(std::string& out, std::string_view text) {
  out.append(text);
  out.append(kLineEnd);
}

int Length(const std::string& text) {
  return static_cast<int>(text.size());
}

// The header with the value title moved left by as much as the expression column is narrower.
std::string SheetHeader(const Document& doc, int width) {
  std::string header = doc.texts[TextId::kSheetTextHeader];
  const int cut = kFullWidth - width;
  if (cut <= 0) return header;
  const auto title = header.find(doc.texts[TextId::kHeaderValue]);
  if (title == std::string::npos || title < static_cast<std::size_t>(cut)) return header;
  header.erase(title - cut, cut);
  return header;
}

}  // namespace

int LastUsedLine(const Document& doc) {
  const TextGrid& sheet = doc.sheet;
  for (int k = sheet.RowCount() - 1; k >= 2; --k) {
    if (!sheet.Cell(Document::kName, k).empty() || !sheet.Cell(Document::kExpression, k).empty()) {
      return k;
    }
  }
  return 1;
}

int ExpressionWidth(const Document& doc) {
  const int last = LastUsedLine(doc);
  int longest = 0;
  for (int k = 0; k <= last; ++k) {
    longest = std::max(longest, Length(doc.sheet.Cell(Document::kExpression, k)));
  }
  return longest < 30 ? longest + 5 : kFullWidth;
}

int TableColumnWidth(const Document& doc, int col) {
  const int header = Length(doc.table.Cell(col, 0));
  const int first = Length(doc.table.Cell(col, 1));
  if (header > 8 && first < 8) return 8;
  return std::max(header, first);
}

std::string SheetText(const Document& doc) {
  const TextGrid& sheet = doc.sheet;
  const int last = LastUsedLine(doc);
  const int width = ExpressionWidth(doc);
  std::string out;
  AppendLine(out, kFiveBlanks);
  AppendLine(out, SheetHeader(doc, width));
  AppendLine(out, "");
  for (int k = 1; k <= last; ++k) {
    out.append(sheet.Cell(Document::kTableMark, k));
    out.append(sheet.Cell(Document::kFixedMark, k));
    out.push_back(' ');
    AppendFitted(out, sheet.Cell(Document::kLabel, k), 4);
    out.push_back(' ');
    AppendFitted(out, sheet.Cell(Document::kName, k), 8);
    out.push_back(' ');
    std::string_view expression = sheet.Cell(Document::kExpression, k);
    AppendFitted(out, expression, width);
    out.push_back(' ');
    AppendFitted(out, sheet.Cell(Document::kValue, k), 12);
    AppendFitted(out, sheet.Cell(Document::kUnit, k), 8);
    out.append(kLineEnd);
    // A long expression goes on under the expression column, 17 characters in.
    while (expression.size() > static_cast<std::size_t>(width)) {
      expression.remove_prefix(static_cast<std::size_t>(width));
      out.append(17, ' ');
      AppendFitted(out, expression, width);
      out.append(kLineEnd);
    }
  }
  AppendLine(out, kFiveBlanks);
  return out;
}

std::vector<int> TableColumnWidths(const Document& doc) {
  std::vector<int> widths(static_cast<std::size_t>(std::max(doc.settings.table_columns, 0)));
  for (std::size_t c = 0; c < widths.size(); ++c) {
    widths[c] = TableColumnWidth(doc, static_cast<int>(c));
  }
  return widths;
}

std::string TableHeaderText(const Document& doc, const std::vector<int>& widths) {
  std::string out;
  for (std::size_t c = 0; c < widths.size(); ++c) {
    const std::string& header = doc.table.Cell(static_cast<int>(c), 0);
    out.append("  ");
    if (Length(header) < widths[c]) out.append(widths[c] - header.size(), ' ');
    out.append(header, 0, static_cast<std::size_t>(widths[c]));
  }
  return out;
}

std::string TableRowText(const Document& doc, const std::vector<int>& widths, int r) {
  std::string out;
  for (std::size_t c = 0; c < widths.size(); ++c) {
    const std::string& cell = doc.table.Cell(static_cast<int>(c), r);
    out.append("  ");
    out.append(static_cast<std::size_t>(std::clamp(widths[c] - Length(cell), 0, 16)), ' ');
    out.append(cell);
  }
  return out;
}

std::string TableText(const Document& doc) {
  const std::vector<int> widths = TableColumnWidths(doc);
  std::string out;
  AppendLine(out, kFiveBlanks);
  out.append(kFiveBlanks);
  AppendLine(out, TableHeaderText(doc, widths));
  AppendLine(out, kFiveBlanks);
  for (int r = 1; r <= doc.settings.table_rows; ++r) {
    out.append(kFiveBlanks);
    AppendLine(out, TableRowText(doc, widths, r));
  }
  AppendLine(out, kFiveBlanks);
  return out;
}

}  // namespace ravnelok
