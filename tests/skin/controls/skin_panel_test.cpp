#include "skin/controls/skin_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "control_skin.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/draw/rect_routines.h"

namespace lumora {
namespace {

using test::GridImage;
using test::PixelsAre;
using test::Shot;

// A 6 x 6 look with a one-pixel frame 'F' around a 4 x 4 client whose
// texture is "abcd" rows; the panel and the group box use it.
const test::Grid kPicture = {
    "FFFFFF",  //
    "FabcdF",  //
    "FefghF",  //
    "FijklF",  //
    "FmnopF",  //
    "FFFFFF",  //
};

std::string Sections(const char* alignment) {
  return std::string(
             "[SKINCONTROLS]\ncount=3\n0=panel:panel\n1=groupbox:panel\n2=stdlabel:stdlabel\n"
             "[panel]\npictureindex=0\nskinrect=0,0,6,6\nlefttoppoint=1,1\nrighttoppoint=5,1\n"
             "leftbottompoint=1,5\nrightbottompoint=5,5\nclientrect=1,1,5,5\n"
             "[groupbox]\npictureindex=0\nskinrect=0,0,6,6\nlefttoppoint=1,1\nrighttoppoint=5,1\n"
             "leftbottompoint=1,5\nrightbottompoint=5,5\nclientrect=1,1,5,5\n"
             "captionrect=0,0,6,1\nfontcolor=255\nfontheight=14\nalignment=") +
         alignment + "\n[stdlabel]\npictureindex=-1\n";
}

class SkinPanelTest : public ::testing::Test {
 protected:
  void SetUp() override { skin_ = test::MakeSkin(GridImage(kPicture), Sections("tacenter")); }
  std::unique_ptr<test::LoadedSkin> skin_;
};

TEST_F(SkinPanelTest, ABorderlessPanelShowsOnlyTheTiledClientTexture) {
  TskSkinPanel panel;
  panel.SetBorderStyle(bvNone);
  panel.SetSkinData(&skin_->data);
  panel.resize(7, 5);
  EXPECT_TRUE(PixelsAre(Shot(panel), {"abcdabc", "efghefg", "ijklijk", "mnopmno", "abcdabc"}));
}

TEST_F(SkinPanelTest, AFramedPanelPaintsTheFrameInBandsAroundTheTexture) {
  TskSkinPanel panel;
  panel.SetSkinData(&skin_->data);
  panel.resize(8, 7);
  EXPECT_TRUE(PixelsAre(Shot(panel), {"FFFFFFFF",  //
                                      "FabcdabF",  //
                                      "FefghefF",  //
                                      "FijklijF",  //
                                      "FmnopmnF",  //
                                      "FabcdabF",  //
                                      "FFFFFFFF"}));
}

TEST_F(SkinPanelTest, ChildrenDockInTheSkinsClientRectangle) {
  TskSkinGroupBox box;
  box.SetSkinData(&skin_->data);
  box.resize(40, 30);
  QWidget fill(&box), bar(&box);
  bar.resize(5, 5);
  SetAlign(&bar, alRight);
  SetAlign(&fill, alClient);
  EXPECT_EQ(bar.geometry(), QRect(34, 1, 5, 28));
  EXPECT_EQ(fill.geometry(), QRect(1, 1, 33, 28));
  box.resize(50, 20);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  EXPECT_EQ(fill.geometry(), QRect(1, 1, 43, 18));
}

TEST_F(SkinPanelTest, WithoutSkinChildrenDockInsideTheBorderAndBelowTheCaptionBand) {
  TskSkinGroupBox box;  // the main window's numbers: a 707 x 289 box, band 22
  box.resize(707, 289);
  QWidget edit(&box), bar(&box);
  bar.resize(19, 10);
  SetAlign(&bar, alRight);
  SetAlign(&edit, alClient);
  EXPECT_EQ(edit.geometry(), QRect(1, 23, 686, 265));
  EXPECT_EQ(bar.geometry(), QRect(687, 23, 19, 265));
}

TEST_F(SkinPanelTest, CheckedFiresOnCheckedAndOnlyCheckedModeTouchesTheChildren) {
  TskSkinPanel panel;
  QWidget child(&panel);
  int fired = 0;
  panel.OnChecked = [&] { ++fired; };
  panel.SetChecked(false);
  EXPECT_EQ(fired, 1);
  EXPECT_TRUE(child.isEnabled());
  panel.SetCheckedMode(true);
  panel.SetChecked(false);
  EXPECT_EQ(fired, 2);
  EXPECT_FALSE(child.isEnabled());
  panel.SetChecked(true);
  EXPECT_TRUE(child.isEnabled());
}

// A group box look with a seven-pixel caption band above a small client.
const test::Grid kCaptioned = {
    "TTTTTT", "TTTTTT", "TTTTTT", "TTTTTT", "TTTTTT",
    "TTTTTT", "TTTTTT", "FabcdF", "FefghF", "FFFFFF",
};

std::string CaptionedSections(const char* alignment) {
  return std::string(
             "[SKINCONTROLS]\ncount=1\n0=groupbox:panel\n"
             "[groupbox]\npictureindex=0\nskinrect=0,0,6,10\nlefttoppoint=1,7\n"
             "righttoppoint=5,7\nleftbottompoint=1,9\nrightbottompoint=5,9\nclientrect=1,7,5,9\n"
             "captionrect=0,0,6,7\nfontcolor=255\nfontheight=16\nfontstyle=fsbold\n"
             "alignment=") +
         alignment + "\n";
}

TEST_F(SkinPanelTest, RollingUpCollapsesToTheCaptionAndBack) {
  TskSkinGroupBox box;  // unskinned: the band is DefaultCaptionHeight
  box.resize(100, 80);
  QWidget child(&box);
  int changes = 0;
  box.OnChangeRollUpState = [&] { ++changes; };
  box.SetRollUpState(true);  // outside roll-up mode nothing happens
  EXPECT_FALSE(box.RollUpState());
  EXPECT_EQ(box.height(), 80);
  box.SetRollUpMode(true);
  box.SetRollUpState(true);
  EXPECT_EQ(box.height(), box.DefaultCaptionHeight() + 1);
  EXPECT_EQ(box.RealHeight(), 80);
  EXPECT_TRUE(child.isHidden());
  box.SetRollUpState(false);
  EXPECT_EQ(box.height(), 80);
  EXPECT_EQ(box.RealHeight(), -1);
  EXPECT_FALSE(child.isHidden());
  EXPECT_EQ(changes, 2);
}

TEST_F(SkinPanelTest, TheCaptionIsPlacedByTheSkinsAlignment) {
  skin_ = test::MakeSkin(GridImage(kCaptioned), CaptionedSections("tacenter"));
  TskSkinGroupBox box;
  box.SetSkinData(&skin_->data);
  box.SetCaption(QStringLiteral("HIH"));
  box.SetDefaultAlignment(taLeftJustify);  // the skin's alignment wins
  box.resize(200, 20);
  const auto [left, right] = test::ColumnsOf(Shot(box), qRgb(255, 0, 0));
  ASSERT_GE(left, 0);
  EXPECT_NEAR(left, 200 - 1 - right, 3);

  skin_ = test::MakeSkin(GridImage(kCaptioned), CaptionedSections("taleftjustify"));
  box.SetSkinData(&skin_->data);
  const int leftAligned = test::ColumnsOf(Shot(box), qRgb(255, 0, 0)).first;
  EXPECT_GE(leftAligned, 0);
  EXPECT_LE(leftAligned, 3);
}

TEST(SkinGroupBoxBuiltin, LaysItsChildOutInTheSkinsClientRectangle) {
  auto skin = test::BuiltinSkin();
  const auto* data = test::FindSkinControl<TskDataSkinPanelControl>(skin->data, "groupbox");
  ASSERT_NE(data, nullptr);
  TskSkinGroupBox box;
  box.SetSkinData(&skin->data);
  box.setGeometry(0, 0, 707, 289);
  QWidget edit(&box);
  edit.setGeometry(1, 23, 686, 265);  // the stored design-time place
  SetAlign(&edit, alClient);
  const TRect cl = data->ClientRect;
  const int right = RectWidth(data->SkinRect) - cl.Right,
            bottom = RectHeight(data->SkinRect) - cl.Bottom;
  EXPECT_EQ(edit.geometry(), QRect(cl.Left, cl.Top, 707 - cl.Left - right, 289 - cl.Top - bottom));
}

TEST(SkinStatusBarBuiltin, DocksAtTheBottomAtTheSkinHeightAndSizesByItsGrip) {
  auto skin = test::BuiltinSkin();
  const auto* data = test::FindSkinControl<TskDataSkinPanelControl>(skin->data, "statusbar");
  ASSERT_NE(data, nullptr);
  QWidget form;
  form.resize(707, 640);
  TskSkinStatusBar bar(&form);
  bar.SetSkinData(&skin->data);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(bar.geometry(), QRect(0, 640 - data->SkinRect.Height(), 707, data->SkinRect.Height()));
  EXPECT_EQ(bar.HitTest(QPoint(700, bar.height() - 2)), HTCLIENT);
  bar.SetSizeGrip(true);
  const TRect grip = bar.GripRect();
  EXPECT_EQ(grip.Width(), data->GripperRect.Width());
  EXPECT_EQ(grip.Height(), data->GripperRect.Height());
  EXPECT_EQ(bar.HitTest(QPoint(grip.Left + 1, grip.Bottom - 1)), HTBOTTOMRIGHT);
  EXPECT_EQ(bar.HitTest(QPoint(5, 5)), HTCLIENT);
  bar.SetShowGrip(false);
  EXPECT_EQ(bar.HitTest(QPoint(grip.Left + 1, grip.Bottom - 1)), HTCLIENT);
}

TEST(SkinStatusBar, HandsItsSkinDataToItsSkinnedChildren) {
  auto skin = test::BuiltinSkin();
  TskSkinStatusBar bar;
  TskSkinPanel child(&bar);
  bar.SetSkinData(&skin->data);
  EXPECT_EQ(child.SkinData(), &skin->data);
}

}  // namespace
}  // namespace lumora
