#include "gui/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QWindow>

#include "app/caption.h"
#include "app/command_line.h"
#include "app/confirm_close.h"
#include "app/edit_commands.h"
#include "app/help_file.h"
#include "app/print_command.h"
#include "app/settings_commands.h"
#include "app/sheet_commands.h"
#include "app/start_options.h"
#include "expression/why.h"
#include "graphics/graph.h"
#include "graphics/layout.h"
#include "gui/dialogs.h"
#include "gui/graph_area.h"
#include "gui/graph_dialogs.h"
#include "gui/grid_model.h"
#include "gui/icons.h"
#include "gui/picture_files.h"
#include "gui/qt_printer.h"
#include "gui/qt_text.h"
#include "gui/sheet_view.h"
#include "gui/tool_buttons.h"
#include "gui/undo_history.h"
#include "output/text_export.h"
#include "sheet/decimals.h"

namespace ravnelok::gui {

namespace {

// The graph menu items and the kinds they draw.
struct GraphMenuEntry {
  TextId entry;
  GraphKind kind;
};
constexpr GraphMenuEntry kGraphMenuEntries[] = {
    {TextId::kMenuSheetBars, GraphKind::kSheetBars},
    {TextId::kMenuSheetCurve, GraphKind::kSheetCurve},
    {TextId::kMenuSheetFrequency, GraphKind::kSheetFrequency},
    {TextId::kMenuTableXy, GraphKind::kTableXy},
    {TextId::kMenuTableBars, GraphKind::kTableBars},
    {TextId::kMenuTableCurve, GraphKind::kTableCurve},
    {TextId::kMenuTableFrequency, GraphKind::kTableFrequency}};

// The slot of a graph settings form in graph_forms_.
size_t FormSlot(GraphForm form) {
  return static_cast<size_t>(form) - static_cast<size_t>(GraphForm::kSheetAxis);
}

}  // namespace

MainWindow::MainWindow(std::vector<std::string> args, QWidget* parent)
    : QMainWindow(parent), args_(std::move(args)), working_folder_(QDir::currentPath()) {
  setObjectName("Form1");
  setWindowTitle(QString::fromLatin1(kMainCaption));
  setWindowIcon(ProgramIcon());
  bitmap_.SetSize(doc_.graph.bitmap_width, doc_.graph.bitmap_height);
  BuildMenus();
  BuildAreas();
  BuildToolBar();
  // The dialogs, each created once and hidden, in the program's order.
  decimals_dialog_ = new DecimalsDialogWidget(this);
  angle_dialog_ = new AngleDialogWidget(this);
  about_box_ = new AboutBox(this);
  start_values_dialog_ = new StartValuesDialogWidget(this);
  confirm_dialog_ = new ConfirmDialogWidget(this);
  text_input_dialog_ = new TextInputDialogWidget(this);
  help_window_ = new HelpWindow(this);
  for (const GraphForm form :
       {GraphForm::kSheetAxis, GraphForm::kXyPoints, GraphForm::kTableAxis}) {
    graph_forms_[FormSlot(form)] = new GraphSettingsForm(form, this);
  }
  resize(900, 600);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  auto slot = [this](TextId id) -> QAction*& { return entries_[static_cast<size_t>(id)]; };
  auto menu = [&](QMenu* parent, TextId id) {
    QMenu* m = parent ? parent->addMenu(QString()) : bar->addMenu(QString());
    slot(id) = m->menuAction();
    return m;
  };
  auto item = [&](QMenu* m, TextId id, const std::function<void()>& command) {
    QAction* action = m->addAction(QString());
    slot(id) = action;
    if (command) connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    return action;
  };
  Document& d = doc_;
  QMenu* filer = menu(nullptr, TextId::kMenuFile);
  item(filer, TextId::kMenuNewSheet, [this, &d] { NewSheetCommand(d, *this); });
  item(filer, TextId::kMenuOpen, [this, &d] {
    if (OpenCommand(d, *this)) StartFreshHistory();
  });
  item(filer, TextId::kMenuSave, [this, &d] { SaveCommand(d, *this); });
  BuildFilesOutEntries(filer);
  filer->addSeparator();
  item(filer, TextId::kMenuPrint, [this, &d] { PrintCommand(d, *this); });
  filer->addSeparator();
  connect(item(filer, TextId::kMenuExit, nullptr), &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menu(nullptr, TextId::kMenuEdit);
  item(edit, TextId::kMenuCopy, [this, &d] { CopyCommand(d, *this); });
  item(edit, TextId::kMenuPaste, [this, &d] { PasteCommand(d, *this); });
  edit->addSeparator();
  item(edit, TextId::kMenuInsertLines, [this, &d] { InsertLinesCommand(d, *this); });
  item(edit, TextId::kMenuDeleteLines, [this, &d] { DeleteLinesCommand(d, *this); });
  connect(item(edit, TextId::kMenuClearLines, nullptr), &QAction::triggered, this,
          [this] { ClearLinesCommand(); });
  edit->addSeparator();
  item(edit, TextId::kMenuSheetToClipboard,
       [&d] { QGuiApplication::clipboard()->setText(Q(SheetText(d))); });
  item(edit, TextId::kMenuTableToClipboard,
       [&d] { QGuiApplication::clipboard()->setText(Q(TableText(d))); });
  item(edit, TextId::kMenuGraphToClipboard,
       [this] { QGuiApplication::clipboard()->setImage(bitmap_.Image()); });
  BuildHistory(edit);

  QMenu* settings = menu(nullptr, TextId::kMenuSettings);
  item(settings, TextId::kMenuLineCount, [this, &d] { NumberOfLinesCommand(d, *this); });
  item(settings, TextId::kMenuDecimals, [this, &d] { DecimalsDialogCommand(d, *this); });
  item(settings, TextId::kMenuAngle, [this, &d] { AngleCommand(d, *this); });

  QMenu* functions = menu(nullptr, TextId::kMenuFunctions);
  item(functions, TextId::kMenuStartValues, [this, &d] { StartValuesCommand(d, *this); });
  item(functions, TextId::kMenuRecalculate, [this, &d] { RecalculateCommand(d, *this); });

  QMenu* graphics = menu(nullptr, TextId::kMenuGraphics);
  QMenu* from_sheet = menu(graphics, TextId::kMenuFromSheet);
  QMenu* from_table = menu(graphics, TextId::kMenuFromTable);
  for (const GraphMenuEntry& g : kGraphMenuEntries) {
    const GraphKind kind = g.kind;
    item(IsTableGraph(kind) ? from_table : from_sheet, g.entry,
         [this, &d, kind] { GraphCommand(d, *this, kind); });
  }
  graphics->addSeparator();
  item(graphics, TextId::kMenuEditGraph, [this, &d] { EditGraphSettings(d, *this); });

  QMenu* help = menu(nullptr, TextId::kMenuHelp);
  connect(item(help, TextId::kMenuAbout, nullptr), &QAction::triggered, this,
          [this] { ShowAbout(); });
  connect(item(help, TextId::kMenuGuide, nullptr), &QAction::triggered, this,
          [this] { ShowHelp(); });

  const std::pair<TextId, QKeySequence> shortcuts[] = {
      {TextId::kMenuNewSheet, QKeySequence(Qt::CTRL | Qt::Key_N)},
      {TextId::kMenuOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {TextId::kMenuSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {TextId::kMenuCopy, QKeySequence(Qt::CTRL | Qt::Key_C)},
      {TextId::kMenuPaste, QKeySequence(Qt::CTRL | Qt::Key_V)},
      {TextId::kMenuClearLines, QKeySequence(Qt::Key_Delete)},
      {TextId::kMenuStartValues, QKeySequence(Qt::Key_F10)},
      {TextId::kMenuRecalculate, QKeySequence(Qt::Key_F9)},
      {TextId::kMenuTableXy, QKeySequence(Qt::Key_F5)},
      {TextId::kMenuTableBars, QKeySequence(Qt::Key_F6)},
      {TextId::kMenuTableCurve, QKeySequence(Qt::Key_F7)},
      {TextId::kMenuTableFrequency, QKeySequence(Qt::Key_F8)},
      {TextId::kMenuGuide, QKeySequence(Qt::Key_F1)},
  };
  for (const auto& [id, keys] : shortcuts) slot(id)->setShortcut(keys);
  for (QAction* action : entries_) action->setShortcutContext(Qt::WindowShortcut);
  for (int i = 0; i < kMenuEntryCount; ++i) {
    entries_[static_cast<size_t>(i)]->setText(Q(doc_.texts.Caption(static_cast<TextId>(i))));
  }
}

void MainWindow::BuildToolBar() {
  tool_bar_ = new QWidget(client_);
  tool_bar_->setObjectName("ToolBar");
  view_group_ = new QButtonGroup(this);
  view_group_->setExclusive(true);
  for (const ToolButtonRow& row : kToolButtons) {
    // A button runs its command through an action: its menu item's, where it has one.
    QAction* action = row.menu_entry ? entry(*row.menu_entry) : nullptr;
    if (action == nullptr) {
      action = new QAction(this);
      std::function<void()> command = [this, run = row.command] { run(doc_, *this); };
      if (row.view_mode) {
        command = [this, mode = *row.view_mode] { SetViewMode(doc_, *this, mode); };
      }
      connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    }
    auto* button = new QToolButton(tool_bar_);
    button->setGeometry(row.left, kToolButtonTop, kToolButtonSize, kToolButtonSize);
    button->setIcon(ToolButtonIcon(row.draw_icon));
    button->setIconSize(QSize(kToolIconSize, kToolIconSize));
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(Q(doc_.texts.Caption(row.hint)));
    if (row.view_mode) {
      button->setCheckable(true);
      view_group_->addButton(button, static_cast<int>(*row.view_mode));
    }
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    buttons_[static_cast<size_t>(row.button)] = button;
  }
  toolButton(ToolButton::kViewSheet)->setChecked(true);
}

void MainWindow::BuildAreas() {
  client_ = new QWidget(this);
  client_->setObjectName("Client");
  setCentralWidget(client_);
  client_->installEventFilter(this);

  sheet_panel_ = new QWidget(client_);
  sheet_panel_->setObjectName("SheetArea");
  sheet_view_ = new SheetView(sheet_panel_);
  sheet_view_->setObjectName("StringGrid1");
  sheet_model_ = new GridModel(doc_.sheet, Document::kFixedColumns, this);
  // A value cell showing " ???" tells why.
  sheet_model_->SetToolTips([this](int col, int row) {
    if (col != Document::kValue) return QString();
    return Q(FailureText(doc_.texts, WhyLineFailed(doc_, row)));
  });
  sheet_view_->setModel(sheet_model_);
  graph_area_ = new GraphArea(bitmap_, sheet_panel_);
  graph_area_->setObjectName("GraphArea");
  connect(graph_area_, &GraphArea::rightButtonReleased, this,
          [this] { Run([this] { EditGraphSettings(doc_, *this); }); });
  editor_ = new CellEditor(sheet_panel_);
  editor_->setObjectName("Editor");

  table_panel_ = new QWidget(client_);
  table_panel_->setObjectName("TableArea");
  table_view_ = new SheetView(table_panel_);
  table_view_->setObjectName("StringGrid2");
  table_model_ = new GridModel(doc_.table, 0, this);
  table_view_->setModel(table_model_);
  table_view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  table_view_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  table_view_->setFont(NamedFont("Courier", doc_.table.font_size, true, true));
  table_view_->verticalHeader()->setMinimumSectionSize(1);
  sheet_view_->verticalHeader()->setMinimumSectionSize(1);
  table_panel_->hide();

  connect(sheet_view_, &SheetView::cellPressed, this, &MainWindow::OnSheetPressed);
  connect(sheet_view_, &SheetView::doubleClicked, this, &MainWindow::OnSheetDoubleClicked);
  connect(sheet_view_, &SheetView::characterTyped, this, &MainWindow::OnCharacterTyped);
  connect(sheet_view_, &SheetView::scrolled, this, &MainWindow::OnSheetScrolled);
  connect(sheet_view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &MainWindow::OnSheetCurrentChanged);
  connect(sheet_view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &MainWindow::OnSheetCurrentChanged);
  auto pull_table = [this] {
    if (!syncing_) PullGrid(doc_.table, table_view_);
  };
  connect(table_view_->selectionModel(), &QItemSelectionModel::currentChanged, this, pull_table);
  connect(table_view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, pull_table);
  connect(table_view_, &SheetView::scrolled, this, [this] {
    if (syncing_) return;
    doc_.table.top_row = table_view_->rowAt(0) + 1;
    table_top_pushed_ = doc_.table.top_row;
  });
  connect(editor_, &CellEditor::keyReleased, this, &MainWindow::OnEditorKeyReleased);
  connect(editor_, &CellEditor::focusLost, this, &MainWindow::OnEditorFocusLost);
  connect(editor_, &QLineEdit::textEdited, this, &MainWindow::OnEditorTextEdited);
  connect(editor_, &CellEditor::escapePressed, this, &MainWindow::CancelEditor);
  connect(editor_, &CellEditor::tabPressed, this, &MainWindow::MoveEditorByTab);
}

void MainWindow::ApplyTexts() {
  if (doc_.texts.from_file()) {
    for (int i = 0; i < kMenuEntryCount; ++i) {
      entries_[static_cast<size_t>(i)]->setText(Q(doc_.texts[static_cast<TextId>(i)]));
    }
    for (const ToolButtonRow& row : kToolButtons) {
      toolButton(row.button)->setToolTip(Q(doc_.texts[row.hint]));
    }
  }
  history_->SetTexts(Q(doc_.texts.Caption(TextId::kMenuUndo)),
                     Q(doc_.texts.Caption(TextId::kMenuRedo)));
  ApplyFilesOutTexts();
  setWindowTitle(Q(MainWindowCaption(doc_.texts)));
  if (dialog_translator_ != nullptr && !doc_.texts.English()) {
    QCoreApplication::installTranslator(dialog_translator_);
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_once_) return;
  shown_once_ = true;
  if (LoadStartTexts(doc_, QFile::encodeName(working_folder_).toStdString(), texts_file_) ==
          TextSource::kBuiltIn &&
      !texts_file_.empty()) {
    qWarning("ravnelok: cannot read the text file %s", texts_file_.c_str());
  }
  ApplyTexts();
  QMetaObject::invokeMethod(this, &MainWindow::InitialiseGridMessage, Qt::QueuedConnection);
  if (!args_.empty()) {
    QMetaObject::invokeMethod(this, &MainWindow::CommandLineOpenMessage, Qt::QueuedConnection);
  }
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // The normal geometry was the whole available area, the frame not counted: restoring the
  // window would put its title bar above the screen. The window manager moves it first.
  // The new size arrives later, with the window manager's own resize.
  if (event->type() == QEvent::WindowStateChange) {
    fit_when_resized_ =
        (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) == 0;
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!fit_when_resized_) return;
  fit_when_resized_ = false;
  // After the window manager's configure has been handled completely.
  QTimer::singleShot(0, this, &MainWindow::FitRestoredWindow);
}

void MainWindow::FitRestoredWindow() {
  const QScreen* shown_on = screen();
  if (shown_on == nullptr || windowHandle() == nullptr ||
      (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
    return;
  }
  const QRect available = shown_on->availableGeometry();
  if (available.contains(frameGeometry())) return;
  const QMargins frame = windowHandle()->frameMargins();
  QRect fitted = geometry().intersected(available.marginsRemoved(frame));
  if (fitted.isEmpty()) fitted = available.marginsRemoved(frame);
  setGeometry(fitted);
}

void MainWindow::InitialiseGridMessage() {
  doc_.InitialiseGrid();
  grid_initialised_ = true;
  SizeBitmapToWindow();
  doc_.settings.view_mode = ViewMode::kSheet;
  LayOutWindow();
  graph_area_->update();
  RefreshViews();
  sheet_view_->setFocus();
}

void MainWindow::CommandLineOpenMessage() {
  const std::string path = JoinCommandLine(args_);
  if (!path.empty()) {
    Run([this, path] {
      if (LoadSheet(doc_, *this, path)) StartFreshHistory();
    });
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (ConfirmClose(doc_, *this)) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::SizeBitmapToWindow() {
  const AreaRect area =
      ComputeLayout(ViewMode::kSheetTableAndGraph, client_->width(), client_->height(), 0, 0)
          .graph_area;
  const QSize size = QSize(area.width, area.height).expandedTo(QSize(2, 3));
  if (size == QSize(bitmap_.Width(), bitmap_.Height())) return;
  bitmap_.SetSize(size.width(), size.height());
  doc_.graph.bitmap_width = size.width();
  doc_.graph.bitmap_height = size.height();
  graph_area_->update();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) {
    LayOutWindow();
    if (grid_initialised_ && !bitmap_in_use_) SizeBitmapToWindow();
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Run(const std::function<void()>& command) {
  CommitEditor();
  Record(command);
  RefreshViews();
}

void MainWindow::ShowAbout() {
  CommitEditor();
  about_box_->Run(AboutProductName(doc_.texts));
}

void MainWindow::ShowHelp() {
  const HelpFile help =
      ReadHelpFile(QFile::encodeName(working_folder_).toStdString(),
                   QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
                   doc_.texts.English());
  help_window_->ShowFile(Q(AboutProductName(doc_.texts)), QFile::decodeName(help.path.c_str()),
                         help.found ? &help.bytes : nullptr);
}

void MainWindow::ClearLinesCommand() {
  if (editing_) return;
  if (table_view_->hasFocus()) {
    const GridRect selection = doc_.table.Selection();
    Run([this, selection] {
      RemoveTableRowsCommand(doc_, *this, selection.top, selection.bottom);
    });
    sheet_view_->setFocus();
  } else if (sheet_view_->hasFocus()) {
    Run([this] { ClearSheetCellsCommand(doc_, *this); });
  }
}

void MainWindow::LayOutWindow() {
  const WindowLayout l = ComputeLayout(doc_.settings.view_mode, client_->width(), client_->height(),
                                       doc_.sheet.ColWidth(Document::kTableMark),
                                       doc_.sheet.ColWidth(Document::kFixedMark));
  ApplyLayout(doc_, l);
  auto rect = [](const AreaRect& a) { return QRect(a.left, a.top, a.width, a.height); };
  tool_bar_->setGeometry(rect(l.tool_bar));
  toolButton(ToolButton::kClearTable)->setVisible(l.clear_table_button);
  toolButton(ToolButton::kClearGraph)->setVisible(l.clear_graph_button);
  if (QAbstractButton* pressed = view_group_->button(static_cast<int>(doc_.settings.view_mode))) {
    pressed->setChecked(true);
  }
  sheet_panel_->setGeometry(rect(l.sheet_area));
  sheet_view_->setGeometry(rect(l.sheet_grid));
  sheet_view_->setFont(NamedFont("Courier", l.sheet_font_size, true, true));
  sheet_view_->verticalHeader()->setDefaultSectionSize(l.sheet_row_height);
  sheet_view_->horizontalHeader()->setFixedHeight(l.sheet_row_height);
  for (int c = 0; c < 7; ++c) sheet_view_->setColumnWidth(c, doc_.sheet.ColWidth(c));
  graph_area_->setVisible(l.graph_shown);
  // Covered, the graph area keeps the size it had: the printout frames the graph by it.
  if (l.graph_shown) graph_area_->setGeometry(rect(l.graph_area));
  table_panel_->setVisible(l.table_shown);
  table_panel_->setGeometry(rect(l.table_area));
  table_view_->setGeometry(0, 0, l.table_area.width, l.table_area.height);
  table_view_->verticalHeader()->setDefaultSectionSize(doc_.table.row_height);
  table_view_->horizontalHeader()->setFixedHeight(doc_.table.row_height);
  editor_->setFont(NamedFont("Courier", l.editor_font_size, true, true));
  doc_.sheet.visible_rows = std::max(1, sheet_view_->viewport()->height() / l.sheet_row_height);
  doc_.table.visible_rows =
      std::max(1, table_view_->viewport()->height() / std::max(1, doc_.table.row_height));
  // The cells moved: the editor follows its cell (an open editor keeps what was typed).
  PlaceEditorAt(doc_.editor.column, doc_.editor.row, !editing_);
}

void MainWindow::GraphChanged() {
  if (doc_.settings.graph_shown) bitmap_in_use_ = true;
  bitmap_.Image();  // ends the drawing, so the area copies finished pixels
  graph_area_->update();
}

Canvas* MainWindow::GraphCanvas() {
  return bitmap_.GetCanvas();
}

GraphSettingsForm* MainWindow::graphSettingsForm(GraphForm form) const {
  return graph_forms_[FormSlot(form)];
}

void MainWindow::RunGraphSettingsDialog(GraphSettingsDialog& dialog) {
  if (GraphSettingsForm* form = graphSettingsForm(dialog.form)) form->Run(dialog);
}

QPrinter* MainWindow::printer() {
  if (!printer_) printer_ = NewPrinter();
  return printer_.get();
}

// ---- Ui

void MainWindow::ShowMessage(const std::string& text) {
  QMessageBox box(this);
  box.setObjectName("MessageBox");
  box.setWindowTitle(Title(std::string()));
  box.setText(Q(text));
  box.setIcon(QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

bool MainWindow::Confirm(const std::string& caption, const std::string& message,
                         const std::string& yes, const std::string& no) {
  return confirm_dialog_->Run(caption, message, yes, no);
}

bool MainWindow::RunDecimalsDialog(DecimalsDialog& dialog) {
  return decimals_dialog_->Run(dialog);
}

bool MainWindow::RunStartValuesDialog(StartValuesDialog& dialog) {
  return start_values_dialog_->Run(dialog);
}

bool MainWindow::RunTextInputDialog(TextInputDialog& dialog) {
  return text_input_dialog_->Run(dialog);
}

bool MainWindow::RunAngleDialog(AngleDialog& dialog) {
  return angle_dialog_->Run(dialog);
}

namespace {

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// File names travel through the core as the system's bytes, not as Windows-1252 text.
QFileDialog* SheetFileDialog(QWidget* parent, const std::string& title,
                             const std::string& initial) {
  auto* dialog = new QFileDialog(parent, Q(title));
  dialog->setObjectName("SheetFileDialog");
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setNameFilter(QStringLiteral("Ravnelok-ark (%1)").arg(Latin1(kSheetFilePattern)));
  dialog->selectFile(QFile::decodeName(QByteArray::fromStdString(initial)));
  return dialog;
}

std::optional<std::string> RunFileDialog(QFileDialog* dialog) {
  std::optional<std::string> chosen;
  if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
    chosen = QFile::encodeName(dialog->selectedFiles().constFirst()).toStdString();
  }
  dialog->deleteLater();
  return chosen;
}

}  // namespace

std::optional<std::string> MainWindow::AskOpenFileName(const std::string& title,
                                                       const std::string& initial) {
  QFileDialog* dialog = SheetFileDialog(this, title, initial);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  return RunFileDialog(dialog);
}

std::optional<std::string> MainWindow::AskSaveFileName(const std::string& title,
                                                       const std::string& initial) {
  QFileDialog* dialog = SheetFileDialog(this, title, initial);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  // A name typed without an extension gets ".rlk" (lower case, so the name check accepts it);
  // the dialog then asks before overwriting that completed name.
  dialog->setDefaultSuffix(Latin1(kSheetExtension));
  return RunFileDialog(dialog);
}

bool MainWindow::RunPrintDialog() {
  QPrintDialog dialog(printer(), this);
  dialog.setObjectName("PrintDialog");
  return dialog.exec() == QDialog::Accepted;
}

std::optional<std::string> MainWindow::AskText(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& value) {
  QInputDialog dialog(this);
  dialog.setObjectName("InputBox");
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(Q(caption));
  dialog.setLabelText(Q(prompt));
  dialog.setTextValue(Q(value));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return W(dialog.textValue());
}

PrintTarget* MainWindow::BeginPrintJob() {
  print_job_ = std::make_unique<QtPrintTarget>(printer());
  if (!print_job_->Begin()) print_job_.reset();
  return print_job_.get();
}

void MainWindow::EndPrintJob() {
  print_job_.reset();
}

ScreenMetrics MainWindow::Screen() {
  const QScreen* shown_on = screen();
  return {shown_on != nullptr ? shown_on->geometry().width() : 0, graph_area_->width(),
          graph_area_->height()};
}

}  // namespace ravnelok::gui
