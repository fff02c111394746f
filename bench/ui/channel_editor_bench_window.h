#pragma once
// The window the window benchmarks drive: a throw-away installation, the main
// window of an HF-capable radio shown offscreen, and the channel editor open.
#include <QComboBox>
#include <functional>
#include <memory>

#include "channels/ui/frm_comm_ch_info.h"
#include "channels/ui/group_panel.h"
#include "platform/local_date.h"
#include "shell/ui/editor_table.h"
#include "shell/ui/frm_main.h"
#include "support/program_folder.h"
#include "support/scripted_prompter.h"

namespace zq::bench {

struct ChannelEditorBenchWindow {
  // `prepare` fills the configuration before the channel editor opens.
  explicit ChannelEditorBenchWindow(const std::function<void(RadioConfig&)>& prepare = {}) {
    state.layout = folder.layout();
    StartupCore(state.layout, 0x0409, LocalToday(), SettingsAccess::ReadOnly, state);
    state.identity.hfCapable = true;
    main = std::make_unique<frmMain>(state);
    main->show();
    if (prepare) prepare(state.config);
    main->CloseAllEditors();
    editor = static_cast<frmCommChInfo*>(main->OpenEditor(kChannelEditorKey));
  }
  // As the user's choice in a list: the index set, then the signal the editor acts on.
  static void Pick(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
  void ShowBand(Band band) { Pick(editor->bandSelector(), BandIndex(band)); }
  void ShowGroup(int group) {
    QComboBox* selector = editor->groupPanel()->groupSelector();
    Pick(selector, selector->findData(group));
  }

  testing::ProgramFolder folder;
  testing::ScriptedPrompter prompter;
  AppState state;
  std::unique_ptr<frmMain> main;
  frmCommChInfo* editor = nullptr;
};

}  // namespace zq::bench
