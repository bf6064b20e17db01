#include "skin/controls/skin_control.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QPainter>

#include "control_skin.h"
#include "platform/messages.h"
#include "skin/controls/skin_change_walk.h"
#include "skin/controls/skin_labels.h"
#include "skin/draw/colour.h"

namespace lumora {
namespace {

using test::GridColour;
using test::GridImage;
using test::PixelsAre;
using test::Shot;

// Looks of the colour-coded skin:
//   hbar   (0,0)-(6,3)   three-part across: ends "LL" and "RR", middle "mn"
//   fixed  (6,0)-(9,2)   fixed 3 x 2
//   masked (9,0)-(12,3)  fixed, with a mask whose black pixels are a cross
const test::Grid kPicture = {
    "LLmnRRabcxyz",  //
    "LLmnRRdefxyz",  //
    "LLmnRRzzzxyz",  //
};
const test::Grid kMask = {
    "zzzz.zzzzzzz",  //
    "zzz...zzzzzz",  //
    "zzzz.zzzzzzz",  //
};

const char* kSections =
    "[SKINCONTROLS]\ncount=4\n0=hbar:panel\n1=fixed:panel\n2=masked:panel\n3=stdlabel:stdlabel\n"
    "[hbar]\npictureindex=0\nskinrect=0,0,6,3\nlefttoppoint=2,0\nrighttoppoint=4,0\n"
    "clientrect=2,0,4,3\n"
    "[fixed]\npictureindex=0\nskinrect=6,0,9,2\nclientrect=0,0,3,2\n"
    "[masked]\npictureindex=0\nmaskpictureindex=1\nskinrect=9,0,12,3\n"
    "[stdlabel]\npictureindex=-1\nfontcolor=255\n";

class SkinControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = test::MakeSkin(GridImage(kPicture), kSections, GridImage(kMask));
  }
  TskSkinData* Skin() { return &skin_->data; }

  std::unique_ptr<test::LoadedSkin> skin_;
};

QRgb Face() {
  return ToQColor(SystemColour(scBtnFace)).rgb();
}

TEST_F(SkinControlTest, UnskinnedControlFillsItselfWithTheButtonFace) {
  TskSkinCustomControl c;
  c.resize(5, 3);
  const QImage shot = Shot(c);
  EXPECT_EQ(test::CountColour(shot, Face()), 15);
}

TEST_F(SkinControlTest, ANameThatNamesNothingGivesTheDefaultLookAndDefaultSize) {
  TskSkinCustomControl c;
  c.resize(40, 40);
  c.SetSkinDataName("nothing");
  c.SetDefaultWidth(7);
  c.SetDefaultHeight(5);
  EXPECT_EQ(c.size(), QSize(7, 5));  // the index is -1, so the size is forced at once
  c.resize(40, 40);
  c.SetSkinData(Skin());
  EXPECT_EQ(c.DataIndex(), -1);
  EXPECT_EQ(c.size(), QSize(7, 5));
  EXPECT_EQ(test::CountColour(Shot(c), Face()), 35);
}

TEST_F(SkinControlTest, AHorizontalLookKeepsItsHeightAndTilesItsMiddle) {
  TskSkinCustomControl c;
  c.SetSkinDataName("hbar");
  c.resize(9, 7);
  c.SetSkinData(Skin());
  EXPECT_EQ(c.size(), QSize(9, 3));
  EXPECT_TRUE(PixelsAre(Shot(c), {"LLmnmnmRR", "LLmnmnmRR", "LLmnmnmRR"}));
  c.show();         // from here on every resize is corrected as it happens
  c.resize(5, 50);  // narrower than both ends: the right end covers the middle
  EXPECT_EQ(c.size(), QSize(5, 3));
  EXPECT_TRUE(PixelsAre(Shot(c), {"LLmRR", "LLmRR", "LLmRR"}));
}

TEST_F(SkinControlTest, AFixedLookTakesTheSkinSizeWhateverIsAsked) {
  TskSkinCustomControl c;
  c.SetSkinDataName("fixed");
  c.SetSkinData(Skin());
  c.show();
  c.resize(20, 21);
  EXPECT_EQ(c.size(), QSize(3, 2));
  c.SetBounds(4, 5, 1, 1);
  EXPECT_EQ(c.geometry(), QRect(4, 5, 3, 2));
  EXPECT_TRUE(PixelsAre(Shot(c), {"abc", "def"}));
}

