#include "app/export_commands.h"

#include "document/document.h"
#include "files/file_io.h"
#include "output/csv_export.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void ShowNotWritten(const Document& doc, Ui& ui, const std::string& path) {
  ui.ShowMessage(doc.texts[TextId::kFileNotWritten] + " " + path);
}

}  // namespace

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
  const std::string lower = DanishLowerCase(path);
  if (EndsWith(lower, ".png")) return PictureFormat::kPng;
  if (EndsWith(lower, ".svg")) return PictureFormat::kSvg;
  return std::nullopt;
}

std::string ExportFileName(const Document& doc, const std::string& extension) {
  std::string name = doc.settings.file_name;
  if (name.empty()) return "*" + extension;
  if (EndsWith(name, ".rlk")) name.resize(name.size() - 4);
  return name + extension;
}

bool SaveTableCsvCommand(Document& doc, Ui& ui) {
  const auto path = ui.AskExportFileName(doc.texts[TextId::kSaveTableCsvTitle],
                                         ExportFileName(doc, ".csv"), "*.csv");
  if (!path) return false;
  if (WriteFileAtomically(*path, TableCsv(doc)) != WriteResult::kOk) {
    ShowNotWritten(doc, ui, *path);
    return false;
  }
  return true;
}

bool SaveGraphPictureCommand(Document& doc, Ui& ui) {
  if (!doc.settings.graph_shown) {
    ui.ShowMessage(doc.texts[TextId::kNoGraphToSave]);
    return false;
  }
  const auto path = ui.AskExportFileName(doc.texts[TextId::kSaveGraphPictureTitle],
                                         ExportFileName(doc, ".png"), "*.png *.svg");
  if (!path) return false;
  const auto format = PictureFormatOf(*path);
  if (!format) {
    ui.ShowMessage(doc.texts[TextId::kPictureExtensions]);
    return false;
  }
  if (!ui.WriteGraphPicture(*path, *format)) {
    ShowNotWritten(doc, ui, *path);
    return false;
  }
  return true;
}

}  // namespace ravnelok
