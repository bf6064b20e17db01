#include "skin/form/frame_region.h"

#include <gtest/gtest.h>

#include "builtin_skin_fixture.h"

namespace lumora {
namespace {

// Where a window pixel of a frame strip comes from in the picture: corner
// parts are copied, the middle tiled from the strip's start.
int SourceAlong(int pos, int length, int first, int last, int pictureLength) {
  if (pos < first) return pos;
  if (pos >= length - (pictureLength - last)) return pos - (length - pictureLength);
  return first + pos % (last - first);
}

TEST(FrameRegion, BuiltinSkinRegionFollowsTheMaskAroundTheMaskArea) {
  test::BuiltinSkin skin;
  const TskFormInfo& info = skin.Info();
  const QImage& maskPicture = skin.Data().MaskPicture();
  ASSERT_FALSE(maskPicture.isNull());
  const int pw = maskPicture.width(), ph = maskPicture.height();
  const int w = pw + 415, h = ph + 555;
  const TskFrameGeometry g = ComputeFrameGeometry(info, pw, ph, w, h);
  const TskFrameMask mask(maskPicture, info, g);
  const QRegion region = mask.Region();
  const TRect& area = g.maskArea;
  int outside = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      bool expected;
      if (area.Contains({x, y})) {
        expected = true;
      } else if (y < area.Top || y >= area.Bottom) {
        // Top and bottom strips run the full width, split at the corner points.
        const bool top = y < area.Top;
        const int first = top ? info.LTPoint.x : info.LBPoint.x;
        const int last = top ? info.RTPoint.x : info.RBPoint.x;
        const int sy = top ? y : y - (h - ph);
        expected = test::MaskBlack(maskPicture, SourceAlong(x, w, first, last, pw), sy);
      } else {
        // Side strips: tiled between the corner points' y, counted from the
        // mask area's top.
        const bool left = x < area.Left;
        const int first = (left ? info.LTPoint.y : info.RTPoint.y) - info.MaskRectArea.Top;
        const int last = (left ? info.LBPoint.y : info.RBPoint.y) - info.MaskRectArea.Top;
        const int bandHeight = ph - info.MaskRectArea.Top - (ph - info.MaskRectArea.Bottom);
        const int stripHeight = h - area.Top - (ph - info.MaskRectArea.Bottom);
        const int sy =
            info.MaskRectArea.Top + SourceAlong(y - area.Top, stripHeight, first, last, bandHeight);
        const int sx = left ? x : x - (w - pw);
        expected = test::MaskBlack(maskPicture, sx, sy);
      }
      if (!expected) ++outside;
      ASSERT_EQ(region.contains(QPoint(x, y)), expected) << "at " << x << "," << y;
      ASSERT_EQ(mask.Inside({x, y}), expected) << "at " << x << "," << y;
    }
  }
  // The built-in mask cuts the frame's corners round.
  EXPECT_GT(outside, 0);
}

TEST(FrameRegion, WithoutMaskTheRegionIsTheWholeWindow) {
  TskFormInfo info;
  info.ClientRect = {2, 2, 8, 8};
  const TskFrameGeometry g = ComputeFrameGeometry(info, 10, 10, 50, 40);
  const TskFrameMask none(QImage(), info, g);
  EXPECT_FALSE(none.HasMask());
  EXPECT_EQ(none.Region(), QRegion(0, 0, 50, 40));
  EXPECT_TRUE(none.Inside({49, 39}));
  EXPECT_FALSE(none.Inside({50, 39}));
  EXPECT_TRUE(RectangularRegion(0, 5).isEmpty());
}

}  // namespace
}  // namespace lumora
