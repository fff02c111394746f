// Whole reads and writes through a pseudo-terminal against the simulated radio:
//  - as fast as the pseudo-terminal allows, compared with a minimal blocking
//    read/write loop doing the same exchanges in the same run (target: ratio <= 1.15);
//  - with the radio answering at wire speed (115200 baud), compared with the
//    time the bytes alone need on the wire (target: ratio <= 1.02); the minimal
//    loop's ratio beside it shows the share of the pseudo-terminal itself.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "link/comm_transfer.h"
#include "link/posix_event_loop.h"
#include "link/pty_radio_server.h"
#include "link/transfer_ranges.h"
#include "radio_bench_support.h"

namespace {

using zq::bench::Clock;
using zq::bench::kWireBaud;
using zq::bench::Median;
using zq::bench::RadioThread;
using zq::bench::SampleImage;

// ---- the baseline: plain blocking POSIX calls, written as C ----

int OpenBlocking(const char* path) {
  int fd = open(path, O_RDWR | O_NOCTTY);
  struct termios line;
  tcgetattr(fd, &line);
  cfmakeraw(&line);
  line.c_cc[VMIN] = 1;
  line.c_cc[VTIME] = 0;
  tcsetattr(fd, TCSANOW, &line);
  return fd;
}

int Exchange(int fd, const unsigned char* request, int requestLength, unsigned char* reply, int replyLength) {
  if (write(fd, request, requestLength) != requestLength) return 0;
  for (int got = 0; got < replyLength;) {
    ssize_t n = read(fd, reply + got, replyLength - got);
    if (n <= 0) return 0;
    got += (int)n;
  }
  return 1;
}

void PutAddress(unsigned char* frame, unsigned address) {
  frame[1] = (unsigned char)(address >> 24);
  frame[2] = (unsigned char)(address >> 16);
  frame[3] = (unsigned char)(address >> 8);
  frame[4] = (unsigned char)address;
}

// Greeting, identity, every block of the ranges, end frame; 1 when all were answered.
int BaselineTransfer(const char* path, int writing, const unsigned char* image) {
  int fd = OpenBlocking(path);
  unsigned char reply[32], frame[24];
  int ok = Exchange(fd, (const unsigned char*)"PROGRAM", 7, reply, 3) &&
           Exchange(fd, (const unsigned char*)"\x02", 1, reply, 16);
  for (const zq::AddressRange& range : zq::kTransferRanges) {
    for (unsigned address = range.first; ok && address < range.last; address += 16) {
      frame[0] = writing ? 'W' : 'R';
      PutAddress(frame, address);
      frame[5] = 16;
      if (!writing) {
        ok = Exchange(fd, frame, 6, reply, 24);
        continue;
      }
      unsigned sum = 0;
      for (int k = 0; k < 16; ++k) frame[6 + k] = image[address + k];
      for (int k = 1; k < 22; ++k) sum += frame[k];
      frame[22] = (unsigned char)sum;
      frame[23] = 0x06;
      ok = Exchange(fd, frame, 24, reply, 1);
    }
  }
  ok = ok && Exchange(fd, (const unsigned char*)"END", 3, reply, 1);
  close(fd);
  return ok;
}

// ---- the program's way: the transfer engine on the POSIX port and event loop ----

struct QuietHost : zq::TransferHost {
  void AskIncompatibleVersion(const std::string&) override {}
  void ShowProgress(int) override {}
  void TransferEnded(const zq::TransferOutcome& o) override { success = o.success; }
  bool success = false;
};

bool EngineTransfer(const std::string& path, zq::TransferKind kind, zq::MemoryImage& image) {
  zq::PosixSerialPort port;
  zq::PosixEventLoop loop(port);
  zq::VersionList versions;
  versions.firmPairs.emplace_back("V100", "V100");
  QuietHost host;
  zq::TransferEngine engine(port, loop, image, versions, host);
  if (!engine.OpenRadioPort(kind, path).ok()) return false;
  engine.Begin();
  loop.RunUntil([&] { return !engine.running(); });
  return host.success;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void AgainstBaseline(benchmark::State& state, zq::TransferKind kind) {
  RadioThread radio(0);
  if (!radio.ok()) return state.SkipWithError("no pseudo-terminal");
  zq::MemoryImage image = SampleImage();
  bool writing = kind == zq::TransferKind::Write;
  std::vector<double> engineTimes, baselineTimes, ratios;
  for (auto _ : state) {
    auto t0 = Clock::now();
    bool baselineOk = BaselineTransfer(radio.path().c_str(), writing, image.bytes().data());
    auto t1 = Clock::now();
    bool engineOk = EngineTransfer(radio.path(), kind, image);
    auto t2 = Clock::now();
    if (!baselineOk || !engineOk) return state.SkipWithError("a transfer failed");
    baselineTimes.push_back(Seconds(t1 - t0));
    engineTimes.push_back(Seconds(t2 - t1));
    ratios.push_back(engineTimes.back() / baselineTimes.back());
    state.SetIterationTime(engineTimes.back());
  }
  // Medians: the machine is shared, and a burst of other work should not decide the figure.
  state.counters["engine_s"] = Median(engineTimes);
  state.counters["baseline_s"] = Median(baselineTimes);
  state.counters["ratio"] = Median(ratios);
  state.SetLabel("median of paired runs; target ratio <= 1.15");
}

// The bytes a whole transfer puts on the wire in both directions, at 10 bits each.
double WireSeconds(zq::TransferKind kind) {
  const zq::FrameRule& block = zq::RuleOf(kind == zq::TransferKind::Read ? zq::FrameKind::ReadRequest
                                                                         : zq::FrameKind::DataFrame);
  std::size_t bytes = 0;
  for (zq::FrameKind frame : {zq::FrameKind::Greeting, zq::FrameKind::IdentRequest, zq::FrameKind::End})
    bytes += zq::RuleOf(frame).length + zq::RuleOf(frame).replyLength;
  bytes += static_cast<std::size_t>(zq::TransferBlockCount()) * (block.length + block.replyLength);
  return static_cast<double>(bytes) * 10 / kWireBaud;
}

void AtWireSpeed(benchmark::State& state, zq::TransferKind kind) {
  RadioThread radio(kWireBaud);
  if (!radio.ok()) return state.SkipWithError("no pseudo-terminal");
  zq::MemoryImage image = SampleImage();
  double total = 0, baselineTotal = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    if (!EngineTransfer(radio.path(), kind, image)) return state.SkipWithError("the transfer failed");
    double took = Seconds(Clock::now() - start);
    total += took;
    state.SetIterationTime(took);
    // The same exchanges by the minimal loop show what the pseudo-terminal itself adds.
    start = Clock::now();
    BaselineTransfer(radio.path().c_str(), kind == zq::TransferKind::Write, image.bytes().data());
    baselineTotal += Seconds(Clock::now() - start);
  }
  double runs = static_cast<double>(state.iterations());
  state.counters["transfer_s"] = total / runs;
  state.counters["wire_s"] = WireSeconds(kind);
  state.counters["ratio"] = total / runs / WireSeconds(kind);
  state.counters["baseline_ratio"] = baselineTotal / runs / WireSeconds(kind);
  state.SetLabel("target ratio <= 1.02");
}

void BM_ReadThroughPty(benchmark::State& state) { AgainstBaseline(state, zq::TransferKind::Read); }
void BM_WriteThroughPty(benchmark::State& state) { AgainstBaseline(state, zq::TransferKind::Write); }
void BM_ReadAtWireSpeed(benchmark::State& state) { AtWireSpeed(state, zq::TransferKind::Read); }
void BM_WriteAtWireSpeed(benchmark::State& state) { AtWireSpeed(state, zq::TransferKind::Write); }

BENCHMARK(BM_ReadThroughPty)->UseManualTime()->Iterations(31)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteThroughPty)->UseManualTime()->Iterations(31)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAtWireSpeed)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteAtWireSpeed)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
