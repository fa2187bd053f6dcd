#pragma once

#include <QImage>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/sheet_change.h"
#include "document/ui.h"
#include "editing/cell_edit.h"
#include "graphics/layout.h"
#include "gui/graph_bitmap.h"
#include "gui/tool_buttons.h"

class QAction;
class QMenu;
class QPrinter;
class QTranslator;
class QButtonGroup;
class QItemSelection;
class QMenu;
class QToolButton;

namespace ravnelok::gui {

class AboutBox;
class AngleDialogWidget;
class CellEditor;
class ConfirmDialogWidget;
class DecimalsDialogWidget;
class GraphArea;
class GraphSettingsForm;
class GridModel;
class HelpWindow;
class QtPrintTarget;
class SheetView;
class StartValuesDialogWidget;
class TextInputDialogWidget;
class UndoHistory;

// The files-out menu items (the table as CSV, the graph as a picture), in TextId order.
inline constexpr std::size_t kFilesOutFirst = static_cast<std::size_t>(TextId::kMenuSaveTableCsv);

// The main window: owns the Document, shows it, and turns widget events into commands. It is
// also the Ui port, with the real dialogs.
class MainWindow : public QMainWindow, public Ui {
  Q_OBJECT
 public:
  // `args`: the command-line arguments after the program name, as the system gave them.
  explicit MainWindow(std::vector<std::string> args = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  Document& document() { return doc_; }

  // The widgets, for the widget tests.
  QAction* entry(TextId id) const {
    const auto i = static_cast<size_t>(id);
    return i < entries_.size() ? entries_[i] : files_out_entries_.at(i - kFilesOutFirst);
  }
  QToolButton* toolButton(ToolButton b) const { return buttons_[static_cast<size_t>(b)]; }
  SheetView* sheetView() const { return sheet_view_; }
  SheetView* tableView() const { return table_view_; }
  CellEditor* editor() const { return editor_; }
  QWidget* client() const { return client_; }
  QWidget* sheetArea() const { return sheet_panel_; }
  QWidget* tableArea() const { return table_panel_; }
  GraphArea* graphArea() const { return graph_area_; }
  const QImage& bitmap() { return bitmap_.Image(); }
  GraphSettingsForm* graphSettingsForm(GraphForm form) const;
  bool editing() const { return editing_; }
  DecimalsDialogWidget* decimalsDialog() const { return decimals_dialog_; }
  StartValuesDialogWidget* startValuesDialog() const { return start_values_dialog_; }
  ConfirmDialogWidget* confirmDialog() const { return confirm_dialog_; }
  TextInputDialogWidget* textInputDialog() const { return text_input_dialog_; }
  AngleDialogWidget* angleDialog() const { return angle_dialog_; }
  AboutBox* aboutBox() const { return about_box_; }
  HelpWindow* helpWindow() const { return help_window_; }
  UndoHistory* history() const { return history_; }
  // The printer the print dialog sets up, kept for the program's run (made when first asked).
  QPrinter* printer();
  // Qt's own dialogs (print, files) speak Danish through `translator`, installed once the texts
  // are loaded unless they make the English edition.
  void SetDialogTranslator(QTranslator* translator) { dialog_translator_ = translator; }
  // The text table from --texts, used when the working folder holds no ravnmenu.txt.
  void SetTextsFile(std::string path) { texts_file_ = std::move(path); }
  // The position of a sheet cell in the sheet view's viewport (its centre).
  QPoint SheetCellCentre(int col, int row) const;

  // Shows what the Document holds: cells, current cells, selections, scroll positions.
  void RefreshViews();

  // Ui
  void ShowMessage(const std::string& text) override;
  bool Confirm(const std::string& caption, const std::string& message, const std::string& yes,
               const std::string& no) override;
  bool RunDecimalsDialog(DecimalsDialog& dialog) override;
  bool RunStartValuesDialog(StartValuesDialog& dialog) override;
  bool RunTextInputDialog(TextInputDialog& dialog) override;
  bool RunAngleDialog(AngleDialog& dialog) override;
  std::optional<std::string> AskOpenFileName(const std::string& title,
                                             const std::string& initial) override;
  std::optional<std::string> AskSaveFileName(const std::string& title,
                                             const std::string& initial) override;
  void LayOutWindow() override;
  void GraphChanged() override;
  Canvas* GraphCanvas() override;
  void RunGraphSettingsDialog(GraphSettingsDialog& dialog) override;
  bool RunPrintDialog() override;
  std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                     const std::string& value) override;
  PrintTarget* BeginPrintJob() override;
  void EndPrintJob() override;
  ScreenMetrics Screen() override;
  std::optional<std::string> AskExportFileName(const std::string& title, const std::string& initial,
                                               const std::string& filter) override;
  bool WriteGraphPicture(const std::string& path, PictureFormat format) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildAreas();
  void ApplyTexts();
  void InitialiseGridMessage();
  void CommandLineOpenMessage();
  // The bitmap takes the size of the graph area the client has room for.
  void SizeBitmapToWindow();
  // A restored window that reaches past the screen's available area, title bar included,
  // is fitted into it.
  void FitRestoredWindow();

