#include "link/posix_event_loop.h"

#include <poll.h>

#include <ctime>

namespace zq {

PosixEventLoop::PosixEventLoop(PosixSerialPort& port) : ports_{&port}, timers_{&first_} {
  first_.SetTimeoutHandler([this] { NotifyTimeout(); });
}

PortEventLoop::Line PosixEventLoop::AddLine() {
  PosixSerialPort& port = *addedPorts_.emplace_back(std::make_unique<PosixSerialPort>());
  DeadlineTimer& timer = *addedTimers_.emplace_back(std::make_unique<DeadlineTimer>());
  ports_.push_back(&port);
  timers_.push_back(&timer);
  return {port, timer};
}

void PosixEventLoop::RunUntil(const std::function<bool()>& finished) {
  std::vector<pollfd> inputs;
  std::vector<PosixSerialPort*> polled;
  while (!finished()) {
    Clock::time_point now = Clock::now();
    if (FireFirstDue(timers_, now)) continue;
    auto next = EarliestDeadline(timers_);
    inputs.clear();
    polled.clear();
    for (PosixSerialPort* port : ports_) {
      if (!port->IsOpen()) continue;
      inputs.push_back({port->fd(), POLLIN, 0});
      polled.push_back(port);
    }
    if (inputs.empty() && !next) return;
    timespec wait{};
    if (next) {
      auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(*next - now).count();
      wait.tv_sec = static_cast<time_t>(left / 1'000'000'000);
      wait.tv_nsec = static_cast<long>(left % 1'000'000'000);
    }
    if (::ppoll(inputs.data(), inputs.size(), next ? &wait : nullptr, nullptr) <= 0) continue;
    for (std::size_t k = 0; k < inputs.size(); ++k)
      if (inputs[k].revents != 0) polled[k]->ServiceInput((inputs[k].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0);
  }
}

}  // namespace zq
