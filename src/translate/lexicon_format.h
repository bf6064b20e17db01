#pragma once
// The on-disk layout of a lexicon file, shared by the builder and the reader.
// All integers little-endian; sections follow the header in this order:
// words, glosses, phrases, phrase candidates, excluded pairs, listed synonym
// pairs, the word hash table, the phrase hash table, the word filter, the
// prefix filter, string bytes. Every section is a whole number of 4-byte
// units, so a mapped file can be read in place (the filters' 8-byte blocks
// are copied out, as they may sit at an offset of 4).

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace lumora::lexicon_format {

static_assert(std::endian::native == std::endian::little, "the lexicon layout is little-endian");

inline constexpr char kMagic[8] = {'L', 'U', 'M', 'L', 'E', 'X', '\r', '\n'};
inline constexpr uint32_t kVersion = 8;

struct Header {
  char magic[8];
  uint32_t version;
  uint32_t wordCount;
  uint32_t glossCount;
  uint32_t phraseCount;
  uint32_t candidateCount;
  uint32_t exclusionCount;
  uint32_t wordTableSize;    // a power of two
  uint32_t phraseTableSize;  // a power of two
  uint16_t maxWordChars;
  uint16_t maxPhraseWords;
  uint32_t synonymCount;
  uint64_t stringBytes;
  uint64_t totalFrequency;
  uint32_t wordFilterBlocks;    // a power of two
  uint32_t prefixFilterBlocks;  // a power of two
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

// A lower-case gloss phrase, the word it translates back to by default, and
// the Chinese words that may stand for it in context.
struct PhraseRecord {
  uint32_t textOffset;
  uint16_t textLength;
  uint8_t wordCount;
  uint8_t carriers;  // words carrying it among their primary senses, at most 255
  uint32_t word;
  uint32_t candidateBegin;
  uint16_t candidateCount;
  uint16_t reserved;
};

// A word carrying a phrase and how early the phrase comes among its senses
// (0 first; a qualified sense counts two more). The phrase's default word
// comes first.
struct CandidateRecord {
  uint32_t word;
  uint8_t sense;
  uint8_t reserved[3];
};

// A word and a synonym it must never become (a pair known to read wrong),
// sorted by word, then synonym.
struct ExclusionRecord {
  uint32_t word;
  uint32_t synonym;
};

// Where a listed synonym may stand: anywhere, or only right before a verb
// (要 > 需: 需注意, but 我要一杯咖啡), a number (到 > 至: 三至五天, but 到北京)
// a comma (介绍 > 表示: 医生表示，…, but 介绍一下), an adjective (比较 > 较:
// 较好, but 进行比较), a noun (使用 > 用: 用手机, but 停止使用) or a
// preposition (要 > 需: 需在医生指导下, but 要一杯茶).
// A pair listed for several places holds in each.
inline constexpr uint32_t kAnywhere = 0;
inline constexpr uint32_t kBeforeVerb = 1;
inline constexpr uint32_t kBeforeNumber = 2;
inline constexpr uint32_t kBeforeComma = 4;
inline constexpr uint32_t kBeforeAdjective = 8;
inline constexpr uint32_t kBeforeNoun = 16;
inline constexpr uint32_t kBeforePreposition = 32;
inline constexpr uint32_t kEveryPlaceBit = kBeforeVerb | kBeforeNumber | kBeforeComma |
                                           kBeforeAdjective | kBeforeNoun | kBeforePreposition;

// A word and a synonym chosen by hand that it may become, sorted by word,
// then synonym.
struct SynonymRecord {
  uint32_t word;
  uint32_t synonym;
  uint32_t place;  // kAnywhere, or the places it holds in, or-ed
};

static_assert(sizeof(Header) == 72);
static_assert(sizeof(WordRecord) == 16);
static_assert(sizeof(GlossRecord) == 8);
static_assert(sizeof(PhraseRecord) == 20);
static_assert(sizeof(CandidateRecord) == 8);
static_assert(sizeof(ExclusionRecord) == 8);
static_assert(sizeof(SynonymRecord) == 12);

// The hash tables hold index + 1 (0 empty), open addressing with linear
// probing from Hash(text) masked by the table size. A Hasher takes the text
// piece by piece, so that the hashes of a text's prefixes cost one pass.
class Hasher {
 public:
  void Add(std::string_view s) {
    for (unsigned char c : s) {
      h_ ^= c;
      h_ *= 1099511628211ull;
    }
  }
  uint64_t Value() const { return h_ ^ (h_ >> 29); }

 private:
  uint64_t h_ = 1469598103934665603ull;
};

inline uint64_t Hash(std::string_view s) {
  Hasher h;
  h.Add(s);
  return h.Value();
}

// The filters are blocked Bloom filters over Hash(text): a key sets three bits
// of one 64-bit block. The word filter holds every word, so that most texts
// that are not words are turned away without touching the word table; the
// prefix filter holds every proper prefix (whole characters) of every word,
// so that the segmenter stops looking further as soon as no word can start
// with the text it has so far.
struct FilterProbe {
  size_t block;
  uint64_t bits;
};

inline FilterProbe ProbeFor(uint64_t hash, size_t blocks) {
  uint64_t m = hash;
  m ^= m >> 33;
  m *= 0xff51afd7ed558ccdull;
  m ^= m >> 33;
  const uint64_t bits = (uint64_t{1} << (m & 63)) | (uint64_t{1} << ((m >> 6) & 63)) |
                        (uint64_t{1} << ((m >> 12) & 63));
  return {static_cast<size_t>(m >> 24) & (blocks - 1), bits};
}

// About ten bits a key keeps false hits near two in a hundred.
inline uint32_t FilterBlocks(size_t keys) {
  uint32_t blocks = 1;
  while (blocks * 64 < keys * 10) blocks <<= 1;
  return blocks;
}

inline void FilterAdd(std::vector<uint64_t>& blocks, uint64_t hash) {
  const FilterProbe p = ProbeFor(hash, blocks.size());
  blocks[p.block] |= p.bits;
}

// blocks: the filter's bytes as stored, count blocks of 8 bytes.
inline bool FilterMayHold(const char* blocks, size_t count, uint64_t hash) {
  const FilterProbe p = ProbeFor(hash, count);
  uint64_t block;
  std::memcpy(&block, blocks + p.block * sizeof block, sizeof block);
  return (block & p.bits) == p.bits;
}

inline uint32_t TableSize(size_t count) {
  uint32_t size = 16;
  while (size < count * 2) size <<= 1;
  return size;
}

}  // namespace lumora::lexicon_format
