#include "shell/ui/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "channels/ui/list_edit_menu.h"
#include "datafile/backups.h"
#include "datafile/data_file.h"
#include "datafile/init_defaults.h"
#include "datafile/install_layout.h"
#include "platform/diagnostic_log.h"
#include "platform/ini_file.h"
#include "platform/local_date.h"
#include "platform/qt/window_placement.h"
#include "platform/utf8_path.h"
#include "shell/ui/compare_commands.h"
#include "shell/ui/document_commands.h"
#include "shell/ui/editor_table.h"
#include "shell/ui/frm_check_connection.h"
#include "shell/ui/frm_radio_series.h"
#include "shell/ui/language_dialog.h"
#include "shell/ui/print_commands.h"
#include "shell/ui/release_launcher.h"
#include "shell/ui/toolkit_language.h"
#include "shell/ui/transfer_controller.h"
#include "shell/ui/undo_commands.h"
#include "text/plain_text.h"
#include "widgets/accessible_names.h"
#include "widgets/editor_window.h"
#include "widgets/guarded.h"
#include "widgets/qt_paths.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

// A menu caption as tree text or tool tip: without its access key, "(&O)" or "&".
QString WithoutAmpersand(const QString& text) { return QUtf8(WithoutAccessKey(text.toStdString())); }

QString FileNameOnly(const std::string& path) { return QFileInfo(QString::fromStdString(path)).fileName(); }

// Our own pictures (src/shell/ui/icons), scaled from SVG for every screen; a
// build without the toolkit's SVG plugin carries PNGs of them in tool-bar sizes.
QIcon PictureIcon(const QString& name) {
  const QString svg = QStringLiteral(":/icons/%1.svg").arg(name);
  if (QFile::exists(svg)) return QIcon(svg);
  QIcon icon;
  for (int size : {16, 24, 32, 48})
    icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size), QSize(size, size));
  return icon;
}

QIcon ToolbarIcon(Command command) {
  static const std::map<Command, QString> pictures = {
      {Command::New, QStringLiteral("new")},
      {Command::Open, QStringLiteral("open")},
      {Command::Save, QStringLiteral("save")},
      {Command::ReadFromRadio, QStringLiteral("read_radio")},
      {Command::WriteToRadio, QStringLiteral("write_radio")},
      {Command::CommunicationPort, QStringLiteral("port")},
      {Command::About, QStringLiteral("about")},
  };
  auto it = pictures.find(command);
  return it == pictures.end() ? QIcon() : PictureIcon(it->second);
}

}  // namespace

frmMain::frmMain(AppState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), lastAppliedLanguage_(state.settings.language) {
  setObjectName("frmMain");
  mdi_ = new QMdiArea(this);
  mdi_->setObjectName("mdiArea");
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  transfers_ = std::make_unique<TransferController>(*this);
  listEditMenu_ = new ListEditMenu(this);
  prints_ = std::make_unique<PrintCommands>(*this);
  compares_ = std::make_unique<CompareCommands>(*this);
  documents_ = std::make_unique<DocumentCommands>(*this);
  BuildActions();
  undo_ = std::make_unique<UndoCommands>(*this);
  actions_.at(Command::VerifyAfterWrite)->setChecked(state_.settings.verifyWrite);
  BuildMenus();
  BuildToolbar();
  BuildTreePane();
  BuildStatusBar();
  ApplyPlacement();
  if (state_.settings.firstRun) statusNote_ = Txt::PortFirstStartHint;  // a newcomer learns where the port is chosen
  Change_Language();
  documents_->LoadNewDoc();
}

// The commands go before the windows they work on: the undo history first, the transfers last.
frmMain::~frmMain() {
  undo_.reset();
  documents_.reset();
  compares_.reset();
  prints_.reset();
  transfers_.reset();
}

QString frmMain::Tr(Txt id) const { return QText(id, state_.settings.language); }

void frmMain::BuildActions() {
  for (const CommandDef& def : CommandTable()) {
    auto* a = new QAction(this);
    a->setObjectName(QString::fromLatin1("action_%1").arg(static_cast<int>(def.id)));
    if (!def.shortcut.empty()) a->setShortcuts(QKeySequence::listFromString(QUtf8(def.shortcut)));
    if (def.checkable) {
      a->setCheckable(true);
      a->setChecked(true);
    }
    Command id = def.id;
    connect(a, &QAction::triggered, this, [this, id] { RunCommand(id); });
    actions_[id] = a;
  }
}

