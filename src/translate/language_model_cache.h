#pragma once
// A language model that remembers another's answers: the index of a word and
// the score of a word after a state. The translator asks the model about the
// same words and contexts again and again while it weighs candidates, and a
// look-up in the model file costs several times one in these tables.
//
// Each thread keeps its own tables (a newer answer takes the place of an
// older one), so no lock is taken. A table starts small, as a short request
// should not pay for memory it never fills, and grows up to a bound while it
// keeps missing. A thread keeps the tables of the last cached model it asked;
// asking another starts them afresh. Answers are the model's own, bit for bit.

#include <cstdint>
#include <memory>

#include "translate/language_model.h"

namespace lumora {

class CachedLanguageModel : public LanguageModel {
 public:
  // Entries per thread in each table, first and at most; powers of two.
  static constexpr size_t kFirstEntries = size_t{1} << 12;
  static constexpr size_t kMaxIndexEntries = size_t{1} << 14;
  static constexpr size_t kMaxScoreEntries = size_t{1} << 16;
  // Words longer than this many bytes are not remembered.
  static constexpr size_t kMaxCachedWordBytes = 27;

  explicit CachedLanguageModel(std::shared_ptr<const LanguageModel> model);

  State BeginState() const override { return model_->BeginState(); }
  WordIndex Index(std::string_view word) const override;
  bool IsUnknown(WordIndex word) const override { return model_->IsUnknown(word); }
  float Score(const State& state, WordIndex word, State& out) const override;

 private:
  struct Tables;
  Tables& ThreadTables() const;
  template <typename Entry>
  struct Table;

  std::shared_ptr<const LanguageModel> model_;
  uint64_t id_;  // tells this model's tables from another's on a thread
};

}  // namespace lumora
