#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QTest>

#include "builtin_skin_fixture.h"
#include "skin/draw/screen_routines.h"
#include "skin/form/hint_layout.h"
#include "skin/form/skin_hint.h"

namespace lumora {
namespace {

TskHintLook LookOf(test::BuiltinSkin& skin) {
  const TskDataSkinHintWindow& d = skin.Data().HintWindow();
  const QImage* picture = skin.Data().ActivePicture(d.WindowPictureIndex);
  return {true,      picture->width(), picture->height(), d.LTPoint,
          d.RTPoint, d.LBPoint,        d.RBPoint,         d.ClientRect};
}

TEST(HintGeometry, PlainHintIsTheTextFramedByThePicture) {
  test::BuiltinSkin skin;
  const TskHintLook look = LookOf(skin);
  const TRect& c = look.client;
  const TskHintGeometry g = PlainHintGeometry(look, 57, 15);
  EXPECT_EQ(g.width, 57 + c.Left + look.pictureWidth - c.Right + 5);
  EXPECT_EQ(g.height, 15 + c.Top + look.pictureHeight - c.Bottom);
  const int dx = g.width - look.pictureWidth, dy = g.height - look.pictureHeight;
  EXPECT_EQ(g.client, (TRect{c.Left, c.Top, c.Right + dx, c.Bottom + dy}));
  EXPECT_EQ(g.rb, (TPoint{look.rb.x + dx, look.rb.y + dy}));

  // A 44 x 44 picture with "clientrect" 2,2,42,42: text + 9 by text + 4.
  const TskHintLook square{true, 44, 44, {4, 4}, {40, 4}, {4, 40}, {40, 40}, {2, 2, 42, 42}};
  const TskHintGeometry s = PlainHintGeometry(square, 57, 15);
  EXPECT_EQ(s.width, 57 + 9);
  EXPECT_EQ(s.height, 15 + 4);
  // The default look: text + 4 both ways.
  const TskHintGeometry d = PlainHintGeometry(TskHintLook{}, 57, 15);
  EXPECT_EQ(d.width, 61);
  EXPECT_EQ(d.height, 19);
  EXPECT_EQ(d.client, (TRect{2, 2, 59, 17}));
}

TEST(HintGeometry, RightCornersNeverPassTheLeftOnes) {
  // Corner points far in: a short text would move RT left of LT.
  const TskHintLook look{true, 40, 30, {15, 10}, {25, 10}, {15, 20}, {25, 20}, {2, 2, 38, 28}};
  const TskHintGeometry g = PlainHintGeometry(look, 0, 0);
  // width = 0 + 2 + 40 - 38 + 5 = 9, dx = -31: RT.x - 31 = -6 < 15, grows by 21.
  EXPECT_EQ(g.width, 9 + 21);
  EXPECT_EQ(g.rt.x, g.lt.x);
  // height = 0 + 2 + 30 - 28 = 4, dy = -26: LB.y - 26 = -6 < 10, grows by 16.
  EXPECT_EQ(g.height, 4 + 16);
  EXPECT_EQ(g.lb.y, g.lt.y);
}

TEST(HintGeometry, TitleAndImageMakeRoomForThemselves) {
  TskHintParts parts;
  parts.textWidth = 50;
  parts.textHeight = 14;
  parts.titleWidth = 80;
  parts.titleHeight = 16;
  parts.imageWidth = 16;
  parts.imageHeight = 40;
  const TskHintGeometry d = ExtendedHintGeometry(TskHintLook{}, parts);
  // title: height 14 + 16 + 10 = 40, width max(50, 80) = 80; image: width
  // 80 + 16 + 10 = 106, height max(40, 40 + 16 + 5) = 61; default frame + 4.
  EXPECT_EQ(d.width, 110);
  EXPECT_EQ(d.height, 65);
  const TskHintLook square{true, 44, 44, {4, 4}, {40, 4}, {4, 40}, {40, 40}, {2, 2, 42, 42}};
  const TskHintGeometry s = ExtendedHintGeometry(square, parts);
  EXPECT_EQ(s.width, 106 + 10 + 2 + 2);
  EXPECT_EQ(s.height, 61 + 2 + 2);
}

TEST(HintPlacement, StaysInsideTheWorkArea) {
  const TRect area{0, 0, 400, 300};
  struct Row {
    const char* what;
    TPoint at;
    TRect expected;
  } rows[] = {
      {"fits at the point", {100, 100}, Bounds(100, 100, 60, 20)},
      {"passes the right edge: left of the point", {380, 100}, Bounds(380 - 62, 100, 60, 20)},
      {"passes the bottom: above the point", {100, 290}, Bounds(100, 290 - 22, 60, 20)},
      {"both", {390, 295}, Bounds(390 - 62, 295 - 22, 60, 20)},
  };
  for (const Row& row : rows) EXPECT_EQ(PlaceHint(row.at, 60, 20, area), row.expected) << row.what;
}

class SkinHintWindow : public ::testing::Test {
 protected:
  void SetUp() override { hint.SetSkinData(&skin.Data()); }
  test::BuiltinSkin skin;
  QWidget form;
  TskSkinHint hint{&form};
};

TEST_F(SkinHintWindow, TheLineSeparatorBreaksTheHintInTwoLines) {
  const TskHintGeometry one = hint.Window().GeometryFor(QStringLiteral("Close"));
  const TskHintGeometry two = hint.Window().GeometryFor(QStringLiteral("Close@the window"));
  EXPECT_GT(two.height, one.height);
  EXPECT_EQ(two.height - one.height, (two.client.Height() - one.client.Height()));
  EXPECT_EQ(hint.ShownText(QStringLiteral("a@b")), QStringLiteral("a\nb"));
  // The second line adds one line's height (the frame is what one line adds
  // to its text).
  const TskDataSkinHintWindow& d = skin.Data().HintWindow();
  const QImage* picture = skin.Data().ActivePicture(d.WindowPictureIndex);
  const int frame = d.ClientRect.Top + picture->height() - d.ClientRect.Bottom;
  EXPECT_EQ(two.height - one.height, one.height - frame);
}

TEST_F(SkinHintWindow, AtTheRightEdgeTheHintOpensLeftOfThePoint) {
  const TRect area = ScreenWorkArea();
  const TPoint at{area.Right - 3, area.Top + 40};
  hint.Window().ActivateHint(at, QStringLiteral("Minimize"));
  ASSERT_TRUE(hint.Window().isVisible());
  EXPECT_EQ(hint.Window().x(), at.x - hint.Window().width() - 2);
  EXPECT_EQ(hint.Window().y(), at.y);
  // Its corner is the hint picture's corner.
  const QImage* picture = skin.Data().ActivePicture(skin.Data().HintWindow().WindowPictureIndex);
  EXPECT_EQ(hint.Window().Canvas().pixel(0, 0) & 0xFFFFFF, picture->pixel(0, 0) & 0xFFFFFF);
  hint.CancelHint();
  EXPECT_FALSE(hint.Window().isVisible());
}

TEST_F(SkinHintWindow, RequestedHintShowsAfterThePauseAndCancelHidesIt) {
  hint.RequestHint(QStringLiteral("Roll Up"));
  EXPECT_FALSE(hint.Window().isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return hint.Window().isVisible(); }, 3000));
  hint.CancelHint();
  EXPECT_FALSE(hint.Window().isVisible());
}

