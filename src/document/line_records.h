#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "numbers/format_value.h"
#include "numbers/real.h"

namespace ravnelok {

constexpr int kMaxLines = 999;

// The label of line k: "A" followed by k.
inline std::string LabelOf(int k) {
  std::string label(1, 'A');
  label += std::to_string(k);
  return label;
}

// A text line is shown but never evaluated: its expression starts, after leading blanks, with
// "!" or a double quote.
inline bool IsTextLine(std::string_view expression) {
  const size_t first = expression.find_first_not_of(' ');
  return first != std::string_view::npos && (expression[first] == '!' || expression[first] == '"');
}
// The same rule for a text as typed or pasted, read from its very first character.
inline bool StartsAsTextLine(std::string_view text) {
  return !text.empty() && (text[0] == '!' || text[0] == '"');
}

// One record per possible sheet line, always 999 of them.
struct linie_type {
  std::string name;
  std::string label;
  bool has_value = false;
  bool start_pending = false;
  bool name_alone = false;  // no other record has its name (kept by LineRecords)
  // The value is a line's computed value, which every way of computing rounds to 13 significant
  // digits; a start value is stored as typed.
  bool computed = false;
  Real value = 0;
  int32_t line = 0;
  int32_t decimals = kAutoDecimals;
};

// What a command may change of a record besides its name: kept for each changed record of an
// undo step, so much smaller than the record itself.
struct RecordState {
  Real value = 0;
  int32_t line = 0;
  int32_t decimals = kAutoDecimals;
  bool has_value = false;
  bool start_pending = false;
  bool computed = false;

  // Exact: equal values of the same sign, so that -0 and 0 differ as they print differently.
  bool Same(const RecordState& o) const;
};

struct LookupResult {
  bool found = false;
  bool has_value = false;
  int line = 0;
  Real value = 0;
  int record = 0;  // the matching record (1..999), 0 when not found
};

// The line records with an index by name, so that a look-up does not walk all 999 records.
class LineRecords {
 public:
  explicit LineRecords(int default_decimals = kAutoDecimals);

  // Discards every record and creates all 999 anew.
  void Rebuild(int default_decimals);

  // k from 1 to 999; anything else is clamped into that range.
  const linie_type& operator[](int k) const { return records_[Index(k)]; }

  int Decimals(int k) const { return records_[Index(k)].decimals; }
  void SetDecimals(int k, int decimals) { records_[Index(k)].decimals = decimals; }
  void ResetDecimals(int default_decimals);

  // The value and whether the record has one.
  bool Value(int k, Real& value) const {
    const linie_type& r = records_[Index(k)];
    if (r.has_value) value = r.value;
    return r.has_value;
  }
  bool HasValue(int k) const { return records_[Index(k)].has_value; }
  void StoreValue(int k, Real value);
  void ClearHasValue(int k) { records_[Index(k)].has_value = false; }

  // Record k gets `name` and loses its value (a line without a value).
  void SetNameNoValue(int k, const std::string& name);
  // Record k gets `name`, and its `line` becomes k (name validation).
  void SetLineName(const std::string& name, int k);
  // Every record whose name equals `name` (when not empty) or whose label equals `label`
  // receives line `line`'s computed value, gets `line` = `line`, `has_value` and `computed`.
  void StoreByNameAndLabel(const std::string& name, const std::string& label, Real value, int line);

  // Exact, case-sensitive match of a name or a label; the last matching record wins.
  LookupResult Lookup(std::string_view word) const;

  bool StartPending(int k) const { return records_[Index(k)].start_pending; }
  void SetStartPending(int k, bool pending) {
    records_[Index(k)].start_pending = pending;
    any_start_pending_ |= pending;
  }
  void ClearAllStartPending();
  void ClearAllNames();
  // Changes whenever a record's name does, so that what was looked up by name can be kept.
  unsigned long long NamesGeneration() const { return names_generation_; }
  // Whether every name was accepted by the name check since the names last changed.
  bool NamesChecked() const { return checked_generation_ == names_generation_; }
  void SetNamesChecked(bool checked) {
    checked_generation_ = checked ? names_generation_ : names_generation_ - 1;
  }

  // Whether any of the records 1..k-1 carries `name`.
  bool NameUsedAbove(const std::string& name, int k) const;

  // Record d takes name, flags and value of record k (and line d); record k is reset.
  void MoveRecord(int k, int d);
  RecordState State(int k) const;
  // Record k takes flags, value, line and decimals of `from` (taken earlier by State).
  void RestoreState(int k, const RecordState& from);
  void RestoreName(int k, const std::string& name) { SetName(Index(k), name); }
  // Record k back to its start: no name, no flags, value 0, line k; its decimals stay.
  void Reset(int k) { ResetRecord(Index(k)); }

 private:
  static int Index(int k) { return k < 1 ? 0 : (k > kMaxLines ? kMaxLines - 1 : k - 1); }
  // The record whose label is `word`, or 0.
  static int LabelRecord(std::string_view word);
  void SetName(int index, const std::string& name);
  void MarkAlone(const std::vector<int>& same_name);
  void ResetRecord(int index);

  std::vector<linie_type> records_;
  // Every pass clears the start flags; most passes have none to clear.
  bool any_start_pending_ = false;
  unsigned long long names_generation_ = 0;
  unsigned long long checked_generation_ = ~0ull;
  struct Hash {
    using is_transparent = void;
    // FNV-1a: names are a few characters, where it beats the library's hash.
    size_t operator()(std::string_view s) const {
      uint64_t h = 14695981039346656037ULL;
      for (const char c : s) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
      return static_cast<size_t>(h);
    }
  };
  // Name -> indices (0-based) of the records that carry it.
  std::unordered_map<std::string, std::vector<int>, Hash, std::equal_to<>> by_name_;
};

}  // namespace ravnelok
