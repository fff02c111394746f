#pragma once
// What the transfer benchmarks share: a simulated radio on a pseudo-terminal of
// its own, served by a thread as a radio on its own cable would be, an image
// to send, and the median of repeated runs.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "image/memory_image.h"
#include "link/pty_radio_server.h"
#include "link/simulated_radio.h"

namespace zq::bench {

using Clock = std::chrono::steady_clock;
// The radio's cable speed, for replies timed as the bytes take on the wire.
inline constexpr int kWireBaud = 115200;

class RadioThread {
 public:
  // `baud` 0 answers at once; otherwise each reply takes its bytes' time on the wire.
  explicit RadioThread(int baud) : radio_(MemoryImage{}, {"VESTRAX", true, "V100"}, {{}, -1, -1, baud}) {
    std::string error;
    server_ = PtyRadioServer::Create(error);
    if (server_) thread_ = std::thread([this] { server_->Serve(radio_); });
  }
  ~RadioThread() {
    if (server_) server_->Stop();
    if (thread_.joinable()) thread_.join();
  }
  RadioThread(const RadioThread&) = delete;
  RadioThread& operator=(const RadioThread&) = delete;
  bool ok() const { return server_ != nullptr; }
  std::string path() const { return server_->devicePath(); }

 private:
  SimulatedRadio radio_;
  std::unique_ptr<PtyRadioServer> server_;
  std::thread thread_;
};

// An image whose every byte differs from its neighbours, so no block is all zeros.
inline MemoryImage SampleImage() {
  MemoryImage image;
  auto bytes = image.bytes();
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 29 + 7);
  return image;
}

inline double Median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

}  // namespace zq::bench
