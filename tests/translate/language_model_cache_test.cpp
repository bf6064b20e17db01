// The cache in front of a language model answers as the model does, asks it
// once for what it already knows, and keeps models and threads apart.

#include "translate/language_model_cache.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "translate/fixture_language_model.h"

namespace lumora {
namespace {

// Counts the questions that reach the model behind the cache.
class CountingModel : public LanguageModel {
 public:
  explicit CountingModel(std::shared_ptr<FixtureLanguageModel> model) : model_(std::move(model)) {}
  State BeginState() const override { return model_->BeginState(); }
  WordIndex Index(std::string_view word) const override {
    ++indexCalls;
    return model_->Index(word);
  }
  bool IsUnknown(WordIndex word) const override { return model_->IsUnknown(word); }
  float Score(const State& state, WordIndex word, State& out) const override {
    ++scoreCalls;
    if (failNext) {
      failNext = false;
      throw std::runtime_error("model file unreadable");
    }
    return model_->Score(state, word, out);
  }
  mutable int indexCalls = 0;
  mutable int scoreCalls = 0;
  mutable bool failNext = false;

 private:
  std::shared_ptr<FixtureLanguageModel> model_;
};

// Enough words that the tables must drop entries.
std::shared_ptr<FixtureLanguageModel> ManyWords(int count, float bigram) {
  auto model = std::make_shared<FixtureLanguageModel>();
  for (int i = 0; i < count; ++i) {
    model->Unigram("词" + std::to_string(i), -1.0f - static_cast<float>(i % 97) / 10);
    if (i > 0) model->Bigram("词" + std::to_string(i - 1), "词" + std::to_string(i), bigram);
  }
  return model;
}

TEST(CachedLanguageModel, AnswersAsTheModelDoesAlsoWhenEntriesAreDropped) {
  const int words = static_cast<int>(CachedLanguageModel::kMaxScoreEntries) * 2;
  auto fixture = ManyWords(words, -0.25f);
  CachedLanguageModel cached(fixture);
  for (int round = 0; round < 2; ++round) {
    LanguageModel::State a = fixture->BeginState();
    LanguageModel::State b = cached.BeginState();
    for (int i = 0; i < words; i += 1 + round) {
      const std::string w = "词" + std::to_string(i);
      ASSERT_EQ(cached.Index(w), fixture->Index(w)) << w;
      const float expected = fixture->Score(a, fixture->Index(w), a);
      // In place, as the translator calls it.
      ASSERT_EQ(cached.Score(b, cached.Index(w), b), expected) << w;
      ASSERT_EQ(a, b) << w;
    }
  }
  EXPECT_EQ(cached.Index("没有这个词"), fixture->Index("没有这个词"));
  EXPECT_TRUE(cached.IsUnknown(cached.Index("")));
}

TEST(CachedLanguageModel, AsksTheModelOnceForWhatItKnows) {
  auto fixture = std::make_shared<FixtureLanguageModel>();
  fixture->Unigram("激烈", -4).Unigram("竞争", -4).Bigram("激烈", "竞争", -1);
  auto counting = std::make_shared<CountingModel>(fixture);
  CachedLanguageModel cached(counting);
  const LanguageModel::State begin = cached.BeginState();
  for (int i = 0; i < 5; ++i) {
    LanguageModel::State s = begin;
    EXPECT_FLOAT_EQ(cached.Score(s, cached.Index("激烈"), s), -5);
    EXPECT_FLOAT_EQ(cached.Score(s, cached.Index("竞争"), s), -1);
  }
  EXPECT_EQ(counting->indexCalls, 2);
  EXPECT_EQ(counting->scoreCalls, 2);

  // A word too long to keep is looked up each time, and still right.
  const std::string longWord = "一个长得放不进缓存里的词语";
  ASSERT_GT(longWord.size(), CachedLanguageModel::kMaxCachedWordBytes);
  EXPECT_EQ(cached.Index(longWord), fixture->Index(longWord));
  EXPECT_EQ(cached.Index(longWord), fixture->Index(longWord));
  EXPECT_EQ(counting->indexCalls, 4);
}

TEST(CachedLanguageModel, AFailedQuestionIsNotRemembered) {
  auto fixture = std::make_shared<FixtureLanguageModel>();
  fixture->Unigram("经济", -3);
  auto counting = std::make_shared<CountingModel>(fixture);
  CachedLanguageModel cached(counting);
  const LanguageModel::WordIndex word = cached.Index("经济");
  LanguageModel::State s = cached.BeginState();
  counting->failNext = true;
  EXPECT_THROW(cached.Score(s, word, s), std::runtime_error);
  EXPECT_EQ(s, cached.BeginState());
  EXPECT_FLOAT_EQ(cached.Score(s, word, s), -4);
  EXPECT_EQ(counting->scoreCalls, 2);
}

TEST(CachedLanguageModel, TablesGrowForALongText) {
  const int words = static_cast<int>(CachedLanguageModel::kFirstEntries * 4);
  auto counting = std::make_shared<CountingModel>(ManyWords(words, -0.25f));
  CachedLanguageModel cached(counting);
  int lastPass = 0;
  for (int pass = 0; pass < 40; ++pass) {
    const int before = counting->scoreCalls;
    LanguageModel::State s = cached.BeginState();
    for (int i = 0; i < words; ++i) cached.Score(s, cached.Index("词" + std::to_string(i)), s);
    lastPass = counting->scoreCalls - before;
  }
  // A table of the first size would miss nearly every time.
  EXPECT_LT(lastPass, words / 3) << "the tables should have grown for a text of this length";
}

TEST(CachedLanguageModel, ModelsAndThreadsKeepTheirOwnAnswers) {
  auto first = std::make_shared<FixtureLanguageModel>();
  first->Unigram("发展", -2);
  auto second = std::make_shared<FixtureLanguageModel>();
  second->Unigram("发展", -6).Unigram("经济", -2);
  CachedLanguageModel a(first);
  CachedLanguageModel b(second);
  auto check = [&](std::vector<float>& scores) {
    for (int i = 0; i < 200; ++i) {
      const CachedLanguageModel& m = i % 2 ? b : a;
      LanguageModel::State s = m.BeginState();
      scores.push_back(m.Score(s, m.Index("发展"), s));
    }
  };
  std::vector<float> here;
  std::vector<float> there;
  std::thread other([&] { check(there); });
  check(here);
  other.join();
  ASSERT_EQ(here.size(), 200u);
  EXPECT_EQ(here, there);
  for (size_t i = 0; i < here.size(); ++i) {
    EXPECT_FLOAT_EQ(here[i], i % 2 ? -7 : -3) << i;
  }
}

}  // namespace
}  // namespace lumora
