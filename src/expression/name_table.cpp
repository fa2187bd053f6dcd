#include "expression/name_table.h"

#include "document/document.h"
#include "document/ui.h"
#include "expression/eval_cache.h"
#include "text/text_ops.h"

namespace ravnelok {

NameCheck CheckName(const Document& doc, const std::string& name) {
  NameCheck check;
  if (name.empty()) return check;
  if (!IsDanishLetter(name[0])) check.bad_characters = true;
  for (size_t i = 1; i < name.size(); ++i) {
    if (!IsDanishLetter(name[i]) && !IsDigit(name[i])) check.bad_characters = true;
  }
  std::string lower;
  uint8_t flags = 0;
  if (doc.words.MayHold(DanishLower(name[0]), name.size()) || name.size() == 2) {
    lower = DanishLowerCase(name);
    flags = doc.words.Flags(lower);
  }
  check.built_in = (flags & WordTable::kBuiltIn) != 0;
  check.condition_word = (flags & WordTable::kCondition) != 0;
  check.pi = lower == "pi";
  if (name.size() >= 2 && name[0] == 'A') {
    check.label_form = true;
    for (size_t i = 1; i < name.size(); ++i) {
      if (!IsDigit(name[i])) check.label_form = false;
    }
  }
  return check;
}

namespace {

void Report(const Document& doc, Ui& ui, const std::string& name, TextId text) {
  ui.ShowMessage(doc.texts[TextId::kNameMessageStart] + " " + name + " " + doc.texts[text]);
}

}  // namespace

namespace {

// Whether every name cell holds what its record holds. After a check that accepted every name
// and left them so, and with the names unchanged since, checking again would change nothing
// and report nothing.
bool CellsMatchRecords(Document& doc) {
  EvalCaches& caches = Caches(doc);
  std::vector<unsigned long long>& stamps = caches.name_cell_stamps;
  const int rows = doc.sheet.RowCount();
  // The records' names and the cells as they were when they last matched: they still do.
  bool unchanged = caches.name_cells_generation == doc.records.NamesGeneration() &&
                   static_cast<int>(stamps.size()) == rows;
  for (int k = 1; unchanged && k < rows; ++k) {
    unchanged = stamps[k] == doc.sheet.CellStamp(Document::kName, k) && doc.records[k].line == k;
  }
  if (unchanged) return true;
  for (int k = 1; k < rows; ++k) {
    const linie_type& record = doc.records[k];
    if (record.line != k || doc.sheet.Cell(Document::kName, k) != record.name) return false;
  }
  stamps.resize(rows);
  for (int k = 1; k < rows; ++k) stamps[k] = doc.sheet.CellStamp(Document::kName, k);
  caches.name_cells_generation = doc.records.NamesGeneration();
  return true;
}

}  // namespace

bool BuildNameTable(Document& doc, Ui& ui) {
  if (doc.records.NamesChecked() && CellsMatchRecords(doc)) return true;
  bool ok = true;
  for (int k = 1; k < doc.sheet.RowCount(); ++k) {
    if (doc.sheet.Cell(Document::kName, k).find(' ') != std::string::npos) {
      doc.sheet.SetCell(Document::kName, k, WithoutBlanks(doc.sheet.Cell(Document::kName, k)));
    }
    const std::string& name = doc.sheet.Cell(Document::kName, k);
    bool refused = false;
    const NameCheck check = CheckName(doc, name);
    if (check.Any()) {
      if (ok) {
        ok = false;
        refused = true;
        // One message per flag, in this order.
        if (check.bad_characters) Report(doc, ui, name, TextId::kNameNotAllowed);
        if (check.built_in) Report(doc, ui, name, TextId::kNameIsFunction);
        if (check.pi) Report(doc, ui, name, TextId::kNameIsPi);
        if (check.label_form) Report(doc, ui, name, TextId::kNameIsLabel);
        if (check.condition_word) Report(doc, ui, name, TextId::kNameIsCondition);
      }
    } else if (name.empty()) {
      // nothing
    } else if (doc.records.NameUsedAbove(name, k)) {
      if (ok) {
        ok = false;
        refused = true;
        Report(doc, ui, name, TextId::kNameUsedTwice);
      }
    } else {
      doc.records.SetLineName(name, k);
    }
    if (refused) doc.sheet.SetCell(Document::kName, k, std::string());
  }
  doc.records.SetNamesChecked(ok && CellsMatchRecords(doc));
  return ok;
}

}  // namespace ravnelok
