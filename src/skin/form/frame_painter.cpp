#include "skin/form/frame_painter.h"

#include "skin/draw/colour.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/skin_text.h"

namespace lumora {

namespace {

constexpr int sc3DDkShadow = 21;
constexpr int sc3DLight = 22;

QColor Sys(int index) {
  return ToQColor(SystemColour(index));
}

void Effect(QImage& strip, TskInactiveEffect effect) {
  if (strip.isNull()) return;
  TskEffectBmp bmp(strip);
  bmp.ApplyInactiveEffect(effect);
  strip = bmp.Image();
}

void Bevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  p.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
  p.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
  p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
  p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

}  // namespace

TskFrameStrips BuildFrameStrips(const QImage& picture, const TskFormInfo& info,
                                const TskFrameGeometry& g) {
  TskFrameStrips out;
  if (picture.isNull()) return out;
  const TskNinePartSource source{{0, 0, picture.width(), picture.height()},
                                 info.LTPoint,
                                 info.RTPoint,
                                 info.LBPoint,
                                 info.RBPoint,
                                 info.ClientRect};
  const TskNinePartTarget target{g.width, g.height, g.lt, g.rt, g.lb, g.rb, g.client};
  const TskNinePartStretch stretch{info.LeftStretch,   info.TopStretch, info.RightStretch,
                                   info.BottomStretch, false,           stFull};
  TskFrameBorderImages b = BuildFrameBorderImages(picture, source, target, stretch);
  out.top = std::move(b.top);
  out.bottom = std::move(b.bottom);
  out.left = std::move(b.left);
  out.right = std::move(b.right);
  return out;
}

bool ObjectInBottomStrip(const TRect& objectRect, const TskFrameGeometry& g) {
  return objectRect.Bottom > g.client.Top;
}

TPoint StripOffset(bool bottom, const TskFrameGeometry& g) {
  return bottom ? TPoint{0, -g.client.Bottom} : TPoint{0, 0};
}

void ApplyInactiveEffect(TskFrameStrips& strips, TskInactiveEffect effect) {
  Effect(strips.top, effect);
  Effect(strips.bottom, effect);
  Effect(strips.left, effect);
  Effect(strips.right, effect);
}

void DrawFrameStrips(QPainter& canvas, const TskFrameStrips& s, const TskFrameGeometry& g) {
  canvas.save();
  if (!g.client.IsEmpty()) {
    QRegion clip = canvas.hasClipping() ? canvas.clipRegion() : QRegion(0, 0, g.width, g.height);
    canvas.setClipRegion(clip.subtracted(QRegion(ToQRect(g.client))));
  }
  const int topHeight = s.top.isNull() ? 0 : s.top.height();
  const int bottomHeight = s.bottom.isNull() ? 0 : s.bottom.height();
  if (!s.top.isNull()) canvas.drawImage(0, 0, s.top);
  if (!s.left.isNull()) canvas.drawImage(0, topHeight, s.left);
  if (!s.right.isNull()) canvas.drawImage(g.width - s.right.width(), topHeight, s.right);
  if (!s.bottom.isNull()) canvas.drawImage(0, g.height - bottomHeight, s.bottom);
  canvas.restore();
}

QImage DefaultCaptionBitmap(const TskDefaultFrame& f) {
  const int bw = f.width - 2 * kDefaultBorder;
  const int ch = f.captionHeight;
  if (bw <= 0 || ch <= 0) return QImage();
  QImage bitmap(bw, ch, QImage::Format_RGB32);
  bitmap.fill(Sys(scBtnFace));
  QPainter p(&bitmap);
  const int l = f.captionRect.Left - kDefaultBorder;
  const int r = bw - f.captionRect.Right;
  if (ch - 4 > 1) {
    for (int i = 0; i < ch - 5; ++i) {
      const QColor c = i % 2 == 0 ? Sys(scBtnHighlight) : Sys(scBtnShadow);
      const int x0 = l + 2, x1 = bw - r - 6;
      if (x1 > x0) p.fillRect(x0, 2 + i, x1 - x0, 1, c);
    }
  }
  if (f.captionPaint) {
    f.captionPaint(p, {l, 0, bw - r - 3, ch});
  } else if (!f.caption.isEmpty()) {
    p.setFont(f.font);
    QString text = f.caption;
    EllipsizeText(p, text, bw - l - r);
    const QFontMetrics fm(f.font);
    const int tw = MeasureTextWidth(p, text);
    const int th = fm.height();
    const int x = l + (bw - l - r) / 2 - (tw + 5) / 2;
    const int y = ch / 2 - th / 2;
    p.fillRect(x - 2, y - 2, tw + 4, th + 4, Sys(scBtnFace));
    p.setPen(f.fontColour);
    TRect box{x, y, x + tw, y + th};
    DrawSkinText(p, text, box, dtLeft | dtSingleLine | dtNoPrefix | dtNoClip);
  }
  if (f.paintObjects) {
    p.translate(-kDefaultBorder, -kDefaultBorder);
    f.paintObjects(p);
  }
  return bitmap;
}

void PaintDefaultFrame(QPainter& canvas, const TskDefaultFrame& f) {
  if (f.width <= 0 || f.height <= 0) return;
  canvas.save();
  const TskFrameInsets in = DefaultInsets(f.captionHeight);
  const QRect client(in.left, in.top, f.width - in.left - in.right, f.height - in.top - in.bottom);
  QRegion clip(0, 0, f.width, f.height);
  if (client.width() > 0 && client.height() > 0) clip -= QRegion(client);
  canvas.setClipRegion(clip);
  // The band between the caption and the client, and the border's face.
  canvas.fillRect(0, 0, f.width, f.height, Sys(scBtnFace));
  const QImage caption = DefaultCaptionBitmap(f);
  if (!caption.isNull()) canvas.drawImage(kDefaultBorder, kDefaultBorder, caption);
  QRect r(0, 0, f.width, f.height);
  Bevel(canvas, r, Sys(sc3DLight), Sys(sc3DDkShadow));
  r.adjust(1, 1, -1, -1);
  Bevel(canvas, r, Sys(scBtnHighlight), Sys(scBtnShadow));
  r.adjust(1, 1, -1, -1);
  Bevel(canvas, r, Sys(scBtnFace), Sys(scBtnFace));
  canvas.restore();
}

}  // namespace lumora
