#include "skin/form/flat_paint.h"

#include "skin/draw/colour.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/vector_glyphs.h"

namespace lumora {

void FillSkinRect(QPainter& canvas, const TRect& r, TColor colour) {
  if (!r.IsEmpty()) canvas.fillRect(ToQRect(r), ToQColor(colour));
}

void OutlineSkinRect(QPainter& canvas, const TRect& r, TColor colour) {
  if (r.IsEmpty()) return;
  DrawShape(canvas,
            {{r.Left, r.Top, r.Right, r.Top + 1},
             {r.Left, r.Bottom - 1, r.Right, r.Bottom},
             {r.Left, r.Top, r.Left + 1, r.Bottom},
             {r.Right - 1, r.Top, r.Right, r.Bottom}},
            colour);
}

}  // namespace lumora
