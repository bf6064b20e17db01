#include "skin/data/skin_registry.h"

#include <gtest/gtest.h>

#include <set>

#include "base/exception.h"
#include "skin/data/control_data_other.h"
#include "skin/data/skin_window_data.h"

namespace lumora {
namespace {

TskIniFile Ini(const std::string& text) {
  TStringList l;
  l.SetText(text);
  return TskIniFile(l);
}

TEST(SkinRegistry, SplitsValuesAtTheFirstColon) {
  struct Row {
    const char* value;
    const char* name;
    const char* type;
    const char* what;
  } rows[] = {
      {"groupbox:panel", "groupbox", "panel", "plain"},
      {"a:b:c", "a", "b:c", "first colon splits"},
      {"nocolon", "", "", "no colon: both empty"},
      {":edit", "", "edit", "empty name"},
      {"x:", "x", "", "empty type"},
  };
  for (const Row& r : rows) {
    TskRegistryEntry e = SplitRegistryValue(r.value);
    EXPECT_EQ(e.Name, r.name) << r.what;
    EXPECT_EQ(e.Type, r.type) << r.what;
  }
}

TEST(SkinRegistry, CreatesClassesByExactTypeAndSkipsUnknownOnes) {
  TskIniFile ini =
      Ini("[SKINCONTROLS]\r\ncount=6\r\n0=button:button\r\n1=appmenu:appmenu\r\n"
          "2=groupbox:panel\r\n3=Big:Panel\r\n4=vscrollbar:scrollbar\r\n5=odd\r\n"
          "[GROUPBOX]\r\ncaptionrect=2,1,56,16\r\nbuttonrect=1,1,5,5\r\nbuttontransparent=1\r\n");
  auto list = ReadSkinControls(ini);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_STREQ(list[0]->ClassName(), "TskDataSkinButtonControl");
  EXPECT_EQ(list[1]->IDName, "groupbox");
  auto* panel = dynamic_cast<TskDataSkinPanelControl*>(list[1].get());
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->CaptionRect, (TRect{2, 1, 56, 16}));  // its section, found ignoring case
  EXPECT_STREQ(list[2]->ClassName(), "TskDataSkinScrollBarControl");
}

TEST(SkinRegistry, VisitsOnlyPresentKeysInIndexOrder) {
  TskIniFile ini =
      Ini("[SKINOBJECTS]\r\n5=late:caption\r\n0=first:stdbutton\r\n12=beyond:caption\r\n"
          "05=padded:caption\r\ncount=10\r\n0=dup:caption\r\n");
  auto entries = ReadRegistry(ini, "SKINOBJECTS");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Name, "first");  // the first of duplicate keys
  EXPECT_EQ(entries[1].Name, "late");

  // A huge count with few keys costs nothing.
  TskIniFile huge = Ini("[SKINOBJECTS]\r\ncount=2147483647\r\n0=a:caption\r\n");
  EXPECT_EQ(ReadSkinObjects(huge).size(), 1u);
}

TEST(SkinRegistry, MalformedRectangleEndsTheReadWithConvertError) {
  TskIniFile ini =
      Ini("[SKINCONTROLS]\r\ncount=1\r\n0=button:button\r\n[button]\r\nskinrect=1,2\r\n");
  EXPECT_THROW(ReadSkinControls(ini), EConvertError);
}

