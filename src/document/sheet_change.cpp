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
  for (NameChange& n : names_) {
    std::string now = doc.records[n.k].name;
    doc.records.RestoreName(n.k, n.other);
    n.other = std::move(now);
  }
  for (size_t i = 0; i < record_lines_.size(); ++i) {
    const RecordState now = doc.records.State(record_lines_[i]);
    doc.records.RestoreState(record_lines_[i], record_states_[i]);
    record_states_[i] = now;
  }
  Restore(doc, undo ? before_ : after_);
}

ChangeRecorder::ChangeRecorder(Document& doc) : doc_(doc) {
  if (doc.sheet.Journal() != nullptr) return;
  active_ = true;
  change_ = std::make_unique<SheetChange>();
  doc.sheet.SetJournal(&change_->sheet_);
  doc.table.SetJournal(&change_->table_);
  doc.table_values.SetJournal(&change_->values_);
  states_before_.reserve(kMaxLines);
  names_before_.reserve(kMaxLines);
  for (int k = 1; k <= kMaxLines; ++k) {
    states_before_.push_back(doc.records.State(k));
    names_before_.push_back(doc.records[k].name);
  }
  names_generation_ = doc.records.NamesGeneration();
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
  // The changed records' states are gathered at the front of the old ones, then copied once.
  size_t changed = 0;
  for (int k = 1; k <= kMaxLines; ++k) {
    const RecordState& before = states_before_[static_cast<size_t>(k - 1)];
    if (doc_.records.State(k).Same(before)) continue;
    states_before_[changed++] = before;
    c.record_lines_.push_back(k);
  }
  c.record_states_.assign(states_before_.begin(),
                          states_before_.begin() + static_cast<std::ptrdiff_t>(changed));
  if (doc_.records.NamesGeneration() != names_generation_) {
    for (int k = 1; k <= kMaxLines; ++k) {
      const std::string& name = doc_.records[k].name;
      if (name != names_before_[k - 1]) c.names_.push_back({k, names_before_[k - 1]});
    }
  }
  c.after_ = Capture(doc_);
  if (!doc_.sheet.ChangedBy(c.sheet_) && !doc_.table.ChangedBy(c.table_) && c.values_.Empty() &&
      c.record_lines_.empty() && c.names_.empty() && c.before_.SameSheetState(c.after_)) {
    return std::nullopt;
  }
  return std::move(c);
}

}  // namespace ravnelok
