#include "skin/data/skin_values.h"

#include <gtest/gtest.h>

#include "base/exception.h"

namespace lumora {
namespace {

TEST(SkinValues, Integers) {
  struct Row {
    const char* text;
    int32_t expected;
    const char* what;
  } rows[] = {
      {"42", 42, "decimal"},
      {"-7", -7, "negative"},
      {"$1F", 31, "hex after $"},
      {"0x10", 16, "hex after 0x"},
      {"", 99, "empty gives the default"},
      {"12px", 99, "trailing letters give the default"},
      {"99999999999", 99, "out of range gives the default"},
  };
  for (const Row& r : rows) EXPECT_EQ(ParseSkinInteger(r.text, 99), r.expected) << r.what;
}

TEST(SkinValues, Colors) {
  struct Row {
    const char* text;
    TColor expected;
    const char* what;
  } rows[] = {
      {"16777215", 0xFFFFFF, "white, decimal"},
      {"$FF00000F", 0xFF00000F, "system colour in hex"},
      {"-16777201", 0xFF00000F, "system colour as a signed decimal"},
      {"red", 7, "a word gives the default"},
      {"$1FFFFFFFF", 7, "more than 32 bits gives the default"},
  };
  for (const Row& r : rows) EXPECT_EQ(ParseSkinColor(r.text, 7), r.expected) << r.what;
  EXPECT_EQ(ParseSkinColor(FormatSkinColor(0xFF000014), 0), 0xFF000014u);
}

TEST(SkinValues, Booleans) {
  struct Row {
    const char* text;
    bool expected;
    const char* what;
  } rows[] = {
      {"1", true, "1 is true"},           {"0", false, "0 is false"},    {"2", false, "2 is false"},
      {"true", false, "a word is false"}, {"", false, "empty is false"}, {"$1", true, "hex 1 is 1"},
  };
  for (const Row& r : rows) EXPECT_EQ(ParseSkinBoolean(r.text), r.expected) << r.what;
}

TEST(SkinValues, PointsAndRectangles) {
  struct Row {
    const char* text;
    TRect expected;
    const char* what;
  } rects[] = {
      {"567,299,645,321", {567, 299, 645, 321}, "plain"},
      {" 1 , 2 ,3, 4 ", {1, 2, 3, 4}, "blanks dropped"},
      {"-5,7,-1,2", {5, 7, 1, 2}, "minus signs dropped"},
      {"1,2,3,4,5,6", {1, 2, 3, 4}, "extra numbers ignored"},
      {"1a2,3,4,5", {12, 3, 4, 5}, "letters inside a number dropped"},
  };
  for (const Row& r : rects) EXPECT_EQ(ParseSkinRect(r.text), r.expected) << r.what;

  EXPECT_EQ(ParseSkinPoint(" 3 , 4 "), (TPoint{3, 4}));
  EXPECT_EQ(ParseSkinPoint("-5,7"), (TPoint{5, 7}));
  EXPECT_EQ(ParseSkinPoint("8,9,10"), (TPoint{8, 9}));

  const char* bad_rects[] = {
      "1,2,3",              // too few numbers
      "",                   // nothing
      "1,,3,4",             // an empty number
      "1,2,3,x",            // a number without digits
      "1,2,3,99999999999",  // out of range
  };
  for (const char* text : bad_rects) EXPECT_THROW(ParseSkinRect(text), EConvertError) << text;
  EXPECT_THROW(ParseSkinPoint("5"), EConvertError);
  EXPECT_THROW(ParseSkinPoint("-,7"), EConvertError);
}

TEST(SkinValues, FontStyles) {
  struct Row {
    const char* text;
    TFontStyles expected;
    const char* what;
  } rows[] = {
      {"fsbold", fsBold, "bold only"},
      {"", 0, "empty is no style"},
      {"FSBOLD", 0, "capitals do not match"},
      {"fsitalic,fsunderline", fsItalic | fsUnderline, "a list"},
      {"xfsstrikeoutx", fsStrikeOut, "a plain substring test"},
      {"fsstrikeout,fsbold,fsitalic,fsunderline", fsBold | fsItalic | fsUnderline | fsStrikeOut,
       "all four in any order"},
  };
  for (const Row& r : rows) EXPECT_EQ(ParseFontStyle(r.text), r.expected) << r.what;
  EXPECT_EQ(FormatFontStyle(fsStrikeOut | fsBold), "fsbold,fsstrikeout");
}

TEST(SkinValues, EnumerationWords) {
  struct Row {
    const char* text;
    int stretch, align, morph, effect, command;
    const char* what;
  } rows[] = {
      {"stfull", stFull, taRightJustify, mkDefault, ieGrayscale, cmMinimizeToTray, "stfull"},
      {"sthorz", stHorz, taRightJustify, mkDefault, ieGrayscale, cmMinimizeToTray, "sthorz"},
      {"stvert", stVert, taRightJustify, mkDefault, ieGrayscale, cmMinimizeToTray, "stvert"},
      {"Stvert", stHorz, taRightJustify, mkDefault, ieGrayscale, cmMinimizeToTray, "capital"},
      {"", stHorz, taRightJustify, mkDefault, ieGrayscale, cmMinimizeToTray, "empty value"},
      {"tacenter", stHorz, taCenter, mkDefault, ieGrayscale, cmMinimizeToTray, "centre"},
      {"taleftjustify", stHorz, taLeftJustify, mkDefault, ieGrayscale, cmMinimizeToTray, "left"},
      {"mkpush", stHorz, taRightJustify, mkPush, ieGrayscale, cmMinimizeToTray, "last morph"},
      {"mkgradient", stHorz, taRightJustify, mkGradient, ieGrayscale, cmMinimizeToTray, "morph"},
      {"ieinvert", stHorz, taRightJustify, mkDefault, ieInvert, cmMinimizeToTray, "effect"},
      {"iebrightness", stHorz, taRightJustify, mkDefault, ieBrightness, cmMinimizeToTray, "first"},
      {"cmclose", stHorz, taRightJustify, mkDefault, ieGrayscale, cmClose, "close"},
      {"cmrollup", stHorz, taRightJustify, mkDefault, ieGrayscale, cmRollUp, "roll up"},
      {"cmdefault", stHorz, taRightJustify, mkDefault, ieGrayscale, cmDefault, "default"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(ParseStretchType(r.text), r.stretch) << r.what;
    EXPECT_EQ(ParseAlignment(r.text), r.align) << r.what;
    EXPECT_EQ(ParseMorphKind(r.text), r.morph) << r.what;
    EXPECT_EQ(ParseInactiveEffect(r.text), r.effect) << r.what;
    EXPECT_EQ(ParseCommand(r.text), r.command) << r.what;
  }
  // Every word written reads back as itself.
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(ParseMorphKind(MorphKindName(static_cast<TskMorphKind>(i))), i);
    EXPECT_EQ(ParseCommand(CommandName(static_cast<TskFrameCommand>(i))), i);
  }
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(ParseInactiveEffect(InactiveEffectName(static_cast<TskInactiveEffect>(i))), i);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(ParseStretchType(StretchTypeName(static_cast<TskStretchType>(i))), i);
    EXPECT_EQ(ParseAlignment(AlignmentName(static_cast<TAlignment>(i))), i);
  }
}

TEST(SkinValues, MissingKeysGiveDefaultsButEmptyValuesDoNot) {
  TStringList l;
  l.SetText("[S]\r\ninactiveeffect=\r\ncommand=\r\nstretchtype=\r\nrect=\r\n");
  TskIniFile ini(l);
  EXPECT_EQ(ReadSkinRect(ini, "S", "missing"), TRect{});
  EXPECT_EQ(ReadSkinPoint(ini, "S", "missing"), TPoint{});
  EXPECT_THROW(ReadSkinRect(ini, "S", "rect"), EConvertError);  // present but without digits
  EXPECT_EQ(ReadSkinInteger(ini, "S", "missing", 14), 14);
  EXPECT_EQ(ReadSkinColor(ini, "S", "missing", 0xFF00000F), 0xFF00000Fu);
  EXPECT_FALSE(ReadSkinBoolean(ini, "S", "missing"));
}

}  // namespace
}  // namespace lumora
