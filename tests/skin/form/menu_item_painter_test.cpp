#include "skin/form/menu_item_painter.h"

#include <gtest/gtest.h>

#include <QDir>

#include "builtin_skin_fixture.h"
#include "skin/draw/colour.h"
#include "skin/form/menu_window_painter.h"

namespace lumora {
namespace {

constexpr int kItemWidth = 160;

// The first pixel of image inside r that differs from expected, saving the
// image for a look when there is one.
::testing::AssertionResult PixelIs(const QImage& image, int x, int y, QRgb expected) {
  const QRgb got = image.pixel(x, y) & 0xFFFFFF;
  if (got == (expected & 0xFFFFFF)) return ::testing::AssertionSuccess();
  image.save(QDir::temp().filePath(QStringLiteral("menu_item_failure.png")));
  return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex << got
                                       << ", expected " << (expected & 0xFFFFFF);
}

// How close the nearest pixel of r comes to colour (largest channel gap).
int NearestGap(const QImage& image, const TRect& r, TColor colour) {
  const QColor want = ToQColor(colour);
  int best = 256;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      const QColor c = image.pixelColor(x, y);
      best = std::min(best,
                      std::max({std::abs(c.red() - want.red()), std::abs(c.green() - want.green()),
                                std::abs(c.blue() - want.blue())}));
    }
  }
  return best;
}

// The opaque pixels of a skin piece (bottom-left colour transparent) appear
// in image with the piece's top-left at (x, y).
::testing::AssertionResult PieceDrawnAt(const QImage& image, const QImage& picture,
                                        const TRect& piece, int x, int y) {
  const QImage part = picture.copy(piece.Left, piece.Top, piece.Width(), piece.Height());
  const QRgb key = part.pixel(0, part.height() - 1) & 0xFFFFFF;
  int opaque = 0;
  for (int py = 0; py < part.height(); ++py) {
    for (int px = 0; px < part.width(); ++px) {
      const QRgb want = part.pixel(px, py) & 0xFFFFFF;
      if (want == key) continue;
      ++opaque;
      auto r = PixelIs(image, x + px, y + py, want);
      if (!r) return r;
    }
  }
  if (opaque == 0) return ::testing::AssertionFailure() << "the piece has no opaque pixel";
  return ::testing::AssertionSuccess();
}

class SkinnedMenuItem : public ::testing::Test {
 protected:
  TskMenuItemStyle Style() {
    TskMenuItemStyle style;
    style.skin = &mi;
    style.picture = &picture;
    style.font = SkinFont(mi.FontName, mi.FontHeight, mi.FontStyle);
    return style;
  }
  QImage Paint(const TskMenuItemFace& face, bool highlighted) {
    return PaintMenuItem(Style(), face, kItemWidth, mi.SkinRect.Height(), highlighted);
  }
  // The text rectangle of an item of kItemWidth.
  TRect Text() const {
    return {mi.TextRect.Left, mi.TextRect.Top, mi.TextRect.Right + kItemWidth - mi.SkinRect.Width(),
            mi.TextRect.Bottom};
  }

  test::BuiltinSkin skin;
  const TskDataSkinMenuItem& mi = skin.MenuItem();
  const QImage& picture = skin.MenuItemPicture();
};

TEST_F(SkinnedMenuItem, NormalAndHighlightedBackgroundsComeFromTheirRectangles) {
  TskMenuItemFace face;
  face.caption = QStringLiteral("复制");
  for (bool lit : {false, true}) {
    const QImage image = Paint(face, lit);
    const TRect& look = lit ? mi.ActiveSkinRect : mi.SkinRect;
    ASSERT_EQ(image.height(), look.Height());
    for (int y = 0; y < look.Height(); ++y) {
      // The kept ends of the look, left and right.
      EXPECT_TRUE(PixelIs(image, 1, y, picture.pixel(look.Left + 1, look.Top + y))) << lit;
      EXPECT_TRUE(PixelIs(image, kItemWidth - 2, y, picture.pixel(look.Right - 2, look.Top + y)))
          << lit;
    }
  }
}

TEST_F(SkinnedMenuItem, SeparatorIsTheDividerMadeTheItemsWidth) {
  TskMenuItemFace face;
  face.caption = QStringLiteral("-");
  const TRect& d = mi.DividerRect;
  const QImage image = PaintMenuItem(Style(), face, kItemWidth, d.Height(), false);
  for (int y = 0; y < d.Height(); ++y) {
    EXPECT_TRUE(PixelIs(image, 0, y, picture.pixel(d.Left, d.Top + y)));
    EXPECT_TRUE(PixelIs(image, kItemWidth - 1, y, picture.pixel(d.Right - 1, d.Top + y)));
  }
}

