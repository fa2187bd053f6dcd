#include "document/ui_texts.h"

#include <gtest/gtest.h>

#include "document/document.h"

namespace ravnelok {
namespace {

std::string FileOf(int lines, const std::string& eol, const std::string& entry107 = "english") {
  std::string bytes;
  for (int j = 0; j < lines; ++j) bytes += (j == 107 ? entry107 : "text" + std::to_string(j)) + eol;
  return bytes;
}

TEST(UiTexts, TextFileReplacesTheWholeTable) {
  const struct {
    std::string bytes;
    const char *entry0, *entry119;
    bool english;
  } cases[] = {{FileOf(120, "\r\n"), "text0", "text119", true},
               {FileOf(50, "\r\n"), "text0", "", false},  // short file: the rest is empty
               {FileOf(120, "\r\n", "English"), "text0", "text119", false},
               {"", "", "", false}};
  for (const auto& c : cases) {
    UiTexts texts;
    texts.LoadFromFileBytes(c.bytes);
    EXPECT_EQ(texts[TextId::kMenuFile], c.entry0);
    EXPECT_EQ(texts[TextId::kHeaderValue], c.bytes.empty() ? "" : "text48");
    EXPECT_EQ(texts[TextId::kSpare119], c.entry119);
    EXPECT_EQ(texts.English(), c.english);
  }
}

TEST(Document, GridInitialisationAndLineCount) {
  Document doc;
  doc.InitialiseGrid();
  doc.sheet.SetCell(Document::kUnit, 199, "m");
  doc.SetLineCount(198);
  doc.SetLineCount(5000);
  EXPECT_EQ(doc.sheet.Cell(Document::kUnit, 199), "");  // dropped rows lose their contents
  EXPECT_EQ(doc.sheet.RowCount(), 1000);
  EXPECT_EQ(doc.sheet.Cell(2, 999), "A999");
}

}  // namespace
}  // namespace ravnelok