TEST_F(SkinControlTest, AZeroSizedControlPaintsNothing) {
  QWidget parent;
  parent.resize(4, 4);
  TskSkinCustomControl c(&parent);
  c.setGeometry(0, 0, 0, 4);
  QImage canvas(4, 4, QImage::Format_RGB32);
  canvas.fill(GridColour('z'));
  QPainter p(&canvas);
  c.render(&p);
  p.end();
  EXPECT_TRUE(PixelsAre(canvas, {"zzzz", "zzzz", "zzzz", "zzzz"}));
}

TEST_F(SkinControlTest, ANewSkinDataNameTakesEffectAtTheNextPaint) {
  TskSkinCustomControl c;
  c.SetSkinDataName("fixed");
  c.SetSkinData(Skin());
  const int fixed = c.DataIndex();
  c.SetSkinDataName("hbar");
  EXPECT_EQ(c.DataIndex(), fixed);
  Shot(c);
  EXPECT_EQ(c.DataIndex(), Skin()->ControlIndexOf("hbar"));
}

TEST_F(SkinControlTest, FreeingTheSkinDataLeavesTheDefaultLook) {
  TskSkinCustomControl c;
  c.SetSkinDataName("hbar");
  c.SetSkinData(Skin());
  skin_.reset();
  EXPECT_EQ(c.SkinData(), nullptr);
  const QImage shot = Shot(c);
  EXPECT_EQ(c.DataIndex(), -1);
  EXPECT_EQ(test::CountColour(shot, Face()), c.width() * c.height());
}

TEST_F(SkinControlTest, TheMaskBecomesTheWindowRegion) {
  QWidget parent;
  TskSkinCustomControl c(&parent);
  c.SetSkinDataName("masked");
  c.SetSkinData(Skin());
  EXPECT_EQ(c.size(), QSize(3, 3));
  // The mask picture is taken whole: its black cross lies at x 3..5.
  const QRegion region = c.mask();
  EXPECT_TRUE(region.contains(QPoint(4, 0)));
  EXPECT_TRUE(region.contains(QPoint(3, 1)));
  EXPECT_FALSE(region.contains(QPoint(3, 0)));
  EXPECT_FALSE(region.contains(QPoint(0, 0)));
  c.SetSkinDataName("fixed");
  c.ApplySkinChange();
  EXPECT_TRUE(c.mask().isEmpty());
}

// Counts the background changes it is told about.
class BackgroundProbe : public TskSkinControl {
 public:
  using TskSkinControl::TskSkinControl;
  int changes = 0;
  void ParentBackgroundChanged() override { ++changes; }
};

TEST_F(SkinControlTest, ChildrenHearThatTheBackgroundChanged) {
  TskSkinCustomControl parent;
  BackgroundProbe a(&parent), b(&parent);
  parent.NotifyChildrenBackground();
  EXPECT_EQ(a.changes, 1);
  EXPECT_EQ(b.changes, 1);
  SendMessage(&a, WM_PARENTBGCHANGED, 0, 0);
  EXPECT_EQ(a.changes, 2);
}

TEST_F(SkinControlTest, MouseEnterAndLeaveFireTheirEvents) {
  TskSkinControl c;
  int entered = 0, left = 0;
  c.OnMouseEnter = [&] { ++entered; };
  c.OnMouseLeave = [&] { ++left; };
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QCoreApplication::sendEvent(&c, &enter);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&c, &leave);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(left, 1);
}

TEST_F(SkinControlTest, TheSkinChangeWalkReachesEveryControlBelowTheRoot) {
  QWidget form;
  QWidget inner(&form);
  TskSkinCustomControl a(&form), b(&inner);
  TskSkinStdLabel label(&inner);
  a.SetSkinDataName("fixed");
  b.SetSkinDataName("hbar");
  a.SetSkinData(Skin());
  b.SetSkinData(Skin());
  label.SetSkinData(Skin());
  ASSERT_NE(a.DataIndex(), -1);
  ASSERT_NE(label.DataIndex(), -1);

  PrepareSkinChangeOfControls(&form);
  EXPECT_EQ(a.DataIndex(), -1);
  EXPECT_EQ(b.DataIndex(), -1);
  EXPECT_EQ(label.DataIndex(), -1);

  a.resize(30, 30);  // between the phases nothing holds the size
  b.resize(30, 30);
  EXPECT_EQ(a.size(), QSize(30, 30));
  ApplySkinChangeOfControls(&form);
  EXPECT_EQ(a.DataIndex(), Skin()->ControlIndexOf("fixed"));
  EXPECT_EQ(a.size(), QSize(3, 2));
  EXPECT_EQ(b.size(), QSize(30, 3));
  EXPECT_EQ(label.DataIndex(), Skin()->ControlIndexOf("stdlabel"));
}

}  // namespace
}  // namespace lumora
