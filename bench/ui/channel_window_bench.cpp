// Time the channel window takes to show another band or group: the grid
// refilled (99 rows for the memory groups), the detail panel of the work
// channel filled, and the events that follow (layout, offscreen painting).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "channel_editor_bench_window.h"
#include "config/channel_slots.h"
#include "config/defaults.h"
#include "offscreen_bench_main.h"

namespace {

using namespace zq;
using Window = bench::ChannelEditorBenchWindow;

// Full memory groups in HF and HAM, with tones so the detail panel shows its code lists.
void FillMemoryGroups(RadioConfig& cfg) {
  for (const Band band : {kHF, kHAM}) {
    for (int n = 1; n <= 99; ++n) {
      ChannelRecord r = NewChannelRecord(n);
      r.RxFrequency = std::to_string(2800000 + 100 * n) + " ";
      r.TxFrequency = r.RxFrequency;
      r.RxToneType = 2;
      r.TxToneType = 1;
      AppendSlot(cfg, {band, MemGroup(band)}, r);
    }
  }
}

void BM_SwitchMemoryGroup(benchmark::State& state) {
  Window w(FillMemoryGroups);
  w.ShowBand(kHF);
  bool mem = false;
  for (auto _ : state) {
    mem = !mem;
    w.ShowGroup(mem ? MemGroup(kHF) : 1);
    QApplication::processEvents();  // layout and paint of what changed
  }
}
BENCHMARK(BM_SwitchMemoryGroup)->Unit(benchmark::kMillisecond);

void BM_SwitchBandAndShowMemoryGroup(benchmark::State& state) {
  Window w(FillMemoryGroups);
  Band band = kHF;
  for (auto _ : state) {
    band = band == kHF ? kHAM : kHF;
    w.ShowBand(band);
    w.ShowGroup(MemGroup(band));
    QApplication::processEvents();
  }
}
BENCHMARK(BM_SwitchBandAndShowMemoryGroup)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
