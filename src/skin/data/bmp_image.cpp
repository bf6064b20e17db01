#include "skin/data/bmp_image.h"

#include <cstring>
#include <string>

#include "base/exception.h"
#include "base/little_endian.h"

namespace lumora {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

[[noreturn]] void Bad(const char* what) {
  throw EStreamError(std::string("Bitmap image is invalid: ") + what);
}

// Extracts one channel through a bit-field mask, scaled to 8 bits.
uint32_t Channel(uint32_t pixel, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  uint32_t bits = mask >> shift;
  int width = 0;
  while (width < 32 && ((bits >> width) & 1)) ++width;
  uint32_t v = (pixel & mask) >> shift;
  if (width >= 8) return v >> (width - 8);
  uint32_t max = (1u << width) - 1;
  return max ? (v * 255 + max / 2) / max : 0;
}

int64_t RowBytes(int64_t width, int bits) {
  return ((width * bits + 31) / 32) * 4;
}

}  // namespace

QImage ReadBitmapImage(TStream& stream) {
  unsigned char fh[kFileHeaderSize];
  stream.ReadBuffer(fh, kFileHeaderSize);
  if (fh[0] != 'B' || fh[1] != 'M') Bad("no BM signature");
  const uint32_t file_size = LoadLE32(fh + 2);
  const uint32_t off_bits = LoadLE32(fh + 10);
  if (file_size < kFileHeaderSize + kCoreHeaderSize || file_size > kMaxBitmapFileSize)
    Bad("bad file size");
  int64_t left = stream.Size() - stream.Position();
  if (left < static_cast<int64_t>(file_size - kFileHeaderSize))
    Bad("file size past the end of the data");

  std::string body(file_size - kFileHeaderSize, '\0');
  stream.ReadBuffer(body.data(), static_cast<int64_t>(body.size()));
  const auto* b = reinterpret_cast<const unsigned char*>(body.data());
  const uint32_t n = static_cast<uint32_t>(body.size());

  const uint32_t header_size = LoadLE32(b);
  int64_t width, height;
  int bits;
  uint32_t compression = kBiRgb, colors_used = 0;
  bool core = header_size == kCoreHeaderSize;
  if (core) {
    width = LoadLE16(b + 4);
    height = LoadLE16(b + 6);
    bits = LoadLE16(b + 10);
  } else {
    if (header_size < kInfoHeaderSize || header_size > n) Bad("bad info header");
    width = static_cast<int32_t>(LoadLE32(b + 4));
    height = static_cast<int32_t>(LoadLE32(b + 8));
    bits = LoadLE16(b + 14);
    compression = LoadLE32(b + 16);
    colors_used = LoadLE32(b + 32);
  }
  bool top_down = height < 0;
  if (top_down) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide)
    Bad("bad dimensions");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) Bad("unsupported depth");
  if (!(compression == kBiRgb || (compression == kBiBitfields && bits == 32)))
    Bad("unsupported compression");

  uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
  uint32_t after_header = header_size;
  if (compression == kBiBitfields) {
    if (header_size >= 52) {
      for (int i = 0; i < 3; ++i) masks[i] = LoadLE32(b + 40 + 4 * i);
    } else {
      if (after_header + 12 > n) Bad("bit-field masks past the end");
      for (int i = 0; i < 3; ++i) masks[i] = LoadLE32(b + after_header + 4 * i);
      after_header += 12;
    }
  }

  const int64_t row_bytes = RowBytes(width, bits);
  // bfOffBits counts from the file start; the body starts after the file header.
  if (off_bits < kFileHeaderSize) Bad("bad pixel offset");
  const int64_t pixels = off_bits - kFileHeaderSize;
  if (pixels < 0 || pixels + row_bytes * height > n) Bad("pixel rows past the end");

  // Only now, with every row backed by bytes, is the image allocated.
  QImage img;
  if (bits <= 8) {
    uint32_t max_colors = 1u << bits;
    uint32_t count = colors_used == 0 || colors_used > max_colors ? max_colors : colors_used;
    uint32_t entry = core ? 3 : 4;
    if (static_cast<uint64_t>(after_header) + static_cast<uint64_t>(count) * entry > n)
      Bad("colour table past the end");
    QList<QRgb> table;
    for (uint32_t i = 0; i < count; ++i) {
      const unsigned char* e = b + after_header + i * entry;
      table.push_back(qRgb(e[2], e[1], e[0]));
    }
    img = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_Indexed8);
    if (img.isNull()) Bad("out of memory");
    img.setColorTable(table);
  } else {
    img = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (img.isNull()) Bad("out of memory");
  }

  const int colors = img.colorCount();
  for (int64_t y = 0; y < height; ++y) {
    const unsigned char* row = b + pixels + (top_down ? y : height - 1 - y) * row_bytes;
    uchar* out = img.scanLine(static_cast<int>(y));
    if (bits <= 8) {
      const int per_byte = 8 / bits;
      const int mask = (1 << bits) - 1;
      for (int64_t x = 0; x < width; ++x) {
        int shift = (per_byte - 1 - static_cast<int>(x % per_byte)) * bits;
        int v = (row[x / per_byte] >> shift) & mask;
        // An index past a short colour table shows as its last entry.
        out[x] = static_cast<uchar>(v < colors ? v : colors - 1);
      }
    } else {
      auto* px = reinterpret_cast<QRgb*>(out);
      for (int64_t x = 0; x < width; ++x) {
        if (bits == 24) {
          const unsigned char* p = row + x * 3;
          px[x] = qRgb(p[2], p[1], p[0]);
        } else {
          uint32_t v = LoadLE32(row + x * 4);
          px[x] =
              qRgb(static_cast<int>(Channel(v, masks[0])), static_cast<int>(Channel(v, masks[1])),
                   static_cast<int>(Channel(v, masks[2])));
        }
      }
    }
  }
  return img;
}

