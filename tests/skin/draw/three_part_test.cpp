#include <gtest/gtest.h>

#include "skin/draw/nine_part.h"
#include "support/pixel_grid.h"

namespace lumora {
namespace {

using test::Grid;
using test::PixelsAre;

// Left part AB, middle cde, right part FG, at x 1 of the picture, two rows.
const Grid kBar = {"zABcdeFGz", "zHIjklMNz"};
constexpr TRect kBarRect{1, 0, 8, 2};

QImage Horz(int newWidth, bool stretch, const Grid& picture = kBar, TRect rect = kBarRect) {
  QImage out;
  DrawThreePartHorz(test::GridImage(picture), rect, 2, 2, stretch, newWidth, out);
  return out;
}

Grid Transposed(const Grid& g) {
  Grid t(g[0].size(), std::string(g.size(), ' '));
  for (size_t y = 0; y < g.size(); ++y) {
    for (size_t x = 0; x < g[y].size(); ++x) t[x][y] = g[y][x];
  }
  return t;
}

TEST(ThreePartHorz, TilesTheMiddleAndCutsTheLastTile) {
  EXPECT_TRUE(PixelsAre(Horz(11, false), {"ABcdecdecFG", "HIjkljkljMN"}));
}

TEST(ThreePartHorz, StretchesTheMiddle) {
  EXPECT_TRUE(PixelsAre(Horz(9, true), {"ABccdeeFG", "HIjjkllMN"}));
}

TEST(ThreePartHorz, WidthBelowBothEndsDrawsOnlyTheEnds) {
  EXPECT_TRUE(PixelsAre(Horz(3, false), {"AFG", "HMN"}));
  EXPECT_TRUE(PixelsAre(Horz(3, true), {"AFG", "HMN"}));
  EXPECT_TRUE(PixelsAre(Horz(1, false), {"G", "N"}));
}

TEST(ThreePartHorz, EmptyMiddleRepeatsOneColumn) {
  EXPECT_TRUE(PixelsAre(Horz(7, false, {"ABFG"}, {0, 0, 4, 1}), {"ABFFFFG"}));
}

TEST(ThreePartHorz, EndsOfZeroWidthLeaveTheWholeLookAsMiddle) {
  QImage out;
  DrawThreePartHorz(test::GridImage(kBar), kBarRect, 0, 0, false, 10, out);
  EXPECT_TRUE(PixelsAre(out, {"ABcdeFGABc", "HIjklMNHIj"}));
}

TEST(ThreePartHorz, EndsWiderThanTheLookLeaveOutTheMiddle) {
  QImage out;
  DrawThreePartHorz(test::GridImage(kBar), {1, 0, 4, 2}, 2, 2, false, 6, out);
  EXPECT_TRUE(PixelsAre(out, {"AB..Bc", "HI..Ij"}));
}

TEST(ThreePartVert, WorksAlongTheVerticalAxis) {
  QImage out;
  DrawThreePartVert(test::GridImage(Transposed(kBar)), {0, 1, 2, 8}, 2, 2, false, 11, out);
  EXPECT_TRUE(PixelsAre(out, Transposed({"ABcdecdecFG", "HIjkljkljMN"})));
  DrawThreePartVert(test::GridImage(Transposed(kBar)), {0, 1, 2, 8}, 2, 2, true, 9, out);
  EXPECT_TRUE(PixelsAre(out, Transposed({"ABccdeeFG", "HIjjkllMN"})));
}

}  // namespace
}  // namespace lumora
