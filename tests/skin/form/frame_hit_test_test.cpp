#include "skin/form/frame_hit_test.h"

#include <gtest/gtest.h>

#include "builtin_skin_fixture.h"

namespace lumora {
namespace {

struct Row {
  const char* what;
  TPoint p;
  int code;
};

TEST(DefaultHitTest, ThreePixelFrameWithNineteenPixelCaption) {
  const int w = 300, h = 200;
  const TRect caption{20, 3, 229, kDefaultCaptionHeight};
  const TskHitTestState normal;
  const Row rows[] = {
      {"left sizing zone ends at x = 2", {2, 100}, HTLEFT},
      {"client starts at x = 3", {3, 100}, HTCLIENT},
      {"right zone starts at W - 2", {298, 100}, HTRIGHT},
      {"last client column", {296, 100}, HTCLIENT},
      {"top zone", {100, 2}, HTTOP},
      {"bottom zone", {100, 198}, HTBOTTOM},
      {"corners before edges", {1, 1}, HTTOPLEFT},
      {"top right", {299, 0}, HTTOPRIGHT},
      {"bottom left", {0, 199}, HTBOTTOMLEFT},
      {"bottom right", {298, 198}, HTBOTTOMRIGHT},
      {"caption", {100, 10}, HTCAPTION},
      {"band under the caption", {100, 20}, HTOBJECT},
      {"client starts at caption height + 3", {100, 22}, HTCLIENT},
      {"button area right of the caption", {250, 10}, HTOBJECT},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(DefaultHitTest(r.p, w, h, caption, kDefaultCaptionHeight, normal), r.code) << r.what;
  }
  TskHitTestState maximized;
  maximized.maximized = true;
  EXPECT_EQ(DefaultHitTest({2, 100}, w, h, caption, kDefaultCaptionHeight, maximized), HTOBJECT);
  EXPECT_EQ(DefaultHitTest({100, 10}, w, h, caption, kDefaultCaptionHeight, maximized), HTCAPTION);
  TskHitTestState hot;
  hot.hotObject = true;
  EXPECT_EQ(DefaultHitTest({2, 100}, w, h, caption, kDefaultCaptionHeight, hot), HTOBJECT);
}

// A 40 x 30 picture: client and mask area 5,10,35,25, corner points on the
// client's corners' inner side, border width 3.
TskFormInfo ProbeInfo() {
  TskFormInfo info;
  info.LTPoint = {10, 10};
  info.RTPoint = {30, 10};
  info.LBPoint = {10, 25};
  info.RBPoint = {30, 25};
  info.HitTestLTPoint = info.LTPoint;
  info.HitTestRTPoint = info.RTPoint;
  info.HitTestLBPoint = info.LBPoint;
  info.HitTestRBPoint = info.RBPoint;
  info.ClientRect = {5, 10, 35, 25};
  info.MaskRectArea = info.ClientRect;
  info.BorderWidth = 3;
  return info;
}

QImage BlackMaskWithWhiteLeftColumns(int columns) {
  QImage mask(40, 30, QImage::Format_RGB32);
  mask.fill(Qt::black);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < columns; ++x) mask.setPixel(x, y, qRgb(255, 255, 255));
  }
  return mask;
}

TEST(SkinnedHitTest, MaskProbesOnBlackPixelsAreNotASizingEdge) {
  const TskFormInfo info = ProbeInfo();
  const TskFrameGeometry g = ComputeFrameGeometry(info, 40, 30, 40, 30);
  const TskHitTestState s;
  // Every probe of (4, 15) lies on black: not an edge.
  const TskFrameMask allBlack(BlackMaskWithWhiteLeftColumns(0), info, g);
  EXPECT_EQ(SkinnedHitTest({4, 15}, g, 3, &allBlack, s), HTOBJECT);
  // With the two leftmost columns white the probe (1, 15) is outside.
  const TskFrameMask whiteEdge(BlackMaskWithWhiteLeftColumns(2), info, g);
  EXPECT_EQ(SkinnedHitTest({4, 15}, g, 3, &whiteEdge, s), HTLEFT);
  // Inside the mask area nothing is an edge, whatever the probes.
  EXPECT_EQ(SkinnedHitTest({5, 15}, g, 3, &whiteEdge, s), HTCLIENT);
  // Without a mask the window rectangle decides: (2, 15) probes x = -1.
  EXPECT_EQ(SkinnedHitTest({3, 15}, g, 3, nullptr, s), HTOBJECT);
  EXPECT_EQ(SkinnedHitTest({2, 15}, g, 3, nullptr, s), HTLEFT);
}

