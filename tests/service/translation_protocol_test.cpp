#include "service/translation_protocol.h"

#include <gtest/gtest.h>

#include "client_reading.h"
#include "support/expect_raises.h"

namespace lumora {
namespace {

using testing::ClientBody;
using testing::ClientSegments;

TEST(PercentDecode, DecodesEscapesAndPlus) {
  EXPECT_EQ(PercentDecode("%E4%BD%A0%0D%0Aa+b%2B", "i"), "你\r\na b+");
  EXPECT_EQ(PercentDecode("%e4%bd%a0", "i"), "你") << "lower-case hex digits";
  EXPECT_EQ(PercentDecode("", "i"), "");
}

TEST(PercentDecode, RefusesBrokenEscapes) {
  for (const char* bad : {"%", "%4", "%G0", "abc%", "%%41"}) {
    EXPECT_THROW(PercentDecode(bad, "i"), EBadRequest) << bad;
  }
}

TEST(ParseTranslateForm, ReadsTheClientBody) {
  const auto r = ParseTranslateForm(ClientBody("ZH_CN2EN", "你好\r\n世界 #1"));
  EXPECT_EQ(r.direction, Direction::kToEnglish);
  EXPECT_EQ(r.text, "你好\r\n世界 #1");
  EXPECT_EQ(ParseTranslateForm(ClientBody("EN2ZH_CN", "x")).direction, Direction::kToChinese);
}

TEST(ParseTranslateForm, EscapedAmpersandStaysInTheTextARawOneEndsIt) {
  EXPECT_EQ(ParseTranslateForm(ClientBody("ZH_CN2EN", "a=1&b=2")).text, "a=1&b=2");
  // A sender that leaves "&" unescaped ends the text there, and a text that
  // spells out another type field does not change the direction.
  EXPECT_EQ(ParseTranslateForm("&type=ZH_CN2EN&i=a=1&b=2").text, "a=1");
  EXPECT_EQ(ParseTranslateForm("&type=ZH_CN2EN&i=x&type=EN2ZH_CN").direction,
            Direction::kToEnglish);
}

TEST(ParseTranslateForm, EmptyTextIsFine) {
  EXPECT_EQ(ParseTranslateForm(ClientBody("ZH_CN2EN", "")).text, "");
}

TEST(ParseTranslateForm, JoinsSurrogateHalvesOfTheClient) {
  const auto r = ParseTranslateForm("&type=ZH_CN2EN&i=%ED%A0%BD%ED%B8%80");
  EXPECT_EQ(r.text, "\xF0\x9F\x98\x80");
}

TEST(ParseTranslateForm, RefusesBadForms) {
  struct Case {
    const char* body;
    const char* message;
  } cases[] = {
      {"&i=abc", "Missing field type"},
      {"&type=FR2EN&i=abc", "Unknown type \"FR2EN\""},
      {"&type=ZH_CN2EN", "Missing field i"},
      {"&type=ZH_CN2EN&i=%E4%B", "Bad percent-encoding in field i at offset 3"},
      {"&type=ZH_CN2EN&i=%FF%FE", "Field i is not UTF-8 text"},
      {"", "Missing field type"},
  };
  for (const auto& c : cases) {
    EXPECT_RAISES(EBadRequest, c.message, ParseTranslateForm(c.body)) << c.body;
  }
}

TEST(SplitParagraphs, KeepsEachLineBreak) {
  const auto p = SplitParagraphs("a\r\nb\nc\rd");
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0].text, "a");
  EXPECT_EQ(p[0].lineBreak, "\r\n");
  EXPECT_EQ(p[1].lineBreak, "\n");
  EXPECT_EQ(p[2].lineBreak, "\r");
  EXPECT_EQ(p[3].text, "d");
  EXPECT_EQ(p[3].lineBreak, "");
}

TEST(SplitParagraphs, BlankLinesAreParagraphsButAFinalBreakIsNot) {
  const auto p = SplitParagraphs("a\r\n\r\nb\r\n");
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[1].text, "");
  EXPECT_EQ(p[2].text, "b");
  EXPECT_EQ(p[2].lineBreak, "\r\n");
  EXPECT_TRUE(SplitParagraphs("").empty());
}

TEST(TranslationXml, ClientReadsBackEverySegment) {
  const std::vector<std::string> segments = {"A\r\n", "", "B b"};
  const std::string xml = BuildTranslationXml(Direction::kToEnglish, segments);
  EXPECT_EQ(ClientSegments(xml), segments);
  EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")) << xml;
}

TEST(TranslationXml, NoSegmentGivesNoTgt) {
  const std::string xml = BuildTranslationXml(Direction::kToChinese, {});
  EXPECT_EQ(xml.find("<tgt>"), std::string::npos);
  EXPECT_TRUE(ClientSegments(xml).empty());
}

TEST(TranslationXml, SegmentsThatWouldCloseOrOpenEarlyAreDefused) {
  struct Case {
    const char* segment;
    const char* seen;
  } cases[] = {
      {"a]]b", "a］]b"},
      {"end]", "end］"},
      {"x]]>y", "x］]>y"},
      {"<tgt><![CDATA[inner", "<tgt><![CDATA［inner"},
      {"tgt><![CDATA[", "tgt><![CDATA［"},
      {"[ok] [fine]", "[ok] [fine］"},
  };
  for (const auto& c : cases) {
    const auto got = ClientSegments(BuildTranslationXml(Direction::kToChinese, {c.segment}));
    ASSERT_EQ(got.size(), 1u) << c.segment;
    EXPECT_EQ(got[0], c.seen) << c.segment;
  }
}

// The client decodes at most three bytes per character, and a text it cannot
// decode is empty as a whole.
bool ClientCanDecode(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    const size_t follow = (b & 0x20) ? 2 : 1;
    for (size_t k = 1; k <= follow; ++k) {
      if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += follow + 1;
  }
  return true;
}

TEST(TranslationXml, CharactersBeyondTheBasicPlaneStayDecodable) {
  const std::string xml = BuildTranslationXml(Direction::kToChinese, {"笑\xF0\x9F\x98\x80了"});
  EXPECT_TRUE(ClientCanDecode(xml));
  EXPECT_FALSE(ClientCanDecode("\xF0\x9F\x98\x80")) << "the check itself must catch four bytes";
}

}  // namespace
}  // namespace lumora
