#include "skin/draw/glyph_text.h"

#include <functional>

#include "skin/draw/colour.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/skin_text.h"

namespace lumora {

namespace {

// The glyph as one colour wherever it is not transparent.
QImage Silhouette(const QImage& glyph, const QColor& colour) {
  QImage out = glyph.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int r = colour.red(), g = colour.green(), b = colour.blue();
  for (int y = 0; y < out.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const int a = qAlpha(row[x]);
      row[x] = qRgba(r * a / 255, g * a / 255, b * a / 255, a);
    }
  }
  return out;
}

using GlyphPainter = std::function<void(QPainter&, int x, int y)>;

void DrawFace(QPainter& canvas, const TRect& area, int gw, int gh, const GlyphPainter& drawGlyph,
              const TskFaceContent& c) {
  int tw = 0, th = 0;
  const bool sideBySide = c.layout != glGlyphTop && c.layout != glGlyphBottom;
  const uint32_t textFormat = dtWordBreak | dtExpandTabs;
  if (!c.caption.isEmpty()) {
    TRect box = sideBySide ? Bounds(0, 0, area.Width() - gw, area.Height())
                           : Bounds(0, 0, area.Width(), area.Height() - gh);
    DrawSkinText(canvas, c.caption, box, textFormat | dtCalcRect);
    tw = box.Width();
    th = box.Height();
  }
  TskGlyphTextPlace place = LayoutGlyphAndText(c.layout, area, gw, gh, tw, th, c.margin, c.spacing);
  if (c.pressed) {
    place.glyph = {place.glyph.x + 1, place.glyph.y + 1};
    place.text = {place.text.x + 1, place.text.y + 1};
  }
  TRect captionRect;
  if (!c.caption.isEmpty()) {
    captionRect = {place.text.x, place.text.y, place.text.x + tw + 2, place.text.y + th};
    TRect r = captionRect;
    DrawSkinText(canvas, c.caption, r, textFormat | dtCenter | dtVCenter);
  }
  TRect glyphRect;
  if (gw > 0 && gh > 0) {
    drawGlyph(canvas, place.glyph.x, place.glyph.y);
    glyphRect = Bounds(place.glyph.x, place.glyph.y, gw, gh);
  }
  if (c.colourMarker) {
    const QColor colour = ToQColor(c.markerColour);
    for (const TRect& r : ColourMarkerRects(area, glyphRect, captionRect)) {
      canvas.fillRect(ToQRect(r), colour);
    }
  }
}

}  // namespace

TskGlyphTextPlace LayoutGlyphAndText(int layout, const TRect& a, int gw, int gh, int tw, int th,
                                     int margin, int spacing) {
  if (gw == 0) spacing = 0;
  const int cx = a.Left + a.Width() / 2;
  const int cy = a.Top + a.Height() / 2;
  if (layout < glGlyphLeft || layout > glGlyphBottom) layout = glGlyphLeft;
  TskGlyphTextPlace p;
  if (margin != kCentreMargin) {
    switch (layout) {
      case glGlyphLeft:
        p.glyph = {a.Left + margin, cy - gh / 2};
        p.text = {a.Left + margin + gw + spacing, cy - th / 2};
        break;
      case glGlyphRight:
        p.glyph = {a.Right - gw - margin, cy - gh / 2};
        p.text = {p.glyph.x - spacing - tw, cy - th / 2};
        break;
      case glGlyphTop:
        p.glyph = {cx - gw / 2, a.Top + margin};
        p.text = {cx - tw / 2, p.glyph.y + gh + spacing};
        break;
      default:
        p.glyph = {cx - gw / 2, a.Bottom - gh - margin};
        p.text = {cx - tw / 2, p.glyph.y - spacing - th};
        break;
    }
    return p;
  }
  const int h = (gw + tw + spacing) / 2;
  const int v = (gh + th + spacing) / 2;
  switch (layout) {
    case glGlyphLeft:
      p.glyph = {cx - h, cy - gh / 2};
      p.text = {cx + h - tw, cy - th / 2};
      break;
    case glGlyphRight:
      p.text = {cx - h, cy - th / 2};
      p.glyph = {cx + h - gw, cy - gh / 2};
      break;
    case glGlyphTop:
      p.glyph = {cx - gw / 2, cy - v};
      p.text = {cx - tw / 2, cy + v - th};
      break;
    default:
      p.text = {cx - tw / 2, cy - v};
      p.glyph = {cx - gw / 2, cy + v - gh};
      break;
  }
  return p;
}

std::vector<TRect> ColourMarkerRects(const TRect& area, const TRect& glyph, const TRect& caption) {
  if (!glyph.IsEmpty()) {
    const int base = glyph.Bottom;  // glyph y + glyph height
    return {{glyph.Left, base - 2, glyph.Right, base - 1},
            {glyph.Left, base - 1, glyph.Right, base},
            {glyph.Left, base, glyph.Right, base + 1}};
  }
  if (!caption.IsEmpty()) {
    const int b = caption.Bottom;
    return {{caption.Left, b - 1, caption.Right, b},
            {caption.Left, b, caption.Right, b + 1},
            {caption.Left, b + 1, caption.Right, b + 2}};
  }
  const TRect fill{area.Left + 4, area.Top + 4, area.Right - 2, area.Bottom - 4};
  if (fill.IsEmpty()) return {};
  return {fill};
}

void DrawGlyphAndText(QPainter& canvas, const TRect& area, const std::vector<QImage>& images,
                      int imageIndex, const TskFaceContent& content) {
  const bool valid = imageIndex >= 0 && static_cast<size_t>(imageIndex) < images.size() &&
                     !images[imageIndex].isNull();
  const QImage glyph = valid ? StripFrameImage(images[imageIndex], 1, 1) : QImage();
  auto draw = [&](QPainter& p, int x, int y) {
    if (content.enabled) {
      p.drawImage(QPoint(x, y), glyph);
      return;
    }
    // The embossed look of a disabled image-list picture.
    p.drawImage(QPoint(x + 1, y + 1), Silhouette(glyph, ToQColor(SystemColour(scBtnHighlight))));
    p.drawImage(QPoint(x, y), Silhouette(glyph, ToQColor(SystemColour(scBtnShadow))));
  };
  DrawFace(canvas, area, glyph.width(), glyph.height(), draw, content);
}

void DrawGlyphAndText(QPainter& canvas, const TRect& area, const QImage& strip, int frame,
                      int frameCount, const TskFaceContent& content) {
  const int gw = frameCount > 0 && !strip.isNull() ? strip.width() / frameCount : 0;
  const int gh = gw > 0 ? strip.height() : 0;
  auto draw = [&](QPainter& p, int x, int y) { DrawStripFrame(p, x, y, frame, frameCount, strip); };
  DrawFace(canvas, area, gw, gh, draw, content);
}

}  // namespace lumora
