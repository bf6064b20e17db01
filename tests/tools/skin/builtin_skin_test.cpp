// The skin built into the program, as the main window's skin data loads it.

#include <gtest/gtest.h>

#include "skin/builtin/builtin_skin.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_named_rects.h"
#include "skin_commands.h"
#include "support/skin_entries.h"

namespace lumora {
namespace {

class BuiltinSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string_view block = BuiltinSkinBlock();
    stored_.CompressedStream().WriteBuffer(block.data(), static_cast<int64_t>(block.size()));
    data_.SetCompressedStoredSkin(&stored_);
    ASSERT_FALSE(data_.Empty());
  }
  template <typename T>
  const T& ControlOf(const char* name) {
    return test::SkinControl<T>(data_, name);
  }
  const QImage& PictureOf(int index) {
    const QImage* img = data_.ActivePicture(index);
    if (img == nullptr) throw std::runtime_error("no picture " + std::to_string(index));
    return *img;
  }
  TskCompressedStoredSkin stored_;
  TskSkinData data_;
};

TEST_F(BuiltinSkin, IsAZlibStreamAtTheHighestLevel) {
  const std::string_view block = BuiltinSkinBlock();
  ASSERT_GT(block.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(block[0]), 0x78);
  EXPECT_EQ(static_cast<unsigned char>(block[1]), 0xDA);
}

TEST_F(BuiltinSkin, RegistriesGiveTheStandardIndexes) {
  EXPECT_EQ(data_.ObjectCount(), 11);
  EXPECT_EQ(data_.ControlCount(), 72);
  EXPECT_EQ(data_.ControlIndexOf("button"), 0);
  EXPECT_EQ(data_.ControlIndexOf("vscrollbar"), 16);
  EXPECT_EQ(data_.ControlIndexOf("groupbox"), 21);
  EXPECT_EQ(data_.ControlIndexOf("stdlabel"), 22);
  EXPECT_EQ(data_.ControlIndexOf("richedit"), 47);
  EXPECT_EQ(data_.ControlIndexOf("officequickbutton"), 71);
  EXPECT_EQ(data_.ControlIndexOf("appmenu"), -1);
  EXPECT_EQ(data_.ObjectIndexOf("closebutton"), 0);
  EXPECT_EQ(data_.ObjectIndexOf("caption"), 4);
  EXPECT_EQ(data_.ObjectIndexOf("menuitem"), 5);
  EXPECT_EQ(data_.ObjectIndexOf("menubarminbutton"), 10);
  EXPECT_STREQ(test::SkinObject(data_, "caption").ClassName(), "TskDataSkinCaption");
  EXPECT_STREQ(test::SkinControl(data_, "groupbox").ClassName(), "TskDataSkinPanelControl");
}

TEST_F(BuiltinSkin, ColoursStartFromTheStoredScheme) {
  const TskSkinColors& c = data_.SkinColors();
  EXPECT_EQ(c.cBtnFace, 15263459u);
  EXPECT_EQ(c.cHighLight, 5819121u);
  EXPECT_EQ(c.cBtnShadow, 11249314u);
  EXPECT_EQ(ControlOf<TskDataSkinPanelControl>("groupbox").FontColor, 7624781u);
  EXPECT_EQ(ControlOf<TskDataSkinStdLabelControl>("stdlabel").ActiveFontColor, 5819121u);
}

// Sizing modes of the skinned control base: nine-part when rightbottompoint
// is set, horizontal when only righttoppoint is, vertical for leftbottompoint.
int SizingMode(const TskDataSkinCustomControl& c) {
  if (c.SkinRect.IsEmpty()) return -1;
  if (c.RBPoint.x != 0 && c.RBPoint.y != 0) return 1;
  if (c.RTPoint.x != 0 || c.RTPoint.y != 0) return 2;
  if (c.LBPoint.x != 0 || c.LBPoint.y != 0) return 3;
  return 0;
}

