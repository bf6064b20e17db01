#pragma once
// The offline dictionary translator, one paragraph (no line breaks) at a time.
//
// Chinese to English: the paragraph is segmented; each content word (noun,
// verb, adjective, adverb, idiom) becomes an English gloss, chosen among the
// senses of its primary dictionary entry so that the gloss leads back to a
// synonym the rules of synonym_rules.h accept, through a sense the synonym
// mostly means (or, failing that, to the word itself); function words,
// names, numbers, Latin words, punctuation and words carrying a negation or a
// numeral character stay as they are. The English is checked against the way
// back, so that every gloss returns as exactly one Chinese word and no Latin
// word of the input is taken for a gloss (such a word gets a U+2060 mark).
//
// English to Chinese: the longest gloss phrases, ignoring case, become the
// Chinese word the lexicon inverts them to (the most frequent carrying them,
// or the synonym a common word handed them to); blanks next to them are dropped,
// U+2060 marks removed; everything else stays.
//
// Thread-safe: a translator holds only the shared immutable lexicon.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "translate/lexicon.h"
#include "translate/phrase_matcher.h"
#include "translate/segmenter.h"
#include "translate/synonym_rules.h"

namespace lumora {

class Translator {
 public:
  explicit Translator(std::shared_ptr<const Lexicon> lexicon);

  // text is UTF-8 without line breaks; invalid bytes pass through unchanged.
  std::string ToEnglish(std::string_view text) const;
  std::string ToChinese(std::string_view text) const;

  // The English gloss chosen for a word, or empty when it stays Chinese.
  std::string GlossFor(int32_t word) const;

  const Lexicon& lexicon() const { return *lexicon_; }

 private:
  struct Choice {
    std::string_view gloss;
    int32_t target = Lexicon::kNone;
  };
  Choice Choose(int32_t word) const;

  std::shared_ptr<const Lexicon> lexicon_;
  Segmenter segmenter_;
  PhraseMatcher matcher_;
};

}  // namespace lumora
