#include "translate/language_model.h"

#include "translate/utf8.h"

namespace lumora {

float ScoreWord(const LanguageModel& model, LanguageModel::State& state, std::string_view word) {
  const LanguageModel::WordIndex index = model.Index(word);
  if (!model.IsUnknown(index) || CharCount(word) < 2) return model.Score(state, index, state);
  float total = 0;
  size_t pos = 0;
  while (pos < word.size()) {
    char32_t ch;
    size_t len;
    if (!DecodeUtf8Char(word, pos, ch, len)) len = 1;
    total += model.Score(state, model.Index(word.substr(pos, len)), state);
    pos += len;
  }
  return total;
}

}  // namespace lumora
