#include "skin/draw/vector_glyphs.h"

#include <gtest/gtest.h>

#include "support/pixel_grid.h"

namespace lumora {
namespace {

using test::PixelsAre;

// The glyph drawn in colour 'x' on a black w x h canvas.
QImage Drawn(TskGlyphKind kind, int w, int h, int x = 0, int y = 0) {
  QImage canvas(w, h, QImage::Format_RGB32);
  canvas.fill(0);
  const QRgb c = test::GridColour('x');
  QPainter p(&canvas);
  DrawGlyph(p, kind, x, y, RGBColor(qRed(c), qGreen(c), qBlue(c)));
  return canvas;
}

TEST(GlyphLines, EndPointIsNotDrawn) {
  EXPECT_EQ(LinePixels({1, 8}, {4, 8}), (std::vector<TPoint>{{1, 8}, {2, 8}, {3, 8}}));
  EXPECT_EQ(LinePixels({3, 1}, {1, 3}), (std::vector<TPoint>{{3, 1}, {2, 2}}));
  EXPECT_TRUE(LinePixels({5, 5}, {5, 5}).empty());
}

TEST(VectorGlyphs, CloseIsTwoDoubledDiagonals) {
  EXPECT_TRUE(PixelsAre(Drawn(gkClose, 11, 10), {
                                                    "...........",  //
                                                    ".xx.....xx.",  //
                                                    "..xx...xx..",  //
                                                    "...xx.xx...",  //
                                                    "....xxx....",  //
                                                    "....xxx....",  //
                                                    "...xx.xx...",  //
                                                    "..xx...xx..",  //
                                                    ".xx.....xx.",  //
                                                    "...........",  //
                                                }));
}

TEST(VectorGlyphs, MinimizeLinesStopBeforeTheirEnd) {
  EXPECT_TRUE(PixelsAre(Drawn(gkMinimize, 10, 10, 0, -2), {
                                                              "..........",  //
                                                              "..........",  //
                                                              "..........",  //
                                                              "..........",  //
                                                              "..........",  //
                                                              "..........",  //
                                                              ".xxxxxxxx.",  //
                                                              ".xxxxxxxx.",  //
                                                              "..........",  //
                                                              "..........",  //
                                                          }));
}

TEST(VectorGlyphs, MaximizeOutlinesExcludeRightAndBottom) {
  EXPECT_TRUE(PixelsAre(Drawn(gkMaximize, 12, 11), {
                                                       "xxxxxxxxxxx.",  //
                                                       "xxxxxxxxxxx.",  //
                                                       "x.........x.",  //
                                                       "x.........x.",  //
                                                       "x.........x.",  //
                                                       "x.........x.",  //
                                                       "x.........x.",  //
                                                       "x.........x.",  //
                                                       "x.........x.",  //
                                                       "xxxxxxxxxxx.",  //
                                                       "............",  //
                                                   }));
}

TEST(VectorGlyphs, RestoreIsTwoOverlappingWindows) {
  EXPECT_TRUE(PixelsAre(Drawn(gkRestore, 10, 10), {
                                                      "..xxxxxxxx",  //
                                                      "..xxxxxxxx",  //
                                                      "..x......x",  //
                                                      "..x......x",  //
                                                      "xxxxxxx..x",  //
                                                      "xxxxxxxxxx",  //
                                                      "x.....x...",  //
                                                      "x.....x...",  //
                                                      "x.....x...",  //
                                                      "xxxxxxx...",  //
                                                  }));
}

TEST(VectorGlyphs, CheckMarkIsThreeStrokes) {
  EXPECT_TRUE(PixelsAre(Drawn(gkCheckMark, 8, 8), {
                                                      "........",  //
                                                      "......x.",  //
                                                      ".....xx.",  //
                                                      "x...xxx.",  //
                                                      "xx.xxx..",  //
                                                      "xxxxx...",  //
                                                      ".xxx....",  //
                                                      "..x.....",  //
                                                  }));
}

TEST(VectorGlyphs, WideDownTriangleHasAnEmptyTipRow) {
  EXPECT_TRUE(PixelsAre(Drawn(gkWideDownTriangle, 11, 7), {
                                                              "...........",  //
                                                              "...........",  //
                                                              ".xxxxxxxx..",  //
                                                              "..xxxxxx...",  //
                                                              "...xxxx....",  //
                                                              "....xx.....",  //
                                                              "...........",  //
                                                          }));
}

TEST(VectorGlyphs, SquaresAndBarsCoverLeftToRightMinusOne) {
  EXPECT_EQ(GlyphShape(gkSmallSquare, 3, 4), (std::vector<TRect>{{3, 4, 9, 10}}));
  EXPECT_EQ(GlyphShape(gkFilledBox, 3, 4), (std::vector<TRect>{{5, 6, 10, 11}}));
  EXPECT_TRUE(PixelsAre(Drawn(gkFlatBar, 10, 7), {
                                                     "..........",  //
                                                     "..........",  //
                                                     "..........",  //
                                                     ".xxxxxxxx.",  //
                                                     ".x......x.",  //
                                                     ".xxxxxxxx.",  //
                                                     "..........",  //
                                                 }));
}

TEST(ArrowMarks, FourRowsGrowingFromTheTip) {
  const TRect r{0, 0, 9, 9};  // centre (4, 4)
  EXPECT_EQ(ArrowMarkShape(r, adDown),
            (std::vector<TRect>{{1, 2, 8, 3}, {2, 3, 7, 4}, {3, 4, 6, 5}, {4, 5, 5, 6}}));
  EXPECT_EQ(ArrowMarkShape(r, adUp),
            (std::vector<TRect>{{4, 2, 5, 3}, {3, 3, 6, 4}, {2, 4, 7, 5}, {1, 5, 8, 6}}));
  EXPECT_EQ(ArrowMarkShape(r, adLeft),
            (std::vector<TRect>{{2, 4, 3, 5}, {3, 3, 4, 6}, {4, 2, 5, 7}, {5, 1, 6, 8}}));
  EXPECT_EQ(ArrowMarkShape(r, adRight),
            (std::vector<TRect>{{2, 1, 3, 8}, {3, 2, 4, 7}, {4, 3, 5, 6}, {5, 4, 6, 5}}));
  EXPECT_TRUE(ArrowMarkShape(r, 0).empty());
  EXPECT_TRUE(ArrowMarkShape(r, 5).empty());
}

TEST(ArrowMarks, DownTriangleIsFiveThreeOne) {
  QImage canvas(7, 5, QImage::Format_RGB32);
  canvas.fill(0);
  const QRgb c = test::GridColour('x');
  QPainter p(&canvas);
  DrawDownTriangle(p, {0, 0, 7, 5}, RGBColor(qRed(c), qGreen(c), qBlue(c)));
  p.end();
  EXPECT_TRUE(PixelsAre(canvas, {".......", ".xxxxx.", "..xxx..", "...x...", "......."}));
}

}  // namespace
}  // namespace lumora
