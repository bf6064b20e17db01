#pragma once
// The offline dictionary translator, one paragraph (no line breaks) at a time.
//
// Chinese to English: the paragraph is segmented; each content word (noun,
// verb, adjective, adverb, idiom) becomes an English gloss of its primary
// dictionary entry. With a language model, the gloss is one whose way back
// gives a synonym that fits the sentence: a synonym listed by hand in the
// lexicon (some only right before a verb, a number or a comma), within 3.5
// times the strength's margin of the original's model score (5 at most), or
// else (but at the low strength, and for a word of one character) one the
// rules of synonym_rules.h find that shares a character with the word, within
// the margin less one (at the normal strength no less likely than the word
// itself); failing that, a gloss that brings the word itself back. A listed
// synonym that the decoder would not take from any of its glosses here comes
// back through its held phrase (the gloss with an invisible mark, see
// phrase_matcher.h).
// Without a model, the gloss leads back to a synonym through a sense it
// mostly means, or to the word itself. Function words, names, numbers, Latin
// words, punctuation, words carrying a negation or a numeral character
// (but for a listed synonym that keeps them, see KeepsProtectedChars),
// locked terms and markup (tags, URLs, e-mail addresses) stay as they are,
// and so does a word whose cut the segmenter is in doubt about. With a model,
// at any strength but the low one, neighbouring items of a list of nouns may
// trade places first (see list_items.h), where the sentence reads as likely
// within the margin.
// The English is checked against the way back, so that every gloss returns
// as exactly the word planned and no Latin word of the input is taken for a
// gloss (such a word gets a U+2060 mark).
//
// English to Chinese: the longest gloss phrases, ignoring case, are found;
// each may become any word carrying it, and with a model the choice for the
// whole paragraph is the best path by gloss fit plus the model's score (a
// beam over the model's state); without one each phrase becomes its default
// word. Blanks next to phrases are dropped, U+2060 marks removed; markup and
// everything else stays.
//
// Thread-safe: a translator holds only shared immutable data.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "translate/language_model.h"
#include "translate/lexicon.h"
#include "translate/phrase_matcher.h"
#include "translate/segmenter.h"
#include "translate/synonym_rules.h"

namespace lumora {

// How far a rewrite may go: the margin, in log10 of the model's sentence
// score, by which a replacement may read less likely than the original.
enum class Strength { kLow, kNormal, kHigh };
float StrengthMargin(Strength strength);
// "low", "normal", "high"; nullopt for anything else.
std::optional<Strength> ParseStrength(std::string_view name);

struct TranslatorOptions {
  std::shared_ptr<const LanguageModel> model;  // none: the dictionary alone
  Strength strength = Strength::kNormal;
  std::vector<std::string> lockedTerms;  // never touched, also inside longer words
};

class Translator {
 public:
  explicit Translator(std::shared_ptr<const Lexicon> lexicon, TranslatorOptions options = {});

  // text is UTF-8 without line breaks; invalid bytes pass through unchanged.
  std::string ToEnglish(std::string_view text) const;
  std::string ToChinese(std::string_view text) const;

  // The English gloss chosen for a word out of context (without a model), or
  // empty when it stays Chinese.
  std::string GlossFor(int32_t word) const;

  const Lexicon& lexicon() const { return *lexicon_; }
  const LanguageModel* model() const { return options_.model.get(); }
  const TranslatorOptions& options() const { return options_; }

 private:
  struct Choice {
    std::string_view gloss;
    int32_t target = Lexicon::kNone;
    uint8_t held = 0;  // how many held marks follow the gloss
  };
  struct Decoded {
    PhraseMatch match;
    int32_t word;  // the word chosen for the phrase
  };
  Choice Choose(int32_t word) const;
  // Per token: a gloss leading to a synonym that fits, else back to the word.
  // Starts a sentence at tokens[0].
  std::vector<Choice> ChooseInContext(std::span<const Token> tokens,
                                      std::span<const uint8_t> eligible,
                                      std::vector<Choice>& fallback) const;
  // Lets neighbouring items of lists of nouns trade places (see
  // list_items.h) where the model finds the sentence as likely, within the
  // strength's margin.
  void ExchangeListItems(std::vector<Token>& tokens, std::vector<uint8_t>& eligible,
                         std::span<const uint8_t> movable) const;
  // The English of one clause (see clause_cuts.h) onto out, checked against
  // the way back round by round: a gloss that does not come back as planned
  // falls back or stays Chinese.
  void CheckedEnglish(std::span<const Token> tokens, std::span<Choice> choices,
                      std::span<Choice> fallback, std::string& out) const;
  std::string ChineseOf(std::string_view text) const;
  // The phrases of an English text with the word each becomes.
  std::vector<Decoded> Decode(std::string_view text) const;

  std::shared_ptr<const Lexicon> lexicon_;
  TranslatorOptions options_;
  uint64_t id_;  // tells this translator's memos on a thread from another's
  Segmenter segmenter_;
  PhraseMatcher matcher_;
};

}  // namespace lumora
