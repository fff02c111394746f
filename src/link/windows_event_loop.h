#pragma once
// Runs a transfer on the calling thread without Qt on Windows: waits in the
// port's ReadFile() for its bytes and keeps the reply timer itself.
#include <chrono>
#include <optional>

#include "link/native_link.h"
#include "link/windows_serial_port.h"

namespace zq {

class WindowsEventLoop : public PortEventLoop {
 public:
  using Clock = std::chrono::steady_clock;

  explicit WindowsEventLoop(WindowsSerialPort& port) : port_(port) {}

  void Start(std::chrono::milliseconds interval) override { deadline_ = Clock::now() + interval; }
  void Stop() override { deadline_.reset(); }

  void RunUntil(const std::function<bool()>& finished) override;

 private:
  WindowsSerialPort& port_;
  std::optional<Clock::time_point> deadline_;
};

}  // namespace zq
