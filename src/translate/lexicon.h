#pragma once
// The loaded lexicon: Chinese words with frequency, word class and cleaned
// English glosses, plus the inverted index from a lower-case gloss phrase to
// the Chinese word it translates back to by default and the words that may
// stand for it in context. A file is memory mapped and read in place; each
// record is checked as a look-up reads it, so loading costs next to nothing
// and a damaged file still raises ELexiconError instead of being trusted.
// Immutable after loading, so one instance is shared by any number of threads.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/exception.h"
#include "translate/lexicon_format.h"

namespace lumora {

// A lexicon file that cannot be read or is malformed.
class ELexiconError : public Exception {
 public:
  using Exception::Exception;
};

enum class WordClass : uint8_t {
  kUnknown,
  kNoun,
  kVerb,
  kVerbalNoun,  // a verb used as a noun (发展)
  kAdjective,
  kAdverb,
  kIdiom,
  kName,  // people, places, organisations, brands
  kPronoun,
  kNumeral,
  kMeasure,
  kPreposition,
  kConjunction,
  kParticle,
  kTime,
  kLocality,
  kOther,
};

// Maps a part-of-speech tag of the frequency dictionary ("n", "vn", "nr", ...).
WordClass WordClassFromTag(std::string_view tag);
// Nouns, verbs, adjectives, adverbs and idioms: the words the translator glosses.
bool IsContentClass(WordClass c);

// What follows a word, for synonyms listed for one place only.
struct WordPlace {
  bool beforeVerb = false;
  bool beforeNumber = false;
  bool beforeComma = false;  // or a colon
  bool beforeAdjective = false;
  bool beforeNoun = false;
  bool beforePreposition = false;
};
inline constexpr WordPlace kEveryPlace{true, true, true, true, true, true};

struct Gloss {
  std::string_view text;
  uint8_t entry;   // 0: the word's primary dictionary entry
  uint8_t sense;   // position within that entry, 0 first
  bool qualified;  // the raw sense narrowed it in parentheses
};

struct PhraseCandidate {
  int32_t word;
  uint8_t sense;  // how early the phrase comes among the word's senses, 0 first
};

class Lexicon {
 public:
  // Maps the file; raises ELexiconError with the path and the reason.
  static std::shared_ptr<const Lexicon> Load(const std::string& path);
  // Takes the bytes of a lexicon file; raises ELexiconError when malformed.
  static std::shared_ptr<const Lexicon> FromBytes(std::string bytes);

  static constexpr int32_t kNone = -1;

  int32_t WordCount() const { return static_cast<int32_t>(words_.size()); }
  // The id of word, or kNone.
  int32_t Find(std::string_view word) const { return Find(word, lexicon_format::Hash(word)); }
  // The same with word's hash already at hand (lexicon_format::Hash).
  int32_t Find(std::string_view word, uint64_t hash) const;
  // False when no word starts with the text of this hash (lexicon_format::Hash)
  // and goes on; true may be a false alarm. A segmenter stops looking there.
  bool MayLeadToLongerWord(uint64_t hash) const;
  std::string_view Word(int32_t id) const;
  uint32_t Frequency(int32_t id) const { return WordAt(id).frequency; }
  WordClass Class(int32_t id) const { return static_cast<WordClass>(WordAt(id).wordClass); }
  int GlossCount(int32_t id) const { return WordAt(id).glossCount; }
  Gloss GlossAt(int32_t id, int index) const;
  uint64_t TotalFrequency() const { return header_.totalFrequency; }
  // Longest word in characters, for the segmenter's look-ahead.
  int MaxWordChars() const { return header_.maxWordChars; }

  // The id of a lower-case phrase (single spaces), or kNone.
  int32_t FindPhrase(std::string_view lowerPhrase) const;
  // The word a phrase translates to by default.
  int32_t PhraseWord(int32_t phrase) const;
  // The words that may stand for a phrase, its default word first.
  int CandidateCount(int32_t phrase) const;
  PhraseCandidate CandidateAt(int32_t phrase, int index) const;
  // The word a lower-case phrase (single spaces) translates to, or kNone.
  int32_t PhraseTarget(std::string_view lowerPhrase) const;
  int MaxPhraseWords() const { return header_.maxPhraseWords; }
  // How many words carry the phrase among their primary senses; a gloss
  // carried by many words is ambiguous.
  int PhraseCarriers(std::string_view lowerPhrase) const;
  // Whether the lexicon lists synonym as a replacement word must never take.
  bool IsExcluded(int32_t word, int32_t synonym) const;
  // The synonyms chosen by hand that word may become, in id order; those
  // listed for one place only when the word stands there.
  std::vector<int32_t> ListedSynonyms(int32_t word, WordPlace here = {}) const;

 private:
  Lexicon() = default;
  void Parse();
  std::string_view Str(uint32_t offset, uint32_t length) const;
  // A record, checked as it is read; raise ELexiconError when damaged.
  const lexicon_format::WordRecord& WordAt(int32_t id) const;
  const lexicon_format::PhraseRecord& PhraseAt(int32_t phrase) const;
  [[noreturn]] static void Damaged(const char* what);

  // The file's bytes: a mapping or a string, kept alive with the lexicon.
  std::shared_ptr<const void> storage_;
  const char* data_ = nullptr;
  size_t size_ = 0;
  lexicon_format::Header header_{};
  const char* strings_ = nullptr;
  std::span<const lexicon_format::WordRecord> words_;
  std::span<const lexicon_format::GlossRecord> glosses_;
  std::span<const lexicon_format::PhraseRecord> phrases_;
  std::span<const lexicon_format::CandidateRecord> candidates_;
  std::span<const lexicon_format::ExclusionRecord> exclusions_;
  std::span<const lexicon_format::SynonymRecord> synonyms_;
  std::span<const uint32_t> wordTable_;
  std::span<const uint32_t> phraseTable_;
  const char* wordFilter_ = nullptr;
  const char* prefixFilter_ = nullptr;
};

}  // namespace lumora
