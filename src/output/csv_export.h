#pragma once

#include <string>

namespace ravnelok {

class Document;

// The table for spreadsheets and data tools (RFC 4180), in UTF-8 with CR LF after every row:
// the column names as the table shows them, then one row per recorded pass with each value as
// the number the line held (13 significant digits, "." as the decimal point). A cell without a
// recorded value stays empty. A table without columns gives the empty text.
std::string TableCsv(const Document& doc);

}  // namespace ravnelok
