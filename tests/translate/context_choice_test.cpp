// The translator with a language model: the decoder takes the word the model
// prefers among those carrying a phrase, and the way to English refuses a
// replacement that reads worse than the strength's margin allows.

#include <gtest/gtest.h>

#include "translate/fixture_language_model.h"
#include "translate/lexicon_builder.h"
#include "translate/translator.h"

namespace lumora {
namespace {

// 激烈 and 剧烈 both carry "violent" and "intense"; 激烈 is the commoner, and
// only 剧烈 means "drastic".
std::shared_ptr<const Lexicon> CompetitionLexicon() {
  LexiconBuilder b;
  b.AddWord("激烈", 2000, "a");
  b.AddWord("剧烈", 1500, "a");
  b.AddWord("竞争", 3000, "vn");
  b.AddWord("运动", 2500, "vn");
  b.AddWord("的", 10000, "uj");
  b.AddEntry("激烈", "ji1 lie4", {"intense", "fierce", "violent"});
  b.AddEntry("剧烈", "ju4 lie4", {"violent", "intense", "drastic"});
  b.AddEntry("竞争", "jing4 zheng1", {"to compete", "competition"});
  b.AddEntry("运动", "yun4 dong4", {"to move", "movement", "sports"});
  return Lexicon::FromBytes(b.Build());
}

class ContextChoice : public ::testing::Test {
 protected:
  Translator With(Strength strength, std::vector<std::string> locked = {}) {
    TranslatorOptions options;
    options.model = model_;
    options.strength = strength;
    options.lockedTerms = std::move(locked);
    return Translator(lexicon_, options);
  }
  std::shared_ptr<const Lexicon> lexicon_ = CompetitionLexicon();
  std::shared_ptr<FixtureLanguageModel> model_ = std::make_shared<FixtureLanguageModel>();
};

TEST_F(ContextChoice, DecoderTakesTheCandidateTheModelPrefersAfterItsNeighbour) {
  model_->Unigram("激烈", -3).Unigram("剧烈", -3).Unigram("的", -1).Unigram("竞争", -3);
  model_->Unigram("运动", -3);
  model_->Bigram("剧烈", "运动", -0.5).Bigram("激烈", "的", -0.5).Bigram("的", "竞争", -1);
  const Translator t = With(Strength::kNormal);
  EXPECT_EQ(t.ToChinese("intense 运动"), "剧烈运动");
  EXPECT_EQ(t.ToChinese("intense 的竞争"), "激烈的竞争");
}

TEST_F(ContextChoice, WithoutAModelThePhraseTakesItsDefaultWord) {
  const Translator t(lexicon_);
  EXPECT_EQ(t.ToChinese("intense 运动"), "激烈运动");
}

TEST_F(ContextChoice, ReplacementWithinTheMarginIsTaken) {
  model_->Unigram("激烈", -3).Unigram("剧烈", -3).Unigram("的", -1).Unigram("竞争", -3);
  // 剧烈 reads 0.4 worse before 的: inside every strength's margin.
  model_->Bigram("激烈", "的", -1).Bigram("剧烈", "的", -1.4).Bigram("的", "竞争", -1);
  const Translator t = With(Strength::kLow);
  const std::string english = t.ToEnglish("激烈的竞争");
  EXPECT_EQ(t.ToChinese(english), "剧烈的竞争") << english;
}

TEST_F(ContextChoice, ReplacementPastTheMarginIsRefused) {
  model_->Unigram("激烈", -3).Unigram("剧烈", -3).Unigram("的", -1).Unigram("竞争", -3);
  // 剧烈 reads 1.5 worse before 的: past normal's margin, inside high's.
  model_->Bigram("激烈", "的", -1).Bigram("剧烈", "的", -2.5).Bigram("的", "竞争", -1);
  ASSERT_LT(StrengthMargin(Strength::kNormal), 1.5f);
  ASSERT_GT(StrengthMargin(Strength::kHigh), 1.5f);
  const Translator normal = With(Strength::kNormal);
  EXPECT_EQ(normal.ToChinese(normal.ToEnglish("激烈的竞争")), "激烈的竞争");
  const Translator high = With(Strength::kHigh);
  EXPECT_EQ(high.ToChinese(high.ToEnglish("激烈的竞争")), "剧烈的竞争");
}

TEST_F(ContextChoice, LockedTermStaysAlsoInsideALongerWord) {
  model_->Unigram("激烈", -3).Unigram("剧烈", -3).Unigram("的", -1).Unigram("竞争", -3);
  model_->Bigram("激烈", "的", -1).Bigram("剧烈", "的", -1.1);
  const Translator t = With(Strength::kHigh, {"激", "竞争"});
  EXPECT_EQ(t.ToEnglish("激烈的竞争"), "激烈的竞争");
  EXPECT_EQ(t.ToChinese(t.ToEnglish("激烈的竞争")), "激烈的竞争");
}

TEST(StrengthNames, ParseAndOrder) {
  EXPECT_EQ(ParseStrength("low"), Strength::kLow);
  EXPECT_EQ(ParseStrength("high"), Strength::kHigh);
  EXPECT_EQ(ParseStrength("High"), std::nullopt);
  EXPECT_LT(StrengthMargin(Strength::kLow), StrengthMargin(Strength::kNormal));
  EXPECT_LT(StrengthMargin(Strength::kNormal), StrengthMargin(Strength::kHigh));
}

}  // namespace
}  // namespace lumora
