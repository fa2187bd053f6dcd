#include "expression/substitution.h"

#include <cmath>
#include <cstddef>

#include "document/document.h"
#include "expression/evalue.h"
#include "expression/functions.h"
#include "expression/reading_steps.h"
#include "expression/self_check.h"
#include "numbers/number_text.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

bool IsTokenStart(char c) {
  return IsDanishLetter(c);
}
bool IsTokenChar(char c) {
  return IsDanishLetter(c) || IsDigit(c) || c == '_';
}

std::string Bracketed(const std::string& number) {
  return "(" + number + ")";
}

}  // namespace

// The substitution text of a name's or label's value: trailing zeros of the mantissa go.
const std::string& ValueText(Document& doc, int r) {
  const Real& value = doc.records[r].value;
  RecordText& kept = Caches(doc).Text(r);
  if (!kept.made || !SameBits(kept.made_for, value)) {
    // Built in the record's own string, whose room is kept from one value to the next.
    std::string& text = kept.text;
    text.assign(1, '(');
    AppendNumberToExprText(text, value, kWidth13Digits);
    const size_t e = text.find('E');
    if (e != std::string::npos && text.find('.') != std::string::npos) {
      size_t z = e;
      while (z > 1 && text[z - 1] == '0') --z;
      text.erase(z, e - z);
    }
    text += ')';
    CopyBits(kept.made_for, value);
    kept.made = true;
  }
  return kept.text;
}

namespace {

// The text of a sum; a line that sums the same total as in the previous pass reuses it.
std::string SumText(Document& doc, int k, Real total) {
  if (k < 1 || k > kMaxLines) return Bracketed(NumberToExprText(total, kWidth13Digits));
  LineEvalCache& cache = Caches(doc).Line(k);
  if (!cache.sum_valid || cache.sum_total != total) {
    cache.sum_text = Bracketed(NumberToExprText(total, kWidth13Digits));
    cache.sum_total = total;
    cache.sum_valid = true;
  }
  return cache.sum_text;
}

const std::string& PiText() {
  static const std::string text =
      Bracketed(NumberToExprText(3.14159265358979323846264338327950288L, kWidth13Digits));
  return text;
}

// One token of the text being substituted, and what the scan does with it. Positions are
// 0-based: the token is text[start..end], `last` the text's last position when it was read.
class Substitution {
 public:
  Substitution(Document& doc, std::string& text, int k, std::vector<SubstitutedWord>* words,
               SubstitutionFailure* why)
      : doc_(doc), text_(text), k_(k), words_(words), why_(why) {}

  SubstitutionFlags Run();

 private:
  // A word that is not reserved: a name or a label, replaced by its value when it has one on
  // this line or above.
  bool Name();
  // pi: its value to 12 significant digits.
  void Pi();
  // sum(from:to): the total of the values of the lines in the range, the ends looked up as
  // names or labels.
  bool Sum();
  // A condition word: passed over.
  void ConditionWord() { p_ = end_ + 1; }
  // A function name: a bracket and at least one more character must follow it.
  bool Function() const { return end_ + 2 < text_.size() && text_[end_ + 1] == '('; }

  // Replaces start..to; the length check counts from the token's end, as for every word. When
  // the words are listed, a value or sum goes in as its mark, and the check counts its text.
  void Replace(size_t to, const std::string& with, SubstitutedWord word);

