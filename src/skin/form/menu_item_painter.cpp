#include "skin/form/menu_item_painter.h"

#include <QPainter>

#include "skin/draw/colour.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/skin_text.h"
#include "skin/form/flat_paint.h"
#include "skin/form/menu_window_painter.h"

namespace lumora {

namespace {

// Room the default look keeps right of the text for the arrow.
constexpr int kDefaultRightColumn = 21;
// Room the skinned look keeps right of the text for the arrow.
constexpr int kSkinRightColumn = 16;
// The frame glyphs' cell.
constexpr int kFrameGlyphWidth = 11, kFrameGlyphHeight = 10;
constexpr int kRadioSize = 6;

// A picture piece with its transparent colour (bottom-left pixel) cleared.
QImage TransparentPiece(const QImage& picture, const TRect& r) {
  if (r.IsEmpty() || picture.isNull()) return QImage();
  return StripFrameImage(picture.copy(ToQRect(r)), 1, 1);
}

void DrawCentred(QPainter& p, const QImage& image, const TRect& area) {
  if (image.isNull()) return;
  p.drawImage(QPoint(area.Left + (area.Width() - image.width()) / 2,
                     area.Top + (area.Height() - image.height()) / 2),
              image);
}

QImage DisabledLook(const QImage& image) {
  QImage gray = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < gray.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(gray.scanLine(y));
    for (int x = 0; x < gray.width(); ++x) {
      const int g = (qGray(row[x]) + 2 * 192) / 3;
      row[x] = qRgba(g, g, g, qAlpha(row[x]));
    }
  }
  return gray;
}

void DrawRadioDot(QPainter& p, int x, int y, TColor colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(ToQColor(colour));
  p.drawEllipse(QRect(x, y, kRadioSize, kRadioSize));
  p.restore();
}

void DrawLine(QPainter& p, QString text, TRect r, uint32_t align) {
  DrawSkinText(p, text, r, align | dtSingleLine | dtVCenter);
}

// Caption and short cut between left and right, vertically centred in r.
void DrawTexts(QPainter& p, const TskMenuItemFace& face, int left, int right, const TRect& r,
               TColor colour) {
  p.setPen(ToQColor(colour));
  DrawLine(p, face.caption, {left, r.Top, right, r.Bottom}, dtLeft);
  if (!face.shortCut.isEmpty()) {
    DrawLine(p, face.shortCut, {left, r.Top, right, r.Bottom}, dtRight | dtNoPrefix);
  }
}

// The mark of an item without an image in the default look: frame glyph,
// radio dot or check mark, from x, around the vertical centre.
void DrawDefaultMark(QPainter& p, const TskMenuItemFace& face, int x, int centreY, TColor colour) {
  if (face.frameGlyph >= 0) {
    DrawGlyph(p, static_cast<TskGlyphKind>(face.frameGlyph), x, centreY - kFrameGlyphHeight / 2,
              colour);
  } else if (face.checked && face.radio) {
    DrawRadioDot(p, x + 1, centreY - kRadioSize / 2, colour);
  } else if (face.checked) {
    DrawGlyph(p, gkCheckMark, x + 1, centreY - 4, colour);
  }
}

void DrawImageMark(QPainter& p, const TskMenuItemFace& face, const TRect& at, TColor colour) {
  const QImage image = face.enabled ? face.image : DisabledLook(face.image);
  p.drawImage(QPoint(at.Left, at.Top), image);
  if (face.checked)
    OutlineSkinRect(p, {at.Left - 1, at.Top - 1, at.Right + 1, at.Bottom + 1}, colour);
}

void PaintDefault(QPainter& p, const TskMenuItemStyle& style, const TskMenuItemFace& face, int w,
                  int h, bool highlighted) {
  const int g = style.glyphWidth;
  const bool separator = face.IsSeparator();
  if (highlighted && !separator) {
    FillSkinRect(p, {0, 0, w, h}, kDefaultMenuHighlightFill);
    OutlineSkinRect(p, {0, 0, w, h}, kDefaultMenuHighlightFrame);
  } else {
    FillSkinRect(p, {0, 0, g, h}, SystemColour(scBtnFace));
    FillSkinRect(p, {g, 0, w, h}, SystemColour(kSysWindow));
  }
  if (separator) {
    FillSkinRect(p, {g, h / 2, w, h / 2 + 1}, SystemColour(scBtnShadow));
    return;
  }
  if (face.IsHeader()) {
    FillSkinRect(p, {0, 0, w, h}, SystemColour(scBtnShadow));
    p.setPen(ToQColor(SystemColour(scBtnHighlight)));
    DrawLine(p, face.caption.mid(1, face.caption.size() - 2),
             {g + 2, 0, w - kDefaultRightColumn, h}, dtLeft);
    return;
  }
  const TColor colour = MenuItemTextColour(style, face, highlighted);
  DrawTexts(p, face, g + 2, w - kDefaultRightColumn, {0, 0, w, h}, colour);
  if (face.hasSubmenu) DrawArrowMark(p, {w - 9, h / 2 - 4, w - 5, h / 2 + 3}, colour, adRight);
  if (!face.image.isNull()) {
    const int y = (h - face.image.height()) / 2;
    DrawImageMark(p, face, Bounds(4, y, face.image.width(), face.image.height()), colour);
  } else {
    DrawDefaultMark(p, face, 4, h / 2, colour);
  }
}

// A header drawn with the skin's header control stretched to the item, its
// caption in the control's font, vertically centred in the control's client.
void PaintSkinnedHeader(QPainter& p, const TskMenuItemStyle& style, const TskMenuItemFace& face,
                        int w, int h, TColor colour) {
  const QString caption = face.caption.mid(1, face.caption.size() - 2);
  const TskDataSkinLabelControl* header = style.header;
  if (header == nullptr || style.headerPicture == nullptr || header->SkinRect.IsEmpty()) {
    p.setPen(ToQColor(colour));
    DrawLine(p, caption, {0, 0, w, h}, dtCenter);
    return;
  }
  TskNinePartSource source;
  source.skinRect = header->SkinRect;
  source.lt = header->LTPoint;
  source.rt = header->RTPoint;
  source.lb = header->LBPoint;
  source.rb = header->RBPoint;
  source.client = header->ClientRect;
  const TskNinePartTarget target = NinePartTargetForSize(source, w, h);
  TskNinePartStretch stretch{header->LeftStretch,   header->TopStretch,    header->RightStretch,
                             header->BottomStretch, header->StretchEffect, header->StretchType};
  QImage look;
  DrawNinePartImage(*style.headerPicture, source, target, stretch, true, look);
  if (!look.isNull()) p.drawImage(0, 0, look);
  p.setFont(SkinFont(header->FontName, header->FontHeight, header->FontStyle));
  p.setPen(ToQColor(header->FontColor));
  const TRect& c = target.client.IsEmpty() ? TRect{0, 0, w, h} : target.client;
  DrawLine(p, caption, {c.Left, 0, c.Right, h}, dtLeft);
}

void PaintSkinned(QPainter& p, const TskMenuItemStyle& style, const TskMenuItemFace& face, int w,
                  int h, bool highlighted, int frame) {
  const TskDataSkinMenuItem& skin = *style.skin;
  const QImage empty;
  const QImage& picture = style.picture ? *style.picture : empty;
  if (face.IsSeparator()) {
    QImage divider;
    DrawThreePartHorz(picture, skin.DividerRect, skin.DividerLeftOffset, skin.DividerRightOffset,
                      skin.DividerStretchEffect, w, divider);
    if (!divider.isNull()) p.drawImage(0, 0, divider);
    return;
  }
  const TRect frameRect = MenuItemAnimationFrame(skin, frame);
  if (!frameRect.IsEmpty()) {
    QImage background;
    DrawThreePartHorz(picture, frameRect, skin.ItemLeftOffset, skin.ItemRightOffset,
                      skin.InActiveStretchEffect || skin.StretchEffect, w, background);
    if (!background.isNull()) p.drawImage(0, 0, background);
  } else if (!highlighted && skin.InActiveTransparent && style.windowBackground) {
    p.drawImage(QPoint(0, 0), *style.windowBackground,
                QRect(style.itemOffset.x, style.itemOffset.y, w, h));
  } else {
    const TRect& look = highlighted ? skin.ActiveSkinRect : skin.SkinRect;
    const bool stretch = highlighted ? skin.StretchEffect : skin.InActiveStretchEffect;
    QImage background;
    DrawThreePartHorz(picture, look, skin.ItemLeftOffset, skin.ItemRightOffset, stretch, w,
                      background);
    if (!background.isNull()) p.drawImage(0, 0, background);
  }

  const TRect text{skin.TextRect.Left, skin.TextRect.Top,
                   skin.TextRect.Right + w - skin.SkinRect.Width(), skin.TextRect.Bottom};
  const int glyphColumn =
      skin.ImageRect.IsEmpty() ? (style.imageListWidth > 0 ? style.imageListWidth : 16) : 0;
  const TColor colour = MenuItemTextColour(style, face, highlighted);
  const int centreY = text.Top + text.Height() / 2;
  if (face.ownerDraw) {
    p.setPen(ToQColor(colour));
    face.ownerDraw(p, highlighted, text);
    return;
  }
  if (face.IsHeader()) {
    PaintSkinnedHeader(p, style, face, w, h, colour);
    return;
  }
  DrawTexts(p, face, text.Left + glyphColumn, text.Right - kSkinRightColumn, text, colour);

  if (face.hasSubmenu) {
    const TRect& arrowRect = highlighted ? skin.ActiveArrowImageRect : skin.ArrowImageRect;
    if (skin.ArrowImageRect.IsEmpty()) {
      DrawArrowMark(p, {text.Right - 7, centreY - 4, text.Right - 3, centreY + 3}, colour, adRight);
    } else {
      DrawCentred(p, TransparentPiece(picture, arrowRect),
                  {text.Right - arrowRect.Width() - 5, text.Top, text.Right, text.Bottom});
    }
  }

  const TColor markColour =
      skin.UseImageColor ? (highlighted ? skin.ActiveImageColor : skin.ImageColor) : colour;
  // Marks are centred in "imagerect", or start 2 pixels into the text rectangle.
  const bool inImageRect = !skin.ImageRect.IsEmpty();
  auto placeOf = [&](int mw, int mh) {
    if (inImageRect) {
      return Bounds(skin.ImageRect.Left + (skin.ImageRect.Width() - mw) / 2,
                    skin.ImageRect.Top + (skin.ImageRect.Height() - mh) / 2, mw, mh);
    }
    return Bounds(text.Left + 2, centreY - mh / 2, mw, mh);
  };
  if (!face.image.isNull()) {
    DrawImageMark(p, face, placeOf(face.image.width(), face.image.height()), markColour);
    return;
  }
  if (face.frameGlyph >= 0) {
    const TRect at = placeOf(kFrameGlyphWidth, kFrameGlyphHeight);
    DrawGlyph(p, static_cast<TskGlyphKind>(face.frameGlyph), at.Left, at.Top, markColour);
    return;
  }
  if (!face.checked) return;
  const TRect& markRect = face.radio
                              ? (highlighted ? skin.ActiveRadioImageRect : skin.RadioImageRect)
                              : (highlighted ? skin.ActiveCheckImageRect : skin.CheckImageRect);
  const QImage mark = TransparentPiece(picture, markRect);
  if (!mark.isNull()) {
    const TRect at = placeOf(mark.width(), mark.height());
    p.drawImage(QPoint(at.Left, at.Top), mark);
  } else if (face.radio) {
    const TRect at = placeOf(kRadioSize, kRadioSize);
    DrawRadioDot(p, at.Left, at.Top, markColour);
  } else {
    const TRect at = placeOf(8, 8);
    DrawGlyph(p, gkCheckMark, at.Left, at.Top - 1, markColour);
  }
}

}  // namespace

