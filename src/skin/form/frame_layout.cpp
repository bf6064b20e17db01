#include "skin/form/frame_layout.h"

#include "skin/draw/rect_routines.h"

namespace lumora {

namespace {

// The order of the caption-button row.
constexpr TskFrameCommand kRowOrder[] = {cmClose, cmMaximize, cmMinimize, cmRollUp,
                                         cmMinimizeToTray};

TPoint SizeOf(const TskLayoutItem& item) {
  if (item.iconSize.x > 0 && item.iconSize.y > 0) return item.iconSize;
  return {item.skinRect.Width(), item.skinRect.Height()};
}

// The row's buttons in placing order: the standard commands, then custom
// buttons in list order.
std::vector<TskLayoutItem*> RowOf(std::vector<TskLayoutItem>& items) {
  std::vector<TskLayoutItem*> row;
  auto rowItem = [](const TskLayoutItem& it) {
    return it.kind == TskLayoutKind::Button && it.inOwnPicture && it.visible;
  };
  for (TskFrameCommand c : kRowOrder) {
    for (TskLayoutItem& it : items) {
      if (rowItem(it) && it.command == c) row.push_back(&it);
    }
  }
  for (TskLayoutItem& it : items) {
    if (rowItem(it) && it.command == cmDefault) row.push_back(&it);
  }
  return row;
}

TskLayoutItem* Find(std::vector<TskLayoutItem>& items, TskLayoutKind kind, bool ownPicture,
                    TskFrameCommand command) {
  for (TskLayoutItem& it : items) {
    if (it.kind == kind && it.visible && it.inOwnPicture == ownPicture &&
        (kind != TskLayoutKind::Button || it.command == command))
      return &it;
  }
  return nullptr;
}

TskLayoutItem* CaptionItem(std::vector<TskLayoutItem>& items) {
  for (TskLayoutItem& it : items) {
    if (it.kind == TskLayoutKind::Caption) return &it;
  }
  return nullptr;
}

TRect MapMainPictureRect(const TRect& r, const TskFormInfo& info, const TskFrameGeometry& g) {
  const int pw = g.pictureWidth, ph = g.pictureHeight;
  const TskCornerZone a = CornerZoneOf({r.Left, r.Top}, info, pw, ph);
  const TskCornerZone b = CornerZoneOf({r.Right, r.Bottom}, info, pw, ph);
  const int dx = g.rb.x - info.RBPoint.x;
  const int dy = g.rb.y - info.RBPoint.y;
  using Z = TskCornerZone;
  if (a == b) {
    switch (a) {
      case Z::TopLeft:
        return r;
      case Z::TopRight:
        return r.Offset(dx, 0);
      case Z::BottomLeft:
        return r.Offset(0, dy);
      case Z::BottomRight:
        return r.Offset(dx, dy);
      case Z::None:
        return r;
    }
  }
  TRect out = r;
  if (a == Z::TopLeft && b == Z::BottomRight) {
    out.Right += dx;
    out.Bottom += dy;
  } else if (a == Z::TopLeft && b == Z::TopRight) {
    out.Right += dx;
  } else if (a == Z::BottomLeft && b == Z::BottomRight) {
    out.Right += dx;
    out = out.Offset(0, dy);
  } else if (a == Z::TopLeft && b == Z::BottomLeft) {
    out.Bottom += dy;
  } else if (a == Z::TopRight && b == Z::BottomRight) {
    out = out.Offset(dx, 0);
    out.Bottom += dy;
  }
  return out;
}

}  // namespace

TskCornerZone CornerZoneOf(TPoint p, const TskFormInfo& info, int pw, int ph) {
  if (PointInRectInclusive(p, {0, 0, info.LTPoint.x, info.LTPoint.y}))
    return TskCornerZone::TopLeft;
  if (PointInRectInclusive(p, {info.RTPoint.x, 0, pw, info.RTPoint.y}))
    return TskCornerZone::TopRight;
  if (PointInRectInclusive(p, {0, info.LBPoint.y, info.LBPoint.x, ph}))
    return TskCornerZone::BottomLeft;
  if (PointInRectInclusive(p, {info.RBPoint.x, info.RBPoint.y, pw, ph}))
    return TskCornerZone::BottomRight;
  return TskCornerZone::None;
}

void LayoutSkinnedObjects(std::vector<TskLayoutItem>& items, const TskFormInfo& info,
                          const TskFrameGeometry& g) {
  for (TskLayoutItem& it : items) {
    it.objectRect = it.inOwnPicture ? it.skinRect : MapMainPictureRect(it.skinRect, info, g);
  }
  const TRect row = !g.buttons.IsEmpty() ? g.buttons : g.caption;
  if (row.IsEmpty()) return;
  TskLayoutItem* caption = CaptionItem(items);
  TskLayoutItem* sysMenu = Find(items, TskLayoutKind::Button, true, cmSysMenu);
  const int offset = g.buttonsOffset;
  if (!g.buttonsInLeft) {
    int x = row.Right;
    for (TskLayoutItem* it : RowOf(items)) {
      const TPoint s = SizeOf(*it);
      it->objectRect = Bounds(x - s.x, row.Top, s.x, s.y);
      x -= s.x + offset;
    }
    if (g.buttons.IsEmpty() && caption) caption->objectRect.Right = x + offset;
    if (sysMenu && !g.caption.IsEmpty()) {
      const TPoint s = SizeOf(*sysMenu);
      sysMenu->objectRect =
          Bounds(g.caption.Left, g.caption.Top + (g.caption.Height() - s.y) / 2, s.x, s.y);
      if (caption) caption->objectRect.Left = sysMenu->objectRect.Right;
    }
    return;
  }
  int x = row.Left;
  std::vector<TskLayoutItem*> placed = RowOf(items);
  if (sysMenu && g.buttons.IsEmpty()) placed.push_back(sysMenu);
  for (TskLayoutItem* it : placed) {
    const TPoint s = SizeOf(*it);
    it->objectRect = Bounds(x, row.Top, s.x, s.y);
    x += s.x + offset;
  }
  if (sysMenu && !g.buttons.IsEmpty() && !g.caption.IsEmpty()) {
    const TPoint s = SizeOf(*sysMenu);
    sysMenu->objectRect =
        Bounds(g.caption.Left, g.caption.Top + (g.caption.Height() - s.y) / 2, s.x, s.y);
  }
  if (caption) caption->objectRect.Left = x + offset;
}

TRect LayoutDefaultObjects(std::vector<TskLayoutItem>& items, int width, int captionHeight,
                           bool toolWindow) {
  const int side = toolWindow ? 13 : 17;
  constexpr int kTop = 4;
  int x = width - kDefaultBorder;
  for (TskFrameCommand c : kRowOrder) {
    for (TskLayoutItem& it : items) {
      if (it.kind != TskLayoutKind::Button || !it.visible || it.command != c) continue;
      it.objectRect = Bounds(x - side, kTop, side, side);
      x -= side;
    }
  }
  TRect caption{kDefaultBorder, kDefaultBorder, x, captionHeight};
  for (TskLayoutItem& it : items) {
    if (it.kind != TskLayoutKind::Button || !it.visible || it.command != cmSysMenu) continue;
    const TPoint s = it.iconSize.x > 0 ? it.iconSize : TPoint{side, side};
    it.objectRect = Bounds(kDefaultBorder, kTop, s.x, s.y);
    caption.Left = it.objectRect.Right;
  }
  return caption;
}

}  // namespace lumora
