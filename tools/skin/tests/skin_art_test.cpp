// The generator of the built-in skin's pictures.

#include <gtest/gtest.h>

#include <cstdlib>

#include "base/exception.h"
#include "builtin_skin.h"
#include "skin/data/stored_skin.h"
#include "skin_art.h"
#include "skin_commands.h"

namespace lumora {
namespace {

TStringList AssetDescription() {
  TStringList lines;
  lines.LoadFromFile(std::string(LUMORA_TEST_SOURCE_DIR) + "/assets/skin/skin.ini");
  return lines;
}

void Replace(TStringList& lines, const std::string& from, const std::string& to) {
  for (int i = 0; i < lines.Count(); ++i)
    if (lines[i] == from) {
      lines[i] = to;
      return;
    }
  FAIL() << "no line " << from;
}

TEST(SkinArt, DrawsTheSamePixelsEveryTime) {
  const TStringList lines = AssetDescription();
  const auto first = DrawSkinPictures(ReadSkinDescription(lines));
  const auto second = DrawSkinPictures(ReadSkinDescription(lines));
  ASSERT_EQ(first.size(), second.size());
  ASSERT_EQ(first.size(), 9u);
  for (size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(first[i].FileName, second[i].FileName);
    EXPECT_TRUE(first[i].Image == second[i].Image) << first[i].FileName;
  }
}

TEST(SkinArt, BuiltinBlockHoldsTheAssetsAndTheirArt) {
  TskCompressedStoredSkin stored;
  const std::string_view block = BuiltinSkinBlock();
  stored.CompressedStream().WriteBuffer(block.data(), static_cast<int64_t>(block.size()));
  const TskSkinContainer c = OpenSkinContainer(stored);
  const TStringList lines = AssetDescription();
  EXPECT_EQ(c.Lines.Items(), lines.Items());
  const auto art = DrawSkinPictures(ReadSkinDescription(lines));
  ASSERT_EQ(art.size(), 2 + c.ActivePictures.size());
  auto same = [](const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
  };
  EXPECT_TRUE(same(art[0].Image, c.Picture));
  EXPECT_TRUE(same(art[1].Image, c.Mask));
  for (size_t i = 0; i < c.ActivePictures.size(); ++i)
    EXPECT_TRUE(same(art[i + 2].Image, c.ActivePictures[i])) << art[i + 2].FileName;
}

TEST(SkinArt, RefusesARectangleOutsideItsPicture) {
  TStringList lines = AssetDescription();
  Replace(lines, "skinrect=330,0,410,60", "skinrect=480,0,560,60");
  try {
    DrawSkinPictures(ReadSkinDescription(lines));
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find("[groupbox] skinrect=480,0,560,60"), std::string::npos)
        << e.Message();
    EXPECT_NE(e.Message().find("controls.bmp"), std::string::npos) << e.Message();
  }
}

TEST(SkinArt, RefusesPicturesAndSectionsItCannotDraw) {
  TStringList unknown = AssetDescription();
  Replace(unknown, "4=controls.bmp", "4=other.bmp");
  EXPECT_THROW(DrawSkinPictures(ReadSkinDescription(unknown)), Exception);
  TStringList wrongKind = AssetDescription();
  Replace(wrongKind, "13=edit:edit", "13=edit:label");
  EXPECT_THROW(DrawSkinPictures(ReadSkinDescription(wrongKind)), Exception);
}

TEST(SkinArt, EmbeddedSourceIsRewrittenOnlyWhenTheBlockChanges) {
  const std::string path = ::testing::TempDir() + "embedded_block.cpp";
  WriteEmbeddedSkinSource(std::string_view("\x78\xDA\x01\xFF", 4), path);
  TStringList text;
  text.LoadFromFile(path);
  bool found = false;
  for (const std::string& line : text)
    if (line.find("120, 218, 1, 255,") != std::string::npos) found = true;
  EXPECT_TRUE(found) << text.Text();
}

TEST(SkinArt, IconIsTheCaptionMarkOfTheSkin) {
  const SkinDescription d = ReadSkinDescription(AssetDescription());
  const auto art = DrawSkinPictures(d);
  const auto* sys = d.FindObject("sysmenubutton");
  ASSERT_NE(sys, nullptr);
  const QImage& picture = art[2 + sys->ActivePictureIndex].Image;
  // At 20 pixels the icon is the 18-pixel mark unscaled, one pixel in; the
  // caption cell centres the same mark.
  const QImage icon = DrawAppIcon(20).convertToFormat(QImage::Format_ARGB32);
  const TRect& cell = sys->SkinRect;
  const int left = cell.Left + (cell.Width() - 18) / 2 - 1;
  const int top = cell.Top + (cell.Height() - 18) / 2 - 1;
  int opaque = 0;
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) {
      const QRgb own = icon.pixel(x, y);
      if (qAlpha(own) != 255) continue;
      ++opaque;
      ASSERT_EQ(own & 0xFFFFFF, picture.pixel(left + x, top + y) & 0xFFFFFF)
          << "icon pixel " << x << "," << y;
    }
  }
  EXPECT_GT(opaque, 18 * 18 / 2);
}

TEST(SkinArt, IconSizesKeepTheMarkInsideATransparentMargin) {
  for (int size : {48, 128, 256}) {
    const QImage icon = DrawAppIcon(size).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    // The arrows are white over the amber tile.
    const QRgb arrow = icon.pixel(size / 2, size * 15 / 40);
    EXPECT_EQ(arrow & 0xFFFFFF, 0xFFFFFFu) << size;
  }
}

}  // namespace
}  // namespace lumora
