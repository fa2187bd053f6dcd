// The main window's files out: the table as CSV and the graph as a picture.
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMenu>

#include "app/export_commands.h"
#include "gui/main_window.h"
#include "gui/picture_files.h"
#include "gui/qt_text.h"

namespace ravnelok::gui {

void MainWindow::BuildFilesOutEntries(QMenu* filer) {
  Document& d = doc_;
  const std::pair<TextId, std::function<void()>> items[] = {
      {TextId::kMenuSaveTableCsv, [this, &d] { SaveTableCsvCommand(d, *this); }},
      {TextId::kMenuSaveGraphPicture, [this, &d] { SaveGraphPictureCommand(d, *this); }}};
  for (const auto& [id, command] : items) {
    QAction* action = filer->addAction(QString());
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    files_out_entries_.at(static_cast<size_t>(id) - kFilesOutFirst) = action;
  }
  ApplyFilesOutTexts();
}

void MainWindow::ApplyFilesOutTexts() {
  for (size_t i = 0; i < files_out_entries_.size(); ++i) {
    files_out_entries_[i]->setText(Q(doc_.texts[static_cast<TextId>(kFilesOutFirst + i)]));
  }
}

std::optional<std::string> MainWindow::AskExportFileName(const std::string& title,
                                                         const std::string& initial,
                                                         const std::string& filter) {
  QFileDialog dialog(this, Q(title));
  dialog.setObjectName("ExportFileDialog");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QString::fromStdString(filter));
  // A name typed without an extension gets the first pattern's.
  const auto dot = filter.find('.');
  dialog.setDefaultSuffix(QString::fromStdString(filter.substr(dot + 1, 3)));
  dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(initial)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

bool MainWindow::WriteGraphPicture(const std::string& path, PictureFormat format) {
  return gui::WriteGraphPicture(doc_, path, format);
}

}  // namespace ravnelok::gui
