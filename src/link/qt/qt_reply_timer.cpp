#include "link/qt/qt_reply_timer.h"

#include <utility>

namespace zq {

QtReplyTimer::QtReplyTimer(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { NotifyTimeout(); });
}

SimulatedPort::Scheduler QtScheduler(QObject* context) {
  return [context](std::chrono::microseconds delay, std::function<void()> deliver) {
    auto ms = std::chrono::ceil<std::chrono::milliseconds>(delay);
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(deliver));
  };
}

}  // namespace zq
