#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "document/document.h"
#include "numbers/real.h"

namespace ravnelok {

// One replacement made by the substitution: a name's value, a sum or pi.
struct SubstitutedWord {
  enum Kind : uint8_t { kName, kSum, kPi };
  Kind kind = kName;
  int record = 0;    // the record whose value it is (kSum: the first end's)
  int record_b = 0;  // kSum: the second end's record
  int replaced = 0;  // characters it took
  int with = 0;      // characters it put
  int beyond = 0;    // characters the length check counted beyond the replacement
  // A compiled line's word: the value it stood for at the program's last run (kName, kSum),
  // compared by its bits; kept here, beside what the run reads anyway.
  Real last_given = 0;
};

// One step of a compiled expression on a stack of values (see expression/evalue.h).
struct ProgramStep {
  enum Op : uint8_t {
    kNumber,
    kInput,
    kAdd,
    kSubtract,
    kMultiply,
    kDivide,
    kPower,
    kNegate,
    kCall
  };
  // Where a binary step finds its right operand: on the stack, or in the push it took in.
  enum Operand : uint8_t { kFromStack, kFromInput, kFromNumber };
  Op op = kNumber;
  Operand operand = kFromStack;
  uint8_t arg = 0;  // kInput and kFromInput: which input; kCall: which function
  Real number = 0;  // kNumber and kFromNumber
};

// A line whose text and names stay as they are is computed from its inputs' values by a
// program made from its text, skipping substitution and reading. Made on the second evaluation
// of the same text, so that a single pass does not pay for it.
struct LineProgram {
  enum State : uint8_t { kNone, kSeen, kReady, kRefused };
  State state = kNone;
  // The expression cell it was made for, by its stamp (TextGrid::CellStamp), and the text's length.
  unsigned long long text_stamp = 0;
  int text_length = 0;
  unsigned long long names_generation = 0;
  // Whether the substituted text may come near its longest, so that its length is checked.
  bool check_length = false;
  std::vector<SubstitutedWord> words;
  std::vector<ProgramStep> steps;
  // Whether the last run (its values in `words`) ended well, its angle unit and what it gave.
  // The values are compared by their bits, which needs no floating-point work; a value equal
  // in another form only means a run.
  bool last_valid = false;
  bool last_degrees = true;
  Real last_value = 0;
};

// Line k's caches. The expression evaluation is kept by its substituted text (with the angle
// unit), the sum by its total, the value cell by the cell's stamp and the value it was written
// for, the program by its expression cell's stamp and the names generation.
struct LineEvalCache {
  bool valid = false;
  bool angle_in_degrees = true;
  std::string substituted;
  bool emptied = false;
  Real value = 0;
  int error_position = -1;
  bool failed = false;
  // The last sum written into this line's text, and the value the value cell was last made
  // for, which it shows while its stamp stays.
  bool sum_valid = false;
  Real sum_total = 0;
  std::string sum_text;
  bool cell_valid = false;
  Real cell_value = 0;
  int cell_decimals = 0;
  int cell_width = 0;
  unsigned long long cell_stamp = 0;  // the value cell's stamp once written
  LineProgram program;
};

// For the fast ways, how record r's value reads back as its text, without its sign, when it is
// not a computed value (a start value; a computed value is its own reading): kept by the bits of
// the value it was made for (none yet: NaN, which no record holds, as evaluation and reading give
// finite values only).
struct RecordReading {
  Real read_for = std::numeric_limits<Real>::quiet_NaN();
  Real read = 0;
};

// Record r's value as substituted into expressions, kept by the bits of the value.
struct RecordText {
  bool made = false;
  Real made_for = 0;
  std::string text;
};

// What evaluation keeps from one pass to the next. Each entry carries its own key (above), so
// no edit of the sheet has to forget anything; only other UI texts (other condition and
// remainder words) empty them all.
// A line's or record's entry is made when it is first asked for, so that a new document pays
// only for the lines it computes and the records they read; room for all 999 is kept from the
// start, so that making one never moves the others (a pass holds on to its line's entry while it
// reads other records', and a substitution on to one record's text while it makes the next).
// The read-backs, needed for start values only, are all made at the first.
struct EvalCaches {
  EvalCaches();
  // Line k's entry, k in 1..999.
  LineEvalCache& Line(int k) {
    const auto at = static_cast<std::size_t>(k);
    if (at >= lines_made_) [[unlikely]]
      MakeLines(at);
    return lines_[at];
  }
  // Record r's entries, r in 1..999.
  RecordReading& Reading(int r) {
    if (readings_.empty()) [[unlikely]]
      MakeReadings();
    return readings_[static_cast<std::size_t>(r)];
  }
  RecordText& Text(int r) {
    const auto at = static_cast<std::size_t>(r);
    if (at >= texts_made_) [[unlikely]]
      MakeTexts(at);
    return texts_[at];
  }
  // Forgets every entry.
  void Clear();

  unsigned long long texts_generation = 0;
  // The stamps of the name cells and the names generation when the name cells last matched
  // the records, so that later passes need not compare the names themselves.
  std::vector<unsigned long long> name_cell_stamps;
  unsigned long long name_cells_generation = 0;

 private:
  // Make the entries of lines, or of records' texts, up to `last`, and all read-backs.
  void MakeLines(std::size_t last);
  void MakeTexts(std::size_t last);
  void MakeReadings();
  // Entry 0 of each is unused.
  std::vector<LineEvalCache> lines_;
  std::size_t lines_made_ = 0;  // lines_.size(), kept apart so that the check above is cheap
  std::vector<RecordReading> readings_;
  std::vector<RecordText> texts_;
  std::size_t texts_made_ = 0;  // texts_.size(), as lines_made_
};

// The document's caches: made on first use, emptied when its UI texts changed.
EvalCaches& RenewCaches(Document& doc);
inline EvalCaches& Caches(Document& doc) {
  EvalCaches* caches = doc.eval_caches.get();
  if (caches != nullptr && caches->texts_generation == doc.texts.Generation()) return *caches;
  return RenewCaches(doc);
}

// The bytes that hold a value; the rest of its storage is padding of no fixed content.
inline constexpr std::size_t kRealBytes =
    std::numeric_limits<Real>::digits == 64 ? 10 : sizeof(Real);
// Whether two values are stored in the same bits (padding left out): a kept text or reading
// belongs to exactly one value, -0 and 0 apart.
// (Inline: it runs for every input of every compiled line in every pass.)
inline bool SameBits(const Real& a, const Real& b) {
  if constexpr (kRealBytes == 10) {
    uint64_t a_low = 0;
    uint64_t b_low = 0;
    uint16_t a_high = 0;
    uint16_t b_high = 0;
    std::memcpy(&a_low, &a, 8);
    std::memcpy(&b_low, &b, 8);
    std::memcpy(&a_high, reinterpret_cast<const char*>(&a) + 8, 2);
    std::memcpy(&b_high, reinterpret_cast<const char*>(&b) + 8, 2);
    return a_low == b_low && a_high == b_high;
  }
  return std::memcmp(&a, &b, kRealBytes) == 0;
}

// Copies a value's bits, as SameBits compares them: integer moves, not a load and a store
// through the floating-point unit, which cost a compiled line's run several cycles an input.
inline void CopyBits(Real& to, const Real& from) {
  std::memcpy(&to, &from, kRealBytes);
}

}  // namespace ravnelok
