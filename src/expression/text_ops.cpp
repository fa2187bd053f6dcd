#include "expression/text_ops.h"

#include <algorithm>

namespace ravnelok {

void RemoveBlanks(std::string& text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
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
  // One sweep gives what the repeated first-occurrence rewrites give ("(+" loses its "+",
  // "(-" becomes "(0-"), also for runs such as "((++-3", in linear time.
  std::string out;
  out.reserve(text.size() + text.size() / 4 + 1);
  if (text[0] == '-') out += '0';
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    out += c == ',' ? '.' : c;
    if (c != '(') continue;
    while (i + 1 < text.size() && text[i + 1] == '+') ++i;
    if (i + 1 < text.size() && text[i + 1] == '-') out += '0';
  }
  text = std::move(out);
}

}  // namespace ravnelok
