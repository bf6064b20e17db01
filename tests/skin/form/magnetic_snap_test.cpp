#include "skin/form/magnetic_snap.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(MagneticSnap, FourPixelsFromTheLeftEdgeSnapsAndHoldsUntilTheCursorMovesMoreThanFive) {
  TskMagneticSnap snap;
  const TRect area{0, 0, 1000, 800};
  snap.SetAnchor({300, 300});
  // Far from every edge: as proposed.
  EXPECT_EQ(snap.Adjust({100, 100}, 200, 100, area, {300, 300}, 5), (TPoint{100, 100}));
  // Four pixels from the left edge: onto it; the cursor is at x = 204.
  EXPECT_EQ(snap.Adjust({4, 100}, 200, 100, area, {204, 300}, 5), (TPoint{0, 100}));
  // Each proposal is the window's place moved by the cursor's step. Five
  // one-pixel steps: still held at the edge.
  int x = 0;
  for (int cursor = 205; cursor <= 209; ++cursor) {
    x = snap.Adjust({x + 1, 100}, 200, 100, area, {cursor, 300}, 5).x;
    EXPECT_EQ(x, 0) << cursor;
  }
  // The sixth: more than 5 from where it snapped, the window follows.
  x = snap.Adjust({x + 1, 100}, 200, 100, area, {210, 300}, 5).x;
  EXPECT_EQ(x, 6);
  x = snap.Adjust({x + 1, 100}, 200, 100, area, {211, 300}, 5).x;
  EXPECT_EQ(x, 7);
}

TEST(MagneticSnap, RightAndBottomEdgesSnapTheFarSide) {
  TskMagneticSnap snap;
  const TRect area{0, 0, 1000, 800};
  const TPoint p = snap.Adjust({797, 697}, 200, 100, area, {0, 0}, 5);
  EXPECT_EQ(p, (TPoint{800, 700}));
  snap.Clear();
  EXPECT_EQ(snap.Adjust({790, 690}, 200, 100, area, {0, 0}, 5), (TPoint{790, 690}));
}

}  // namespace
}  // namespace lumora
