#include "skin/draw/effect_bmp.h"
#include "skin/draw/fbitmap.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

namespace lumora {
namespace {

using Rgb = std::array<int, 3>;

// A bitmap of one row per inner vector, pixels given as (red, green, blue).
TskEffectBmp Bitmap(const std::vector<std::vector<Rgb>>& rows) {
  QImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
               QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      image.setPixel(x, y, qRgb(rows[y][x][0], rows[y][x][1], rows[y][x][2]));
    }
  }
  return TskEffectBmp(image);
}

// A one-row bitmap of grey levels.
TskEffectBmp Greys(const std::vector<int>& levels) {
  std::vector<Rgb> row;
  for (int v : levels) row.push_back({v, v, v});
  return Bitmap({row});
}

Rgb Pixel(const TskEffectBmp& b, int x, int y = 0) {
  const QRgb c = b.Image().pixel(x, y);
  return {qRed(c), qGreen(c), qBlue(c)};
}

std::vector<int> RedRow(const TskEffectBmp& b, int y = 0) {
  std::vector<int> out;
  for (int x = 0; x < b.Width(); ++x) out.push_back(Pixel(b, x, y)[0]);
  return out;
}

TEST(EffectBitmap, RowsAreBlueGreenRedPaddedToFourBytes) {
  TskEffectBmp b = Bitmap({{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}}});
  EXPECT_EQ(b.RowLength(), 3 * 5 + 5 % 4);
  EXPECT_EQ(b.Size(), b.RowLength() * b.Height());
  uint8_t row[15];
  b.CopyRowOut(0, row);
  EXPECT_EQ((std::vector<int>(row, row + 6)), (std::vector<int>{3, 2, 1, 6, 5, 4}));
  row[0] = 99;
  b.CopyRowIn(0, row);
  EXPECT_EQ(Pixel(b, 0), (Rgb{1, 2, 99}));
  EXPECT_EQ(b.RowAddress(1), nullptr);
  b.CopyRowIn(-1, row);  // ignored
}

TEST(InactiveEffects, WorkedValuesHoldExactly) {
  TskEffectBmp b = Bitmap({{{0, 0, 0}, {255, 255, 255}}});
  b.Brightness(0.5);
  EXPECT_EQ(Pixel(b, 0), (Rgb{128, 128, 128}));  // 127.5 rounds to the even 128
  EXPECT_EQ(Pixel(b, 1), (Rgb{255, 255, 255}));

  b = Greys({255});
  b.Darkness(0.3);  // 255 x (1 - 0.3) lies just above 178.5
  EXPECT_EQ(Pixel(b, 0), (Rgb{179, 179, 179}));

  b = Bitmap({{{255, 0, 0}}});
  b.Grayscale();  // 76.5 rounds to the even 76
  EXPECT_EQ(Pixel(b, 0), (Rgb{76, 76, 76}));

  b = Bitmap({{{0, 128, 255}}});
  b.Invert();
  EXPECT_EQ(Pixel(b, 0), (Rgb{255, 127, 0}));
}

TEST(InactiveEffects, GrayscaleWeighsRedGreenAndBlueSeparately) {
  TskEffectBmp b = Bitmap({{{0, 255, 0}, {0, 0, 255}, {10, 20, 30}}});
  b.Grayscale();
  EXPECT_EQ(Pixel(b, 0), (Rgb{150, 150, 150}));  // 150.45
  EXPECT_EQ(Pixel(b, 1), (Rgb{28, 28, 28}));     // 28.05
  EXPECT_EQ(Pixel(b, 2), (Rgb{18, 18, 18}));     // 3 + 11.8 + 3.3
}

TEST(InactiveEffects, FactorsAreClampedToZeroToOne) {
  TskEffectBmp b = Greys({100});
  b.Brightness(2.0);
  EXPECT_EQ(RedRow(b), (std::vector<int>{255}));
  b = Greys({100});
  b.Darkness(-1.0);
  EXPECT_EQ(RedRow(b), (std::vector<int>{100}));
}

TEST(InactiveEffects, NoiseAddsOneOffsetPerPixelWithinTheAmount) {
  std::vector<int> levels(400, 100);
  TskEffectBmp b = Greys(levels);
  b.Noise(50);
  int low = 255, high = 0;
  for (int x = 0; x < b.Width(); ++x) {
    const Rgb p = Pixel(b, x);
    ASSERT_EQ(p[0], p[1]);
    ASSERT_EQ(p[1], p[2]);
    low = std::min(low, p[0]);
    high = std::max(high, p[0]);
  }
  EXPECT_GE(low, 75);
  EXPECT_LE(high, 124);
  EXPECT_LT(low, high);
  TskEffectBmp edge = Greys({250, 3});
  edge.Noise(0);
  EXPECT_EQ(RedRow(edge), (std::vector<int>{250, 3}));
}

