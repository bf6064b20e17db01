#pragma once
// The geometry of a popup menu level, apart from any widget: its size from
// the item texts and heights, the scroll state, the moved frame points and
// items rectangle, where each visible item sits, where the level goes on the
// screen, the scroll markers and the keyboard search over the items.
//
//   skinned window (W x H, picture PW x PH)        default window
//   +--LT----------------RT--+                      +-----------------+
//   |  +-- items rect ----+  |                      |+ items (2,2) --+|
//   |  | [top marker 10]  |  |  (only when          || item          ||
//   |  | item             |  |   scrolling)         || item          ||
//   |  | item             |  |                      |+---------------+|
//   |  | [bottom marker]  |  |                      +-----------------+
//   +--LB----------------RB--+

#include <vector>

#include "base/geometry.h"

namespace lumora {

// Height of a scroll marker, and the room the two markers take together.
constexpr int kScrollMarkerHeight = 10;
// The margin of the default look around its items.
constexpr int kDefaultMenuBorder = 2;

// What the level's geometry takes from the skin ([POPUPWINDOW] and the
// "menuitem" object), or the default look's values.
struct TskMenuLook {
  bool skinned = false;
  int pictureWidth = 0;     // PW, the [POPUPWINDOW] window picture
  int pictureHeight = 0;    // PH
  TRect itemsRect;          // "itemsrect", in the picture
  TPoint lt, rt, lb, rb;    // corner points of the picture
  int textLeft = 0;         // "menuitem" "textrect".Left
  int textRightMargin = 0;  // "menuitem" "skinrect" width - "textrect".Right
  int itemHeight = 20;      // "skinrect" height, or the default item height
  int separatorHeight = 4;  // "dividerrect" height, or 4
};

// One displayed item as the geometry sees it.
struct TskMenuItemMetrics {
  int textWidth = 0;  // caption (with two spaces and the short cut) as measured
  bool separator = false;
};

struct TskMenuLevelGeometry {
  int width = 0;
  int height = 0;
  int glyphWidth = 19;       // G, the glyph column
  bool scroll = false;       // the items exceed the window
  bool limitScroll = false;  // scrolling caused by the maximum item count
  TPoint lt, rt, lb, rb;     // moved corner points (skinned)
  TRect itemsRect;
  std::vector<int> itemHeights;

  // Scrolling because the work area is too low, not because of the count.
  bool ScrollsForWorkArea() const { return scroll && !limitScroll; }
};

// Builds a level. imageListWidth is 0 without an image list; maxItems 0 means
// no limit; workAreaHeight limits the height.
TskMenuLevelGeometry BuildMenuLevel(const TskMenuLook& look,
                                    const std::vector<TskMenuItemMetrics>& items,
                                    int imageListWidth, int maxItems, int workAreaHeight);

// The items laid out from firstVisible: rects[i] is empty for items outside
// the visible range. The range ends before the item whose bottom would pass
// the items area (less the bottom marker when scrolling).
struct TskMenuItemsPlacement {
  std::vector<TRect> rects;
  int firstVisible = 0;
  int visibleCount = 0;

  bool IsVisible(int i) const { return i >= firstVisible && i < firstVisible + visibleCount; }
  int LastVisible() const { return firstVisible + visibleCount - 1; }
};
TskMenuItemsPlacement LayoutMenuItems(const TskMenuLevelGeometry& level, int firstVisible);

// The height items may fill: the items area less the two markers when
// scrolling.
int ScrollAreaHeight(const TskMenuLevelGeometry& level);

// The first visible index that keeps item target in view: target itself when
// it lies above firstVisible, the index that ends the range at target when it
// lies below the range, else firstVisible unchanged.
int FirstVisibleShowing(const std::vector<int>& heights, int areaHeight, int firstVisible,
                        int visibleCount, int target);
// The first visible index whose range ends with the last item.
int FirstVisibleOfLastPage(const std::vector<int>& heights, int areaHeight);

// The two scroll markers of a scrolling level.
struct TskScrollMarkers {
  TRect top;
  TRect bottom;
};
TskScrollMarkers ScrollMarkerRects(const TskMenuLevelGeometry& level, bool skinned);

enum class TskMenuDirection { Down, Up, Submenu };

struct TskMenuPlacement {
  TPoint pos;
  bool overlaps = false;  // the level covers its anchor
};

// Where a level of width x height goes for an anchor rectangle (a point for
// a popup, a button, or the parent item for a submenu) inside the work area.
// itemsTop lines a submenu's first item up with its parent item.
TskMenuPlacement PlaceMenuLevel(const TRect& anchor, int width, int height, int itemsTop,
                                const TRect& workArea, TskMenuDirection direction,
                                bool scrollsForWorkArea);

// Keyboard search for an enabled, non-separator item. Down searches from the
// item after active (from the first when there is none or active is the
// last) to the end; Up from the item before active (from the last when there
// is none or active is the first) to the first. -1 when none is found.
int NextSelectableItem(const std::vector<bool>& selectable, int active, bool down);

}  // namespace lumora
