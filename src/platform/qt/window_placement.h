#pragma once
// Where the main window was on the screen, kept per user in the settings store
// under "ZQ4071" / "Settings" in twips (15 to a pixel), as earlier releases kept it.
// Left and top are those of the outer frame, width and height those of the inside.
#include <QMargins>
#include <QRect>

namespace zq {

struct Placement {
  int left = 100, top = 100, width = 14500, height = 10500;  // twips
};

Placement LoadPlacement();
// False before the first placement was stored (the program's first start for the user).
bool HasStoredPlacement();
void StorePlacement(const Placement& placement);

inline constexpr int kTwipsPerPixel = 15;
QRect PlacementToPixels(const Placement& p);
Placement PlacementFromPixels(const QRect& r);

// Room for a window manager's title bar and borders around the inside of a
// window, before the window is shown and its frame can be measured.
inline const QMargins kFrameAllowance(8, 32, 8, 8);

// A placement (frame's top left, inside's size) moved and shrunk so that the
// whole frame, title bar included, lies within the available area.
QRect FitOnScreen(const QRect& placement, const QRect& available, const QMargins& frame = kFrameAllowance);

}  // namespace zq