TEST(InactiveEffects, SplitBlurAveragesFourSamplesFromTheTopDown) {
  TskEffectBmp b = Bitmap({
      {{0, 0, 0}, {40, 0, 0}, {80, 0, 0}},
      {{120, 0, 0}, {160, 0, 0}, {200, 0, 0}},
      {{240, 0, 0}, {20, 0, 0}, {60, 0, 0}},
  });
  b.SplitBlur(1);
  // Row 0: above is row 0, below row 1; columns x-1 (or x) and x+1 (or 3-x).
  EXPECT_EQ(RedRow(b, 0), (std::vector<int>{(0 + 120 + 40 + 160) / 4, (0 + 120 + 80 + 200) / 4,
                                            (40 + 160 + 40 + 160) / 4}));
  // Row 1 samples the blurred row 0 above and row 2 below (y + 1 < 3).
  const std::vector<int> r0 = RedRow(b, 0);
  EXPECT_EQ(RedRow(b, 1)[0], (r0[0] + 240 + r0[1] + 20) / 4);
  EXPECT_EQ(RedRow(b, 1)[1], (r0[0] + 240 + r0[2] + 60) / 4);
}

TEST(InactiveEffects, SplitBlurOfTinyBitmapsStaysInside) {
  TskEffectBmp one = Greys({77});
  one.SplitBlur(1);
  EXPECT_EQ(RedRow(one), (std::vector<int>{77}));
  TskEffectBmp wide = Greys({10, 20, 30});
  wide.SplitBlur(5);
  EXPECT_EQ(wide.Width(), 3);
  TskEffectBmp same = Greys({10, 20});
  same.SplitBlur(0);
  EXPECT_EQ(RedRow(same), (std::vector<int>{10, 20}));
}

TEST(InactiveEffects, DispatchUsesTheEngineAmounts) {
  TskEffectBmp a = Greys({0, 200}), b = Greys({0, 200});
  a.ApplyInactiveEffect(ieBrightness);
  b.Brightness(0.5);
  EXPECT_EQ(RedRow(a), RedRow(b));
  a = Greys({255});
  a.ApplyInactiveEffect(ieDarkness);
  EXPECT_EQ(RedRow(a), (std::vector<int>{179}));
  a = Greys({9});
  a.ApplyInactiveEffect(ieInvert);
  EXPECT_EQ(RedRow(a), (std::vector<int>{246}));
}

TEST(Morphs, BlendEndsAtSelfAndOtherAndClampsProgress) {
  const TskEffectBmp other = Greys({200, 7, 255});
  TskEffectBmp b = Greys({10, 100, 0});
  b.Blend(other, 0.0);
  EXPECT_EQ(RedRow(b), (std::vector<int>{10, 100, 0}));
  b.Blend(other, 1.0);
  EXPECT_EQ(RedRow(b), (std::vector<int>{200, 7, 255}));
  b = Greys({10, 100, 0});
  b.Blend(other, 1.5);
  EXPECT_EQ(RedRow(b), (std::vector<int>{200, 7, 255}));
  b = Greys({10, 100, 0});
  b.Blend(other, 0.5);
  EXPECT_EQ(RedRow(b), (std::vector<int>{105, 54, 128}));  // 53.5 -> 54, 127.5 -> 128
}

TEST(Morphs, EveryTwoBitmapEffectLeavesSelfWhenSizesDiffer) {
  const TskEffectBmp other = Greys({200, 200, 200});
  using Effect = std::function<void(TskEffectBmp&)>;
  const std::vector<Effect> effects = {
      [&](TskEffectBmp& b) { b.Blend(other, 0.5); },
      [&](TskEffectBmp& b) { b.CentreGradient(other, 0.5); },
      [&](TskEffectBmp& b) { b.LeftGradient(other, 0.5); },
      [&](TskEffectBmp& b) { b.RightGradient(other, 0.5); },
      [&](TskEffectBmp& b) { b.LeftSlide(other, 0.5); },
      [&](TskEffectBmp& b) { b.RightSlide(other, 0.5); },
      [&](TskEffectBmp& b) { b.Push(other, 0.5); },
  };
  for (size_t i = 0; i < effects.size(); ++i) {
    TskEffectBmp b = Greys({1, 2, 3, 4});
    effects[i](b);
    EXPECT_EQ(RedRow(b), (std::vector<int>{1, 2, 3, 4})) << "effect " << i;
  }
}

// self is all 0, other all 100, so a pixel's value is 100 x (1 - self weight).
std::vector<int> Morphed(TskMorphKind kind, int width, double k) {
  TskEffectBmp b = Greys(std::vector<int>(width, 0));
  b.Morph(kind, Greys(std::vector<int>(width, 100)), k);
  return RedRow(b);
}

TEST(Morphs, CentreGradientShowsOtherInTheBandAndFadesToBothEnds) {
  // W 10, k 0.4: band 4, sides 3 (step 1/3), centre 5, band columns 3..7.
  EXPECT_EQ(Morphed(mkGradient, 10, 0.4),
            (std::vector<int>{0, 33, 67, 100, 100, 100, 100, 100, 67, 33}));
}

