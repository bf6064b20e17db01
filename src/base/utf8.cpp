#include "base/utf8.h"

namespace lumora {

namespace {

bool Continuation(std::string_view s, size_t pos) {
  return pos < s.size() && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80;
}

// Decodes one standard sequence, surrogate halves included as values.
bool DecodeRaw(std::string_view s, size_t pos, char32_t& ch, size_t& len) {
  if (pos >= s.size()) return false;
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) {
    ch = b0;
    len = 1;
    return true;
  }
  size_t n;
  char32_t value;
  char32_t minimum;
  if ((b0 & 0xE0) == 0xC0) {
    n = 2;
    value = b0 & 0x1F;
    minimum = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 3;
    value = b0 & 0x0F;
    minimum = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 4;
    value = b0 & 0x07;
    minimum = 0x10000;
  } else {
    return false;
  }
  for (size_t i = 1; i < n; ++i) {
    if (!Continuation(s, pos + i)) return false;
    value = (value << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF) return false;
  ch = value;
  len = n;
  return true;
}

}  // namespace

bool utf8_detail::DecodeUtf8CharSlow(std::string_view s, size_t pos, char32_t& ch, size_t& len) {
  char32_t first;
  size_t firstLen;
  if (!DecodeRaw(s, pos, first, firstLen)) return false;
  if (first < 0xD800 || first > 0xDFFF) {
    ch = first;
    len = firstLen;
    return true;
  }
  if (first > 0xDBFF) return false;  // a lone low half
  char32_t second;
  size_t secondLen;
  if (!DecodeRaw(s, pos + firstLen, second, secondLen)) return false;
  if (second < 0xDC00 || second > 0xDFFF) return false;
  ch = 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
  len = firstLen + secondLen;
  return true;
}

bool IsValidUtf8(std::string_view s) {
  size_t pos = 0;
  while (pos < s.size()) {
    char32_t ch;
    size_t len;
    if (!DecodeUtf8Char(s, pos, ch, len)) return false;
    pos += len;
  }
  return true;
}

std::u32string DecodeUtf8(std::string_view s) {
  std::u32string out;
  size_t pos = 0;
  while (pos < s.size()) {
    char32_t ch;
    size_t len;
    if (!DecodeUtf8Char(s, pos, ch, len)) {
      ch = 0xFFFD;
      len = 1;
    }
    out += ch;
    pos += len;
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (ch >> 18));
    out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

}  // namespace lumora
