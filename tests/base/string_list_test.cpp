#include "base/string_list.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(StringList, SetTextSplitsAtEveryLineEndKind) {
  struct Row {
    const char* text;
    std::vector<std::string> lines;
  } rows[] = {
      {"", {}},                        // nothing
      {"a", {"a"}},                    // no final line end
      {"a\r\nb\r\n", {"a", "b"}},      // final CR LF adds no empty line
      {"a\nb\rc", {"a", "b", "c"}},    // LF and lone CR
      {"a\r\n\r\nb", {"a", "", "b"}},  // empty line kept
      {"\r\n", {""}},                  // one empty line
  };
  for (const auto& row : rows) {
    TStringList l;
    l.SetText(row.text);
    EXPECT_EQ(l.Items(), row.lines) << "text: " << row.text;
  }
}

TEST(StringList, TextEndsEveryLineWithCrLf) {
  TStringList l;
  l.Add("x");
  l.Add("");
  l.Add("y");
  EXPECT_EQ(l.Text(), "x\r\n\r\ny\r\n");
}

TEST(StringList, LookupsIgnoreCaseUnlessAsked) {
  TStringList l;
  l.Add("Content-Type=text/html");
  l.Add("Host=a=b");
  EXPECT_EQ(l.IndexOf("HOST=A=B"), 1);
  EXPECT_EQ(l.Values("content-type"), "text/html");
  EXPECT_EQ(l.Values("host"), "a=b");  // later "=" stay in the value
  l.SetCaseSensitive(true);
  EXPECT_EQ(l.IndexOfName("host"), -1);
}

TEST(StringList, SetValueReplacesInPlaceAppendsOrDeletes) {
  TStringList l;
  l.Add("a=1");
  l.Add("b=2");
  l.SetValue("A", "3");
  l.SetValue("c", "4");
  EXPECT_EQ(l.Text(), "A=3\r\nb=2\r\nc=4\r\n");
  l.SetValue("b", "");
  EXPECT_EQ(l.Text(), "A=3\r\nc=4\r\n");
}

TEST(StringList, LoadsFromTheStreamPosition) {
  TStringStream s("skip\r\nkeep\r\nthis");
  s.SetPosition(6);
  TStringList l;
  l.LoadFromStream(s);
  EXPECT_EQ(l.Items(), (std::vector<std::string>{"keep", "this"}));
}

}  // namespace
}  // namespace lumora
