#include "platform/qt/window_placement.h"

#include <QSettings>
#include <algorithm>

namespace zq {
namespace {

constexpr const char* kKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

int ReadKey(QSettings& s, const char* key, int fallback) {
  bool ok = false;
  int value = s.value(key).toInt(&ok);
  return ok ? value : fallback;
}

}  // namespace

Placement LoadPlacement() {
  QSettings s(QStringLiteral("ZQ4071"), QStringLiteral("ZQ4071"));
  s.beginGroup(QStringLiteral("Settings"));
  Placement d;
  return {ReadKey(s, kKeys[0], d.left), ReadKey(s, kKeys[1], d.top), ReadKey(s, kKeys[2], d.width),
          ReadKey(s, kKeys[3], d.height)};
}

bool HasStoredPlacement() {
  QSettings s(QStringLiteral("ZQ4071"), QStringLiteral("ZQ4071"));
  s.beginGroup(QStringLiteral("Settings"));
  return std::all_of(std::begin(kKeys), std::end(kKeys), [&](const char* key) { return s.contains(key); });
}

void StorePlacement(const Placement& p) {
  QSettings s(QStringLiteral("ZQ4071"), QStringLiteral("ZQ4071"));
  s.beginGroup(QStringLiteral("Settings"));
  s.setValue(kKeys[0], p.left);
  s.setValue(kKeys[1], p.top);
  s.setValue(kKeys[2], p.width);
  s.setValue(kKeys[3], p.height);
}

QRect PlacementToPixels(const Placement& p) {
  return QRect(p.left / kTwipsPerPixel, p.top / kTwipsPerPixel, p.width / kTwipsPerPixel, p.height / kTwipsPerPixel);
}

Placement PlacementFromPixels(const QRect& r) {
  return {r.x() * kTwipsPerPixel, r.y() * kTwipsPerPixel, r.width() * kTwipsPerPixel, r.height() * kTwipsPerPixel};
}

QRect FitOnScreen(const QRect& placement, const QRect& available, const QMargins& frame) {
  const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
  const QSize inside = placement.size().boundedTo(available.size() - frameSize);
  const QSize outer = inside + frameSize;
  const int left = std::clamp(placement.left(), available.left(), available.left() + available.width() - outer.width());
  const int top = std::clamp(placement.top(), available.top(), available.top() + available.height() - outer.height());
  return QRect(QPoint(left, top), inside);
}

}  // namespace zq
