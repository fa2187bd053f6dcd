// The files out from the desktop program's menu, and the command line's pictures and PDF files
// against the desktop program's: the PNG against the graph bitmap pixel for pixel, the PDF
// against the print dialog's PDF printer word for word and position for position.
#include <QFileDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/sheet_commands.h"
#include "graphics/layout.h"
#include "gui/graph_area.h"
#include "gui_test_support.h"
#include "output/csv_export.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

namespace {

// Answers the next file dialog with `path`.
void ChooseFile(const QString& path) {
  OnModal<QFileDialog>([path](QFileDialog* dialog) {
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs a program; gives its exit status, or -1 when it did not finish.
int Run(const QString& program, const QStringList& args, QByteArray* out = nullptr) {
  QProcess process;
  process.start(program, args);
  if (!process.waitForFinished(60000)) return -1;
  if (out != nullptr) *out = process.readAllStandardOutput();
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// Each word of a PDF with its box, page by page ("pdftotext -bbox").
QStringList Words(const QString& pdf) {
  QByteArray html;
  Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}, &html);
  QStringList words;
  const QRegularExpression word(QStringLiteral("<(page|word)[^>]*>([^<]*)"));
  for (auto it = word.globalMatch(QString::fromUtf8(html)); it.hasNext();) {
    words << it.next().captured(0);
  }
  return words;
}

const QString kExample = QStringLiteral(RAVNELOK_SOURCE_DIR "/examples/kast.rlk");

// The example with lines 8 and 9 marked "T" and `passes` table rows.
void LoadExample(Started& s, int passes) {
  QVERIFY(LoadSheet(s.doc(), s.w(), kExample.toStdString()));
  s.w().RefreshViews();
  for (int k : {8, 9}) ClickCell(s.w(), 0, k);
  for (int pass = 0; pass < passes; ++pass) Key(s.w(), Qt::Key_F9);
}

}  // namespace

class FilesOutTest : public QObject {
  Q_OBJECT
 private slots:
  // A table of two columns over three passes; the CSV is the table's, the PNG the bitmap's
  // pixels and the SVG the same drawing in lines and text.
  void menuSavesTheTableAndTheGraph() {
    Started s;
    MessageWatch messages;
    MainWindow& w = s.w();
    LoadExample(s, 2);
    Key(w, Qt::Key_F5);

    ChooseFile(s.Path("tabel"));  // the extension comes with the dialog
    w.entry(TextId::kMenuSaveTableCsv)->trigger();
    const QByteArray csv = Bytes(s.Path("tabel.csv"));
    QCOMPARE(csv, QByteArray::fromStdString(TableCsv(s.doc())));
    QVERIFY(csv.startsWith("l\xC3\xA6ngde,h\xC3\xB8jde\r\n38.27668516445,6.700405872481\r\n"));

    ChooseFile(s.Path("graf.png"));
    w.entry(TextId::kMenuSaveGraphPicture)->trigger();
    const QImage png(s.Path("graf.png"));
    QVERIFY(!png.isNull());
    QCOMPARE(png.convertToFormat(QImage::Format_RGB32),
             w.bitmap().convertToFormat(QImage::Format_RGB32));

    ChooseFile(s.Path("graf.svg"));
    w.entry(TextId::kMenuSaveGraphPicture)->trigger();
    const QByteArray svg = Bytes(s.Path("graf.svg"));
    QVERIFY(svg.contains("<text") && svg.contains("<polyline") && !svg.contains("<image"));
    QCOMPARE(messages.texts, QStringList());

    ChooseFile(s.Path("graf.gif"));
    w.entry(TextId::kMenuSaveGraphPicture)->trigger();
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(!QFile::exists(s.Path("graf.gif")));
  }

  // The same sheet and graph printed with a name by the desktop program and by the command
  // line, whose graph bitmap has the size the program starts with.
  void commandLinePdfIsThePrintDialogsPdf() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils is missing");
    Started s;
    MessageWatch messages;
    MainWindow& w = s.w();
    const int bitmap_width = Document().graph.bitmap_width;
    const int bitmap_height = Document().graph.bitmap_height;
    // A window whose graph area is that size: the bitmap and the printed frame then are too.
    QSize client;
    for (int width = 600; width < 1100 && client.isEmpty(); ++width) {
      for (int height = 400; height < 700 && client.isEmpty(); ++height) {
        const AreaRect area =
            ComputeLayout(ViewMode::kSheetTableAndGraph, width, height, 0, 0).graph_area;
        if (area.width == bitmap_width && area.height == bitmap_height) client = {width, height};
      }
    }
    QVERIFY(!client.isEmpty());
    s.SetClientSize(client.width(), client.height());
    LoadExample(s, 3);
    Key(w, Qt::Key_F5);
    QCOMPARE(w.bitmap().size(), QSize(bitmap_width, bitmap_height));
    QCOMPARE(w.graphArea()->size(), QSize(bitmap_width, bitmap_height));
    const QString desktop = s.Path("desktop.pdf");
    PrintToPdf(w, desktop, QStringLiteral("Åse Ravn"));
    QCOMPARE(messages.texts, QStringList());

    const QString cli = s.Path("cli.pdf");
    const QStringList args = {"--mark", "8,9",   "--passes", "3",      "--graph",
                              "1",      "--pdf", cli,        "--name", QStringLiteral("Åse Ravn"),
                              kExample};
    QCOMPARE(Run(QStringLiteral(RAVNELOK_CALC_PATH), args), 0);
    const QStringList expected = Words(desktop);
    QVERIFY(expected.size() > 50);
    QCOMPARE(expected.filter(QStringLiteral("<page")).size(), 1);
    QCOMPARE(Words(cli), expected);

    // The command line's PNG of the same graph is the desktop program's bitmap.
    const QString png = s.Path("cli.png");
    QCOMPARE(Run(QStringLiteral(RAVNELOK_CALC_PATH),
                 {"--mark", "8,9", "--passes", "3", "--graph", "1", "--graph-file", png, kExample}),
             0);
    QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32),
             w.bitmap().convertToFormat(QImage::Format_RGB32));
  }

  // The example's SVG and the text of its PDF, against the golden files.
  void commandLineFilesMatchTheGoldenFiles() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils is missing");
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("kast.svg"));
    const QString pdf = dir.filePath(QStringLiteral("kast.pdf"));
    QCOMPARE(Run(QStringLiteral(RAVNELOK_CALC_PATH),
                 {"--mark", "8,9", "--passes", "3", "--graph", "1", "--graph-file", svg, "--pdf",
                  pdf, "--name", QStringLiteral("Åse Ravn"), kExample}),
             0);
    const QString data = QStringLiteral(RAVNELOK_SOURCE_DIR "/tests/data/");
    QCOMPARE(Bytes(svg), Bytes(data + "kast.svg"));
    QByteArray text;
    QCOMPARE(Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")},
                 &text),
             0);
    QCOMPARE(text, Bytes(data + "kast.pdf.txt"));
    // A graph that cannot be drawn writes no picture and says why.
    QByteArray out;
    QCOMPARE(Run(QStringLiteral(RAVNELOK_CALC_PATH),
                 {"--graph", "2", "--graph-file", dir.filePath(QStringLiteral("x.png")), kExample},
                 &out),
             1);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.png"))));
  }
};

QTEST_MAIN(FilesOutTest)
#include "files_out_test.moc"
