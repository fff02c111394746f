// Time the channel window takes to show another band or group: the grid
// refilled (99 rows for the memory groups), the detail panel of the work
// channel filled, and the events that follow (layout, offscreen painting).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <memory>
#include <string>

#include "config/channel_slots.h"
#include "channels/ui/frm_comm_ch_info.h"
#include "channels/ui/group_panel.h"
#include "config/defaults.h"
#include "platform/local_date.h"
#include "shell/ui/editor_table.h"
#include "shell/ui/frm_main.h"
#include "support/scripted_prompter.h"
#include "support/program_folder.h"
#include "offscreen_bench_main.h"

namespace {

using namespace zq;


// Full memory groups in HF and HAM, with tones so the detail panel shows its code lists.
void FillMemoryGroups(RadioConfig& cfg) {
  for (int band : {kHF, kHAM}) {
    for (int n = 1; n <= 99; ++n) {
      ChannelRecord r = NewChannelRecord(n);
      r.RxFrequency = std::to_string(2800000 + 100 * n) + " ";
      r.TxFrequency = r.RxFrequency;
      r.RxToneType = 2;
      r.TxToneType = 1;
      AppendSlot(cfg, band, MemGroup(band), r);
    }
  }
}

struct Window {
  Window() {

    state.layout = folder.layout();
    StartupCore(state.layout, 0x0409, LocalToday(), SettingsAccess::ReadOnly, state);
    state.identity.hfCapable = true;
    main = std::make_unique<frmMain>(state);
    main->show();
    FillMemoryGroups(state.config);
    main->CloseAllEditors();
    editor = static_cast<frmCommChInfo*>(main->OpenEditor(kChannelEditorKey));
  }
  ~Window() {
    main.reset();

  }
  static void Pick(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
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

void BM_SwitchMemoryGroup(benchmark::State& state) {
  Window w;
  Window::Pick(w.editor->bandSelector(), kHF);
  bool mem = false;
  for (auto _ : state) {
    mem = !mem;
    w.ShowGroup(mem ? MemGroup(kHF) : 1);
    QApplication::processEvents();  // layout and paint of what changed
  }
}
BENCHMARK(BM_SwitchMemoryGroup)->Unit(benchmark::kMillisecond);

void BM_SwitchBandAndShowMemoryGroup(benchmark::State& state) {
  Window w;
  int band = kHF;
  for (auto _ : state) {
    band = band == kHF ? kHAM : kHF;
    Window::Pick(w.editor->bandSelector(), band);
    w.ShowGroup(MemGroup(band));
    QApplication::processEvents();
  }
}
BENCHMARK(BM_SwitchBandAndShowMemoryGroup)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
