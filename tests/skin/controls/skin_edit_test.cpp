#include "skin/controls/skin_edit.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QTest>

#include "control_skin.h"
#include "skin/controls/control_popup_menu.h"
#include "skin/controls/skin_button.h"
#include "skin/data/control_data.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/rect_routines.h"

namespace lumora {
namespace {

using test::Shot;

TEST(EditRects, Table) {
  // The button lies in the fixed right part (from 44 on) in the first, in
  // the stretched middle in the second.
  const TskEditSkinGeometry skin{{80, 0, 140, 22}, {4, 3, 56, 19}, {44, 3, 56, 19}, 16};
  const TskEditSkinGeometry fixedButton{{80, 0, 140, 22}, {4, 3, 56, 19}, {40, 3, 52, 19}, 16};
  struct Row {
    const char* what;
    int w, h;
    bool buttonMode, useSkinFont;
    const TskEditSkinGeometry* skin;
    TskEditRects expected;
  };
  const Row rows[] = {
      {"unskinned", 137, 18, false, true, nullptr, {{2, 2, 135, 16}, {}}},
      {"unskinned with button", 137, 18, true, true, nullptr, {{2, 2, 117, 16}, {119, 0, 137, 18}}},
      {"skinned: client grows with the width", 137, 22, false, true, &skin, {{4, 3, 133, 19}, {}}},
      {"skinned without skin font: and the height",
       137,
       30,
       false,
       false,
       &skin,
       {{4, 3, 133, 27}, {}}},
      {"button past the fixed part moves",
       137,
       22,
       true,
       true,
       &skin,
       {{4, 3, 133, 19}, {121, 3, 133, 19}}},
      {"button inside the middle stays",
       137,
       22,
       true,
       true,
       &fixedButton,
       {{4, 3, 133, 19}, {40, 3, 52, 19}}},
  };
  for (const Row& r : rows) {
    const TskEditRects got = ComputeEditRects(r.w, r.h, r.buttonMode, r.useSkinFont, r.skin);
    EXPECT_EQ(got.Text, r.expected.Text) << r.what;
    EXPECT_EQ(got.Button, r.expected.Button) << r.what;
  }
}

// Records the menu a control builds instead of showing it.
struct RecordedMenu : TskControlPopupMenu {
  struct Item {
    QString caption;
    QAction* action;
  };
  std::vector<Item>* items;
  int* popups;
  QObject owner;
  explicit RecordedMenu(std::vector<Item>* i, int* p) : items(i), popups(p) {}
  QAction* AddItem(const QString& caption, std::function<void()> handler) override {
    auto* a = new QAction(caption, &owner);
    if (handler) QObject::connect(a, &QAction::triggered, &owner, std::move(handler));
    items->push_back({caption, a});
    return a;
  }
  void Popup(QWidget*, QPoint) override { ++*popups; }
};

class SkinEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.resize(300, 120);
    edit_ = new TskSkinEdit(&form_);
    edit_->setGeometry(10, 10, 137, 18);
    SetControlPopupMenuFactory([this](QWidget*) {
      items_.clear();
      return std::make_unique<RecordedMenu>(&items_, &popups_);
    });
  }
  void TearDown() override { SetControlPopupMenuFactory({}); }
  void Show() {
    form_.show();
    QApplication::setActiveWindow(&form_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
  }
  void Skin() {
    skin_ = test::BuiltinSkin();
    data_ = test::FindSkinControl<TskDataSkinEditControl>(skin_->data, "edit");
    ASSERT_NE(data_, nullptr);
    edit_->SetSkinData(&skin_->data);
  }
  QAction* Item(const char* caption) {
    for (auto& item : items_)
      if (item.caption == QLatin1String(caption)) return item.action;
    return nullptr;
  }
  void RightClick() {
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), edit_->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit_, &e);
  }

  QWidget form_;
  TskSkinEdit* edit_ = nullptr;
  std::unique_ptr<test::LoadedSkin> skin_;
  const TskDataSkinEditControl* data_ = nullptr;
  std::vector<RecordedMenu::Item> items_;
  int popups_ = 0;
};

