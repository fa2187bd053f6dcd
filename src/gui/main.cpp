#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <cstdio>

#include "app/start_options.h"
#include "gui/main_window.h"

int main(int argc, char* argv[]) {
  // The options are read before Qt starts, so that --version and --help need no display.
  ravnelok::StartOptions options;
  std::string error;
  if (!ravnelok::ParseStartOptions(std::vector<std::string>(argv + 1, argv + argc), options,
                                   error)) {
    std::fprintf(stderr, "ravnelok: %s\n%s", error.c_str(), ravnelok::StartUsage().c_str());
    return ravnelok::kStartExitUsage;
  }
  if (options.help || options.version) {
    const std::string text =
        options.help ? ravnelok::StartUsage() : ravnelok::VersionLine("ravnelok");
    std::fputs(text.c_str(), stdout);
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ravnelok"));
  // Qt's print and file dialogs in Danish, as the rest of the program (not in the English
  // edition, which the window knows only once it has loaded its texts).
  QTranslator danish;
  const bool translated =
      danish.load(QStringLiteral("qtbase_da"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // The words after the options, as the system gave them: together they name one sheet file.
  ravnelok::gui::MainWindow window(std::move(options.sheet_args));
  window.SetTextsFile(std::move(options.texts_file));
  if (translated) window.SetDialogTranslator(&danish);
  // Without a window manager "maximised" means nothing, so the window takes the screen's
  // available area first.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.setGeometry(screen->availableGeometry());
  }
  window.showMaximized();
  return QApplication::exec();
}
