#pragma once
// UTF-8 decoding and encoding shared by every layer that meets outside text:
// strict decoding (a pair of encoded surrogate halves, as Windows-born text
// carries them, reads as one character) and standard encoding.

#include <cstddef>
#include <string>
#include <string_view>

namespace lumora {

// Reads the character starting at s[pos]; on success stores it in ch and the
// number of bytes it took in len. A pair of encoded surrogate halves counts as
// one character of six bytes. Returns false on malformed input.
bool DecodeUtf8Char(std::string_view s, size_t pos, char32_t& ch, size_t& len);

// True when every byte belongs to a well-formed character as above.
bool IsValidUtf8(std::string_view s);

// The characters of s; a malformed byte reads as U+FFFD.
std::u32string DecodeUtf8(std::string_view s);

// Standard UTF-8 (four bytes above U+FFFF).
void AppendUtf8(std::string& out, char32_t ch);

}  // namespace lumora