TEST_F(SkinEditTest, SkinnedEditTakesTheSkinHeightAndClientRect) {
  Skin();
  Show();
  EXPECT_EQ(edit_->height(), data_->SkinRect.Height());
  const TRect text = edit_->TextRect();
  EXPECT_EQ(text.Left, data_->ClientRect.Left);
  EXPECT_EQ(text.Top, data_->ClientRect.Top);
  EXPECT_EQ(text.Right, data_->ClientRect.Right + 137 - data_->SkinRect.Width());
  EXPECT_EQ(text.Bottom, data_->ClientRect.Bottom);
  // Resizing keeps the height the skin gives.
  edit_->resize(200, 40);
  EXPECT_EQ(edit_->height(), data_->SkinRect.Height());
  EXPECT_EQ(edit_->TextRect().Right, data_->ClientRect.Right + 200 - data_->SkinRect.Width());
}

TEST_F(SkinEditTest, FrameShowsTheNormalThenTheHotLook) {
  Skin();
  Show();
  const QImage& picture = *skin_->data.ActivePicture(data_->PictureIndex);
  const QPoint corner(1, 1);
  const QRgb normal = picture.pixel(data_->SkinRect.Left + 1, data_->SkinRect.Top + 1);
  const QRgb hot = picture.pixel(data_->ActiveSkinRect.Left + 1, data_->ActiveSkinRect.Top + 1);
  ASSERT_NE(normal, hot);
  // Focused, the edit shows the hot look; without focus the normal one.
  edit_->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return edit_->hasFocus(); }));
  EXPECT_EQ(Shot(*edit_).pixel(corner), hot);
  edit_->clearFocus();
  EXPECT_EQ(Shot(*edit_).pixel(corner), normal);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(edit_, &enter);
  EXPECT_TRUE(edit_->IsHot());
  EXPECT_EQ(Shot(*edit_).pixel(corner), hot);
  // The right end keeps its fixed part at any width.
  const int right = data_->SkinRect.Right - 2;
  EXPECT_EQ(Shot(*edit_).pixel(edit_->width() - 2, 1),
            picture.pixel(data_->ActiveSkinRect.Left + (right - data_->SkinRect.Left),
                          data_->ActiveSkinRect.Top + 1));
}

TEST_F(SkinEditTest, UnskinnedFrameAndTextArea) {
  Show();
  const QImage shot = Shot(*edit_);
  EXPECT_EQ(shot.pixel(0, 0), ToQColor(SystemColour(scBtnShadow)).rgb());
  EXPECT_EQ(shot.pixel(1, 1), ToQColor(SystemColour(scBtnFace)).rgb());
  EXPECT_EQ(shot.pixel(edit_->width() - 3, 2), ToQColor(SystemColour(5)).rgb());
  EXPECT_EQ(edit_->TextRect(), (TRect{2, 2, 135, 16}));
}

TEST_F(SkinEditTest, DisabledTextIsDrawnInTheDisabledColour) {
  Skin();
  edit_->setText(QStringLiteral("MMMM WWWW"));
  Show();
  const QRgb disabled = test::Rgb(data_->DisabledFontColor);
  EXPECT_EQ(test::CountColour(Shot(*edit_), disabled), 0);
  edit_->setEnabled(false);
  EXPECT_GT(test::CountColour(Shot(*edit_), disabled), 0);
}

TEST_F(SkinEditTest, UnskinnedDisabledTextIsGrey) {
  edit_->setText(QStringLiteral("MMMM WWWW"));
  Show();
  const QRgb grey = ToQColor(SystemColour(scGrayText)).rgb();
  // Edges of black text may blend to the grey here and there.
  const int before = test::CountColour(Shot(*edit_), grey);
  edit_->setEnabled(false);
  EXPECT_GT(test::CountColour(Shot(*edit_), grey), before + 10);
}

