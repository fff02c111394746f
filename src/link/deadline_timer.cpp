#include "link/deadline_timer.h"

namespace zq {

bool DeadlineTimer::FireIfDue(Clock::time_point now) {
  if (!deadline_ || now < *deadline_) return false;
  deadline_.reset();
  NotifyTimeout();
  return true;
}

bool FireFirstDue(std::span<DeadlineTimer* const> timers, DeadlineTimer::Clock::time_point now) {
  for (DeadlineTimer* timer : timers)
    if (timer->FireIfDue(now)) return true;
  return false;
}

std::optional<DeadlineTimer::Clock::time_point> EarliestDeadline(std::span<DeadlineTimer* const> timers) {
  std::optional<DeadlineTimer::Clock::time_point> earliest;
  for (const DeadlineTimer* timer : timers)
    if (timer->deadline() && (!earliest || *timer->deadline() < *earliest)) earliest = timer->deadline();
  return earliest;
}

}  // namespace zq
