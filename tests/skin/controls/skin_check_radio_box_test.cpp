#include "skin/controls/skin_check_radio_box.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "control_skin.h"
#include "skin/draw/rect_routines.h"

namespace lumora {
namespace {

using test::Shot;

class SkinCheckBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { form_.resize(300, 100); }
  TskSkinCheckRadioBox* Add(int x = 0) {
    auto* box = new TskSkinCheckRadioBox(&form_);
    box->setGeometry(x, 0, 100, 25);
    box->OnClick = [this, box] { clicks_.push_back(box); };
    return box;
  }
  int ClicksOf(TskSkinCheckRadioBox* b) const {
    return static_cast<int>(std::count(clicks_.begin(), clicks_.end(), b));
  }
  void Show() {
    form_.show();
    QApplication::setActiveWindow(&form_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
  }

  QWidget form_;
  std::vector<TskSkinCheckRadioBox*> clicks_;
};

TEST_F(SkinCheckBoxTest, AssigningCheckedFiresOnClickEvenWhenUnchanged) {
  TskSkinCheckRadioBox* box = Add();
  box->SetChecked(true);
  box->SetChecked(true);
  EXPECT_EQ(ClicksOf(box), 2);
  box->SetRadio(true);
  box->SetChecked(false);  // a radio button that became unchecked stays quiet
  EXPECT_EQ(ClicksOf(box), 2);
}

TEST_F(SkinCheckBoxTest, AGrayedBoxUncheckedByAssignmentStaysGrayed) {
  TskSkinCheckRadioBox* box = Add();
  box->SetState(cbGrayed);
  box->SetChecked(false);
  EXPECT_EQ(box->State(), cbGrayed);
  EXPECT_FALSE(box->Checked());
}

TEST_F(SkinCheckBoxTest, RadioButtonsOfOneGroupUncheckEachOther) {
  TskSkinCheckRadioBox* a = Add(0);
  TskSkinCheckRadioBox* b = Add(120);
  for (auto* r : {a, b}) {
    r->SetRadio(true);
    r->SetGroupIndex(1);
  }
  Show();
  QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(a->Checked());
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  const int before = ClicksOf(b);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(b->Checked());  // a click never unchecks a radio button
  EXPECT_EQ(ClicksOf(b), before);
}

TEST_F(SkinCheckBoxTest, AReleaseOutsideDoesNotToggle) {
  TskSkinCheckRadioBox* box = Add();
  Show();
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(box, QPoint(150, 60));
  EXPECT_FALSE(box->IsHot());
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(150, 60));
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(ClicksOf(box), 0);
}

TEST_F(SkinCheckBoxTest, AllowGrayedCyclesThroughTheThreeStates) {
  TskSkinCheckRadioBox* box = Add();
  box->SetAllowGrayed(true);
  Show();
  std::vector<TCheckBoxState> seen;
  for (int i = 0; i < 3; ++i) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    seen.push_back(box->State());
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
}

TEST_F(SkinCheckBoxTest, SpaceToggles) {
  TskSkinCheckRadioBox* box = Add();
  box->SetTabStop(true);
  Show();
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Space);
  EXPECT_TRUE(box->Checked());
}

TEST_F(SkinCheckBoxTest, TheCaptionsAcceleratorToggles) {
  TskSkinCheckRadioBox* box = Add();
  box->SetCaption(QStringLiteral("&Wrap"));
  Show();
  QTest::keyClick(&form_, Qt::Key_W, Qt::AltModifier);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->hasFocus());
}

