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
#include <QMenuBar>
#include <QMessageBox>
#include <QToolButton>

#include "app/commands.h"
#include "files/sheet_file.h"
#include "graphics/graph.h"
#include "graphics/graph_commands.h"
#include "graphics/layout.h"
#include "graphics/table.h"
#include "gui/dialogs.h"
#include "gui/graph_area.h"
#include "gui/graph_dialogs.h"
#include "gui/grid_model.h"
#include "gui/icons.h"
#include "gui/qt_text.h"
#include "gui/sheet_view.h"
#include "sheet/decimals.h"
#include "sheet/start_values.h"

namespace ravnelok::gui {

namespace {

// Entries whose commands come with later work (copy and paste, line operations, sheet and
// table on the clipboard, printing): present, but disabled.
constexpr int kLaterEntries[] = {1, 4, 7, 8, 9, 10, 12, 13};
constexpr int kLaterButtons[] = {0, 1};

}  // namespace

MainWindow::MainWindow(std::vector<std::string> args, QWidget* parent)
    : QMainWindow(parent), args_(std::move(args)), working_folder_(QDir::currentPath()) {
  setObjectName("Form1");
  setWindowTitle(QString::fromLatin1(kMainCaption));
  setWindowIcon(ProgramIcon());
  bitmap_.SetSize(doc_.bitmap_width, doc_.bitmap_height);
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
  for (int form = 2; form <= 4; ++form) {
    graph_forms_[static_cast<size_t>(form - 2)] = new GraphSettingsForm(form, this);
  }
  resize(900, 600);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  auto menu = [&](int i) {
    QMenu* m = bar->addMenu(QString());
    entries_[i] = m->menuAction();
    return m;
  };
  auto item = [&](QMenu* m, int i, const std::function<void()>& command) {
    entries_[i] = m->addAction(QString());
    if (command) connect(entries_[i], &QAction::triggered, this, [this, command] { Run(command); });
  };
  Document& d = doc_;
  QMenu* filer = menu(0);
  item(filer, 1, nullptr);
  item(filer, 2, [this, &d] { OpenCommand(d, *this); });
  item(filer, 3, [this, &d] { SaveCommand(d, *this); });
  filer->addSeparator();
  item(filer, 4, nullptr);
  filer->addSeparator();
  entries_[5] = filer->addAction(QString());
  connect(entries_[5], &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menu(6);
  item(edit, 7, nullptr);
  item(edit, 8, nullptr);
  edit->addSeparator();
  item(edit, 9, nullptr);
  item(edit, 10, nullptr);
  entries_[11] = edit->addAction(QString());
  connect(entries_[11], &QAction::triggered, this, [this] { ClearLinesCommand(); });
  edit->addSeparator();
  item(edit, 12, nullptr);
  item(edit, 13, nullptr);
  item(edit, 14, [this] { QGuiApplication::clipboard()->setImage(bitmap_.Image()); });

  QMenu* settings = menu(15);
  item(settings, 16, [this, &d] { NumberOfLinesCommand(d, *this); });
  item(settings, 17, [this, &d] { DecimalsDialogCommand(d, *this); });
  item(settings, 18, [this, &d] { AngleCommand(d, *this); });

  QMenu* functions = menu(19);
  item(functions, 20, [this, &d] { StartValuesCommand(d, *this); });
  item(functions, 21, [this, &d] { RecalculateCommand(d, *this); });

  QMenu* graphics = menu(22);
  QMenu* from_sheet = graphics->addMenu(QString());
  entries_[23] = from_sheet->menuAction();
  // Kinds 2, 3, 6 from the sheet; 1, 4, 5, 7 from the table.
  item(from_sheet, 26, [this, &d] { GraphCommand(d, *this, 2); });
  item(from_sheet, 27, [this, &d] { GraphCommand(d, *this, 3); });
  item(from_sheet, 28, [this, &d] { GraphCommand(d, *this, 6); });
  QMenu* from_table = graphics->addMenu(QString());
  entries_[24] = from_table->menuAction();
  const int table_kinds[] = {1, 4, 5, 7};
  for (int i = 29; i <= 32; ++i) {
    const int kind = table_kinds[i - 29];
    item(from_table, i, [this, &d, kind] { GraphCommand(d, *this, kind); });
  }
  graphics->addSeparator();
  item(graphics, 25, [this, &d] { EditGraphSettings(d, *this); });

  QMenu* help = menu(33);
  entries_[34] = help->addAction(QString());
  connect(entries_[34], &QAction::triggered, this, [this] { ShowAbout(); });
  entries_[35] = help->addAction(QString());
  connect(entries_[35], &QAction::triggered, this, [this] { ShowHelp(); });

  entries_[7]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  entries_[8]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  entries_[11]->setShortcut(QKeySequence(Qt::Key_Delete));
  entries_[20]->setShortcut(QKeySequence(Qt::Key_F10));
  entries_[21]->setShortcut(QKeySequence(Qt::Key_F9));
  entries_[29]->setShortcut(QKeySequence(Qt::Key_F5));
  entries_[30]->setShortcut(QKeySequence(Qt::Key_F6));
  entries_[31]->setShortcut(QKeySequence(Qt::Key_F7));
  entries_[32]->setShortcut(QKeySequence(Qt::Key_F8));
  entries_[35]->setShortcut(QKeySequence(Qt::Key_F1));
  for (QAction* action : entries_) action->setShortcutContext(Qt::WindowShortcut);
  for (const int i : kLaterEntries) entries_[i]->setEnabled(false);
  for (int i = 0; i < 36; ++i) entries_[i]->setText(Q(doc_.texts.Caption(i)));
}

void MainWindow::BuildToolBar() {
  tool_bar_ = new QWidget(client_);
  tool_bar_->setObjectName("ToolBar");
  view_group_ = new QButtonGroup(this);
  view_group_->setExclusive(true);
  Document& d = doc_;
  const std::function<void()> commands[10] = {
      nullptr,
      nullptr,
      [this, &d] { SetViewMode(d, *this, 1); },
      [this, &d] { SetViewMode(d, *this, 2); },
      [this, &d] { SetViewMode(d, *this, 3); },
      [this, &d] { RecalculateCommand(d, *this); },
      [&d] { MoreDecimals(d); },
      [&d] { FewerDecimals(d); },
      [this, &d] { ClearTableCommand(d, *this); },
      [this, &d] { ClearGraphCommand(d, *this); },
  };
  for (int k = 0; k < 10; ++k) {
    auto* button = new QToolButton(tool_bar_);
    button->setGeometry(kToolButtons[k].left, kToolButtonTop, kToolButtonSize, kToolButtonSize);
    button->setIcon(ToolButtonIcon(k));
    button->setIconSize(QSize(32, 32));
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(Q(doc_.texts.Caption(kToolButtons[k].hint_entry)));
    if (k >= 2 && k <= 4) {
      button->setCheckable(true);
      view_group_->addButton(button, k - 1);
    }
    const auto command = commands[k];
    if (command) connect(button, &QToolButton::clicked, this, [this, command] { Run(command); });
    buttons_[static_cast<size_t>(k)] = button;
  }
  for (const int k : kLaterButtons) buttons_[static_cast<size_t>(k)]->setEnabled(false);
  buttons_[2]->setChecked(true);
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
  sheet_model_ = new GridModel(doc_.sheet, 2, this);
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
}

void MainWindow::ApplyTexts() {
  if (doc_.texts.from_file()) {
    for (int i = 0; i < 36; ++i) entries_[i]->setText(Q(doc_.texts[i]));
    for (int k = 0; k < 10; ++k) {
      buttons_[static_cast<size_t>(k)]->setToolTip(Q(doc_.texts[kToolButtons[k].hint_entry]));
    }
  }
  setWindowTitle(Q(MainWindowCaption(doc_.texts)));
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_once_) return;
  shown_once_ = true;
  doc_.texts.Load();
  ApplyTexts();
  doc_.BuildReservedWords();
  QMetaObject::invokeMethod(this, &MainWindow::InitialiseGridMessage, Qt::QueuedConnection);
  if (!args_.empty()) {
    QMetaObject::invokeMethod(this, &MainWindow::CommandLineOpenMessage, Qt::QueuedConnection);
  }
}

void MainWindow::InitialiseGridMessage() {
  doc_.InitialiseGrid();
  doc_.settings.view_mode = 3;
  LayOutWindow();
  // The bitmap keeps the size the graph area has in the first layout.
  const QSize size = graph_area_->size().expandedTo(QSize(2, 3));
  bitmap_.SetSize(size.width(), size.height());
  doc_.bitmap_width = size.width();
  doc_.bitmap_height = size.height();
  doc_.settings.view_mode = 1;
  LayOutWindow();
  graph_area_->update();
  RefreshViews();
  sheet_view_->setFocus();
}

void MainWindow::CommandLineOpenMessage() {
  const std::string path = JoinCommandLine(args_);
  if (!path.empty()) Run([this, path] { LoadSheet(doc_, *this, path); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (ConfirmClose(doc_, *this)) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) LayOutWindow();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Run(const std::function<void()>& command) {
  CommitEditor();
  command();
  RefreshViews();
}

void MainWindow::ShowAbout() {
  CommitEditor();
  about_box_->Run(AboutProductName(doc_.texts));
}

void MainWindow::ShowHelp() {
  help_window_->ShowFile(QString::fromStdString(HelpFilePath(working_folder_.toStdString())));
}

void MainWindow::ClearLinesCommand() {
  if (editing_) return;
  if (table_view_->hasFocus()) {
    const GridRect selection = doc_.table.Selection();
    Run([this, selection] { RemoveTableRows(doc_, *this, selection.top, selection.bottom); });
    sheet_view_->setFocus();
  }
  // Clearing sheet lines comes with the line operations.
}

void MainWindow::LayOutWindow() {
  const WindowLayout l = ComputeLayout(doc_.settings.view_mode, client_->width(), client_->height(),
                                       doc_.sheet.ColWidth(0), doc_.sheet.ColWidth(1));
  ApplyLayout(doc_, l);
  auto rect = [](const AreaRect& a) { return QRect(a.left, a.top, a.width, a.height); };
  tool_bar_->setGeometry(rect(l.tool_bar));
  buttons_[8]->setVisible(l.clear_table_button);
  buttons_[9]->setVisible(l.clear_graph_button);
  const int mode = doc_.settings.view_mode;
  if (QAbstractButton* pressed = view_group_->button(mode >= 1 && mode <= 3 ? mode : 1)) {
    pressed->setChecked(true);
  }
  sheet_panel_->setGeometry(rect(l.sheet_area));
  sheet_view_->setGeometry(rect(l.sheet_grid));
  sheet_view_->setFont(NamedFont("Courier", l.sheet_font_size, true, true));
  sheet_view_->verticalHeader()->setDefaultSectionSize(l.sheet_row_height);
  sheet_view_->horizontalHeader()->setFixedHeight(l.sheet_row_height);
  for (int c = 0; c < 7; ++c) sheet_view_->setColumnWidth(c, doc_.sheet.ColWidth(c));
  graph_area_->setVisible(l.graph_shown);
  graph_area_->setGeometry(rect(l.graph_area));
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
  PlaceEditorAt(doc_.settings.editor_column, doc_.settings.editor_row, !editing_);
}

void MainWindow::GraphChanged() {
  bitmap_.Image();  // ends the drawing, so the area copies finished pixels
  graph_area_->update();
}

Canvas* MainWindow::GraphCanvas() {
  return bitmap_.GetCanvas();
}

GraphSettingsForm* MainWindow::graphSettingsForm(int form) const {
  if (form < 2 || form > 4) return nullptr;
  return graph_forms_[static_cast<size_t>(form - 2)];
}

void MainWindow::RunGraphSettingsDialog(GraphSettingsDialog& dialog) {
  if (GraphSettingsForm* form = graphSettingsForm(dialog.form)) form->Run(dialog);
}

// ---- Ui

void MainWindow::ShowMessage(const std::string& text) {
  QMessageBox box(this);
  box.setObjectName("MessageBox");
  box.setWindowTitle(QString());
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

// File names travel through the core as the system's bytes, not as Windows-1252 text.
QFileDialog* SheetFileDialog(QWidget* parent, const std::string& title,
                             const std::string& initial) {
  auto* dialog = new QFileDialog(parent, Q(title));
  dialog->setObjectName("SheetFileDialog");
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setNameFilter(QStringLiteral("Ravnelok-ark (*.rlk)"));
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
  dialog->setDefaultSuffix(QStringLiteral("rlk"));
  return RunFileDialog(dialog);
}

}  // namespace ravnelok::gui
