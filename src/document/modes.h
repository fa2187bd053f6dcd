#pragma once

#include <string_view>

namespace ravnelok {

// What the main window shows; the values are those of the three view buttons.
enum class ViewMode { kSheet = 1, kSheetAndTable = 2, kSheetTableAndGraph = 3 };

// The graph kinds of the graph menu. Table kinds draw from the table, sheet kinds from the
// selected sheet lines.
enum class GraphKind {
  kNone = 0,
  kTableXy = 1,
  kSheetBars = 2,
  kSheetCurve = 3,
  kTableBars = 4,
  kTableCurve = 5,
  kSheetFrequency = 6,
  kTableFrequency = 7,
};

constexpr bool IsGraph(GraphKind k) {
  return k >= GraphKind::kTableXy && k <= GraphKind::kTableFrequency;
}
constexpr bool IsTableGraph(GraphKind k) {
  return k == GraphKind::kTableXy || k == GraphKind::kTableBars || k == GraphKind::kTableCurve ||
         k == GraphKind::kTableFrequency;
}
constexpr bool IsSheetGraph(GraphKind k) {
  return k == GraphKind::kSheetBars || k == GraphKind::kSheetCurve ||
         k == GraphKind::kSheetFrequency;
}
// Bars and curves: one value per row against its row.
constexpr bool IsBarGraph(GraphKind k) {
  return k >= GraphKind::kSheetBars && k <= GraphKind::kTableCurve;
}
constexpr bool IsCurveGraph(GraphKind k) {
  return k == GraphKind::kSheetCurve || k == GraphKind::kTableCurve;
}
constexpr bool IsFrequencyGraph(GraphKind k) {
  return k == GraphKind::kSheetFrequency || k == GraphKind::kTableFrequency;
}

// The angle unit the angle dialog offers.
enum class AngleUnit { kDegrees, kRadians };

// What numbers the bars and curves along the x axis: the lines' names (sheet graphs only), or
// the rows counted from 1 or from 0.
enum class XAxisLabels { kNames, kFromOne, kFromZero };

// The graph settings dialogs, by their form number.
enum class GraphForm {
  kSheetAxis = 2,  // TForm2: bars and curves from the sheet
  kXyPoints = 3,   // TForm3: xy-points
  kTableAxis = 4,  // TForm4: bars and curves from the table
};

// The marks of a sheet line: "T" in column 0 records the line in the table, "*" in column 1
// fixes it; a line without a mark holds a blank.
inline constexpr std::string_view kTableMarkText = "T";
inline constexpr std::string_view kFixedMarkText = "*";
// Whether a mark cell holds `mark`; compared inline, since every pass asks it of every line.
inline bool IsMark(std::string_view cell, std::string_view mark) {
  return cell.size() == mark.size() && (cell.empty() || (cell[0] == mark[0] && cell == mark));
}
inline constexpr std::string_view kNoMarkText = " ";

}  // namespace ravnelok