// The main window's box: flat, 101 x 25, on the built-in skin.
class BuiltinCheckBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = test::BuiltinSkin();
    data_ = test::FindSkinControl<TskDataSkinCheckRadioControl>(skin_->data, "checkbox");
    ASSERT_NE(data_, nullptr);
    picture_ = skin_->data.ActivePicture(data_->PictureIndex);
    box_ = new TskSkinCheckRadioBox(&form_);
    box_->setGeometry(412, 584 - 500, 101, 25);
    box_->SetCaption(QStringLiteral("HIH HIH"));
    box_->SetSkinData(&skin_->data);
    form_.resize(600, 200);
  }
  // The pixel at the centre of the check mark as drawn, and as the skin has it.
  std::pair<QRgb, QRgb> MarkCentre(const TRect& r) {
    const QImage shot = Shot(*box_);
    const int x = 3 + RectWidth(r) / 2;
    const int y = box_->height() / 2 - RectHeight(data_->CheckImageRect) / 2 + RectHeight(r) / 2;
    return {shot.pixel(x, y),
            picture_->pixel(r.Left + RectWidth(r) / 2, r.Top + RectHeight(r) / 2)};
  }

  std::unique_ptr<test::LoadedSkin> skin_;
  const TskDataSkinCheckRadioControl* data_ = nullptr;
  const QImage* picture_ = nullptr;
  QWidget form_;
  TskSkinCheckRadioBox* box_ = nullptr;
};

TEST_F(BuiltinCheckBoxTest, KeepsItsOwnSizeWhateverTheSkinsSize) {
  EXPECT_EQ(box_->size(), QSize(101, 25));
  EXPECT_NE(RectWidth(data_->SkinRect), 101);
  box_->ApplySkinChange();
  EXPECT_EQ(box_->size(), QSize(101, 25));
}

TEST_F(BuiltinCheckBoxTest, DrawsTheMarkOfEachStateAndTheCaptionInTheFrameColour) {
  const auto [unchecked, want_unchecked] = MarkCentre(data_->UnCheckImageRect);
  EXPECT_EQ(unchecked, want_unchecked);
  box_->SetChecked(true);
  const auto [checked, want_checked] = MarkCentre(data_->CheckImageRect);
  EXPECT_EQ(checked, want_checked);
  box_->SetState(cbGrayed);
  const auto [grayed, want_grayed] = MarkCentre(data_->GrayedCheckImageRect);
  EXPECT_EQ(grayed, want_grayed);
  box_->setEnabled(false);
  box_->SetChecked(true);
  const auto [disabled, want_disabled] = MarkCentre(data_->UnEnabledCheckImageRect);
  EXPECT_EQ(disabled, want_disabled);
  box_->setEnabled(true);
  EXPECT_GT(test::CountColour(Shot(*box_), test::Rgb(data_->FrameFontColor),
                              QRect(RectWidth(data_->CheckImageRect) + 7, 0, 90, 25)),
            0);
}

TEST_F(BuiltinCheckBoxTest, AFlatBoxShowsItsParentsBackground) {
  QPalette palette = form_.palette();
  palette.setColor(QPalette::Window, QColor(12, 34, 56));
  form_.setPalette(palette);
  form_.setAutoFillBackground(true);
  const QImage shot = Shot(*box_);
  EXPECT_EQ(shot.pixel(100, 0), qRgb(12, 34, 56));
  EXPECT_EQ(shot.pixel(1, 1), qRgb(12, 34, 56));
}

TEST_F(BuiltinCheckBoxTest, TheMainWindowsCaptionFitsTheStoredWidth) {
  box_->SetCaption(QStringLiteral("开启智能换行"));
  const QImage stored = Shot(*box_);
  box_->resize(300, 25);
  const QImage wide = Shot(*box_);
  // The caption may use the columns up to the width less 2; in a wider box
  // nothing of it lies past them, so nothing was cut in the stored one.
  const int limit = 101 - 2;
  const QRgb background = wide.pixel(wide.width() - 1, 0);
  for (int y = 0; y < wide.height(); ++y)
    for (int x = limit; x < wide.width(); ++x)
      ASSERT_EQ(wide.pixel(x, y), background) << x << "," << y;
  EXPECT_EQ(stored.copy(0, 0, limit, 25), wide.copy(0, 0, limit, 25));
  // And there is a caption: the text columns are not all background.
  const int textLeft = RectWidth(data_->CheckImageRect) + 7;
  EXPECT_LT(test::CountColour(stored, background, QRect(textLeft, 0, limit - textLeft, 25)),
            (limit - textLeft) * 25);
}

