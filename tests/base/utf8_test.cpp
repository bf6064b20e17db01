// Reading UTF-8 one character at a time: the common characters read inline
// and the rest agree with the strict rules, at the ends of the text too.

#include "base/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace lumora {
namespace {

struct Read {
  bool ok;
  char32_t ch;
  size_t len;
};

Read At(std::string_view s, size_t pos = 0) {
  char32_t ch = 0;
  size_t len = 0;
  const bool ok = DecodeUtf8Char(s, pos, ch, len);
  return {ok, ok ? ch : 0, ok ? len : 0};
}

void ExpectRead(std::string_view s, char32_t ch, size_t len) {
  const Read r = At(s);
  EXPECT_TRUE(r.ok) << "bytes " << ::testing::PrintToString(std::string(s));
  EXPECT_EQ(r.ch, ch);
  EXPECT_EQ(r.len, len);
}

void ExpectRefused(std::string_view s, size_t pos = 0) {
  EXPECT_FALSE(At(s, pos).ok) << "bytes " << ::testing::PrintToString(std::string(s));
}

TEST(DecodeUtf8Char, ReadsEachLengthAtItsBounds) {
  ExpectRead("A", U'A', 1);
  ExpectRead("\x7F", 0x7F, 1);
  ExpectRead("\xC2\x80", 0x80, 2);
  ExpectRead("\xE0\xA0\x80", 0x800, 3);
  ExpectRead("\xE4\xB8\xAD", U'中', 3);
  ExpectRead("\xED\x9F\xBF", 0xD7FF, 3);
  ExpectRead("\xEE\x80\x80", 0xE000, 3);
  ExpectRead("\xEF\xBF\xBF", 0xFFFF, 3);
  ExpectRead("\xF0\x9F\x98\x80", 0x1F600, 4);
  // Two encoded surrogate halves, as Windows-born text carries them.
  ExpectRead("\xED\xA0\xBD\xED\xB8\x80", 0x1F600, 6);
}

TEST(DecodeUtf8Char, RefusesMalformedBytesAndTextThatEndsEarly) {
  ExpectRefused("\xE0\x9F\xBF");  // overlong
  ExpectRefused("\xC0\xAF");
  ExpectRefused("\xED\xA0\x80");  // a high half alone
  ExpectRefused("\xED\xB8\x80");  // a low half alone
  ExpectRefused("\xE4\x41\xAD");  // not a continuation
  ExpectRefused("\xE4\xB8\x41");
  ExpectRefused("\x80");
  ExpectRefused("\xF4\x90\x80\x80");  // past U+10FFFF
  ExpectRefused("\xE4\xB8");
  ExpectRefused("");
  // The view ends inside a character that the bytes beyond it would finish.
  const std::string whole = "x\xE4\xB8\xAD";
  ExpectRefused(std::string_view(whole).substr(0, 3), 1);
  EXPECT_TRUE(At(whole, 1).ok);
  ExpectRefused(whole, whole.size());
}

// Every three-byte sequence, against the rules written out on their own.
TEST(DecodeUtf8Char, AgreesWithTheRulesOnEveryThreeByteSequence) {
  int checked = 0;
  for (int b0 = 0xE0; b0 <= 0xEF; ++b0) {
    for (int b1 = 0x00; b1 <= 0xFF; ++b1) {
      for (int b2 : {0x00, 0x41, 0x80, 0x9F, 0xA0, 0xBF, 0xC0, 0xFF}) {
        const std::string s{static_cast<char>(b0), static_cast<char>(b1), static_cast<char>(b2)};
        const bool continuations = (b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80;
        const char32_t v = ((b0 & 0x0F) << 12) | ((b1 & 0x3F) << 6) | (b2 & 0x3F);
        const bool valid = continuations && v >= 0x800 && (v < 0xD800 || v > 0xDFFF);
        const Read r = At(s);
        ASSERT_EQ(r.ok, valid) << ::testing::PrintToString(s);
        if (valid) {
          ASSERT_EQ(r.ch, v);
          ASSERT_EQ(r.len, 3u);
        }
        ++checked;
      }
    }
  }
  EXPECT_EQ(checked, 16 * 256 * 8);
}

}  // namespace
}  // namespace lumora
