#include "skin/form/frame_hit_test.h"

namespace lumora {

namespace {

bool InAny(TPoint p, const std::vector<TRect>& rects) {
  for (const TRect& r : rects) {
    if (r.Contains(p)) return true;
  }
  return false;
}

int InteriorCode(TPoint p, const TRect& client, const TskHitTestState& s) {
  if (client.Contains(p)) return HTCLIENT;
  if (InAny(p, s.captionObjects)) return HTCAPTION;
  return HTOBJECT;
}

bool NearEdge(TPoint p, const TskFrameGeometry& g, int b, const TskFrameMask* mask) {
  const TPoint probes[4] = {{p.x - b, p.y}, {p.x, p.y - b}, {p.x + b, p.y}, {p.x, p.y + b}};
  if (mask == nullptr || !mask->HasMask()) {
    const TRect window{0, 0, g.width, g.height};
    for (const TPoint& q : probes) {
      if (!window.Contains(q)) return true;
    }
    return false;
  }
  if (g.maskArea.Contains(p)) return false;
  for (const TPoint& q : probes) {
    if (!mask->Inside(q)) return true;
  }
  return false;
}

}  // namespace

int SkinnedHitTest(TPoint p, const TskFrameGeometry& g, int borderWidth, const TskFrameMask* mask,
                   const TskHitTestState& s) {
  if (s.rolledUp || s.minimized) {
    // A button over the caption still takes its press on a rolled-up frame.
    if (s.hotObject) return HTOBJECT;
    return InAny(p, s.captionObjects) ? HTCAPTION : HTOBJECT;
  }
  if (s.hotObject && !g.client.Contains(p) && !s.moveSizeLoop) return HTOBJECT;
  if (s.maximized || !s.sizeable || !NearEdge(p, g, borderWidth, mask)) {
    return InteriorCode(p, g.client, s);
  }
  const int x = p.x, y = p.y;
  if (x <= g.hitLT.x && y <= g.hitLT.y) return HTTOPLEFT;
  if (x >= g.hitRT.x && y <= g.hitRT.y) return HTTOPRIGHT;
  if (x <= g.hitLB.x && y >= g.hitLB.y) return HTBOTTOMLEFT;
  if (x >= g.hitRB.x && y >= g.hitRB.y) return HTBOTTOMRIGHT;
  if (TRect{g.hitLT.x, 0, g.hitRT.x, g.client.Top}.Contains(p)) return HTTOP;
  if (TRect{g.hitLB.x, g.client.Bottom, g.hitRB.x, g.height}.Contains(p)) return HTBOTTOM;
  if (TRect{0, g.hitLT.y, g.client.Left, g.hitLB.y}.Contains(p)) return HTLEFT;
  if (TRect{g.client.Right, g.hitRT.y, g.width, g.hitRB.y}.Contains(p)) return HTRIGHT;
  return InteriorCode(p, g.client, s);
}

int DefaultHitTest(TPoint p, int width, int height, const TRect& captionRect, int captionHeight,
                   const TskHitTestState& s) {
  const int x = p.x, y = p.y;
  if (!s.minimized && !s.maximized && !s.rolledUp && s.sizeable) {
    if (s.hotObject) return HTOBJECT;
    const bool left = x <= 2, top = y <= 2, right = x >= width - 2, bottom = y >= height - 2;
    if (left && top) return HTTOPLEFT;
    if (right && top) return HTTOPRIGHT;
    if (left && bottom) return HTBOTTOMLEFT;
    if (right && bottom) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (top) return HTTOP;
    if (right) return HTRIGHT;
    if (bottom) return HTBOTTOM;
  }
  if (captionRect.Contains(p)) return HTCAPTION;
  const TskFrameInsets in = DefaultInsets(captionHeight);
  if (TRect{in.left, in.top, width - in.right, height - in.bottom}.Contains(p)) return HTCLIENT;
  return HTOBJECT;
}

bool IsSizingCode(int code) {
  return code >= HTLEFT && code <= HTBOTTOMRIGHT;
}

Qt::Edges HitCodeEdges(int code) {
  switch (code) {
    case HTLEFT:
      return Qt::LeftEdge;
    case HTRIGHT:
      return Qt::RightEdge;
    case HTTOP:
      return Qt::TopEdge;
    case HTBOTTOM:
      return Qt::BottomEdge;
    case HTTOPLEFT:
      return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
      return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
      return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
      return Qt::BottomEdge | Qt::RightEdge;
    default:
      return {};
  }
}

Qt::CursorShape HitCodeCursor(int code) {
  switch (code) {
    case HTLEFT:
    case HTRIGHT:
      return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM:
      return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
      return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
      return Qt::SizeBDiagCursor;
    default:
      return Qt::ArrowCursor;
  }
}

}  // namespace lumora