void frmMain::BuildMenus() {
  for (const MenuDef& def : MenuTable()) {
    QMenu* menu = menuBar()->addMenu(QString());
    menus_[def.caption] = menu;
    for (Command c : def.commands) {
      if (std::find(def.separatorsBefore.begin(), def.separatorsBefore.end(), c) != def.separatorsBefore.end())
        menu->addSeparator();
      menu->addAction(actions_.at(c));
    }
    if (def.windowList) {
      windowMenu_ = menu;
      connect(menu, &QMenu::aboutToShow, this, &frmMain::FillWindowMenu);
    }
  }
}

void frmMain::BuildToolbar() {
  toolbar_ = addToolBar(QStringLiteral("toolbar"));
  toolbar_->setObjectName("toolbar");
  toolbar_->setMovable(false);
  for (Command c : ToolbarCommands()) {
    QAction* a = actions_.at(c);
    if (c == Command::New) {  // the toolbar's New asks only to save changes, not "All data will be cleared."
      a = new QAction(this);
      connect(a, &QAction::triggered, this,
              [this] { Guarded(this, "frmMain_Toolbar_New", [&] { documents_->NewFromToolbar(); }); });
    }
    a->setIcon(ToolbarIcon(c));
    toolbarActions_[c] = a;
    toolbar_->addAction(a);
    if (c == Command::Save || c == Command::WriteToRadio) toolbar_->addSeparator();
  }
}

void frmMain::BuildTreePane() {
  treePane_ = new QWidget(this);
  treePane_->setObjectName("treePane");
  treePane_->setMinimumWidth(300 / kTwipsPerPixel);
  auto* close = new QToolButton(treePane_);
  close->setObjectName("treePaneClose");
  close->setText(QStringLiteral("×"));
  close->setAutoRaise(true);
  connect(close, &QToolButton::clicked, this, [this] {
    treePane_->hide();
    actions_.at(Command::TreeView)->setChecked(false);
  });
  tree_ = new QTreeWidget(treePane_);
  tree_->setObjectName("editorTree");
  tree_->setHeaderHidden(true);
  auto* root = new QTreeWidgetItem(tree_, {QStringLiteral("ZQ4071")});
  root->setData(0, Qt::UserRole, QStringLiteral("N0"));
  for (const EditorDef& def : EditorTable()) {
    auto* item = new QTreeWidgetItem(root);
    item->setData(0, Qt::UserRole, QUtf8(def.key));
  }
  root->setExpanded(true);
  connect(tree_, &QTreeWidget::itemClicked, this, &frmMain::OnTreeItemClicked);
  connect(tree_, &QTreeWidget::itemActivated, this, &frmMain::OnTreeItemClicked);  // Enter, Return

  auto* top = new QHBoxLayout;
  top->setContentsMargins(0, 0, 0, 0);
  top->addStretch(1);
  top->addWidget(close);
  auto* layout = new QVBoxLayout(treePane_);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(1);
  layout->addLayout(top);
  layout->addWidget(tree_, 1);

  splitter_ = new QSplitter(Qt::Horizontal, this);
  splitter_->setObjectName("treeSplitter");
  splitter_->setChildrenCollapsible(false);
  splitter_->addWidget(treePane_);
  splitter_->addWidget(mdi_);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({200, 800});
  setCentralWidget(splitter_);
}

void frmMain::BuildStatusBar() {
  for (int k = 0; k < 3; ++k) {
    panels_[k] = new QLabel(this);
    panels_[k]->setObjectName(QString::fromLatin1("statusPanel%1").arg(k + 1));
    statusBar()->addWidget(panels_[k], k == 0 ? 1 : 0);
  }
}

QLabel* frmMain::statusPanel(int panel) const { return panels_[panel - 1]; }

void frmMain::SetStatusNote(std::optional<Txt> note) {
  statusNote_ = note;
  panels_[0]->setText(note ? Tr(*note) : QString());
}

// The stored left and top place the outer frame, so the title bar lands where
// it was; a placement from a larger screen is brought back onto this one. The
// first start fills the work area: the editors need the room.
void frmMain::ApplyPlacement() {
  QRect wanted = PlacementToPixels(LoadPlacement());
  QScreen* screen = QGuiApplication::screenAt(wanted.topLeft());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen && !HasStoredPlacement()) wanted = screen->availableGeometry();
  QRect placed = screen ? FitOnScreen(wanted, screen->availableGeometry()) : wanted;
  resize(placed.size());
  move(placed.topLeft());
}

