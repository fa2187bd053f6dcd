#include "expression/substitution.h"

#include <cmath>

#include "document/document.h"
#include "expression/conditions.h"
#include "expression/evalue.h"
#include "numbers/number_text.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

// Texts longer than this after substitution are not evaluated: the condition and relation steps
// rescan the text per occurrence, and no typed expression comes near it.
constexpr size_t kMaxEvaluatedLength = 10000;

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
const std::string& ValueText(const linie_type& record) {
  if (!record.value_text_valid) {
    std::string number = NumberToExprText(record.value, 21);
    const size_t e = number.find('E');
    if (e != std::string::npos && number.find('.') != std::string::npos) {
      size_t z = e;
      while (z > 0 && number[z - 1] == '0') --z;
      number.erase(z, e - z);
    }
    record.value_text = Bracketed(number);
    record.value_text_valid = true;
  }
  return record.value_text;
}

namespace {

// Whether a text may call a random function (slump, sl, rand, rd in any case).
bool DrawsRandomNumbers(std::string_view text) {
  // Every random function name holds an r or an s; substituted numbers hold neither.
  bool r_or_s = false;
  for (const char c : text) r_or_s |= c == 'r' || c == 'R' || c == 's' || c == 'S';
  if (!r_or_s) return false;
  return FindDanishLower(text, "sl") != std::string_view::npos ||
         FindDanishLower(text, "rd") != std::string_view::npos ||
         FindDanishLower(text, "rand") != std::string_view::npos;
}

// The text of a sum; a line that sums the same total as in the previous pass reuses it.
std::string SumText(const Document& doc, int k, Real total) {
  if (k < 1 || k >= static_cast<int>(doc.eval_cache.size())) {
    return Bracketed(NumberToExprText(total, 21));
  }
  LineEvalCache& cache = doc.eval_cache[k];
  if (!cache.sum_valid || cache.sum_total != total) {
    cache.sum_text = Bracketed(NumberToExprText(total, 21));
    cache.sum_total = total;
    cache.sum_valid = true;
  }
  return cache.sum_text;
}

const std::string& PiText() {
  static const std::string text =
      Bracketed(NumberToExprText(3.14159265358979323846264338327950288L, 21));
  return text;
}

}  // namespace

SubstitutionFlags SubstituteNames(const Document& doc, std::string& text, int k,
                                  std::vector<SubstitutedWord>* words) {
  SubstitutionFlags flags;
  if (text.empty()) return flags;
  const std::string& sum_word = doc.texts[TextId::kSumName];
  // Positions are 0-based here: p runs over the text, L - 1 is its last character.
  size_t p = 0;
  while (true) {
    const size_t last = text.size() - 1;
    while (p < last && !IsTokenStart(text[p])) ++p;
    if (p == last && !IsTokenStart(text[p])) break;
    const size_t start = p;
    while (p < last && IsTokenChar(text[p])) ++p;
    const size_t end = (p == last && IsTokenChar(text[last])) ? last : p - 1;
    const size_t before = p;
    const std::string word = text.substr(start, end - start + 1);
    std::string lower;
    uint8_t kinds = 0;
    if (doc.words.MayHold(DanishLower(word[0]), word.size())) {
      lower = DanishLowerCase(word);
      kinds = doc.words.Flags(lower);
    }
    bool stop = false;

    // Replaces start..to; the length check counts from the token's end, as for every word.
    auto replace = [&](size_t to, const std::string& with, SubstitutedWord word) {
      if (with.size() + start + (last - end) > kMaxSubstitutedLength) flags.too_long = true;
      if (words != nullptr) {
        word.start = static_cast<int>(start);
        word.replaced = static_cast<int>(to - start + 1);
        word.with = static_cast<int>(with.size());
        word.beyond = static_cast<int>(to - end);
        words->push_back(word);
      }
      text.replace(start, to - start + 1, with);
      p = start + with.size();
    };

    if ((kinds & WordTable::kReserved) == 0) {
      const LookupResult found = doc.records.Lookup(word);
      if (found.found && found.has_value && found.line <= k) {
        replace(end, ValueText(doc.records[found.record]), {SubstitutedWord::kName, found.record});
      } else {
        flags.undefined = true;
        stop = true;
      }
    }
    if (!stop && lower == "pi") replace(end, PiText(), {SubstitutedWord::kPi});
    if (!stop && lower == sum_word && !sum_word.empty()) {
      // sum(from:to), the ends looked up as names or labels.
      const size_t open = end + 1;
      const size_t colon = open < text.size() ? text.find(':', open) : std::string::npos;
      const size_t close = open < text.size() ? text.find(')', open) : std::string::npos;
      bool ok = open < text.size() && text[open] == '(' && colon != std::string::npos &&
                colon >= open + 2 && close != std::string::npos && close >= colon + 2;
      if (ok) {
        const LookupResult a =
            doc.records.Lookup(std::string_view(text).substr(open + 1, colon - open - 1));
        const LookupResult b =
            doc.records.Lookup(std::string_view(text).substr(colon + 1, close - colon - 1));
        int first = a.line;
        int second = b.line;
        if (first > second) std::swap(first, second);
        ok = a.found && b.found && first >= 1 && second <= doc.LineCount();
        if (ok) {
          Real total = 0;
          Real v = 0;
          for (int line = first; line <= second; ++line) {
            if (doc.records.Value(line, v)) total += v;
          }
          ok = std::isfinite(total);
          if (ok)
            replace(close, SumText(doc, k, total), {SubstitutedWord::kSum, a.record, b.record});
        }
      }
      if (!ok) {
        flags.undefined = true;
        stop = true;
      }
    }
    if (!stop && (kinds & WordTable::kCondition) != 0) p = end + 1;
    if (!stop && (kinds & WordTable::kFunction) != 0) {
      if (!(end + 2 < text.size() && text[end + 1] == '(')) {
        flags.undefined = true;
        stop = true;
      }
    }
    // A one-letter reserved word at the very end that no step moved past would be read forever.
    if (p == before && start == end && end == last) p = end + 1;
    if (stop || flags.too_long || p >= text.size()) break;
  }
  return flags;
}