  // Every menu item and tool button: the editor commits first, the views follow after.
  void Run(const std::function<void()>& command);
  // Undo and redo (main_window_undo.cpp): runs a command that may change the sheet and keeps
  // what it changed in the history; a command that opened a sheet starts a fresh history.
  void Record(const std::function<void()>& command);
  void StartFreshHistory() { fresh_history_ = true; }
  void BuildHistory(QMenu* edit_menu);
  void ApplyChange(SheetChange& change, bool undo);
  void ShowAbout();
  void ShowHelp();
  void ClearLinesCommand();

  // Cell editing.
  void PlaceEditorAt(int col, int row, bool reload);
  void OpenEditor(const std::string* text);
  void CommitEditor();
  void OnSheetPressed(Qt::MouseButton button, int col, int row, bool* handled);
  void OnSheetDoubleClicked();
  void OnCharacterTyped(const QString& text, bool* handled);
  void OnEditorKeyReleased(int key);
  void OnEditorFocusLost(Qt::FocusReason reason);
  void OnEditorTextEdited(const QString& text);
  void FinishEditing(EditorKey key);
  // Escape: the editor closes and its cell keeps its text.
  void CancelEditor();
  // Tab and Shift+Tab: commit, and edit the next (previous) editable cell.
  void MoveEditorByTab(bool backward);

  // Views <-> Document.
  void PushGrid(const TextGrid& grid, SheetView* view, GridModel* model, int& top_pushed);
  void PullGrid(TextGrid& grid, SheetView* view);
  void OnSheetCurrentChanged();
  void OnSheetScrolled();

  Document doc_;
  std::vector<std::string> args_;
  std::string texts_file_;
  QString working_folder_;
  GraphBitmap bitmap_;
  // Until a graph is drawn the bitmap follows the window: a window manager maximises the
  // window only after the first layout. From the first graph on it keeps its size.
  bool grid_initialised_ = false;
  bool bitmap_in_use_ = false;
  bool fit_when_resized_ = false;  // restored: the next resize is the restore's

  QWidget* client_ = nullptr;
  QWidget* tool_bar_ = nullptr;
  std::array<QToolButton*, kToolButtonCount> buttons_{};
  QButtonGroup* view_group_ = nullptr;  // the view buttons; a button's id is its view mode
  QWidget* sheet_panel_ = nullptr;
  SheetView* sheet_view_ = nullptr;
  GridModel* sheet_model_ = nullptr;
  CellEditor* editor_ = nullptr;
  GraphArea* graph_area_ = nullptr;
  QWidget* table_panel_ = nullptr;
  SheetView* table_view_ = nullptr;
  GridModel* table_model_ = nullptr;
  std::array<QAction*, kMenuEntryCount> entries_{};
  // "Gem tabel som CSV .." and "Gem grafik som billede .." (main_window_files.cpp).
  std::array<QAction*, 2> files_out_entries_{};
  void BuildFilesOutEntries(QMenu* filer);
  void ApplyFilesOutTexts();

  DecimalsDialogWidget* decimals_dialog_ = nullptr;
  AngleDialogWidget* angle_dialog_ = nullptr;
  AboutBox* about_box_ = nullptr;
  StartValuesDialogWidget* start_values_dialog_ = nullptr;
  ConfirmDialogWidget* confirm_dialog_ = nullptr;
  TextInputDialogWidget* text_input_dialog_ = nullptr;
  HelpWindow* help_window_ = nullptr;
  std::array<GraphSettingsForm*, 3> graph_forms_{};
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QtPrintTarget> print_job_;
  QTranslator* dialog_translator_ = nullptr;
  UndoHistory* history_ = nullptr;
  bool fresh_history_ = false;

  bool shown_once_ = false;
  bool editing_ = false;
  bool committing_ = false;
  bool syncing_ = false;
  int sheet_top_pushed_ = 1;
  int table_top_pushed_ = 1;
  int last_col_ = -1;
  int last_row_ = -1;
};

}  // namespace ravnelok::gui
