#include "document/sheet_change.h"

#include <algorithm>
#include <cmath>

#include "document/document.h"

namespace ravnelok {

namespace {

SheetSettingsState Capture(const Document& doc) {
  SheetSettingsState s;
  const Settings& set = doc.settings;
  s.default_decimals = set.default_decimals;
  s.value_width = set.value_width;
  s.decimals_text = set.decimals_text;
  s.angle_in_degrees = set.angle_in_degrees;
  s.angle_choice = set.angle_choice;
  s.table_columns = set.table_columns;
  s.table_rows = set.table_rows;
  s.table_widths = doc.table_widths;
  s.view_mode = set.view_mode;
  s.graph_shown = set.graph_shown;
  s.graph_kind = set.graph_kind;
  s.sheet_col = doc.sheet.CurrentCol();
  s.sheet_row = doc.sheet.CurrentRow();
  s.sheet_selection = doc.sheet.Selection();
  s.table_top_row = doc.table.top_row;
  return s;
}

void Restore(Document& doc, const SheetSettingsState& s) {
  Settings& set = doc.settings;
  set.default_decimals = s.default_decimals;
  set.value_width = s.value_width;
  set.decimals_text = s.decimals_text;
  set.angle_in_degrees = s.angle_in_degrees;
  set.angle_choice = s.angle_choice;
  set.table_columns = s.table_columns;
  set.table_rows = s.table_rows;
  doc.table_widths = s.table_widths;
  set.view_mode = s.view_mode;
  set.graph_shown = s.graph_shown;
  set.graph_kind = s.graph_kind;
  const int last = doc.LineCount();
  doc.sheet.SetCurrent(s.sheet_col, std::clamp(s.sheet_row, 1, last));
  const GridRect& r = s.sheet_selection;
  doc.sheet.Select({r.left, std::clamp(r.top, 1, last), r.right, std::clamp(r.bottom, 1, last)});
  doc.table.top_row = s.table_top_row;
}

// The fields a command may change, compared exactly (the value by its bits, so that -0 and 0
// differ as they print differently).
bool SameRecord(const linie_type& a, const linie_type& b) {
  return a.name == b.name && a.has_value == b.has_value && a.start_pending == b.start_pending &&
         a.computed == b.computed && a.line == b.line && a.decimals == b.decimals &&
         a.value == b.value && std::signbit(a.value) == std::signbit(b.value);
}

}  // namespace

bool SheetSettingsState::SameSheetState(const SheetSettingsState& o) const {
  return default_decimals == o.default_decimals && value_width == o.value_width &&
         decimals_text == o.decimals_text && angle_in_degrees == o.angle_in_degrees &&
         angle_choice == o.angle_choice && table_columns == o.table_columns &&
         table_rows == o.table_rows && table_widths == o.table_widths;
}

// No cache needs telling: each is kept by the stamps of the cells it was made from, which the
// replay moves on, or by the bits of the values and the names generation.
void SheetChange::Apply(Document& doc, bool undo) {
  doc.sheet.Replay(sheet_, undo);
  doc.table.Replay(table_, undo);
  doc.table_values.Replay(values_, undo);
  for (const RecordChange& r : records_) doc.records.Restore(r.k, undo ? r.before : r.after);
  Restore(doc, undo ? before_ : after_);
}

ChangeRecorder::ChangeRecorder(Document& doc) : doc_(doc) {
  if (doc.sheet.Journal() != nullptr) return;
  active_ = true;
  change_ = std::make_unique<SheetChange>();
  doc.sheet.SetJournal(&change_->sheet_);
  doc.table.SetJournal(&change_->table_);
  doc.table_values.SetJournal(&change_->values_);
  records_before_.reserve(kMaxLines);
  for (int k = 1; k <= kMaxLines; ++k) records_before_.push_back(doc.records[k]);
  change_->before_ = Capture(doc);
}

ChangeRecorder::~ChangeRecorder() {
  Detach();
}

void ChangeRecorder::Detach() {
  if (!active_) return;
  active_ = false;
  doc_.sheet.SetJournal(nullptr);
  doc_.table.SetJournal(nullptr);
  doc_.table_values.SetJournal(nullptr);
}

std::optional<SheetChange> ChangeRecorder::Finish() {
  if (!active_) return std::nullopt;
  Detach();
  SheetChange& c = *change_;
  for (int k = 1; k <= kMaxLines; ++k) {
    const linie_type& before = records_before_[static_cast<size_t>(k - 1)];
    if (!SameRecord(before, doc_.records[k])) c.records_.push_back({k, before, doc_.records[k]});
  }
  c.after_ = Capture(doc_);
  if (!doc_.sheet.ChangedBy(c.sheet_) && !doc_.table.ChangedBy(c.table_) && c.values_.Empty() &&
      c.records_.empty() && c.before_.SameSheetState(c.after_)) {
    return std::nullopt;
  }
  return std::move(c);
}

}  // namespace ravnelok