TEST_F(SkinEditTest, ReadOnlyIgnoresTypingDeleteAndPaste) {
  edit_->setText(QStringLiteral("abc"));
  edit_->SetReadOnly(true);
  Show();
  edit_->setFocus();
  edit_->selectAll();
  QTest::keyClicks(edit_, QStringLiteral("xyz"));
  QTest::keyClick(edit_, Qt::Key_Delete);
  QTest::keyClick(edit_, Qt::Key_Backspace);
  QApplication::clipboard()->setText(QStringLiteral("pasted"));
  RightClick();
  ASSERT_NE(Item("Paste"), nullptr);
  EXPECT_FALSE(Item("Paste")->isEnabled());
  EXPECT_FALSE(Item("Cut")->isEnabled());
  EXPECT_FALSE(Item("Delete")->isEnabled());
  EXPECT_TRUE(Item("Copy")->isEnabled());
  // Even a command that runs anyway leaves the text alone.
  Item("Paste")->trigger();
  Item("Delete")->trigger();
  EXPECT_EQ(edit_->text(), QStringLiteral("abc"));
}

TEST_F(SkinEditTest, EnterGoesToTheDefaultButtonNotTheText) {
  auto* button = new TskSkinButton(&form_);
  button->setGeometry(200, 10, 60, 20);
  int clicks = 0;
  button->OnClick = [&] { ++clicks; };
  button->SetDefault(true);
  int keys = 0;
  edit_->OnKeyPress = [&](int key) { keys += key == Qt::Key_Return; };
  edit_->setText(QStringLiteral("ab"));
  Show();
  edit_->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return edit_->hasFocus(); }));
  QTest::keyClick(edit_, Qt::Key_Return);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(keys, 1);
  EXPECT_EQ(edit_->text(), QStringLiteral("ab"));
  EXPECT_TRUE(edit_->hasFocus());
}

TEST_F(SkinEditTest, ContextMenuEntriesFollowTheEditState) {
  Show();
  QApplication::clipboard()->clear();
  edit_->setText(QStringLiteral("hello"));
  edit_->deselect();
  RightClick();
  EXPECT_EQ(popups_, 1);
  ASSERT_EQ(items_.size(), 8u);
  EXPECT_EQ(items_[1].caption, QStringLiteral("-"));
  EXPECT_EQ(items_[6].caption, QStringLiteral("-"));
  EXPECT_FALSE(Item("Paste")->isEnabled());
  EXPECT_FALSE(Item("Copy")->isEnabled());
  EXPECT_TRUE(Item("Select All")->isEnabled());

  QApplication::clipboard()->setText(QStringLiteral(" world"));
  edit_->selectAll();
  RightClick();
  ASSERT_EQ(items_.size(), 8u);
  EXPECT_TRUE(Item("Paste")->isEnabled());
  EXPECT_TRUE(Item("Cut")->isEnabled());
  EXPECT_FALSE(Item("Select All")->isEnabled());
  Item("Paste")->trigger();
  EXPECT_EQ(edit_->text(), QStringLiteral(" world"));
  RightClick();
  EXPECT_TRUE(Item("Undo")->isEnabled());
  Item("Undo")->trigger();
  EXPECT_EQ(edit_->text(), QStringLiteral("hello"));
}

TEST_F(SkinEditTest, MenuCaptionsComeFromTheSkinStrings) {
  Skin();
  TskResourceStrData strings;
  TStringList lines;
  lines.Add("EDIT_UNDO=撤销");
  lines.Add("EDIT_PASTE=粘贴");
  strings.SetResStrings(lines);
  skin_->data.SetResourceStrData(&strings);
  Show();
  RightClick();
  ASSERT_EQ(items_.size(), 8u);
  EXPECT_EQ(items_[0].caption, QStringLiteral("撤销"));
  EXPECT_EQ(items_[4].caption, QStringLiteral("粘贴"));
  // A key the strings lack falls back to the program's own text.
  EXPECT_EQ(items_[3].caption, QStringLiteral("Copy"));
  skin_->data.SetResourceStrData(nullptr);
}

