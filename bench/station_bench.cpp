// A programming station: radios on several ports written side by side by one
// event loop, each port with its own transfer engine, against the simulated
// radio answering at wire speed (115200 baud). Compared with one radio on one
// port, for a write and for a write with verify (target: ratio <= 1.15).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "link/comm_transfer.h"
#include "link/posix_event_loop.h"
#include "link/pty_radio_server.h"
#include "radio_bench_support.h"

namespace {

using zq::bench::Clock;
using zq::bench::kWireBaud;
using zq::bench::Median;
using zq::bench::RadioThread;
using zq::bench::SampleImage;
constexpr int kStationPorts = 4;

struct QuietHost : zq::TransferHost {
  void AskIncompatibleVersion(const std::string&) override {}
  void ShowProgress(int) override {}
  void TransferEnded(const zq::TransferOutcome& o) override { success = o.success; }
  bool success = false;
};

// Writes every radio at once from one loop; the seconds until the last is
// done, or a negative figure when one failed.
double WriteSideBySide(const std::vector<std::unique_ptr<RadioThread>>& radios, bool verify) {
  zq::PosixSerialPort first;
  zq::PosixEventLoop loop(first);
  zq::VersionList versions;
  versions.firmPairs.emplace_back("V100", "V100");
  std::vector<zq::MemoryImage> images(radios.size(), SampleImage());
  std::vector<QuietHost> hosts(radios.size());
  std::vector<std::unique_ptr<zq::TransferEngine>> engines;
  for (std::size_t k = 0; k < radios.size(); ++k) {
    zq::PortEventLoop::Line line = k == 0 ? zq::PortEventLoop::Line{first, loop} : loop.AddLine();
    engines.push_back(std::make_unique<zq::TransferEngine>(line.port, line.timer, images[k], versions, hosts[k]));
  }
  auto start = Clock::now();
  for (std::size_t k = 0; k < radios.size(); ++k) {
    engines[k]->SetVerifyAfterWrite(verify);
    if (!engines[k]->OpenRadioPort(zq::TransferKind::Write, radios[k]->path()).ok()) return -1;
    engines[k]->Begin();
  }
  loop.RunUntil([&] { return std::ranges::none_of(engines, [](const auto& e) { return e->running(); }); });
  double took = std::chrono::duration<double>(Clock::now() - start).count();
  return std::ranges::all_of(hosts, [](const QuietHost& h) { return h.success; }) ? took : -1;
}

void FourPortsAgainstOne(benchmark::State& state, bool verify) {
  std::vector<std::unique_ptr<RadioThread>> radios, alone;
  for (int k = 0; k < kStationPorts; ++k) radios.push_back(std::make_unique<RadioThread>(kWireBaud));
  alone.push_back(std::make_unique<RadioThread>(kWireBaud));
  if (!std::ranges::all_of(radios, [](const auto& r) { return r->ok(); }) || !alone.front()->ok())
    return state.SkipWithError("no pseudo-terminal");
  std::vector<double> one, four, ratios;
  for (auto _ : state) {
    double single = WriteSideBySide(alone, verify);
    double station = WriteSideBySide(radios, verify);
    if (single < 0 || station < 0) return state.SkipWithError("a write failed");
    one.push_back(single);
    four.push_back(station);
    ratios.push_back(station / single);
    state.SetIterationTime(station);
  }
  state.counters["one_port_s"] = Median(one);
  state.counters["four_ports_s"] = Median(four);
  state.counters["ratio"] = Median(ratios);
  state.SetLabel("median of paired runs; target ratio <= 1.15");
}

void BM_WriteFourPorts(benchmark::State& state) { FourPortsAgainstOne(state, false); }
void BM_WriteAndVerifyFourPorts(benchmark::State& state) { FourPortsAgainstOne(state, true); }

BENCHMARK(BM_WriteFourPorts)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteAndVerifyFourPorts)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