TEST(SkinnedHitTest, BuiltinSkinTable) {
  test::BuiltinSkin skin;
  const TskFormInfo& info = skin.Info();
  const int w = skin.PW() + 400, h = skin.PH() + 300;
  const TskFrameGeometry g = ComputeFrameGeometry(info, skin.PW(), skin.PH(), w, h);
  const TskFrameMask mask(skin.Data().MaskPicture(), info, g);
  TskHitTestState s;
  const TRect captionObject{g.caption.Left, g.caption.Top, g.caption.Right, g.caption.Bottom};
  s.captionObjects = {captionObject};
  const int mid = (g.client.Top + g.client.Bottom) / 2;
  const int cx = w / 2;
  const Row rows[] = {
      {"outermost left column", {0, mid}, HTLEFT},
      {"outermost right column", {w - 1, mid}, HTRIGHT},
      {"bottom row", {cx, h - 1}, HTBOTTOM},
      {"top row", {cx, 0}, HTTOP},
      {"top-left corner", {0, 0}, HTTOPLEFT},
      {"bottom-right corner", {w - 1, h - 1}, HTBOTTOMRIGHT},
      {"client", {cx, mid}, HTCLIENT},
      {"caption, away from the edges", {cx, g.caption.Top + g.caption.Height() / 2}, HTCAPTION},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(SkinnedHitTest(r.p, g, info.BorderWidth, &mask, s), r.code) << r.what;
  }
  TskHitTestState maximized = s;
  maximized.maximized = true;
  EXPECT_EQ(SkinnedHitTest({0, mid}, g, info.BorderWidth, &mask, maximized), HTOBJECT);
  TskHitTestState fixed = s;
  fixed.sizeable = false;
  EXPECT_EQ(SkinnedHitTest({cx, 0}, g, info.BorderWidth, &mask, fixed), HTOBJECT);
  TskHitTestState rolled = s;
  rolled.rolledUp = true;
  EXPECT_EQ(SkinnedHitTest({cx, 10}, g, info.BorderWidth, &mask, rolled), HTCAPTION);
  EXPECT_EQ(SkinnedHitTest({0, mid}, g, info.BorderWidth, &mask, rolled), HTOBJECT);
  // A hot button over the caption takes the point, rolled up or not.
  TskHitTestState hot = s;
  hot.hotObject = true;
  EXPECT_EQ(SkinnedHitTest({cx, 10}, g, info.BorderWidth, &mask, hot), HTOBJECT);
  hot.rolledUp = true;
  EXPECT_EQ(SkinnedHitTest({cx, 10}, g, info.BorderWidth, &mask, hot), HTOBJECT);
  // ...but not the client, nor during a move.
  hot.rolledUp = false;
  EXPECT_EQ(SkinnedHitTest({cx, mid}, g, info.BorderWidth, &mask, hot), HTCLIENT);
  hot.moveSizeLoop = true;
  EXPECT_EQ(SkinnedHitTest({cx, 10}, g, info.BorderWidth, &mask, hot), HTCAPTION);
}

TEST(HitCodes, SizingCodesMapToEdgesAndCursors) {
  EXPECT_EQ(HitCodeEdges(HTTOPLEFT), Qt::TopEdge | Qt::LeftEdge);
  EXPECT_EQ(HitCodeEdges(HTBOTTOMRIGHT), Qt::BottomEdge | Qt::RightEdge);
  EXPECT_EQ(HitCodeEdges(HTRIGHT), Qt::Edges(Qt::RightEdge));
  EXPECT_EQ(HitCodeEdges(HTCAPTION), Qt::Edges());
  EXPECT_TRUE(IsSizingCode(HTLEFT));
  EXPECT_TRUE(IsSizingCode(HTBOTTOMRIGHT));
  EXPECT_FALSE(IsSizingCode(HTOBJECT));
  EXPECT_EQ(HitCodeCursor(HTTOPRIGHT), Qt::SizeBDiagCursor);
  EXPECT_EQ(HitCodeCursor(HTCLIENT), Qt::ArrowCursor);
}

}  // namespace
}  // namespace lumora
