#pragma once
// The reply timer on Qt's event loop, and the scheduler that delivers the
// in-process simulated radio's replies there.
#include <QObject>
#include <QTimer>

#include "link/reply_timer.h"
#include "link/simulated_port.h"

namespace zq {

class QtReplyTimer : public QObject, public ReplyTimer {
  Q_OBJECT
 public:
  explicit QtReplyTimer(QObject* parent = nullptr);
  void Start(std::chrono::milliseconds interval) override { timer_.start(interval); }
  void Stop() override { timer_.stop(); }

 private:
  QTimer timer_;
};

// Replies of the simulated radio arrive as timer events on `context`'s thread,
// never from inside the write that caused them.
SimulatedPort::Scheduler QtScheduler(QObject* context);

}  // namespace zq
