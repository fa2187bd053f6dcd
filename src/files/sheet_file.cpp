#include "files/sheet_file.h"

#include <array>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "document/ui.h"
#include "files/file_io.h"
#include "text/cp1252.h"
#include "text/file_read.h"
#include "text/utf8.h"

namespace ravnelok {

namespace {

constexpr int kMinRowCount = 2;
constexpr int kMaxRowCount = kMaxLines + 1;

// The columns a sheet line keeps in the file, in file order.
constexpr std::array<int, 4> kFileColumns = {Document::kFixedMark, Document::kName,
                                             Document::kExpression, Document::kUnit};

// Lines end with CR LF or a lone LF; a line without an end at the end of the file still counts.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : rest_(bytes) {}
  bool AtEnd() const { return rest_.empty(); }
  // The next line without its end, or the empty text past the end of the file.
  std::string_view Next() {
    const auto lf = rest_.find('\n');
    std::string_view line = rest_.substr(0, lf);
    rest_.remove_prefix(lf == std::string_view::npos ? rest_.size() : lf + 1);
    if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    return line;
  }

 private:
  std::string_view rest_;
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// The integer a line starts with: leading blanks, an optional sign, digits, then the end of the
// line or a blank (what follows the blank is ignored). Nothing when there is no such integer or
// it does not fit.
std::optional<long long> LeadingInteger(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i < line.size() && line[i] == '+') ++i;
  long long value = 0;
  const char* first = line.data() + i;
  const char* last = line.data() + line.size();
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || ptr == first) return std::nullopt;
  if (ptr != last && !IsBlank(*ptr)) return std::nullopt;
  // from_chars reads "-" itself; a second sign after "+" is not a number.
  if (i > 0 && line[i - 1] == '+' && *first == '-') return std::nullopt;
  return value;
}

// A sheet as read from a file, checked whole before the document is touched.
struct ParsedSheet {
  int row_count = 0;
  LostCharacters lost;  // col is the index into a line's cells, row the line
  std::vector<std::array<std::string, 4>> cells;  // per line: mark, name, expression, unit
  std::vector<std::optional<int>> decimals;       // per line; nothing keeps default_decimals
};

std::optional<ParsedSheet> ParseSheet(std::string_view bytes) {
  LineReader reader(bytes);
  const auto count = LeadingInteger(reader.Next());
  if (!count || *count < kMinRowCount || *count > kMaxRowCount) return std::nullopt;
  ParsedSheet sheet;
  sheet.row_count = static_cast<int>(*count);
  const int lines = sheet.row_count - 1;
  sheet.cells.resize(lines);
  for (auto& line : sheet.cells) {
    for (auto& cell : line) cell = std::string(reader.Next());
  }
  sheet.decimals.resize(lines);
  if (!reader.AtEnd()) {
    for (auto& decimals : sheet.decimals) {
      const auto value = LeadingInteger(reader.Next());
      if (value && *value >= -1 && *value <= 7) decimals = static_cast<int>(*value);
    }
  }
  return sheet;
}

// A file that is UTF-8 throughout is read as such; the cells become Windows-1252.
void ConvertFromUtf8(ParsedSheet& sheet) {
  for (std::size_t k = 0; k < sheet.cells.size(); ++k) {
    for (std::size_t i = 0; i < sheet.cells[k].size(); ++i) {
      char32_t lost = 0;
      sheet.cells[k][i] = utf8::ToCp1252(sheet.cells[k][i], lost);
      if (lost != 0) {
        sheet.lost.push_back({static_cast<int>(i), static_cast<int>(k) + 1, 0, lost});
      }
    }
  }
}

// The parsed cells are moved into the sheet.
void ApplySheet(Document& doc, ParsedSheet& parsed) {
  TextGrid& sheet = doc.sheet;
  sheet.SetRowCount(parsed.row_count);
  doc.records.Rebuild(doc.settings.default_decimals);
  sheet.top_row = 1;
  if (sheet.CurrentRow() >= sheet.RowCount()) sheet.SetCurrent(sheet.CurrentCol(), 1);
  for (int k = 1; k < sheet.RowCount(); ++k) {
    sheet.SetCell(Document::kTableMark, k, std::string(kNoMarkText));
    sheet.SetCell(Document::kLabel, k, LabelOf(k));
    sheet.SetCell(Document::kValue, k, std::string());
    auto& line = parsed.cells[k - 1];
    // A mark cell holds "*" or a blank, nothing else: other mark bytes in a file mean no mark.
    // (Assigned as characters: the text itself draws a false -Wrestrict from GCC 12 at -O2.)
    if (line[0] != kFixedMarkText) line[0].assign(kNoMarkText.size(), kNoMarkText[0]);
    for (std::size_t i = 0; i < kFileColumns.size(); ++i) {
      sheet.SetCell(kFileColumns[i], k, std::move(line[i]));
    }
    if (parsed.decimals[k - 1]) doc.records.SetDecimals(k, *parsed.decimals[k - 1]);
  }
  doc.lost_characters.clear();
  for (LostCharacter lost : parsed.lost) {
    if (lost.col == 0) continue;  // a mark cell keeps no text
    lost.col = kFileColumns[static_cast<std::size_t>(lost.col)];
    lost.stamp = sheet.CellStamp(lost.col, lost.row);
    doc.lost_characters.push_back(lost);
  }
}