TEST_F(SkinHintWindow, ToolTipsOfWidgetsShowInTheSkinnedWindowWithTheirTitle) {
  QWidget control(&form);
  control.setToolTip(QStringLiteral("Rewrites the text"));
  control.setProperty("HintTitle", QStringLiteral("伪原创"));
  QString seen;
  hint.OnShowHint = [&](QString& text, QWidget*) { seen = text; };
  QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), QPoint(50, 60));
  QCoreApplication::sendEvent(&control, &help);
  EXPECT_EQ(seen, QStringLiteral("Rewrites the text"));
  ASSERT_TRUE(hint.Window().isVisible());
  EXPECT_EQ(hint.Title, QStringLiteral("伪原创"));
  const TskHintGeometry plain = [&] {
    const QString title = hint.Title;
    hint.Title.clear();
    auto g = hint.Window().GeometryFor(QStringLiteral("Rewrites the text"));
    hint.Title = title;
    return g;
  }();
  EXPECT_GT(hint.Window().height(), plain.height);  // the title adds a line
  // An inactive hint leaves tool tips to the platform.
  hint.CancelHint();
  hint.SetActive(false);
  QCoreApplication::sendEvent(&control, &help);
  EXPECT_FALSE(hint.Window().isVisible());
}

}  // namespace
}  // namespace lumora
