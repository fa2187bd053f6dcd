#include "expression/line_program.h"

#include <cmath>
#include <limits>
#include <utility>

#include "document/document.h"
#include "expression/evalue.h"
#include "expression/reading_steps.h"
#include "expression/substitution.h"
#include "numbers/number_text.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

// "(-1.234567890123E-4567)": sign, 13 digits, point, exponent and brackets.
constexpr int kLongestNumberText = 23;

// How the substituted text of `v` reads back, without its sign. The text holds |v| rounded to
// 13 significant digits and reading rounds that correctly, which is what RoundTripNumber
// gives; near the ends of the range the reading could differ, and false sends the line to the
// full evaluation.
bool ReadBackMagnitude(Real v, Real& magnitude) {
  Real a = std::fabs(v);
  if (!ReadsBackExactly(v) || !RoundComputedValue(a)) return false;
  magnitude = a;
  return true;
}

// Line k's text substituted with each value and sum as a marked input (pi keeps its digits),
// as the reading steps leave every text, and the words put in. False when the text does not
// substitute, or a reading step could change what it reads (ReadingStepsLeaveAlone).
bool MarkedText(Document& doc, const std::string& text, int k, std::string& marked,
                std::vector<SubstitutedWord>& words) {
  // A mark in the text itself would be read as one more input than the words give.
  if (text.find(kInputMark) != std::string::npos) return false;
  marked.assign(text);
  words.clear();
  const SubstitutionFlags flags = SubstituteNames(doc, marked, k, &words);
  // A mark never makes "()", nor does a value's text; the full text is no longer than this.
  const size_t longest = marked.size() + words.size() * kLongestNumberText;
  if (flags.undefined || flags.too_long || marked.find("()") != std::string::npos ||
      longest > kMaxEvaluatedLength || !ReadingStepsLeaveAlone(doc, marked)) {
    return false;
  }
  return true;
}

// The length check of the substitution (FitsSubstitutedLength), with the texts it makes.
bool FitsExactly(Document& doc, const LineProgram& program) {
  int length = program.text_length;
  for (const SubstitutedWord& word : program.words) {
    const int with = word.kind == SubstitutedWord::kName
                         ? static_cast<int>(ValueText(doc, word.record).size())
                         : word.with;
    length += with - word.replaced;
    if (!FitsSubstitutedLength(length, word.beyond)) return false;
  }
  return true;
}

// Record r's value as an input, read as its text reads back. A computed value is already
// rounded to 13 digits, and rounding it again changes nothing (RoundComputedValue): the record's
// value is its own reading. Other values (start values) are rounded once and kept for the value.
bool NameInput(EvalCaches& caches, const linie_type& record, int r, ProgramInput& input) {
  if (record.computed) {
    // Never -0, which rounding makes the 0 its text reads back as: the sign bit says "negative".
    input = ProgramInput{&record.value, SignBit(record.value)};
    return ReadsBackExactly(record.value);
  }
  const bool negative = record.value < 0;
  RecordReading& reading = caches.Reading(r);
  if (!SameBits(reading.read_for, record.value)) {
    if (!ReadBackMagnitude(record.value, reading.read)) return false;
    reading.read_for = record.value;
  }
  input = ProgramInput{&reading.read, negative};
  return true;
}

// The total of a sum word, added as the substitution adds it (RangeTotal).
bool SumTotal(const Document& doc, const SubstitutedWord& word, Real& total) {
  return RangeTotal(doc, doc.records[word.record].line, doc.records[word.record_b].line, total);
}

bool SameValue(Real a, Real b) {
  return a == b && std::signbit(a) == std::signbit(b);
}

void Make(Document& doc, LineProgram& program, const std::string& text, int k, Real value) {
  program.state = LineProgram::kRefused;
  std::string marked;
  std::vector<SubstitutedWord> words;
  if (!MarkedText(doc, text, k, marked, words)) return;
  // The program makes the texts of its inputs only when the longest texts could fail the
  // length check; a sum then refuses it.
  program.check_length = false;
  int length = static_cast<int>(text.size());
  for (const SubstitutedWord& word : words) {
    length += (word.kind == SubstitutedWord::kPi ? word.with : kLongestNumberText) - word.replaced;
    program.check_length |= !FitsSubstitutedLength(length, word.beyond);
  }
  if (program.check_length) {
    for (const SubstitutedWord& word : words) {
      if (word.kind == SubstitutedWord::kSum) return;
    }
  }
  if (!CompileExpression(marked, program.steps)) return;
  program.words = std::move(words);
  program.text_length = static_cast<int>(text.size());
  program.last_valid = false;
  program.state = LineProgram::kReady;
  // The program must give what the full evaluation gave, or it is not used.
  Real check = 0;
  if (!RunLineProgram(doc, Caches(doc), k, check) || !SameValue(check, value)) {
    program.state = LineProgram::kRefused;
  }
}

}  // namespace