// Sets every key of a data object to a value of its own, unlike any
// default, so that a round trip shows which keys read and write agree.
class Filler : public TskKeyVisitor {
 public:
  void Integer(const char*, int32_t& v, int32_t) override { v = ++n_ * 3; }
  void Color(const char*, TColor& v, TColor) override {
    v = (++n_ % 2) ? 0xFF000000u | n_ : static_cast<TColor>(n_ * 1000);
  }
  void Boolean(const char*, bool& v) override { v = true; }
  void Point(const char*, TPoint& v) override { v = {++n_, ++n_}; }
  void Rect(const char*, TRect& v) override { v = {++n_, ++n_, ++n_ + 50, ++n_ + 50}; }
  void Text(const char*, std::string& v, const char*) override { v = "t" + std::to_string(++n_); }
  void FontStyle(const char*, TFontStyles& v) override {
    v = static_cast<TFontStyles>(++n_ % 15 + 1);
  }
  void StretchType(const char*, TskStretchType& v) override { v = (++n_ % 2) ? stHorz : stVert; }
  void Alignment(const char*, TAlignment& v) override {
    v = (++n_ % 2) ? taLeftJustify : taRightJustify;
  }
  void MorphKind(const char*, TskMorphKind& v) override {
    v = static_cast<TskMorphKind>(++n_ % 6 + 1);
  }
  void InactiveEffect(const char*, TskInactiveEffect& v) override {
    v = static_cast<TskInactiveEffect>(++n_ % 5 + 1);
  }
  void Command(const char*, TskFrameCommand& v) override {
    v = static_cast<TskFrameCommand>(++n_ % 7);
  }

 private:
  int32_t n_ = 0;
};

// Collects the key names a class visits.
class KeyNames : public TskKeyVisitor {
 public:
  std::vector<std::string> keys;
  void Integer(const char* k, int32_t&, int32_t) override { keys.push_back(k); }
  void Color(const char* k, TColor&, TColor) override { keys.push_back(k); }
  void Boolean(const char* k, bool&) override { keys.push_back(k); }
  void Point(const char* k, TPoint&) override { keys.push_back(k); }
  void Rect(const char* k, TRect&) override { keys.push_back(k); }
  void Text(const char* k, std::string&, const char*) override { keys.push_back(k); }
  void FontStyle(const char* k, TFontStyles&) override { keys.push_back(k); }
  void StretchType(const char* k, TskStretchType&) override { keys.push_back(k); }
  void Alignment(const char* k, TAlignment&) override { keys.push_back(k); }
  void MorphKind(const char* k, TskMorphKind&) override { keys.push_back(k); }
  void InactiveEffect(const char* k, TskInactiveEffect&) override { keys.push_back(k); }
  void Command(const char* k, TskFrameCommand&) override { keys.push_back(k); }
};

std::string Written(const TskKeyedData& d) {
  TskIniFile ini;
  d.WriteData(ini);
  return ini.GetStrings().Text();
}

std::vector<std::unique_ptr<TskKeyedData>> EveryRegistryClass() {
  std::vector<std::unique_ptr<TskKeyedData>> all;
  for (const std::string& t : SkinObjectTypes()) all.push_back(CreateSkinObject(t, "sec"));
  for (const std::string& t : SkinControlTypes()) all.push_back(CreateSkinControl(t, "sec"));
  return all;
}

TEST(SkinDataClasses, EveryTypeMapsToItsOwnClass) {
  std::set<std::string> classes;
  for (const auto& d : EveryRegistryClass()) classes.insert(d->ClassName());
  EXPECT_EQ(classes.size(), SkinObjectTypes().size() + SkinControlTypes().size());
  EXPECT_EQ(SkinControlTypes().size(), 28u);
  EXPECT_EQ(SkinObjectTypes().size(), 8u);
  EXPECT_EQ(SkinControlTypeOf("TskDataSkinPanelControl"), "panel");
  EXPECT_EQ(SkinObjectTypeOf("TskDataSkinMainMenuBarItem"), "mainmenubaritem");
}

TEST(SkinDataClasses, NewObjectsHoldTheDefaultsOfAMissingSection) {
  TskIniFile empty;
  for (const auto& fresh : EveryRegistryClass()) {
    std::string before = Written(*fresh);
    fresh->ReadData(empty);
    EXPECT_EQ(Written(*fresh), before) << fresh->ClassName();
  }
}

