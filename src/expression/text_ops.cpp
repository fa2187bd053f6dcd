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
  if (text[0] == '-') text.insert(0, 1, '0');
  // Each rewrite removes its occurrence, so one left-to-right sweep matches the repeated
  // first-occurrence rule, also for overlapping cases such as "((+-3".
  for (size_t p = text.find("(+"); p != std::string::npos; p = text.find("(+", p))
    text.erase(p + 1, 1);
  for (size_t p = text.find("(-"); p != std::string::npos; p = text.find("(-", p + 2)) {
    text.insert(p + 1, 1, '0');
  }
  std::replace(text.begin(), text.end(), ',', '.');
}

}  // namespace ravnelok
