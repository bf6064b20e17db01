#include "skin/form/frame_geometry.h"

#include <algorithm>

namespace lumora {

namespace {

TPoint Moved(TPoint p, int dx, int dy) {
  return {p.x + dx, p.y + dy};
}

}  // namespace

TskFrameGeometry ComputeFrameGeometry(const TskFormInfo& info, int pictureWidth, int pictureHeight,
                                      int width, int height) {
  TskFrameGeometry g;
  g.width = width;
  g.height = height;
  g.pictureWidth = pictureWidth;
  g.pictureHeight = pictureHeight;
  const int dx = width - pictureWidth;
  const int dy = height - pictureHeight;
  g.lt = info.LTPoint;
  g.rt = Moved(info.RTPoint, dx, 0);
  g.lb = Moved(info.LBPoint, 0, dy);
  g.rb = Moved(info.RBPoint, dx, dy);
  const TRect& c = info.ClientRect;
  g.client = {c.Left, c.Top, c.Right + dx, c.Bottom + dy};
  g.caption = info.CaptionRect;
  if (!g.caption.IsEmpty()) g.caption.Right += dx;
  g.buttons = info.ButtonsRect;
  // Buttons in the right half of the picture keep their distance from the
  // right edge.
  if (!g.buttons.IsEmpty() && g.buttons.Left > pictureWidth / 2)
    g.buttons = g.buttons.Offset(dx, 0);
  g.buttonsOffset = info.ButtonsOffset;
  g.buttonsInLeft = info.ButtonsInLeft;
  g.hitLT = info.HitTestLTPoint;
  g.hitRT = Moved(info.HitTestRTPoint, dx, 0);
  g.hitLB = Moved(info.HitTestLBPoint, 0, dy);
  g.hitRB = Moved(info.HitTestRBPoint, dx, dy);
  const TRect& m = info.MaskRectArea;
  g.maskArea = {m.Left, m.Top, m.Right + dx, m.Bottom + dy};
  return g;
}

TskFrameInsets SkinnedInsets(const TskFormInfo& info, int pictureWidth, int pictureHeight) {
  const TRect& c = info.ClientRect;
  return {c.Left, c.Top, pictureWidth - c.Right, pictureHeight - c.Bottom};
}

TskFrameInsets DefaultInsets(int captionHeight) {
  return {kDefaultBorder, captionHeight + kDefaultBorder, kDefaultBorder, kDefaultBorder};
}

int MinimumFrameWidth(const TskSizeLimitInput& in) {
  if (!in.skinned) return in.minWidth > 0 ? in.minWidth : kDefaultMinWidth;
  if (in.pictureWidth < in.minWidth && !in.minimized) return in.minWidth;
  if (in.formMinWidth > 0) return in.formMinWidth;
  return in.pictureWidth;
}

int FrameHeight(const TskSizeLimitInput& in) {
  if (in.skinned) return in.pictureHeight - in.clientRect.Height();
  return in.captionHeight + 2 * kDefaultBorder;
}

int MinimumFrameHeight(const TskSizeLimitInput& in) {
  const int f = FrameHeight(in);
  if (f >= in.minHeight || in.rolledUp || in.minimized) return f;
  return in.minHeight;
}

TPoint MaximumFrameSize(const TRect& area, int maxWidth, int maxHeight) {
  int w = area.Width(), h = area.Height();
  if (maxWidth > 0) w = std::min(w, maxWidth);
  if (maxHeight > 0) h = std::min(h, maxHeight);
  return {w, h};
}

}  // namespace lumora
