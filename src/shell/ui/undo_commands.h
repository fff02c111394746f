#pragma once
// The Edit menu's Undo and Redo. Every user action that changes the
// configuration, in whichever window, ends in a guarded handler; there the
// history records it as one step. A new document, an open and a completed
// read start a fresh history. After a step back or forward every open editor
// shows the configuration again and the changed place comes into view; the
// caption's modified mark follows, and the menu entries say what they would undo.
#include "shell/config_history.h"
#include "widgets/guarded.h"

namespace zq {

class frmMain;

class UndoCommands : public ActionObserver {
 public:
  explicit UndoCommands(frmMain& main);
  ~UndoCommands() override;
  UndoCommands(const UndoCommands&) = delete;
  UndoCommands& operator=(const UndoCommands&) = delete;

  void ActionEnded() override;

  // The configuration was replaced by another document: nothing to undo.
  void StartFresh();
  // What changed since the last step becomes a step now, not together with what follows.
  void RecordNow();
  // The edits in progress in the editors are stored, as a step of their own.
  void RecordPendingEdits();
  // What the program rewrites itself in saving or sending the configuration
  // (the identity record, the blanks of the DTMF codes) is no step of the user's.
  void AbsorbOwnChanges();

  void Undo();
  void Redo();
  // Enables the menu entries and names what they would undo and redo, in the current language.
  void RefreshActions();

  const ConfigHistory& history() const { return history_; }

 private:
  void Restored(int rangeIndexBefore, const StepReach& reach);

  frmMain& main_;
  ConfigHistory history_;
};

}  // namespace zq