// "Arket er ikke gemt ..." with the line and the character's code, when a cell still holds a
// character that was lost on reading.
bool RefuseLostCharacters(const Document& doc, Ui& ui) {
  for (const LostCharacter& lost : doc.lost_characters) {
    if (lost.row >= doc.sheet.RowCount() || doc.sheet.CellStamp(lost.col, lost.row) != lost.stamp) {
      continue;
    }
    char code[16];
    const auto [end, ec] =
        std::to_chars(code, code + sizeof code, static_cast<unsigned long>(lost.code_point), 16);
    std::string hex(code, end);
    for (char& c : hex) c = static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
    hex.insert(0, hex.size() < 4 ? 4 - hex.size() : 0, '0');
    ui.ShowMessage(doc.texts[TextId::kCannotSaveCharacter] + " " + LabelOf(lost.row) + " (U+" +
                   hex + ")");
    return true;
  }
  return false;
}

void AppendLine(std::string& out, std::string_view text) {
  const std::size_t start = out.size();
  out.append(text);
  // A line feed inside a cell would split it into two file lines and shift every later cell.
  for (std::size_t i = start; i < out.size(); ++i) {
    if (out[i] == '\n') out[i] = ' ';
  }
  out.append("\r\n");
}

void AppendInteger(std::string& out, int value) {
  char digits[16];
  const auto [ptr, ec] = std::to_chars(digits, digits + sizeof digits, value);
  AppendLine(out, std::string_view(digits, static_cast<std::size_t>(ptr - digits)));
}

}  // namespace

bool HasSheetExtension(const std::string& path) {
  const std::string_view dot_extension = kSheetFilePattern.substr(1);  // ".rlk"
  return std::string_view(path).ends_with(dot_extension);
}

bool ReadSheet(Document& doc, Ui& ui, const std::string& path) {
  doc.settings.file_name = path;
  std::string bytes;
  const ReadResult read = ReadFileCapped(path, kMaxSheetFileBytes, bytes);
  if (read == ReadResult::kCannotOpen || !HasSheetExtension(path)) {
    ui.ShowMessage(doc.texts[TextId::kWrongFileType]);
    return false;
  }
  const auto backslash = doc.settings.file_name.rfind('\\');
  if (backslash != std::string::npos) doc.settings.file_name.erase(0, backslash + 1);

  std::optional<ParsedSheet> parsed;
  if (read == ReadResult::kOk) parsed = ParseSheet(bytes);
  if (parsed && utf8::IsMultiByteUtf8(bytes)) ConvertFromUtf8(*parsed);
  if (!parsed) {
    ui.ShowMessage(doc.texts[TextId::kWrongFileType]);
    return false;
  }
  ApplySheet(doc, *parsed);
  return true;
}

std::string SheetFileBytes(const Document& doc) {
  const TextGrid& sheet = doc.sheet;
  std::string out;
  AppendInteger(out, sheet.RowCount());
  for (int k = 1; k < sheet.RowCount(); ++k) {
    for (const int col : kFileColumns) AppendLine(out, sheet.Cell(col, k));
  }
  for (int k = 1; k < sheet.RowCount(); ++k) AppendInteger(out, doc.records.Decimals(k));
  // Windows-1252 text that happens to be valid UTF-8 would be read back as UTF-8 and come back
  // changed ("Ã¦" as "æ"); written as UTF-8 it comes back exactly.
  if (utf8::IsMultiByteUtf8(out)) {
    std::string as_utf8 = cp1252::ToUtf8(out);
    if (as_utf8.size() <= kMaxSheetFileBytes) return as_utf8;
  }
  return out;
}

namespace {

// The second line of a failed save's message, in the order of WriteFailure.
TextId SaveFailureText(WriteFailure failure) {
  constexpr TextId kTexts[] = {TextId::kSaveReasonOther,        TextId::kSaveReasonDiskFull,
                               TextId::kSaveReasonNoPermission, TextId::kSaveReasonReadOnly,
                               TextId::kSaveReasonNoFolder,     TextId::kSaveReasonOther};
  return kTexts[static_cast<size_t>(failure)];
}

}  // namespace

bool SaveSheet(Document& doc, Ui& ui, const std::string& path) {
  if (!HasSheetExtension(path)) {
    ui.ShowMessage(doc.texts[TextId::kWrongFileType]);
    return false;
  }
  if (RefuseLostCharacters(doc, ui)) return false;
  int error = 0;
  const WriteResult written = WriteFileAtomically(path, SheetFileBytes(doc), &error);
  if (written != WriteResult::kCannotCreate) doc.settings.file_name = path;
  if (written != WriteResult::kOk) {
    // The message stays; what the system said follows on a line of its own.
    ui.ShowMessage(doc.texts[TextId::kWrongFileType] + '\n' +
                   doc.texts[SaveFailureText(WriteFailureOf(error))]);
    return false;
  }
  return true;
}

}  // namespace ravnelok
