#include "text/text_ops.h"

#include <algorithm>

namespace ravnelok {

void RemoveBlanks(std::string& text) {
  const size_t first = text.find(' ');
  if (first == std::string::npos) return;
  text.erase(std::remove(text.begin() + first, text.end(), ' '), text.end());
}

std::string WithoutBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != ' ') out += c;
  }
  return out;
}

std::string DanishLowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = DanishLower(c);
  return out;
}

void NormaliseSigns(std::string& text) {
  if (text.empty()) return;
  if (text[0] == '+') {
    text.erase(0, 1);
    if (text.empty()) return;
  }
  if (text.find(',') != std::string::npos) std::replace(text.begin(), text.end(), ',', '.');
  bool rewrite = text[0] == '-';
  for (size_t p = 0; !rewrite && p + 1 < text.size(); ++p) {
    rewrite = text[p] == '(' && (text[p + 1] == '+' || text[p + 1] == '-');
  }
  if (!rewrite) return;
  // One sweep gives what the repeated first-occurrence rewrites give ("(+" loses its "+",
  // "(-" becomes "(0-"), also for runs such as "((++-3", in linear time.
  // The two strings swap, so that both keep their room for the next call.
  thread_local std::string out;
  out.clear();
  out.reserve(text.size() + text.size() / 2 + 1);
  if (text[0] == '-') out += '0';
  size_t from = 0;
  for (size_t p = text.find('('); p != std::string::npos; p = text.find('(', from)) {
    size_t next = p + 1;
    while (next < text.size() && text[next] == '+') ++next;
    out.append(text, from, p + 1 - from);
    if (next < text.size() && text[next] == '-') out += '0';
    from = next;
  }
  out.append(text, from, std::string::npos);
  text.swap(out);
}

size_t FindDanishLower(std::string_view text, std::string_view lower_needle) {
  if (lower_needle.empty()) return 0;
  if (lower_needle.size() > text.size()) return std::string_view::npos;
  // The needle's first character stands in the text in one of two cases.
  const char small = lower_needle[0];
  const auto u = static_cast<unsigned char>(small);
  const bool has_capital =
      (u >= 'a' && u <= 'z') || u == kSmallARing || u == kSmallOSlash || u == kSmallAE;
  const char capital = has_capital ? static_cast<char>(u - 32) : small;
  const size_t last = text.size() - lower_needle.size();
  size_t next_small = text.find(small);
  size_t next_capital = has_capital ? text.find(capital) : std::string_view::npos;
  while (true) {
    const size_t p = std::min(next_small, next_capital);
    if (p == std::string_view::npos || p > last) return std::string_view::npos;
    size_t i = 1;
    while (i < lower_needle.size() && DanishLower(text[p + i]) == lower_needle[i]) ++i;
    if (i == lower_needle.size()) return p;
    if (p == next_small) next_small = text.find(small, p + 1);
    if (p == next_capital) next_capital = text.find(capital, p + 1);
  }
}

}  // namespace ravnelok
