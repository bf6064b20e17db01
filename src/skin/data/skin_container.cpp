#include "skin/data/skin_container.h"

#include "base/little_endian.h"
#include "skin/data/bmp_image.h"

namespace lumora {

namespace {

QImage ReadFlaggedPicture(TStream& s) {
  unsigned char flag;
  s.ReadBuffer(&flag, 1);
  if (flag == 1) return {};
  return ReadBitmapImage(s);
}

void WriteFlaggedPicture(TStream& s, const QImage& img) {
  unsigned char flag = img.isNull() ? 1 : 0;
  s.WriteBuffer(&flag, 1);
  if (!img.isNull()) WriteBitmapImage(s, img);
}

}  // namespace

bool ReadSkinContainer(TStream& stream, TskSkinContainer& out) {
  out = TskSkinContainer{};
  out.Version = ReadLE32(stream);
  if (out.Version > kSkinContainerVersion) return false;
  out.Picture = ReadFlaggedPicture(stream);
  out.InactivePicture = ReadFlaggedPicture(stream);
  out.Mask = ReadFlaggedPicture(stream);
  if (out.Version == 2) {
    ReadFlaggedPicture(stream);
    ReadFlaggedPicture(stream);
  }
  // A negative count, which an old writer could produce, means none. Each
  // image needs its bytes, so a huge count ends at the end of the stream.
  const int32_t count = ReadLE32(stream);
  for (int32_t i = 0; i < count; ++i) out.ActivePictures.push_back(ReadBitmapImage(stream));
  out.Lines.LoadFromStream(stream);
  return true;
}

void WriteSkinContainer(TStream& stream, const TskSkinContainer& c) {
  WriteLE32(stream, kSkinContainerVersion);
  WriteFlaggedPicture(stream, c.Picture);
  WriteFlaggedPicture(stream, c.InactivePicture);
  WriteFlaggedPicture(stream, c.Mask);
  WriteLE32(stream, static_cast<uint32_t>(c.ActivePictures.size()));
  for (const QImage& img : c.ActivePictures) WriteBitmapImage(stream, img);
  c.Lines.SaveToStream(stream);
}

}  // namespace lumora
