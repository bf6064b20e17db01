#include "skin/form/popup_menu_layout.h"

#include <algorithm>

namespace lumora {

namespace {

// Pixels the default look adds to the width besides the glyph column.
constexpr int kDefaultExtraWidth = 10;
// Room for the submenu arrow and the right margin of every look.
constexpr int kArrowColumn = 19;

int IndexEndingAt(const std::vector<int>& heights, int areaHeight, int last) {
  if (last < 0) return 0;
  int first = last;
  int sum = heights[last];
  while (first > 0 && sum + heights[first - 1] <= areaHeight) {
    --first;
    sum += heights[first];
  }
  return first;
}

}  // namespace

TskMenuLevelGeometry BuildMenuLevel(const TskMenuLook& look,
                                    const std::vector<TskMenuItemMetrics>& items,
                                    int imageListWidth, int maxItems, int workAreaHeight) {
  TskMenuLevelGeometry level;
  level.glyphWidth = imageListWidth > 0 ? imageListWidth + 5 : 19;

  int widest = 0;
  for (const TskMenuItemMetrics& item : items)
    if (!item.separator) widest = std::max(widest, item.textWidth);
  const int frameWidth = look.skinned ? look.pictureWidth - look.itemsRect.Width() + look.textLeft +
                                            look.textRightMargin
                                      : kDefaultExtraWidth;
  level.width = widest + 2 + level.glyphWidth + kArrowColumn + frameWidth;

  int sum = 0;
  for (const TskMenuItemMetrics& item : items) {
    level.itemHeights.push_back(item.separator ? look.separatorHeight : look.itemHeight);
    sum += level.itemHeights.back();
  }
  const int frameHeight =
      look.skinned ? look.pictureHeight - look.itemsRect.Height() : 2 * kDefaultMenuBorder;
  if (maxItems > 0 && static_cast<int>(items.size()) > maxItems) {
    level.height = look.itemHeight * maxItems + frameHeight + 2 * kScrollMarkerHeight;
    level.scroll = level.limitScroll = true;
  } else {
    level.height = sum + frameHeight;
  }
  if (workAreaHeight > 0 && level.height > workAreaHeight) {
    level.height = workAreaHeight;
    level.scroll = true;
  }

  if (look.skinned) {
    const int dx = level.width - look.pictureWidth, dy = level.height - look.pictureHeight;
    level.lt = look.lt;
    level.rt = {look.rt.x + dx, look.rt.y};
    level.lb = {look.lb.x, look.lb.y + dy};
    level.rb = {look.rb.x + dx, look.rb.y + dy};
    level.itemsRect = {look.itemsRect.Left, look.itemsRect.Top, look.itemsRect.Right + dx,
                       look.itemsRect.Bottom + dy};
  } else {
    level.itemsRect = {kDefaultMenuBorder, kDefaultMenuBorder, level.width - kDefaultMenuBorder,
                       level.height - kDefaultMenuBorder};
  }
  return level;
}

int ScrollAreaHeight(const TskMenuLevelGeometry& level) {
  return level.itemsRect.Height() - (level.scroll ? 2 * kScrollMarkerHeight : 0);
}

TskMenuItemsPlacement LayoutMenuItems(const TskMenuLevelGeometry& level, int firstVisible) {
  TskMenuItemsPlacement placement;
  const int count = static_cast<int>(level.itemHeights.size());
  placement.rects.assign(count, TRect{});
  placement.firstVisible = level.scroll ? std::clamp(firstVisible, 0, std::max(count - 1, 0)) : 0;
  const int marker = level.scroll ? kScrollMarkerHeight : 0;
  const int bottom = level.itemsRect.Bottom - marker;
  int y = level.itemsRect.Top + marker;
  for (int i = placement.firstVisible; i < count; ++i) {
    const int h = level.itemHeights[i];
    if (level.scroll && y + h > bottom) break;
    placement.rects[i] = {level.itemsRect.Left, y, level.itemsRect.Right, y + h};
    y += h;
    ++placement.visibleCount;
  }
  return placement;
}

int FirstVisibleShowing(const std::vector<int>& heights, int areaHeight, int firstVisible,
                        int visibleCount, int target) {
  if (target < 0 || target >= static_cast<int>(heights.size())) return firstVisible;
  if (target < firstVisible) return target;
  if (target < firstVisible + visibleCount) return firstVisible;
  return IndexEndingAt(heights, areaHeight, target);
}

int FirstVisibleOfLastPage(const std::vector<int>& heights, int areaHeight) {
  return IndexEndingAt(heights, areaHeight, static_cast<int>(heights.size()) - 1);
}

TskScrollMarkers ScrollMarkerRects(const TskMenuLevelGeometry& level, bool skinned) {
  if (skinned) {
    const TRect& r = level.itemsRect;
    return {{r.Left, r.Top, r.Right, r.Top + kScrollMarkerHeight},
            {r.Left, r.Bottom - kScrollMarkerHeight, r.Right, r.Bottom}};
  }
  return {{3, 3, level.width - 3, 13},
          {3, level.height - kScrollMarkerHeight, level.width - 3, level.height - 3}};
}

TskMenuPlacement PlaceMenuLevel(const TRect& a, int w, int h, int itemsTop, const TRect& area,
                                TskMenuDirection direction, bool scrollsForWorkArea) {
  const int wt = area.Top, wb = area.Bottom, wm = wt + (wb - wt) / 2;
  TskMenuPlacement place;
  int& y = place.pos.y;
  const bool fitsBelow = a.Bottom + h <= wb;
  if (scrollsForWorkArea) {
    y = wt;
  } else if (direction == TskMenuDirection::Submenu) {
    if (a.Top + h - itemsTop <= wb)
      y = a.Top - itemsTop;
    else if (a.Top < wm)
      y = wb - h;
    else
      y = std::max(wt, a.Bottom + itemsTop - h);
  } else if (direction == TskMenuDirection::Up) {
    if (a.Top - h >= wt) {
      y = a.Top - h;
    } else if (a.Top < wm) {
      y = fitsBelow ? a.Bottom : wb - h;
      place.overlaps = !fitsBelow;
    } else {
      y = wt;
      place.overlaps = true;
    }
  } else {
    if (fitsBelow) {
      y = a.Bottom;
    } else if (a.Top < wm) {
      y = wb - h;
      place.overlaps = true;
    } else if (a.Top - h >= wt) {
      y = a.Top - h;
    } else {
      y = wt;
      place.overlaps = true;
    }
  }

  int& x = place.pos.x;
  if (direction != TskMenuDirection::Submenu && !place.overlaps && !scrollsForWorkArea) {
    x = a.Left;
    if (x + w > area.Right) x = area.Right - w;
    if (x < area.Left) x = area.Left;
  } else {
    x = a.Right + w + 1 <= area.Right ? a.Right + 1 : a.Left - w - 1;
  }
  return place;
}

int NextSelectableItem(const std::vector<bool>& selectable, int active, bool down) {
  const int n = static_cast<int>(selectable.size());
  if (n == 0) return -1;
  if (down) {
    const int start = (active < 0 || active >= n - 1) ? 0 : active + 1;
    for (int i = start; i < n; ++i)
      if (selectable[i]) return i;
  } else {
    const int start = (active <= 0 || active >= n) ? n - 1 : active - 1;
    for (int i = start; i >= 0; --i)
      if (selectable[i]) return i;
  }
  return -1;
}

}  // namespace lumora
