// Markup, addresses and locked terms: found in the text, and handed back byte
// for byte by a round trip that rewrites the words around them.

#include <gtest/gtest.h>

#include "translate/fixture_lexicon.h"
#include "translate/protected_spans.h"
#include "translate/translator.h"

namespace lumora {
namespace {

std::vector<std::string> Found(std::string_view text) {
  std::vector<std::string> out;
  for (const auto& [b, e] : FindMarkup(text)) out.emplace_back(text.substr(b, e - b));
  return out;
}

TEST(FindMarkup, TagsReferencesUrlsAndAddresses) {
  struct Row {
    const char* text;
    std::vector<std::string> spans;
  } rows[] = {
      // a tag with attributes, its closing tag
      {"见<a href=\"http://x.cn/a?b=1&c=2\" title=\"经济\">这里</a>。",
       {"<a href=\"http://x.cn/a?b=1&c=2\" title=\"经济\">", "</a>"}},
      // a URL ends at Chinese punctuation and before a sentence's full stop
      {"访问https://www.example.org/news，或www.a.cn/x.",
       {"https://www.example.org/news", "www.a.cn/x"}},
      // an address with dots and plus in the local part
      {"写信到zhang.san+news@mail.example.com。", {"zhang.san+news@mail.example.com"}},
      // a character reference; a lone < and a lone @ are plain text
      {"a&nbsp;b 3 < 5 @ home", {"&nbsp;"}},
      // no dot after the @: not an address
      {"user@localhost", {}},
  };
  for (const Row& row : rows) EXPECT_EQ(Found(row.text), row.spans) << row.text;
}

TEST(ParseLockedTerms, OneTermALineWithoutBlanksCommentsOrRepeats) {
  EXPECT_EQ(ParseLockedTerms("\xEF\xBB\xBF 伪原创 \r\n# note\n\n经济\n伪原创\nApple Inc\n"),
            (std::vector<std::string>{"Apple Inc", "伪原创", "经济"}));
}

TEST(FindProtected, TermsInsideAndAcrossWordsMergeWithMarkup) {
  const std::string text = "改善手机<b>改善</b>";
  const auto spans = FindProtected(text, {"善手", "改善"});
  // 改善手 is one span (two terms overlapping); the tag and the second 改善 follow.
  ASSERT_EQ(spans.size(), 4u);
  EXPECT_EQ(text.substr(spans[0].first, spans[0].second - spans[0].first), "改善手");
}

class PassThrough : public ::testing::Test {
 protected:
  std::string RoundTrip(const Translator& t, std::string_view text) {
    return t.ToChinese(t.ToEnglish(text));
  }
  std::shared_ptr<const Lexicon> lexicon_ = testing::FixtureLexicon();
};

TEST_F(PassThrough, MarkupAndAddressesComeBackByteForByte) {
  const Translator t(lexicon_);
  const std::string text =
      "改善<a href=\"http://x.cn/improve\" title=\"改善\">手机</a>见https://a.cn/cell-phone "
      "或mail改善@improve.cn改善";
  const std::string out = RoundTrip(t, text);
  for (const std::string& kept :
       {std::string("<a href=\"http://x.cn/improve\" title=\"改善\">"), std::string("</a>"),
        std::string("https://a.cn/cell-phone"), std::string("improve.cn")}) {
    EXPECT_NE(out.find(kept), std::string::npos) << kept << " lost in " << out;
  }
  EXPECT_NE(out.find("提高"), std::string::npos) << "the words around were not rewritten: " << out;
}

TEST_F(PassThrough, EnglishLegLeavesTheAddressesAlone) {
  const Translator t(lexicon_);
  EXPECT_EQ(t.ToChinese("to improve http://a.cn/to-improve <i class=\"to improve\">"),
            "提高http://a.cn/to-improve <i class=\"to improve\">");
}

TEST_F(PassThrough, LockedTermsStayWholeInsideAndAcrossWords) {
  TranslatorOptions options;
  options.lockedTerms = {"改", "善手"};
  const Translator t(lexicon_, options);
  EXPECT_EQ(RoundTrip(t, "改善"), "改善") << "a term inside a longer word keeps it whole";
  EXPECT_EQ(RoundTrip(t, "改善手机"), "改善手机") << "a term across two words keeps both";
  const Translator free(lexicon_);
  EXPECT_EQ(RoundTrip(free, "改善"), "提高");
}

}  // namespace
}  // namespace lumora
