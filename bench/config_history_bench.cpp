// The undo history on a busy configuration: the time to take back and bring
// again a change of 99 channel rows (target: under 5 ms each), the time every
// window handler spends looking for changes when it ends, and the memory a
// step costs (counter step_bytes).
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "shell/config_history.h"
#include "support/random_config.h"

namespace {

using zq::ConfigHistory;
using zq::RadioConfig;

// Every record of the HF memory group gets another frequency, as an import does.
void ChangeMemoryGroup(RadioConfig& cfg, int round) {
  for (int k = 1; k <= 99; ++k) cfg.Channel({zq::kHF, 16}, k).RxFrequency = std::to_string(28000000 + 1000 * k + round);
  cfg.Count({zq::kHF, 16}) = 99;
}

struct History {
  History() {
    history.Reset(cfg);
    ChangeMemoryGroup(cfg, 1);
    history.Record(cfg);
  }
  RadioConfig cfg = zq::testing::RandomConfig(1).Make();
  ConfigHistory history;
};

template <class F>
double Seconds(F&& f) {
  auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_Undo99Rows(benchmark::State& state) {
  History h;
  for (auto _ : state) {
    state.SetIterationTime(Seconds([&] { h.history.Undo(h.cfg); }));
    h.history.Redo(h.cfg);
  }
  state.counters["step_bytes"] = static_cast<double>(h.history.StepBytes());
}
BENCHMARK(BM_Undo99Rows)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_Redo99Rows(benchmark::State& state) {
  History h;
  for (auto _ : state) {
    h.history.Undo(h.cfg);
    state.SetIterationTime(Seconds([&] { h.history.Redo(h.cfg); }));
  }
}
BENCHMARK(BM_Redo99Rows)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Recording the 99-row change when the action ends.
void BM_Record99Rows(benchmark::State& state) {
  History h;
  int round = 1;
  for (auto _ : state) {
    ChangeMemoryGroup(h.cfg, ++round);
    state.SetIterationTime(Seconds([&] { h.history.Record(h.cfg); }));
  }
}
BENCHMARK(BM_Record99Rows)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The end of a handler that changed nothing (a key typed, a row entered).
void BM_RecordNothingChanged(benchmark::State& state) {
  History h;
  for (auto _ : state) benchmark::DoNotOptimize(h.history.Record(h.cfg));
}
BENCHMARK(BM_RecordNothingChanged)->Unit(benchmark::kMicrosecond);

// The memory of a step that changed one option field, and of a full history of such steps.
void BM_StepOfOneField(benchmark::State& state) {
  History h;
  h.history.Reset(h.cfg);
  for (auto _ : state) {
    h.cfg.Options.Tot() = h.cfg.Options.Tot() == 1 ? 2 : 1;
    h.history.Record(h.cfg);
  }
  state.counters["steps"] = static_cast<double>(h.history.UndoCount());
  state.counters["step_bytes"] = static_cast<double>(h.history.StepBytes()) /
                                 static_cast<double>(h.history.UndoCount());
}
BENCHMARK(BM_StepOfOneField)->Iterations(zq::kUndoSteps)->Unit(benchmark::kMicrosecond);

}  // namespace
