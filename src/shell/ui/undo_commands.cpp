#include "shell/ui/undo_commands.h"

#include <QAction>

#include "shell/ui/frm_main.h"
#include "widgets/editor_window.h"
#include "widgets/prompter.h"
#include "widgets/ui_text.h"

namespace zq {

UndoCommands::UndoCommands(frmMain& main) : main_(main) {
  history_.Reset(main_.Config());
  SetActionObserver(this);
  EnableActions();
}

UndoCommands::~UndoCommands() {
  if (CurrentActionObserver() == this) SetActionObserver(nullptr);
}

void UndoCommands::ActionEnded() {
  if (history_.Record(main_.Config())) main_.RefreshCaption();
  EnableActions();
}

void UndoCommands::StartFresh() {
  history_.Reset(main_.Config());
  EnableActions();
}

void UndoCommands::RecordNow() {
  history_.Record(main_.Config());
  EnableActions();
}

void UndoCommands::RecordPendingEdits() {
  main_.CommitEditors();
  RecordNow();
}

void UndoCommands::AbsorbOwnChanges() { history_.Absorb(main_.Config()); }

void UndoCommands::Undo() {
  main_.CommitEditors();
  if (EditorWindow* holder = main_.EditorHoldingUnsavedChoices()) {  // the newest change is the window's own
    main_.ActivateEditor(holder);
    holder->DropUnsavedChoices();
    EnableActions();
    return;
  }
  const int rangeIndex = main_.Config().RangeIndex();
  if (history_.Undo(main_.Config())) Restored(rangeIndex);
  EnableActions();
}

void UndoCommands::Redo() {
  main_.CommitEditors();
  if (!history_.CanRedo()) return;
  if (EditorWindow* holder = main_.EditorHoldingUnsavedChoices()) {
    main_.ActivateEditor(holder);
    const QString question =
        QUtf8(FillIn(Text(Txt::RedoDropsChoices, main_.Language()), {holder->windowTitle().toStdString()}));
    if (CurrentPrompter().Ask(&main_, question, Buttons::OkCancel, Icon::Question) != Answer::Ok) return;
  }
  const int rangeIndex = main_.Config().RangeIndex();
  if (history_.Redo(main_.Config())) Restored(rangeIndex);
  EnableActions();
}

// The band range text follows the range index, as after every load.
void UndoCommands::Restored(int rangeIndexBefore) {
  main_.ReloadEditors();
  if (main_.Config().RangeIndex() != rangeIndexBefore) {
    main_.state().document.rangeText = RangeTextOfIndex(main_.Config().RangeIndex());
    main_.Change_Language();
  }
  main_.RefreshCaption();
}

void UndoCommands::EnableActions() {
  EditorWindow* holder = main_.EditorHoldingUnsavedChoices();
  main_.action(Command::Undo)->setEnabled(history_.CanUndo() || holder);
  main_.action(Command::Redo)->setEnabled(history_.CanRedo());
}

}  // namespace zq
