#pragma once
// Where the main window was on the screen, kept per user in the settings store
// under "ZQ4071" / "Settings" in twips (15 to a pixel), as earlier releases kept it.
#include <QRect>

namespace zq {

struct Placement {
  int left = 100, top = 100, width = 14500, height = 10500;  // twips
};

Placement LoadPlacement();
void StorePlacement(const Placement& placement);

inline constexpr int kTwipsPerPixel = 15;
QRect PlacementToPixels(const Placement& p);
Placement PlacementFromPixels(const QRect& r);

}  // namespace zq
