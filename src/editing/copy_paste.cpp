#include "editing/copy_paste.h"

#include <algorithm>

#include "document/document.h"
#include "document/ui.h"
#include "editing/renumber.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

// The decimal text of the number `digits` plus `step`. A run of digits longer than any integer
// type still counts, so the sum is made digit by digit then.
std::string DigitsPlus(std::string_view digits, int step) {
  const size_t first = digits.find_first_not_of('0');
  digits = first == std::string_view::npos ? std::string_view() : digits.substr(first);
  if (digits.size() <= 17) {
    long long m = 0;
    for (const char c : digits) m = m * 10 + (c - '0');
    return std::to_string(m + step);
  }
  // At least 10^17, so a step of a few thousand leaves the sum positive.
  std::string sum(digits);
  int carry = step;
  for (size_t i = sum.size(); i-- > 0 && carry != 0;) {
    const int d = sum[i] - '0' + carry;
    const int digit = ((d % 10) + 10) % 10;
    carry = (d - digit) / 10;
    sum[i] = static_cast<char>('0' + digit);
  }
  if (carry > 0) sum.insert(0, std::to_string(carry));
  sum.erase(0, std::min(sum.find_first_not_of('0'), sum.size() - 1));
  return sum;
}

}  // namespace

std::string NumberedName(const std::string& name, int step) {
  size_t stem = name.size();
  while (stem > 0 && IsDigit(name[stem - 1])) --stem;
  if (stem == 0) return std::string();
  return name.substr(0, stem) + DigitsPlus(std::string_view(name).substr(stem), step);
}

void CopyCells(Document& doc, Ui& ui) {
  CopyBuffer& s = doc.copy;
  s.held = false;
  const GridRect& selection = doc.sheet.Selection();
  const int col = selection.left;
  if (selection.right != col ||
      (col != Document::kName && col != Document::kExpression && col != Document::kUnit)) {
    ui.ShowMessage(doc.texts[TextId::kCopyColumnsOnly]);
    return;
  }
  s.column = col;
  s.first_row = selection.top;
  s.count = selection.bottom - selection.top + 1;
  if (s.count > 2) {
    ui.ShowMessage(doc.texts[TextId::kCopyAtMostTwo]);
    return;
  }
  for (int k = 0; k < s.count; ++k) {
    s.texts[static_cast<size_t>(k)] = doc.sheet.Cell(col, selection.top + k);
  }
  s.held = true;
}

void PasteCells(Document& doc, Ui& ui) {
  const CopyBuffer& s = doc.copy;
  const GridRect& selection = doc.sheet.Selection();
  const int top = selection.top;
  const int bottom = std::min(selection.bottom, doc.LineCount());
  if (!s.held || selection.right != selection.left || selection.left != s.column || top < 1) {
    ui.ShowMessage(doc.texts[TextId::kPasteOtherColumn]);
    return;
  }
  int k = 0;
  for (int row = top; row <= bottom; ++row, k = (k + 1) % s.count) {
    std::string text = s.texts[static_cast<size_t>(k)];
    const int offset = row - (s.first_row + k);
    if (s.column == Document::kExpression) {
      if (!StartsAsTextLine(text)) text = RenumberReferences(doc, text, offset, top, true);
    } else if (s.column == Document::kName) {
      RemoveBlanks(text);
      if (text == "c" || text == "d") {
        ui.ShowMessage(text + "0 - " + text + "9 " + doc.texts[TextId::kNameIsFunction]);
        return;
      }
      // C++ division truncates toward zero, as the step must.
      text = NumberedName(text, offset / s.count);
    }
    doc.sheet.SetCell(s.column, row, std::move(text));
  }
}

}  // namespace ravnelok
