#include "skin/controls/default_box.h"

#include "skin/draw/colour.h"
#include "skin/draw/rect_routines.h"

namespace lumora {

namespace {

constexpr TColor kNavy = 8388608;
constexpr TColor kPressedFill = 11899781;
constexpr TColor kHotFill = 13811126;

}  // namespace

void DrawOutline(QPainter& canvas, const TRect& r, TColor colour) {
  if (r.IsEmpty()) return;
  canvas.setPen(ToQColor(colour));
  canvas.setBrush(Qt::NoBrush);
  canvas.drawRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
}

void DrawDefaultBox(QPainter& canvas, const TRect& r, TskBoxLook look) {
  if (r.IsEmpty()) return;
  const TColor fill = look == bxPressed ? kPressedFill
                      : look == bxHot   ? kHotFill
                                        : SystemColour(scBtnFace);
  canvas.fillRect(ToQRect(r), ToQColor(fill));
  DrawOutline(canvas, r, look == bxNormal ? SystemColour(scBtnShadow) : kNavy);
}

}  // namespace lumora