TEST_F(SkinEditTest, NoMenuEngineShowsNothing) {
  SetControlPopupMenuFactory({});
  Show();
  RightClick();
  EXPECT_EQ(popups_, 0);
  EXPECT_EQ(edit_->SystemMenu(), nullptr);
}

TEST_F(SkinEditTest, EditButtonClicksOnlyWhenReleasedOnIt) {
  edit_->SetButtonMode(true);
  int clicks = 0;
  edit_->OnButtonClick = [&] { ++clicks; };
  Show();
  const TRect b = edit_->ButtonRect();
  const QPoint on((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  QTest::mousePress(edit_, Qt::LeftButton, {}, on);
  EXPECT_TRUE(edit_->ButtonPressed());
  QTest::mouseRelease(edit_, Qt::LeftButton, {}, on);
  EXPECT_EQ(clicks, 1);
  QTest::mousePress(edit_, Qt::LeftButton, {}, on);
  QTest::mouseRelease(edit_, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_LE(edit_->TextRect().Right, b.Left);
}

// An edit look of 8 x 6 ('e' frame, 'c' client) and three one-colour button
// looks of 3 x 3 below it: normal 'r', hot 'g', pressed 'b'.
const test::Grid kBorderedPicture = {
    "eeeeeeeezz", "eeeeeeeezz", "eeccccsezz", "eeccccsezz", "eeeeeeeezz",
    "eeeeeeeezz", "rrrgggbbbz", "rrrgggbbbz", "rrrgggbbbz",
};

std::string BorderedSections(const char* buttonName) {
  return std::string("[SKINCONTROLS]\ncount=2\n0=edit:edit\n1=") + buttonName +
         ":button\n"
         "[edit]\npictureindex=0\nskinrect=0,0,8,6\nlefttoppoint=2,0\nrighttoppoint=6,0\n"
         "clientrect=2,2,6,4\nbuttonrect=6,1,8,5\nfontheight=12\n[" +
         buttonName +
         "]\npictureindex=0\nskinrect=0,6,3,9\nactiveskinrect=3,6,6,9\n"
         "downskinrect=6,6,9,9\nlefttoppoint=1,1\nrighttoppoint=2,1\nleftbottompoint=1,2\n"
         "rightbottompoint=2,2\nclientrect=1,1,2,2\n";
}

class BorderedEditButtonTest : public SkinEditTest,
                               public ::testing::WithParamInterface<const char*> {};

TEST_P(BorderedEditButtonTest, TheButtonHasItsOwnLookInEachState) {
  skin_ = test::MakeSkin(test::GridImage(kBorderedPicture), BorderedSections(GetParam()));
  edit_->SetUseSkinFont(false);
  edit_->SetButtonMode(true);
  edit_->SetSkinData(&skin_->data);
  edit_->resize(60, edit_->height());
  Show();
  const TRect b = edit_->ButtonRect();
  ASSERT_FALSE(b.IsEmpty());
  const QPoint centre((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  EXPECT_EQ(Shot(*edit_).pixel(centre), test::GridColour('r'));
  QTest::mouseMove(edit_, QPoint(1, 1));  // the pointer may rest at the centre already
  QTest::mouseMove(edit_, centre);
  ASSERT_TRUE(edit_->ButtonHot());
  EXPECT_EQ(Shot(*edit_).pixel(centre), test::GridColour('g'));
  QTest::mousePress(edit_, Qt::LeftButton, {}, centre);
  EXPECT_EQ(Shot(*edit_).pixel(centre), test::GridColour('b'));
  QTest::mouseRelease(edit_, Qt::LeftButton, {}, centre);
  // The whole button, not only its middle, is the look stretched.
  EXPECT_EQ(test::CountColour(Shot(*edit_), test::GridColour('g'), ToQRect(b)),
            b.Width() * b.Height());
}

// "editbutton" first; a skin without one has its look under "resizebutton".
INSTANTIATE_TEST_SUITE_P(ByName, BorderedEditButtonTest,
                         ::testing::Values("editbutton", "resizebutton"));

TEST_F(SkinEditTest, WithTheSkinFontTheButtonIsCutFromTheEditLook) {
  skin_ = test::MakeSkin(test::GridImage(kBorderedPicture), BorderedSections("editbutton"));
  edit_->SetButtonMode(true);
  edit_->SetSkinData(&skin_->data);
  Show();
  const TRect b = edit_->ButtonRect();
  // No hot or pressed button look in the edit's entry: the frame stays.
  EXPECT_EQ(test::CountColour(Shot(*edit_), test::GridColour('r'), ToQRect(b)), 0);
}

TEST_F(SkinEditTest, DefaultSizeAppliesWheneverTheSkinHasNoEditLook) {
  Skin();
  const QSize skinned = edit_->size();
  edit_->SetDefaultWidth(90);
  edit_->SetDefaultHeight(31);
  EXPECT_EQ(edit_->size(), skinned);
  // A skin change to a skin without an "edit" entry re-applies the defaults.
  auto plain = test::MakeSkin(test::GridImage(kBorderedPicture),
                              "[SKINCONTROLS]\ncount=1\n0=other:edit\n[other]\npictureindex=0\n");
  edit_->SetSkinData(&plain->data);
  EXPECT_EQ(edit_->DataIndex(), -1);
  EXPECT_EQ(edit_->size(), QSize(90, 31));
  edit_->resize(50, 20);
  edit_->ApplySkinChange();
  EXPECT_EQ(edit_->size(), QSize(90, 31));
  edit_->SetSkinData(nullptr);
}

TEST_F(SkinEditTest, SizedFromItsFontAnUnskinnedEditIsTheCellPlusFour) {
  edit_->SetUseSkinFont(false);
  // Arial height 14 is a 14-pixel cell: the stored 18-pixel edits.
  EXPECT_EQ(edit_->height(), QFontMetrics(edit_->font()).height() + 4);
  EXPECT_LE(edit_->height(), 18);
  edit_->SetDefaultFont({"Arial", 20, 0, 0});
  EXPECT_EQ(edit_->height(), QFontMetrics(edit_->font()).height() + 4);
  EXPECT_LE(edit_->height(), 24);
  EXPECT_GT(edit_->height(), 18);
}

TEST_F(SkinEditTest, AlignmentPlacesTheText) {
  edit_->resize(137, 18);
  edit_->setText(QStringLiteral("HIH"));
  edit_->setFocusPolicy(Qt::NoFocus);  // no caret among the letters
  Show();
  const QRgb ink = test::Rgb(edit_->DefaultFont().Color);
  edit_->SetAlignment(taLeftJustify);
  const auto [left0, left1] = test::ColumnsOf(Shot(*edit_), ink);
  edit_->SetAlignment(taRightJustify);
  const auto [right0, right1] = test::ColumnsOf(Shot(*edit_), ink);
  edit_->SetAlignment(taCenter);
  const auto [centre0, centre1] = test::ColumnsOf(Shot(*edit_), ink);
  ASSERT_GE(left0, 0);
  EXPECT_LT(left0, 10);
  EXPECT_GT(right1, 137 - 20);
  EXPECT_GT(right0, left1 + 60);
  EXPECT_NEAR((centre0 + centre1) / 2, 137 / 2, 6);
  EXPECT_EQ(right1 - right0, left1 - left0);
}

}  // namespace
}  // namespace lumora
