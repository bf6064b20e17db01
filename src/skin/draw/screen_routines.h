#pragma once
// Window transparency and the screen areas a skinned frame maximises into.

#include "base/geometry.h"

class QWindow;

namespace lumora {

// Whole-window opacity, 0 (invisible) to 255 (opaque); values outside are
// clamped. Does nothing without a window.
void SetWindowAlpha(QWindow* window, int alpha);

// The primary screen: its work area (without panels and docks) and its full
// area. Empty when there is no screen.
TRect ScreenWorkArea();
TRect ScreenFullArea();
// The screen the window is on (the primary screen without a window).
TRect WindowWorkArea(const QWindow* window);
TRect WindowScreenArea(const QWindow* window);
// The screen holding a point (the primary screen when none does).
TRect WorkAreaAt(TPoint point);

}  // namespace lumora
