#pragma once
// The skin container: the inflated stored-skin block. Layout, all integers
// 32-bit little-endian:
//   version (3 when written; above 3 is rejected)
//   flag + picture, flag + inactive picture, flag + mask
//     (flag byte 1 = absent, 0 = a BMP file image follows)
//   version 2 only: two more flag + picture pairs, read and dropped
//   active picture count N, then N BMP file images without flags
//   the description text to the end, lines ended by CR LF

#include <QImage>
#include <cstdint>
#include <vector>

#include "base/stream.h"
#include "base/string_list.h"
#include "skin/data/skin_limits.h"

namespace lumora {

constexpr int32_t kSkinContainerVersion = 3;

struct TskSkinContainer {
  int32_t Version = kSkinContainerVersion;
  QImage Picture;          // null when absent
  QImage InactivePicture;  // null when absent
  QImage Mask;             // null when absent
  std::vector<QImage> ActivePictures;
  TStringList Lines;  // the description text
};

// Reads a container from the stream's position. Returns false, with only
// Version filled, when the version is above 3. Damaged data raises the
// stream and bitmap errors (EStreamError).
bool ReadSkinContainer(TStream& stream, TskSkinContainer& out);

// Writes the container as version 3 (Version is not consulted).
void WriteSkinContainer(TStream& stream, const TskSkinContainer& container);

}  // namespace lumora
