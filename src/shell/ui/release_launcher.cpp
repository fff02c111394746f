#include "shell/ui/release_launcher.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "datafile/install_layout.h"
#include "platform/qt/process_starter.h"
#include "shell/ui/document_commands.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/transfer_controller.h"
#include "widgets/prompter.h"
#include "widgets/qt_paths.h"
#include "widgets/ui_text.h"

namespace zq {

void StartMatchingRelease(frmMain& main, const std::string& version, bool offerToSave) {
  AppState& state = main.state();
  std::string programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
  MatchingRelease release = FindMatchingRelease(state.versions, version, state.layout.releasesFolder, programName);
  if (!release.found) {
    Tell(&main, QText(Txt::ReleaseMissing, state.settings.language), Icon::Error);
    return;
  }
  if (offerToSave && !main.documents().OfferToSaveChanges()) return;
  main.transfers().ClosePort();
  if (!CurrentProcessStarter().Start(QStringOfPath(release.executable))) {
    Tell(&main, QText(Txt::ReleaseMissing, state.settings.language), Icon::Error);
    return;
  }
  CurrentProcessStarter().EndThisProgram();
}

}  // namespace zq
