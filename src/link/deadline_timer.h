#pragma once
// The reply timer of a port served by an event loop of the command line: it
// only keeps its deadline; the loop waits for the earliest one and fires it.
#include <chrono>
#include <optional>
#include <span>

#include "link/reply_timer.h"

namespace zq {

class DeadlineTimer : public ReplyTimer {
 public:
  using Clock = std::chrono::steady_clock;

  void Start(std::chrono::milliseconds interval) override { deadline_ = Clock::now() + interval; }
  void Stop() override { deadline_.reset(); }
  const std::optional<Clock::time_point>& deadline() const { return deadline_; }

  // Tells the handler when the deadline has passed; true when it did.
  bool FireIfDue(Clock::time_point now);

 private:
  std::optional<Clock::time_point> deadline_;
};

// One due timer fired per call, so that the loop looks at its ports and its
// `finished` condition between two handlers; true when one fired.
bool FireFirstDue(std::span<DeadlineTimer* const> timers, DeadlineTimer::Clock::time_point now);
std::optional<DeadlineTimer::Clock::time_point> EarliestDeadline(std::span<DeadlineTimer* const> timers);

}  // namespace zq