TEST(Morphs, CentreGradientRunsDownRowsWhenTallerThanWide) {
  TskEffectBmp b = Bitmap({{{0, 0, 0}}, {{0, 0, 0}}, {{0, 0, 0}}, {{0, 0, 0}}});
  b.CentreGradient(Bitmap({{{100, 0, 0}}, {{100, 0, 0}}, {{100, 0, 0}}, {{100, 0, 0}}}), 0.5);
  // H 4: band 2, sides 1 (step 1), centre 2, band rows 1..3.
  std::vector<int> column;
  for (int y = 0; y < 4; ++y) column.push_back(Pixel(b, 0, y)[0]);
  EXPECT_EQ(column, (std::vector<int>{0, 100, 100, 100}));
}

TEST(Morphs, LeftAndRightGradientsFadeFromTheirEdge) {
  // W 8, k 0.5: a = 4, step 1/4, columns 0..4.
  EXPECT_EQ(Morphed(mkLeftGradient, 8, 0.5), (std::vector<int>{100, 75, 50, 25, 0, 0, 0, 0}));
  // a = 8 - 4 = 4, step 1/4, columns 7 down to 4.
  EXPECT_EQ(Morphed(mkRightGradient, 8, 0.5), (std::vector<int>{0, 0, 0, 0, 25, 50, 75, 100}));
  // Progress 0 still fades one column.
  EXPECT_EQ(Morphed(mkLeftGradient, 4, 0.0), (std::vector<int>{100, 0, 0, 0}));
}

TEST(Morphs, SlidesBringInTheFarPartOfOther) {
  const TskEffectBmp other = Greys({1, 2, 3, 4, 5});
  TskEffectBmp b = Greys({0, 0, 0, 0, 0});
  b.LeftSlide(other, 0.4);  // b = 2
  EXPECT_EQ(RedRow(b), (std::vector<int>{4, 5, 0, 0, 0}));
  b = Greys({0, 0, 0, 0, 0});
  b.RightSlide(other, 0.4);
  EXPECT_EQ(RedRow(b), (std::vector<int>{0, 0, 0, 1, 2}));
  b = Greys({0, 0, 0, 0, 0});
  b.LeftSlide(other, 1.0);  // lowered to W - 1
  EXPECT_EQ(RedRow(b), (std::vector<int>{2, 3, 4, 5, 0}));
}

TEST(Morphs, PushMovesSelfRightAndOtherInBehindIt) {
  const TskEffectBmp other = Greys({1, 2, 3, 4, 5});
  TskEffectBmp b = Greys({10, 20, 30, 40, 50});
  b.Push(other, 0.4);  // a = 2: other's 3 4 5, then self's 10 20
  EXPECT_EQ(RedRow(b), (std::vector<int>{3, 4, 5, 10, 20}));
  b = Greys({10, 20, 30, 40, 50});
  b.Push(other, 0.0);
  EXPECT_EQ(RedRow(b), (std::vector<int>{5, 10, 20, 30, 40}));
}

TEST(Morphs, ProgressOutsideZeroToOneStaysInsideTheBitmap) {
  for (int kind = mkDefault; kind <= mkPush; ++kind) {
    for (double k : {-3.0, 7.0}) {
      const std::vector<int> row = Morphed(static_cast<TskMorphKind>(kind), 6, k);
      EXPECT_EQ(row.size(), 6u);
      for (int v : row) EXPECT_TRUE(v == 0 || v == 100 || (v > 0 && v < 100)) << kind;
    }
  }
  EXPECT_EQ(Morphed(mkGradient, 6, 7.0), std::vector<int>(6, 100));
}

TEST(Morphs, OneColumnBitmapsDoNotBreakTheGradients) {
  EXPECT_EQ(Morphed(mkLeftGradient, 1, 0.5), (std::vector<int>{100}));
  EXPECT_EQ(Morphed(mkRightGradient, 1, 0.5), (std::vector<int>{100}));
  EXPECT_EQ(Morphed(mkLeftSlide, 1, 0.5), (std::vector<int>{0}));
  EXPECT_EQ(Morphed(mkPush, 1, 0.5), (std::vector<int>{100}));
  EXPECT_EQ(Morphed(mkGradient, 1, 0.5), (std::vector<int>{100}));
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

TEST(DirectAccessBitmap, RowsAreBlueGreenRedWithTheRowGapOfWidthModFour) {
  for (int w = 1; w <= 6; ++w) {
    QImage image(w, 2, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    image.setPixel(w - 1, 1, qRgb(1, 2, 3));
    const TskFBitmap b(image);
    EXPECT_EQ(b.RowLength(), 3 * w + w % 4) << "width " << w;
    EXPECT_EQ(b.RowLength() % 4, 0);
    EXPECT_EQ(b.Size(), 2 * b.RowLength());
    const uint8_t* last = b.Row(1) + 3 * (w - 1);
    EXPECT_EQ((std::vector<int>{last[0], last[1], last[2]}), (std::vector<int>{3, 2, 1}));
  }
  QImage square(3, 3, QImage::Format_RGB32);
  square.fill(0);
  const TskFBitmap b(square);
  EXPECT_EQ(b.Row(-1), nullptr);
  EXPECT_EQ(b.Row(3), nullptr);
  EXPECT_EQ(TskFBitmap(QImage()).Width(), 0);
}

}  // namespace
}  // namespace lumora
