#pragma once

#include <cstddef>
#include <string>

namespace ravnelok {

class Document;
class Ui;

// Sheet files larger than this are refused ("Forkert filtype") without being read: a real sheet
// is a few hundred kilobytes, and a bound keeps both reading and the recalculation that follows
// short.
constexpr std::size_t kMaxSheetFileBytes = std::size_t{16} << 20;

// The name check: the last four characters are exactly ".rlk".
bool HasSheetExtension(const std::string& path);

// Reads a sheet file into the grid and the line records (the caller recalculates). A file that
// is valid UTF-8 throughout with at least one multi-byte character is read as UTF-8, every
// other as Windows-1252.
// Returns false when the file was refused ("Forkert filtype" shown, sheet unchanged).
bool ReadSheet(Document& doc, Ui& ui, const std::string& path);
// Writes the sheet; returns false when refused or when writing failed ("Forkert filtype"
// shown; an existing file is left as it was). A cell that still holds a character lost on
// reading (Windows-1252 has no such character) refuses the save with its own message.
bool SaveSheet(Document& doc, Ui& ui, const std::string& path);
// The bytes SaveSheet writes.
std::string SheetFileBytes(const Document& doc);

}  // namespace ravnelok
