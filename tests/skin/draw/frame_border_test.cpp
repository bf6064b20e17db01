#include <gtest/gtest.h>

#include "look_fixture.h"
#include "skin/draw/nine_part.h"

namespace lumora {
namespace {

using test::LookPicture;
using test::LookSource;
using test::PixelsAre;

TskFrameBorderImages Strips(int w, int h, const TskNinePartStretch& stretch) {
  const TskNinePartSource s = LookSource();
  return BuildFrameBorderImages(LookPicture(), s, NinePartTargetForSize(s, w, h), stretch);
}

TEST(FrameBorderImages, TiledStripsStartAtTheStripStartAndGetTheirEndsCopiedOver) {
  const TskFrameBorderImages f = Strips(11, 9, TskNinePartStretch{});
  EXPECT_TRUE(PixelsAre(f.top, {"AA3123123BB"}));
  EXPECT_TRUE(PixelsAre(f.bottom, {"CC6456456DD"}));
  EXPECT_TRUE(PixelsAre(f.left, {"A", "8", "9", "7", "8", "9", "C"}));
  EXPECT_TRUE(PixelsAre(f.right, {"B", "@", "#", "!", "@", "#", "D"}));
}

TEST(FrameBorderImages, StretchedMiddleSpansTheCornerPoints) {
  const TskFrameBorderImages f = Strips(11, 9, TskNinePartStretch{true, true, false, false});
  EXPECT_TRUE(PixelsAre(f.top, {"AA1122233BB"}));
  EXPECT_TRUE(PixelsAre(f.left, {"A", "7", "7", "8", "9", "9", "C"}));
  EXPECT_TRUE(PixelsAre(f.bottom, {"CC6456456DD"}));  // its flag is off
}

TEST(FrameBorderImages, TilingVariantIgnoresDestinationPoints) {
  const TskFrameBorderImages f = BuildTiledFrameBorderImages(LookPicture(), LookSource(), 11, 9);
  EXPECT_TRUE(PixelsAre(f.top, {"AA3123123BB"}));
  EXPECT_TRUE(PixelsAre(f.right, {"B", "@", "#", "!", "@", "#", "D"}));
}

TEST(FrameBorderImages, FrameSmallerThanItsBordersGivesNullSideStrips) {
  const TskFrameBorderImages f = Strips(1, 2, TskNinePartStretch{});
  EXPECT_TRUE(f.left.isNull());
  EXPECT_TRUE(f.right.isNull());
  EXPECT_TRUE(PixelsAre(f.top, {"B"}));
  EXPECT_TRUE(PixelsAre(f.bottom, {"D"}));
}

TEST(StripFrame, FrameRectanglesDivideTheStripEvenly) {
  EXPECT_EQ(StripFrameRect(30, 8, 1, 3), (TRect{0, 0, 10, 8}));
  EXPECT_EQ(StripFrameRect(31, 8, 3, 3), (TRect{20, 0, 30, 8}));
  EXPECT_TRUE(StripFrameRect(30, 8, 0, 3).IsEmpty());
  EXPECT_TRUE(StripFrameRect(30, 8, 4, 3).IsEmpty());
  EXPECT_TRUE(StripFrameRect(30, 8, 1, 0).IsEmpty());
  EXPECT_TRUE(StripFrameRect(2, 8, 1, 3).IsEmpty());
}

TEST(StripFrame, DrawsTheFrameWithItsBottomLeftColourTransparent) {
  // Two 3 x 2 frames; the second frame's bottom-left colour is 'k'.
  const QImage strip = test::GridImage({"abcdke", "fghkkj"});
  QImage canvas = test::GridImage({"......", "......", "......"});
  {
    QPainter p(&canvas);
    DrawStripFrame(p, 1, 1, 2, 2, strip);
    DrawStripFrame(p, 0, 0, 3, 2, strip);  // no such frame
  }
  EXPECT_TRUE(PixelsAre(canvas, {"......", ".d.e..", "...j.."}));
}

TEST(StripFrame, TransparentPieceClearsOnlyTheKeyColour) {
  const QImage picture = test::GridImage({"abcd", "bbab", "cbdd"});
  const QImage piece = TransparentPiece(picture, {1, 0, 4, 3}, test::GridColour('b'));
  ASSERT_EQ(piece.size(), QSize(3, 3));
  const char* expected[] = {"-cd", "-a-", "-dd"};  // '-' cleared
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) {
      const char c = expected[y][x];
      EXPECT_EQ(piece.pixel(x, y), c == '-' ? 0u : test::GridColour(c)) << x << "," << y;
    }
  EXPECT_TRUE(TransparentPiece(picture, {2, 0, 2, 3}, 0).isNull());
}

}  // namespace
}  // namespace lumora
