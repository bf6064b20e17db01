// The model interface: the sentence scorer over a fixture model, and the
// Debian model itself when it is installed.

#include <gtest/gtest.h>

#include "support/expect_raises.h"
#include "translate/fixture_language_model.h"
#include "translate/libime_language_model.h"

namespace lumora {
namespace {

TEST(ScoreWord, UsesTheStateOfThePreviousWord) {
  FixtureLanguageModel model;
  model.Unigram("竞争", -4).Unigram("激烈", -4).Bigram("激烈", "竞争", -1);
  LanguageModel::State state = model.BeginState();
  EXPECT_FLOAT_EQ(ScoreWord(model, state, "激烈"), -4 + FixtureLanguageModel::kBackoff);
  EXPECT_FLOAT_EQ(ScoreWord(model, state, "竞争"), -1);
  state = model.BeginState();
  EXPECT_FLOAT_EQ(ScoreWord(model, state, "竞争"), -4 + FixtureLanguageModel::kBackoff);
}

TEST(ScoreWord, ScoresAnUnknownCompoundByItsCharacters) {
  FixtureLanguageModel model;
  model.Unigram("读", -2).Unigram("者", -3).Bigram("读", "者", -0.5);
  LanguageModel::State state = model.BeginState();
  EXPECT_FLOAT_EQ(ScoreWord(model, state, "读者"), -2 + FixtureLanguageModel::kBackoff - 0.5f);
  // A single unknown character has nothing smaller to fall back to.
  EXPECT_FLOAT_EQ(ScoreWord(model, state, "龘"), FixtureLanguageModel::kUnknownScore);
}

class DebianModel : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = FindDefaultLanguageModel();
    if (path.empty()) {
      GTEST_SKIP() << "the Chinese language model is not installed "
                      "(Debian package libime-data-language-model; run scripts/setup.sh)";
    }
    model_ = LoadLibimeLanguageModel(path);
  }
  float Sentence(std::initializer_list<std::string_view> words) {
    LanguageModel::State state = model_->BeginState();
    float total = 0;
    for (auto w : words) total += ScoreWord(*model_, state, w);
    return total;
  }
  std::shared_ptr<const LanguageModel> model_;
};

TEST_F(DebianModel, PrefersTheUsualCollocation) {
  EXPECT_GT(Sentence({"激烈", "的", "竞争"}), Sentence({"剧烈", "的", "竞争"}) + 1);
  EXPECT_GT(Sentence({"研究", "人员"}), Sentence({"研究", "员工"}) + 1);
  EXPECT_GT(Sentence({"帮助", "企业"}), Sentence({"救助", "企业"}) + 1);
}

TEST_F(DebianModel, KnowsCommonWordsAndNotLatinOnes) {
  EXPECT_FALSE(model_->IsUnknown(model_->Index("经济")));
  EXPECT_TRUE(model_->IsUnknown(model_->Index("GDP")));
  LanguageModel::State after;
  const float p = model_->Score(model_->BeginState(), model_->Index("的"), after);
  EXPECT_LT(p, 0);
  EXPECT_GT(p, -4);
}

TEST(LibimeLanguageModel, MissingFileIsAnErrorNamingIt) {
  EXPECT_RAISES(ELanguageModelError, ::testing::HasSubstr("/nonexistent/zh_CN.lm"),
                LoadLibimeLanguageModel("/nonexistent/zh_CN.lm"));
}

}  // namespace
}  // namespace lumora
