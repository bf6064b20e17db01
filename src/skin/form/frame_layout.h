#pragma once
// Where the frame objects sit for one window size. Objects cut from the
// main picture move with the corner zone of the picture they lie in, or
// stretch between two zones; objects with their own picture are placed in a
// row inside the buttons (or caption) rectangle. The default look places
// square buttons at the right of its caption bar.

#include <vector>

#include "base/geometry.h"
#include "skin/data/skin_types.h"
#include "skin/form/frame_geometry.h"

namespace lumora {

enum class TskLayoutKind { Caption, Button, Other };

struct TskLayoutItem {
  TskLayoutKind kind = TskLayoutKind::Other;
  TskFrameCommand command = cmDefault;  // buttons
  TRect skinRect;
  bool inOwnPicture = false;
  bool visible = true;
  TPoint iconSize;   // a system-menu button showing the icon: its size
  TRect objectRect;  // the result, in window coordinates
};

// The corner zone of the picture a point lies in (both edges inclusive).
enum class TskCornerZone { None, TopLeft, TopRight, BottomLeft, BottomRight };
TskCornerZone CornerZoneOf(TPoint p, const TskFormInfo& info, int pictureWidth, int pictureHeight);

void LayoutSkinnedObjects(std::vector<TskLayoutItem>& items, const TskFormInfo& info,
                          const TskFrameGeometry& g);

// Default look: buttons 17 pixels square (13 for tool windows). Returns the
// caption rectangle left free by the buttons.
TRect LayoutDefaultObjects(std::vector<TskLayoutItem>& items, int width, int captionHeight,
                           bool toolWindow);

}  // namespace lumora
