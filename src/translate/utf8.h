#pragma once
// UTF-8 helpers for the translator and the service: the three-byte form the
// client expects, and the character classes the translator cares about.

#include <cstddef>
#include <string>
#include <string_view>

#include "base/utf8.h"

namespace lumora {

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
// Letters and digits: what numbers and Latin words are made of.
bool IsWordChar(char32_t ch);
// Marks a number or Latin word may hold between two of its characters
// ("3.14", "1,000", "don't", "e-mail").
bool IsWordJoiner(char32_t ch);

// Characters of a UTF-8 text (lead bytes counted; s need not be valid).
size_t CharCount(std::string_view s);
// Whether s is non-empty valid UTF-8 made of Han characters only.
bool IsAllHan(std::string_view s);

}  // namespace lumora
