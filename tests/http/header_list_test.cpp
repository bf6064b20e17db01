#include "http/header_list.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(HeaderList, ValuesJoinContinuationLinesAndIgnoreCase) {
  TNetHeaderList h;
  h.SetText("Content-Type: text/html\r\nX-Long: a,\r\n  b\r\n\tc\r\nServer:nginx\r\n");
  EXPECT_EQ(h.Values("content-type"), "text/html");
  EXPECT_EQ(h.Values("X-LONG"), "a, b c");
  EXPECT_EQ(h.Values("Server"), "nginx");  // no blank after the colon
  EXPECT_EQ(h.Values("Missing"), "");
}

TEST(HeaderList, AllValuesKeepsOrderOfRepeatedLines) {
  TNetHeaderList h;
  h.SetText("Set-Cookie: a=1\r\nOther: x\r\nset-cookie: b=2\r\n");
  EXPECT_EQ(h.AllValues("Set-Cookie"), (std::vector<std::string>{"a=1", "b=2"}));
}

TEST(HeaderList, SetValueReplacesInPlaceAndDropsContinuations) {
  TNetHeaderList h;
  h.SetText("A: 1\r\nB: 2\r\n  more\r\nC: 3\r\n");
  h.SetValue("b", "new");
  EXPECT_EQ(h.Text(), "A: 1\r\nb: new\r\nC: 3\r\n");
  h.SetValue("A", "");
  EXPECT_EQ(h.Text(), "b: new\r\nC: 3\r\n");
  h.SetValue("D", "4");
  EXPECT_EQ(h.Text(), "b: new\r\nC: 3\r\nD: 4\r\n");
}

TEST(HeaderList, FoldsAtTheLastBreakBeforeTheFoldColumn) {
  TNetHeaderList h(20);
  h.SetValue("X", "aaaa bbbb cccc dddd eeee");
  // "X: aaaa bbbb cccc " is the longest piece that ends in a break below 20.
  EXPECT_EQ(h.Text(), "X: aaaa bbbb cccc\r\n dddd eeee\r\n");
  EXPECT_EQ(h.Values("X"), "aaaa bbbb cccc dddd eeee");
}

TEST(HeaderList, DoesNotFoldInsideQuotes) {
  TNetHeaderList h(12);
  h.SetValue("X", "\"a b c d e f\",g");
  EXPECT_EQ(h.Text(), "X: \"a b c d e f\",\r\n g\r\n");
}

TEST(HeaderList, KeepsAnUnbreakableLineWhole) {
  TNetHeaderList h(10);
  h.SetValue("X", std::string(30, 'z'));
  EXPECT_EQ(h.Count(), 1);
}

TEST(HeaderList, FoldsLongHeaderLinesAt1024) {
  TNetHeaderList h(1024);
  std::string value;
  for (int i = 0; i < 300; ++i) value += "word ";
  value += "end";
  h.SetValue("X-Words", value);
  ASSERT_GT(h.Count(), 1);
  for (int i = 0; i < h.Count(); ++i) {
    EXPECT_LE(h[i].size(), 1024u) << "line " << i;
    if (i > 0) {
      EXPECT_EQ(h[i][0], ' ');
    }
    EXPECT_NE(h[i].back(), ' ');
  }
  EXPECT_EQ(h.Values("X-Words"), value);
}

}  // namespace
}  // namespace lumora
