#include "skin/controls/skin_scroll_bar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include "control_skin.h"
#include "skin/data/control_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/rect_routines.h"

namespace lumora {
namespace {

using test::Shot;

QPoint Centre(const TRect& r) {
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

class SkinScrollBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.resize(300, 300);
    bar_ = new TskSkinScrollBar(&form_);
    bar_->setGeometry(10, 10, 200, 19);
    bar_->OnChange = [this] { ++changes_; };
  }
  void Show() {
    form_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
  }
  void UseBuiltinSkin(TScrollBarKind kind, int w, int h) {
    skin_ = test::BuiltinSkin();
    bar_->SetKind(kind);
    bar_->SetSkinDataName(kind == sbVertical ? "vscrollbar" : "hscrollbar");
    bar_->setGeometry(10, 10, w, h);
    bar_->SetSkinData(&skin_->data);
    data_ = test::FindSkinControl<TskDataSkinScrollBarControl>(
        skin_->data, kind == sbVertical ? "vscrollbar" : "hscrollbar");
    ASSERT_NE(data_, nullptr);
  }
  QPoint PartCentre(TskScrollPart part) { return Centre(bar_->Parts().Part[part]); }
  const QImage& Picture() { return *skin_->data.ActivePicture(data_->PictureIndex); }

  QWidget form_;
  TskSkinScrollBar* bar_ = nullptr;
  int changes_ = 0;
  std::unique_ptr<test::LoadedSkin> skin_;
  const TskDataSkinScrollBarControl* data_ = nullptr;
};

TEST_F(SkinScrollBarTest, HeldArrowStepsOnceThenAfterDelayThenQuickly) {
  Show();
  QElapsedTimer clock;
  clock.start();
  QTest::mousePress(bar_, Qt::LeftButton, {}, PartCentre(spIncrease));
  EXPECT_EQ(bar_->Position(), 1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar_->Position() >= 2; }, 3000));
  EXPECT_GE(clock.elapsed(), TskSkinScrollBar::kFirstRepeatDelay - 20);
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar_->Position() >= 5; }, 3000));
  // Three more steps at the repeat interval. Counted from the press: a busy
  // machine may deliver a late step and the next one early to catch up, but
  // never the whole run sooner than the delays add up to.
  EXPECT_GE(clock.elapsed(),
            TskSkinScrollBar::kFirstRepeatDelay + 3 * TskSkinScrollBar::kRepeatInterval - 20);
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, PartCentre(spIncrease));
  EXPECT_FALSE(bar_->Repeating());
  EXPECT_EQ(changes_, bar_->Position());
}

TEST_F(SkinScrollBarTest, MovingOffTheArrowPausesAndBackResumes) {
  Show();
  bar_->SetPosition(50);
  QTest::mousePress(bar_, Qt::LeftButton, {}, PartCentre(spDecrease));
  EXPECT_EQ(bar_->Position(), 49);
  EXPECT_TRUE(bar_->Repeating());
  QTest::mouseMove(bar_, QPoint(100, 9));
  EXPECT_FALSE(bar_->Repeating());
  EXPECT_EQ(bar_->HotPart(), spNone);
  QTest::mouseMove(bar_, PartCentre(spDecrease));
  EXPECT_TRUE(bar_->Repeating());
  EXPECT_EQ(bar_->HotPart(), spDecrease);
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar_->Position() <= 47; }, 3000));
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, PartCentre(spDecrease));
  const int stopped = bar_->Position();
  QTest::qWait(120);
  EXPECT_EQ(bar_->Position(), stopped);
}

TEST_F(SkinScrollBarTest, TrackPagingStopsWhenTheThumbReachesThePointer) {
  Show();
  bar_->SetLargeChange(10);
  int pageDowns = 0;
  bar_->OnPageDown = [&] { ++pageDowns; };
  const QPoint target(150, 9);
  QTest::mousePress(bar_, Qt::LeftButton, {}, target);
  EXPECT_EQ(bar_->Position(), 10);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !bar_->Repeating(); }, 5000));
  const TRect thumb = bar_->Parts().Part[spThumb];
  EXPECT_LT(target.x(), thumb.Right);
  EXPECT_LT(bar_->Position(), 100);
  EXPECT_EQ(pageDowns, bar_->Position() / 10);
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, target);
}

TEST_F(SkinScrollBarTest, DraggingTheThumbSetsThePositionAndEndsWithLastChange) {
  Show();
  int last = 0;
  bar_->OnLastChange = [&] { ++last; };
  const QPoint start = PartCentre(spThumb);
  QTest::mousePress(bar_, Qt::LeftButton, {}, start);
  EXPECT_TRUE(bar_->Dragging());
  // The thumb centre travels 150 pixels for 0..100.
  QTest::mouseMove(bar_, start + QPoint(75, 0));
  EXPECT_EQ(bar_->Position(), 50);
  QTest::mouseMove(bar_, start + QPoint(500, 30));
  EXPECT_EQ(bar_->Position(), 100);
  EXPECT_EQ(last, 0);
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, start + QPoint(500, 30));
  EXPECT_FALSE(bar_->Dragging());
  EXPECT_EQ(last, 1);
}

TEST_F(SkinScrollBarTest, AssignedArrowHandlerReplacesTheStep) {
  Show();
  int ups = 0, downs = 0;
  bar_->OnUpButtonClick = [&] { ++ups; };
  bar_->OnDownButtonClick = [&] { ++downs; };
  bar_->SetPosition(5);
  changes_ = 0;
  QTest::mouseClick(bar_, Qt::LeftButton, {}, PartCentre(spIncrease));
  QTest::mouseClick(bar_, Qt::LeftButton, {}, PartCentre(spDecrease));
  EXPECT_EQ(bar_->Position(), 5);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(changes_, 0);
}