  Document& doc_;
  std::string& text_;
  const int k_;
  std::vector<SubstitutedWord>* words_;
  SubstitutionFailure* why_;
  SubstitutionFailure::Kind name_failure_ = SubstitutionFailure::kNone;
  // How much longer the text would be with the marked values and sums put in.
  std::ptrdiff_t shift_ = 0;
  SubstitutionFlags flags_;
  size_t p_ = 0;
  size_t start_ = 0;
  size_t end_ = 0;
  size_t last_ = 0;
};

SubstitutionFlags Substitution::Run() {
  if (text_.empty()) return flags_;
  const std::string& sum_word = doc_.texts[TextId::kSumName];
  while (true) {
    last_ = text_.size() - 1;
    while (p_ < last_ && !IsTokenStart(text_[p_])) ++p_;
    if (p_ == last_ && !IsTokenStart(text_[p_])) break;
    start_ = p_;
    while (p_ < last_ && IsTokenChar(text_[p_])) ++p_;
    end_ = (p_ == last_ && IsTokenChar(text_[last_])) ? last_ : p_ - 1;
    const size_t before = p_;
    const std::string_view word = std::string_view(text_).substr(start_, end_ - start_ + 1);
    std::string lower;
    uint8_t kinds = 0;
    if (doc_.words.MayHold(DanishLower(word[0]), word.size())) {
      lower = DanishLowerCase(word);
      kinds = doc_.words.Flags(lower);
    }
    // Each kind of word in turn; a failing one ends the scan.
    SubstitutionFailure::Kind failure = SubstitutionFailure::kNone;
    bool ok = (kinds & WordTable::kReserved) != 0 || Name();
    if (!ok) failure = name_failure_;
    if (ok && lower == "pi") Pi();
    if (ok && !sum_word.empty() && lower == sum_word && !(ok = Sum())) {
      failure = SubstitutionFailure::kRange;
    }
    if (ok && (kinds & WordTable::kCondition) != 0) ConditionWord();
    if (ok && (kinds & WordTable::kFunction) != 0 && !(ok = Function())) {
      failure = SubstitutionFailure::kNoArgument;
    }
    if (!ok) {
      flags_.undefined = true;
      if (why_ != nullptr) *why_ = {failure, std::string(word)};
    }
    // A one-letter reserved word at the very end that no step moved past would be read forever.
    if (p_ == before && start_ == end_ && end_ == last_) p_ = end_ + 1;
    if (!ok || flags_.too_long || p_ >= text_.size()) break;
  }
  return flags_;
}

void Substitution::Replace(size_t to, const std::string& with, SubstitutedWord word) {
  const std::ptrdiff_t length = static_cast<std::ptrdiff_t>(start_ + with.size() + (last_ - to));
  if (!FitsSubstitutedLength(length + shift_, static_cast<std::ptrdiff_t>(to - end_))) {
    flags_.too_long = true;
  }
  if (words_ != nullptr) {
    word.replaced = static_cast<int>(to - start_ + 1);
    word.with = static_cast<int>(with.size());
    word.beyond = static_cast<int>(to - end_);
    words_->push_back(word);
  }
  const bool marked = words_ != nullptr && word.kind != SubstitutedWord::kPi;
  const std::string_view put = marked ? std::string_view(kMarkedInput) : std::string_view(with);
  text_.replace(start_, to - start_ + 1, put);
  shift_ += static_cast<std::ptrdiff_t>(with.size()) - static_cast<std::ptrdiff_t>(put.size());
  p_ = start_ + put.size();
}

bool Substitution::Name() {
  const LookupResult found =
      doc_.records.Lookup(std::string_view(text_).substr(start_, end_ - start_ + 1));
  if (!found.found || !found.has_value || found.line > k_) {
    using F = SubstitutionFailure;
    name_failure_ = !found.found                             ? F::kUnknown
                    : found.line > k_                        ? F::kBelow
                    : found.line == k_ || found.record == k_ ? F::kOwnNoValue
                                                             : F::kNoValue;
    return false;
  }
  Replace(end_, ValueText(doc_, found.record), {SubstitutedWord::kName, found.record});
  return true;
}

void Substitution::Pi() {
  Replace(end_, PiText(), {SubstitutedWord::kPi});
}

bool Substitution::Sum() {
  const size_t open = end_ + 1;
  if (open >= text_.size() || text_[open] != '(') return false;
  const size_t colon = text_.find(':', open);
  const size_t close = text_.find(')', open);
  if (colon == std::string::npos || colon < open + 2 || close == std::string::npos ||
      close < colon + 2) {
    return false;
  }
  const std::string_view text(text_);
  const LookupResult a = doc_.records.Lookup(text.substr(open + 1, colon - open - 1));
  const LookupResult b = doc_.records.Lookup(text.substr(colon + 1, close - colon - 1));
  Real total = 0;
  if (!a.found || !b.found || !RangeTotal(doc_, a.line, b.line, total)) return false;
  Replace(close, SumText(doc_, k_, total), {SubstitutedWord::kSum, a.record, b.record});
  return true;
}

}  // namespace

