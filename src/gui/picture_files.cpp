#include "gui/picture_files.h"

#include <QBuffer>
#include <QFile>
#include <QPrinter>
#include <QSvgGenerator>

#include "document/document.h"
#include "files/file_io.h"
#include "graphics/render.h"
#include "gui/graph_bitmap.h"
#include "gui/qt_printer.h"

namespace ravnelok::gui {
namespace {

// What the graph bitmap shows: blank, and the graph on it while one is live.
void DrawShownGraph(Document& doc, Canvas& canvas) {
  BlankGraph(canvas, doc.graph.bitmap_width, doc.graph.bitmap_height);
  if (doc.settings.graph_shown && IsGraph(doc.settings.graph_kind)) DrawGraph(doc, canvas, 1);
}

bool WriteBytes(const std::string& path, const QByteArray& bytes) {
  return WriteFileAtomically(
             path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) ==
         WriteResult::kOk;
}

}  // namespace

bool WriteGraphPicture(Document& doc, const std::string& path, PictureFormat format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (format == PictureFormat::kPng) {
    GraphBitmap bitmap(doc.graph.bitmap_width, doc.graph.bitmap_height);
    DrawShownGraph(doc, *bitmap.GetCanvas());
    if (!bitmap.Image().save(&buffer, "PNG")) return false;
  } else {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(doc.graph.bitmap_width, doc.graph.bitmap_height));
    svg.setViewBox(QRect(0, 0, doc.graph.bitmap_width, doc.graph.bitmap_height));
    svg.setTitle(QStringLiteral("Ravnelok"));
    QtCanvas canvas(&svg);
    DrawShownGraph(doc, canvas);
    canvas.Finish();
  }
  return WriteBytes(path, bytes);
}

std::unique_ptr<QPrinter> NewPrinter() {
  return std::make_unique<QPrinter>(QPrinter::HighResolution);
}

bool WritePdf(Document& doc, const std::string& path, const PrintSetup& setup) {
  const auto printer = NewPrinter();
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setOutputFileName(QFile::decodeName(QByteArray::fromStdString(path)));
  {
    QtPrintTarget target(printer.get());
    if (!target.Begin()) return false;
    PrintSheet(doc, target, setup);
  }
  return QFile::exists(printer->outputFileName());
}

}  // namespace ravnelok::gui