TEST(SkinDataClasses, WriteThenReadGivesBackEveryKey) {
  auto sources = EveryRegistryClass();
  auto targets = EveryRegistryClass();
  for (size_t i = 0; i < sources.size(); ++i) {
    Filler fill;
    sources[i]->VisitKeys(fill);
    // An animation never morphs, whatever its section says.
    if (auto* anim = dynamic_cast<TskDataSkinAnimate*>(sources[i].get())) anim->Morphing = false;
    TskIniFile ini;
    sources[i]->WriteData(ini);
    targets[i]->ReadData(TskIniFile(ini.GetStrings()));
    EXPECT_EQ(Written(*targets[i]), Written(*sources[i])) << sources[i]->ClassName();
  }
}

TEST(SkinDataClasses, NoClassVisitsAKeyTwice) {
  for (const auto& d : EveryRegistryClass()) {
    KeyNames names;
    d->VisitKeys(names);
    std::set<std::string> unique(names.keys.begin(), names.keys.end());
    EXPECT_EQ(unique.size(), names.keys.size()) << d->ClassName();
  }
}

TEST(SkinDataClasses, WriteErasesTheOldSection) {
  TskIniFile ini = Ini("[sec]\r\nstale=1\r\nskinrect=9,9,9,9\r\n");
  TskDataUserObject o("sec");
  o.SkinRect = {1, 2, 3, 4};
  o.WriteData(ini);
  EXPECT_EQ(ini.GetStrings().Text(), "[sec]\r\nskinrect=1,2,3,4\r\n");
}

