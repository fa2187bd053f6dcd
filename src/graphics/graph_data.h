#pragma once

namespace ravnelok {

class Document;
class Ui;
struct FrequencyTree;

// Each collection fills doc.graph.data from stored numbers only (line records, the table value
// list), starting with data_ok true and data_bad false; a refused block shows its message and sets
// data_ok false. The kind is that of doc.settings.graph_kind.

// From the table selection; a single selected cell means the whole table. Returns whole_table.
bool CollectTableBlock(Document& doc, Ui& ui);
// Column 0 and the names from sheet lines sheet_first_row..sheet_last_row.
void CollectSheetLines(Document& doc, Ui& ui);
// Distinct values of those sheet lines in ascending order with their counts.
void CollectSheetFrequencies(Document& doc, Ui& ui, FrequencyTree& tree);

struct TableFrequencyResult {
  bool several_columns = false;
  bool whole_table = false;
};
// Distinct values of one table column with their counts.
TableFrequencyResult CollectTableFrequencies(Document& doc, Ui& ui, FrequencyTree& tree);

}  // namespace ravnelok
