#include "link/windows_event_loop.h"

#include <algorithm>
#include <thread>

namespace zq {
namespace {

// How long one wait lasts while no reply timer runs; the loop then simply waits again.
constexpr std::chrono::milliseconds kIdleWait{1000};
// A ReadFile() waits on one port only, so with several ports open each gets a
// short wait in turn; the others' bytes wait in the system's queue meanwhile.
constexpr std::chrono::milliseconds kSharedWait{1};

}  // namespace

WindowsEventLoop::WindowsEventLoop(WindowsSerialPort& port) : ports_{&port}, timers_{&first_} {
  first_.SetTimeoutHandler([this] { NotifyTimeout(); });
}

PortEventLoop::Line WindowsEventLoop::AddLine() {
  WindowsSerialPort& port = *addedPorts_.emplace_back(std::make_unique<WindowsSerialPort>());
  DeadlineTimer& timer = *addedTimers_.emplace_back(std::make_unique<DeadlineTimer>());
  ports_.push_back(&port);
  timers_.push_back(&timer);
  return {port, timer};
}

void WindowsEventLoop::RunUntil(const std::function<bool()>& finished) {
  while (!finished()) {
    Clock::time_point now = Clock::now();
    if (FireFirstDue(timers_, now)) continue;
    auto next = EarliestDeadline(timers_);
    const auto open = std::ranges::count_if(ports_, [](const WindowsSerialPort* port) { return port->IsOpen(); });
    if (open == 0) {
      if (!next) return;
      std::this_thread::sleep_until(*next);
      continue;
    }
    auto wait = next ? std::chrono::ceil<std::chrono::milliseconds>(*next - now) : kIdleWait;
    if (open > 1) wait = std::min(wait, kSharedWait);
    for (WindowsSerialPort* port : ports_)
      if (port->IsOpen()) port->ServiceInput(wait);
  }
}

}  // namespace zq
