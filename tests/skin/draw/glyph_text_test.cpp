#include "skin/draw/glyph_text.h"

#include <gtest/gtest.h>

#include "support/pixel_grid.h"

namespace lumora {
namespace {

using test::PixelsAre;

// Area (10, 20)-(110, 60): centre (60, 40). Glyph 16 x 12, text 30 x 10.
constexpr TRect kArea{10, 20, 110, 60};

struct LayoutRow {
  const char* what;
  int layout, margin, spacing, gw;
  TskGlyphTextPlace expected;
};

TEST(GlyphTextLayout, FollowsTheFormulasOfEachLayout) {
  const LayoutRow rows[] = {
      {"glyph left, margin 4", glGlyphLeft, 4, 3, 16, {{14, 34}, {33, 35}}},
      {"glyph right, margin 4", glGlyphRight, 4, 3, 16, {{90, 34}, {57, 35}}},
      {"glyph above, margin 4", glGlyphTop, 4, 3, 16, {{52, 24}, {45, 39}}},
      {"glyph below, margin 4", glGlyphBottom, 4, 3, 16, {{52, 44}, {45, 31}}},
      // centred pair: h = (16 + 30 + 3) / 2 = 24, v = (12 + 10 + 3) / 2 = 12
      {"glyph left, centred", glGlyphLeft, -1, 3, 16, {{36, 34}, {54, 35}}},
      {"glyph right, centred", glGlyphRight, -1, 3, 16, {{68, 34}, {36, 35}}},
      {"glyph above, centred", glGlyphTop, -1, 3, 16, {{52, 28}, {45, 42}}},
      {"glyph below, centred", glGlyphBottom, -1, 3, 16, {{52, 40}, {45, 28}}},
      {"unknown layout as glyph left", 7, 4, 3, 16, {{14, 34}, {33, 35}}},
  };
  for (const LayoutRow& r : rows) {
    EXPECT_EQ(LayoutGlyphAndText(r.layout, kArea, r.gw, 12, 30, 10, r.margin, r.spacing),
              r.expected)
        << r.what;
  }
}

TEST(GlyphTextLayout, NoGlyphIgnoresTheSpacing) {
  EXPECT_EQ(LayoutGlyphAndText(glGlyphLeft, kArea, 0, 0, 30, 10, 4, 50).text, (TPoint{14, 35}));
  // centred: h = 30 / 2, so the text is centred exactly
  EXPECT_EQ(LayoutGlyphAndText(glGlyphLeft, kArea, 0, 0, 30, 10, -1, 50).text, (TPoint{45, 35}));
}

TEST(GlyphTextLayout, NegativeCoordinatesKeepTheirPlace) {
  // Area 5 x 5 at (-3, -3): centre (-1, -1); glyph 3 x 3 centred on it.
  const TskGlyphTextPlace p = LayoutGlyphAndText(glGlyphTop, {-3, -3, 2, 2}, 3, 3, 0, 0, 0, 0);
  EXPECT_EQ(p.glyph, (TPoint{-2, -3}));
}

TEST(ColourMarker, LinesUnderTheGlyphElseTheCaptionElseAFilledArea) {
  EXPECT_EQ(ColourMarkerRects(kArea, {20, 30, 36, 42}, {40, 30, 70, 40}),
            (std::vector<TRect>{{20, 40, 36, 41}, {20, 41, 36, 42}, {20, 42, 36, 43}}));
  EXPECT_EQ(ColourMarkerRects(kArea, {}, {40, 30, 70, 40}),
            (std::vector<TRect>{{40, 39, 70, 40}, {40, 40, 70, 41}, {40, 41, 70, 42}}));
  EXPECT_EQ(ColourMarkerRects(kArea, {}, {}), (std::vector<TRect>{{14, 24, 108, 56}}));
  EXPECT_TRUE(ColourMarkerRects({0, 0, 5, 5}, {}, {}).empty());
}

// A 7 x 5 canvas and a strip of two 2 x 1 frames ('k' transparent).
const test::Grid kBlank = {".......", ".......", ".......", ".......", "......."};

QImage Face(const TskFaceContent& content, int frame = 2) {
  QImage canvas = test::GridImage(kBlank);
  const QImage strip = test::GridImage({"abkc"});
  QPainter p(&canvas);
  DrawGlyphAndText(p, {0, 0, 7, 5}, strip, frame, 2, content);
  p.end();
  return canvas;
}

TEST(GlyphAndText, StripGlyphIsCentredAndPressedMovesItByOnePixel) {
  TskFaceContent c;
  EXPECT_TRUE(PixelsAre(Face(c), {".......", ".......", "...c...", ".......", "......."}));
  c.pressed = true;
  EXPECT_TRUE(PixelsAre(Face(c), {".......", ".......", ".......", "....c..", "......."}));
}

TEST(GlyphAndText, CaptionIsDrawnBesideTheGlyphAfterTheSpacing) {
  QImage canvas(120, 30, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter p(&canvas);
  QFont font("DejaVu Sans");
  font.setPixelSize(12);
  p.setFont(font);
  p.setPen(Qt::black);
  TskFaceContent c;
  c.caption = "Wide";
  c.layout = glGlyphLeft;
  c.margin = 3;
  c.spacing = 6;
  const std::vector<QImage> images = {test::GridImage({"rrrrr", "rrrrr", "krrrr"})};
  DrawGlyphAndText(p, {0, 0, 120, 30}, images, 0, c);
  p.end();
  // Glyph at x 3..8, rows 14..16; the caption starts at x 3 + 5 + 6 = 14.
  EXPECT_EQ(canvas.pixel(3, 14), test::GridColour('r'));
  EXPECT_EQ(canvas.pixel(8, 14), qRgb(255, 255, 255));
  int inkLeft = canvas.width();
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 9; x < canvas.width(); ++x) {
      if (canvas.pixel(x, y) != qRgb(255, 255, 255)) inkLeft = std::min(inkLeft, x);
    }
  }
  EXPECT_GE(inkLeft, 14);
  EXPECT_LE(inkLeft, 17);
}

TEST(GlyphAndText, MarkerWithoutGlyphOrCaptionFillsTheShrunkArea) {
  TskFaceContent c;
  c.colourMarker = true;
  c.markerColour = RGBColor(qRed(test::GridColour('m')), qGreen(test::GridColour('m')),
                            qBlue(test::GridColour('m')));
  QImage canvas(12, 10, QImage::Format_RGB32);
  canvas.fill(0);
  QPainter p(&canvas);
  DrawGlyphAndText(p, {0, 0, 12, 10}, std::vector<QImage>{}, 0, c);
  p.end();
  EXPECT_TRUE(PixelsAre(canvas, {
                                    "............",  //
                                    "............",  //
                                    "............",  //
                                    "............",  //
                                    "....mmmmmm..",  //
                                    "....mmmmmm..",  //
                                    "............",  //
                                    "............",  //
                                    "............",  //
                                    "............",  //
                                }));
}

TEST(GlyphAndText, MarkerUnderAGlyphCoversItsLastTwoRowsAndTheRowBelow) {
  TskFaceContent c;
  c.colourMarker = true;
  c.markerColour = RGBColor(qRed(test::GridColour('m')), qGreen(test::GridColour('m')),
                            qBlue(test::GridColour('m')));
  QImage canvas = test::GridImage({"......", "......", "......", "......", "......", "......"});
  const std::vector<QImage> images = {test::GridImage({"ab", "cd", "ef"})};
  QPainter p(&canvas);
  DrawGlyphAndText(p, {0, 0, 6, 6}, images, 0, c);
  p.end();
  // Glyph at (2, 2); marker rows 3, 4 and 5.
  EXPECT_TRUE(PixelsAre(canvas, {"......", "......", "..ab..", "..mm..", "..mm..", "..mm.."}));
}

TEST(GlyphAndText, DisabledImageGlyphIsDrawnInOneColourPerLayer) {
  TskFaceContent c;
  c.enabled = false;
  QImage canvas(6, 6, QImage::Format_RGB32);
  canvas.fill(0);
  QImage glyph(2, 2, QImage::Format_ARGB32);
  glyph.fill(Qt::transparent);
  glyph.setPixel(0, 0, qRgba(255, 0, 0, 255));
  QPainter p(&canvas);
  DrawGlyphAndText(p, {0, 0, 6, 6}, {glyph}, 0, c);
  p.end();
  // Shadow over the glyph's pixel, highlight one pixel below right of it.
  EXPECT_NE(canvas.pixel(2, 2), qRgb(255, 0, 0));
  EXPECT_NE(canvas.pixel(3, 3) & 0xFFFFFF, 0u);
  EXPECT_EQ(canvas.pixel(3, 2) & 0xFFFFFF, 0u);
}

}  // namespace
}  // namespace lumora
