#include "skin/draw/rect_routines.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "skin/draw/screen_routines.h"

namespace lumora {
namespace {

TEST(RectRoutines, InclusivePointTestTakesTheRightAndBottomEdges) {
  const TRect r{2, 3, 10, 20};
  EXPECT_TRUE(PointInRectInclusive({10, 20}, r));
  EXPECT_TRUE(PointInRectInclusive({2, 3}, r));
  EXPECT_FALSE(PointInRectInclusive({11, 20}, r));
  EXPECT_FALSE(PointInRectInclusive({10, 21}, r));
  EXPECT_FALSE(PointInRectInclusive({1, 5}, r));
  EXPECT_FALSE(r.Contains({10, 20}));
}

TEST(RectRoutines, NullTests) {
  EXPECT_TRUE(IsNullRect({5, 5, 5, 9}));
  EXPECT_TRUE(IsNullRect({5, 5, 9, 4}));
  EXPECT_FALSE(IsNullRect({5, 5, 6, 6}));
  EXPECT_TRUE(IsNullPoint({0, 7}));
  EXPECT_TRUE(IsNullPoint({7, 0}));
  EXPECT_FALSE(IsNullPoint({-1, 1}));
}

TEST(RectRoutines, QtConversionKeepsRightAndBottomExclusive) {
  const QRect q = ToQRect({2, 3, 10, 20});
  EXPECT_EQ(q, QRect(2, 3, 8, 17));
  EXPECT_EQ(q.right(), 9);
  EXPECT_EQ(FromQRect(q), (TRect{2, 3, 10, 20}));
  EXPECT_TRUE(ToQRect({4, 4, 4, 9}).isEmpty());
}

TEST(ScreenAreas, WorkAreaIsTheScreensAvailableGeometry) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  const QRect avail = screen->availableGeometry();
  const TRect work = ScreenWorkArea();
  EXPECT_EQ(work.Width(), avail.width());
  EXPECT_EQ(work.Bottom, avail.y() + avail.height());
  EXPECT_EQ(WindowWorkArea(nullptr), work);
  EXPECT_EQ(WorkAreaAt({work.Left, work.Top}), work);
  EXPECT_EQ(ScreenFullArea().Width(), screen->geometry().width());
}

TEST(ScreenAreas, WindowAlphaIsClampedToOpacity) {
  QWindow window;
  SetWindowAlpha(&window, 128);
  EXPECT_NEAR(window.opacity(), 128 / 255.0, 1e-9);
  SetWindowAlpha(&window, 300);
  EXPECT_DOUBLE_EQ(window.opacity(), 1.0);
  SetWindowAlpha(&window, -4);
  EXPECT_DOUBLE_EQ(window.opacity(), 0.0);
  SetWindowAlpha(nullptr, 10);
}

}  // namespace
}  // namespace lumora
