#include "translate/utf8.h"

namespace lumora {

std::string ToThreeByteUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  while (pos < s.size()) {
    char32_t ch;
    size_t len;
    if (!DecodeUtf8Char(s, pos, ch, len)) {
      out += s[pos++];
      continue;
    }
    if (ch >= 0x10000) {
      const char32_t v = ch - 0x10000;
      AppendUtf8(out, 0xD800 + (v >> 10));
      AppendUtf8(out, 0xDC00 + (v & 0x3FF));
    } else {
      out.append(s.substr(pos, len));
    }
    pos += len;
  }
  return out;
}

std::string ToStandardUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  while (pos < s.size()) {
    char32_t ch;
    size_t len;
    if (!DecodeUtf8Char(s, pos, ch, len)) {
      out += s[pos++];
      continue;
    }
    if (len == 6) {
      AppendUtf8(out, ch);
    } else {
      out.append(s.substr(pos, len));
    }
    pos += len;
  }
  return out;
}

bool IsHanChar(char32_t ch) {
  return (ch >= 0x4E00 && ch <= 0x9FFF) || (ch >= 0x3400 && ch <= 0x4DBF) ||
         (ch >= 0xF900 && ch <= 0xFAFF) || (ch >= 0x20000 && ch <= 0x3134F) || ch == 0x3007;
}

bool IsAsciiLetter(char32_t ch) {
  return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

bool IsDigitChar(char32_t ch) {
  return (ch >= '0' && ch <= '9') || (ch >= 0xFF10 && ch <= 0xFF19);
}

bool IsLatinLetter(char32_t ch) {
  return IsAsciiLetter(ch) || (ch >= 0xC0 && ch <= 0x24F && ch != 0xD7 && ch != 0xF7);
}

bool IsWordChar(char32_t ch) {
  return IsLatinLetter(ch) || IsDigitChar(ch);
}

bool IsWordJoiner(char32_t ch) {
  return ch == '.' || ch == ',' || ch == '\'' || ch == '-';
}

bool IsSpaceChar(char32_t ch) {
  return ch == ' ' || ch == '\t' || ch == 0xA0 || ch == 0x3000;
}

size_t CharCount(std::string_view s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

bool IsAllHan(std::string_view s) {
  size_t pos = 0;
  while (pos < s.size()) {
    char32_t ch;
    size_t len;
    if (!DecodeUtf8Char(s, pos, ch, len) || !IsHanChar(ch)) return false;
    pos += len;
  }
  return !s.empty();
}

}  // namespace lumora
