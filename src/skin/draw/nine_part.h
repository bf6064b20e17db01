#pragma once
// Image builders that cut a skin picture into pieces and reassemble them at a
// new size: the nine-part image of framed looks, the three-part images of
// looks that grow in one direction, the four border strips of a window frame
// and single frames of a picture strip.
//
// Each builder has a Plan... function that only computes the pieces (tested
// rectangle by rectangle) and a Draw.../Build... function that paints them.
//
// Nine-part geometry, relative to the skin rectangle S (source) or to the
// W x H destination; C is the client rectangle, lt/rt/lb/rb the corner points:
//
//    0     lt.x          rt.x     W
//    +------+-------------+-------+ 0
//    |corner|  top edge   |corner |
//    |  +---+-------------+---+---+ C.top
//    |  |                     |   | lt.y / rt.y
//    |left         centre     right
//    |edge                    |edge
//    |  |                     |   | lb.y / rb.y
//    |  +---+-------------+---+---+ C.bottom
//    |corner| bottom edge |corner |
//    +------+-------------+-------+ H
//     C.left lb.x        rb.x  C.right
//
// Edges run between the corner points; each corner is two pieces (one in the
// outer band, one reaching inwards to the corner point).

#include <QImage>
#include <QPainter>

#include "base/geometry.h"
#include "skin/data/skin_types.h"
#include "skin/draw/image_plan.h"

namespace lumora {

// Source geometry: skinRect is absolute in the picture, the rest relative to
// skinRect's top-left.
struct TskNinePartSource {
  TRect skinRect;
  TPoint lt, rt, lb, rb;
  TRect client;
};

// Destination geometry of a width x height image.
struct TskNinePartTarget {
  int width = 0;
  int height = 0;
  TPoint lt, rt, lb, rb;
  TRect client;
};

// Which pieces stretch instead of tiling.
struct TskNinePartStretch {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
  bool centre = false;  // the skin's "stretcheffect"
  TskStretchType type = stFull;
};

// The nine-part fields of a skin entry (a control, the form, a popup or hint
// window), which all carry the corner points and the stretch flags under the
// same names; skinRect and client as the caller chooses.
template <typename Entry>
TskNinePartSource NinePartSourceOf(const Entry& e, const TRect& skinRect, const TRect& client) {
  return {skinRect, e.LTPoint, e.RTPoint, e.LBPoint, e.RBPoint, client};
}
template <typename Entry>
TskNinePartStretch NinePartStretchOf(const Entry& e) {
  return {e.LeftStretch,   e.TopStretch,    e.RightStretch,
          e.BottomStretch, e.StretchEffect, e.StretchType};
}

// The usual destination for a new size: left and top positions are kept,
// positions on the right keep their distance from the right edge and
// positions at the bottom their distance from the bottom edge.
TskNinePartTarget NinePartTargetForSize(const TskNinePartSource& source, int width, int height);

// Pieces in painting order: top, bottom, left, right edge, the eight corner
// pieces, then the centre when drawCentre is set. Empty when rb.x == lt.x or
// rb.y == lt.y in the source. Pieces whose tile has no length are left out.
TskImagePlan PlanNinePartImage(const TskNinePartSource& source, const TskNinePartTarget& target,
                               const TskNinePartStretch& stretch, bool drawCentre);
// dest becomes target.width x target.height (blank where no piece lands); it
// stays blank for an empty picture or a degenerate source.
void DrawNinePartImage(const QImage& picture, const TskNinePartSource& source,
                       const TskNinePartTarget& target, const TskNinePartStretch& stretch,
                       bool drawCentre, QImage& dest);

// The look at width x height with its corners ending at the client rectangle
// (relative to the look) and everything between them stretched: the bordered
// look of controls whose skin sets no corner points.
QImage StretchedAroundClient(const QImage& picture, const TRect& look, const TRect& client,
                             int width, int height);

// Three-part images: left/top part of `first` pixels and right/bottom part of
// `last` pixels copied, the middle stretched or tiled to fill newLength.
// dest is newLength x skin height (horizontal) or skin width x newLength.
TskImagePlan PlanThreePartHorz(const TRect& skinRect, int first, int last, bool stretch,
                               int newLength);
TskImagePlan PlanThreePartVert(const TRect& skinRect, int first, int last, bool stretch,
                               int newLength);
void DrawThreePartHorz(const QImage& picture, const TRect& skinRect, int left, int right,
                       bool stretch, int newWidth, QImage& dest);
void DrawThreePartVert(const QImage& picture, const TRect& skinRect, int top, int bottom,
                       bool stretch, int newHeight, QImage& dest);

// The four border strips of a target.width x target.height frame. A strip
// whose size is not positive is a null image.
struct TskFrameBorderImages {
  QImage left, right, top, bottom;
};
struct TskStripPlan {
  int width = 0;
  int height = 0;
  TskImagePlan pieces;
};
struct TskFrameBorderPlan {
  TskStripPlan left, right, top, bottom;
};
// Only stretch.left/top/right/bottom are read.
TskFrameBorderPlan PlanFrameBorderImages(const TskNinePartSource& source,
                                         const TskNinePartTarget& target,
                                         const TskNinePartStretch& stretch);
TskFrameBorderImages BuildFrameBorderImages(const QImage& picture, const TskNinePartSource& source,
                                            const TskNinePartTarget& target,
                                            const TskNinePartStretch& stretch);
// The variant that always tiles (used for masks); only the size is needed.
TskFrameBorderImages BuildTiledFrameBorderImages(const QImage& picture,
                                                 const TskNinePartSource& source, int width,
                                                 int height);

// Frame k (from 1) of a strip of frameCount frames of equal width laid side by
// side; empty when k or frameCount is out of range.
TRect StripFrameRect(int stripWidth, int stripHeight, int k, int frameCount);
// Draws frame k of the strip at (x, y) transparently: through its alpha when
// the strip has one, else with the colour of the frame's bottom-left pixel as
// the transparent colour.
void DrawStripFrame(QPainter& canvas, int x, int y, int k, int frameCount, const QImage& strip);
// The frame cut out with its transparent pixels cleared (premultiplied ARGB32).
QImage StripFrameImage(const QImage& strip, int k, int frameCount);
// The piece r of picture with every pixel of colour key (alpha not compared)
// cleared (premultiplied ARGB32); null for an empty piece.
QImage TransparentPiece(const QImage& picture, const TRect& r, QRgb key);

}  // namespace lumora
