// Clauses the translator weighs apart: where a paragraph may be cut, and that
// a long paragraph, cut and spread over threads, reads exactly as its
// sentences do one by one.

#include "translate/clause_cuts.h"

#include <gtest/gtest.h>

#include "translate/fixture_language_model.h"
#include "translate/lexicon_builder.h"
#include "translate/translator.h"

namespace lumora {
namespace {

// The clauses of text as ClauseCuts cuts it.
std::vector<std::string> Clauses(std::string_view text,
                                 const std::vector<std::string>& terms = {}) {
  std::vector<std::string> out;
  size_t from = 0;
  for (const size_t cut : ClauseCuts(text, FindProtected(text, terms), terms)) {
    out.emplace_back(text.substr(from, cut - from));
    from = cut;
  }
  out.emplace_back(text.substr(from));
  return out;
}

using Parts = std::vector<std::string>;

TEST(ClauseCuts, CutBeforeEachClauseMarkOutsideWhatIsKeptWhole) {
  EXPECT_EQ(Clauses("经济增长，市场稳定。消费：升级；好！吗？甲、乙"),
            (Parts{"经济增长", "，市场稳定", "。消费", "：升级", "；好", "！吗", "？甲", "、乙"}));
  EXPECT_EQ(Clauses("，开头。"), (Parts{"，开头", "。"})) << "never at the start";
  EXPECT_EQ(Clauses("甲,乙.丙"), Parts{"甲,乙.丙"}) << "ASCII marks may sit inside a word";
  EXPECT_EQ(Clauses("见<a title=\"甲，乙\">链接</a>，完"),
            (Parts{"见<a title=\"甲，乙\">链接</a>", "，完"}));
  EXPECT_EQ(Clauses("若a<b，则b>a。"), (Parts{"若a<b，则b>a", "。"}))
      << "a gloss after \"<\" could make a tag of it";
  EXPECT_EQ(Clauses("访问https://example.com/a?b=1，谢谢"),
            (Parts{"访问https://example.com/a?b=1", "，谢谢"}));
}

TEST(ClauseCuts, ALockedTermHoldingAMarkKeepsThatMarkUncut) {
  EXPECT_EQ(Clauses("你好，世界。再见，朋友", {"你好，世界"}),
            (Parts{"你好，世界", "。再见，朋友"}));
  EXPECT_EQ(Clauses("甲，乙。丙", {"乙"}), (Parts{"甲", "，乙", "。丙"}));
}

TEST(ClauseCuts, GroupsAreRunsOfClausesOfSimilarSize) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "经济增长，";
  const std::vector<size_t> cuts = ClauseCuts(text, {}, {});
  ASSERT_EQ(cuts.size(), 100u);
  EXPECT_EQ(GroupClauses(text, cuts, 1), std::vector<size_t>{0});
  const std::vector<size_t> four = GroupClauses(text, cuts, 4);
  ASSERT_EQ(four.size(), 4u);
  EXPECT_EQ(four[0], 0u);
  for (size_t g = 1; g < four.size(); ++g) {
    EXPECT_NE(std::find(cuts.begin(), cuts.end(), four[g]), cuts.end());
    EXPECT_NEAR(static_cast<double>(four[g] - four[g - 1]), text.size() / 4.0, 15.0 * 2);
  }
  EXPECT_EQ(GroupClauses("没有标点", {}, 4), std::vector<size_t>{0});
}

// 激烈/剧烈 carry the same glosses; 猛烈 the rules find too; the model
// prefers each after some words and not after others.
class LongParagraph : public ::testing::Test {
 protected:
  void SetUp() override {
    LexiconBuilder b;
    b.AddWord("激烈", 2000, "a");
    b.AddWord("剧烈", 1500, "a");
    b.AddWord("竞争", 3000, "vn");
    b.AddWord("运动", 2500, "vn");
    b.AddWord("市场", 2600, "n");
    b.AddWord("的", 10000, "uj");
    b.AddEntry("激烈", "ji1 lie4", {"intense", "fierce", "violent"});
    b.AddEntry("剧烈", "ju4 lie4", {"violent", "intense", "drastic"});
    b.AddEntry("竞争", "jing4 zheng1", {"to compete", "competition"});
    b.AddEntry("运动", "yun4 dong4", {"to move", "movement", "sports"});
    b.AddEntry("市场", "shi4 chang3", {"market", "marketplace"});
    lexicon_ = Lexicon::FromBytes(b.Build());
    model_->Unigram("激烈", -3).Unigram("剧烈", -3).Unigram("的", -1).Unigram("竞争", -3);
    model_->Unigram("运动", -3).Unigram("市场", -3);
    model_->Bigram("剧烈", "运动", -0.5).Bigram("激烈", "的", -1).Bigram("剧烈", "的", -1.2);
    model_->Bigram("的", "竞争", -1).Bigram("市场", "竞争", -0.8);
  }
  std::shared_ptr<const Lexicon> lexicon_;
  std::shared_ptr<FixtureLanguageModel> model_ = std::make_shared<FixtureLanguageModel>();
};

TEST_F(LongParagraph, ReadsAsItsSentencesDoOneByOne) {
  const std::vector<std::string> sentences = {
      "激烈的竞争，市场竞争。",
      "剧烈运动，激烈的运动！",
      "市场的竞争；iPhone 激烈、剧烈？",
      "激烈的<b title=\"市场，竞争\">市场</b>竞争。",
  };
  for (const Strength strength : {Strength::kNormal, Strength::kHigh}) {
    for (const bool withModel : {true, false}) {
      TranslatorOptions options;
      if (withModel) options.model = model_;
      options.strength = strength;
      const Translator t(lexicon_, options);
      std::string paragraph, english, chinese;
      for (size_t i = 0; paragraph.size() < 200 * 1024; ++i) {
        const std::string& s = sentences[i % sentences.size()];
        paragraph += s;
        english += t.ToEnglish(s);
        chinese += t.ToChinese(t.ToEnglish(s));
      }
      const std::string whole = t.ToEnglish(paragraph);
      ASSERT_EQ(whole, english) << "with model " << withModel;
      ASSERT_EQ(t.ToChinese(whole), chinese) << "with model " << withModel;
      EXPECT_NE(chinese, paragraph) << "some words changed";
    }
  }
}

}  // namespace
}  // namespace lumora
