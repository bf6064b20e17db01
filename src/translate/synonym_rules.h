#pragma once
// Judges on the dictionary alone whether one word may stand for another in
// running text. The translator's gloss choice and the lexicon builder's
// sharing of glosses between synonyms both follow these rules, so a gloss the
// builder hands to a synonym is one the translator will accept.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "translate/gloss_cleaner.h"
#include "translate/lexicon.h"

namespace lumora {

// Senses past this position are seldom what the word means in prose.
inline constexpr int kMaxSense = 3;
// A synonym rarer than this reads as odd in ordinary prose.
inline constexpr uint32_t kMinSynonymFrequency = 300;
// A gloss carried by more primary entries than this says little alone.
inline constexpr int kVagueCarriers = 10;
// A gloss carried by at most this many primary entries is specific.
inline constexpr int kSpecificCarriers = 4;
// A synonym this many times rarer than the word it replaces is a rarer
// sense or a bookish word, not what the sentence means.
inline constexpr uint32_t kMaxFrequencyDrop = 30;
// The same when a language model checks that the rarer word fits the sentence.
inline constexpr uint32_t kMaxFrequencyDropInContext = 200;
// A single character is far more frequent than a compound standing for it
// only when it mostly works as a function word.
inline constexpr uint32_t kMaxSingleCharFrequencyRatio = 12;

// Characters whose words are never exchanged and never introduced: the
// negations 不 没 未 无 非 勿 and the numerals, so that a round trip keeps
// meaning and numbers.
bool HasProtectedChar(std::string_view word);

// How many negations word carries: its characters 不 没 未 无 非 勿, and 别
// leading it as "don't" (别, 别急, 别管; not 别人, 别墅, nor 特别 or 告别).
// None for a word whose negation does not negate (不少 "many", 非常 "very").
size_t NegationCount(std::string_view word);

// Whether a synonym listed by hand may stand for word: it carries as many
// negations, one perhaps traded for another by hand (不仅 → 不但, 不必 →
// 无须, 不要 → 别), and when word has a protected character, the same numerals
// too (一起 → 一同; not 几乎 → 差不多, 一起 → 共同), but for a word whose numeral
// counts nothing (一定 → 务必, 一般 → 通常).
bool KeepsProtectedChars(std::string_view word, std::string_view synonym);

// Whether two words have a character in common.
bool ShareChar(std::string_view a, std::string_view b);

// What the primary dictionary entries of two words have in common.
struct GlossOverlap {
  int shared = 0;   // distinct glosses both carry
  int smaller = 0;  // distinct glosses of the word with fewer
  // A shared gloss, unqualified on both sides, among the first two senses of
  // other: what other mostly means.
  bool leading = false;
  // A shared gloss, unqualified on both sides, among the first two senses of
  // each: what both words mostly mean.
  bool mutual = false;
  int fewestCarriers = 0;  // fewest primary entries carrying one shared gloss
  bool sharesChar = false;
};
GlossOverlap CompareGlosses(const Lexicon& lexicon, int32_t word, int32_t other);

// Calls f with each word that the phrase of one of word's common primary
// glosses leads to, word itself among them: the candidates the rules judge.
template <typename F>
void ForEachGlossCandidate(const Lexicon& lexicon, int32_t word, F&& f) {
  for (int gi = 0; gi < lexicon.GlossCount(word); ++gi) {
    const Gloss g = lexicon.GlossAt(word, gi);
    if (g.entry != 0) break;
    if (g.qualified || g.sense > kMaxSense) continue;
    const int32_t phrase = lexicon.FindPhrase(PhraseKey(g.text));
    if (phrase == Lexicon::kNone) continue;
    for (int k = 0; k < lexicon.CandidateCount(phrase); ++k) f(lexicon.CandidateAt(phrase, k).word);
  }
}

// Whether synonym may replace word: both content words of agreeing class
// (or of two characters or more, sharing a character and most senses),
// neither touching a protected character, the synonym common, not excluded,
// of about the same length and not much rarer, and their glosses overlapping
// enough. A single character only becomes a common two-character word that
// contains it and carries two of its leading glosses. With modelChecks (a
// language model judges the sentence), one shared gloss that both words
// mostly mean is enough, however many words carry it.
bool IsSynonym(const Lexicon& lexicon, int32_t word, int32_t synonym, bool modelChecks = false);

// The first primary gloss of word whose phrase key is key, if any.
std::optional<Gloss> PrimaryGlossWithKey(const Lexicon& lexicon, int32_t word,
                                         std::string_view key);

// The gloss the held phrase of a listed synonym is made of, by the lexicon
// builder and the translator alike: the first gloss of word's primary entry
// that is unqualified and among its senses up to maxSense, else the entry's
// first gloss. The held phrase leads to word alone, so a narrowed gloss
// serves as well; without one a word whose every sense is narrowed (参与,
// "to participate (in sth)") could never be reached.
std::optional<Gloss> HeldPhraseGloss(const Lexicon& lexicon, int32_t word, int maxSense);

// The gloss of the held phrase that leads from word to its listed synonym:
// the synonym's own (HeldPhraseGloss), else, for a synonym without a sense of
// its own (a word of the frequency list such as 很多), word's.
std::optional<Gloss> HeldPhraseGloss(const Lexicon& lexicon, int32_t word, int32_t synonym,
                                     int maxSense);

// Whether gloss, one of word's primary glosses, is a fair way from word to
// synonym: a sense word has in most sentences, one synonym mostly means, and
// the two words synonyms. The translator takes only such ways, and the
// lexicon builder hands phrases only along them.
bool IsWayToSynonym(const Lexicon& lexicon, int32_t word, const Gloss& gloss, int32_t synonym);

}  // namespace lumora
