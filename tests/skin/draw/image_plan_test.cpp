#include "skin/draw/image_plan.h"

#include <gtest/gtest.h>

#include "support/pixel_grid.h"

namespace lumora {
namespace {

using test::GridImage;
using test::PixelsAre;

TEST(ImageTiling, SpanThatIsAMultipleOfTheTileAddsNoEmptyTile) {
  TskImagePlan plan;
  AppendTilesHorz(plan, {0, 0, 10, 2}, 5, 25, 0, 2);
  EXPECT_EQ(plan, (TskImagePlan{{{0, 0, 10, 2}, {5, 0, 15, 2}}, {{0, 0, 10, 2}, {15, 0, 25, 2}}}));
}

TEST(ImageTiling, NegativeSpanOrZeroLengthTileAddsNothing) {
  TskImagePlan plan;
  AppendTilesHorz(plan, {0, 0, 10, 2}, 20, 15, 0, 2);
  AppendTilesVert(plan, {0, 0, 2, 10}, 20, 15, 0, 2);
  AppendTilesHorz(plan, {3, 0, 3, 2}, 0, 15, 0, 2);
  AppendTiles(plan, {0, 0, 0, 4}, {0, 0, 9, 9});
  EXPECT_TRUE(plan.empty());
}

TEST(ImageTiling, AreaTilesAreCutAtTheRightAndBottom) {
  TskImagePlan plan;
  AppendTiles(plan, {1, 1, 3, 4}, {0, 0, 3, 5});
  EXPECT_EQ(plan, (TskImagePlan{{{1, 1, 3, 4}, {0, 0, 2, 3}},
                                {{1, 1, 2, 4}, {2, 0, 3, 3}},
                                {{1, 1, 3, 3}, {0, 3, 2, 5}},
                                {{1, 1, 2, 3}, {2, 3, 3, 5}}}));
}

TEST(ImagePainting, StretchSamplesTheSourcePixelUnderEachCentre) {
  const QImage src = GridImage({"abcd"});
  QImage dst = NewImageFor(src, 7, 1);
  PaintImagePlan(src, {{{0, 0, 2, 1}, {0, 0, 5, 1}}, {{0, 0, 4, 1}, {5, 0, 7, 1}}}, dst);
  EXPECT_TRUE(PixelsAre(dst, {"aabbbbd"}));
}

TEST(ImagePainting, StretchesInBothDirectionsIn24BitImages) {
  const QImage src = GridImage({"ab", "cd"}, QImage::Format_RGB888);
  QImage dst = NewImageFor(src, 3, 3);
  ASSERT_EQ(dst.format(), QImage::Format_RGB888);
  PaintImagePlan(src, {{{0, 0, 2, 2}, {0, 0, 3, 3}}}, dst);
  EXPECT_TRUE(PixelsAre(dst, {"abb", "cdd", "cdd"}));
}

TEST(ImagePainting, PiecesAreClippedToBothImages) {
  const QImage src = GridImage({"abc", "def"});
  QImage dst = NewImageFor(src, 3, 2);
  PaintImagePlan(src,
                 {
                     {{1, 0, 3, 2}, {-1, 0, 1, 2}},   // copy, left part off the destination
                     {{2, -1, 4, 1}, {1, 0, 3, 2}},   // copy, partly off the source
                     {{-5, 0, -1, 2}, {2, 0, 3, 2}},  // stretch, wholly off the source
                     {{0, 0, 3, 2}, {2, 1, 9, 7}},    // stretch, mostly off the destination
                 },
                 dst);
  EXPECT_TRUE(PixelsAre(dst, {"c..", "fca"}));
}

TEST(ImagePainting, OtherFormatsWorkInThirtyTwoBits) {
  const QImage src = GridImage({"ab"}).convertToFormat(QImage::Format_RGB16);
  QImage dst = NewImageFor(src, 2, 1);
  EXPECT_EQ(dst.format(), QImage::Format_RGB32);
  EXPECT_TRUE(NewImageFor(src, 0, 5).isNull());
  PaintImagePlan(src, {{{0, 0, 2, 1}, {0, 0, 2, 1}}}, dst);
  EXPECT_EQ(dst.pixel(0, 0), src.pixel(0, 0));
  EXPECT_EQ(dst.pixel(1, 0), src.pixel(1, 0));
}

}  // namespace
}  // namespace lumora
