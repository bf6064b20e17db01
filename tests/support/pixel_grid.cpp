#include "support/pixel_grid.h"

#include <QDir>
#include <QString>

namespace lumora::test {

QRgb GridColour(char c) {
  if (c == '.') return qRgb(0, 0, 0);
  const int v = static_cast<unsigned char>(c);
  return qRgb(v, 255 - v, (v * 7) & 0xFF);
}

static std::string Describe(QRgb rgb) {
  char buffer[64];
  const int r = qRed(rgb);
  char shown = (rgb & 0xFFFFFF) == (GridColour(static_cast<char>(r)) & 0xFFFFFF)
                   ? static_cast<char>(r)
                   : '?';
  if ((rgb & 0xFFFFFF) == 0) shown = '.';
  std::snprintf(buffer, sizeof buffer, "'%c' #%02x%02x%02x", shown, qRed(rgb), qGreen(rgb),
                qBlue(rgb));
  return buffer;
}

QImage GridImage(const Grid& rows, QImage::Format format) {
  const int h = static_cast<int>(rows.size());
  const int w = h > 0 ? static_cast<int>(rows[0].size()) : 0;
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) image.setPixel(x, y, GridColour(rows[y][x]));
  }
  return format == QImage::Format_RGB32 ? image : image.convertToFormat(format);
}

QImage GridImageAt(const Grid& rows, int width, int height, int x0, int y0) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(GridColour('z'));
  for (size_t y = 0; y < rows.size(); ++y) {
    for (size_t x = 0; x < rows[y].size(); ++x) {
      image.setPixel(x0 + static_cast<int>(x), y0 + static_cast<int>(y), GridColour(rows[y][x]));
    }
  }
  return image;
}

static void SaveForInspection(const QImage& image) {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  QString dir = qEnvironmentVariable("LUMORA_BINARY_DIR");
  dir = dir.isEmpty() ? QDir::currentPath() : dir + "/Testing/Temporary";
  QDir().mkpath(dir);
  const QString name =
      QString("%1/%2.%3.png")
          .arg(dir, info ? info->test_suite_name() : "pixels", info ? info->name() : "image");
  image.save(name);
}

::testing::AssertionResult PixelsAre(const QImage& image, const Grid& expected) {
  const int h = static_cast<int>(expected.size());
  const int w = h > 0 ? static_cast<int>(expected[0].size()) : 0;
  if (image.width() != w || image.height() != h) {
    if (!image.isNull()) SaveForInspection(image);
    return ::testing::AssertionFailure() << "image is " << image.width() << " x " << image.height()
                                         << ", expected " << w << " x " << h;
  }
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const QRgb got = rgb.pixel(x, y) & 0xFFFFFF;
      const QRgb want = GridColour(expected[y][x]) & 0xFFFFFF;
      if (got != want) {
        SaveForInspection(image);
        return ::testing::AssertionFailure()
               << "first wrong pixel at (" << x << ", " << y << "): " << Describe(got)
               << ", expected " << Describe(want) << "; row " << y << " expected \"" << expected[y]
               << "\"";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace lumora::test
