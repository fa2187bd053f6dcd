#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "document/modes.h"

namespace ravnelok {

class Canvas;
class PrintTarget;

// The decimals dialog (TBtnBottomDlg). Its logic lives with the decimals commands; the widget
// only shows these fields and calls the three actions.
struct DecimalsDialog {
  std::string caption, yes, no, check_caption;
  std::string field;  // read-only number field
  int spin = 0;
  bool auto_checked = false;  // remembered between uses
  int value_width = 10;
  bool Editable() const { return !auto_checked; }
  void SpinUp();
  void SpinDown();
  void ToggleCheck() { auto_checked = !auto_checked; }
};

// The start values dialog (TBtnBottomDlg1): row 0 is the header; column 1 of the other rows is
// editable.
struct StartValuesDialog {
  std::string caption, ok, cancel;
  int height = 230;
  std::vector<std::array<std::string, 2>> rows;
};

// The text input dialog (TBtnBottomDlg3).
struct TextInputDialog {
  std::string caption, label, field, yes, no;
};

// The angle dialog (TForm5).
struct AngleDialog {
  std::string caption, label, group, degrees, radians, ok;
  AngleUnit choice = AngleUnit::kDegrees;
};

// The graph settings dialogs: `form` 2 (TForm2, bars and curves from the sheet) and 4 (TForm4,
// from the table) show a radio group (`group`, `choices`, the selected `choice`); form 3
// (TForm3, xy-points) shows the check boxes. Each has only the button `ok`.
struct GraphSettingsDialog {
  GraphForm form = GraphForm::kSheetAxis;
  std::string caption, group, ok;
  std::vector<std::string> choices;
  int choice = 0;
  std::vector<std::string> check_captions;
  std::vector<bool> checks;  // one per caption
};

// What the printout takes from the screen, in screen pixels.
struct ScreenMetrics {
  int screen_width = 0;
  int graph_area_width = 0;  // the graph area's current size
  int graph_area_height = 0;
};

// The kinds of picture file the graph can be written to, known by their extensions.
enum class PictureFormat { kPng, kSvg };

// Everything that asks or tells the user. Texts are Windows-1252. The desktop program
// implements it with real dialogs; tests with a scripted fake.
class Ui {
 public:
  virtual ~Ui() = default;

  // The modal message box: the text, an empty title, one OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // The confirmation dialog (TBtnBottomDlg2): true for the confirming button.
  virtual bool Confirm(const std::string& caption, const std::string& message,
                       const std::string& yes, const std::string& no) = 0;
  virtual bool RunDecimalsDialog(DecimalsDialog& dialog) = 0;
  virtual bool RunStartValuesDialog(StartValuesDialog& dialog) = 0;
  virtual bool RunTextInputDialog(TextInputDialog& dialog) = 0;
  // True when the dialog was closed with its button (the choice then counts).
  virtual bool RunAngleDialog(AngleDialog& dialog) = 0;
  // File dialogs: the chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> AskOpenFileName(const std::string& title,
                                                     const std::string& initial) = 0;
  virtual std::optional<std::string> AskSaveFileName(const std::string& title,
                                                     const std::string& initial) = 0;

  // The window follows `view_mode` (lay-out and the pressed view button).
  virtual void LayOutWindow() {}
  // The graph bitmap was drawn anew and should be copied to the graph area.
  virtual void GraphChanged() {}
  // The canvas of the graph bitmap, sized doc.graph.bitmap_width x
  // doc.graph.bitmap_height; nullptr when there is none (headless), and then nothing is drawn.
  virtual Canvas* GraphCanvas() { return nullptr; }
  // Shows a graph settings dialog modally. Its controls' states count however it is closed.
  virtual void RunGraphSettingsDialog(GraphSettingsDialog&) {}

  // The print dialog (the printer and its settings): false when the user cancels.
  virtual bool RunPrintDialog() { return false; }
  // The standard one-line input box: the answer, or nothing when the user cancels.
  virtual std::optional<std::string> AskText(const std::string& /*caption*/,
                                             const std::string& /*prompt*/,
                                             const std::string& /*value*/) {
    return std::nullopt;
  }
  // Begins the job on the printer the print dialog chose; nullptr when it cannot begin. The
  // target lives until EndPrintJob(), which finishes the job.
  virtual PrintTarget* BeginPrintJob() { return nullptr; }
  virtual void EndPrintJob() {}
  virtual ScreenMetrics Screen() { return {}; }

  // The save dialog for a file that is not a sheet: `filter` lists its patterns ("*.csv");
  // the chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> AskExportFileName(const std::string& /*title*/,
                                                       const std::string& /*initial*/,
                                                       const std::string& /*filter*/) {
    return std::nullopt;
  }
  // Draws the current graph into a picture file of the graph bitmap's size: false when the
  // file could not be written (or there is no painter, headless).
  virtual bool WriteGraphPicture(const std::string& /*path*/, PictureFormat /*format*/) {
    return false;
  }
};

}  // namespace ravnelok
