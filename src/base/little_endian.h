#pragma once
// Little-endian integers in byte buffers and streams, the layout of the
// stored skin, its container and BMP files.

#include <cstdint>
#include <string>

#include "base/stream.h"

namespace lumora {

inline uint16_t LoadLE16(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t LoadLE32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline void AppendLE16(std::string& s, uint16_t v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>(v >> 8));
}

inline void AppendLE32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// Raises EStreamError when fewer than 4 bytes are left.
inline int32_t ReadLE32(TStream& s) {
  unsigned char b[4];
  s.ReadBuffer(b, 4);
  return static_cast<int32_t>(LoadLE32(b));
}

inline void WriteLE32(TStream& s, uint32_t v) {
  std::string b;
  AppendLE32(b, v);
  s.WriteString(b);
}

}  // namespace lumora
