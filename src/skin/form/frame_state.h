#pragma once
// Small value types of the skinned window frame: the frame's own window
// state, the caption buttons it offers and where a form first appears.

#include <cstdint>

namespace lumora {

enum TWindowState { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

enum TskBorderIcon : uint8_t {
  biSystemMenu = 1,
  biMinimize = 2,
  biMaximize = 4,
  biRollUp = 8,
  biMinimizeToTray = 16,
};
// A set of TskBorderIcon bits, stored as a byte.
using TskBorderIcons = uint8_t;
constexpr TskBorderIcons kDefaultBorderIcons = biSystemMenu | biMinimize | biMaximize | biRollUp;

enum TskPositionInMonitor { skposDefault = 0, skposScreenCenter = 1, skposDesktopCenter = 2 };

}  // namespace lumora
