#include "skin/form/frame_geometry.h"

#include <gtest/gtest.h>

#include "builtin_skin_fixture.h"
#include "skin/form/frame_layout.h"

namespace lumora {
namespace {

// A skin whose main picture is 285 x 210 with "clientrect" 3,26,282,207.
TskFormInfo SmallSkinInfo() {
  TskFormInfo info;
  info.LTPoint = {10, 26};
  info.RTPoint = {275, 26};
  info.LBPoint = {10, 207};
  info.RBPoint = {275, 207};
  info.ClientRect = {3, 26, 282, 207};
  info.CaptionRect = {3, 3, 282, 24};
  info.ButtonsRect = {200, 3, 282, 24};
  info.MaskRectArea = info.ClientRect;
  info.HitTestLTPoint = info.LTPoint;
  info.HitTestRTPoint = info.RTPoint;
  info.HitTestLBPoint = info.LBPoint;
  info.HitTestRBPoint = info.RBPoint;
  return info;
}

TEST(FrameGeometry, PointsOnTheRightAndBottomKeepTheirDistanceFromThoseEdges) {
  const TskFormInfo info = SmallSkinInfo();
  const TskFrameGeometry g = ComputeFrameGeometry(info, 285, 210, 600, 400);
  EXPECT_EQ(g.lt, (TPoint{10, 26}));
  EXPECT_EQ(g.rt, (TPoint{590, 26}));
  EXPECT_EQ(g.lb, (TPoint{10, 397}));
  EXPECT_EQ(g.rb, (TPoint{590, 397}));
  EXPECT_EQ(g.client, (TRect{3, 26, 597, 397}));
  EXPECT_EQ(g.caption, (TRect{3, 3, 597, 24}));
  // Left edge 200 lies right of half the picture: moved with the right edge.
  EXPECT_EQ(g.buttons, (TRect{515, 3, 597, 24}));
  EXPECT_EQ(g.hitRB, (TPoint{590, 397}));
  EXPECT_EQ(g.maskArea, (TRect{3, 26, 597, 397}));
}

TEST(FrameGeometry, ButtonsInTheLeftHalfStayAndEmptyCaptionStaysEmpty) {
  TskFormInfo info = SmallSkinInfo();
  info.ButtonsRect = {100, 3, 140, 24};
  info.CaptionRect = {};
  const TskFrameGeometry g = ComputeFrameGeometry(info, 285, 210, 600, 400);
  EXPECT_EQ(g.buttons, (TRect{100, 3, 140, 24}));
  EXPECT_TRUE(g.caption.IsEmpty());
}

TEST(FrameGeometry, SkinnedInsetsAndSizeLimitsOfA285By210Picture) {
  const TskFormInfo info = SmallSkinInfo();
  EXPECT_EQ(SkinnedInsets(info, 285, 210), (TskFrameInsets{3, 26, 3, 3}));
  TskSizeLimitInput in;
  in.skinned = true;
  in.pictureWidth = 285;
  in.pictureHeight = 210;
  in.clientRect = info.ClientRect;
  EXPECT_EQ(MinimumFrameHeight(in), 29);
  EXPECT_EQ(MinimumFrameWidth(in), 285);
  in.formMinWidth = 200;
  EXPECT_EQ(MinimumFrameWidth(in), 200);
  // MinWidth wider than the picture wins, except while minimized.
  in.minWidth = 300;
  EXPECT_EQ(MinimumFrameWidth(in), 300);
  in.minimized = true;
  EXPECT_EQ(MinimumFrameWidth(in), 200);
  // MinHeight above the frame height counts unless rolled up or minimized.
  in.minHeight = 100;
  EXPECT_EQ(MinimumFrameHeight(in), 29);
  in.minimized = false;
  EXPECT_EQ(MinimumFrameHeight(in), 100);
  in.rolledUp = true;
  EXPECT_EQ(MinimumFrameHeight(in), 29);
}

TEST(FrameGeometry, DefaultLookLimitsAndInsets) {
  EXPECT_EQ(DefaultInsets(kDefaultCaptionHeight), (TskFrameInsets{3, 22, 3, 3}));
  TskSizeLimitInput in;
  EXPECT_EQ(MinimumFrameWidth(in), 120);
  EXPECT_EQ(FrameHeight(in), 25);
  in.minWidth = 150;
  EXPECT_EQ(MinimumFrameWidth(in), 150);
  in.captionHeight = kDefaultToolCaptionHeight;
  EXPECT_EQ(FrameHeight(in), 21);
}

TEST(FrameGeometry, MaximumSizeIsTheAreaCappedByTheLimits) {
  const TRect area{0, 0, 1280, 1000};
  EXPECT_EQ(MaximumFrameSize(area, 0, 0), (TPoint{1280, 1000}));
  EXPECT_EQ(MaximumFrameSize(area, 800, 0), (TPoint{800, 1000}));
  EXPECT_EQ(MaximumFrameSize(area, 2000, 600), (TPoint{1280, 600}));
}

TEST(FrameGeometry, BuiltinSkinFrameAroundTheMainWindowClient) {
  test::BuiltinSkin skin;
  const TskFormInfo& info = skin.Info();
  const TskFrameInsets in = SkinnedInsets(info, skin.PW(), skin.PH());
  EXPECT_EQ(in.left, info.ClientRect.Left);
  EXPECT_EQ(in.top, info.ClientRect.Top);
  const int w = 707 + in.left + in.right, h = 640 + in.top + in.bottom;
  const TskFrameGeometry g = ComputeFrameGeometry(info, skin.PW(), skin.PH(), w, h);
  EXPECT_EQ(g.client.Width(), 707);
  EXPECT_EQ(g.client.Height(), 640);
}

// Layout ----------------------------------------------------------------

TskLayoutItem Item(TskLayoutKind kind, TRect skinRect, bool own, TskFrameCommand c = cmDefault) {
  TskLayoutItem it;
  it.kind = kind;
  it.skinRect = skinRect;
  it.inOwnPicture = own;
  it.command = c;
  return it;
}

TEST(FrameLayout, CornerZonesMoveOrStretchMainPictureObjects) {
  const TskFormInfo info = SmallSkinInfo();
  const TskFrameGeometry g = ComputeFrameGeometry(info, 285, 210, 600, 400);
  std::vector<TskLayoutItem> items = {
      // wholly in the top-right zone: keeps its distance from the right
      Item(TskLayoutKind::Button, {277, 5, 283, 20}, false),
      // from the top-left to the top-right zone: grows with the window
      Item(TskLayoutKind::Caption, {3, 3, 282, 24}, false),
      // top-left only: stays
      Item(TskLayoutKind::Other, {2, 2, 8, 8}, false),
      // bottom-left to bottom-right: widens and moves down
      Item(TskLayoutKind::Other, {5, 208, 280, 210}, false),
      // top-right to bottom-right: moves right and grows down
      Item(TskLayoutKind::Other, {283, 10, 285, 209}, false),
      // nowhere in particular: unchanged
      Item(TskLayoutKind::Other, {100, 100, 120, 120}, false),
  };
  LayoutSkinnedObjects(items, info, g);
  EXPECT_EQ(items[0].objectRect, (TRect{592, 5, 598, 20}));
  EXPECT_EQ(600 - items[0].objectRect.Right, 285 - 283);
  EXPECT_EQ(items[1].objectRect, (TRect{3, 3, 597, 24}));
  EXPECT_EQ(items[2].objectRect, (TRect{2, 2, 8, 8}));
  EXPECT_EQ(items[3].objectRect, (TRect{5, 398, 595, 400}));
  EXPECT_EQ(items[4].objectRect, (TRect{598, 10, 600, 399}));
  EXPECT_EQ(items[5].objectRect, (TRect{100, 100, 120, 120}));
}

TEST(FrameLayout, OwnPictureButtonsRowFromTheRightAndSystemMenuAtTheCaptionLeft) {
  TskFormInfo info = SmallSkinInfo();
  info.ButtonsOffset = 2;
  const TskFrameGeometry g = ComputeFrameGeometry(info, 285, 210, 600, 400);
  std::vector<TskLayoutItem> items = {
      Item(TskLayoutKind::Button, {0, 0, 20, 18}, true, cmMinimize),
      Item(TskLayoutKind::Button, {0, 0, 16, 16}, true, cmSysMenu),
      Item(TskLayoutKind::Button, {0, 0, 20, 18}, true, cmClose),
      Item(TskLayoutKind::Button, {0, 0, 10, 18}, true, cmDefault),
      Item(TskLayoutKind::Button, {0, 0, 20, 18}, true, cmMaximize),
      Item(TskLayoutKind::Caption, {3, 3, 282, 24}, false),
  };
  items[4].visible = false;  // a hidden maximize button leaves no gap
  LayoutSkinnedObjects(items, info, g);
  EXPECT_EQ(items[2].objectRect, (TRect{577, 3, 597, 21}));  // close first
  EXPECT_EQ(items[0].objectRect, (TRect{555, 3, 575, 21}));
  EXPECT_EQ(items[3].objectRect, (TRect{543, 3, 553, 21}));  // custom last
  // Centred in the 21-pixel caption: (21 - 16) / 2 = 2.
  EXPECT_EQ(items[1].objectRect, (TRect{3, 5, 19, 21}));
  EXPECT_EQ(items[5].objectRect.Left, 19);
  EXPECT_EQ(items[5].objectRect.Right, 597);  // buttons rectangle given
}

TEST(FrameLayout, WithoutButtonsRectTheCaptionEndsBeforeTheRow) {
  TskFormInfo info = SmallSkinInfo();
  info.ButtonsRect = {};
  const TskFrameGeometry g = ComputeFrameGeometry(info, 285, 210, 600, 400);
  std::vector<TskLayoutItem> items = {
      Item(TskLayoutKind::Button, {0, 0, 20, 18}, true, cmClose),
      Item(TskLayoutKind::Caption, {3, 3, 282, 24}, false),
  };
  LayoutSkinnedObjects(items, info, g);
  EXPECT_EQ(items[0].objectRect, (TRect{577, 3, 597, 21}));
  EXPECT_EQ(items[1].objectRect.Right, 577);
}

TEST(FrameLayout, ButtonsInLeftRunRightwardsAndTheCaptionFollows) {
  TskFormInfo info = SmallSkinInfo();
  info.ButtonsRect = {};
  info.ButtonsInLeft = true;
  info.ButtonsOffset = 1;
  const TskFrameGeometry g = ComputeFrameGeometry(info, 285, 210, 600, 400);
  std::vector<TskLayoutItem> items = {
      Item(TskLayoutKind::Button, {0, 0, 16, 16}, true, cmSysMenu),
      Item(TskLayoutKind::Button, {0, 0, 20, 18}, true, cmClose),
      Item(TskLayoutKind::Caption, {3, 3, 282, 24}, false),
  };
  LayoutSkinnedObjects(items, info, g);
  EXPECT_EQ(items[1].objectRect, (TRect{3, 3, 23, 21}));
  EXPECT_EQ(items[0].objectRect, (TRect{24, 3, 40, 19}));  // after the row
  EXPECT_EQ(items[2].objectRect.Left, 42);
}

TEST(FrameLayout, BuiltinSkinCaptionButtonsKeepTheirDistanceFromTheRightEdge) {
  test::BuiltinSkin skin;
  const TskFormInfo& info = skin.Info();
  std::vector<TskLayoutItem> items;
  for (const auto& obj : skin.Data().Objects()) {
    auto* b = dynamic_cast<const TskDataSkinStdButton*>(obj.get());
    if (b && std::string(b->ClassName()) == "TskDataSkinStdButton") {
      items.push_back(Item(TskLayoutKind::Button, b->SkinRect, b->SkinRectInAPicture, b->Command));
    }
  }
  ASSERT_EQ(items.size(), 4u);  // close, maximize, minimize, system menu
  const int w1 = skin.PW() + 100, w2 = skin.PW() + 400;
  auto rights = [&](int w) {
    std::vector<TskLayoutItem> copy = items;
    LayoutSkinnedObjects(copy, info, ComputeFrameGeometry(info, skin.PW(), skin.PH(), w, 300));
    std::vector<int> d;
    for (const auto& it : copy)
      d.push_back(it.command == cmSysMenu ? it.objectRect.Left : w - it.objectRect.Right);
    return d;
  };
  EXPECT_EQ(rights(w1), rights(w2));
  EXPECT_EQ(rights(w1).back(), info.CaptionRect.Left);
}

TEST(FrameLayout, DefaultButtonsAreSeventeenPixelSquaresAtTopFourFromTheRight) {
  std::vector<TskLayoutItem> items = {
      Item(TskLayoutKind::Button, {0, 0, 1, 1}, true, cmClose),
      Item(TskLayoutKind::Button, {0, 0, 1, 1}, true, cmMaximize),
      Item(TskLayoutKind::Button, {0, 0, 1, 1}, true, cmMinimize),
      Item(TskLayoutKind::Button, {0, 0, 1, 1}, true, cmRollUp),
      Item(TskLayoutKind::Button, {0, 0, 1, 1}, true, cmSysMenu),
  };
  const TRect caption = LayoutDefaultObjects(items, 300, kDefaultCaptionHeight, false);
  EXPECT_EQ(items[0].objectRect, (TRect{280, 4, 297, 21}));
  EXPECT_EQ(items[1].objectRect, (TRect{263, 4, 280, 21}));
  EXPECT_EQ(items[2].objectRect, (TRect{246, 4, 263, 21}));
  EXPECT_EQ(items[3].objectRect, (TRect{229, 4, 246, 21}));
  EXPECT_EQ(items[4].objectRect, (TRect{3, 4, 20, 21}));
  EXPECT_EQ(caption, (TRect{20, 3, 229, 19}));
  // Tool windows: 13-pixel squares.
  const TRect tool = LayoutDefaultObjects(items, 300, kDefaultToolCaptionHeight, true);
  EXPECT_EQ(items[0].objectRect, (TRect{284, 4, 297, 17}));
  EXPECT_EQ(tool.Right, 297 - 4 * 13);
}

}  // namespace
}  // namespace lumora
