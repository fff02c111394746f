#pragma once
// Runs transfers on the calling thread without Qt on Windows: waits in each
// port's ReadFile() for its bytes and keeps the reply timers itself (the first
// port's timer is the loop itself).
#include <chrono>
#include <memory>
#include <vector>

#include "link/deadline_timer.h"
#include "link/native_link.h"
#include "link/windows_serial_port.h"

namespace zq {

class WindowsEventLoop : public PortEventLoop {
 public:
  using Clock = std::chrono::steady_clock;

  explicit WindowsEventLoop(WindowsSerialPort& port);

  void Start(std::chrono::milliseconds interval) override { first_.Start(interval); }
  void Stop() override { first_.Stop(); }

  void RunUntil(const std::function<bool()>& finished) override;
  Line AddLine() override;

 private:
  DeadlineTimer first_;
  std::vector<WindowsSerialPort*> ports_;  // the first port, then the added ones
  std::vector<DeadlineTimer*> timers_;     // in the same order
  std::vector<std::unique_ptr<WindowsSerialPort>> addedPorts_;
  std::vector<std::unique_ptr<DeadlineTimer>> addedTimers_;
};

}  // namespace zq
