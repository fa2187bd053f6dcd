#include "document/line_records.h"

#include <algorithm>

namespace ravnelok {

LineRecords::LineRecords(int default_decimals) {
  Rebuild(default_decimals);
}

namespace {

// The 999 records as a new sheet has them, made once: every document and every rebuild copies
// them rather than writing 999 labels anew.
const std::vector<linie_type>& InitialRecords() {
  static const std::vector<linie_type> records = [] {
    std::vector<linie_type> out(kMaxLines);
    for (int i = 0; i < kMaxLines; ++i) {
      out[i].label = LabelOf(i + 1);
      out[i].line = i + 1;
    }
    return out;
  }();
  return records;
}

}  // namespace

void LineRecords::Rebuild(int default_decimals) {
  records_ = InitialRecords();
  if (default_decimals != kAutoDecimals) ResetDecimals(default_decimals);
  by_name_.clear();
  by_name_.reserve(kMaxLines);  // every line may get a name: no rehashing on the way
  any_start_pending_ = false;
  ++names_generation_;
}

void LineRecords::ResetRecord(int index) {
  SetName(index, std::string());
  linie_type& r = records_[index];
  r.has_value = false;
  r.start_pending = false;
  r.computed = false;
  r.value = 0;
  r.line = index + 1;
}

void LineRecords::ResetDecimals(int default_decimals) {
  for (auto& r : records_) r.decimals = default_decimals;
}

void LineRecords::StoreValue(int k, Real value) {
  linie_type& r = records_[Index(k)];
  r.value = value;
  r.has_value = true;
  r.computed = false;
}

void LineRecords::SetName(int index, const std::string& name) {
  linie_type& r = records_[index];
  if (r.name == name) return;
  ++names_generation_;
  if (!r.name.empty()) {
    auto it = by_name_.find(r.name);
    if (it != by_name_.end()) {
      auto& v = it->second;
      v.erase(std::remove(v.begin(), v.end(), index), v.end());
      MarkAlone(v);
      if (v.empty()) by_name_.erase(it);
    }
  }
  r.name = name;
  r.name_alone = false;
  if (!name.empty()) {
    auto& v = by_name_[name];
    v.insert(std::upper_bound(v.begin(), v.end(), index), index);
    MarkAlone(v);
  }
}

void LineRecords::MarkAlone(const std::vector<int>& same_name) {
  for (const int i : same_name) records_[i].name_alone = same_name.size() == 1;
}

void LineRecords::SetNameNoValue(int k, const std::string& name) {
  SetName(Index(k), name);
  records_[Index(k)].has_value = false;
}

void LineRecords::SetLineName(const std::string& name, int k) {
  SetName(Index(k), name);
  records_[Index(k)].line = Index(k) + 1;
}

void LineRecords::StoreByNameAndLabel(const std::string& name, const std::string& label, Real value,
                                      int line) {
  auto store = [&](int index) {
    linie_type& r = records_[index];
    r.value = value;
    r.line = line;
    r.has_value = true;
    r.computed = true;
  };
  // A line's own record usually is the one record with its name: then no look-up is needed.
  const linie_type& own = records_[Index(line)];
  bool own_stored = false;
  if (!name.empty() && own.name_alone && own.name == name) {
    store(Index(line));
    own_stored = true;
  } else if (!name.empty()) {
    auto it = by_name_.find(name);
    if (it != by_name_.end()) {
      for (int index : it->second) store(index);
    }
  }
  const int by_label = LabelRecord(label);
  if (by_label > 0 && !(own_stored && by_label - 1 == Index(line))) store(by_label - 1);
}

int LineRecords::LabelRecord(std::string_view word) {
  // Labels are "A" followed by 1..999 without leading zeros.
  if (word.size() < 2 || word.size() > 4 || word[0] != 'A' || word[1] == '0') return 0;
  int k = 0;
  for (size_t i = 1; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') return 0;
    k = k * 10 + (word[i] - '0');
  }
  return k;
}

LookupResult LineRecords::Lookup(std::string_view word) const {
  LookupResult result;
  int best = -1;
  if (!word.empty()) {
    auto it = by_name_.find(word);
    if (it != by_name_.end() && !it->second.empty()) best = it->second.back();
  }
  const int by_label = LabelRecord(word);
  if (by_label > 0) best = std::max(best, by_label - 1);
  if (best < 0) return result;
  const linie_type& r = records_[best];
  result.found = true;
  result.line = r.line;
  result.record = best + 1;
  result.has_value = r.has_value;
  if (r.has_value) result.value = r.value;
  return result;
}

void LineRecords::ClearAllStartPending() {
  if (!any_start_pending_) return;
  for (auto& r : records_) r.start_pending = false;
  any_start_pending_ = false;
}

void LineRecords::ClearAllNames() {
  if (by_name_.empty()) return;
  for (auto& r : records_) {
    r.name.clear();
    r.name_alone = false;
  }
  by_name_.clear();
  ++names_generation_;
}

bool LineRecords::NameUsedAbove(const std::string& name, int k) const {
  if (name.empty()) return false;
  auto it = by_name_.find(name);
  if (it == by_name_.end() || it->second.empty()) return false;
  return it->second.front() < k - 1;
}

void LineRecords::MoveRecord(int k, int d) {
  const int from = Index(k);
  const int to = Index(d);
  if (from == to) return;
  const std::string name = records_[from].name;
  SetName(to, name);
  // The fields travel as a state, so that a field added to it moves too; line and decimals stay.
  RecordState moved = State(k);
  moved.line = to + 1;
  moved.decimals = records_[to].decimals;
  RestoreState(d, moved);
  ResetRecord(from);
}

bool RecordState::Same(const RecordState& o) const {
  return value == o.value && SignBit(value) == SignBit(o.value) && line == o.line &&
         decimals == o.decimals && has_value == o.has_value && start_pending == o.start_pending &&
         computed == o.computed;
}

RecordState LineRecords::State(int k) const {
  const linie_type& r = records_[Index(k)];
  return {r.value, r.line, r.decimals, r.has_value, r.start_pending, r.computed};
}

void LineRecords::RestoreState(int k, const RecordState& from) {
  linie_type& r = records_[Index(k)];
  r.has_value = from.has_value;
  r.start_pending = from.start_pending;
  any_start_pending_ |= from.start_pending;
  r.computed = from.computed;
  r.value = from.value;
  r.line = from.line;
  r.decimals = from.decimals;
}

}  // namespace ravnelok
