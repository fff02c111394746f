#pragma once
// Runs a transfer on the calling thread without Qt: waits in ppoll() for the
// port's bytes and for the reply timer, which this loop also provides.
#include <chrono>
#include <functional>
#include <optional>

#include "link/posix_serial_port.h"
#include "link/reply_timer.h"

namespace zq {

class PosixEventLoop : public ReplyTimer {
 public:
  using Clock = std::chrono::steady_clock;

  explicit PosixEventLoop(PosixSerialPort& port) : port_(port) {}

  void Start(std::chrono::milliseconds interval) override { deadline_ = Clock::now() + interval; }
  void Stop() override { deadline_.reset(); }

  // Delivers port and timer events until `finished` holds, or until nothing is
  // left to wait for (no open port and no running timer).
  void RunUntil(const std::function<bool()>& finished);

 private:
  PosixSerialPort& port_;
  std::optional<Clock::time_point> deadline_;
};

}  // namespace zq
