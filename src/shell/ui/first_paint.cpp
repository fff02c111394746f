#include "shell/ui/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <string>

namespace zq {
namespace {

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> value;
      return value;
    }
    status.ignore(4096, '\n');
  }
  return -1;
}

class FirstPaintWatcher : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // After the paint has finished.
      QTimer::singleShot(0, [] {
        std::printf("first-paint rss_kb=%ld\n", ResidentKilobytes());
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

void ExitAfterFirstPaint(QWidget& window) { window.installEventFilter(new FirstPaintWatcher(&window)); }

}  // namespace zq
