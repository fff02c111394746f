#pragma once
// The system's own serial port with the reply timer, run on the calling thread
// without Qt: how the command line talks to the radio. POSIX systems wait in
// ppoll() on a tty, Windows in ReadFile() on a COM port.
#include <functional>
#include <memory>

#include "link/reply_timer.h"
#include "link/serial_port.h"

namespace zq {

// A reply timer that also waits for the port's bytes.
class PortEventLoop : public ReplyTimer {
 public:
  // Delivers port and timer events until `finished` holds, or until nothing is
  // left to wait for (no open port and no running timer).
  virtual void RunUntil(const std::function<bool()>& finished) = 0;

  // Another port of the system's kind with a reply timer of its own, both
  // owned by this loop and served by the same RunUntil as the first: how
  // several radios are programmed side by side on one thread.
  struct Line {
    SerialPort& port;
    ReplyTimer& timer;
  };
  virtual Line AddLine() = 0;
};

struct NativeLink {
  std::unique_ptr<SerialPort> port;
  std::unique_ptr<PortEventLoop> loop;  // drives `port`
};

NativeLink MakeNativeLink();

}  // namespace zq