bool RangeTotal(const Document& doc, int line_a, int line_b, Real& total) {
  int first = line_a;
  int second = line_b;
  if (first > second) std::swap(first, second);
  if (first < 1 || second > doc.LineCount()) return false;
  // Added up in a local, which stays in a register; an 80-bit store per line is slow.
  Real sum = 0;
  Real v = 0;
  for (int line = first; line <= second; ++line) {
    if (doc.records.Value(line, v)) sum += v;
  }
  total = sum;
  return std::isfinite(sum);
}

SubstitutionFlags SubstituteNames(Document& doc, std::string& text, int k,
                                  std::vector<SubstitutedWord>* words, SubstitutionFailure* why) {
  return Substitution(doc, text, k, words, why).Run();
}

namespace {

// The reading steps and the evaluator on a substituted text.
void ReadSubstituted(Document& doc, std::string& text, LineResult& result) {
  const EvalContext context{doc.settings.angle_in_degrees, &doc.rng};
  result.failed = !RunReadingSteps(doc, text, context);
  if (!result.failed && !text.empty()) {
    EvaluateExpression(text, result.value, result.error_position, result.failed, context);
  }
  result.emptied = text.empty();
}

// Substitutes line k's text; false when the result is known without reading it.
bool Substitute(Document& doc, std::string& text, int k, LineResult& result) {
  const SubstitutionFlags flags = SubstituteNames(doc, text, k);
  result.undefined = flags.undefined;
  result.too_long = flags.too_long;
  if (flags.undefined || flags.too_long) return false;
  result.failed = text.find("()") != std::string::npos || text.size() > kMaxEvaluatedLength;
  return !result.failed;
}

}  // namespace

LineResult EvaluateLineUncached(Document& doc, std::string& text, int k) {
  LineResult result;
  if (Substitute(doc, text, k, result)) ReadSubstituted(doc, text, result);
  return result;
}

LineResult EvaluateLine(Document& doc, std::string& text, int k) {
  LineResult result;
  const std::string given = kSelfCheck ? text : std::string();
  if (!Substitute(doc, text, k, result)) return result;
  LineEvalCache* cache = k >= 1 && k <= kMaxLines ? &Caches(doc).Line(k) : nullptr;
  if (cache != nullptr && cache->valid &&
      cache->angle_in_degrees == doc.settings.angle_in_degrees && cache->substituted == text) {
    result.emptied = cache->emptied;
    result.value = cache->value;
    result.error_position = cache->error_position;
    result.failed = cache->failed;
    if constexpr (kSelfCheck) {
      CheckAgainstFullReading(doc, k, given, LinePath::kCache, result);
    }
    return result;
  }
  const bool keep = cache != nullptr && !MayDrawRandomNumbers(text);
  if (keep) {
    cache->valid = false;
    cache->substituted = text;
  }
  ReadSubstituted(doc, text, result);
  if (keep) {
    cache->valid = true;
    cache->angle_in_degrees = doc.settings.angle_in_degrees;
    cache->emptied = result.emptied;
    cache->value = result.value;
    cache->error_position = result.error_position;
    cache->failed = result.failed;
  }
  return result;
}

}  // namespace ravnelok
