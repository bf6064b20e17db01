#pragma once
// Collects words of the frequency dictionary and entries of the
// Chinese-English dictionary and writes them as one lexicon file: words
// sorted, senses cleaned and ranked, and the gloss phrases inverted to the
// most frequent Chinese word carrying each. A common word that no phrase
// leads away from hands one of its phrases to a synonym carrying it, so that
// a round trip can change it too; a synonym listed by hand gets a held
// phrase leading to it alone. Used by the build-time converter and by
// tests that need a small lexicon.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "translate/gloss_cleaner.h"
#include "translate/lexicon_format.h"

namespace lumora {

class LexiconBuilder {
 public:
  // A word with its corpus frequency and part-of-speech tag ("n", "v", ...).
  // A word given twice keeps the higher frequency and its tag.
  void AddWord(std::string_view word, uint32_t frequency, std::string_view tag);
  // One dictionary entry of a simplified word. A capital in the pinyin marks
  // a proper name; senses are raw and get cleaned here. Entries without a
  // usable sense still make the word known.
  void AddEntry(std::string_view word, std::string_view pinyin,
                const std::vector<std::string>& senses);

  // A pair known to read wrong: word must never become synonym. Pairs naming
  // an unknown word are ignored.
  void AddExclusion(std::string_view word, std::string_view synonym);
  // A synonym chosen by hand: word may become synonym, anywhere or only
  // before a verb, a number or a comma (lexicon_format's places). Pairs naming an unknown
  // word, or excluded, are ignored.
  void AddSynonym(std::string_view word, std::string_view synonym,
                  uint32_t place = lexicon_format::kAnywhere);
  // A group of synonyms chosen by hand, words separated by blanks: "A B C"
  // lets each become each other, "A > B C" lets A become B or C only; a
  // group ending in "(before a verb)", "(before a number)" or "(before a
  // comma)" holds only right before one.
  // Raises Exception for a group of fewer than two words or a misplaced ">".
  void AddSynonymGroup(std::string_view group);

  // The bytes of the lexicon file. Words that are empty, longer than 255
  // bytes or not valid UTF-8 are left out.
  std::string Build() const;
  // The words named in listed synonym pairs that are not known, sorted, each
  // once: a pair naming one is left out of the lexicon, so a curator should hear.
  std::vector<std::string> UnknownSynonymWords() const;
  // Raises EFOpenError / EStreamError.
  void WriteFile(const std::string& path) const;

 private:
  struct Entry {
    bool properName = false;
    bool variantOnly = false;
    int order = 0;
    std::vector<std::vector<CleanGloss>> senses;  // cleaned glosses per raw sense
  };
  struct WordData {
    uint32_t frequency = 0;
    std::string tag;
    std::vector<Entry> entries;
  };
  // An entry for each word of a listed pair that the dictionary gives no
  // sense, glossed by the two words it is made of (降到: "to drop" "to
  // reach"): without a gloss it has no way to English, and its listed
  // synonyms could never be reached.
  std::map<std::string, Entry, std::less<>> EntriesFromParts() const;
  // The first gloss of word's first entry that is no name, if any.
  const CleanGloss* LeadingGloss(std::string_view word) const;

  std::map<std::string, WordData, std::less<>> words_;
  struct NamedPair {
    std::string word;
    std::string synonym;
    uint32_t place = lexicon_format::kAnywhere;
  };
  std::vector<NamedPair> exclusions_;
  std::vector<NamedPair> synonyms_;
  int entryOrder_ = 0;
};

}  // namespace lumora
