#include "skin/form/menu_window_painter.h"

#include "skin/draw/colour.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/vector_glyphs.h"
#include "skin/form/flat_paint.h"

namespace lumora {

TskNinePartSource MenuWindowSource(const TskDataSkinPopupWindow& data, const QImage& picture) {
  return NinePartSourceOf(data, {0, 0, picture.width(), picture.height()}, data.ItemsRect);
}

TskNinePartTarget MenuWindowTarget(const TskMenuLevelGeometry& level) {
  TskNinePartTarget t;
  t.width = level.width;
  t.height = level.height;
  t.lt = level.lt;
  t.rt = level.rt;
  t.lb = level.lb;
  t.rb = level.rb;
  t.client = level.itemsRect;
  return t;
}

QImage PaintMenuWindowFrame(const TskMenuLevelGeometry& level, const TskDataSkinPopupWindow& data,
                            const QImage* picture, int imageListWidth) {
  if (picture && !picture->isNull()) {
    QImage frame;
    DrawNinePartImage(*picture, MenuWindowSource(data, *picture), MenuWindowTarget(level),
                      NinePartStretchOf(data), true, frame);
    return frame.convertToFormat(QImage::Format_RGB32);
  }
  QImage frame(std::max(level.width, 1), std::max(level.height, 1), QImage::Format_RGB32);
  QPainter p(&frame);
  const int w = level.width, h = level.height;
  const int column = imageListWidth > 0 ? level.glyphWidth + 2 : 21;
  FillSkinRect(p, {0, 0, column, h}, SystemColour(scBtnFace));
  FillSkinRect(p, {column, 0, w, h}, SystemColour(kSysWindow));
  OutlineSkinRect(p, {0, 0, w, h}, SystemColour(scBtnShadow));
  OutlineSkinRect(p, {1, 1, w - 1, h - 1}, SystemColour(kSysWindow));
  return frame;
}

std::optional<QRegion> MenuWindowRegion(const TskMenuLevelGeometry& level,
                                        const TskDataSkinPopupWindow& data, const QImage* picture,
                                        const QImage* mask) {
  if (!picture || picture->isNull() || !mask || mask->isNull()) return std::nullopt;
  TskNinePartSource source = MenuWindowSource(data, *picture);
  source.skinRect = {0, 0, mask->width(), mask->height()};
  return RegionFromNinePartMask(*mask, source, MenuWindowTarget(level));
}

TColor ScrollMarkerColour(const TskDataSkinPopupWindow* data, bool active) {
  if (data) return active ? data->ScrollMarkerActiveColor : data->ScrollMarkerColor;
  return active ? SystemColour(scBtnText) : SystemColour(scBtnShadow);
}

void DrawScrollMarkerArrow(QPainter& canvas, const TRect& marker, bool up, TColor colour) {
  DrawArrowMark(canvas, marker, colour, up ? adUp : adDown);
}

}  // namespace lumora
