#include "sheet/decimals.h"

#include <algorithm>
#include <charconv>

#include "document/document.h"
#include "document/ui.h"
#include "numbers/format_value.h"
#include "sheet/table.h"

namespace ravnelok {

std::string FormatLineValue(const Document& doc, Real v, int k) {
  return FormatValue(v, doc.records.Decimals(k), doc.settings.value_width);
}
namespace {

bool CurrentInValueColumn(const Document& doc) {
  return doc.sheet.CurrentCol() == Document::kValue;
}

void RedisplayAll(Document& doc) {
  RedisplayValues(doc);
  if (doc.table_values.Empty()) return;
  for (int k = 1; k < doc.sheet.RowCount(); ++k) {
    if (doc.TableMarked(k)) RedisplayTableEntries(doc, k);
  }
}

// Applies `change` to the decimals of every selected line that has a value.
template <typename Change>
void ChangeDecimals(Document& doc, Change change) {
  if (!CurrentInValueColumn(doc)) return;
  const GridRect& sel = doc.sheet.Selection();
  const int last = std::min(sel.bottom, doc.sheet.RowCount() - 1);
  for (int k = std::max(sel.top, 1); k <= last; ++k) {
    Real v = 0;
    if (!doc.records.Value(k, v)) continue;
    const int d = doc.records.Decimals(k);
    const bool whole = IsWhole(v);
    doc.records.SetDecimals(k, change(d, whole, v));
  }
  RedisplayAll(doc);
}

}  // namespace

void RedisplayValues(Document& doc) {
  for (int k = 1; k < doc.sheet.RowCount(); ++k) {
    Real v = 0;
    if (doc.records.Value(k, v)) doc.sheet.SetCell(Document::kValue, k, FormatLineValue(doc, v, k));
  }
}

void RedisplayTableEntries(Document& doc, int k) {
  int earliest_col = -1;
  for (const TableEntry& e : doc.table_values.Entries()) {
    if (e.line != k || e.row < 1) continue;
    doc.table.SetCell(e.col, e.row, FormatLineValue(doc, e.value, k));
    doc.table_widths.Forget(e.col);
    if (earliest_col < 0) earliest_col = e.col;
  }
  if (earliest_col >= 0) AlignTableColumn(doc, earliest_col);
}

void MoreDecimals(Document& doc) {
  const int width = doc.settings.value_width;
  ChangeDecimals(doc, [width](int d, bool whole, Real v) {
    if (d != kAutoDecimals) return std::min(d + 1, MostDecimalsThatFit(width));
    if (whole) return 1;
    return std::min(CountShownDecimals(v, width) + 1, MostDecimalsThatFit(width));
  });
}

void FewerDecimals(Document& doc) {
  const int width = doc.settings.value_width;
  ChangeDecimals(doc, [width](int d, bool whole, Real v) {
    if (d >= 1) return d - 1;
    if (d == 0) return 0;
    if (whole) return 0;
    return CountShownDecimals(v, width) - 1;
  });
}

void DecimalsDialogCommand(Document& doc, Ui& ui) {
  DecimalsDialog dialog;
  dialog.caption = doc.texts[TextId::kDecimalsCaption];
  dialog.yes = doc.texts[TextId::kYes];
  dialog.no = doc.texts[TextId::kNo];
  dialog.check_caption = doc.texts[TextId::kAutoDecimals];
  dialog.field = doc.settings.decimals_text;
  dialog.value_width = doc.settings.value_width;
  const std::string& f = dialog.field;
  int spin = 0;
  std::from_chars(f.data(), f.data() + f.size(), spin);
  dialog.spin = spin;
  dialog.auto_checked = doc.settings.decimals_auto_checked;
  const bool confirmed = ui.RunDecimalsDialog(dialog);
  doc.settings.decimals_auto_checked = dialog.auto_checked;
  if (!confirmed) return;
  doc.settings.default_decimals = dialog.auto_checked ? kAutoDecimals : dialog.spin;
  doc.settings.decimals_text = dialog.field;
  if (CurrentInValueColumn(doc)) {
    const GridRect& sel = doc.sheet.Selection();
    const int last = std::min(sel.bottom, doc.sheet.RowCount() - 1);
    for (int k = std::max(sel.top, 1); k <= last; ++k) {
      doc.records.SetDecimals(k, doc.settings.default_decimals);
    }
  }
  RedisplayAll(doc);
}

}  // namespace ravnelok
