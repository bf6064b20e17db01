#include "skin/form/frame_painter.h"

#include <gtest/gtest.h>

#include "skin/draw/colour.h"

namespace lumora {
namespace {

// Every pixel its own colour, so a shifted or swapped copy shows.
QImage CodedPicture(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x * 6, y * 8, (x * 7 + y * 3) & 0xFF));
  }
  return img;
}

// A 40 x 30 picture: client 5,10,35,25; corner points 12,14 / 28,14 /
// 12,22 / 28,22.
TskFormInfo CodedInfo() {
  TskFormInfo info;
  info.LTPoint = {12, 14};
  info.RTPoint = {28, 14};
  info.LBPoint = {12, 22};
  info.RBPoint = {28, 22};
  info.ClientRect = {5, 10, 35, 25};
  return info;
}

constexpr QRgb kUntouched = 0xFF123456;

QImage Paint(const QImage& picture, const TskFormInfo& info, int w, int h, bool inactive,
             TskInactiveEffect effect = ieInvert) {
  const TskFrameGeometry g = ComputeFrameGeometry(info, picture.width(), picture.height(), w, h);
  TskFrameStrips strips = BuildFrameStrips(picture, info, g);
  if (inactive) ApplyInactiveEffect(strips, effect);
  QImage out(w, h, QImage::Format_RGB32);
  out.fill(kUntouched);
  QPainter p(&out);
  DrawFrameStrips(p, strips, g);
  return out;
}

::testing::AssertionResult SameRgb(QRgb a, QRgb b, int x, int y) {
  if ((a & 0xFFFFFF) == (b & 0xFFFFFF)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "at " << x << "," << y << ": " << std::hex << a << " != " << b;
}

TEST(FramePainter, CornersAreCopiedOneToOneAndEdgesTiledFromTheStripStart) {
  const QImage pic = CodedPicture(40, 30);
  const TskFormInfo info = CodedInfo();
  const int w = 97, h = 61, dx = w - 40, dy = h - 30;
  const QImage out = Paint(pic, info, w, h, false);
  // Top-left and top-right corners, bottom-left and bottom-right corners.
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 12; ++x) ASSERT_TRUE(SameRgb(out.pixel(x, y), pic.pixel(x, y), x, y));
    for (int x = 28 + dx; x < w; ++x)
      ASSERT_TRUE(SameRgb(out.pixel(x, y), pic.pixel(x - dx, y), x, y));
  }
  for (int y = 25 + dy; y < h; ++y) {
    for (int x = 0; x < 12; ++x) ASSERT_TRUE(SameRgb(out.pixel(x, y), pic.pixel(x, y - dy), x, y));
    for (int x = 28 + dx; x < w; ++x)
      ASSERT_TRUE(SameRgb(out.pixel(x, y), pic.pixel(x - dx, y - dy), x, y));
  }
  // The top edge between the corners: tiles of 16 from x = 0.
  for (int x = 12; x < 28 + dx; ++x) {
    ASSERT_TRUE(SameRgb(out.pixel(x, 3), pic.pixel(12 + x % 16, 3), x, 3));
  }
  // The left edge between its ends: tiles of 8 rows from the strip's top.
  for (int y = 14; y < 22 + dy; ++y) {
    const int r = y - 10;
    ASSERT_TRUE(SameRgb(out.pixel(2, y), pic.pixel(2, 14 + (r % 8)), 2, y));
  }
  // The client rectangle is left alone.
  for (int y = 10; y < 25 + dy; ++y) {
    for (int x = 5; x < 35 + dx; ++x) ASSERT_EQ(out.pixel(x, y), kUntouched) << x << "," << y;
  }
}

TEST(FramePainter, StretchedTopEdgeSpansTheMovedCornerPoints) {
  const QImage pic = CodedPicture(40, 30);
  TskFormInfo info = CodedInfo();
  info.TopStretch = true;
  const int w = 72;  // the 16-pixel middle becomes 48: each column three times
  const QImage out = Paint(pic, info, w, 30, false);
  for (int x = 12; x < 60; ++x) {
    ASSERT_TRUE(SameRgb(out.pixel(x, 1), pic.pixel(12 + (x - 12) / 3, 1), x, 1));
  }
}

