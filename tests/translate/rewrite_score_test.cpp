// The score of a rewrite against its source, as batch mode prints it.

#include "translate/rewrite_score.h"

#include <gtest/gtest.h>

#include "translate/fixture_lexicon.h"
#include "translate/lexicon_builder.h"

namespace lumora {
namespace {

class ScoreArticleTest : public ::testing::Test {
 protected:
  RewriteScore Score(std::string_view source, std::string_view result,
                     std::vector<std::string> terms = {}) {
    return ScoreArticle(*lexicon_, source, result, terms);
  }
  std::shared_ptr<const Lexicon> lexicon_ = testing::FixtureLexicon();
};

TEST_F(ScoreArticleTest, CountsChangedContentWordsAcrossBrokenLines) {
  const RewriteScore s = Score("改善研究\r\n\r\n增长5%\r\n", "提高研究<br />\r\n增加5%<br />\r\n");
  EXPECT_EQ(s.paragraphsIn, 2u) << "blank lines are not paragraphs";
  EXPECT_EQ(s.paragraphsOut, 2u) << "the line-break tag is not text";
  EXPECT_EQ(s.contentWords, 3u);
  EXPECT_EQ(s.changedWords, 2u);
  EXPECT_TRUE(s.Faithful());
}

// 别 alone is "don't"; inside a word (特别, 别人) or unknown text it is none.
// 不少 "quite a few" and 非常 "very" deny nothing: 许多 and 十分 lose no
// negation, while 并非 keeps its own next to 常见.
TEST(ScoreNegations, OneNegationForAnotherKeepsTheNegation) {
  LexiconBuilder b;
  for (const char* w :
       {"不要", "别",   "吸烟", "特别", "尤其", "好",   "没有",     "发现", "请",   "不少",
        "许多", "非常", "十分", "并非", "常见", "顾客", "不断改进", "持续", "改进", "多"}) {
    b.AddWord(w, 1000, "v");
  }
  const auto lex = Lexicon::FromBytes(b.Build());
  auto faults = [&](std::string_view source, std::string_view result) {
    return ScoreArticle(*lex, source, result, {}).negationFaults;
  };
  EXPECT_EQ(faults("请不要吸烟", "请勿吸烟"), 0u);
  EXPECT_EQ(faults("没有发现", "未发现"), 0u);
  EXPECT_EQ(faults("不要吸烟", "别吸烟"), 0u);
  EXPECT_EQ(faults("特别好", "尤其好"), 0u) << "别 inside a word";
  EXPECT_EQ(faults("不要吸烟", "切勿不吸烟"), 1u) << "one brought in";
  EXPECT_EQ(faults("别吸烟", "吸烟"), 1u) << "one dropped";
  EXPECT_EQ(faults("别吸烟", "不要吸烟"), 0u);
  EXPECT_EQ(faults("不少顾客", "许多顾客"), 0u);
  EXPECT_EQ(faults("许多顾客", "不少顾客"), 0u);
  EXPECT_EQ(faults("非常多", "十分多"), 0u);
  EXPECT_EQ(faults("不断改进", "持续改进"), 0u) << "inside a longer word";
  EXPECT_EQ(faults("并非常见", "常见"), 1u);
}

TEST_F(ScoreArticleTest, FlagsEveryKindOfFault) {
  struct Row {
    const char* source;
    const char* result;
    size_t RewriteScore::*field;
  } rows[] = {
      {"增长5%", "增长6%", &RewriteScore::numberFaults},
      {"改善iPhone", "提高", &RewriteScore::latinFaults},
      {"尚未结婚", "尚结婚", &RewriteScore::negationFaults},
      {"请勿吸烟", "请吸烟", &RewriteScore::negationFaults},
      {"见<a href=\"x\">改善</a>", "见<a href=\"y\">提高</a>", &RewriteScore::markupFaults},
      {"写信到a@b.cn", "写信到a@b.com", &RewriteScore::markupFaults},
      {"改善研究", "提高研究", &RewriteScore::lockedFaults},
  };
  for (const Row& r : rows) {
    const RewriteScore s = Score(r.source, r.result, {"改善"});
    EXPECT_GT(s.*(r.field), 0u) << r.source;
    EXPECT_FALSE(s.Faithful()) << r.source;
    EXPECT_NE(DescribeScore(s).find("NEEDS A LOOK"), std::string::npos) << r.source;
  }
  const RewriteScore lost = Score("改善\n研究\n", "提高\n");
  EXPECT_FALSE(lost.Faithful()) << "a lost paragraph";
}

// A long text of many different characters, so a match can only be the
// character itself.
std::u32string LongText(size_t n) {
  std::u32string out;
  for (size_t i = 0; i < n; ++i)
    out.push_back(static_cast<char32_t>(U'\x4E00' + (i * 7919) % 20000));
  return out;
}

TEST(MatchChars, KeepsWhatALongRewriteKeptInLinearRoom) {
  // 200,000 characters each way: a table of their product would be 160 GB.
  const std::u32string source = LongText(200000);
  std::u32string result;
  size_t replaced = 0;
  for (size_t i = 0; i < source.size(); ++i) {
    if (i % 10 == 3) {
      result += U"★";
      ++replaced;
    } else {
      result.push_back(source[i]);
    }
    if (i % 997 == 0) result += U"☆☆";  // insertions shift the rest
  }
  const std::vector<int> match = MatchChars(source, result);
  ASSERT_EQ(match.size(), source.size());
  size_t kept = 0;
  int last = -1;
  for (size_t i = 0; i < match.size(); ++i) {
    if (match[i] < 0) continue;
    ++kept;
    ASSERT_GT(match[i], last) << "matches keep their order at " << i;
    ASSERT_EQ(result[static_cast<size_t>(match[i])], source[i]) << i;
    last = match[i];
  }
  EXPECT_EQ(kept, source.size() - replaced);
}

TEST(MatchChars, LongTextsWithNothingInCommonOrNothingAtAll) {
  const std::u32string source = LongText(50000);
  const std::u32string other(60000, U'★');
  for (const std::u32string& result : {other, std::u32string()}) {
    for (int m : MatchChars(source, result)) ASSERT_EQ(m, -1);
  }
  const std::vector<int> grown = MatchChars(LongText(3000), LongText(3000) + other);
  for (size_t i = 0; i < grown.size(); ++i) ASSERT_EQ(grown[i], static_cast<int>(i));
}

TEST(ScoreJson, OneObjectWithTheFileNameEscaped) {
  RewriteScore s;
  s.contentWords = 4;
  s.changedWords = 1;
  s.paragraphsIn = s.paragraphsOut = 1;
  EXPECT_EQ(ScoreJson("a\"b.txt", s),
            "{\"file\":\"a\\\"b.txt\",\"content_words\":4,\"changed_words\":1,"
            "\"changed_share\":0.2500,\"paragraphs_in\":1,\"paragraphs_out\":1,"
            "\"number_faults\":0,\"latin_faults\":0,\"negation_faults\":0,\"locked_faults\":0,"
            "\"markup_faults\":0,\"faithful\":true}");
}

}  // namespace
}  // namespace lumora
