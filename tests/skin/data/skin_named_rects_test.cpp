// Named rectangles of a description, as the preview and the art see them.

#include <gtest/gtest.h>

#include "skin/data/skin_named_rects.h"

namespace lumora {
namespace {

const SkinNamedRect* Find(const std::vector<SkinNamedRect>& rects, const std::string& section,
                          const std::string& key) {
  for (const SkinNamedRect& r : rects)
    if (r.Section == section && r.Key == key) return &r;
  return nullptr;
}

TEST(SkinLayout, PlacesRelativeKeysInPicturePixels) {
  TStringList lines;
  lines.SetText(
      "[PICTURES]\r\npicture=main.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"
      "[FORMINFO]\r\nclientrect=3,20,97,77\r\n"
      "[SKINOBJECTS]\r\ncount=2\r\n0=closebutton:stdbutton\r\n1=caption:caption\r\n"
      "[closebutton]\r\nactivepictureindex=0\r\nskinrectinapicture=1\r\nskinrect=5,6,15,16\r\n"
      "[caption]\r\nskinrect=1,1,90,19\r\ntextrect=4,0,50,18\r\n"
      "[SKINCONTROLS]\r\ncount=3\r\n0=button:button\r\n1=stdlabel:stdlabel\r\n2=edit:edit\r\n"
      "[button]\r\npictureindex=1\r\nskinrect=10,20,30,40\r\nclientrect=1,2,19,18\r\n"
      "activeskinrect=10,40,30,60\r\n"
      "[stdlabel]\r\npictureindex=-1\r\n"
      "[edit]\r\nskinrect=0,0,20,20\r\n");
  const SkinDescription d = ReadSkinDescription(lines);
  const std::vector<SkinNamedRect> rects = NamedRectangles(d);

  const SkinNamedRect* client = Find(rects, "button", "clientrect");
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(client->Picture, 1);
  EXPECT_TRUE(client->Relative);
  EXPECT_EQ(client->Rect, (TRect{11, 22, 29, 38}));
  const SkinNamedRect* active = Find(rects, "button", "activeskinrect");
  ASSERT_NE(active, nullptr);
  EXPECT_FALSE(active->Relative);
  EXPECT_EQ(active->Rect, (TRect{10, 40, 30, 60}));
  // Empty keys are left out; so are controls without a picture.
  EXPECT_EQ(Find(rects, "button", "focusedskinrect"), nullptr);
  EXPECT_EQ(Find(rects, "edit", "skinrect"), nullptr);
  // Frame objects: own picture, or the main picture.
  EXPECT_EQ(Find(rects, "closebutton", "skinrect")->Picture, 0);
  const SkinNamedRect* text = Find(rects, "caption", "textrect");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Picture, kMainPictureId);
  EXPECT_EQ(text->Rect, (TRect{5, 1, 51, 19}));
  EXPECT_EQ(Find(rects, "FORMINFO", "clientrect")->Picture, kMainPictureId);
}

TEST(SkinLayout, KeepsAnUnregisteredRollUpButton) {
  TStringList lines;
  lines.SetText(
      "[SKINOBJECTS]\r\ncount=0\r\n[rollupbutton]\r\ncommand=cmrollup\r\nactivepictureindex=0\r\n"
      "skinrectinapicture=1\r\nskinrect=0,0,4,4\r\n");
  const SkinDescription d = ReadSkinDescription(lines);
  ASSERT_NE(d.SpareRollUpButton, nullptr);
  EXPECT_EQ(d.SpareRollUpButton->Command, cmRollUp);
  EXPECT_NE(Find(NamedRectangles(d), "rollupbutton", "skinrect"), nullptr);
  // The program reads only what its registry lists.
  EXPECT_EQ(ReadSkinDescription(TskIniFile(lines)).SpareRollUpButton, nullptr);
}

}  // namespace
}  // namespace lumora
