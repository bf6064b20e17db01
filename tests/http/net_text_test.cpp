#include "http/net_text.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(CutAtDelimiter, SplitsAtTheFirstDelimiter) {
  struct Row {
    const char* note;
    const char* text;
    const char* delimiter;
    bool remove;
    bool case_sensitive;
    const char* result;
    const char* left;
  } rows[] = {
      {"plain", "a:b:c", ":", true, true, "a", "b:c"},
      {"without removing", "a:b:c", ":", false, true, "a", "a:b:c"},
      {"delimiter missing takes all", "abc", ":", true, true, "abc", ""},
      {"delimiter missing, kept", "abc", ":", false, true, "abc", "abc"},
      {"delimiter first", ":abc", ":", true, true, "", "abc"},
      {"delimiter last", "abc:", ":", true, true, "abc", ""},
      {"several bytes", "a\r\n\r\nb", "\r\n\r\n", true, true, "a", "b"},
      {"case-sensitive misses", "aXbxc", "x", true, true, "aXb", "c"},
      {"case-insensitive hits the first", "aXbxc", "x", true, false, "a", "bxc"},
      {"case-insensitive keeps the text's case", "Content-TYPE: x", "type", true, false, "Content-",
       ": x"},
      {"empty text", "", ":", true, true, "", ""},
      {"empty delimiter never occurs", "abc", "", true, true, "abc", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.note);
    std::string text = row.text;
    EXPECT_EQ(CutAtDelimiter(text, row.delimiter, row.remove, row.case_sensitive), row.result);
    EXPECT_EQ(text, row.left);
  }
}

TEST(CutAtDelimiter, DefaultsRemoveAndCompareCase) {
  std::string text = "nameXvalue";
  EXPECT_EQ(CutAtDelimiter(text, "x"), "nameXvalue");
  EXPECT_EQ(text, "");
}

TEST(RPos, FindsTheLastMatchAtOrBeforeStart) {
  struct Row {
    const char* note;
    const char* needle;
    const char* text;
    int start;
    int position;
  } rows[] = {
      {"last from the end", "/", "/a/b/c", -1, 5},
      {"start on a match", "/", "/a/b/c", 5, 5},
      {"start before the last", "/", "/a/b/c", 4, 3},
      {"start at the first", "/", "/a/b/c", 1, 1},
      {"none before start", "/", "a/b", 1, 0},
      {"not there", "/", "abc", -1, 0},
      {"ignores case", "AB", "xabyab", -1, 5},
      {"start past the end is the end", "b", "abc", 100, 2},
      {"longer needle fits from the end", "bc", "abc", -1, 2},
      {"needle longer than text", "abcd", "abc", -1, 0},
      {"empty needle", "", "abc", -1, 0},
      {"empty text", "/", "", -1, 0},
      {"start 0 finds nothing", "a", "abc", 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.note);
    EXPECT_EQ(RPos(row.needle, row.text, row.start), row.position);
  }
}

TEST(NetPos, FindsTheFirstMatchAtOrAfterStart) {
  EXPECT_EQ(NetPos("b", "abcb"), 2);
  EXPECT_EQ(NetPos("b", "abcb", 3), 4);
  EXPECT_EQ(NetPos("b", "abcb", 5), 0);
  EXPECT_EQ(NetPos("B", "abcb"), 0);  // exact bytes
  EXPECT_EQ(NetPos("", "abc"), 0);
  // "文" is E6 96 87; a search for one of its bytes alone is no character
  // search, but ASCII never matches inside it.
  EXPECT_EQ(NetPos("?", "\xE6\x96\x87?x"), 4);
}

}  // namespace
}  // namespace lumora
