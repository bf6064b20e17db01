#include "skin/draw/mask_region.h"

#include <gtest/gtest.h>

#include "look_fixture.h"

namespace lumora {
namespace {

using test::GridImage;

// In masks '.' is black (inside) and 'w' anything else.
std::vector<TRect> Runs(const test::Grid& g, int ox = 0, int oy = 0,
                        QImage::Format f = QImage::Format_RGB32) {
  return MaskRuns(GridImage(g, f), ox, oy);
}

// The region holds exactly the pixels that are '.' in the grid placed at (ox, oy).
::testing::AssertionResult RegionIsGrid(const QRegion& region, const test::Grid& g, int ox,
                                        int oy) {
  int inside = 0;
  for (int y = 0; y < static_cast<int>(g.size()); ++y) {
    for (int x = 0; x < static_cast<int>(g[y].size()); ++x) {
      const bool want = g[y][x] == '.';
      inside += want;
      if (region.contains(QPoint(x + ox, y + oy)) != want) {
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") should be " << (want ? "inside" : "outside");
      }
    }
  }
  int area = 0;
  for (const QRect& r : region) area += r.width() * r.height();
  if (area != inside) {
    return ::testing::AssertionFailure() << "region covers " << area << " pixels, not " << inside;
  }
  return ::testing::AssertionSuccess();
}

TEST(MaskRuns, TwoBlackOneWhiteOneBlackGivesRunsOfTwoAndOne) {
  EXPECT_EQ(Runs({"..w."}), (std::vector<TRect>{{0, 0, 2, 1}, {3, 0, 4, 1}}));
}

TEST(MaskRuns, RunsAreMovedByTheOffsetAndEndAtTheRowEnd) {
  EXPECT_EQ(Runs({"w..", "...", "www"}, 10, 20),
            (std::vector<TRect>{{11, 20, 13, 21}, {10, 21, 13, 22}}));
}

TEST(MaskRuns, OnlyPureBlackCounts) {
  QImage mask(3, 1, QImage::Format_RGB32);
  mask.setPixel(0, 0, qRgb(0, 0, 1));
  mask.setPixel(1, 0, qRgb(0, 0, 0));
  mask.setPixel(2, 0, qRgb(1, 0, 0));
  EXPECT_EQ(MaskRuns(mask, 0, 0), (std::vector<TRect>{{1, 0, 2, 1}}));
}

TEST(MaskRuns, TwentyFourBitAndPalettedMasksScanAlike) {
  const test::Grid g = {".w.w", "w..w"};
  const std::vector<TRect> expected = Runs(g);
  EXPECT_EQ(Runs(g, 0, 0, QImage::Format_BGR888), expected);
  EXPECT_EQ(Runs(g, 0, 0, QImage::Format_RGB888), expected);
  EXPECT_EQ(Runs(g, 0, 0, QImage::Format_Indexed8), expected);
}

TEST(MaskRegion, EmptyMaskGivesNoRegionAndAWhiteMaskAnEmptyOne) {
  EXPECT_FALSE(RegionFromMaskBitmap(QImage(), 0, 0).has_value());
  const std::optional<QRegion> white = RegionFromMaskBitmap(GridImage({"ww", "ww"}), 0, 0);
  ASSERT_TRUE(white.has_value());
  EXPECT_TRUE(white->isEmpty());
}

TEST(MaskRegion, HoldsExactlyTheBlackPixels) {
  const test::Grid g = {
      "w....w",  //
      "......",  //
      "......",  //
      "..ww..",  //
      "w....w",  //
  };
  const std::optional<QRegion> r = RegionFromMaskBitmap(GridImage(g), 3, 4);
  ASSERT_TRUE(r.has_value());
  EXPECT_TRUE(RegionIsGrid(*r, g, 3, 4));
  // Equal rows are merged into one band.
  EXPECT_EQ(r->rectCount(), 5);
}

TEST(MaskRegion, MoreThanTenThousandRunsAreAllKept) {
  test::Grid g(100, std::string(250, 'w'));
  for (int y = 0; y < 100; ++y) {
    for (int x = (y % 2); x < 250; x += 2) g[y][x] = '.';
  }
  const QImage mask = GridImage(g);
  EXPECT_EQ(MaskRuns(mask, 0, 0).size(), 12500u);
  const std::optional<QRegion> r = RegionFromMaskBitmap(mask, 0, 0);
  ASSERT_TRUE(r.has_value());
  EXPECT_TRUE(RegionIsGrid(*r, g, 0, 0));
}

TEST(NinePartMaskRegion, UnitesTheClientWithTheBlackPixelsOfTheTiledStrips) {
  // Rounded corners: the outer corner pixels are white (outside).
  const test::Grid look = {
      "w.....w",  //
      ".......",  //
      ".......",  //
      ".......",  //
      ".......",  //
      ".......",  //
      "w.....w",  //
  };
  const TskNinePartSource s = test::LookSource();
  const QImage mask = test::GridImageAt(look, 10, 10, test::kLookX, test::kLookY);
  const std::optional<QRegion> r = RegionFromNinePartMask(mask, s, NinePartTargetForSize(s, 9, 8));
  ASSERT_TRUE(r.has_value());
  EXPECT_TRUE(RegionIsGrid(*r,
                           {
                               "w.......w",  //
                               ".........",  //
                               ".........",  //
                               ".........",  //
                               ".........",  //
                               ".........",  //
                               ".........",  //
                               "w.......w",  //
                           },
                           0, 0));
}

TEST(NinePartMaskRegion, EmptyClientStillKeepsTheBorderStrips) {
  TskNinePartSource s = test::LookSource();
  s.lt = {1, 1};  // corner points on the client's corners
  s.rt = {6, 1};
  s.lb = {1, 6};
  s.rb = {6, 6};
  const QImage mask = test::GridImageAt(
      {"w.....w", ".......", ".......", ".......", ".......", ".......", "w.....w"}, 10, 10,
      test::kLookX, test::kLookY);
  // 2 x 9: the client is 0 wide, the side strips remain.
  const std::optional<QRegion> r = RegionFromNinePartMask(mask, s, NinePartTargetForSize(s, 2, 9));
  ASSERT_TRUE(r.has_value());
  EXPECT_TRUE(r->contains(QPoint(0, 4)));
  EXPECT_TRUE(r->contains(QPoint(1, 4)));
  EXPECT_FALSE(r->contains(QPoint(0, 0)));
}

TEST(NinePartMaskRegion, TargetWithCrossedCornerPointsGivesNoRegion) {
  const TskNinePartSource s = test::LookSource();
  TskNinePartTarget t = NinePartTargetForSize(s, 9, 8);
  t.rb.x = t.lb.x - 1;
  EXPECT_FALSE(RegionFromNinePartMask(test::LookPicture(), s, t).has_value());
  t = NinePartTargetForSize(s, 9, 8);
  t.rb.y = t.rt.y - 1;
  EXPECT_FALSE(RegionFromNinePartMask(test::LookPicture(), s, t).has_value());
}

}  // namespace
}  // namespace lumora