void frmMain::StoreWindowPlacement() {
  if (isMinimized()) return;
  QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
  QRect normal = normalGeometry();
  StorePlacement(PlacementFromPixels(QRect(normal.topLeft() - frameOffset, normal.size())));
}

void frmMain::Change_Language() {
  lastAppliedLanguage_ = state_.settings.language;
  UseToolkitLanguage(state_.settings.language);
  for (const CommandDef& def : CommandTable()) actions_.at(def.id)->setText(Tr(def.caption));
  undo_->RefreshActions();  // Undo and Redo name their step
  for (const MenuDef& def : MenuTable()) menus_.at(def.caption)->setTitle(Tr(def.caption));
  for (auto& [command, a] : toolbarActions_) {
    a->setToolTip(WithoutAmpersand(Tr(CommandOf(command).caption)));
    if (command == Command::New) a->setText(WithoutAmpersand(Tr(Txt::MenuNew)));
  }
  tree_->setAccessibleName(WithoutAmpersand(Tr(CommandOf(Command::TreeView).caption)));
  treePane_->findChild<QToolButton*>("treePaneClose")->setAccessibleName(WithoutAmpersand(Tr(Txt::CloseButton)));
  QTreeWidgetItem* root = tree_->topLevelItem(0);
  for (int k = 0; k < root->childCount(); ++k) {
    const EditorDef* def = FindEditor(root->child(k)->data(0, Qt::UserRole).toString().toStdString());
    QString text = Tr(def->treeText);
    root->child(k)->setText(0, def->stripAmpersand ? WithoutAmpersand(text) : text);
  }
  if (statusNote_) panels_[0]->setText(Tr(*statusNote_));
  panels_[1]->setText(QStringLiteral("ZQ4071[") + QString::fromStdString(state_.document.rangeText) + QLatin1Char(']'));
  panels_[2]->setText(Tr(Txt::PortLabel) + transfers_->PortDisplayName());
  listEditMenu_->ApplyLanguage(state_.settings.language);
  RefreshCaption();
  LoadBKPic();
  for (const auto& [key, window] : editors_)
    if (window) static_cast<EditorWindow*>(window->widget())->ApplyLanguage();
}

// A configuration with changes the files do not hold yet is marked with an asterisk.
void frmMain::RefreshCaption() {
  const QString modified = IsUnchanged(state_.config, state_.working) ? QString() : QStringLiteral("*");
  setWindowTitle(modified + QStringLiteral("ZQ4071[") + QString::fromStdString(state_.document.rangeText) +
                 QStringLiteral("][") + Tr(Txt::FileNameLabel) + QLatin1Char(':') +
                 FileNameOnly(state_.document.fileName) + QLatin1Char(']'));
}

void frmMain::LoadBKPic() {
  QString file =
      QStringOfPath(state_.layout.dataFolder / "PIC" / ("BK_" + std::to_string(state_.settings.language) + ".jpg"));
  QPixmap picture(file);
  mdi_->setBackground(picture.isNull() ? palette().brush(QPalette::Dark) : QBrush(picture));
}

void frmMain::RunCommand(Command command) {
  Guarded(this, "frmMain_RunCommand", [&] {
    switch (command) {
      case Command::New: documents_->New(); break;
      case Command::Open: documents_->Open(); break;
      case Command::OpenBackup: documents_->OpenBackup(); break;
      case Command::Save: documents_->Save(); break;
      case Command::SaveAs: documents_->SaveAs(); break;
      case Command::Print: prints_->Print(); break;
      case Command::PrintToPdf: prints_->PrintToPdf(); break;
      case Command::CompareWithFile: compares_->CompareWithFile(); break;
      case Command::Exit: close(); break;
      case Command::Undo: undo_->Undo(); break;
      case Command::Redo: undo_->Redo(); break;
      case Command::ChannelInformation: OpenEditor(kChannelEditorKey); break;
      case Command::OptionFeatures: OpenEditor(kOptionEditorKey); break;
      case Command::RogerBeep: OpenEditor(kRogerBeepEditorKey); break;
      case Command::ReadFromRadio: transfers_->StartRead(); break;
      case Command::WriteToRadio: transfers_->StartWrite(); break;
      case Command::VerifyAfterWrite: transfers_->SetVerifyAfterWrite(actions_.at(command)->isChecked()); break;
      case Command::WriteToGroup: OpenRadioSeries(); break;
      case Command::CompareWithRadio: compares_->CompareWithRadio(); break;
      case Command::CommunicationPort: transfers_->ShowPortWindow(); break;
      case Command::LanguageSetup: ChooseLanguage(); break;
      case Command::InitialSetting: documents_->InitialSetting(); break;
      case Command::TreeView: treePane_->setVisible(actions_.at(command)->isChecked()); break;
      case Command::Toolbar: toolbar_->setVisible(actions_.at(command)->isChecked()); break;
      case Command::StatusBar: statusBar()->setVisible(actions_.at(command)->isChecked()); break;
      case Command::Cascade: CascadeEditors(); break;
      case Command::CloseAllWindows: CloseAllEditors(); break;
      case Command::CheckConnection: OpenCheckConnection(); break;
      case Command::About: ShowAbout(); break;
    }
  });
}