// A flat box draws its image-list image after the mark, centred in height,
// greyed when disabled, and the caption moves on past it; the skinned and
// the unskinned box alike.
TEST_F(BuiltinCheckBoxTest, AFlatBoxDrawsItsImageListImageBeforeTheCaption) {
  const QRgb colour = qRgb(10, 200, 30);
  QImage picture(12, 10, QImage::Format_RGB32);
  picture.fill(colour);
  const std::vector<QImage> images = {QImage(), picture};
  ASSERT_TRUE(box_->Flat());
  const int skinned_left = RectWidth(data_->CheckImageRect) + 3 + 4;
  for (bool skinned : {true, false}) {
    if (!skinned) box_->SetSkinData(nullptr);
    box_->SetImages(&images);
    box_->SetImageIndex(0);  // a null image draws nothing
    const QImage without = Shot(*box_);
    EXPECT_EQ(test::CountColour(without, colour), 0);
    box_->SetImageIndex(1);
    const QImage with = Shot(*box_);
    const auto [left, right] = test::ColumnsOf(with, colour);
    if (skinned) {
      EXPECT_EQ(left, skinned_left);
    }
    EXPECT_GT(left, 3) << "the mark comes first";
    EXPECT_EQ(right - left + 1, picture.width()) << skinned;
    const int top = box_->height() / 2 - picture.height() / 2;
    EXPECT_EQ(test::CountColour(with, colour, QRect(left, top, picture.width(), picture.height())),
              picture.width() * picture.height())
        << skinned;
    // The caption starts past the image, not under it.
    const auto first_change = [&](const QImage& a, const QImage& b) {
      for (int x = 0; x < a.width(); ++x)
        for (int y = 0; y < a.height(); ++y)
          if (a.pixel(x, y) != b.pixel(x, y)) return x;
      return -1;
    };
    EXPECT_EQ(first_change(without, with), left) << skinned;
    EXPECT_NE(without.copy(right + 1, 0, 20, 25), with.copy(right + 1, 0, 20, 25)) << skinned;
    box_->setEnabled(false);
    const QImage grey = Shot(*box_);
    EXPECT_EQ(test::CountColour(grey, colour), 0) << skinned;
    const QRgb shade = grey.pixel(left, top);
    EXPECT_TRUE(qRed(shade) == qGreen(shade) && qGreen(shade) == qBlue(shade)) << skinned;
    EXPECT_EQ(test::CountColour(grey, shade, QRect(left, top, picture.width(), picture.height())),
              picture.width() * picture.height())
        << skinned;
    box_->setEnabled(true);
    box_->SetImages(nullptr);
    EXPECT_EQ(test::CountColour(Shot(*box_), colour), 0) << skinned;
  }
}

TEST_F(SkinCheckBoxTest, ALinkedActionLeadsTheBox) {
  QAction action(QStringLiteral("Wrap"));
  action.setCheckable(true);
  TskSkinCheckRadioBox* box = Add();
  int clicks = 0;
  box->OnClick = [&] { ++clicks; };
  box->SetAction(&action);
  EXPECT_EQ(box->Caption(), QStringLiteral("Wrap"));
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 0);
  action.setChecked(true);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 1);
  action.setText(QStringLiteral("Wrap lines"));
  EXPECT_EQ(box->Caption(), QStringLiteral("Wrap lines"));
  EXPECT_EQ(clicks, 1);  // a new caption is no click
  action.setEnabled(false);
  EXPECT_FALSE(box->isEnabled());
  // Applying only the defaults leaves a checked box checked.
  QAction unchecked(QStringLiteral("Other"));
  unchecked.setCheckable(true);
  box->SetAction(&unchecked, true);
  EXPECT_TRUE(box->Checked());
  box->SetAction(&unchecked);
  EXPECT_FALSE(box->Checked());
  // Unlinked, the old action no longer reaches it.
  box->SetAction(nullptr);
  unchecked.setChecked(true);
  EXPECT_FALSE(box->Checked());
}

}  // namespace
}  // namespace lumora
