#include "skin/controls/skin_button.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include "control_skin.h"
#include "skin/draw/colour.h"

namespace lumora {
namespace {

using test::GridImage;
using test::PixelsAre;
using test::Shot;

// Five looks of 6 x 3, stacked: normal, hot, pressed, focused, disabled.
// Each has its own end colours and middle, so one pixel tells the look.
const test::Grid kPicture = {
    "AAnnBB", "AAnnBB", "AAnnBB",  //
    "CChhDD", "CChhDD", "CChhDD",  //
    "EEddFF", "EEddFF", "EEddFF",  //
    "GGffHH", "GGffHH", "GGffHH",  //
    "IIxxJJ", "IIxxJJ", "IIxxJJ",  //
};

std::string Sections(bool morph) {
  return std::string(
             "[SKINCONTROLS]\ncount=2\n0=button:button\n1=plain:button\n"
             "[button]\npictureindex=0\nskinrect=0,0,6,3\nactiveskinrect=0,3,6,6\n"
             "downskinrect=0,6,6,9\nfocusedskinrect=0,9,6,12\ndisabledskinrect=0,12,6,15\n"
             "lefttoppoint=2,0\nrighttoppoint=4,0\nclientrect=2,0,4,3\n"
             "fontcolor=255\nactivefontcolor=65280\ndownfontcolor=16711680\n"
             "disabledfontcolor=65535\nmorphing=") +
         (morph ? "1" : "0") +
         "\n"
         "[plain]\npictureindex=0\nskinrect=0,0,6,3\nlefttoppoint=2,0\nrighttoppoint=4,0\n"
         "clientrect=0,0,6,3\nfontcolor=255\ndisabledfontcolor=255\n";
}

// A shown, active window holding the buttons under test.
class SkinButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = test::MakeSkin(GridImage(kPicture), Sections(false));
    form_.resize(200, 100);
  }
  TskSkinButton* Add(int x = 0, const char* name = "button") {
    auto* b = new TskSkinButton(&form_);
    b->SetSkinDataName(name);
    b->SetSkinData(&skin_->data);
    b->move(x, 10);
    b->resize(9, 3);
    b->OnClick = [this, b] { clicks_.push_back(b); };
    return b;
  }
  void Show() {
    form_.show();
    QApplication::setActiveWindow(&form_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
  }
  int ClicksOf(TskSkinButton* b) const {
    return static_cast<int>(std::count(clicks_.begin(), clicks_.end(), b));
  }
  char LookOf(TskSkinButton* b) {
    const QImage shot = Shot(*b);
    return static_cast<char>(qRed(shot.pixel(0, 0)));
  }

  std::unique_ptr<test::LoadedSkin> skin_;
  QWidget form_;
  std::vector<TskSkinButton*> clicks_;
};

TEST_F(SkinButtonTest, EachStateShowsItsLook) {
  TskSkinButton* b = Add();
  TskSkinButton* other = Add(50);
  Show();
  other->setFocus();
  EXPECT_TRUE(PixelsAre(Shot(*b), {"AAnnnnnBB", "AAnnnnnBB", "AAnnnnnBB"}));
  QTest::mouseMove(b, QPoint(4, 1));
  EXPECT_EQ(LookOf(b), 'C');
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_EQ(LookOf(b), 'E');
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(4, 1));
  QTest::mouseMove(&form_, QPoint(150, 80));
  EXPECT_EQ(LookOf(b), 'G');  // the press took the focus
  b->setEnabled(false);
  EXPECT_EQ(LookOf(b), 'I');
}

TEST_F(SkinButtonTest, AReleaseOutsideClearsThePressAndClicksNothing) {
  TskSkinButton* b = Add();
  Show();
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_TRUE(b->Down());
  QTest::mouseMove(b, QPoint(40, 40));
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(40, 40));
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(ClicksOf(b), 0);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_EQ(ClicksOf(b), 1);
}

TEST_F(SkinButtonTest, ADisabledButtonTakesNoPress) {
  TskSkinButton* b = Add();
  Show();
  b->setEnabled(false);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(ClicksOf(b), 0);
}

TEST_F(SkinButtonTest, LosingTheFocusReleasesAPress) {
  TskSkinButton* b = Add();
  QLineEdit edit(&form_);
  Show();
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(4, 1));
  ASSERT_TRUE(b->Down());
  edit.setFocus();
  EXPECT_FALSE(b->Down());
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_EQ(ClicksOf(b), 0);
}

