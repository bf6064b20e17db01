#include "skin/draw/nine_part.h"

#include <gtest/gtest.h>

#include "look_fixture.h"

namespace lumora {
namespace {

using test::Grid;
using test::PixelsAre;

using test::kLook;
using test::LookPicture;
using test::LookSource;

QImage Build(int w, int h, const TskNinePartStretch& stretch, bool drawCentre = true) {
  const TskNinePartSource s = LookSource();
  QImage out;
  DrawNinePartImage(LookPicture(), s, NinePartTargetForSize(s, w, h), stretch, drawCentre, out);
  return out;
}

TEST(NinePartTarget, RightAndBottomPositionsKeepTheirDistanceToTheEdges) {
  const TskNinePartTarget t = NinePartTargetForSize(LookSource(), 11, 9);
  EXPECT_EQ(t.lt, (TPoint{2, 2}));
  EXPECT_EQ(t.rt, (TPoint{9, 2}));
  EXPECT_EQ(t.lb, (TPoint{2, 7}));
  EXPECT_EQ(t.rb, (TPoint{9, 7}));
  EXPECT_EQ(t.client, (TRect{1, 1, 10, 8}));
}

TEST(NinePartPlan, TopEdgeOfTenPixelsTiledAcrossTwentyFiveIsCutAtTheEnd) {
  TskNinePartSource s;
  s.skinRect = Bounds(0, 0, 14, 10);
  s.client = {2, 2, 12, 8};
  s.lt = {2, 2};
  s.rt = {12, 2};
  s.lb = {2, 8};
  s.rb = {12, 8};
  const TskNinePartTarget t = NinePartTargetForSize(s, 29, 10);
  const TskImagePlan plan = PlanNinePartImage(s, t, TskNinePartStretch{}, false);
  ASSERT_GE(plan.size(), 3u);
  EXPECT_EQ(plan[0], (TskImagePiece{{2, 0, 12, 2}, {2, 0, 12, 2}}));
  EXPECT_EQ(plan[1], (TskImagePiece{{2, 0, 12, 2}, {12, 0, 22, 2}}));
  EXPECT_EQ(plan[2], (TskImagePiece{{2, 0, 7, 2}, {22, 0, 27, 2}}));
}

TEST(NinePartPlan, CornersAreCopiedAtTheirOwnSize) {
  const TskNinePartSource s = LookSource();
  const TskNinePartTarget t = NinePartTargetForSize(s, 11, 9);
  const TskImagePlan plan =
      PlanNinePartImage(s, t, TskNinePartStretch{true, true, true, true}, false);
  // Four stretched edges, then the eight corner pieces.
  ASSERT_EQ(plan.size(), 12u);
  const TskImagePlan corners(plan.begin() + 4, plan.end());
  const TskImagePlan expected = {
      {{1, 2, 3, 3}, {0, 0, 2, 1}},   {{1, 3, 2, 4}, {0, 1, 1, 2}},   {{6, 2, 8, 3}, {9, 0, 11, 1}},
      {{7, 3, 8, 4}, {10, 1, 11, 2}}, {{1, 7, 2, 9}, {0, 7, 1, 9}},   {{2, 8, 3, 9}, {1, 8, 2, 9}},
      {{6, 8, 8, 9}, {9, 8, 11, 9}},  {{7, 7, 8, 8}, {10, 7, 11, 8}},
  };
  EXPECT_EQ(corners, expected);
}

TEST(NinePartPlan, StretchedCentreRepeatsAlongTheOtherDirection) {
  const TskNinePartSource s = LookSource();
  const TskNinePartTarget t = NinePartTargetForSize(s, 14, 9);  // client 12 x 7
  TskNinePartStretch st{true, true, true, true, true, stHorz};
  TskImagePlan plan = PlanNinePartImage(s, t, st, true);
  TskImagePlan centre(plan.begin() + 12, plan.end());
  // Source client 5 wide: tiles at 1, 6, 11 (cut to 2), each stretched to 7 rows.
  EXPECT_EQ(centre, (TskImagePlan{{{2, 3, 7, 8}, {1, 1, 6, 8}},
                                  {{2, 3, 7, 8}, {6, 1, 11, 8}},
                                  {{2, 3, 4, 8}, {11, 1, 13, 8}}}));
  st.type = stVert;
  plan = PlanNinePartImage(s, t, st, true);
  centre.assign(plan.begin() + 12, plan.end());
  EXPECT_EQ(centre, (TskImagePlan{{{2, 3, 7, 8}, {1, 1, 13, 6}}, {{2, 3, 7, 5}, {1, 6, 13, 8}}}));
  st.type = stFull;
  plan = PlanNinePartImage(s, t, st, true);
  centre.assign(plan.begin() + 12, plan.end());
  EXPECT_EQ(centre, (TskImagePlan{{{2, 3, 7, 8}, {1, 1, 13, 8}}}));
}

TEST(NinePartImage, TilesEdgesAndCentreAndCutsThemAtTheEnds) {
  EXPECT_TRUE(PixelsAre(Build(11, 9, TskNinePartStretch{}), {
                                                                "AA1231231BB",  //
                                                                "AabcdeabcdB",  //
                                                                "7fghijfghi!",  //
                                                                "8klmnoklmn@",  //
                                                                "9pqrstpqrs#",  //
                                                                "7uvwxyuvwx!",  //
                                                                "8abcdeabcd@",  //
                                                                "CfghijfghiD",  //
                                                                "CC4564564DD",  //
                                                            }));
}

TEST(NinePartImage, StretchesEdgesAndCentreByNearestPixel) {
  TskNinePartStretch st{true, true, true, true, true, stFull};
  // Edges 3 -> 7 and 3 -> 5 pixels, client 5 x 5 -> 9 x 7.
  EXPECT_TRUE(PixelsAre(Build(11, 9, st), {
                                              "AA1122233BB",  //
                                              "AaabbcddeeB",  //
                                              "7ffgghiijj!",  //
                                              "7ffgghiijj!",  //
                                              "8kkllmnnoo@",  //
                                              "9ppqqrsstt#",  //
                                              "9ppqqrsstt#",  //
                                              "CuuvvwxxyyD",  //
                                              "CC4455566DD",  //
                                          }));
}

TEST(NinePartImage, LeavesTheCentreBlankWithoutTheDrawCentreFlag) {
  EXPECT_TRUE(PixelsAre(Build(8, 7, TskNinePartStretch{}, false), {
                                                                      "AA1231BB",  //
                                                                      "A......B",  //
                                                                      "7......!",  //
                                                                      "8......@",  //
                                                                      "9......#",  //
                                                                      "C......D",  //
                                                                      "CC4564DD",  //
                                                                  }));
}

TEST(NinePartImage, TargetSmallerThanItsMarginsKeepsTheCornersThatFit) {
  // Corner pieces overlap; later ones cover earlier ones, the centre is last.
  EXPECT_TRUE(PixelsAre(Build(3, 3, TskNinePartStretch{}), {"ABB", "CaD", "CDD"}));
  EXPECT_TRUE(PixelsAre(Build(1, 1, TskNinePartStretch{}), {"D"}));
}

TEST(NinePartImage, OddSizeKeepsTheSourceOrderOfPieces) {
  EXPECT_TRUE(PixelsAre(Build(7, 7, TskNinePartStretch{}), kLook));
}

TEST(NinePartImage, DegenerateSourceGivesABlankImageOfTheRequestedSize) {
  TskNinePartSource s = LookSource();
  s.rb.x = s.lt.x;
  QImage out;
  DrawNinePartImage(LookPicture(), s, NinePartTargetForSize(s, 4, 3), TskNinePartStretch{}, true,
                    out);
  EXPECT_TRUE(PixelsAre(out, {"....", "....", "...."}));
}

TEST(NinePartImage, SkinRectangleReachingOutsideThePictureReadsOnlyInside) {
  TskNinePartSource s = LookSource();
  s.skinRect = s.skinRect.Offset(8, 7);  // only its top-left pixel is on the picture
  QImage out;
  DrawNinePartImage(LookPicture(), s, NinePartTargetForSize(s, 9, 9), TskNinePartStretch{}, true,
                    out);
  ASSERT_EQ(out.size(), QSize(9, 9));
  EXPECT_EQ(out.pixel(0, 0) & 0xFFFFFF, test::GridColour('z') & 0xFFFFFF);
  EXPECT_EQ(out.pixel(1, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(out.pixel(8, 8) & 0xFFFFFF, 0u);
}

}  // namespace
}  // namespace lumora
