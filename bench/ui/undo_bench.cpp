// Undo and Redo of a 99-row change as the user sees them: from the Edit menu's
// command until the channel window shows the HF memory group again (grid of 99
// rows refilled, detail panel, layout and offscreen painting). Target: under
// 5 ms each.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <chrono>
#include <memory>
#include <string>

#include "channels/ui/frm_comm_ch_info.h"
#include "channels/ui/group_panel.h"
#include "config/channel_slots.h"
#include "config/defaults.h"
#include "platform/local_date.h"
#include "shell/ui/editor_table.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/undo_commands.h"
#include "support/program_folder.h"
#include "support/scripted_prompter.h"
#include "offscreen_bench_main.h"

namespace {

using namespace zq;

struct Window {
  Window() {
    state.layout = folder.layout();
    StartupCore(state.layout, 0x0409, LocalToday(), SettingsAccess::ReadOnly, state);
    state.identity.hfCapable = true;
    main = std::make_unique<frmMain>(state);
    main->show();
    main->CloseAllEditors();
    auto* editor = static_cast<frmCommChInfo*>(main->OpenEditor(kChannelEditorKey));
    Pick(editor->bandSelector(), kHF);
    QComboBox* groups = editor->groupPanel()->groupSelector();
    Pick(groups, groups->findData(MemGroup(kHF)));
    QApplication::processEvents();
    // The change: the whole memory group filled, as an import of 99 rows does.
    for (int n = 1; n <= 99; ++n) {
      ChannelRecord r = NewChannelRecord(n);
      r.RxFrequency = std::to_string(2800000 + 100 * n) + " ";
      r.TxFrequency = r.RxFrequency;
      AppendSlot(state.config, kHF, MemGroup(kHF), r);
    }
    main->undoCommands().RecordNow();
  }
  static void Pick(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
  // The command, then the events that follow it.
  double Run(Command command) {
    auto start = std::chrono::steady_clock::now();
    main->action(command)->trigger();
    QApplication::processEvents();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }

  testing::ProgramFolder folder;
  testing::ScriptedPrompter prompter;
  AppState state;
  std::unique_ptr<frmMain> main;
};

void BM_Undo99RowsInTheWindow(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    state.SetIterationTime(w.Run(Command::Undo));
    w.Run(Command::Redo);
  }
}
BENCHMARK(BM_Undo99RowsInTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Redo99RowsInTheWindow(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    w.Run(Command::Undo);
    state.SetIterationTime(w.Run(Command::Redo));
  }
}
BENCHMARK(BM_Redo99RowsInTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