// The focus leaves a focused button while the widget is being destroyed;
// the sanitizer build sees a handler that still runs on the half-gone button.
TEST_F(SkinButtonTest, DestroyingTheFocusedButtonRunsNothingOfIt) {
  TskSkinButton* b = Add();
  TskSkinButton* other = Add(50);
  Show();
  b->setFocus();
  ASSERT_TRUE(b->hasFocus());
  delete b;
  other->setFocus();
  EXPECT_TRUE(other->hasFocus());
  QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_EQ(ClicksOf(other), 1);
}

TEST_F(SkinButtonTest, RepeatModeClicksAfterTheFirstDelayAndThenEveryInterval) {
  TskSkinButton* b = Add();
  b->SetRepeatMode(true);
  b->SetRepeatInterval(100);
  Show();
  QElapsedTimer held;
  held.start();
  qint64 first = -1;
  b->OnClick = [&] {
    clicks_.push_back(b);
    if (first < 0) first = held.elapsed();
  };
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(4, 1));
  ASSERT_TRUE(QTest::qWaitFor([&] { return ClicksOf(b) >= 3; }, 5000));
  // 500 ms to the first tick, one interval to the first click (timers may run a
  // little early, never by half an interval).
  EXPECT_GE(first, 550);
  // Leaving while held stops the repeat.
  QTest::mouseMove(b, QPoint(40, 40));
  const int before = ClicksOf(b);
  QTest::qWait(250);
  EXPECT_EQ(ClicksOf(b), before);
  QTest::mouseMove(b, QPoint(4, 1));
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_EQ(ClicksOf(b), before + 1);  // the release inside clicks once more
}

TEST_F(SkinButtonTest, GroupedButtonsReleaseEachOther) {
  TskSkinButton* a = Add(0);
  TskSkinButton* b = Add(20);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  Show();
  EXPECT_FALSE(a->CanFocused());
  QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(ClicksOf(a), 1);  // a grouped button clicks on the press
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(ClicksOf(b), 1);  // clicking the down one again changes nothing
  EXPECT_EQ(LookOf(b), 'E');
}

TEST_F(SkinButtonTest, AllowAllUpLetsASecondClickRelease) {
  TskSkinButton* a = Add(0);
  TskSkinButton* b = Add(20);
  for (TskSkinButton* x : {a, b}) {
    x->SetGroupIndex(2);
    x->SetAllowAllUp(true);
  }
  Show();
  QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(4, 1));
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_TRUE(a->Down());  // with AllowAllUp the others stay as they are
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 1));
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(ClicksOf(b), 2);
}

TEST_F(SkinButtonTest, EnterReachesTheDefaultButtonAndEscapeTheCancelButton) {
  TskSkinButton* ok = Add(0);
  TskSkinButton* cancel = Add(20);
  QLineEdit edit(&form_);
  edit.move(0, 40);
  ok->SetDefault(true);
  cancel->SetCancel(true);
  Show();
  edit.setFocus();
  EXPECT_TRUE(ok->DefaultActive());
  QTest::keyClick(&edit, Qt::Key_Return);
  EXPECT_EQ(ClicksOf(ok), 1);
  QTest::keyClick(&edit, Qt::Key_Escape);
  EXPECT_EQ(ClicksOf(cancel), 1);
  // A focused button answers Enter itself; the default one stays quiet.
  cancel->setFocus();
  EXPECT_FALSE(ok->DefaultActive());
  QTest::keyClick(cancel, Qt::Key_Return);
  EXPECT_EQ(ClicksOf(cancel), 2);
  EXPECT_EQ(ClicksOf(ok), 1);
}

TEST_F(SkinButtonTest, SpaceClicksOnRelease) {
  TskSkinButton* b = Add();
  Show();
  b->setFocus();
  QTest::keyPress(b, Qt::Key_Space);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(ClicksOf(b), 0);
  QTest::keyRelease(b, Qt::Key_Space);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(ClicksOf(b), 1);
}

TEST_F(SkinButtonTest, TheCaptionsAcceleratorFocusesAndClicks) {
  TskSkinButton* b = Add();
  b->SetCaption(QStringLiteral("&Run"));
  QLineEdit edit(&form_);
  Show();
  edit.setFocus();
  QTest::keyClick(&edit, Qt::Key_R, Qt::AltModifier);
  EXPECT_EQ(ClicksOf(b), 1);
  EXPECT_TRUE(b->hasFocus());
  b->SetCaption(QStringLiteral("Run"));
  QTest::keyClick(b, Qt::Key_R, Qt::AltModifier);
  EXPECT_EQ(ClicksOf(b), 1);
}

