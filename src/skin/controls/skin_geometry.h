#pragma once
// The frame geometry of a skinned control, copied from its data object: the
// pictures, the skin rectangle with its four corner points and client
// rectangle, the stretch options, and how they follow a new control size.
// Pure geometry and image building, no widgets: the controls paint what
// these functions build, and hit-test with the same rectangles.
//
// Sizing modes, decided once per look-up, in this order:
//   -1  empty skin rectangle (or no frame data)  the size is left alone
//    1  rightbottompoint has both coordinates    nine-part, both follow
//    2  righttoppoint has a coordinate           width follows, height fixed
//    3  leftbottompoint has a coordinate         height follows, width fixed
//    0  otherwise                                the skin rectangle's size

#include <QImage>
#include <QRegion>
#include <optional>

#include "base/geometry.h"
#include "skin/data/control_data.h"
#include "skin/draw/nine_part.h"

namespace lumora {

class TskSkinData;

enum TskSizingMode { smNone = -1, smFixed = 0, smNinePart = 1, smHorizontal = 2, smVertical = 3 };

struct TskControlFrame {
  const QImage* Picture = nullptr;  // owned by the skin data component
  const QImage* MaskPicture = nullptr;
  TRect SkinRect;                             // in Picture
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;  // relative to SkinRect
  TRect ClientRect;                           // relative to SkinRect
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TskStretchType StretchType = stFull;
  TskSizingMode SizingMode = smNone;

  // For the current size (CalcSkinSize); the left-top point never moves.
  TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
  TRect NewClRect;
};

// The frame of data: a TskDataSkinCustomControl (or descendant) gives its
// pictures (none when the index is outside the skin's list), points and
// sizing mode. Any other class gives no pictures and sizing mode -1: it has
// no skin rectangle to size the control to.
TskControlFrame ReadControlFrame(const TskSkinData& skin, const TskDataSkinControl& data);
TskSizingMode SizingModeOf(const TRect& skinRect, TPoint rt, TPoint lb, TPoint rb);

// Adjusts a requested size to the skin (a horizontal skin keeps its height, a
// vertical one its width, a fixed one both) and derives the new points and
// client rectangle for it.
void CalcSkinSize(TskControlFrame& frame, int& width, int& height);

// A rectangle given relative to the skin rectangle, moved or grown to where
// it lies at width x height.
TRect MapSkinRect(const TskControlFrame& frame, const TRect& r, int width, int height);

// The look at `look` (SkinRect, or another look of the same size in the same
// picture) at width x height by the sizing mode; after CalcSkinSize for that
// size. Mode 0 gives the look's own size; modes 2 and 3 the look's height or
// width across. A null image without a picture or for modes -1.
QImage BuildFrameImage(const TskControlFrame& frame, const TRect& look, int width, int height,
                       bool drawCentre = true);

// Nine-part geometry of the frame at its current (CalcSkinSize) size.
TskNinePartSource NinePartSource(const TskControlFrame& frame);
TskNinePartTarget NinePartTarget(const TskControlFrame& frame, int width, int height);

// The window region from the mask picture at width x height (after
// CalcSkinSize), or nullopt for no region.
std::optional<QRegion> FrameRegion(const TskControlFrame& frame, int width, int height);

// The part of the picture under ClientRect (the client texture), or a null
// image when there is none.
QImage ClientTexture(const TskControlFrame& frame);

}  // namespace lumora
