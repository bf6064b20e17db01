#pragma once
// Bounds on what hostile or damaged skin data may ask of us. Each is far
// above what a real skin needs (the stored skin inflates to under 2 MiB,
// its largest bitmap is 682 x 396).

#include <cstdint>

namespace lumora {

// Largest width or height of a bitmap read from a skin.
constexpr int32_t kMaxBitmapSide = 16384;
// Largest BMP file image (its bfSize) read or written.
constexpr uint32_t kMaxBitmapFileSize = 512u * 1024 * 1024;
// Largest inflated skin container.
constexpr int64_t kMaxSkinContainerSize = 256 * 1024 * 1024;
// Most active picture names kept from [PICTURES] "activepicturescount".
constexpr int32_t kMaxActivePictureNames = 65536;

}  // namespace lumora
