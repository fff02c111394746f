#pragma once
// The one-shot timer that limits the wait for each reply.
#include <chrono>
#include <functional>
#include <utility>

namespace zq {

inline constexpr std::chrono::milliseconds kReplyTimeout{1000};

class ReplyTimer {
 public:
  using TimeoutHandler = std::function<void()>;
  virtual ~ReplyTimer() = default;

  // Starting a running timer restarts it.
  virtual void Start(std::chrono::milliseconds interval) = 0;
  virtual void Stop() = 0;

  void SetTimeoutHandler(TimeoutHandler handler) { timeoutHandler_ = std::move(handler); }

 protected:
  void NotifyTimeout() {
    if (timeoutHandler_) timeoutHandler_();
  }

 private:
  TimeoutHandler timeoutHandler_;
};

}  // namespace zq
