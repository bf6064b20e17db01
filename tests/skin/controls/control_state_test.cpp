#include "skin/controls/control_state.h"

#include <gtest/gtest.h>

#include "skin/data/control_data.h"

namespace lumora {
namespace {

TskButtonState S(std::initializer_list<const char*> flags) {
  TskButtonState s;
  for (std::string f : flags) {
    if (f == "disabled") s.Enabled = false;
    if (f == "down") s.Down = true;
    if (f == "hot") s.Hot = true;
    if (f == "focused") s.Focused = true;
    if (f == "held") s.MousePressed = true;
    if (f == "grouped") s.Grouped = true;
    if (f == "morph") s.MorphOn = true;
    if (f == "lit") s.MorphProgress = 1;
    if (f == "animating") s.Animating = true;
  }
  return s;
}

TEST(ButtonLook, FirstMatchingRowOfTheTable) {
  struct Row {
    TskButtonState state;
    bool focusedLook, disabledLook;
    TskButtonLookChoice want;
    const char* what;
  } rows[] = {
      {S({"disabled", "hot"}), true, true, {blDisabled, false, false}, "disabled look first"},
      {S({"disabled"}), true, false, {blNormal, false, false}, "no disabled look: normal"},
      {S({"down", "hot"}), true, true, {blDown, true, true}, "pressed under the pointer"},
      {S({"down", "grouped"}), true, true, {blDown, true, true}, "sticky button stays down"},
      {S({"down", "focused"}), true, true, {blDown, true, true}, "Space held"},
      {S({"down", "focused", "held"}),
       true,
       true,
       {blFocused, true, false},
       "mouse held outside a focused button"},
      {S({"down", "held"}), true, true, {blNormal, false, false}, "mouse held outside"},
      {S({"focused"}), true, true, {blFocused, true, false}, "focused look"},
      {S({"focused", "animating"}), true, true, {blHot, true, false}, "animation hides focus"},
      {S({"focused"}), false, true, {blHot, true, false}, "no focused look: hot"},
      {S({"hot"}), true, true, {blHot, true, false}, "hot"},
      {S({"morph"}), true, true, {blNormal, false, false}, "morph at 0"},
      {S({"morph", "lit"}), true, true, {blHot, true, false}, "the instant before a fade-out"},
      {S({"lit"}), true, true, {blNormal, false, false}, "progress counts only with morph"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(ChooseButtonLook(r.state, r.focusedLook, r.disabledLook), r.want) << r.what;
}

TEST(ButtonLooks, HotFallsBackToNormalAndDownToHot) {
  TskDataSkinButtonControl d("button");
  d.SkinRect = {0, 0, 10, 5};
  EXPECT_EQ(ButtonLooksOf(d).Hot, d.SkinRect);
  EXPECT_EQ(ButtonLooksOf(d).Down, d.SkinRect);
  d.ActiveSkinRect = {0, 5, 10, 10};
  EXPECT_EQ(ButtonLooksOf(d).Down, d.ActiveSkinRect);
  EXPECT_TRUE(ButtonLooksOf(d).Focused.IsEmpty());
  EXPECT_TRUE(ButtonLooksOf(d).Disabled.IsEmpty());
}

TEST(ButtonLooks, ADisabledColourEqualToTheNormalOneBecomesGrey) {
  TskDataSkinButtonControl d("button");
  d.FontColor = d.DisabledFontColor = 255;
  EXPECT_EQ(DisabledFontColorOf(d), 8421504u);
  d.DisabledFontColor = 77;
  EXPECT_EQ(DisabledFontColorOf(d), 77u);
}

TEST(CheckImage, PictureByEnabledHotAndState) {
  TskDataSkinCheckRadioControl d("checkbox");
  d.CheckImageRect = {0, 0, 1, 1};
  d.UnCheckImageRect = {1, 0, 2, 1};
  d.ActiveCheckImageRect = {2, 0, 3, 1};
  d.ActiveUnCheckImageRect = {3, 0, 4, 1};
  d.UnEnabledCheckImageRect = {4, 0, 5, 1};
  d.UnEnabledUnCheckImageRect = {5, 0, 6, 1};
  d.GrayedCheckImageRect = {6, 0, 7, 1};
  d.ActiveGrayedCheckImageRect = {7, 0, 8, 1};
  struct Row {
    bool enabled, hot;
    TCheckBoxState state;
    TRect want;
  } rows[] = {
      {true, true, cbGrayed, d.ActiveGrayedCheckImageRect},
      {true, true, cbChecked, d.ActiveCheckImageRect},
      {true, true, cbUnchecked, d.ActiveUnCheckImageRect},
      {true, false, cbGrayed, d.GrayedCheckImageRect},
      {true, false, cbChecked, d.CheckImageRect},
      {true, false, cbUnchecked, d.UnCheckImageRect},
      {false, true, cbGrayed, d.GrayedCheckImageRect},
      {false, false, cbChecked, d.UnEnabledCheckImageRect},
      {false, true, cbUnchecked, d.UnEnabledUnCheckImageRect},
  };
  for (const Row& r : rows) {
    const TskCheckImageChoice c = ChooseCheckImage(d, r.enabled, r.hot, r.state);
    EXPECT_EQ(c.Rect, r.want) << r.enabled << r.hot << r.state;
    EXPECT_FALSE(c.Lighten);
  }
}

TEST(CheckImage, EmptyVariantsFallBackAndGrayedLightensTheCheck) {
  TskDataSkinCheckRadioControl d("checkbox");
  d.CheckImageRect = {0, 0, 1, 1};
  d.UnCheckImageRect = {1, 0, 2, 1};
  d.UnEnabledCheckImageRect = {4, 0, 5, 1};
  EXPECT_EQ(ChooseCheckImage(d, true, true, cbChecked).Rect, d.CheckImageRect);
  EXPECT_EQ(ChooseCheckImage(d, false, false, cbUnchecked).Rect, d.UnCheckImageRect);
  EXPECT_EQ(ChooseCheckImage(d, true, true, cbGrayed),
            (TskCheckImageChoice{d.CheckImageRect, true}));
  EXPECT_EQ(ChooseCheckImage(d, false, false, cbGrayed),
            (TskCheckImageChoice{d.UnEnabledCheckImageRect, true}));
  d.GrayedCheckImageRect = {6, 0, 7, 1};
  EXPECT_EQ(ChooseCheckImage(d, true, true, cbGrayed).Rect, d.GrayedCheckImageRect);
}

}  // namespace
}  // namespace lumora