void frmMain::OpenRadioSeries() {
  if (transfers_->busy()) return;
  auto* window = new FrmRadioSeries(*this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->open();
}

void frmMain::OpenCheckConnection() {
  auto* window = new FrmCheckConnection(*this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->open();
}

QString frmMain::DocumentFolder() const { return documents_->DocumentFolder(); }

void frmMain::OpenChannelEditorAndCascade() {
  OpenEditor(kChannelEditorKey);
  CascadeEditors();
}

void frmMain::ChooseLanguage() {
  LanguageDialog dialog(state_.settings.language, state_.systemLanguage, this);
  if (dialog.exec() != QDialog::Accepted) return;
  int chosen = dialog.chosenLanguage();
  if (chosen != state_.settings.language) {
    lastAppliedLanguage_ = state_.settings.language;
    state_.settings.language = chosen;
  }
  WriteProfileString(state_.layout.settingsFile, "language", "CurrentLanguage", std::to_string(chosen));
  CheckLanguageChange();
}

void frmMain::CheckLanguageChange() {
  if (state_.settings.language == lastAppliedLanguage_) return;
  Change_Language();
  CloseAllEditors();
  OpenChannelEditorAndCascade();
}

void frmMain::ShowAbout() {
  QString version = QString::fromLatin1("%1.%2.%3").arg(ZQ_VERSION_MAJOR).arg(ZQ_VERSION_MINOR).arg(ZQ_VERSION_PATCH);
  QString log = QUtf8(FillIn(Text(Txt::DiagnosticLogAt, state_.settings.language), {Utf8OfPath(DiagnosticLogFile())}));
  Tell(this, QStringLiteral("ZQ4071\n\n") + Tr(Txt::VersionPrefix) + version + QStringLiteral("\n\n") + log,
       Icon::Information);
}

void frmMain::OnTreeItemClicked(QTreeWidgetItem* item) {
  Guarded(this, "frmMain_TreeView_NodeClick",
          [&] { OpenEditor(item->data(0, Qt::UserRole).toString().toStdString()); });
}

EditorWindow* frmMain::OpenEditorWindow(std::string_view key) const {
  auto it = editors_.find(std::string(key));
  return it != editors_.end() && it->second ? static_cast<EditorWindow*>(it->second->widget()) : nullptr;
}

EditorWindow* frmMain::OpenEditor(std::string_view key) {
  if (auto it = editors_.find(std::string(key)); it != editors_.end() && it->second) {
    mdi_->setActiveSubWindow(it->second);
    return static_cast<EditorWindow*>(it->second->widget());
  }
  const EditorDef* def = FindEditor(key);
  if (!def || !def->create) return nullptr;
  EditorWindow* editor = def->create(*this);
  BuddyLabelsOf(*editor);
  QMdiSubWindow* window = mdi_->addSubWindow(editor);
  window->setAttribute(Qt::WA_DeleteOnClose);
  editors_[std::string(key)] = window;
  window->show();
  CascadeEditors();
  // A window knows the size its content needs only once it has been laid out on screen.
  QTimer::singleShot(0, this, &frmMain::CascadeEditors);
  return editor;
}

void frmMain::CloseAllEditors() {
  for (EditorWindow* editor : OpenEditors()) {
    editor->CommitPendingEdit();
    delete editor->parentWidget();  // its sub-window
  }
  editors_.clear();
}

void frmMain::ReopenEditor(std::string_view key) {
  auto it = editors_.find(std::string(key));
  if (it == editors_.end() || !it->second) return;
  QPointer<QMdiSubWindow> active = mdi_->activeSubWindow();
  static_cast<EditorWindow*>(it->second->widget())->CommitPendingEdit();
  delete it->second;
  editors_.erase(it);
  OpenEditor(key);
  if (active) mdi_->setActiveSubWindow(active);
}

// Each window one title bar lower and further right than the one before, at the
// size its content asks for as far as the area allows, the active one in front.
// A window that would reach past the area is moved back in, so its buttons stay in
// sight: the whole content comes before the cascade's step.
void frmMain::CascadeEditors() {
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
  QMdiSubWindow* active = mdi_->activeSubWindow();
  const QSize area = mdi_->viewport()->size();
  const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
  int k = 0;
  for (QMdiSubWindow* w : windows) {
    if (w->isMinimized() || w->isMaximized()) continue;
    QPoint at(k * step, k * step);
    if (at.y() > area.height() / 2) {  // start again at the top left
      k = 0;
      at = QPoint(0, 0);
    }
    QSize size = w->sizeHint().boundedTo(area).expandedTo(w->minimumSizeHint());
    at.setX(std::max(0, std::min(at.x(), area.width() - size.width())));
    at.setY(std::max(0, std::min(at.y(), area.height() - size.height())));
    w->setGeometry(QRect(at, size));
    w->raise();
    ++k;
  }
  if (active) mdi_->setActiveSubWindow(active);
}

std::vector<EditorWindow*> frmMain::OpenEditors() const {
  std::vector<EditorWindow*> open;
  for (const auto& [key, window] : editors_)
    if (window) open.push_back(static_cast<EditorWindow*>(window->widget()));
  return open;
}

int frmMain::OpenEditorCount() const { return static_cast<int>(OpenEditors().size()); }

void frmMain::CommitEditors() {
  for (EditorWindow* editor : OpenEditors()) editor->CommitPendingEdit();
}

void frmMain::ReloadEditors() {
  for (EditorWindow* editor : OpenEditors()) editor->Reload();
}

EditorWindow* frmMain::EditorHoldingUnsavedChoices() const {
  std::vector<EditorWindow*> open = OpenEditors();
  if (QMdiSubWindow* active = mdi_->activeSubWindow())  // the active one first
    std::stable_partition(open.begin(), open.end(), [&](EditorWindow* e) { return e->parentWidget() == active; });
  for (EditorWindow* editor : open)
    if (editor->HoldsUnsavedChoices()) return editor;
  return nullptr;
}

void frmMain::ActivateEditor(EditorWindow* editor) {
  for (EditorWindow* open : OpenEditors())
    if (open == editor) mdi_->setActiveSubWindow(static_cast<QMdiSubWindow*>(editor->parentWidget()));
}

void frmMain::BroadcastReferencesChanged() {
  for (EditorWindow* editor : OpenEditors()) editor->ReferencesChanged();
}

// The window opens again on the band it showed, not on CB.
void frmMain::ChannelTablesRewritten() {
  const Band band = currentBand_;
  ReopenEditor(kChannelEditorKey);
  if (EditorWindow* channels = OpenEditorWindow(kChannelEditorKey)) channels->ShowChannel({band, 0}, 0);
}

void frmMain::FillWindowMenu() {
  windowMenu_->clear();
  for (const MenuDef& def : MenuTable())
    if (def.windowList)
      for (Command c : def.commands) windowMenu_->addAction(actions_.at(c));
  const auto windows = mdi_->subWindowList();
  if (!windows.isEmpty()) windowMenu_->addSeparator();
  for (QMdiSubWindow* w : windows) {
    QAction* a = windowMenu_->addAction(w->windowTitle());
    a->setCheckable(true);
    a->setChecked(w == mdi_->activeSubWindow());
    connect(a, &QAction::triggered, this, [this, w] { mdi_->setActiveSubWindow(w); });
  }
}

void frmMain::closeEvent(QCloseEvent* event) {
  bool proceed = true;
  Guarded(this, "frmMain_Form_QueryUnload", [&] { proceed = documents_->OfferToSaveChanges(); });
  if (!proceed) {
    event->ignore();
    return;
  }
  StoreWindowPlacement();
  CloseAllEditors();
  event->accept();
}

void frmMain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) CheckLanguageChange();
}

}  // namespace zq
