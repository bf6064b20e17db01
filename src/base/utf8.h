#pragma once
// UTF-8 decoding and encoding shared by every layer that meets outside text:
// strict decoding (a pair of encoded surrogate halves, as Windows-born text
// carries them, reads as one character) and standard encoding.

#include <cstddef>
#include <string>
#include <string_view>

namespace lumora {

namespace utf8_detail {
bool DecodeUtf8CharSlow(std::string_view s, size_t pos, char32_t& ch, size_t& len);
}

// Reads the character starting at s[pos]; on success stores it in ch and the
// number of bytes it took in len. A pair of encoded surrogate halves counts as
// one character of six bytes. Returns false on malformed input.
inline bool DecodeUtf8Char(std::string_view s, size_t pos, char32_t& ch, size_t& len) {
  // ASCII and the three-byte characters outside the surrogate halves (all of
  // Chinese) are read here, at the translator's every step; the rest is
  // read out of line.
  if (pos < s.size()) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
      ch = b0;
      len = 1;
      return true;
    }
    if ((b0 & 0xF0) == 0xE0 && s.size() - pos > 2) {
      const auto b1 = static_cast<unsigned char>(s[pos + 1]);
      const auto b2 = static_cast<unsigned char>(s[pos + 2]);
      if ((b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80) {
        const char32_t v =
            (char32_t{b0 & 0x0Fu} << 12) | (char32_t{b1 & 0x3Fu} << 6) | (b2 & 0x3Fu);
        if (v >= 0x800 && (v < 0xD800 || v > 0xDFFF)) {
          ch = v;
          len = 3;
          return true;
        }
      }
    }
  }
  return utf8_detail::DecodeUtf8CharSlow(s, pos, ch, len);
}

// True when every byte belongs to a well-formed character as above.
bool IsValidUtf8(std::string_view s);

// The characters of s; a malformed byte reads as U+FFFD.
std::u32string DecodeUtf8(std::string_view s);

// Standard UTF-8 (four bytes above U+FFFF).
void AppendUtf8(std::string& out, char32_t ch);

}  // namespace lumora
