// Skin font heights: positive heights are the cell (ascent plus descent),
// negative ones the character height.
#include "skin/draw/skin_font.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace lumora {
namespace {

TEST(SkinFont, APositiveHeightIsTheLargestFontWhoseCellFits) {
  for (const char* face : {"Arial", "宋体", "MS Sans Serif"}) {
    for (int height : {8, 11, 12, 14, 20, 33}) {
      const QFont font = SkinFont(face, height, 0);
      EXPECT_LE(QFontMetrics(font).height(), height) << face << " " << height;
      QFont larger = font;
      larger.setPixelSize(font.pixelSize() + 1);
      EXPECT_GT(QFontMetrics(larger).height(), height) << face << " " << height;
    }
  }
}

TEST(SkinFont, ANegativeHeightIsTheCharacterHeight) {
  EXPECT_EQ(SkinFont("宋体", -12, 0).pixelSize(), 12);
  EXPECT_EQ(SkinFont("MS Sans Serif", -11, 0).pixelSize(), 11);
  EXPECT_EQ(SkinFont("Arial", 0, 0).pixelSize(), 1);
}

TEST(SkinFont, StyleFlagsAndTheCellRuleTogether) {
  const QFont bold = SkinFont("Arial", 14, fsBold | fsUnderline);
  EXPECT_TRUE(bold.bold());
  EXPECT_TRUE(bold.underline());
  EXPECT_FALSE(bold.italic());
  EXPECT_LE(QFontMetrics(bold).height(), 14);
  // The same height in another style is measured for that style.
  const QFont italic = SkinFont("Arial", 14, fsItalic | fsStrikeOut);
  EXPECT_TRUE(italic.italic());
  EXPECT_TRUE(italic.strikeOut());
  EXPECT_LE(QFontMetrics(italic).height(), 14);
}

}  // namespace
}  // namespace lumora
