#include <QApplication>
#include <QScreen>

#include "gui/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ravnelok"));
  // The arguments as the system gave them: together they name one sheet file.
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  ravnelok::gui::MainWindow window(std::move(args));
  // Without a window manager "maximised" means nothing, so the window takes the screen's
  // available area first.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.setGeometry(screen->availableGeometry());
  }
  window.showMaximized();
  return QApplication::exec();
}
