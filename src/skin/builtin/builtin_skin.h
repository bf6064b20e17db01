#pragma once
// The skin built into the program: the compressed block (the zlib stream of
// the whole skin container, as TskCompressedStoredSkin::CompressedStream
// holds it) packed at build time from assets/skin.

#include <string_view>

namespace lumora {

// The block's bytes; they live as long as the program.
std::string_view BuiltinSkinBlock();

}  // namespace lumora
