#pragma once
// Painting of the window frame: the skinned frame as four strips cut from
// the main (or inactive) picture, with the inactive effect when the skin
// renders the inactive frame itself, and the default frame (bevels and a
// lined caption bar) when there is no skin. The client rectangle is never
// painted over.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>

#include "base/geometry.h"
#include "skin/data/skin_window_data.h"
#include "skin/form/frame_geometry.h"

namespace lumora {

struct TskFrameStrips {
  QImage top, bottom, left, right;
};

// The strips of a window with geometry g; null images for a null picture.
TskFrameStrips BuildFrameStrips(const QImage& picture, const TskFormInfo& info,
                                const TskFrameGeometry& g);
// The painter origin for drawing an object rectangle into its strip: the
// bottom strip for objects reaching below the client's top, else the top
// strip. Returns the offset to add to window coordinates.
bool ObjectInBottomStrip(const TRect& objectRect, const TskFrameGeometry& g);
TPoint StripOffset(bool bottom, const TskFrameGeometry& g);
void ApplyInactiveEffect(TskFrameStrips& strips, TskInactiveEffect effect);
// Draws the strips at their places, clipped to outside the client rectangle.
void DrawFrameStrips(QPainter& canvas, const TskFrameStrips& strips, const TskFrameGeometry& g);

struct TskDefaultFrame {
  int width = 0, height = 0;
  int captionHeight = kDefaultCaptionHeight;
  TRect captionRect;  // from the default object layout
  QFont font;
  QColor fontColour;
  QString caption;
  // Draws the caption instead of the text when set (bitmap canvas, rect).
  std::function<void(QPainter&, const TRect&)> captionPaint;
  // Paints the objects into the caption bitmap (painter already moved).
  std::function<void(QPainter&)> paintObjects;
};
// The caption bar bitmap ((width - 6) x caption height).
QImage DefaultCaptionBitmap(const TskDefaultFrame& frame);
void PaintDefaultFrame(QPainter& canvas, const TskDefaultFrame& frame);

}  // namespace lumora