TEST_F(SkinButtonTest, EnteringCrossFadesInStepsBeforeSettlingOnTheHotLook) {
  skin_ = test::MakeSkin(GridImage(kPicture), Sections(true));
  TskSkinButton* b = Add();
  TskSkinButton* other = Add(50);
  Show();
  other->setFocus();
  std::vector<double> seen;
  QTest::mouseMove(b, QPoint(4, 1));
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        if (seen.empty() || seen.back() != b->MorphProgress()) seen.push_back(b->MorphProgress());
        return b->MorphProgress() == 1.0;
      },
      3000));
  EXPECT_GE(seen.size(), 3u);
  for (size_t i = 1; i < seen.size(); ++i) EXPECT_GT(seen[i], seen[i - 1]);
  EXPECT_EQ(LookOf(b), 'C');
}

TEST_F(SkinButtonTest, ADisabledButtonWithoutADisabledLookUsesTheNormalLookAndAGreyCaption) {
  TskSkinButton* b = Add(0, "plain");
  b->resize(60, 3);
  b->SetCaption(QStringLiteral("HIH"));
  b->setEnabled(false);
  const QImage shot = Shot(*b);
  EXPECT_EQ(static_cast<char>(qRed(shot.pixel(0, 0))), 'A');
  // "disabledfontcolor" equals "fontcolor": the caption turns grey.
  EXPECT_GT(test::CountColour(shot, qRgb(128, 128, 128)), 0);
  EXPECT_EQ(test::CountColour(shot, qRgb(255, 0, 0)), 0);
}

TEST_F(SkinButtonTest, WithoutSkinTheButtonDrawsItsFramedDefaultLook) {
  TskSkinButton b;
  b.resize(7, 5);
  const QImage normal = Shot(b);
  EXPECT_EQ(normal.pixel(0, 0), ToQColor(SystemColour(scBtnShadow)).rgb());
  EXPECT_EQ(normal.pixel(3, 2), ToQColor(SystemColour(scBtnFace)).rgb());
  b.SetDown(true);
  b.SetGroupIndex(1);
  const QImage down = Shot(b);
  EXPECT_EQ(down.pixel(0, 0), test::Rgb(8388608));
  EXPECT_EQ(down.pixel(3, 2), test::Rgb(11899781));
}

TEST(SkinButtonBuiltin, TheMainWindowButtonTakesTheSkinHeight) {
  auto skin = test::BuiltinSkin();
  const auto* data = test::FindSkinControl<TskDataSkinButtonControl>(skin->data, "button");
  ASSERT_NE(data, nullptr);
  TskSkinButton b;
  b.setGeometry(520, 586, 80, 20);
  b.SetSkinData(&skin->data);
  EXPECT_EQ(b.size(), QSize(80, data->SkinRect.Height()));
  const QImage* picture = skin->data.ActivePicture(data->PictureIndex);
  const QImage shot = Shot(b);
  EXPECT_EQ(shot.pixel(0, 5), picture->pixel(data->SkinRect.Left, data->SkinRect.Top + 5));
  EXPECT_EQ(shot.pixel(79, 5), picture->pixel(data->SkinRect.Right - 1, data->SkinRect.Top + 5));
}

TEST_F(SkinButtonTest, ALinkedActionRunsOnlyWithoutAnOnClick) {
  QAction action(QStringLiteral("Go"));
  int triggered = 0;
  QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
  TskSkinButton* b = Add();
  b->SetAction(&action);
  EXPECT_EQ(b->Caption(), QStringLiteral("Go"));
  action.setEnabled(false);
  EXPECT_FALSE(b->isEnabled());
  action.setEnabled(true);
  EXPECT_TRUE(b->isEnabled());
  // The button's own handler wins over the action.
  b->PerformClick();
  EXPECT_EQ(clicks_.size(), 1u);
  EXPECT_EQ(triggered, 0);
  b->OnClick = nullptr;
  b->PerformClick();
  EXPECT_EQ(triggered, 1);
  b->SetAction(nullptr);
  b->PerformClick();
  EXPECT_EQ(triggered, 1);
  action.setText(QStringLiteral("Gone"));
  EXPECT_EQ(b->Caption(), QStringLiteral("Go"));
}

}  // namespace
}  // namespace lumora
