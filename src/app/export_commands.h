#pragma once

#include <optional>
#include <string>

#include "document/ui.h"

namespace ravnelok {

class Document;

// The picture format a file name asks for by its extension (".png" or ".svg", in any case).
std::optional<PictureFormat> PictureFormatOf(const std::string& path);
// The sheet's file name with its extension replaced, as the initial name of a save dialog.
std::string ExportFileName(const Document& doc, const std::string& extension);

// "Gem tabel som CSV ..": the save dialog, then the table as CSV. True when a file was written.
bool SaveTableCsvCommand(Document& doc, Ui& ui);
// "Gem grafik som billede ..": the save dialog, then the current graph as PNG or SVG as the
// chosen extension says. True when a file was written.
bool SaveGraphPictureCommand(Document& doc, Ui& ui);

}  // namespace ravnelok
