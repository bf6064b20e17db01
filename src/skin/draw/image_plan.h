#pragma once
// The painting half of the image builders. A builder first computes a plan:
// a list of pieces, each a source rectangle in the picture and the
// destination rectangle it goes to. Pieces of equal size are copied, others
// are stretched by nearest-pixel sampling. Painting a plan works on the image
// bits directly and clips every piece to both images, so a plan that reaches
// outside the picture or the destination never reads or writes out of bounds.

#include <QImage>
#include <vector>

#include "base/geometry.h"

namespace lumora {

struct TskImagePiece {
  TRect src;  // in the source picture
  TRect dst;  // in the destination image
  friend bool operator==(const TskImagePiece&, const TskImagePiece&) = default;
};

using TskImagePlan = std::vector<TskImagePiece>;

// The pixel format the builders work in for a source of format f: 32-bit and
// 24-bit formats are kept, anything else becomes RGB32 (or premultiplied
// ARGB32 when it has alpha).
QImage::Format WorkingFormat(QImage::Format f);
// A width x height image in the working format of source, filled with zero
// (black, or transparent). A size that is not positive gives a null image.
QImage NewImageFor(const QImage& source, int width, int height);

// Paints the pieces in order (later pieces cover earlier ones). dest must be
// in a working format; source is converted to dest's format when it differs.
void PaintImagePlan(const QImage& source, const TskImagePlan& plan, QImage& dest);

// Tiling helpers for the builders. The tile is the source rectangle; tiles
// are laid from the start of the destination span in steps of the tile's
// length, k = 0 to span div length, and the tile that would pass the span's
// end is cut there (the cut is taken off the tile's far side in source and
// destination alike). A tile of no length adds nothing.
//   horizontal: span dstLeft..dstRight, each tile covering rows dstTop..dstBottom
void AppendTilesHorz(TskImagePlan& plan, const TRect& tile, int dstLeft, int dstRight, int dstTop,
                     int dstBottom);
//   vertical: span dstTop..dstBottom, each tile covering columns dstLeft..dstRight
void AppendTilesVert(TskImagePlan& plan, const TRect& tile, int dstTop, int dstBottom, int dstLeft,
                     int dstRight);
// Both directions over area, row by row; tiles at the right and bottom are cut.
void AppendTiles(TskImagePlan& plan, const TRect& tile, const TRect& area);

}  // namespace lumora