TEST_F(BuiltinSkin, MainWindowControlsHaveCompleteLooks) {
  const auto& panel = ControlOf<TskDataSkinPanelControl>("panel");
  const auto& group = ControlOf<TskDataSkinPanelControl>("groupbox");
  const auto& status = ControlOf<TskDataSkinPanelControl>("statusbar");
  const auto& button = ControlOf<TskDataSkinButtonControl>("button");
  const auto& edit = ControlOf<TskDataSkinEditControl>("edit");
  const auto& check = ControlOf<TskDataSkinCheckRadioControl>("checkbox");
  const auto& vbar = ControlOf<TskDataSkinScrollBarControl>("vscrollbar");
  EXPECT_EQ(SizingMode(panel), 1);
  EXPECT_EQ(SizingMode(group), 1);
  EXPECT_EQ(SizingMode(status), 2);
  EXPECT_EQ(SizingMode(button), 2);
  EXPECT_EQ(SizingMode(edit), 2);
  EXPECT_EQ(SizingMode(check), 2);
  EXPECT_EQ(SizingMode(vbar), 3);
  EXPECT_EQ(SizingMode(ControlOf<TskDataSkinScrollBarControl>("hscrollbar")), 2);

  for (const TRect* r : {&button.ActiveSkinRect, &button.DownSkinRect, &button.FocusedSkinRect,
                         &button.DisabledSkinRect}) {
    EXPECT_FALSE(r->IsEmpty());
    EXPECT_EQ(r->Width(), button.SkinRect.Width());
    EXPECT_EQ(r->Height(), button.SkinRect.Height());
  }
  EXPECT_NE(button.DisabledFontColor, button.FontColor);
  EXPECT_FALSE(edit.ActiveSkinRect.IsEmpty());
  for (const TRect* r : {&check.CheckImageRect, &check.UnCheckImageRect,
                         &check.ActiveCheckImageRect, &check.ActiveUnCheckImageRect,
                         &check.UnEnabledCheckImageRect, &check.UnEnabledUnCheckImageRect})
    EXPECT_FALSE(r->IsEmpty());
  EXPECT_FALSE(group.CaptionRect.IsEmpty());
  EXPECT_FALSE(status.GripperRect.IsEmpty());
  for (const TRect* r : {&vbar.TrackArea, &vbar.UpButtonRect, &vbar.DownButtonRect, &vbar.ThumbRect,
                         &vbar.ActiveThumbRect, &vbar.DownThumbRect, &vbar.ActiveUpButtonRect,
                         &vbar.DownUpButtonRect, &vbar.ActiveDownButtonRect,
                         &vbar.DownDownButtonRect, &vbar.GlyphRect})
    EXPECT_FALSE(r->IsEmpty());
  // The increasing arrow lies past the stretched part, so it follows the
  // bar's end when the bar is longer than the skin.
  EXPECT_GT(vbar.UpButtonRect.Top, vbar.LBPoint.y);
  const auto& rich = ControlOf<TskDataSkinRichEdit>("richedit");
  EXPECT_EQ(rich.PictureIndex, -1);
  EXPECT_EQ(rich.BGColor, 16777215u);
  EXPECT_EQ(ControlOf<TskDataSkinStdLabelControl>("stdlabel").PictureIndex, -1);

  EXPECT_NE(data_.PopupWindow().WindowPictureIndex, -1);
  EXPECT_NE(data_.HintWindow().WindowPictureIndex, -1);
  EXPECT_FALSE(data_.PopupWindow().ItemsRect.IsEmpty());
  EXPECT_FALSE(data_.HintWindow().ClientRect.IsEmpty());
  const auto* item = test::FindSkinObject<TskDataSkinMenuItem>(data_, "menuitem");
  ASSERT_NE(item, nullptr);
  for (const TRect* r : {&item->SkinRect, &item->ActiveSkinRect, &item->DividerRect,
                         &item->CheckImageRect, &item->ArrowImageRect, &item->TextRect})
    EXPECT_FALSE(r->IsEmpty());
  EXPECT_NE(item->UnEnabledFontColor, item->FontColor);
}

