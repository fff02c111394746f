#include "shell/ui/document_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "datafile/backups.h"
#include "datafile/data_file.h"
#include "datafile/init_defaults.h"
#include "platform/local_date.h"
#include "platform/utf8_path.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/release_launcher.h"
#include "shell/ui/undo_commands.h"
#include "text/plain_text.h"
#include "widgets/prompter.h"
#include "widgets/qt_paths.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

// Where an untitled document is offered to be saved: the user's documents, or home without them.
QString DocumentsFolder() {
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

void DocumentCommands::New() {
  if (!OfferToSaveChanges()) return;
  const QString question = QText(Txt::AllDataCleared, main_.Language());
  if (CurrentPrompter().Ask(&main_, question, Buttons::OkCancel, Icon::Warning) == Answer::Ok) LoadNewDoc();
}

void DocumentCommands::NewFromToolbar() {
  if (OfferToSaveChanges()) LoadNewDoc();
}

void DocumentCommands::LoadNewDoc() {
  AppState& state = main_.state();
  main_.CloseAllEditors();
  InitDefaults(state.layout.dataFolder, LocalToday(), state);
  main_.undoCommands().StartFresh();
  main_.Change_Language();
  main_.OpenChannelEditorAndCascade();
}

void DocumentCommands::InitialSetting() {
  AppState& state = main_.state();
  main_.undoCommands().RecordPendingEdits();
  if (!OfferToSaveChanges()) return;
  main_.CloseAllEditors();
  // The template replaces the configuration, not the file named in the title:
  // the working copy stays that file's, so the changes are marked and asked about.
  EditedDocument initial{state.config, state.document, {}};
  LoadTemplate(TemplateFileOf(state.layout.dataFolder, state.document.rangeText, TemplateKind::InitialSetting),
               initial);
  state.config = std::move(initial.config);
  state.document = std::move(initial.document);
  main_.RefreshCaption();
  main_.OpenChannelEditorAndCascade();
}

bool DocumentCommands::WriteDocument(const std::filesystem::path& path) {
  AppState& state = main_.state();
  main_.undoCommands().RecordNow();
  FileResult result = SaveDataFile(path, state);
  main_.undoCommands().AbsorbOwnChanges();
  main_.RefreshCaption();
  if (!result.ok()) Tell(&main_, QUtf8(FileResultText(result, main_.Language())), Icon::Error);
  return result.ok();
}

bool DocumentCommands::OfferToSaveChanges() {
  AppState& state = main_.state();
  main_.CommitEditors();
  if (IsUnchanged(state.config, state.working)) return true;
  switch (
      CurrentPrompter().Ask(&main_, QText(Txt::FileModified, main_.Language()), Buttons::YesNoCancel, Icon::Warning)) {
    // An untitled document has no folder of its own yet: the user says where it goes.
    case Answer::Yes: return state.document.untitled ? SaveAs() : WriteDocument(PathFromUtf8(state.document.fileName));
    case Answer::No: return true;
    default: return false;
  }
}

void DocumentCommands::Open() {
  if (!OfferToSaveChanges()) return;
  AppState& state = main_.state();
  QString filter = QText(Txt::DataFile, main_.Language()) + QStringLiteral(" (*.dat)");
  QString chosen = CurrentPrompter().ChooseFileToOpen(&main_, filter);
  if (chosen.isEmpty()) return;
  LoadDocument([&] { return OpenDataFile(PathOfQString(chosen), state.versions, state); });
}

void DocumentCommands::OpenBackup() {
  AppState& state = main_.state();
  auto folder = state.layout.backupFolder;
  if (ListBackups(folder).empty()) {
    Tell(&main_, QUtf8(FillIn(Text(Txt::NoBackups, main_.Language()), {Utf8OfPath(folder)})), Icon::Information);
    return;
  }
  if (!OfferToSaveChanges()) return;
  QString filter = QText(Txt::BackupFilter, main_.Language()) + QStringLiteral(" (*.dat *.bin)");
  QString chosen = CurrentPrompter().ChooseFileInFolder(&main_, QStringOfPath(folder), filter);
  if (chosen.isEmpty()) return;
  LoadDocument(
      [&] { return zq::OpenBackup(PathOfQString(chosen), state.versions, ImageOptions{state.systemLocaleId}, state); });
}

void DocumentCommands::LoadDocument(const std::function<FileResult()>& load) {
  AppState& state = main_.state();
  const int language = main_.Language();
  main_.CloseAllEditors();
  FileResult result = load();
  if (result.ok()) main_.undoCommands().StartFresh();
  if (result.status == FileStatus::IncompatibleVersion) {
    if (CurrentPrompter().Ask(&main_, QUtf8(FileResultText(result, language)), Buttons::YesNo, Icon::Question) ==
        Answer::Yes)
      StartMatchingRelease(main_, result.foundVersion, false);  // Open asked already
  } else if (!result.ok()) {
    Tell(&main_, QUtf8(FileResultText(result, language)), Icon::Error);
  } else if (result.finishedInterruptedSave) {
    Tell(&main_, QUtf8(FileResultNote(result, PathFromUtf8(state.document.fileName), language)), Icon::Information);
  }
  main_.Change_Language();
  main_.OpenChannelEditorAndCascade();
}

void DocumentCommands::Save() {
  const DocumentState& document = main_.state().document;
  if (document.untitled) {
    SaveAs();
    return;
  }
  QString question = QLatin1Char('"') + QFileInfo(QUtf8(document.fileName)).fileName() + QLatin1Char('"') +
                     QText(Txt::FileOverwrite, main_.Language());
  if (CurrentPrompter().Ask(&main_, question, Buttons::OkCancel, Icon::Question) == Answer::Ok)
    WriteDocument(PathFromUtf8(document.fileName));
}

QString DocumentCommands::DocumentFolder() const {
  const DocumentState& document = main_.state().document;
  if (document.untitled) return DocumentsFolder();
  return QFileInfo(QUtf8(document.fileName)).absolutePath();
}

bool DocumentCommands::SaveAs() {
  const DocumentState& document = main_.state().document;
  QString filter = QText(Txt::DataFile, main_.Language()) + QStringLiteral(" (*.dat)");
  QString preset = QUtf8(document.fileName);
  if (document.untitled) preset = QDir(DocumentsFolder()).filePath(QFileInfo(preset).fileName());
  QString chosen = CurrentPrompter().ChooseFileToSave(&main_, preset, filter);
  return !chosen.isEmpty() && WriteDocument(PathOfQString(chosen));
}

}  // namespace zq
