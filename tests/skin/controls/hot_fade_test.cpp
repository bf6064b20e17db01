// The cross-fade's steps between the normal and the hot look.
#include "skin/controls/hot_fade.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumora {
namespace {

std::vector<double> StepsUntilStopped(TskHotFade& fade, bool lit) {
  std::vector<double> seen;
  fade.Start();
  for (int i = 0; i < 20 && fade.Running(); ++i) {
    fade.Step(lit);
    seen.push_back(fade.Progress());
  }
  return seen;
}

TEST(HotFade, FiveStepsEachWayThenItStops) {
  TskHotFade fade([] {});
  const std::vector<double> up = StepsUntilStopped(fade, true);
  ASSERT_EQ(up.size(), 5u);
  EXPECT_DOUBLE_EQ(up[0], 0.2);
  EXPECT_DOUBLE_EQ(up[2], 0.6);
  EXPECT_EQ(up.back(), 1.0);
  EXPECT_FALSE(fade.Running());
  EXPECT_FALSE(fade.Blending());
  const std::vector<double> down = StepsUntilStopped(fade, false);
  EXPECT_GE(down.size(), 5u);
  EXPECT_LE(down.size(), 6u);  // 1 - 5 x 0.2 may leave a rounding crumb
  EXPECT_EQ(down.back(), 0.0);
  EXPECT_FALSE(fade.Running());
}

TEST(HotFade, TurningBackMidwayAndJumps) {
  TskHotFade fade([] {});
  fade.Start();
  fade.Step(true);
  fade.Step(true);
  EXPECT_TRUE(fade.Blending());
  fade.Step(false);
  EXPECT_NEAR(fade.Progress(), 0.2, 1e-9);
  EXPECT_TRUE(fade.Running());
  fade.Finish(true);
  EXPECT_EQ(fade.Progress(), 1.0);
  EXPECT_FALSE(fade.Running());
  fade.Start();
  fade.Jump(0);
  EXPECT_EQ(fade.Progress(), 0.0);
  EXPECT_FALSE(fade.Running());
}

}  // namespace
}  // namespace lumora
