#include "shell/ui/undo_commands.h"

#include <QAction>

#include "shell/ui/frm_main.h"
#include "shell/ui/undo_step_view.h"
#include "widgets/editor_window.h"
#include "widgets/prompter.h"
#include "widgets/ui_text.h"

namespace zq {

UndoCommands::UndoCommands(frmMain& main) : main_(main) {
  history_.Reset(main_.Config());
  SetActionObserver(this);
  RefreshActions();
}

UndoCommands::~UndoCommands() {
  if (CurrentActionObserver() == this) SetActionObserver(nullptr);
}

void UndoCommands::ActionEnded() {
  if (history_.Record(main_.Config())) main_.RefreshCaption();
  RefreshActions();
}

void UndoCommands::StartFresh() {
  history_.Reset(main_.Config());
  RefreshActions();
}

void UndoCommands::RecordNow() {
  history_.Record(main_.Config());
  RefreshActions();
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
    RefreshActions();
    return;
  }
  history_.Record(main_.Config());
  const StepReach reach = history_.UndoReach();
  const int rangeIndex = main_.Config().RangeIndex();
  if (history_.Undo(main_.Config())) Restored(rangeIndex, reach);
  RefreshActions();
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
  const StepReach reach = history_.RedoReach();
  const int rangeIndex = main_.Config().RangeIndex();
  if (history_.Redo(main_.Config())) Restored(rangeIndex, reach);
  RefreshActions();
}

// The band range text follows the range index, as after every load. The
// editor of the change comes forward (opened when it was closed), and the
// channel window shows the band, group and row that changed.
void UndoCommands::Restored(int rangeIndexBefore, const StepReach& reach) {
  main_.ReloadEditors();
  if (main_.Config().RangeIndex() != rangeIndexBefore) {
    main_.state().document.rangeText = RangeTextOfIndex(main_.Config().RangeIndex());
    main_.Change_Language();
  }
  main_.RefreshCaption();
  const UndoStepView view = ViewOfStep(reach, main_.Config(), main_.Language());
  if (view.editor.empty()) return;
  if (EditorWindow* editor = main_.OpenEditor(view.editor); editor && view.band)
    editor->ShowChannel({*view.band, view.group}, view.row);
}

void UndoCommands::RefreshActions() {
  const int language = main_.Language();
  EditorWindow* holder = main_.EditorHoldingUnsavedChoices();
  const std::string undoing = holder ? FillIn(Text(Txt::StepUnsavedChoices, language),
                                              {holder->windowTitle().toStdString()})
                                     : ViewOfStep(history_.UndoReach(), main_.Config(), language).what;
  const std::string redoing = ViewOfStep(history_.RedoReach(), main_.Config(), language).what;
  auto label = [&](Txt plain, Txt named, const std::string& what) {
    return what.empty() ? QText(plain, language) : QUtf8(FillIn(Text(named, language), {what}));
  };
  QAction* undo = main_.action(Command::Undo);
  undo->setEnabled(history_.CanUndo() || holder);
  undo->setText(label(Txt::MenuUndo, Txt::UndoNamed, undoing));
  QAction* redo = main_.action(Command::Redo);
  redo->setEnabled(history_.CanRedo());
  redo->setText(label(Txt::MenuRedo, Txt::RedoNamed, redoing));
}

}  // namespace zq