bool RunLineProgram(Document& doc, EvalCaches& caches, int k, Real& value) {
  if (k < 1 || k > kMaxLines) return false;
  LineProgram& program = caches.Line(k).program;
  if (program.state != LineProgram::kReady ||
      program.names_generation != doc.records.NamesGeneration() ||
      program.text_stamp != doc.sheet.CellStamp(Document::kExpression, k)) {
    return false;
  }
  // The values the words stand for: each name's value, each sum's total. The same values give
  // the same value (a program draws no random numbers, and its inputs and its length check follow
  // from the values alone), so they are compared with the last run's as they are gathered; at
  // the first difference the gathering goes on below, with the inputs.
  Real totals[kMaxSubstitutedLength];
  const bool degrees = doc.settings.angle_in_degrees;
  bool same = program.last_valid && program.last_degrees == degrees;
  int gathered = 0;
  for (const SubstitutedWord& word : program.words) {
    if (!same) break;
    if (word.kind == SubstitutedWord::kName) {
      const linie_type& record = doc.records[word.record];
      if (!record.has_value || record.line > k) return false;
      same = SameBits(word.last_given, record.value);
    } else if (word.kind == SubstitutedWord::kSum) {
      if (!SumTotal(doc, word, totals[gathered])) return false;
      same = SameBits(word.last_given, totals[gathered]);
    } else {
      continue;
    }
    ++gathered;
  }
  if (same) {
    value = program.last_value;
    return true;
  }
  program.last_valid = false;  // until the run below ends well
  ProgramInput inputs[kMaxSubstitutedLength];
  Real sums[kMaxSubstitutedLength];  // the magnitudes of the sums' totals
  // Where the length matters, first with the longest texts the signs allow.
  int length = program.text_length;
  bool fits = true;
  int n = 0;
  for (SubstitutedWord& word : program.words) {
    if (word.kind == SubstitutedWord::kName) {
      const linie_type& record = doc.records[word.record];
      if (!record.has_value || record.line > k ||
          !NameInput(caches, record, word.record, inputs[n])) {
        return false;
      }
      CopyBits(word.last_given, record.value);
      if (program.check_length) {
        length +=
            (inputs[n].negative ? kLongestNumberText : kLongestNumberText - 1) - word.replaced;
        fits &= FitsSubstitutedLength(length, word.beyond);
      }
      ++n;
    } else if (word.kind == SubstitutedWord::kPi) {
      length += word.with - word.replaced;
      fits &= FitsSubstitutedLength(length, word.beyond);
    } else {
      if (n >= gathered && !SumTotal(doc, word, totals[n])) return false;
      if (!ReadBackMagnitude(totals[n], sums[n])) return false;
      CopyBits(word.last_given, totals[n]);
      inputs[n] = ProgramInput{&sums[n], totals[n] < 0};
      ++n;
    }
  }
  if (!fits && !FitsExactly(doc, program)) return false;
  const EvalContext context{degrees, &doc.rng};
  if (!RunProgram(program.steps, inputs, context, value)) return false;
  program.last_value = value;
  program.last_degrees = degrees;
  program.last_valid = true;
  return true;
}

bool EvaluateFirstSight(Document& doc, const std::string& text, int k, Real& value) {
  if (k < 1 || k > kMaxLines) return false;
  EvalCaches& caches = Caches(doc);
  const LineProgram& program = caches.Line(k).program;
  if (program.state != LineProgram::kNone &&
      program.text_stamp == doc.sheet.CellStamp(Document::kExpression, k) &&
      program.names_generation == doc.records.NamesGeneration()) {
    return false;  // seen before: the full evaluation goes next, and a program is checked on it
  }
  // Kept from line to line, with their room.
  thread_local std::string marked;
  thread_local std::vector<SubstitutedWord> words;
  if (!MarkedText(doc, text, k, marked, words)) return false;
  ProgramInput inputs[kMaxSubstitutedLength];
  Real sums[kMaxSubstitutedLength];
  int n = 0;
  for (const SubstitutedWord& word : words) {
    if (word.kind == SubstitutedWord::kName) {
      if (!NameInput(caches, doc.records[word.record], word.record, inputs[n++])) return false;
    } else if (word.kind == SubstitutedWord::kSum) {
      Real total = 0;
      if (!SumTotal(doc, word, total) || !ReadBackMagnitude(total, sums[n])) return false;
      inputs[n] = ProgramInput{&sums[n], total < 0};
      ++n;
    }
  }
  const EvalContext context{doc.settings.angle_in_degrees, &doc.rng};
  return EvaluateMarked(marked, inputs, n, context, value);
}

void LearnLineProgram(Document& doc, const std::string& text, int k, Real value) {
  if (k < 1 || k > kMaxLines) return;
  LineProgram& program = Caches(doc).Line(k).program;
  const unsigned long long generation = doc.records.NamesGeneration();
  const unsigned long long stamp = doc.sheet.CellStamp(Document::kExpression, k);
  if (program.state == LineProgram::kNone || program.text_stamp != stamp ||
      program.names_generation != generation) {
    program.state = LineProgram::kSeen;
    program.text_stamp = stamp;
    program.names_generation = generation;
    return;
  }
  if (program.state == LineProgram::kSeen) {
    Make(doc, program, text, k, value);
  } else if (program.state == LineProgram::kReady) {
    // The program declined a text that the full evaluation computed: it is not to be trusted.
    program.state = LineProgram::kRefused;
  }
}

}  // namespace ravnelok
