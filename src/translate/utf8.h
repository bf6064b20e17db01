#pragma once
// UTF-8 helpers for the translator and the service: strict decoding (with
// surrogate pairs written as two three-byte units accepted, since Windows-born
// clients produce them), encoding, and the character classes the translator
// cares about.

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

// Standard UTF-8 (four bytes above U+FFFF).
void AppendUtf8(std::string& out, char32_t ch);

// Rewrites s so that no character takes more than three bytes: characters
// above U+FFFF become two encoded surrogate halves. The client decodes at
// most three bytes per character. s must be valid (IsValidUtf8).
std::string ToThreeByteUtf8(std::string_view s);

// Rewrites encoded surrogate pairs as standard four-byte UTF-8. s must be valid.
std::string ToStandardUtf8(std::string_view s);

bool IsHanChar(char32_t ch);
bool IsAsciiLetter(char32_t ch);
bool IsDigitChar(char32_t ch);  // ASCII and full-width digits
// Letters that make up a Latin word: ASCII and the Latin-1/Extended-A letters.
bool IsLatinLetter(char32_t ch);
bool IsSpaceChar(char32_t ch);  // blanks and tabs, not line breaks

}  // namespace lumora
