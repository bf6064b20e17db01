#pragma once
// The on-disk layout of a lexicon file, shared by the builder and the reader.
// All integers little-endian; sections follow the header in this order:
// words, glosses, phrases, excluded pairs, string bytes.

#include <bit>
#include <cstdint>

namespace lumora::lexicon_format {

static_assert(std::endian::native == std::endian::little, "the lexicon layout is little-endian");

inline constexpr char kMagic[8] = {'L', 'U', 'M', 'L', 'E', 'X', '\r', '\n'};
inline constexpr uint32_t kVersion = 2;

struct Header {
  char magic[8];
  uint32_t version;
  uint32_t wordCount;
  uint32_t glossCount;
  uint32_t phraseCount;
  uint32_t exclusionCount;
  uint32_t reserved;
  uint64_t stringBytes;
  uint64_t totalFrequency;
};

// Words are sorted by their bytes; text is UTF-8 without a terminator.
struct WordRecord {
  uint32_t textOffset;
  uint32_t frequency;
  uint32_t glossBegin;
  uint16_t glossCount;
  uint8_t textLength;
  uint8_t wordClass;
};

// entry: 0 for the word's primary dictionary entry; sense: position within it
// (low 7 bits) and kQualifiedSense when the raw sense carried a qualifier in
// parentheses, such as "to raise (an issue)".
struct GlossRecord {
  uint32_t textOffset;
  uint16_t textLength;
  uint8_t entry;
  uint8_t sense;
};
inline constexpr uint8_t kQualifiedSense = 0x80;

// A lower-case gloss phrase and the word it translates back to.
struct PhraseRecord {
  uint32_t textOffset;
  uint16_t textLength;
  uint8_t wordCount;
  uint8_t carriers;  // words carrying it among their primary senses, at most 255
  uint32_t word;
};

// A word and a synonym it must never become (a pair known to read wrong),
// sorted by word, then synonym.
struct ExclusionRecord {
  uint32_t word;
  uint32_t synonym;
};

static_assert(sizeof(Header) == 48);
static_assert(sizeof(WordRecord) == 16);
static_assert(sizeof(GlossRecord) == 8);
static_assert(sizeof(PhraseRecord) == 12);
static_assert(sizeof(ExclusionRecord) == 8);

}  // namespace lumora::lexicon_format
