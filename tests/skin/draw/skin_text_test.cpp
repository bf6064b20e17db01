#include "skin/draw/skin_text.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace lumora {
namespace {

// A painter on a white image with a fixed font and black pen.
struct Canvas {
  QImage image{200, 40, QImage::Format_RGB32};
  QPainter painter;
  Canvas() {
    image.fill(Qt::white);
    painter.begin(&image);
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
  }
  // Rows and columns holding any non-white pixel, as (left, top, right, bottom).
  TRect Ink() {
    painter.end();
    TRect ink{image.width(), image.height(), 0, 0};
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
          ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
                 std::max(ink.Bottom, y + 1)};
        }
      }
    }
    return ink;
  }
};

struct FlagRow {
  const char* what;
  uint32_t format;
  int qt;
};

TEST(TextFlags, MapOntoQtTextFlags) {
  const int mnemonic = Qt::TextShowMnemonic;
  const FlagRow rows[] = {
      {"plain: left, top, prefix marks", dtLeft, Qt::AlignLeft | Qt::AlignTop | mnemonic},
      {"centre and right", dtCenter | dtRight, Qt::AlignHCenter | Qt::AlignTop | mnemonic},
      {"vertical centre needs a single line", dtVCenter, Qt::AlignLeft | Qt::AlignTop | mnemonic},
      {"single line centred", dtSingleLine | dtVCenter | dtNoPrefix,
       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine},
      {"single line at the bottom", dtSingleLine | dtBottom | dtRight | dtNoPrefix,
       Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine},
      {"breaks, tabs, no clipping", dtWordBreak | dtExpandTabs | dtNoClip | dtNoPrefix,
       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextDontClip},
  };
  for (const FlagRow& r : rows) EXPECT_EQ(QtTextFlags(r.format), r.qt) << r.what;
}

// Measured widths are whole pixels rounded up from the fractional advance.
TEST(TextMeasure, WidthIsTheAdvanceWithoutPrefixMarks) {
  Canvas c;
  const QFontMetrics fm = c.painter.fontMetrics();
  const int save = MeasureTextWidth(c.painter, "Save");
  EXPECT_NEAR(save, fm.horizontalAdvance("Save"), 1);
  EXPECT_EQ(MeasureTextWidth(c.painter, "&Save"), save);
  EXPECT_NEAR(MeasureTextWidth(c.painter, "a&&b"), fm.horizontalAdvance("a&b"), 1);
  EXPECT_LT(MeasureTextWidth(c.painter, "a&&b"), fm.horizontalAdvance("a&&b"));
  EXPECT_EQ(MeasureTextWidth(c.painter, ""), 0);
}

TEST(TextMeasure, CalcRectDrawsNothingAndGivesTheNeededRectangle) {
  Canvas c;
  TRect r{5, 6, 5, 6};
  const int h = DrawSkinText(c.painter, "two\nlines", r, dtCalcRect);
  const QFontMetrics fm = c.painter.fontMetrics();
  EXPECT_EQ(r.Left, 5);
  EXPECT_EQ(r.Top, 6);
  EXPECT_NEAR(r.Width(), fm.horizontalAdvance("lines"), 1);
  EXPECT_EQ(r.Height(), h);
  EXPECT_GT(h, fm.height());
  EXPECT_TRUE(c.Ink().IsEmpty());
}

TEST(TextEllipsis, TextThatFitsIsKept) {
  Canvas c;
  QString text = "fits";
  EllipsizeText(c.painter, text, c.painter.fontMetrics().horizontalAdvance("fits"));
  EXPECT_EQ(text, "fits");
}

TEST(TextEllipsis, LongTextIsCutUntilItFitsWithDots) {
  Canvas c;
  const QFontMetrics fm = c.painter.fontMetrics();
  QString text = "abcdefgh";
  const int limit = fm.horizontalAdvance("abc...");
  EllipsizeText(c.painter, text, limit);
  EXPECT_TRUE(text.endsWith("..."));
  EXPECT_LE(fm.horizontalAdvance(text), limit);
  EXPECT_TRUE(QString("abcdefgh").startsWith(text.chopped(3)));
  EXPECT_GT(fm.horizontalAdvance(text.chopped(3) + "d..."), limit);
}

TEST(TextEllipsis, NoFittingPrefixLeavesOnlyTheDots) {
  Canvas c;
  QString text = "abcdefgh";
  EllipsizeText(c.painter, text, 1);
  EXPECT_EQ(text, "...");
  std::string narrow = "xyz";
  EllipsizeText(c.painter, narrow, -5);
  EXPECT_EQ(narrow, "...");
}

TEST(TextEllipsis, Utf8TextLosesWholeCharacters) {
  Canvas c;
  const QFontMetrics fm = c.painter.fontMetrics();
  std::string text = "伪原创工具";
  EllipsizeText(c.painter, text, fm.horizontalAdvance(QString::fromUtf8("伪原...")));
  EXPECT_EQ(text, "伪原...");
  QString wide = QString::fromUtf8("a\U0001F600\U0001F600");
  EllipsizeText(c.painter, wide, fm.horizontalAdvance(QString::fromUtf8("a\U0001F600...")));
  EXPECT_EQ(wide, QString::fromUtf8("a\U0001F600..."));
}

TEST(CentredLine, EmptyTextDrawsNothing) {
  Canvas c;
  DrawCentredLine(c.painter, "", {0, 0, 200, 40});
  EXPECT_TRUE(c.Ink().IsEmpty());
}

TEST(CentredLine, DrawsOneLineLeftAlignedAndVerticallyCentred) {
  Canvas c;
  const QFontMetrics fm = c.painter.fontMetrics();
  const TRect box{20, 4, 180, 36};
  DrawCentredLine(c.painter, "Hg\nHg", box);
  const TRect ink = c.Ink();
  ASSERT_FALSE(ink.IsEmpty());
  const int lineTop = box.Top + (box.Height() - fm.height()) / 2;
  EXPECT_GE(ink.Top, lineTop);
  EXPECT_LE(ink.Bottom, lineTop + fm.height() + 1);
  EXPECT_GE(ink.Left, box.Left);
  EXPECT_LE(ink.Left, box.Left + 2);
  // The line end does not break the line: the second word follows the first.
  EXPECT_GT(ink.Width(), fm.horizontalAdvance("Hg"));
}

TEST(SkinText, DrawingIsClippedToTheRectangleUnlessAskedNotTo) {
  Canvas c;
  TRect r{10, 10, 14, 30};
  DrawSkinText(c.painter, "WWWWWW", r, dtSingleLine);
  TRect ink = c.Ink();
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_LE(ink.Right, 14);
  Canvas d;
  DrawSkinText(d.painter, "WWWWWW", r, dtSingleLine | dtNoClip);
  EXPECT_GT(d.Ink().Right, 14);
}

}  // namespace
}  // namespace lumora
