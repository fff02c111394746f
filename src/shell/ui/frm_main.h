#pragma once
// frmMain: the program's main window. A multi-document frame with menus,
// toolbar, editor tree, status bar and tiled background. The commands live in
// their own classes (documents, transfers, printing, comparing, undo); the
// window holds them, the editors and the settings commands.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/commands.h"
#include "widgets/editor_host.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace zq {

class CompareCommands;
class DocumentCommands;
class EditorWindow;
class ListEditMenu;
class PrintCommands;
class TransferController;
class UndoCommands;
struct FileResult;

class frmMain : public QMainWindow, public EditorHost {
  Q_OBJECT
 public:
  explicit frmMain(AppState& state, QWidget* parent = nullptr);
  ~frmMain() override;

  AppState& state() { return state_; }

  // Runs a command as its menu entry does.
  void RunCommand(Command command);

  void Change_Language();
  void LoadBKPic();
  void RefreshCaption();

  // Opens the editor of a tree key, or brings it forward when it is open.
  EditorWindow* OpenEditor(std::string_view key);
  EditorWindow* OpenEditorWindow(std::string_view key) const;
  void CloseAllEditors();
  // Closes the editor of a tree key, when it is open, and opens it again so
  // that it shows the configuration anew; the active window stays active.
  void ReopenEditor(std::string_view key);
  void CascadeEditors();
  int OpenEditorCount() const;
  // Every open editor stores the value being edited.
  void CommitEditors();
  // Every open editor shows the configuration again (after an undo or redo).
  void ReloadEditors();
  // An open editor that keeps choices not saved yet, the active one first; none without.
  EditorWindow* EditorHoldingUnsavedChoices() const;
  // Brings an open editor to the front.
  void ActivateEditor(EditorWindow* editor);
  // The channel editor, and every open editor arranged again.
  void OpenChannelEditorAndCascade();

  // What the editors see of the main window.
  RadioConfig& Config() override { return state_.config; }
  int Language() const override { return state_.settings.language; }
  bool HfCapable() const override { return state_.identity.hfCapable; }
  Band CurrentBand() const override { return currentBand_; }
  void BandShown(Band band) override { currentBand_ = band; }
  void BroadcastReferencesChanged() override;
  void ChannelTablesRewritten() override;
  QWidget* HostWindow() override { return this; }
  QString DocumentFolder() const override;

  // The language index the window's texts were last built for.
  int lastAppliedLanguage() const { return lastAppliedLanguage_; }
  // Applies a language change made while the window was inactive.
  void CheckLanguageChange();

  QAction* action(Command command) const { return actions_.at(command); }
  QAction* toolbarAction(Command command) const { return toolbarActions_.at(command); }
  QTreeWidget* tree() const { return tree_; }
  QMdiArea* mdiArea() const { return mdi_; }
  QLabel* statusPanel(int panel) const;
  DocumentCommands& documents() { return *documents_; }
  TransferController& transfers() { return *transfers_; }
  UndoCommands& undoCommands() { return *undo_; }
  PrintCommands& prints() { return *prints_; }
  // Copy, Cut, Paste, Insert&Paste and Delete of channel rows, popped up by the channel editor.
  ListEditMenu& listEditMenu() { return *listEditMenu_; }

  // Status bar panel 1 (the demo radio announces itself there), kept in the current language; none clears it.
  void SetStatusNote(std::optional<Txt> note);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  void BuildToolbar();
  void BuildTreePane();
  void BuildStatusBar();
  void ApplyPlacement();
  void StoreWindowPlacement();

  void OpenRadioSeries();
  // Help > Check Connection: the devices, their problems and a handshake with the radio.
  void OpenCheckConnection();
  void ChooseLanguage();
  void ShowAbout();
  void OnTreeItemClicked(QTreeWidgetItem* item);
  void FillWindowMenu();
  // The open editors, in the order of their tree keys.
  std::vector<EditorWindow*> OpenEditors() const;

  QString Tr(Txt id) const;

  AppState& state_;
  int lastAppliedLanguage_;
  Band currentBand_ = kCB;
  std::map<Command, QAction*> actions_;
  std::map<Command, QAction*> toolbarActions_;
  std::map<std::string, QPointer<QMdiSubWindow>> editors_;
  std::map<Txt, QMenu*> menus_;
  QMenu* windowMenu_ = nullptr;
  QMdiArea* mdi_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QWidget* treePane_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QLabel* panels_[3] = {};
  std::optional<Txt> statusNote_;
  ListEditMenu* listEditMenu_ = nullptr;  // a child of the window
  std::unique_ptr<TransferController> transfers_;
  std::unique_ptr<PrintCommands> prints_;
  std::unique_ptr<CompareCommands> compares_;
  std::unique_ptr<DocumentCommands> documents_;
  std::unique_ptr<UndoCommands> undo_;
};

}  // namespace zq
