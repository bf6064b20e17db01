#include "translate/lexicon.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "base/stream.h"
#include "translate/utf8.h"

namespace lumora {

namespace fmt = lexicon_format;

namespace {

uint64_t HashBytes(std::string_view s) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : s) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h ^ (h >> 29);
}

int CountChars(std::string_view s) {
  int n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

template <typename Record>
void CopySection(const std::string& bytes, size_t& offset, size_t count, std::vector<Record>& out) {
  if (count > (bytes.size() - offset) / sizeof(Record)) {
    throw ELexiconError("Lexicon file is truncated");
  }
  out.resize(count);
  if (count) std::memcpy(out.data(), bytes.data() + offset, count * sizeof(Record));
  offset += count * sizeof(Record);
}

}  // namespace

WordClass WordClassFromTag(std::string_view tag) {
  if (tag.empty()) return WordClass::kUnknown;
  if (tag == "vn") return WordClass::kVerbalNoun;
  if (tag == "nr" || tag == "ns" || tag == "nt" || tag == "nz" || tag == "nrt" || tag == "nrfg" ||
      tag == "j") {
    return WordClass::kName;
  }
  if (tag == "an") return WordClass::kNoun;
  if (tag == "ad") return WordClass::kAdverb;
  if (tag == "i" || tag == "l") return WordClass::kIdiom;
  if (tag == "mq") return WordClass::kNumeral;
  switch (tag[0]) {
    case 'n':
      return WordClass::kNoun;
    case 'v':
      return WordClass::kVerb;
    case 'a':
      return WordClass::kAdjective;
    case 'b':
      return WordClass::kAdjective;
    case 'z':
      return WordClass::kAdjective;
    case 'd':
      return WordClass::kAdverb;
    case 'r':
      return WordClass::kPronoun;
    case 'm':
      return WordClass::kNumeral;
    case 'q':
      return WordClass::kMeasure;
    case 'p':
      return WordClass::kPreposition;
    case 'c':
      return WordClass::kConjunction;
    case 'u':
    case 'y':
    case 'e':
    case 'o':
    case 'h':
    case 'k':
      return WordClass::kParticle;
    case 't':
      return WordClass::kTime;
    case 'f':
    case 's':
      return WordClass::kLocality;
    default:
      return WordClass::kOther;
  }
}

bool IsContentClass(WordClass c) {
  switch (c) {
    case WordClass::kNoun:
    case WordClass::kVerb:
    case WordClass::kVerbalNoun:
    case WordClass::kAdjective:
    case WordClass::kAdverb:
    case WordClass::kIdiom:
      return true;
    default:
      return false;
  }
}

std::shared_ptr<const Lexicon> Lexicon::Load(const std::string& path) {
  std::string bytes;
  try {
    bytes = ReadFileBytes(path);
  } catch (const Exception& e) {
    throw ELexiconError("Cannot read lexicon \"" + path + "\": " + e.Message());
  }
  try {
    return FromBytes(std::move(bytes));
  } catch (const ELexiconError& e) {
    throw ELexiconError("Lexicon \"" + path + "\" is not usable: " + e.Message());
  }
}

std::shared_ptr<const Lexicon> Lexicon::FromBytes(std::string bytes) {
  std::shared_ptr<Lexicon> lexicon(new Lexicon());
  lexicon->bytes_ = std::move(bytes);
  lexicon->Parse();
  return lexicon;
}

