#include "skin/draw/rect_routines.h"

namespace lumora {

QRect ToQRect(const TRect& r) {
  return QRect(r.Left, r.Top, r.Width(), r.Height());
}

TRect FromQRect(const QRect& r) {
  return Bounds(r.x(), r.y(), r.width(), r.height());
}

}  // namespace lumora