TEST_F(SkinnedMenuItem, TextTakesTheColourOfItsState) {
  TskMenuItemFace face;
  face.caption = QStringLiteral("全选");
  const TRect text = Text();
  EXPECT_LT(NearestGap(Paint(face, false), text, mi.FontColor), 40);
  EXPECT_LT(NearestGap(Paint(face, true), text, mi.ActiveFontColor), 40);
  face.enabled = false;
  const QImage disabled = Paint(face, false);
  EXPECT_LT(NearestGap(disabled, text, mi.UnEnabledFontColor), 40);
  EXPECT_GT(NearestGap(disabled, text, mi.FontColor), 40);
}

TEST_F(SkinnedMenuItem, OwnerDrawPaintsTheTextRectangleOverTheBackground) {
  TskMenuItemFace face;
  face.caption = QStringLiteral("复制");
  face.checked = true;  // its mark too is left to the handler
  face.hasSubmenu = true;
  std::vector<std::pair<bool, TRect>> calls;
  face.ownerDraw = [&](QPainter& canvas, bool lit, const TRect& r) {
    calls.emplace_back(lit, r);
    canvas.fillRect(r.Left, r.Top, r.Width(), r.Height(), canvas.pen().color());
  };
  for (bool lit : {false, true}) {
    const QImage image = Paint(face, lit);
    ASSERT_EQ(calls.size(), lit ? 2u : 1u);
    EXPECT_EQ(calls.back().first, lit);
    EXPECT_EQ(calls.back().second, Text());
    // The whole text rectangle in the state's text colour, the background's
    // kept ends around it.
    const TColor colour = lit ? mi.ActiveFontColor : mi.FontColor;
    const TRect t = Text();
    EXPECT_TRUE(PixelIs(image, t.Left, t.Top, ToQColor(colour).rgb()));
    EXPECT_TRUE(PixelIs(image, t.Right - 1, t.Bottom - 1, ToQColor(colour).rgb()));
    const TRect& look = lit ? mi.ActiveSkinRect : mi.SkinRect;
    EXPECT_TRUE(PixelIs(image, 1, 1, picture.pixel(look.Left + 1, look.Top + 1)));
  }
}

TEST_F(SkinnedMenuItem, ChecksAndRadiosUseTheirImagesCentredInTheImageRect) {
  TskMenuItemFace face;
  face.caption = QStringLiteral("开启");
  face.checked = true;
  struct Row {
    bool radio, lit;
    const TRect& piece;
  } rows[] = {{false, false, mi.CheckImageRect},
              {false, true, mi.ActiveCheckImageRect},
              {true, false, mi.RadioImageRect},
              {true, true, mi.ActiveRadioImageRect}};
  for (const Row& row : rows) {
    face.radio = row.radio;
    const QImage image = Paint(face, row.lit);
    const int x = mi.ImageRect.Left + (mi.ImageRect.Width() - row.piece.Width()) / 2;
    const int y = mi.ImageRect.Top + (mi.ImageRect.Height() - row.piece.Height()) / 2;
    EXPECT_TRUE(PieceDrawnAt(image, picture, row.piece, x, y))
        << "radio " << row.radio << " highlighted " << row.lit;
  }
}

TEST_F(SkinnedMenuItem, SubmenuArrowIsCentredLeftOfTheTextRectsEnd) {
  TskMenuItemFace face;
  face.caption = QStringLiteral("More");
  face.hasSubmenu = true;
  const TRect text = Text();
  for (bool lit : {false, true}) {
    const TRect& arrow = lit ? mi.ActiveArrowImageRect : mi.ArrowImageRect;
    const TRect area{text.Right - arrow.Width() - 5, text.Top, text.Right, text.Bottom};
    const int x = area.Left + (area.Width() - arrow.Width()) / 2;
    const int y = area.Top + (area.Height() - arrow.Height()) / 2;
    EXPECT_TRUE(PieceDrawnAt(Paint(face, lit), picture, arrow, x, y)) << lit;
  }
}