void WriteBitmapImage(TStream& stream, const QImage& source) {
  if (source.isNull()) throw EStreamError("Cannot write an empty bitmap");
  QImage img = source;
  int bits;
  if (img.format() == QImage::Format_Mono || img.format() == QImage::Format_MonoLSB)
    img = img.convertToFormat(QImage::Format_Indexed8);
  if (img.format() == QImage::Format_Indexed8) {
    int colors = img.colorCount();
    bits = colors <= 2 ? 1 : colors <= 16 ? 4 : 8;
  } else if (img.hasAlphaChannel()) {
    img = img.convertToFormat(QImage::Format_ARGB32);
    bits = 32;
  } else {
    img = img.convertToFormat(QImage::Format_RGB32);
    bits = 24;
  }
  const int64_t width = img.width(), height = img.height();
  const int64_t row_bytes = RowBytes(width, bits);
  const uint32_t colors = bits <= 8 ? (1u << bits) : 0;
  const uint32_t off = kFileHeaderSize + kInfoHeaderSize + colors * 4;
  const uint64_t size = off + static_cast<uint64_t>(row_bytes) * height;
  if (size > kMaxBitmapFileSize) throw EStreamError("Bitmap too large");

  std::string out;
  out.reserve(static_cast<size_t>(size));
  out += "BM";
  AppendLE32(out, static_cast<uint32_t>(size));
  AppendLE32(out, 0);
  AppendLE32(out, off);
  AppendLE32(out, kInfoHeaderSize);
  AppendLE32(out, static_cast<uint32_t>(width));
  AppendLE32(out, static_cast<uint32_t>(height));
  AppendLE16(out, 1);
  AppendLE16(out, static_cast<uint16_t>(bits));
  AppendLE32(out, kBiRgb);
  AppendLE32(out, static_cast<uint32_t>(row_bytes * height));
  AppendLE32(out, 2835);  // 72 dpi
  AppendLE32(out, 2835);
  AppendLE32(out, colors);
  AppendLE32(out, 0);
  for (uint32_t i = 0; i < colors; ++i) {
    QRgb c = static_cast<int>(i) < img.colorCount() ? img.color(static_cast<int>(i)) : 0;
    out.push_back(static_cast<char>(qBlue(c)));
    out.push_back(static_cast<char>(qGreen(c)));
    out.push_back(static_cast<char>(qRed(c)));
    out.push_back(0);
  }
  std::string row(static_cast<size_t>(row_bytes), '\0');
  for (int64_t y = height - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), '\0');
    const uchar* in = img.constScanLine(static_cast<int>(y));
    if (bits <= 8) {
      const int per_byte = 8 / bits;
      const int mask = (1 << bits) - 1;
      for (int64_t x = 0; x < width; ++x) {
        int shift = (per_byte - 1 - static_cast<int>(x % per_byte)) * bits;
        row[x / per_byte] = static_cast<char>(row[x / per_byte] | ((in[x] & mask) << shift));
      }
    } else {
      const auto* px = reinterpret_cast<const QRgb*>(in);
      for (int64_t x = 0; x < width; ++x) {
        char* p = row.data() + x * (bits / 8);
        p[0] = static_cast<char>(qBlue(px[x]));
        p[1] = static_cast<char>(qGreen(px[x]));
        p[2] = static_cast<char>(qRed(px[x]));
        if (bits == 32) p[3] = static_cast<char>(qAlpha(px[x]));
      }
    }
    out += row;
  }
  stream.WriteBuffer(out.data(), static_cast<int64_t>(out.size()));
}

QImage LoadBitmapFile(const std::string& path) {
  TMemoryStream m(ReadFileBytes(path));
  return ReadBitmapImage(m);
}

void SaveBitmapFile(const std::string& path, const QImage& img) {
  TMemoryStream m;
  WriteBitmapImage(m, img);
  WriteFileBytes(path, m.Data());
}

}  // namespace lumora
