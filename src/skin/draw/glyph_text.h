#pragma once
// The content of a button face: a glyph (one picture of an image list, or one
// frame of a picture strip) and a caption, laid out beside or above each
// other, with an optional colour marker.

#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

#include "base/geometry.h"

namespace lumora {

// Where the glyph sits relative to the caption.
enum TskGlyphLayout { glGlyphLeft = 0, glGlyphRight = 1, glGlyphTop = 2, glGlyphBottom = 3 };

// margin -1 centres the pair in the area.
constexpr int kCentreMargin = -1;

struct TskGlyphTextPlace {
  TPoint glyph;
  TPoint text;
  friend bool operator==(const TskGlyphTextPlace&, const TskGlyphTextPlace&) = default;
};

// Top-left corners of glyph and caption. Spacing counts only when there is a
// glyph (width > 0). An unknown layout is treated as glyph left.
TskGlyphTextPlace LayoutGlyphAndText(int layout, const TRect& area, int glyphWidth, int glyphHeight,
                                     int textWidth, int textHeight, int margin, int spacing);

// The rectangles the colour marker fills: three one-pixel lines under the
// glyph when there is one, else under the caption rectangle, else the area
// shrunk by 4 pixels at left, top and bottom and 2 at the right.
std::vector<TRect> ColourMarkerRects(const TRect& area, const TRect& glyph, const TRect& caption);

struct TskFaceContent {
  QString caption;
  int layout = glGlyphLeft;
  int margin = kCentreMargin;
  int spacing = 0;
  bool pressed = false;  // glyph and caption move one pixel right and down
  bool enabled = true;   // false draws an image-list glyph in its disabled look
  bool colourMarker = false;
  TColor markerColour = 0;
};

// With the picture images[imageIndex] as glyph (none when the index is out of
// range). Glyphs are drawn transparently: through their alpha, or with the
// bottom-left pixel's colour as the transparent colour.
void DrawGlyphAndText(QPainter& canvas, const TRect& area, const std::vector<QImage>& images,
                      int imageIndex, const TskFaceContent& content);
// With frame k (from 1) of a strip of frameCount frames as glyph.
void DrawGlyphAndText(QPainter& canvas, const TRect& area, const QImage& strip, int frame,
                      int frameCount, const TskFaceContent& content);

}  // namespace lumora
