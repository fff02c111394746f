#include "link/posix_event_loop.h"

#include <poll.h>

#include <ctime>

namespace zq {

void PosixEventLoop::RunUntil(const std::function<bool()>& finished) {
  while (!finished()) {
    Clock::time_point now = Clock::now();
    if (deadline_ && now >= *deadline_) {
      deadline_.reset();
      NotifyTimeout();
      continue;
    }
    if (!port_.IsOpen() && !deadline_) return;
    timespec wait{};
    if (deadline_) {
      auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(*deadline_ - now).count();
      wait.tv_sec = static_cast<time_t>(left / 1'000'000'000);
      wait.tv_nsec = static_cast<long>(left % 1'000'000'000);
    }
    pollfd input{port_.fd(), POLLIN, 0};
    nfds_t count = port_.IsOpen() ? 1 : 0;
    if (::ppoll(&input, count, deadline_ ? &wait : nullptr, nullptr) > 0)
      port_.ServiceInput((input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0);
  }
}

}  // namespace zq
