// The graph drawn by the real canvas into the real bitmap: the blank bitmap, and graphs of an
// example sheet. With RAVNELOK_WRITE_DOCS set, the example graphs are also written to docs/.
#include <QDir>
#include <QImage>
#include <QTest>
#include <string>
#include <vector>

#include "app/document.h"
#include "app/ui.h"
#include "graphics/graph_commands.h"
#include "graphics/table.h"
#include "gui/graph_bitmap.h"
#include "sheet/recalc.h"

using namespace ravnelok;
using ravnelok::gui::GraphBitmap;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// The program's Ui as far as the graph needs it: the bitmap, and the messages it was told.
class BitmapUi : public Ui {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool Confirm(const std::string&, const std::string&, const std::string&,
               const std::string&) override {
    return true;
  }
  bool RunDecimalsDialog(DecimalsDialog&) override { return false; }
  bool RunStartValuesDialog(StartValuesDialog&) override { return false; }
  bool RunTextInputDialog(TextInputDialog&) override { return false; }
  bool RunAngleDialog(AngleDialog&) override { return false; }
  std::optional<std::string> AskOpenFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> AskSaveFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  Canvas* GraphCanvas() override { return bitmap.GetCanvas(); }
  void GraphChanged() override { ++changes; }

  GraphBitmap bitmap;
  std::vector<std::string> messages;
  int changes = 0;
};

int Count(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour ? 1 : 0;
  }
  return n;
}

// Inside the frame: pixels that are not white.
int Ink(const QImage& image) {
  int n = 0;
  for (int y = 2; y < image.height() - 2; ++y) {
    for (int x = 1; x < image.width() - 2; ++x) n += image.pixel(x, y) != kWhite ? 1 : 0;
  }
  return n;
}

// The frame from (0, 1) to (W - 1, H - 1), right and bottom edges excluded; row 0 and the last
// row and column untouched (white).
void CheckFrame(const QImage& image) {
  const int w = image.width();
  const int h = image.height();
  for (int x = 0; x < w; ++x) {
    QCOMPARE(image.pixel(x, 0), kWhite);
    QCOMPARE(image.pixel(x, h - 1), kWhite);
    if (x <= w - 2) {
      QCOMPARE(image.pixel(x, 1), kBlack);
      QCOMPARE(image.pixel(x, h - 2), kBlack);
    }
  }
  for (int y = 1; y <= h - 2; ++y) {
    QCOMPARE(image.pixel(0, y), kBlack);
    QCOMPARE(image.pixel(w - 2, y), kBlack);
    QCOMPARE(image.pixel(w - 1, y), kWhite);
  }
}

void WriteDoc(const QImage& image, const char* name) {
  if (qEnvironmentVariableIsEmpty("RAVNELOK_WRITE_DOCS")) return;
  const QString dir = QStringLiteral(RAVNELOK_SOURCE_DIR "/docs");
  QDir().mkpath(dir);
  QVERIFY(image.save(dir + QLatin1Char('/') + QLatin1String(name)));
}

// A dropped stone, t varied by hand, with its height and speed marked "T".
void StoneSheet(Document& doc, BitmapUi& ui, int passes) {
  doc.InitialiseGrid();
  const char* lines[][2] = {{"t", "0"}, {"h", "100-4.905*t^2"}, {"v", "9.81*t"}, {"", ""}};
  for (int k = 1; k <= 3; ++k) {
    doc.sheet.SetCell(Document::kName, k, lines[k - 1][0]);
    doc.sheet.SetCell(Document::kExpression, k, lines[k - 1][1]);
  }
  RecalculateSheet(doc, ui, 0);
  for (int k = 1; k <= 3; ++k) PressSheetGrid(doc, ui, MouseButton::kLeft, 0, k);
  for (int i = 0; i < passes; ++i) {
    const std::string t = std::to_string(i) + ".5";
    doc.sheet.SetCell(Document::kExpression, 1, t);
    RecalculateSheet(doc, ui, 1);
  }
}

}  // namespace

