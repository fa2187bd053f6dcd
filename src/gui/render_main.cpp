// ravnelok-render: the command-line front end with Qt's painting, for the runs that write a
// picture or a PDF file. ravnelok-calc hands those runs over to it; it needs no display.
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "app/calc_cli.h"
#include "document/document.h"
#include "gui/graph_bitmap.h"
#include "gui/picture_files.h"

namespace {

class RenderPainter : public ravnelok::CalcPainter {
 public:
  explicit RenderPainter(const ravnelok::Document& doc)
      : bitmap_(doc.graph.bitmap_width, doc.graph.bitmap_height) {}
  ravnelok::Canvas* GraphCanvas() override { return bitmap_.GetCanvas(); }
  bool WriteGraphPicture(ravnelok::Document& doc, const std::string& path,
                         ravnelok::PictureFormat format) override {
    return ravnelok::gui::WriteGraphPicture(doc, path, format);
  }
  // The printout takes the screen's width and the graph's size from the screen; here the
  // graph is as large as its bitmap.
  bool WritePdf(ravnelok::Document& doc, const std::string& path,
                ravnelok::PrintSetup setup) override {
    const QScreen* screen = QGuiApplication::primaryScreen();
    setup.screen_width = screen != nullptr ? screen->geometry().width() : 0;
    setup.graph_width = doc.graph.bitmap_width;
    setup.graph_height = doc.graph.bitmap_height;
    return ravnelok::gui::WritePdf(doc, path, setup);
  }

 private:
  ravnelok::gui::GraphBitmap bitmap_;
};

// Standard error carries the program's own messages: Qt's notes about its environment (no
// runtime folder, no display) are left out; its critical errors are not.
void DropNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, text).toLocal8Bit().constData());
  }
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(DropNotes);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string out;
  std::string err;
  ravnelok::Document doc;
  RenderPainter painter(doc);
  const int status = ravnelok::RunCalc(args, doc, out, err, &painter);
  return ravnelok::FinishCalc(status, out, std::move(err));
}
