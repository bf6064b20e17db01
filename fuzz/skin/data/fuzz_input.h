#pragma once
// The fuzz input: one mode byte, then the payload the mode names.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumora::fuzz {

enum Mode : uint8_t {
  kCompressedBlock = 0,  // a stored skin's zlib block
  kContainer = 1,        // an inflated container
  kDescription = 2,      // description text only, in a container without pictures
  kSkinFile = 3,         // a compressed skin file
  kModeCount = 4
};

// The zlib block of some bytes, made quickly.
std::string DeflateFast(std::string_view bytes);
// A version 3 container holding no pictures and the given text.
std::string BareContainer(std::string_view text);

}  // namespace lumora::fuzz
