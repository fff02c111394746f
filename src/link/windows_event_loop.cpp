#include "link/windows_event_loop.h"

#include <thread>

namespace zq {
namespace {

// How long one wait lasts while no reply timer runs; the loop then simply waits again.
constexpr std::chrono::milliseconds kIdleWait{1000};

}  // namespace

void WindowsEventLoop::RunUntil(const std::function<bool()>& finished) {
  while (!finished()) {
    Clock::time_point now = Clock::now();
    if (deadline_ && now >= *deadline_) {
      deadline_.reset();
      NotifyTimeout();
      continue;
    }
    if (!port_.IsOpen()) {
      if (!deadline_) return;
      std::this_thread::sleep_until(*deadline_);
      continue;
    }
    auto wait = deadline_ ? std::chrono::ceil<std::chrono::milliseconds>(*deadline_ - now) : kIdleWait;
    port_.ServiceInput(wait);
  }
}

}  // namespace zq
