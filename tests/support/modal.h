#pragma once
// Acting on a modal dialog that the code under test opens with exec().
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace zq::testing {

// Runs `act` on the next modal dialog as soon as it is shown.
inline void WhenModalShown(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      act(modal);
    }
  });
  poll->start();
}

// Processes events until `done` holds or the time runs out; true when it held.
inline bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < timeoutMs) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

}  // namespace zq::testing
