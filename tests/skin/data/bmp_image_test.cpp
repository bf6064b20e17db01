#include "skin/data/bmp_image.h"

#include <gtest/gtest.h>

#include "base/exception.h"
#include "base/little_endian.h"

namespace lumora {
namespace {

QImage Colored(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
  return img;
}

QImage Indexed(int w, int h, int colors) {
  QImage img(w, h, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < colors; ++i) table.push_back(qRgb(i * 3 % 256, 255 - i % 256, i * 11 % 256));
  img.setColorTable(table);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, static_cast<uint>((x * 3 + y) % colors));
  return img;
}

// Reports the first differing pixel.
::testing::AssertionResult SamePixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return ::testing::AssertionFailure() << "size differs";
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y))
        return ::testing::AssertionFailure() << "pixel " << x << "," << y << ": " << std::hex
                                             << a.pixel(x, y) << " vs " << b.pixel(x, y);
  return ::testing::AssertionSuccess();
}

std::string Bytes(const QImage& img) {
  TMemoryStream m;
  WriteBitmapImage(m, img);
  return std::string(m.Data());
}

uint32_t U32At(const std::string& s, size_t at) {
  return LoadLE32(reinterpret_cast<const unsigned char*>(s.data() + at));
}

TEST(BmpImage, RoundTripsEveryDepthAndOddWidths) {
  struct Row {
    QImage img;
    int bits;
    const char* what;
  } rows[] = {
      {Colored(285, 210), 24, "main picture size, 24 bits"},
      {Colored(1, 1), 24, "1 x 1"},
      {Colored(3, 5), 24, "row padding at 24 bits"},
      {Indexed(44, 44, 2), 1, "two colours: 1 bit"},
      {Indexed(13, 7, 2), 1, "1 bit, odd width"},
      {Indexed(93, 55, 16), 4, "sixteen colours: 4 bits"},
      {Indexed(5, 3, 16), 4, "4 bits, odd width"},
      {Indexed(285, 210, 256), 8, "8 bits"},
  };
  for (const Row& r : rows) {
    std::string bytes = Bytes(r.img);
    ASSERT_EQ(bytes.substr(0, 2), "BM") << r.what;
    EXPECT_EQ(U32At(bytes, 2), bytes.size()) << r.what;  // bfSize is the image length
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), r.bits) << r.what;
    TMemoryStream m(bytes + "trailing");
    QImage back = ReadBitmapImage(m);
    EXPECT_EQ(m.Position(), static_cast<int64_t>(bytes.size())) << r.what;
    EXPECT_TRUE(SamePixels(back, r.img)) << r.what;
  }
}

TEST(BmpImage, MainPictureHasTheStoredSkinFileSize) {
  // 285 x 210 at 24 bits: 54 + 856 * 210.
  EXPECT_EQ(Bytes(Colored(285, 210)).size(), 179814u);
  EXPECT_EQ(Bytes(Indexed(285, 210, 256)).size(), 61558u);
}

TEST(BmpImage, ReadsTopDownAnd32BitImages) {
  // A 2 x 2 top-down 32-bit image written by hand.
  std::string b = "BM";
  auto put32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>(v >> (8 * i)));
  };
  auto put16 = [&](uint16_t v) {
    b.push_back(static_cast<char>(v));
    b.push_back(static_cast<char>(v >> 8));
  };
  put32(14 + 40 + 16);
  put32(0);
  put32(54);
  put32(40);
  put32(2);
  put32(static_cast<uint32_t>(-2));
  put16(1);
  put16(32);
  for (int i = 0; i < 6; ++i) put32(0);
  put32(0x00FF0000);  // top-left red
  put32(0x0000FF00);
  put32(0x000000FF);
  put32(0x00FFFFFF);  // bottom-right white
  TMemoryStream m(b);
  QImage img = ReadBitmapImage(m);
  EXPECT_EQ(img.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(img.pixel(1, 0), qRgb(0, 255, 0));
  EXPECT_EQ(img.pixel(0, 1), qRgb(0, 0, 255));
  EXPECT_EQ(img.pixel(1, 1), qRgb(255, 255, 255));
}

TEST(BmpImage, DamagedImagesRaiseStreamErrors) {
  const std::string good = Bytes(Colored(10, 10));
  auto patch32 = [&](size_t at, uint32_t v) {
    std::string s = good;
    for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>(v >> (8 * i));
    return s;
  };
  struct Row {
    std::string bytes;
    const char* what;
  } rows[] = {
      {good.substr(0, 10), "cut inside the file header"},
      {good.substr(0, good.size() - 1), "bfSize past the end"},
      {"XM" + good.substr(2), "no signature"},
      {patch32(2, 0xFFFFFFF0), "absurd bfSize"},
      {patch32(18, 100000), "absurd width"},
      {patch32(22, 0x80000000), "most negative height"},
      {patch32(18, 0), "zero width"},
      {patch32(18, 200), "rows not backed by bfSize"},
      {patch32(10, 0xFFFFFF00), "pixel offset past the end"},
      {patch32(14, 0xFFFF), "info header larger than the image"},
      {patch32(28, 16), "16 bits per pixel"},
      {patch32(30, 1), "run-length compression"},
  };
  for (const Row& r : rows) {
    TMemoryStream m(r.bytes);
    EXPECT_THROW(ReadBitmapImage(m), EStreamError) << r.what;
  }
}

TEST(BmpImage, SideLimitIsInclusive) {
  QImage widest(kMaxBitmapSide, 1, QImage::Format_RGB32);
  widest.fill(qRgb(1, 2, 3));
  TMemoryStream ok(Bytes(widest));
  EXPECT_EQ(ReadBitmapImage(ok).width(), kMaxBitmapSide);
  QImage wider(kMaxBitmapSide + 1, 1, QImage::Format_RGB32);
  wider.fill(qRgb(1, 2, 3));
  TMemoryStream bad(Bytes(wider));  // every byte present, still refused
  EXPECT_THROW(ReadBitmapImage(bad), EStreamError);
}

TEST(BmpImage, MissingFileRaisesFileOpenError) {
  EXPECT_THROW(LoadBitmapFile("/nonexistent/dir/x.bmp"), EFOpenError);
}

}  // namespace
}  // namespace lumora
