#pragma once
// Runs transfers on the calling thread without Qt: waits in ppoll() for the
// bytes of every port it serves and for their reply timers, which this loop
// also provides (the first port's timer is the loop itself).
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "link/deadline_timer.h"
#include "link/native_link.h"
#include "link/posix_serial_port.h"

namespace zq {

class PosixEventLoop : public PortEventLoop {
 public:
  using Clock = std::chrono::steady_clock;

  explicit PosixEventLoop(PosixSerialPort& port);

  void Start(std::chrono::milliseconds interval) override { first_.Start(interval); }
  void Stop() override { first_.Stop(); }

  void RunUntil(const std::function<bool()>& finished) override;
  Line AddLine() override;

 private:
  DeadlineTimer first_;
  std::vector<PosixSerialPort*> ports_;  // the first port, then the added ones
  std::vector<DeadlineTimer*> timers_;   // in the same order
  std::vector<std::unique_ptr<PosixSerialPort>> addedPorts_;
  std::vector<std::unique_ptr<DeadlineTimer>> addedTimers_;
};

}  // namespace zq
