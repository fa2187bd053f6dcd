// The files out from the menu, and the command line's against the desktop program's: the PNG
// against the graph bitmap pixel for pixel, the PDF against the print dialog's PDF printer word
// for word and position for position; the SVG and the PDF's text against golden files.
#include <QFileDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/sheet_commands.h"
#include "files/write_faults.h"
#include "graphics/layout.h"
#include "gui/graph_area.h"
#include "gui/picture_files.h"
#include "gui_test_support.h"
#include "output/csv_export.h"
#include "support/temp_dir.h"

using namespace ravnelok;
using namespace ravnelok::gui;
using namespace ravnelok::gui::testing;

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs a program: its standard output, and its exit status in `status`.
QByteArray Run(const QString& program, const QStringList& args, int& status) {
  QProcess process;
  process.start(program, args);
  status = process.waitForFinished(60000) ? process.exitCode() : -1;
  return process.readAllStandardOutput();
}

// Each page and word of a PDF with its box ("pdftotext -bbox").
QStringList Words(const QString& pdf) {
  int status = 0;
  const QString html = QString::fromUtf8(Run("pdftotext", {"-bbox", pdf, "-"}, status));
  QStringList words;
  const QRegularExpression word(QStringLiteral("<(page|word)[^>]*>([^<]*)"));
  for (auto it = word.globalMatch(html); it.hasNext();) words << it.next().captured(0);
  return words;
}

const QString kExample = QStringLiteral(RAVNELOK_SOURCE_DIR "/examples/kast.rlk");

// Lets the first `limit` bytes of a file through.
struct FailAfter : WriteFaultPlan {
  explicit FailAfter(std::size_t limit) : limit(limit) {}
  std::size_t Allow(std::size_t) override { return limit; }
  std::size_t limit;
};

}  // namespace

class FilesOutTest : public QObject {
  Q_OBJECT
 private slots:
  // A picture cut short at any 512-byte offset leaves the old file as it was, and nothing else.
  void aFailedPictureKeepsTheOldFile() {
    QTemporaryDir dir;
    Document doc;  // the blank bitmap
    for (const auto format : {PictureFormat::kPng, PictureFormat::kSvg}) {
      const std::string path = dir.filePath("graf").toStdString();
      QVERIFY(WriteGraphPicture(doc, path, format));
      const qsizetype size = Bytes(QString::fromStdString(path)).size();
      QVERIFY(size > 512);
      ::ravnelok::testing::WriteBytes(path, "the old file");
      std::vector<qsizetype> limits = {size - 1};  // and the last byte cut off
      for (qsizetype limit = 0; limit < size; limit += 512) limits.push_back(limit);
      for (const qsizetype limit : limits) {
        FailAfter plan(static_cast<std::size_t>(limit));
        ScopedWriteFaults faults(plan);
        QVERIFY(!WriteGraphPicture(doc, path, format));
        QCOMPARE(Bytes(QString::fromStdString(path)), QByteArray("the old file"));
      }
      QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"graf"});
    }
  }

  void desktopAndCommandLineWriteTheSameFiles() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils is missing");
    Started s;
    MessageWatch messages;
    MainWindow& w = s.w();
    // A window whose graph area has the bitmap size the command line draws at.
    const QSize bitmap(Document().graph.bitmap_width, Document().graph.bitmap_height);
    QSize client;
    for (int width = 600; width < 1100 && client.isEmpty(); ++width) {
      for (int height = 400; height < 700 && client.isEmpty(); ++height) {
        const AreaRect a =
            ComputeLayout(ViewMode::kSheetTableAndGraph, width, height, 0, 0).graph_area;
        if (QSize(a.width, a.height) == bitmap) client = {width, height};
      }
    }
    s.SetClientSize(client.width(), client.height());
    QVERIFY(LoadSheet(s.doc(), w, kExample.toStdString()));
    w.RefreshViews();
    for (int k : {8, 9}) ClickCell(w, 0, k);
    for (int pass = 0; pass < 3; ++pass) Key(w, Qt::Key_F9);
    Key(w, Qt::Key_F5);
    QCOMPARE(w.graphArea()->size(), bitmap);

    for (const char* name : {"tabel", "graf.png", "graf.svg"}) {  // "tabel" gets ".csv"
      OnModal<QFileDialog>([&s, name](QFileDialog* d) { ChooseFile(d, s.Path(name)); });
      w.entry(*name == 't' ? TextId::kMenuSaveTableCsv : TextId::kMenuSaveGraphPicture)->trigger();
    }
    QCOMPARE(Bytes(s.Path("tabel.csv")), QByteArray::fromStdString(TableCsv(s.doc())));
    const QImage shown = w.bitmap().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(QImage(s.Path("graf.png")).convertToFormat(QImage::Format_RGB32), shown);
    QVERIFY(Bytes(s.Path("graf.svg")).contains("<text"));  // text as text, not as a picture
    PrintToPdf(w, s.Path("desktop.pdf"), QStringLiteral("Åse Ravn"));
    QCOMPARE(messages.texts, QStringList());

    const QStringList cli = {"--mark", "8,9", "--passes", "3", "--graph", "1", kExample};
    int status = 0;
    Run(RAVNELOK_CALC_PATH, cli + QStringList{"--graph-file", s.Path("cli.png")}, status);
    Run(RAVNELOK_CALC_PATH,
        cli + QStringList{"--graph-file", s.Path("cli.svg"), "--pdf", s.Path("cli.pdf"), "--name",
                          QStringLiteral("Åse Ravn")},
        status);
    QCOMPARE(status, 0);
    QCOMPARE(QImage(s.Path("cli.png")).convertToFormat(QImage::Format_RGB32), shown);
    const QStringList expected = Words(s.Path("desktop.pdf"));
    QVERIFY(expected.size() > 50);
    QCOMPARE(expected.filter(QStringLiteral("<page")).size(), 1);
    QCOMPARE(Words(s.Path("cli.pdf")), expected);
    const QString data = QStringLiteral(RAVNELOK_SOURCE_DIR "/tests/data/");
    QCOMPARE(Bytes(s.Path("cli.svg")), Bytes(data + "kast.svg"));
    QCOMPARE(Run("pdftotext", {"-layout", s.Path("cli.pdf"), "-"}, status),
             Bytes(data + "kast.pdf.txt"));
  }
};

QTEST_MAIN(FilesOutTest)
#include "files_out_test.moc"
