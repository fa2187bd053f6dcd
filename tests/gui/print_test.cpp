// Printing through the print dialog and the name box into a PDF file, read back with the
// poppler tools; the sheet and the table on the clipboard.
#include <QClipboard>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include "app/sheet_commands.h"
#include "gui/graph_area.h"
#include "gui_test_support.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

namespace {
QString Poppler(const QString& tool, const QStringList& args) {
  QProcess process;
  process.start(tool, args);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}
}  // namespace

class PrintTest : public QObject {
  Q_OBJECT
 private slots:
  void printsToPdfAndCopiesToClipboard() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils is missing");
    Started s;
    s.SetClientSize(760, 540);  // within the offscreen screen, as a real window is
    MessageWatch messages;
    MainWindow& w = s.w();
    QVERIFY(LoadSheet(s.doc(), w, RAVNELOK_SOURCE_DIR "/examples/kast.rlk"));
    w.RefreshViews();
    // Lines 5 and 6 in the table, a graph of lines 5 to 9, and a line far down for a second page.
    for (int k : {5, 6}) ClickCell(w, 0, k);
    ClickCell(w, 3, 5);
    QTest::mouseClick(w.sheetView()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      w.SheetCellCentre(3, 9));
    w.entry(TextId::kMenuSheetBars)->trigger();
    // As if the program had started at this size: the printed graph then fits its frame.
    s.doc().graph.bitmap_width = w.graphArea()->width();
    s.doc().graph.bitmap_height = w.graphArea()->height();
    s.doc().SetLineCount(70);
    s.doc().sheet.SetCell(Document::kName, 60, "slut");
    s.doc().sheet.SetCell(Document::kExpression, 60, "2*kontrol");
    for (int pass = 0; pass < 2; ++pass) Key(w, Qt::Key_F9);

    w.entry(TextId::kMenuSheetToClipboard)->trigger();
    QVERIFY(QGuiApplication::clipboard()->text().contains(
        QStringLiteral("\r\n   A8   længde   vx*tid")));
    w.entry(TextId::kMenuTableToClipboard)->trigger();
    QVERIFY(QGuiApplication::clipboard()->text().contains(QRegularExpression(
        "^     \r\n {7,}vx +vy\r\n     \r\n( +16.383 +11.472\r\n){2}     \r\n$")));

    const QString pdf = s.Path("print.pdf");
    PrintToPdf(w, pdf, QStringLiteral("Åse Ravn"));
    QCOMPARE(messages.texts, QStringList());
    if (!qEnvironmentVariableIsEmpty("RAVNELOK_WRITE_DOCS")) {
      QFile::remove(RAVNELOK_SOURCE_DIR "/docs/print-sample.pdf");
      QVERIFY(QFile::copy(pdf, RAVNELOK_SOURCE_DIR "/docs/print-sample.pdf"));
    }
    QVERIFY(Poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +2\n")));
    const QStringList pages = Poppler("pdftotext", {"-layout", pdf, "-"}).split('\f');
    for (const char* text : {"Åse Ravn", "Navn", "Udtryk", "Værdi", "Enhed", "længde", "38.28"}) {
      QVERIFY2(pages[0].contains(QString::fromUtf8(text)), text);
    }
    // The rest of the lines without a header, then the table.
    QVERIFY(!pages[1].contains("Udtryk"));
    QVERIFY(pages[1].contains(QRegularExpression("A60 +slut +2\\*kontrol +76.55(.|\n)*vx +vy")));
  }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