TEST_F(SkinnedMenuItem, HeaderIsDrawnWithTheHeaderControlStretchedToTheItem) {
  TskDataSkinLabelControl header("menuheader");
  header.PictureIndex = 0;
  header.SkinRect = {2, 2, 12, 12};
  header.LTPoint = {3, 3};
  header.RTPoint = {7, 3};
  header.LBPoint = {3, 7};
  header.RBPoint = {7, 7};
  header.ClientRect = {3, 3, 7, 7};
  QImage headerPicture(14, 14, QImage::Format_RGB32);
  headerPicture.fill(qRgb(0, 0, 255));
  headerPicture.setPixel(2, 2, qRgb(255, 0, 0));    // top-left corner
  headerPicture.setPixel(11, 11, qRgb(0, 255, 0));  // bottom-right corner
  TskMenuItemStyle style = Style();
  style.header = &header;
  style.headerPicture = &headerPicture;
  TskMenuItemFace face;
  face.caption = QStringLiteral("-Edit-");
  face.enabled = false;
  const int h = mi.SkinRect.Height();
  const QImage image = PaintMenuItem(style, face, kItemWidth, h, false);
  EXPECT_TRUE(PixelIs(image, 0, 0, qRgb(255, 0, 0)));
  EXPECT_TRUE(PixelIs(image, kItemWidth - 1, h - 1, qRgb(0, 255, 0)));
  EXPECT_TRUE(PixelIs(image, kItemWidth - 1, 0, qRgb(0, 0, 255)));
}

class DefaultMenuItem : public ::testing::Test {
 protected:
  QImage Paint(const TskMenuItemFace& face, bool highlighted) {
    TskMenuItemStyle style;
    style.font.setPixelSize(14);
    return PaintMenuItem(style, face, kItemWidth, kHeight, highlighted);
  }
  static QRgb Sys(int index) { return ToQColor(SystemColour(index)).rgb(); }
  static constexpr int kHeight = 20;
  static constexpr int kG = 19;
};

TEST_F(DefaultMenuItem, HighlightIsANavyFrameAroundTheLightFill) {
  TskMenuItemFace face;
  face.caption = QStringLiteral("Copy");
  const QImage lit = Paint(face, true);
  const QRgb navy = qRgb(0, 0, 128), fill = qRgb(182, 189, 210);
  EXPECT_TRUE(PixelIs(lit, 0, 0, navy));
  EXPECT_TRUE(PixelIs(lit, kItemWidth - 1, kHeight - 1, navy));
  EXPECT_TRUE(PixelIs(lit, 1, 1, fill));
  EXPECT_TRUE(PixelIs(lit, kItemWidth - 2, kHeight - 2, fill));
  const QImage normal = Paint(face, false);
  EXPECT_TRUE(PixelIs(normal, 1, 1, Sys(scBtnFace)));
  EXPECT_TRUE(PixelIs(normal, kG, 1, Sys(5)));
}

TEST_F(DefaultMenuItem, SeparatorIsAShadowLineFromTheGlyphColumn) {
  TskMenuItemFace face;
  face.caption = QStringLiteral("-");
  const QImage image = PaintMenuItem(TskMenuItemStyle{}, face, kItemWidth, 4, true);
  EXPECT_TRUE(PixelIs(image, kG, 2, Sys(scBtnShadow)));
  EXPECT_TRUE(PixelIs(image, kItemWidth - 1, 2, Sys(scBtnShadow)));
  EXPECT_TRUE(PixelIs(image, kG - 1, 2, Sys(scBtnFace)));
  EXPECT_TRUE(PixelIs(image, kG, 1, Sys(5)));
}

TEST_F(DefaultMenuItem, DisabledDashedCaptionIsAHeader) {
  TskMenuItemFace face;
  face.caption = QStringLiteral("-Tools-");
  face.enabled = false;
  ASSERT_TRUE(face.IsHeader());
  const QImage image = Paint(face, false);
  EXPECT_TRUE(PixelIs(image, 1, 1, Sys(scBtnShadow)));
  EXPECT_TRUE(PixelIs(image, kItemWidth - 2, 1, Sys(scBtnShadow)));
  face.enabled = true;
  EXPECT_FALSE(face.IsHeader());
}

TEST_F(DefaultMenuItem, CheckMarkAndArrowSitAtTheirPlaces) {
  TskMenuItemFace face;
  face.caption = QStringLiteral("Wrap");
  face.checked = true;
  face.hasSubmenu = true;
  const QImage image = Paint(face, false);
  const QRgb text = Sys(8);
  const int c = kHeight / 2;
  // The first stroke of the check mark starts at (5, centre - 4 + 5).
  EXPECT_TRUE(PixelIs(image, 5, c + 1, text));
  // The arrow's widest column is at width - 9, from centre - 4 down 7 rows.
  EXPECT_TRUE(PixelIs(image, kItemWidth - 9, c - 4, text));
  EXPECT_TRUE(PixelIs(image, kItemWidth - 9, c + 2, text));
  EXPECT_TRUE(PixelIs(image, kItemWidth - 6, c - 1, text));
  EXPECT_TRUE(PixelIs(image, kItemWidth - 6, c - 2, Sys(5)));
}

}  // namespace
}  // namespace lumora
