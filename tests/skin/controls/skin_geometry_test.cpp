#include "skin/controls/skin_geometry.h"

#include <gtest/gtest.h>

#include "control_skin.h"
#include "skin/draw/rect_routines.h"

namespace lumora {
namespace {

TskControlFrame FrameOf(TRect skin, TPoint lt, TPoint rt, TPoint lb, TPoint rb, TRect client) {
  TskControlFrame f;
  f.SkinRect = skin;
  f.LTPoint = lt;
  f.RTPoint = rt;
  f.LBPoint = lb;
  f.RBPoint = rb;
  f.ClientRect = client;
  f.SizingMode = SizingModeOf(skin, rt, lb, rb);
  return f;
}

TEST(SizingMode, FollowsTheFirstMatchingRule) {
  struct Row {
    TRect skin;
    TPoint rt, lb, rb;
    TskSizingMode mode;
  } rows[] = {
      {{0, 0, 0, 10}, {5, 0}, {0, 5}, {5, 5}, smNone},         // empty skin rectangle wins
      {{0, 0, 10, 10}, {0, 0}, {0, 0}, {5, 5}, smNinePart},    // both coordinates of rb
      {{0, 0, 10, 10}, {5, 0}, {0, 5}, {5, 0}, smHorizontal},  // rb half set: rt decides
      {{0, 0, 10, 10}, {0, 0}, {0, 5}, {0, 0}, smVertical},
      {{0, 0, 10, 10}, {0, 0}, {0, 0}, {0, 0}, smFixed},
  };
  for (const Row& r : rows)
    EXPECT_EQ(SizingModeOf(r.skin, r.rt, r.lb, r.rb), r.mode) << r.skin.Right << " " << r.rb.x;
}

TEST(CalcSkinSize, NinePartFollowsBothAxesAndMovesTheFarPoints) {
  TskControlFrame f = FrameOf({10, 10, 30, 26}, {3, 4}, {17, 4}, {3, 12}, {17, 12}, {2, 3, 18, 14});
  int w = 37, h = 9;  // odd, and lower than the skin
  CalcSkinSize(f, w, h);
  EXPECT_EQ(w, 37);
  EXPECT_EQ(h, 9);
  EXPECT_EQ(f.NewLTPoint, (TPoint{3, 4}));
  EXPECT_EQ(f.NewRTPoint, (TPoint{17 + 17, 4}));
  EXPECT_EQ(f.NewLBPoint, (TPoint{3, 12 - 7}));
  EXPECT_EQ(f.NewRBPoint, (TPoint{34, 5}));
  EXPECT_EQ(f.NewClRect, (TRect{2, 3, 18 + 17, 14 - 7}));
}

TEST(CalcSkinSize, HorizontalKeepsTheSkinHeightVerticalTheSkinWidthFixedBoth) {
  TskControlFrame h = FrameOf({0, 0, 70, 22}, {5, 0}, {65, 0}, {}, {}, {4, 2, 66, 20});
  int w = 201, ht = 50;
  CalcSkinSize(h, w, ht);
  EXPECT_EQ(w, 201);
  EXPECT_EQ(ht, 22);
  EXPECT_EQ(h.NewClRect, (TRect{4, 2, 66 + 131, 20}));

  TskControlFrame v = FrameOf({0, 0, 14, 60}, {}, {}, {0, 45}, {}, {0, 14, 14, 46});
  w = 19;
  ht = 265;
  CalcSkinSize(v, w, ht);
  EXPECT_EQ(w, 14);
  EXPECT_EQ(ht, 265);
  EXPECT_EQ(v.NewLBPoint, (TPoint{0, 45 + 205}));
  EXPECT_EQ(v.NewClRect, (TRect{0, 14, 14, 46 + 205}));

  TskControlFrame fixed = FrameOf({3, 4, 16, 11}, {}, {}, {}, {}, {1, 1, 12, 6});
  w = 1;
  ht = 1;
  CalcSkinSize(fixed, w, ht);
  EXPECT_EQ(w, 13);
  EXPECT_EQ(ht, 7);

  TskControlFrame none = FrameOf({}, {}, {5, 0}, {}, {}, {});
  w = 33;
  ht = 17;
  CalcSkinSize(none, w, ht);
  EXPECT_EQ(w, 33);
  EXPECT_EQ(ht, 17);
}

TEST(MapSkinRect, NinePartMovesByTheCornerZones) {
  // 40 x 30 skin: corners LT (0,0)-(10,8), RT (30,0)-(40,8), LB (0,22)-(10,30),
  // RB (30,22)-(40,30); the control is 20 wider and 10 higher.
  const TskControlFrame f = FrameOf({0, 0, 40, 30}, {10, 8}, {30, 8}, {10, 22}, {30, 22}, {});
  struct Row {
    TRect in, out;
    const char* what;
  } rows[] = {
      {{1, 1, 9, 7}, {1, 1, 9, 7}, "inside LT stays"},
      {{31, 1, 39, 7}, {51, 1, 59, 7}, "inside RT moves right"},
      {{1, 23, 9, 29}, {1, 33, 9, 39}, "inside LB moves down"},
      {{31, 23, 39, 29}, {51, 33, 59, 39}, "inside RB moves both ways"},
      {{2, 1, 38, 7}, {2, 1, 58, 7}, "LT to RT grows right"},
      {{2, 2, 38, 28}, {2, 2, 58, 38}, "LT to RB grows both ways"},
      {{2, 23, 38, 29}, {2, 33, 58, 39}, "LB to RB grows right and moves down"},
      {{2, 2, 8, 28}, {2, 2, 8, 38}, "LT to LB grows down"},
      {{32, 2, 38, 28}, {52, 2, 58, 38}, "RT to RB moves right and grows down"},
      {{12, 12, 20, 20}, {12, 12, 20, 20}, "the middle stays"},
  };
  for (const Row& r : rows) EXPECT_EQ(MapSkinRect(f, r.in, 60, 40), r.out) << r.what;
}

TEST(MapSkinRect, ThreePartGrowsWhatSpansAndMovesWhatLiesBeyond) {
  const TskControlFrame h = FrameOf({0, 0, 70, 22}, {5, 0}, {65, 0}, {}, {}, {});
  EXPECT_EQ(MapSkinRect(h, {2, 1, 67, 20}, 100, 22), (TRect{2, 1, 97, 20}));
  EXPECT_EQ(MapSkinRect(h, {66, 1, 69, 20}, 100, 22), (TRect{96, 1, 99, 20}));
  EXPECT_EQ(MapSkinRect(h, {10, 1, 20, 20}, 100, 22), (TRect{10, 1, 20, 20}));
  const TskControlFrame v = FrameOf({0, 0, 14, 60}, {0, 14}, {}, {0, 45}, {}, {});
  EXPECT_EQ(MapSkinRect(v, {0, 10, 14, 50}, 14, 100), (TRect{0, 10, 14, 90}));
  EXPECT_EQ(MapSkinRect(v, {0, 46, 14, 58}, 14, 100), (TRect{0, 86, 14, 98}));
}

TEST(BuiltinSkinGeometry, ButtonIsHorizontalAtItsOwnHeight) {
  auto skin = test::BuiltinSkin();
  const auto* button = test::FindSkinControl<TskDataSkinButtonControl>(skin->data, "button");
  ASSERT_NE(button, nullptr);
  TskControlFrame f = ReadControlFrame(skin->data, *button);
  EXPECT_EQ(f.SizingMode, smHorizontal);
  int w = 200, h = 50;
  CalcSkinSize(f, w, h);
  EXPECT_EQ(h, RectHeight(button->SkinRect));
  EXPECT_EQ(w, 200);
  const QImage image = BuildFrameImage(f, f.SkinRect, w, h);
  ASSERT_EQ(image.size(), QSize(200, h));
  const QImage* picture = skin->data.ActivePicture(button->PictureIndex);
  // The right end is the skin's right end, moved to the new right edge.
  EXPECT_EQ(image.pixel(199, h / 2),
            picture->pixel(button->SkinRect.Right - 1, button->SkinRect.Top + h / 2));
  EXPECT_EQ(image.pixel(0, h / 2),
            picture->pixel(button->SkinRect.Left, button->SkinRect.Top + h / 2));
}

TEST(BuiltinSkinGeometry, ModesOfTheMainWindowLooks) {
  auto skin = test::BuiltinSkin();
  struct Row {
    const char* name;
    TskSizingMode mode;
  } rows[] = {{"button", smHorizontal},    {"edit", smHorizontal},     {"checkbox", smHorizontal},
              {"statusbar", smHorizontal}, {"vscrollbar", smVertical}, {"panel", smNinePart},
              {"groupbox", smNinePart}};
  for (const Row& r : rows) {
    const TskDataSkinControl* data = test::FindSkinControl(skin->data, r.name);
    ASSERT_NE(data, nullptr) << r.name;
    EXPECT_EQ(ReadControlFrame(skin->data, *data).SizingMode, r.mode) << r.name;
  }
}

TEST(ReadControlFrame, AnotherClassGivesNoPictureAndLeavesTheSizeAlone) {
  auto skin = test::BuiltinSkin();
  const TskDataSkinControl* label = test::FindSkinControl(skin->data, "stdlabel");
  ASSERT_NE(label, nullptr);
  TskControlFrame f = ReadControlFrame(skin->data, *label);
  EXPECT_EQ(f.Picture, nullptr);
  int w = 60, h = 13;
  CalcSkinSize(f, w, h);
  EXPECT_EQ(w, 60);
  EXPECT_EQ(h, 13);
}

}  // namespace
}  // namespace lumora
