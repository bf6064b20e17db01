#include "skin/data/ini_file.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TskIniFile Ini(const char* text) {
  TStringList l;
  l.SetText(text);
  return TskIniFile(l);
}

TEST(SkinIni, GrammarRows) {
  TskIniFile ini =
      Ini("orphan=before any section\r\n"
          "  [ First ]  \r\n"
          "\tkey = value with = inside \r\n"
          "; comment=ignored\r\n"
          "\r\n"
          "no equals sign\r\n"
          "empty=\r\n"
          "=no key\r\n"
          "[Second]\r\n"
          "Key=second\r\n"
          "key=duplicate\r\n"
          "[first]\r\n"
          "key=repeated section\r\n"
          "other=only here\r\n");
  struct Row {
    const char* section;
    const char* key;
    const char* expected;  // null: missing
    const char* what;
  } rows[] = {
      {"First", "key", "value with = inside", "trimmed key and value, first = splits"},
      {"FIRST", "KEY", "value with = inside", "names ignore case"},
      {"First", "empty", "", "empty value is present"},
      {"First", "", "no key", "empty key"},
      {"First", "no equals sign", nullptr, "a line without = is no key"},
      {"First", "comment", nullptr, "comments skipped"},
      {"First", "orphan", nullptr, "lines before the first section ignored"},
      {"Second", "key", "second", "first of duplicate keys answers"},
      {"First", "other", nullptr, "a repeated section does not answer"},
      {"Third", "key", nullptr, "missing section"},
  };
  for (const Row& r : rows) {
    const std::string* v = ini.Find(r.section, r.key);
    if (r.expected == nullptr) {
      EXPECT_EQ(v, nullptr) << r.what;
    } else {
      ASSERT_NE(v, nullptr) << r.what;
      EXPECT_EQ(*v, r.expected) << r.what;
    }
  }
  EXPECT_EQ(ini.ReadString("Third", "key", "fallback"), "fallback");
  EXPECT_TRUE(ini.SectionExists("second"));
  EXPECT_EQ(ini.LineCount("First"), 4);
}

TEST(SkinIni, WriteReplacesAppendsAndErases) {
  TskIniFile ini = Ini("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
  ini.WriteString("a", "X", "10");
  ini.WriteString("A", "w", "4");
  ini.WriteString("C", "v", "5");
  ini.EraseSection("b");
  EXPECT_EQ(ini.GetStrings().Text(), "[A]\r\nX=10\r\ny=2\r\nw=4\r\n[C]\r\nv=5\r\n");
  // What was written reads back through a fresh reader.
  TskIniFile again(ini.GetStrings());
  EXPECT_EQ(again.ReadString("a", "x", ""), "10");
  EXPECT_FALSE(again.SectionExists("B"));
}

TEST(SkinIni, ManyRepeatedSectionsStayCheap) {
  // 200000 repeated section headers: look-ups are hashed, so this is fast
  // and the first section still answers.
  TStringList l;
  for (int i = 0; i < 200000; ++i) {
    l.Add("[S]");
    l.Add("k=" + std::to_string(i));
  }
  TskIniFile ini(l);
  EXPECT_EQ(ini.ReadString("S", "k", ""), "0");
}

}  // namespace
}  // namespace lumora
