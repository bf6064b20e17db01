#include "base/text.h"

#include <gtest/gtest.h>

#include "base/exception.h"
#include "support/expect_raises.h"

namespace lumora {
namespace {

TEST(ParseInt, AcceptsDecimalAndBothHexPrefixes) {
  struct Row {
    const char* text;
    std::optional<int64_t> value;
  } rows[] = {
      {"0", 0},
      {"-17", -17},
      {"+5", 5},
      {"$FF", 255},
      {"0x1a", 26},
      {"0X1A", 26},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {" 1", std::nullopt},                   // blanks are not skipped
      {"12a", std::nullopt},                  // trailing garbage
      {"9223372036854775807", INT64_MAX},     // largest
      {"-9223372036854775808", INT64_MIN},    // smallest
      {"9223372036854775808", std::nullopt},  // one past the largest
  };
  for (const auto& row : rows) EXPECT_EQ(ParseInt64(row.text), row.value) << row.text;
}

TEST(ParseInt, Int32RangeIsChecked) {
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32("2147483648"), std::nullopt);
  EXPECT_EQ(StrToIntDef("x", -1), -1);
  EXPECT_RAISES(EConvertError, "'x1' is not a valid integer value", StrToInt("x1"));
}

TEST(Text, CaseMappingTouchesAsciiOnly) {
  EXPECT_EQ(UpperCase("abc\xE4\xBD\xA0z"), "ABC\xE4\xBD\xA0Z");
  EXPECT_TRUE(SameText("Keep-Alive", "KEEP-ALIVE"));
  EXPECT_FALSE(SameText("a", "ab"));
  EXPECT_EQ(FindText("Transfer-CHUNKED", "chunked"), 9u);
  EXPECT_TRUE(StartsText("http", "HTTP://x"));
  EXPECT_TRUE(EndsText(".INI", "skin.ini"));
}

TEST(Text, TrimDropsBlanksAndControls) {
  EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(Trim("   "), "");
}

TEST(Text, FormatGrowsToFit) {
  std::string long_arg(500, 'x');
  EXPECT_EQ(Format("Socket Error # %d\r\n%s", 10061, "Connection refused."),
            "Socket Error # 10061\r\nConnection refused.");
  EXPECT_EQ(Format("%s!", long_arg.c_str()).size(), 501u);
}

}  // namespace
}  // namespace lumora