void Lexicon::Parse() {
  fmt::Header header;
  if (bytes_.size() < sizeof header) throw ELexiconError("Lexicon file is truncated");
  std::memcpy(&header, bytes_.data(), sizeof header);
  if (std::memcmp(header.magic, fmt::kMagic, sizeof header.magic) != 0) {
    throw ELexiconError("not a lexicon file");
  }
  if (header.version != fmt::kVersion) {
    throw ELexiconError("unsupported lexicon version " + std::to_string(header.version));
  }
  size_t offset = sizeof header;
  CopySection(bytes_, offset, header.wordCount, words_);
  CopySection(bytes_, offset, header.glossCount, glosses_);
  CopySection(bytes_, offset, header.phraseCount, phrases_);
  CopySection(bytes_, offset, header.exclusionCount, exclusions_);
  if (header.stringBytes != bytes_.size() - offset) {
    throw ELexiconError("Lexicon string section has the wrong size");
  }
  strings_ = bytes_.data() + offset;
  stringBytes_ = header.stringBytes;
  totalFrequency_ = header.totalFrequency;

  // Every reference is checked once here so that look-ups need no checks.
  for (const auto& w : words_) {
    if (w.textLength == 0 || w.textOffset + uint64_t{w.textLength} > stringBytes_ ||
        w.glossBegin + uint64_t{w.glossCount} > glosses_.size() ||
        w.wordClass > static_cast<uint8_t>(WordClass::kOther)) {
      throw ELexiconError("Lexicon word record out of range");
    }
    const std::string_view text = Str(w.textOffset, w.textLength);
    if (!IsValidUtf8(text)) throw ELexiconError("Lexicon word is not UTF-8");
    maxWordChars_ = std::max(maxWordChars_, CountChars(text));
  }
  for (const auto& g : glosses_) {
    if (g.textOffset + uint64_t{g.textLength} > stringBytes_) {
      throw ELexiconError("Lexicon gloss record out of range");
    }
  }
  for (const auto& p : phrases_) {
    if (p.textLength == 0 || p.textOffset + uint64_t{p.textLength} > stringBytes_ ||
        p.word >= words_.size() || p.wordCount == 0) {
      throw ELexiconError("Lexicon phrase record out of range");
    }
    maxPhraseWords_ = std::max<int>(maxPhraseWords_, p.wordCount);
  }
  for (size_t i = 0; i < exclusions_.size(); ++i) {
    const auto& e = exclusions_[i];
    if (e.word >= words_.size() || e.synonym >= words_.size()) {
      throw ELexiconError("Lexicon exclusion record out of range");
    }
    if (i > 0 && std::pair(exclusions_[i - 1].word, exclusions_[i - 1].synonym) >=
                     std::pair(e.word, e.synonym)) {
      throw ELexiconError("Lexicon exclusions are not sorted");
    }
  }

  wordTable_ = BuildTable(words_.size());
  const size_t wordMask = wordTable_.size() - 1;
  for (size_t i = 0; i < words_.size(); ++i) {
    const std::string_view text = Str(words_[i].textOffset, words_[i].textLength);
    size_t slot = HashBytes(text) & wordMask;
    while (wordTable_[slot] != 0) {
      if (Word(static_cast<int32_t>(wordTable_[slot] - 1)) == text) {
        throw ELexiconError("Lexicon lists a word twice");
      }
      slot = (slot + 1) & wordMask;
    }
    wordTable_[slot] = static_cast<uint32_t>(i + 1);
  }
  phraseTable_ = BuildTable(phrases_.size());
  const size_t phraseMask = phraseTable_.size() - 1;
  for (size_t i = 0; i < phrases_.size(); ++i) {
    const std::string_view text = Str(phrases_[i].textOffset, phrases_[i].textLength);
    size_t slot = HashBytes(text) & phraseMask;
    while (phraseTable_[slot] != 0) {
      const auto& other = phrases_[phraseTable_[slot] - 1];
      if (Str(other.textOffset, other.textLength) == text) {
        throw ELexiconError("Lexicon lists a phrase twice");
      }
      slot = (slot + 1) & phraseMask;
    }
    phraseTable_[slot] = static_cast<uint32_t>(i + 1);
  }
}

std::vector<uint32_t> Lexicon::BuildTable(size_t count) {
  size_t size = 16;
  while (size < count * 2) size <<= 1;
  return std::vector<uint32_t>(size, 0);
}

std::string_view Lexicon::Str(uint32_t offset, uint32_t length) const {
  return std::string_view(strings_ + offset, length);
}

std::string_view Lexicon::Word(int32_t id) const {
  const auto& w = words_[static_cast<size_t>(id)];
  return Str(w.textOffset, w.textLength);
}

Gloss Lexicon::GlossAt(int32_t id, int index) const {
  const auto& g = glosses_[words_[static_cast<size_t>(id)].glossBegin + static_cast<size_t>(index)];
  return Gloss{Str(g.textOffset, g.textLength), g.entry,
               static_cast<uint8_t>(g.sense & ~fmt::kQualifiedSense),
               (g.sense & fmt::kQualifiedSense) != 0};
}

int32_t Lexicon::Find(std::string_view word) const {
  const size_t mask = wordTable_.size() - 1;
  for (size_t slot = HashBytes(word) & mask; wordTable_[slot] != 0; slot = (slot + 1) & mask) {
    const auto id = static_cast<int32_t>(wordTable_[slot] - 1);
    if (Word(id) == word) return id;
  }
  return kNone;
}

int32_t Lexicon::PhraseTarget(std::string_view lowerPhrase) const {
  const size_t mask = phraseTable_.size() - 1;
  for (size_t slot = HashBytes(lowerPhrase) & mask; phraseTable_[slot] != 0;
       slot = (slot + 1) & mask) {
    const auto& p = phrases_[phraseTable_[slot] - 1];
    if (Str(p.textOffset, p.textLength) == lowerPhrase) return static_cast<int32_t>(p.word);
  }
  return kNone;
}

int Lexicon::PhraseCarriers(std::string_view lowerPhrase) const {
  const size_t mask = phraseTable_.size() - 1;
  for (size_t slot = HashBytes(lowerPhrase) & mask; phraseTable_[slot] != 0;
       slot = (slot + 1) & mask) {
    const auto& p = phrases_[phraseTable_[slot] - 1];
    if (Str(p.textOffset, p.textLength) == lowerPhrase) return p.carriers;
  }
  return 0;
}

bool Lexicon::IsExcluded(int32_t word, int32_t synonym) const {
  const fmt::ExclusionRecord key{static_cast<uint32_t>(word), static_cast<uint32_t>(synonym)};
  return std::binary_search(exclusions_.begin(), exclusions_.end(), key,
                            [](const fmt::ExclusionRecord& a, const fmt::ExclusionRecord& b) {
                              return std::pair(a.word, a.synonym) < std::pair(b.word, b.synonym);
                            });
}

}  // namespace lumora
