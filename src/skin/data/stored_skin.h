#pragma once
// TskCompressedStoredSkin: a skin as one zlib block (level 9, starting
// 0x78 0xDA) of the whole skin container, kept in the form's stored
// description as the byte-block property "CompressedData". Also reads and
// writes the compressed skin file: int32 version (3), int32 length L, then
// the L bytes of the block.

#include <string>

#include "base/stream.h"
#include "platform/component.h"

namespace lumora {

struct TskSkinContainer;

constexpr int32_t kCompressedSkinFileVersion = 3;

class TskCompressedStoredSkin : public TComponent {
 public:
  explicit TskCompressedStoredSkin(QObject* owner = nullptr) : TComponent(owner) {}

  const std::string& Description() const { return description_; }
  void SetDescription(std::string v) { description_ = std::move(v); }

  // While designing (and not loading) the value is a full path: the block is
  // built from that description file and only the file-name part is kept.
  // Otherwise the value is stored as given and nothing is loaded.
  const std::string& FileName() const { return file_name_; }
  void SetFileName(const std::string& value);
  // The same rule, with ReadCompressedSkinFile.
  const std::string& CompressedFileName() const { return compressed_file_name_; }
  void SetCompressedFileName(const std::string& value);

  // The zlib block itself.
  TMemoryStream& CompressedStream() { return compressed_; }
  const TMemoryStream& CompressedStream() const { return compressed_; }
  bool IsEmpty() const { return compressed_.Data().empty(); }

  // Inflates the block into target (the whole container). Raises
  // EDecompressionError on a corrupt block or one that inflates past
  // kMaxSkinContainerSize.
  void DecompressTo(TMemoryStream& target) const;

  // Builds the block from a description file and the bitmaps it names
  // (relative to its directory). A file lacking one of [VERSION],
  // [PICTURES], [FORMINFO], [SKINOBJECTS], [SKINCONTROLS] changes nothing.
  // A picture that cannot be read raises; the block is then already empty.
  void BuildFromDescriptionFile(const std::string& path);
  // Replaces the block with the compressed form of a container (written as
  // version 3).
  void CompressContainer(const TskSkinContainer& container);

  // Compressed skin file or stream. A version above 3 leaves the block
  // empty; a length past the end of the data raises EStreamError (the
  // block is then empty too).
  void ReadCompressedSkinFile(const std::string& path);
  void ReadCompressedSkinStream(TStream& stream);
  void WriteCompressedSkinStream(TStream& stream) const;

  // The "CompressedData" property of the form's stored description: the
  // short string name (length byte 14), value tag 0x0A, uint32 length, bytes.
  void WriteCompressedDataProperty(TStream& stream) const;
  // Reads what WriteCompressedDataProperty wrote, from the stream's position.
  void ReadCompressedDataProperty(TStream& stream);
  // Only the value part (uint32 length and bytes), once name and tag are read.
  void ReadCompressedDataValue(TStream& stream);

 private:
  void ReadBlock(TStream& stream);

  std::string description_;
  std::string file_name_;
  std::string compressed_file_name_;
  TMemoryStream compressed_;
};

// The file-name part of a path (after the last "/" or "\").
std::string ExtractFileName(const std::string& path);
// The directory part of a path with its trailing separator ("" when none).
std::string ExtractFilePath(const std::string& path);

}  // namespace lumora
