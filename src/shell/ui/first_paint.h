#pragma once
// For the start-up benchmark: once the window has been painted, print the
// memory the process uses ("first-paint rss_kb=N") and end the program.
class QWidget;

namespace zq {

void ExitAfterFirstPaint(QWidget& window);

}  // namespace zq