TEST_F(SkinScrollBarTest, RangeAllFiresNoChangeAndSetterFiresOnce) {
  bar_->SetRangeAll(0, 16, 15, 9);
  EXPECT_EQ(bar_->Position(), 2);
  EXPECT_EQ(changes_, 0);
  bar_->SetPosition(2);
  EXPECT_EQ(changes_, 0);
  bar_->SetPosition(0);
  EXPECT_EQ(changes_, 1);
}

TEST_F(SkinScrollBarTest, KeysAndWheelOnlyWhenFocusable) {
  Show();
  QApplication::setActiveWindow(&form_);
  bar_->setFocus();
  QTest::keyClick(bar_, Qt::Key_Right);
  EXPECT_EQ(bar_->Position(), 0);
  bar_->SetCanFocused(true);
  bar_->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar_->hasFocus(); }));
  QTest::keyClick(bar_, Qt::Key_Right);
  QTest::keyClick(bar_, Qt::Key_Down);
  QTest::keyClick(bar_, Qt::Key_Left);
  EXPECT_EQ(bar_->Position(), 1);
}

TEST_F(SkinScrollBarTest, UnskinnedDisabledBarDrawsNoThumb) {
  Show();
  bar_->SetPosition(50);
  const QRgb shadow = ToQColor(SystemColour(scBtnShadow)).rgb();
  const QRect thumb = QRect(ToQRect(bar_->Parts().Part[spThumb]));
  EXPECT_GT(test::CountColour(Shot(*bar_), shadow, thumb), 0);
  bar_->setEnabled(false);
  EXPECT_EQ(test::CountColour(Shot(*bar_), shadow, thumb), 0);
}

TEST_F(SkinScrollBarTest, UnskinnedArrowLooksFollowHotAndPressed) {
  Show();
  const QPoint arrow = PartCentre(spIncrease);
  const QPoint corner =
      QPoint(bar_->Parts().Part[spIncrease].Left + 2, bar_->Parts().Part[spIncrease].Top + 2);
  EXPECT_EQ(Shot(*bar_).pixel(corner), ToQColor(SystemColour(scBtnFace)).rgb());
  QTest::mouseMove(bar_, arrow);
  EXPECT_EQ(Shot(*bar_).pixel(corner), test::Rgb(13811126));
  QTest::mousePress(bar_, Qt::LeftButton, {}, arrow);
  EXPECT_EQ(Shot(*bar_).pixel(corner), test::Rgb(11899781));
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, arrow);
}

TEST_F(SkinScrollBarTest, SkinnedVerticalBarTakesTheSkinWidth) {
  UseBuiltinSkin(sbVertical, 19, 265);
  EXPECT_EQ(bar_->width(), data_->SkinRect.Width());
  EXPECT_EQ(bar_->height(), 265);
}

TEST_F(SkinScrollBarTest, SkinnedArrowsShowTheirHotAndPressedLooks) {
  UseBuiltinSkin(sbVertical, 19, 200);
  Show();
  const TRect inc = bar_->Parts().Part[spIncrease];
  const QPoint at = Centre(inc);
  const QPoint local = at - QPoint(inc.Left, inc.Top);
  auto source = [&](const TRect& r) { return Picture().pixel(QPoint(r.Left, r.Top) + local); };
  QTest::mouseMove(bar_, at);
  EXPECT_EQ(Shot(*bar_).pixel(at), source(data_->ActiveUpButtonRect));
  QTest::mousePress(bar_, Qt::LeftButton, {}, at);
  EXPECT_EQ(Shot(*bar_).pixel(at), source(data_->DownUpButtonRect));
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, at);
  QTest::mouseMove(bar_, QPoint(7, 100));
  // Back to the picture of the skin rectangle itself.
  const TRect normal = data_->UpButtonRect.Offset(data_->SkinRect.Left, data_->SkinRect.Top);
  EXPECT_EQ(Shot(*bar_).pixel(at), source(normal));
}

TEST_F(SkinScrollBarTest, SkinnedThumbShowsEachLookAndNoneWhenDisabled) {
  UseBuiltinSkin(sbVertical, 19, 200);
  Show();
  bar_->SetPosition(40);
  const TRect thumb = bar_->Parts().Part[spThumb];
  // A pixel of the thumb's fixed top end, copied unscaled.
  const QPoint at(thumb.Left + thumb.Width() / 2, thumb.Top + 2);
  const QPoint local = at - QPoint(thumb.Left, thumb.Top);
  auto source = [&](const TRect& r) { return Picture().pixel(QPoint(r.Left, r.Top) + local); };
  ASSERT_NE(source(data_->ThumbRect), source(data_->ActiveThumbRect));
  ASSERT_NE(source(data_->ActiveThumbRect), source(data_->DownThumbRect));
  EXPECT_EQ(Shot(*bar_).pixel(at), source(data_->ThumbRect));
  QTest::mouseMove(bar_, at);
  EXPECT_EQ(Shot(*bar_).pixel(at), source(data_->ActiveThumbRect));
  QTest::mousePress(bar_, Qt::LeftButton, {}, at);
  EXPECT_EQ(Shot(*bar_).pixel(at), source(data_->DownThumbRect));
  QTest::mouseRelease(bar_, Qt::LeftButton, {}, at);
  bar_->setEnabled(false);
  EXPECT_NE(Shot(*bar_).pixel(at), source(data_->ThumbRect));
}

}  // namespace
}  // namespace lumora
