#pragma once
// Byte-string helpers used everywhere: ASCII case mapping and comparison,
// trimming, integer conversion with the program's number syntax, formatting.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

std::string UpperCase(std::string_view s);  // ASCII letters only; other bytes unchanged
std::string LowerCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);  // equal ignoring ASCII case
bool StartsText(std::string_view prefix, std::string_view s);
bool EndsText(std::string_view suffix, std::string_view s);
// Position of needle in haystack ignoring ASCII case, or npos.
size_t FindText(std::string_view haystack, std::string_view needle, size_t from = 0);

// Trimming drops bytes up to and including the blank (control characters too).
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// Decimal integer with optional sign and surrounding blanks not allowed;
// "$" or "0x"/"0X" introduce hexadecimal. Out of range fails.
std::optional<int64_t> ParseInt64(std::string_view s);
std::optional<int32_t> ParseInt32(std::string_view s);
int32_t StrToIntDef(std::string_view s, int32_t fallback);
// As StrToIntDef but raises EConvertError "'s' is not a valid integer value".
int32_t StrToInt(std::string_view s);

// printf-style formatting into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace lumora