TEST_F(BuiltinSkin, EveryNamedRectangleLiesInsideItsPicture) {
  const TskSkinContainer c = OpenSkinContainer(stored_);
  const SkinDescription d = ReadSkinDescription(c.Lines);
  const std::vector<SkinNamedRect> rects = NamedRectangles(d);
  EXPECT_GT(rects.size(), 100u);
  for (const SkinNamedRect& r : rects) {
    const QImage& img = r.Picture == kMainPictureId ? data_.Picture() : PictureOf(r.Picture);
    EXPECT_TRUE(r.Rect.Left >= 0 && r.Rect.Top >= 0 && r.Rect.Right <= img.width() &&
                r.Rect.Bottom <= img.height())
        << r.Section << "." << r.Key;
  }
}

TEST_F(BuiltinSkin, FrameCaptionGrowsAndButtonsKeepToTheRight) {
  const TskFormInfo& f = data_.FormInfo();
  const QImage& main = data_.Picture();
  ASSERT_FALSE(main.isNull());
  EXPECT_EQ(data_.MaskPicture().size(), main.size());
  const auto* caption = test::FindSkinObject<TskDataSkinCaption>(data_, "caption");
  ASSERT_NE(caption, nullptr);
  // The caption spans the top-left and top-right corner zones, so it is
  // widened with the window; the buttons row moves with the right edge.
  EXPECT_LE(caption->SkinRect.Left, f.LTPoint.x);
  EXPECT_GE(caption->SkinRect.Right, f.RTPoint.x);
  EXPECT_LE(caption->SkinRect.Bottom, f.RTPoint.y);
  EXPECT_GT(f.ButtonsRect.Left, main.width() / 2);
  const int textRight = caption->SkinRect.Left + caption->TextRect.Right;
  EXPECT_LE(textRight, f.ButtonsRect.Left);
  // Three caption buttons fit the row, and none is taller than the bar.
  int width = 0;
  for (const char* name : {"closebutton", "maxbutton", "minbutton"}) {
    const TRect& r = test::SkinObject(data_, name).SkinRect;
    width += r.Width();
    EXPECT_LE(r.Height(), f.ButtonsRect.Height());
  }
  EXPECT_LE(width, f.ButtonsRect.Width());
  // The mask cuts the top corners and keeps the rest of the window.
  const QImage& mask = data_.MaskPicture();
  EXPECT_NE(mask.pixelColor(0, 0), QColor(0, 0, 0));
  EXPECT_NE(mask.pixelColor(mask.width() - 1, 0), QColor(0, 0, 0));
  EXPECT_EQ(mask.pixelColor(0, mask.height() - 1), QColor(0, 0, 0));
  EXPECT_EQ(mask.pixelColor(mask.width() / 2, 0), QColor(0, 0, 0));
}

TEST_F(BuiltinSkin, CaptionButtonsRepeatTheCaptionBar) {
  // An opaque button drawn over the bar must match it row for row, or the
  // bar would show seams around every button.
  const QImage& main = data_.Picture();
  const QImage& active = PictureOf(0);
  const int top = data_.FormInfo().ButtonsRect.Top;
  for (const char* name : {"maxbutton", "minbutton"}) {
    const TRect& r = test::SkinObject(data_, name).SkinRect;
    for (int y = 0; y < r.Height(); ++y)
      ASSERT_EQ(active.pixel(r.Left + 1, r.Top + y), main.pixel(main.width() / 2, top + y))
          << name << " row " << y;
  }
}

TEST_F(BuiltinSkin, CheckMarksCarryTheClientColourAsTransparentColour) {
  const auto& check = ControlOf<TskDataSkinCheckRadioControl>("checkbox");
  const QImage& controls = PictureOf(check.PictureIndex);
  const TRect& client = data_.FormInfo().ClientRect;
  const QRgb background = data_.Picture().pixel(client.Left + 20, client.Top + 20);
  for (const TRect* r : {&check.CheckImageRect, &check.UnCheckImageRect,
                         &check.ActiveCheckImageRect, &check.UnEnabledCheckImageRect})
    EXPECT_EQ(controls.pixel(r->Left, r->Bottom - 1), background);
}

}  // namespace
}  // namespace lumora
