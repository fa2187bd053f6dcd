#include "document/ui_texts.h"

#include <gtest/gtest.h>

#include "document/document.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

std::string FileOf(int lines, const std::string& eol, const std::string& entry107 = "english") {
  std::string bytes;
  for (int j = 0; j < lines; ++j) bytes += (j == 107 ? entry107 : "text" + std::to_string(j)) + eol;
  return bytes;
}

// Menu entries have no built-in text, the widgets keep theirs; a missing file keeps them all.
TEST(UiTexts, BuiltInTextsAreDanishAndCaptionsAreKept) {
  UiTexts texts;
  EXPECT_EQ(texts[TextId::kSheetTextHeader].find(texts[TextId::kHeaderValue]), 61u);
  EXPECT_EQ(texts[TextId::kMenuFile] + "|" + cp1252::ToUtf8(texts.Caption(TextId::kMenuOpen)),
            "|Å&bn ark ..");
  texts.Set(TextId::kHeaderValue, "changed");
  EXPECT_FALSE(texts.Load("/nonexistent/ravnmenu.txt"));
  EXPECT_EQ(cp1252::ToUtf8(texts[TextId::kHeaderValue]), "Værdi");
}

TEST(UiTexts, TextFileReplacesTheWholeTable) {
  const struct {
    std::string bytes;
    const char *entry0, *entry119;
    bool english;
  } cases[] = {{FileOf(120, "\r\n"), "text0", "text119", true},
               {FileOf(50, "\r\n"), "text0", "", false},  // short file: the rest is empty
               {FileOf(120, "\r\n", "English"), "text0", "text119", false},
               {FileOf(125, "\r\n"), "text0", "text119", true},
               {"", "", "", false}};
  for (const auto& c : cases) {
    UiTexts texts;
    texts.LoadFromFileBytes(c.bytes);
    EXPECT_TRUE(texts.from_file());
    EXPECT_EQ(texts[TextId::kMenuFile], c.entry0);
    EXPECT_EQ(texts[TextId::kHeaderValue], c.bytes.empty() ? "" : "text48");
    EXPECT_EQ(texts[TextId::kSpare119], c.entry119);
    EXPECT_EQ(texts.English(), c.english);
  }
}

TEST(Document, GridInitialisationAndLineCount) {
  Document doc;
  doc.InitialiseGrid();
  EXPECT_EQ(doc.sheet.RowCount(), 200);
  EXPECT_EQ(cp1252::ToUtf8(doc.sheet.Cell(0, 0) + doc.sheet.Cell(1, 0) + doc.sheet.Cell(5, 0)),
            "T*Værdi");
  EXPECT_EQ(std::pair(doc.sheet.CurrentCol(), doc.sheet.CurrentRow()), std::pair(3, 1));
  doc.sheet.SetCell(Document::kUnit, 199, "m");
  doc.SetLineCount(198);
  doc.SetLineCount(199);
  EXPECT_EQ(doc.sheet.Cell(Document::kUnit, 199), "");  // dropped rows lose their contents
  doc.SetLineCount(5000);
  EXPECT_EQ(doc.sheet.RowCount(), 1000);
  EXPECT_EQ(doc.sheet.Cell(2, 999), "A999");
}

}  // namespace
}  // namespace ravnelok
