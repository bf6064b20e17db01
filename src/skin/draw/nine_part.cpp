#include "skin/draw/nine_part.h"

#include <algorithm>

namespace lumora {

namespace {

TRect Transposed(const TRect& r) {
  return {r.Top, r.Left, r.Bottom, r.Right};
}

// A piece stretched (or copied) from src to dst; pieces with nothing to show
// are left out of the plan.
void AddPiece(TskImagePlan& plan, const TRect& src, const TRect& dst) {
  if (!src.IsEmpty() && !dst.IsEmpty()) plan.push_back({src, dst});
}

void AddEdgeHorz(TskImagePlan& plan, bool stretch, const TRect& src, const TRect& dst) {
  if (stretch) {
    AddPiece(plan, src, dst);
  } else {
    AppendTilesHorz(plan, src, dst.Left, dst.Right, dst.Top, dst.Bottom);
  }
}

void AddEdgeVert(TskImagePlan& plan, bool stretch, const TRect& src, const TRect& dst) {
  if (stretch) {
    AddPiece(plan, src, dst);
  } else {
    AppendTilesVert(plan, src, dst.Top, dst.Bottom, dst.Left, dst.Right);
  }
}

void PaintStrip(const QImage& picture, const TskStripPlan& strip, QImage& out) {
  out = NewImageFor(picture, strip.width, strip.height);
  if (!out.isNull()) PaintImagePlan(picture, strip.pieces, out);
}

}  // namespace

TskNinePartTarget NinePartTargetForSize(const TskNinePartSource& s, int width, int height) {
  const int dx = width - s.skinRect.Width();
  const int dy = height - s.skinRect.Height();
  TskNinePartTarget t;
  t.width = width;
  t.height = height;
  t.lt = s.lt;
  t.rt = {s.rt.x + dx, s.rt.y};
  t.lb = {s.lb.x, s.lb.y + dy};
  t.rb = {s.rb.x + dx, s.rb.y + dy};
  t.client = {s.client.Left, s.client.Top, s.client.Right + dx, s.client.Bottom + dy};
  return t;
}

TskImagePlan PlanNinePartImage(const TskNinePartSource& s, const TskNinePartTarget& t,
                               const TskNinePartStretch& stretch, bool drawCentre) {
  TskImagePlan plan;
  if (s.rb.x == s.lt.x || s.rb.y == s.lt.y) return plan;
  const int ox = s.skinRect.Left, oy = s.skinRect.Top;
  const int sw = s.skinRect.Width(), sh = s.skinRect.Height();
  const int w = t.width, h = t.height;
  const TRect& sc = s.client;
  const TRect& dc = t.client;
  auto in = [&](int l, int tp, int r, int b) { return TRect{l + ox, tp + oy, r + ox, b + oy}; };

  AddEdgeHorz(plan, stretch.top, in(s.lt.x, 0, s.rt.x, sc.Top), {t.lt.x, 0, t.rt.x, dc.Top});
  AddEdgeHorz(plan, stretch.bottom, in(s.lb.x, sc.Bottom, s.rb.x, sh),
              {t.lb.x, dc.Bottom, t.rb.x, h});
  AddEdgeVert(plan, stretch.left, in(0, s.lt.y, sc.Left, s.lb.y), {0, t.lt.y, dc.Left, t.lb.y});
  AddEdgeVert(plan, stretch.right, in(sc.Right, s.rt.y, sw, s.rb.y), {dc.Right, t.rt.y, w, t.rb.y});

  AddPiece(plan, in(0, 0, s.lt.x, sc.Top), {0, 0, t.lt.x, dc.Top});
  AddPiece(plan, in(0, sc.Top, sc.Left, s.lt.y), {0, dc.Top, dc.Left, t.lt.y});
  AddPiece(plan, in(s.rt.x, 0, sw, sc.Top), {t.rt.x, 0, w, dc.Top});
  AddPiece(plan, in(sc.Right, sc.Top, sw, s.rt.y), {dc.Right, dc.Top, w, t.rt.y});
  AddPiece(plan, in(0, s.lb.y, sc.Left, sh), {0, t.lb.y, dc.Left, h});
  AddPiece(plan, in(sc.Left, sc.Bottom, s.lb.x, sh), {dc.Left, dc.Bottom, t.lb.x, h});
  AddPiece(plan, in(s.rb.x, sc.Bottom, sw, sh), {t.rb.x, dc.Bottom, w, h});
  AddPiece(plan, in(sc.Right, s.rb.y, sw, sc.Bottom), {dc.Right, t.rb.y, w, dc.Bottom});

  if (!drawCentre) return plan;
  const TRect centre = in(sc.Left, sc.Top, sc.Right, sc.Bottom);
  if (!stretch.centre) {
    AppendTiles(plan, centre, dc);
  } else if (!dc.IsEmpty() && !centre.IsEmpty()) {
    // Stretching one direction and repeating along the other is the same as
    // stretching cut tiles along that direction only, as sampling is per axis.
    switch (stretch.type) {
      case stHorz:
        AppendTilesHorz(plan, centre, dc.Left, dc.Right, dc.Top, dc.Bottom);
        break;
      case stVert:
        AppendTilesVert(plan, centre, dc.Top, dc.Bottom, dc.Left, dc.Right);
        break;
      default:
        AddPiece(plan, centre, dc);
        break;
    }
  }
  return plan;
}

void DrawNinePartImage(const QImage& picture, const TskNinePartSource& source,
                       const TskNinePartTarget& target, const TskNinePartStretch& stretch,
                       bool drawCentre, QImage& dest) {
  dest = NewImageFor(picture, target.width, target.height);
  if (dest.isNull() || picture.isNull()) return;
  PaintImagePlan(picture, PlanNinePartImage(source, target, stretch, drawCentre), dest);
}

TskImagePlan PlanThreePartHorz(const TRect& s, int first, int last, bool stretch, int newLength) {
  TskImagePlan plan;
  const int h = s.Height();
  const int n = newLength;
  first = std::max(first, 0);
  last = std::max(last, 0);
  AddPiece(plan, {s.Left, s.Top, s.Left + first, s.Bottom}, {0, 0, first, h});
  AddPiece(plan, {s.Right - last, s.Top, s.Right, s.Bottom}, {n - last, 0, n, h});
  TRect middle{s.Left + first, s.Top, s.Right - last, s.Bottom};
  if (middle.Width() == 0) middle.Right = middle.Left + 1;
  if (middle.Width() < 0) return plan;  // the end parts overlap in the source
  if (stretch) {
    AddPiece(plan, middle, {first, 0, n - last, h});
  } else if (n - first - last >= 0) {
    AppendTilesHorz(plan, middle, first, n - last, 0, h);
  }
  return plan;
}

TskImagePlan PlanThreePartVert(const TRect& s, int first, int last, bool stretch, int newLength) {
  TskImagePlan plan = PlanThreePartHorz(Transposed(s), first, last, stretch, newLength);
  for (TskImagePiece& p : plan) p = {Transposed(p.src), Transposed(p.dst)};
  return plan;
}

void DrawThreePartHorz(const QImage& picture, const TRect& skinRect, int left, int right,
                       bool stretch, int newWidth, QImage& dest) {
  dest = NewImageFor(picture, newWidth, skinRect.Height());
  if (dest.isNull() || picture.isNull()) return;
  PaintImagePlan(picture, PlanThreePartHorz(skinRect, left, right, stretch, newWidth), dest);
}

void DrawThreePartVert(const QImage& picture, const TRect& skinRect, int top, int bottom,
                       bool stretch, int newHeight, QImage& dest) {
  dest = NewImageFor(picture, skinRect.Width(), newHeight);
  if (dest.isNull() || picture.isNull()) return;
  PaintImagePlan(picture, PlanThreePartVert(skinRect, top, bottom, stretch, newHeight), dest);
}

TskFrameBorderPlan PlanFrameBorderImages(const TskNinePartSource& s, const TskNinePartTarget& t,
                                         const TskNinePartStretch& stretch) {
  const int ox = s.skinRect.Left, oy = s.skinRect.Top;
  const int sw = s.skinRect.Width(), sh = s.skinRect.Height();
  const int w = t.width;
  const TRect& sc = s.client;
  auto in = [&](int l, int tp, int r, int b) { return TRect{l + ox, tp + oy, r + ox, b + oy}; };
  TskFrameBorderPlan plan;

  // Horizontal strips: middle stretched between the destination corner
  // points or tiled over the whole strip, then the two ends copied on top.
  auto horz = [&](TskStripPlan& strip, int bandTop, int bandBottom, int midLeft, int midRight,
                  bool stretched, int dstLeft, int dstRight) {
    strip.width = w;
    strip.height = bandBottom - bandTop;
    const TRect middle = in(midLeft, bandTop, midRight, bandBottom);
    if (stretched) {
      AddPiece(strip.pieces, middle, {dstLeft, 0, dstRight, strip.height});
    } else {
      AppendTilesHorz(strip.pieces, middle, 0, w, 0, strip.height);
    }
    AddPiece(strip.pieces, in(0, bandTop, midLeft, bandBottom), {0, 0, midLeft, strip.height});
    AddPiece(strip.pieces, in(midRight, bandTop, sw, bandBottom),
             {w - (sw - midRight), 0, w, strip.height});
  };
  horz(plan.top, 0, sc.Top, s.lt.x, s.rt.x, stretch.top, t.lt.x, t.rt.x);
  horz(plan.bottom, sc.Bottom, sh, s.lb.x, s.rb.x, stretch.bottom, t.lb.x, t.rb.x);

  const int sideHeight = t.height - sc.Top - (sh - sc.Bottom);
  auto vert = [&](TskStripPlan& strip, int bandLeft, int bandRight, int midTop, int midBottom,
                  bool stretched) {
    strip.width = bandRight - bandLeft;
    strip.height = sideHeight;
    const int head = midTop - sc.Top;
    const int tailStart = sideHeight - (sc.Bottom - midBottom);
    const TRect middle = in(bandLeft, midTop, bandRight, midBottom);
    if (stretched) {
      AddPiece(strip.pieces, middle, {0, head, strip.width, tailStart});
    } else {
      AppendTilesVert(strip.pieces, middle, 0, sideHeight, 0, strip.width);
    }
    AddPiece(strip.pieces, in(bandLeft, sc.Top, bandRight, midTop), {0, 0, strip.width, head});
    AddPiece(strip.pieces, in(bandLeft, midBottom, bandRight, sc.Bottom),
             {0, tailStart, strip.width, sideHeight});
  };
  vert(plan.left, 0, sc.Left, s.lt.y, s.lb.y, stretch.left);
  vert(plan.right, sc.Right, sw, s.rt.y, s.rb.y, stretch.right);
  return plan;
}

TskFrameBorderImages BuildFrameBorderImages(const QImage& picture, const TskNinePartSource& source,
                                            const TskNinePartTarget& target,
                                            const TskNinePartStretch& stretch) {
  TskFrameBorderImages images;
  if (picture.isNull()) return images;
  const TskFrameBorderPlan plan = PlanFrameBorderImages(source, target, stretch);
  PaintStrip(picture, plan.left, images.left);
  PaintStrip(picture, plan.right, images.right);
  PaintStrip(picture, plan.top, images.top);
  PaintStrip(picture, plan.bottom, images.bottom);
  return images;
}

TskFrameBorderImages BuildTiledFrameBorderImages(const QImage& picture,
                                                 const TskNinePartSource& source, int width,
                                                 int height) {
  TskNinePartTarget target;
  target.width = width;
  target.height = height;
  return BuildFrameBorderImages(picture, source, target, TskNinePartStretch{});
}

QImage StretchedAroundClient(const QImage& picture, const TRect& look, const TRect& c, int width,
                             int height) {
  const TskNinePartSource source{
      look, {c.Left, c.Top}, {c.Right, c.Top}, {c.Left, c.Bottom}, {c.Right, c.Bottom}, c};
  QImage image;
  DrawNinePartImage(picture, source, NinePartTargetForSize(source, width, height),
                    {true, true, true, true, true, stFull}, true, image);
  return image;
}

TRect StripFrameRect(int stripWidth, int stripHeight, int k, int frameCount) {
  if (frameCount <= 0 || k < 1 || k > frameCount || stripHeight <= 0) return {};
  const int frameWidth = stripWidth / frameCount;
  if (frameWidth <= 0) return {};
  return {(k - 1) * frameWidth, 0, k * frameWidth, stripHeight};
}

QImage TransparentPiece(const QImage& picture, const TRect& r, QRgb key) {
  if (r.IsEmpty()) return QImage();
  QImage piece = picture.copy(r.Left, r.Top, r.Width(), r.Height())
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  key &= 0xFFFFFF;
  const int h = piece.height(), w = piece.width();
  for (int y = 0; y < h; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(piece.scanLine(y));
    for (int x = 0; x < w; ++x) {
      if ((row[x] & 0xFFFFFF) == key) row[x] = 0;
    }
  }
  return piece;
}

QImage StripFrameImage(const QImage& strip, int k, int frameCount) {
  const TRect r = StripFrameRect(strip.width(), strip.height(), k, frameCount);
  if (r.IsEmpty()) return QImage();
  if (strip.hasAlphaChannel())
    return strip.copy(r.Left, r.Top, r.Width(), r.Height())
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return TransparentPiece(strip, r, strip.pixel(r.Left, r.Bottom - 1));
}

void DrawStripFrame(QPainter& canvas, int x, int y, int k, int frameCount, const QImage& strip) {
  const QImage frame = StripFrameImage(strip, k, frameCount);
  if (!frame.isNull()) canvas.drawImage(QPoint(x, y), frame);
}

}  // namespace lumora
