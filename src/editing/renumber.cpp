#include "editing/renumber.h"

#include "document/document.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

bool IsNameChar(char c) {
  return IsDanishLetter(c) || IsDigit(c) || c == '_';
}

// What a reference to line `d` becomes after a paste: the line's name, or its label.
std::string PastedReference(const Document& doc, int d) {
  if (d < 1) return "???";
  const std::string& name = doc.sheet.Cell(Document::kName, d);
  return name.empty() ? LabelOf(d) : name;
}

}  // namespace

std::string RenumberReferences(const Document& doc, std::string text, int offset, int first,
                               bool paste_mode) {
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && !IsDanishLetter(text[pos])) ++pos;
    if (pos >= text.size()) break;
    size_t end = pos + 1;
    while (end < text.size() && IsNameChar(text[end])) ++end;
    const std::string word = text.substr(pos, end - pos);
    if (doc.IsReservedWord(word)) {
      pos = end;
      continue;
    }
    const LookupResult found = doc.records.Lookup(word);
    if (!found.found) break;
    const int line = found.line;
    if (doc.FixedMarked(line)) {
      pos = end;
      continue;
    }
    std::string replacement;
    if (paste_mode) {
      replacement = PastedReference(doc, line + offset);
    } else if (!doc.sheet.Cell(Document::kName, line).empty()) {
      replacement = doc.sheet.Cell(Document::kName, line);
    } else if (line >= first) {
      replacement = line + offset >= 1 ? LabelOf(line + offset) : std::string("???");
    } else {
      replacement = doc.sheet.Cell(Document::kLabel, line);
    }
    RemoveBlanks(replacement);
    text.replace(pos, end - pos, replacement);
    pos += replacement.size();
  }
  return text;
}

}  // namespace ravnelok
