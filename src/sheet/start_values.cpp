#include "sheet/start_values.h"

#include <algorithm>
#include <vector>

#include "document/document.h"
#include "document/ui.h"
#include "numbers/format_value.h"
#include "numbers/number_text.h"
#include "sheet/decimals.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

bool IsIdentifierChar(char c) {
  return IsDanishLetter(c) || IsDigit(c);
}

bool ContainsWholeWord(const std::string& text, const std::string& word) {
  if (word.empty()) return false;
  for (size_t p = text.find(word); p != std::string::npos; p = text.find(word, p + 1)) {
    const bool before_ok = p == 0 || !IsIdentifierChar(text[p - 1]);
    const size_t after = p + word.size();
    const bool after_ok = after >= text.size() || !IsIdentifierChar(text[after]);
    if (before_ok && after_ok) return true;
  }
  return false;
}

}  // namespace

bool IsSelfReferring(const Document& doc, int k) {
  const std::string& expression = doc.sheet.Cell(Document::kExpression, k);
  const std::string name = WithoutBlanks(doc.sheet.Cell(Document::kName, k));
  return ContainsWholeWord(expression, name) || ContainsWholeWord(expression, LabelOf(k));
}

bool SetStartValues(Document& doc, Ui& ui) {
  doc.records.ClearAllStartPending();
  std::vector<int> lines;
  for (int k = 1; k < doc.sheet.RowCount(); ++k) {
    if (!IsSelfReferring(doc, k)) continue;
    doc.records.SetStartPending(k, true);
    lines.push_back(k);
  }
  if (lines.empty()) return false;

  StartValuesDialog dialog;
  dialog.height = lines.size() <= 5 ? 230 : 400;
  dialog.caption = doc.texts[TextId::kStartValuesCaption];
  dialog.ok = doc.texts[TextId::kOk];
  dialog.cancel = doc.texts[TextId::kCancel];
  dialog.rows.push_back(
      {"  " + doc.texts[TextId::kStartValuesName], "  " + doc.texts[TextId::kStartValuesValue]});
  for (int k : lines) {
    const std::string name = WithoutBlanks(doc.sheet.Cell(Document::kName, k));
    dialog.rows.push_back({" " + (name.empty() ? LabelOf(k) : name), "0"});
  }
  if (!ui.RunStartValuesDialog(dialog)) return false;

  bool error_shown = false;
  for (size_t r = 1; r < dialog.rows.size() && r <= lines.size(); ++r) {
    const std::string key = WithoutBlanks(dialog.rows[r][0]);
    const LookupResult found = doc.records.Lookup(key);
    // The line the row was made for, when the name is not (yet) in the records.
    const int k = found.found ? found.line : lines[r - 1];
    std::string text = dialog.rows[r][1];
    const size_t first = text.find_first_not_of(' ');
    text = first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::replace(text.begin(), text.end(), ',', '.');
    Real v = 0;
    int error = 0;
    if (!text.empty() && ReadDecimal(text, v, error)) {
      doc.sheet.SetCell(Document::kValue, k, FormatLineValue(doc, v, k));
      doc.records.StoreValue(k, v);
    } else {
      if (!error_shown) {
        ui.ShowMessage(doc.texts[TextId::kBadStartValue]);
        error_shown = true;
      }
      doc.records.ClearHasValue(k);
    }
  }
  return true;
}

}  // namespace ravnelok