TEST(FramePainter, InactiveEffectAppliesToEveryStrip) {
  const QImage pic = CodedPicture(40, 30);
  const TskFormInfo info = CodedInfo();
  const QImage out = Paint(pic, info, 60, 40, true, ieInvert);
  const QPoint probes[] = {{0, 0}, {30, 4}, {59, 0}, {2, 20}, {57, 20}, {0, 39}, {59, 39}};
  for (QPoint p : probes) {
    const QImage active = Paint(pic, info, 60, 40, false);
    const QRgb a = active.pixel(p);
    const QRgb expected = qRgb(255 - qRed(a), 255 - qGreen(a), 255 - qBlue(a));
    EXPECT_TRUE(SameRgb(out.pixel(p), expected, p.x(), p.y()));
  }
}

TEST(FramePainter, ObjectsBelowTheClientTopGoToTheBottomStrip) {
  const TskFrameGeometry g = ComputeFrameGeometry(CodedInfo(), 40, 30, 100, 80);
  EXPECT_FALSE(ObjectInBottomStrip({60, 2, 70, 9}, g));
  EXPECT_TRUE(ObjectInBottomStrip({60, 76, 70, 79}, g));
  EXPECT_EQ(StripOffset(true, g), (TPoint{0, -75}));
  EXPECT_EQ(StripOffset(false, g), (TPoint{0, 0}));
}

TEST(DefaultFrame, BevelsCaptionLinesAndUntouchedClient) {
  TskDefaultFrame f;
  f.width = 120;
  f.height = 60;
  f.captionRect = {20, 3, 80, kDefaultCaptionHeight};
  QImage out(f.width, f.height, QImage::Format_RGB32);
  out.fill(kUntouched);
  {
    QPainter p(&out);
    PaintDefaultFrame(p, f);
  }
  auto sys = [](int index) { return ToQColor(SystemColour(index)).rgb(); };
  EXPECT_TRUE(SameRgb(out.pixel(0, 0), sys(22), 0, 0));
  EXPECT_TRUE(SameRgb(out.pixel(119, 59), sys(21), 119, 59));
  EXPECT_TRUE(SameRgb(out.pixel(1, 30), sys(scBtnHighlight), 1, 30));
  EXPECT_TRUE(SameRgb(out.pixel(118, 30), sys(scBtnShadow), 118, 30));
  EXPECT_TRUE(SameRgb(out.pixel(2, 30), sys(scBtnFace), 2, 30));
  // The caption bitmap sits at (3, 3); its lines start at L + 2 with
  // L = caption left - 3, alternating highlight and shadow from y = 2.
  const int x = 3 + (20 - 3) + 2;
  EXPECT_TRUE(SameRgb(out.pixel(x, 5), sys(scBtnHighlight), x, 5));
  EXPECT_TRUE(SameRgb(out.pixel(x, 6), sys(scBtnShadow), x, 6));
  EXPECT_TRUE(SameRgb(out.pixel(x - 1, 5), sys(scBtnFace), x - 1, 5));
  for (int y = 22; y < 57; ++y) {
    for (int cx = 3; cx < 117; ++cx) ASSERT_EQ(out.pixel(cx, y), kUntouched) << cx << "," << y;
  }
}

TEST(DefaultFrame, CaptionTextIsCentredAndClearsTheLinesAroundIt) {
  TskDefaultFrame f;
  f.width = 300;
  f.captionRect = {3, 3, 297, kDefaultCaptionHeight};
  f.font = QFont(QStringLiteral("Arial"));
  f.font.setPixelSize(14);
  f.fontColour = Qt::black;
  const QImage empty = DefaultCaptionBitmap(f);
  f.caption = QStringLiteral("Lumora");
  const QImage text = DefaultCaptionBitmap(f);
  ASSERT_EQ(text.size(), QSize(294, kDefaultCaptionHeight));
  // Something changed in the middle and nothing at the line ends.
  int changedLeft = -1, changedRight = -1;
  for (int x = 0; x < text.width(); ++x) {
    for (int y = 0; y < text.height(); ++y) {
      if (text.pixel(x, y) != empty.pixel(x, y)) {
        if (changedLeft < 0) changedLeft = x;
        changedRight = x;
      }
    }
  }
  ASSERT_GE(changedLeft, 0);
  const int centre = (changedLeft + changedRight) / 2;
  EXPECT_NEAR(centre, text.width() / 2, 6);
  EXPECT_EQ(text.pixel(5, 2), empty.pixel(5, 2));
}

}  // namespace
}  // namespace lumora
