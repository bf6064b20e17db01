#pragma once
// Finds the gloss phrases of an English text: at each word, the longest run
// of words (blanks between them, no punctuation) whose lower-case form is a
// phrase of the lexicon. A word is letters, digits and inner "'" or "-",
// with the held marks right after it; a word right after U+2060 WORD JOINER is
// protected and never matched, which is how the translator keeps Latin words
// of a Chinese text as they are.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "translate/gloss_cleaner.h"
#include "translate/lexicon.h"

namespace lumora {

// The UTF-8 bytes of U+2060, the mark of a protected word.
inline constexpr std::string_view kWordJoiner = "\xE2\x81\xA0";
// The UTF-8 bytes of U+2063 INVISIBLE SEPARATOR. Right after a word it
// belongs to that word: a gloss with the mark is a held phrase, which leads
// to one chosen word alone instead of the likeliest word carrying the gloss.
inline constexpr std::string_view kHeldMark = "\xE2\x81\xA3";

// Listed synonyms whose held-phrase glosses agree (孩子 and 小孩: "child")
// each need a held phrase of their own: the next one carries the mark twice,
// and so on up to this many.
inline constexpr int kMaxHeldMarks = 16;

// The key of the held phrase of a gloss, with the mark given times.
inline std::string HeldPhraseKey(std::string_view gloss, int marks = 1) {
  std::string key = PhraseKey(gloss);
  for (int i = 0; i < marks; ++i) key += kHeldMark;
  return key;
}

struct PhraseMatch {
  size_t begin;  // byte range in the text
  size_t end;
  int32_t word;    // the Chinese word the phrase goes back to by default
  int32_t phrase;  // the lexicon's phrase id
};

class PhraseMatcher {
 public:
  explicit PhraseMatcher(const Lexicon& lexicon) : lexicon_(lexicon) {}

  // Matches in text order, never overlapping, none touching a byte range of
  // skip (sorted, not overlapping): markup and addresses stay as they are.
  std::vector<PhraseMatch> Match(std::string_view text,
                                 const std::vector<std::pair<size_t, size_t>>& skip = {}) const;

 private:
  const Lexicon& lexicon_;
};

}  // namespace lumora
