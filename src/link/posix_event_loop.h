#pragma once
// Runs a transfer on the calling thread without Qt: waits in ppoll() for the
// port's bytes and for the reply timer, which this loop also provides.
#include <chrono>
#include <functional>
#include <optional>

#include "link/native_link.h"
#include "link/posix_serial_port.h"

namespace zq {

class PosixEventLoop : public PortEventLoop {
 public:
  using Clock = std::chrono::steady_clock;

  explicit PosixEventLoop(PosixSerialPort& port) : port_(port) {}

  void Start(std::chrono::milliseconds interval) override { deadline_ = Clock::now() + interval; }
  void Stop() override { deadline_.reset(); }

  void RunUntil(const std::function<bool()>& finished) override;

 private:
  PosixSerialPort& port_;
  std::optional<Clock::time_point> deadline_;
};

}  // namespace zq