bool TskMenuItemFace::IsHeader() const {
  return !enabled && caption.size() >= 2 && caption.startsWith(QLatin1Char('-')) &&
         caption.endsWith(QLatin1Char('-'));
}

TColor MenuItemTextColour(const TskMenuItemStyle& style, const TskMenuItemFace& face,
                          bool highlighted) {
  if (style.skin) {
    if (highlighted) return style.skin->ActiveFontColor;
    return face.enabled ? style.skin->FontColor : style.skin->UnEnabledFontColor;
  }
  if (highlighted || face.enabled) return SystemColour(kSysWindowText);
  return SystemColour(scBtnShadow);
}

TRect MenuItemAnimationFrame(const TskDataSkinMenuItem& skin, int k) {
  const TRect& a = skin.AnimateSkinRect;
  const int n = skin.FrameCount;
  if (a.IsEmpty() || n <= 0 || k < 1 || k > n) return {};
  if (a.Height() > skin.SkinRect.Height()) {
    const int fh = a.Height() / n;
    return {a.Left, a.Top + (k - 1) * fh, a.Right, a.Top + k * fh};
  }
  const int fw = a.Width() / n;
  return {a.Left + (k - 1) * fw, a.Top, a.Left + k * fw, a.Bottom};
}

QImage PaintMenuItem(const TskMenuItemStyle& style, const TskMenuItemFace& face, int width,
                     int height, bool highlighted, int animationFrame) {
  if (width <= 0 || height <= 0) return QImage();
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setFont(style.font);
  if (style.skin) {
    PaintSkinned(p, style, face, width, height, highlighted, animationFrame);
  } else {
    PaintDefault(p, style, face, width, height, highlighted);
  }
  return image;
}

int FrameGlyphForItem(const QString& name) {
  if (name == QLatin1String("SKF_CLOSE") || name == QLatin1String("TRAY_SKF_CLOSE")) return gkClose;
  if (name == QLatin1String("SKF_MINITEM")) return gkMinimize;
  if (name == QLatin1String("SKF_MAXITEM")) return gkMaximize;
  if (name == QLatin1String("SKF_RESTORE") || name == QLatin1String("TRAY_SKF_RESTORE"))
    return gkRestore;
  if (name == QLatin1String("SKF_ROLLUP")) return gkFlatBar;
  if (name == QLatin1String("SKF_MINTOTRAY")) return gkFilledBox;
  return -1;
}

}  // namespace lumora
