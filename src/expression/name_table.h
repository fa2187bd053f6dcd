#pragma once

#include <string>

namespace ravnelok {

class Document;
class Ui;

struct NameCheck {
  bool bad_characters = false;
  bool built_in = false;
  bool condition_word = false;
  bool label_form = false;
  bool pi = false;
  bool Any() const { return bad_characters || built_in || condition_word || label_form || pi; }
};

NameCheck CheckName(const Document& doc, const std::string& name);
// Validates every name cell into the line records; the first refused line is reported and its
// name cell emptied. Returns the ok flag.
bool BuildNameTable(Document& doc, Ui& ui);

}  // namespace ravnelok