class GraphRenderTest : public QObject {
  Q_OBJECT

 private slots:
  void BlankBitmapHasFrame() {
    for (const QSize size : {QSize(640, 300), QSize(1013, 377), QSize(2, 3)}) {
      GraphBitmap bitmap(size.width(), size.height());
      QCOMPARE(bitmap.Image().size(), size);
      CheckFrame(bitmap.Image());
      QCOMPARE(Ink(bitmap.Image()), 0);
    }
    GraphBitmap bitmap(200, 100);
    bitmap.GetCanvas()->MoveTo(10, 50);
    bitmap.GetCanvas()->LineTo(150, 50);
    QVERIFY(Ink(bitmap.Image()) > 0);
    bitmap.Blank();
    QCOMPARE(Ink(bitmap.Image()), 0);
    CheckFrame(bitmap.Image());
    QVERIFY(GraphBitmap().GetCanvas() == nullptr);
  }

  // xy-points from the table: h and v against t, in the colours of series 1 and 2.
  void XyGraphOfTable() {
    Document doc;
    BitmapUi ui;
    ui.bitmap.SetSize(doc.bitmap_width, doc.bitmap_height);
    StoneSheet(doc, ui, 5);
    QCOMPARE(doc.settings.table_columns, 3);
    GraphCommand(doc, ui, 1);
    QVERIFY(ui.messages.empty());
    const QImage& image = ui.bitmap.Image();
    CheckFrame(image);
    WriteDoc(image, "graph-xy.png");
    QVERIFY(Count(image, qRgb(192, 192, 192)) > 100);  // the dotted grid
    QVERIFY(Count(image, qRgb(0, 0, 255)) >= 5 * 12);  // five hollow circles of series 2
    QCOMPARE(Count(image, qRgb(255, 0, 0)), 0);        // no third series
    // The next pass adds a row: the graph follows.
    const QImage before = image.copy();
    doc.sheet.SetCell(Document::kExpression, 1, "4.4");
    RecalculateSheet(doc, ui, 1);
    QVERIFY(ui.bitmap.Image() != before);
    CheckFrame(ui.bitmap.Image());
  }

  // Data bars and the curve of sheet lines; a line without a value blanks the bitmap.
  void SheetLines() {
    Document doc;
    BitmapUi ui;
    ui.bitmap.SetSize(doc.bitmap_width, doc.bitmap_height);
    doc.InitialiseGrid();
    const char* lines[][2] = {{"jan", "12"}, {"feb", "17.5"}, {"mar", "-4"},    {"apr", "21"},
                              {"maj", "9"},  {"", "jan+feb"}, {"jul", "30.25"}, {"aug", ""}};
    for (int k = 1; k <= 8; ++k) {
      doc.sheet.SetCell(Document::kName, k, lines[k - 1][0]);
      doc.sheet.SetCell(Document::kExpression, k, lines[k - 1][1]);
    }
    RecalculateSheet(doc, ui, 0);
    doc.sheet.Select({Document::kExpression, 1, Document::kExpression, 7});
    GraphCommand(doc, ui, 2);
    const QImage bars = ui.bitmap.Image();  // shared until the next drawing detaches it
    CheckFrame(bars);
    WriteDoc(bars, "graph-bars.png");
    QVERIFY(Count(bars, kBlack) > 7 * 2 * 20);  // seven black bars
    GraphCommand(doc, ui, 3);
    QVERIFY(ui.bitmap.Image() != bars);
    WriteDoc(ui.bitmap.Image(), "graph-curve.png");
    QVERIFY(ui.messages.empty());

    doc.sheet.Select({Document::kExpression, 6, Document::kExpression, 8});
    GraphCommand(doc, ui, 2);
    QCOMPARE(ui.messages.size(), size_t{1});
    QVERIFY(!doc.settings.graph_shown);
    QCOMPARE(Ink(ui.bitmap.Image()), 0);
    CheckFrame(ui.bitmap.Image());
  }
};

QTEST_MAIN(GraphRenderTest)
#include "graph_render_test.moc"
