// Undo and Redo of a 99-row change as the user sees them: from the Edit menu's
// command until the channel window shows the HF memory group again (grid of 99
// rows refilled, detail panel, layout and offscreen painting). Target: under
// 5 ms each.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <chrono>
#include <string>

#include "channel_editor_bench_window.h"
#include "config/channel_slots.h"
#include "config/defaults.h"
#include "offscreen_bench_main.h"
#include "shell/ui/undo_commands.h"

namespace {

using namespace zq;

struct Window : bench::ChannelEditorBenchWindow {
  Window() {
    ShowBand(kHF);
    ShowGroup(MemGroup(kHF));
    QApplication::processEvents();
    // The change: the whole memory group filled, as an import of 99 rows does.
    for (int n = 1; n <= 99; ++n) {
      ChannelRecord r = NewChannelRecord(n);
      r.RxFrequency = std::to_string(2800000 + 100 * n) + " ";
      r.TxFrequency = r.RxFrequency;
      AppendSlot(state.config, {kHF, MemGroup(kHF)}, r);
    }
    main->undoCommands().RecordNow();
  }
  // The command, then the events that follow it.
  double Run(Command command) {
    auto start = std::chrono::steady_clock::now();
    main->action(command)->trigger();
    QApplication::processEvents();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
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
