#pragma once
// Serves the simulated radio on a pseudo-terminal: the PC side opens
// devicePath() as it would open a serial adapter.
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "link/simulated_radio.h"

namespace zq {

struct ServeOptions {
  // Called when the radio has received an end frame, before it acknowledges it.
  std::function<void(const SimulatedRadio&)> onTransferEnded;
  // Return once the first transfer has ended and its acknowledgement has been read.
  bool exitAfterTransfer = false;
};

class PtyRadioServer {
 public:
  // Opens a pseudo-terminal pair with a raw line; empty, with the system's reason in `error`, on failure.
  static std::unique_ptr<PtyRadioServer> Create(std::string& error);
  ~PtyRadioServer();
  PtyRadioServer(const PtyRadioServer&) = delete;
  PtyRadioServer& operator=(const PtyRadioServer&) = delete;

  const std::string& devicePath() const { return devicePath_; }

  // Answers the PC until Stop(), until the radio hangs up (the pseudo-terminal
  // is closed then), or after the first transfer when the options ask for it.
  void Serve(SimulatedRadio& radio, const ServeOptions& options = {});
  // Safe from another thread and from a signal handler.
  void Stop();

 private:
  PtyRadioServer(int master, int slave, int stopRead, int stopWrite, std::string devicePath);
  struct ScheduledReply {
    std::chrono::steady_clock::time_point due;
    Bytes bytes;
  };
  // True when a request is waiting to be read; false when a reply is due or
  // the server was stopped (the line is closed then).
  bool WaitForRequest(const std::deque<ScheduledReply>& outgoing);
  void HangUp();
  // Waits, up to a limit, until the PC has read the last reply and let go of the line.
  void WaitForPcToClose();

  int master_ = -1;
  // Held open so the line keeps its raw settings and never hangs up between
  // two PC sessions.
  int slave_ = -1;
  int stopRead_ = -1, stopWrite_ = -1;
  std::string devicePath_;
};

}  // namespace zq