TEST(FrameObjects, KeyRules) {
  TskIniFile ini =
      Ini("[close]\r\ncommand=cmclose\r\ndisableskinrsect=1,2,3,4\r\nhint=Close\r\n"
          "[blank]\r\ncommand=\r\n"
          "[anim]\r\nmorphing=1\r\ncountframes=x\r\n"
          "[user]\r\nskinrect=5,6,7,8\r\nhint=not read\r\nactivepictureindex=3\r\n"
          "[item]\r\ncheckimagerect=1,1,9,9\r\nactivecheckimagerect=0,0,0,5\r\n"
          "radioimagerect=2,2,8,8\r\nactiveradioimagerect=3,3,7,7\r\n");
  TskDataSkinStdButton close("close"), blank("blank"), missing("nothing");
  close.ReadData(ini);
  blank.ReadData(ini);
  missing.ReadData(ini);
  EXPECT_EQ(close.Command, cmClose);
  EXPECT_EQ(close.DisableSkinRect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(close.Hint, "Close");
  EXPECT_EQ(blank.Command, cmMinimizeToTray);  // an empty word is "any other value"
  EXPECT_EQ(missing.Command, cmDefault);

  TskDataSkinAnimate anim("anim");
  anim.ReadData(ini);
  EXPECT_FALSE(anim.Morphing);     // forced off
  EXPECT_EQ(anim.CountFrames, 1);  // unparsable: the default
  EXPECT_EQ(anim.TimerInterval, 50);

  TskDataUserObject user("user");
  user.ReadData(ini);
  EXPECT_EQ(user.SkinRect, (TRect{5, 6, 7, 8}));
  EXPECT_EQ(user.Hint, "");
  EXPECT_EQ(user.ActivePictureIndex, -1);

  TskDataSkinMenuItem item("item");
  item.ReadData(ini);
  EXPECT_EQ(item.ActiveCheckImageRect, (TRect{1, 1, 9, 9}));  // empty: takes the normal one
  EXPECT_EQ(item.ActiveRadioImageRect, (TRect{3, 3, 7, 7}));  // given: kept
  EXPECT_EQ(item.ActiveArrowImageRect, TRect{});
}

TEST(ControlData, DefaultsThatDifferFromZero) {
  TskIniFile ini =
      Ini("[stdlabel]\r\nfontcolor=5\r\n[richedit]\r\npictureindex=-1\r\nbgcolor=16777215\r\n");
  TskDataSkinStdLabelControl label("stdlabel");
  label.ReadData(ini);
  EXPECT_EQ(label.ActiveFontColor, 16711680u);  // pure blue when missing
  EXPECT_EQ(label.FontColor, 5u);
  EXPECT_EQ(label.FontName, "Arial");
  EXPECT_EQ(label.FontHeight, 14);

  TskDataSkinRichEdit rich("richedit");
  rich.ReadData(ini);
  EXPECT_EQ(rich.PictureIndex, -1);
  EXPECT_EQ(rich.BGColor, 16777215u);

  TskDataSkinPanelControl panel("nosection");
  panel.ReadData(ini);
  EXPECT_EQ(panel.StretchType, stFull);  // missing: both directions
  EXPECT_EQ(panel.Alignment, taCenter);
  EXPECT_EQ(panel.BGPictureIndex, -1);

  TskDataSkinControlBar bar("nosection");
  bar.ReadData(ini);
  EXPECT_EQ(bar.ItemOffset1, 3);
  TskDataSkinListBox list("nosection");
  list.ReadData(ini);
  EXPECT_EQ(list.VScrollBarName, "vscrollbar");
  EXPECT_EQ(list.BothHScrollBarName, "bothhscrollbar");
}

TEST(ControlData, ScrollBarReadsItsOwnAndInheritedKeys) {
  TskIniFile ini =
      Ini("[vscrollbar]\r\npictureindex=4\r\nskinrect=10,20,30,120\r\nlefttoppoint=0,5\r\n"
          "topstretch=1\r\nstretchtype=stvert\r\nthumbminsize=10\r\nthumbminpagesize=15\r\n"
          "thumboffset1=3\r\nthumboffset2=3\r\nthumbrect=1,2,3,4\r\nthumbtransparent=1\r\n");
  TskDataSkinScrollBarControl sb("vscrollbar");
  sb.ReadData(ini);
  EXPECT_EQ(sb.PictureIndex, 4);
  EXPECT_EQ(sb.SkinRect, (TRect{10, 20, 30, 120}));
  EXPECT_EQ(sb.LTPoint, (TPoint{0, 5}));
  EXPECT_TRUE(sb.TopStretch);
  EXPECT_EQ(sb.StretchType, stVert);
  EXPECT_EQ(sb.ThumbMinSize, 10);
  EXPECT_EQ(sb.ThumbMinPageSize, 15);
  EXPECT_EQ(sb.ThumbOffset1 + sb.ThumbOffset2, 6);
  EXPECT_EQ(sb.ThumbRect, (TRect{1, 2, 3, 4}));
  EXPECT_TRUE(sb.ThumbTransparent);
}

TEST(WindowData, FormInfoPostProcessing) {
  const std::string corners =
      "lefttoppoint=10,20\r\nrighttoppoint=90,20\r\nleftbottompoint=10,80\r\n"
      "rightbottompoint=90,80\r\n";
  struct Row {
    std::string text;
    TRect mask_area;
    TPoint hit_lt, hit_rb;
    TPoint lt, rt, lb, rb;
    const char* what;
  } rows[] = {
      {"[PICTURES]\r\nmask=m.bmp\r\n[FORMINFO]\r\n" + corners + "clientrect=15,25,85,75\r\n",
       {15, 25, 85, 75},
       {10, 20},
       {90, 80},
       {15, 25},
       {85, 25},
       {15, 75},
       {85, 75},
       "empty mask area takes the client rect; unset hit points take the corners; clamped"},
      {"[PICTURES]\r\nmask=m.bmp\r\n[FORMINFO]\r\n" + corners +
           "clientrect=5,25,85,95\r\nmaskrectarea=8,8,50,50\r\nhittestlefttoppoint=3,0\r\n"
           "hittestrightbottompoint=4,4\r\n",
       {5, 8, 85, 95},
       {10, 20},
       {4, 4},
       {10, 25},
       {85, 25},
       {10, 80},
       {85, 80},
       "mask area widened; a point with y 0 counts as unset; a set point stays"},
      {"[PICTURES]\r\nmask=\r\n[FORMINFO]\r\n" + corners + "clientrect=0,0,200,200\r\n",
       {},
       {},
       {},
       {10, 20},
       {90, 20},
       {10, 80},
       {90, 80},
       "no mask: hit points and mask area stay as read"},
      {"[FORMINFO]\r\nlefttoppoint=10,20\r\nrightbottompoint=10,80\r\nclientrect=15,25,85,75\r\n",
       {},
       {},
       {},
       {10, 20},
       {0, 0},
       {0, 0},
       {10, 80},
       "right-bottom shares x with left-top: no clamping"},
  };
  for (const Row& r : rows) {
    TskFormInfo f;
    f.ReadData(Ini(r.text));
    EXPECT_EQ(f.MaskRectArea, r.mask_area) << r.what;
    EXPECT_EQ(f.HitTestLTPoint, r.hit_lt) << r.what;
    EXPECT_EQ(f.HitTestRBPoint, r.hit_rb) << r.what;
    EXPECT_EQ(f.LTPoint, r.lt) << r.what;
    EXPECT_EQ(f.RTPoint, r.rt) << r.what;
    EXPECT_EQ(f.LBPoint, r.lb) << r.what;
    EXPECT_EQ(f.RBPoint, r.rb) << r.what;
  }
}

TEST(WindowData, InactiveEffectEmptyAndMissing) {
  TskFormInfo empty_value, missing;
  empty_value.ReadData(Ini("[FORMINFO]\r\ninactiveeffect=\r\n"));
  missing.ReadData(Ini("[FORMINFO]\r\n"));
  EXPECT_EQ(empty_value.InActiveEffect, ieGrayscale);
  EXPECT_EQ(missing.InActiveEffect, ieBrightness);
}

TEST(WindowData, HintFontAndSkinColorDefaults) {
  TskDataSkinHintWindow hint;
  EXPECT_EQ(hint.FontHeight, 12);  // before any skin
  hint.ReadData(TskIniFile());
  EXPECT_EQ(hint.FontHeight, 14);  // the reader's default
  EXPECT_EQ(hint.FontName, "Arial");

  TskSkinColors colors;
  EXPECT_EQ(colors.cBtnFace, 0u);  // new: all 0
  colors.ReadData(Ini("[SKINCOLORS]\r\ncbtnface=15263459\r\n"));
  EXPECT_EQ(colors.cBtnFace, 15263459u);
  EXPECT_EQ(colors.cBtnText, 0xFF000012u);
  EXPECT_EQ(colors.cBtnShadow, 0xFF000010u);
  colors.ResetDefaults();
  EXPECT_EQ(colors.cBtnFace, 0xFF00000Fu);
  EXPECT_EQ(colors.cWindow, 0xFF000005u);
  EXPECT_EQ(colors.cWindowText, 0xFF000008u);
  EXPECT_EQ(colors.cHighLight, 0xFF00000Du);
  EXPECT_EQ(colors.cHighLightText, 0xFF00000Eu);
  EXPECT_EQ(colors.cBtnHighLight, 0xFF000014u);
}

TEST(SkinRegistry, WrittenRegistryReadsBack) {
  TskIniFile ini =
      Ini("[SKINCONTROLS]\r\ncount=2\r\n0=groupbox:panel\r\n1=memo:memo\r\n"
          "[groupbox]\r\ncaptionrect=2,1,56,16\r\nfontstyle=fsbold\r\n[memo]\r\nbgcolor=99\r\n");
  auto list = ReadSkinControls(ini);
  TskIniFile out;
  WriteSkinControls(out, list);
  auto again = ReadSkinControls(TskIniFile(out.GetStrings()));
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(again[0]->IDName, "groupbox");
  EXPECT_EQ(static_cast<TskDataSkinPanelControl&>(*again[0]).FontStyle, fsBold);
  EXPECT_EQ(static_cast<TskDataSkinMemoControl&>(*again[1]).BGColor, 99u);
}

}  // namespace
}  // namespace lumora
