#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "gui/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ravnelok"));
  // The arguments as the system gave them: together they name one sheet file.
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  // Qt's print and file dialogs in Danish, as the rest of the program (not in the English
  // edition, which the window knows only once it has loaded its texts).
  QTranslator danish;
  const bool translated =
      danish.load(QStringLiteral("qtbase_da"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  ravnelok::gui::MainWindow window(std::move(args));
  if (translated) window.SetDialogTranslator(&danish);
  // Without a window manager "maximised" means nothing, so the window takes the screen's
  // available area first.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.setGeometry(screen->availableGeometry());
  }
  window.showMaximized();
  return QApplication::exec();
}