bool ApplyRemainder(Document& doc, std::string& text) {
  const std::string& name = doc.texts[TextId::kRemainderName];
  if (name.empty()) return false;
  const EvalContext context{doc.settings.angle_in_degrees, &doc.rng};
  while (true) {
    const size_t q = FindDanishLower(text, name);
    if (q == std::string::npos) return false;
    const size_t open = q + name.size();
    if (open >= text.size() || text[open] != '(') return true;
    size_t close = std::string::npos;
    int depth = 1;
    for (size_t i = open + 1; i < text.size(); ++i) {
      if (text[i] == '(') ++depth;
      if (text[i] == ')' && --depth == 0) {
        close = i;
        break;
      }
    }
    const size_t semi = text.find(';', q);
    if (close == std::string::npos || semi == std::string::npos || semi < open + 2 ||
        close < semi + 2) {
      return true;
    }
    Real values[2];
    const std::string parts[2] = {text.substr(open + 1, semi - open - 1),
                                  text.substr(semi + 1, close - semi - 1)};
    for (int i = 0; i < 2; ++i) {
      std::string part = parts[i];
      int error = 0;
      bool failed = false;
      EvaluateExpression(part, values[i], error, failed, context);
      if (failed || error != 0) return true;
    }
    const Real a = values[0];
    const Real b = values[1];
    if (!(a >= 0 && b > 0 && a == std::truncl(a) && b == std::truncl(b))) return true;
    // fmod is exact, and its cost grows with the exponent gap, not with a / b.
    const Real r = std::fmod(a, b);
    text.replace(q, close - q + 1, Bracketed(NumberToExprText(r, 21)));
  }
}

LineResult EvaluateLine(Document& doc, std::string& text, int k) {
  LineResult result;
  const SubstitutionFlags flags = SubstituteNames(doc, text, k);
  result.undefined = flags.undefined;
  result.too_long = flags.too_long;
  if (flags.undefined || flags.too_long) return result;
  result.failed = text.find("()") != std::string::npos || text.size() > kMaxEvaluatedLength;
  if (result.failed) return result;

  LineEvalCache* cache =
      k >= 1 && k < static_cast<int>(doc.eval_cache.size()) ? &doc.eval_cache[k] : nullptr;
  if (cache != nullptr && cache->valid &&
      cache->angle_in_degrees == doc.settings.angle_in_degrees && cache->substituted == text) {
    text = cache->final_text;
    result.value = cache->value;
    result.error_position = cache->error_position;
    result.failed = cache->failed;
    return result;
  }
  const bool keep = cache != nullptr && !DrawsRandomNumbers(text);
  if (keep) {
    cache->valid = false;
    cache->substituted = text;
  }

  const EvalContext context{doc.settings.angle_in_degrees, &doc.rng};
  if (!result.failed) result.failed = ApplyRemainder(doc, text);
  if (!result.failed && !text.empty()) result.failed = ResolveIfThenElse(text, doc.texts, context);
  if (!result.failed && !text.empty()) result.failed = ReplaceRelations(text, context);
  if (!result.failed && !text.empty()) {
    EvaluateExpression(text, result.value, result.error_position, result.failed, context);
  }
  if (keep) {
    cache->valid = true;
    cache->angle_in_degrees = doc.settings.angle_in_degrees;
    cache->final_text = text;
    cache->value = result.value;
    cache->error_position = result.error_position;
    cache->failed = result.failed;
  }
  return result;
}

}  // namespace ravnelok
