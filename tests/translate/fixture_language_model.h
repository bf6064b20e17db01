#pragma once
// A bigram model made in the test: unigram and bigram scores given in log10,
// so a test decides which word the model prefers after which.

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "translate/language_model.h"

namespace lumora {

class FixtureLanguageModel : public LanguageModel {
 public:
  static constexpr float kUnknownScore = -10.0f;
  static constexpr float kBackoff = -1.0f;

  // score: log10 P(word) when no bigram applies.
  FixtureLanguageModel& Unigram(const std::string& word, float score) {
    unigrams_[Intern(word)] = score;
    return *this;
  }
  // score: log10 P(word | previous).
  FixtureLanguageModel& Bigram(const std::string& previous, const std::string& word, float score) {
    bigrams_[{Intern(previous), Intern(word)}] = score;
    return *this;
  }

  State BeginState() const override { return StateOf(kBegin); }
  WordIndex Index(std::string_view word) const override {
    const auto it = ids_.find(std::string(word));
    return it == ids_.end() ? kUnknown : it->second;
  }
  bool IsUnknown(WordIndex word) const override { return word == kUnknown; }
  float Score(const State& state, WordIndex word, State& out) const override {
    WordIndex previous;
    std::memcpy(&previous, state.bytes.data(), sizeof previous);
    out = StateOf(word);
    if (word == kUnknown) return kUnknownScore;
    if (const auto it = bigrams_.find({previous, word}); it != bigrams_.end()) return it->second;
    const auto it = unigrams_.find(word);
    return (it == unigrams_.end() ? kUnknownScore : it->second) + kBackoff;
  }

 private:
  static constexpr WordIndex kUnknown = 0;
  static constexpr WordIndex kBegin = 1;

  static State StateOf(WordIndex word) {
    State s;
    std::memcpy(s.bytes.data(), &word, sizeof word);
    return s;
  }
  WordIndex Intern(const std::string& word) {
    const auto [it, added] = ids_.emplace(word, static_cast<WordIndex>(ids_.size() + 2));
    return it->second;
  }

  std::map<std::string, WordIndex> ids_;
  std::map<WordIndex, float> unigrams_;
  std::map<std::pair<WordIndex, WordIndex>, float> bigrams_;
};

}  // namespace lumora
