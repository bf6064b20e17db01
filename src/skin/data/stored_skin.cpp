#include "skin/data/stored_skin.h"

#include "base/exception.h"
#include "base/little_endian.h"
#include "base/text.h"
#include "skin/data/bmp_image.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_container.h"
#include "skin/data/zlib_stream.h"

namespace lumora {

namespace {

constexpr char kPropertyName[] = "CompressedData";
constexpr unsigned char kBinaryTag = 0x0A;

// Copies count bytes, refusing a count the source cannot back so that a
// damaged length allocates nothing.
void CopyExactly(TMemoryStream& target, TStream& source, int64_t count) {
  if (count < 0 || count > source.Size() - source.Position())
    throw EStreamError("Stream read error");
  if (count > 0) target.CopyFrom(source, count);
}

}  // namespace

std::string ExtractFileName(const std::string& path) {
  size_t p = path.find_last_of("/\\");
  return p == std::string::npos ? path : path.substr(p + 1);
}

std::string ExtractFilePath(const std::string& path) {
  size_t p = path.find_last_of("/\\");
  return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

void TskCompressedStoredSkin::SetFileName(const std::string& value) {
  if (Designing() && !Loading()) {
    BuildFromDescriptionFile(value);
    file_name_ = ExtractFileName(value);
  } else {
    file_name_ = value;
  }
}

void TskCompressedStoredSkin::SetCompressedFileName(const std::string& value) {
  if (Designing() && !Loading()) {
    ReadCompressedSkinFile(value);
    compressed_file_name_ = ExtractFileName(value);
  } else {
    compressed_file_name_ = value;
  }
}

void TskCompressedStoredSkin::DecompressTo(TMemoryStream& target) const {
  // Inflating reads the block through a stream of our own, so a const
  // component is not moved.
  TMemoryStream source{std::string(compressed_.Data())};
  InflateWholeStream(target, source, kMaxSkinContainerSize);
}

void TskCompressedStoredSkin::BuildFromDescriptionFile(const std::string& path) {
  TStringList lines;
  lines.LoadFromFile(path);
  TskIniFile ini(lines);
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
    if (!ini.SectionExists(section)) return;

  const std::string dir = ExtractFilePath(path);
  compressed_.Clear();
  TskSkinContainer c;
  auto picture = [&](const char* key) {
    std::string name = ini.ReadString("PICTURES", key, "");
    return name.empty() ? QImage() : LoadBitmapFile(dir + name);
  };
  c.Picture = picture("picture");
  c.InactivePicture = picture("inactivepicture");
  c.Mask = picture("mask");
  const std::string* count_text = ini.Find("PICTURES", "activepicturescount");
  int64_t count = count_text ? StrToIntDef(*count_text, 0) : 0;
  for (int64_t i = 0; i < count; ++i)
    c.ActivePictures.push_back(
        LoadBitmapFile(dir + ini.ReadString("PICTURES", std::to_string(i), "")));
  c.Lines = lines;
  CompressContainer(c);
}

void TskCompressedStoredSkin::CompressContainer(const TskSkinContainer& c) {
  TMemoryStream container;
  WriteSkinContainer(container, c);
  compressed_.Clear();
  DeflateWholeStream(container, compressed_);
}

void TskCompressedStoredSkin::ReadBlock(TStream& stream) {
  if (ReadLE32(stream) > kCompressedSkinFileVersion) return;
  int32_t length = ReadLE32(stream);
  try {
    CopyExactly(compressed_, stream, length);
  } catch (...) {
    compressed_.Clear();
    throw;
  }
}

void TskCompressedStoredSkin::ReadCompressedSkinFile(const std::string& path) {
  compressed_.Clear();
  TFileStream file(path, TFileMode::fmOpenRead);
  ReadBlock(file);
}

void TskCompressedStoredSkin::ReadCompressedSkinStream(TStream& stream) {
  compressed_.Clear();
  stream.SetPosition(0);
  ReadBlock(stream);
}

void TskCompressedStoredSkin::WriteCompressedSkinStream(TStream& stream) const {
  WriteLE32(stream, kCompressedSkinFileVersion);
  WriteLE32(stream, static_cast<uint32_t>(compressed_.Data().size()));
  stream.WriteString(compressed_.Data());
}

void TskCompressedStoredSkin::WriteCompressedDataProperty(TStream& stream) const {
  unsigned char length = sizeof kPropertyName - 1;
  stream.WriteBuffer(&length, 1);
  stream.WriteString(kPropertyName);
  stream.WriteBuffer(&kBinaryTag, 1);
  WriteLE32(stream, static_cast<uint32_t>(compressed_.Data().size()));
  stream.WriteString(compressed_.Data());
}

void TskCompressedStoredSkin::ReadCompressedDataProperty(TStream& stream) {
  unsigned char length;
  stream.ReadBuffer(&length, 1);
  std::string name(length, '\0');
  stream.ReadBuffer(name.data(), length);
  unsigned char tag;
  stream.ReadBuffer(&tag, 1);
  if (name != kPropertyName || tag != kBinaryTag) throw EStreamError("Invalid property value");
  ReadCompressedDataValue(stream);
}

void TskCompressedStoredSkin::ReadCompressedDataValue(TStream& stream) {
  auto length = static_cast<uint32_t>(ReadLE32(stream));
  compressed_.Clear();
  try {
    CopyExactly(compressed_, stream, length);
  } catch (...) {
    compressed_.Clear();
    throw;
  }
}

}  // namespace lumora
