#pragma once
// A statistical language model of Chinese words, behind an interface of our
// own so the translator's tests can score with a small model made in the test.
// Scores are log10 probabilities; a State is what the model remembers of the
// words before (for a trigram model, the last two).

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class LanguageModel {
 public:
  using WordIndex = uint32_t;
  // Opaque to callers; models keep their own state in these bytes.
  struct State {
    alignas(8) std::array<char, 48> bytes{};
    bool operator==(const State&) const = default;
  };

  virtual ~LanguageModel() = default;

  // The state at the start of a sentence.
  virtual State BeginState() const = 0;
  // The model's index of word; an unknown word gets the unknown index.
  virtual WordIndex Index(std::string_view word) const = 0;
  virtual bool IsUnknown(WordIndex word) const = 0;
  // log10 P(word | state); out receives the state after word, every byte of
  // it written (out may be state).
  virtual float Score(const State& state, WordIndex word, State& out) const = 0;
};

// Scores word after state and moves state past it. A word the model does not
// know is scored as its single characters, which a Chinese model knows far
// better than a compound it lacks.
float ScoreWord(const LanguageModel& model, LanguageModel::State& state, std::string_view word);

}  // namespace lumora
