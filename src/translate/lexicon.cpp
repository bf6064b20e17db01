#include "translate/lexicon.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "translate/utf8.h"

namespace lumora {

namespace fmt = lexicon_format;

namespace {

// Views count records of the file at offset, moving offset past them.
template <typename Record>
std::span<const Record> Section(const char* data, size_t size, size_t& offset, size_t count) {
  if (count > (size - offset) / sizeof(Record)) throw ELexiconError("Lexicon file is truncated");
  const auto* first = reinterpret_cast<const Record*>(data + offset);
  offset += count * sizeof(Record);
  return {first, count};
}

// An open file, closed with its owner.
struct OpenFile {
  int fd = -1;
  struct stat st {};
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  explicit OpenFile(const std::string& path) : fd(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd < 0)
      throw ELexiconError("Cannot read lexicon \"" + path + "\": " + std::strerror(errno));
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      close(fd);
      throw ELexiconError("Cannot read lexicon \"" + path + "\": not a regular file");
    }
  }
  ~OpenFile() { close(fd); }
};

// A read-only private mapping of a whole file, unmapped with its last owner.
std::shared_ptr<const void> MapFile(const std::string& path, const OpenFile& file, size_t& size) {
  size = static_cast<size_t>(file.st.st_size);
  if (size == 0) return std::make_shared<char>(0);
  void* at = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.fd, 0);
  if (at == MAP_FAILED) {
    throw ELexiconError("Cannot read lexicon \"" + path + "\": " + std::strerror(errno));
  }
  return std::shared_ptr<const void>(at,
                                     [size](const void* p) { munmap(const_cast<void*>(p), size); });
}

// The file a loaded lexicon came from, as it was then: a file rewritten
// since is loaded afresh.
struct FileIdentity {
  dev_t device;
  ino_t inode;
  off_t size;
  int64_t modifiedNs;
  bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const struct stat& st) {
  return {st.st_dev, st.st_ino, st.st_size,
          int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec};
}

// Lexicons loaded from files and still in use, by path: a batch run's
// scoring and its built-in service then share one mapping, and the pages
// one of them has faulted in serve the other.
struct LoadedLexicon {
  FileIdentity file;
  std::weak_ptr<const Lexicon> lexicon;
};
std::mutex loadedMutex;
std::map<std::string, LoadedLexicon> loaded;

// Pairs of word ids, each in range, sorted and without repeats, as a binary
// search needs them.
template <typename Record>
void CheckPairs(std::span<const Record> pairs, size_t wordCount, const std::string& what) {
  for (size_t i = 0; i < pairs.size(); ++i) {
    const auto& e = pairs[i];
    if (e.word >= wordCount || e.synonym >= wordCount) {
      throw ELexiconError("Lexicon " + what + " record out of range");
    }
    if constexpr (requires { e.place; }) {
      if ((e.place & ~fmt::kEveryPlaceBit) != 0) {
        throw ELexiconError("Lexicon " + what + " record out of range");
      }
    }
    if (i > 0 &&
        std::pair(pairs[i - 1].word, pairs[i - 1].synonym) >= std::pair(e.word, e.synonym)) {
      throw ELexiconError("Lexicon " + what + "s are not sorted");
    }
  }
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
  const OpenFile file(path);
  const FileIdentity identity = IdentityOf(file.st);
  const std::lock_guard lock(loadedMutex);
  if (const auto it = loaded.find(path); it != loaded.end() && it->second.file == identity) {
    if (std::shared_ptr<const Lexicon> shared = it->second.lexicon.lock()) return shared;
  }
  std::shared_ptr<Lexicon> lexicon(new Lexicon());
  lexicon->storage_ = MapFile(path, file, lexicon->size_);
  lexicon->data_ = static_cast<const char*>(lexicon->storage_.get());
  try {
    lexicon->Parse();
  } catch (const ELexiconError& e) {
    throw ELexiconError("Lexicon \"" + path + "\" is not usable: " + e.Message());
  }
  // Forget the lexicons no one holds any more.
  std::erase_if(loaded, [](const auto& entry) { return entry.second.lexicon.expired(); });
  loaded[path] = {identity, lexicon};
  return lexicon;
}

std::shared_ptr<const Lexicon> Lexicon::FromBytes(std::string bytes) {
  std::shared_ptr<Lexicon> lexicon(new Lexicon());
  auto owned = std::make_shared<const std::string>(std::move(bytes));
  lexicon->data_ = owned->data();
  lexicon->size_ = owned->size();
  lexicon->storage_ = std::move(owned);
  lexicon->Parse();
  return lexicon;
}

void Lexicon::Parse() {
  fmt::Header& header = header_;
  if (size_ < sizeof header) throw ELexiconError("Lexicon file is truncated");
  std::memcpy(&header, data_, sizeof header);
  if (std::memcmp(header.magic, fmt::kMagic, sizeof header.magic) != 0) {
    throw ELexiconError("not a lexicon file");
  }
  if (header.version != fmt::kVersion) {
    throw ELexiconError("unsupported lexicon version " + std::to_string(header.version));
  }
  auto powerOfTwo = [](uint32_t n) { return n >= 16 && (n & (n - 1)) == 0; };
  auto powerOfTwoOrOne = [](uint32_t n) { return n >= 1 && (n & (n - 1)) == 0; };
  if (!powerOfTwo(header.wordTableSize) || !powerOfTwo(header.phraseTableSize) ||
      header.wordTableSize < header.wordCount || header.phraseTableSize < header.phraseCount) {
    throw ELexiconError("Lexicon hash tables have the wrong size");
  }
  size_t offset = sizeof header;
  words_ = Section<fmt::WordRecord>(data_, size_, offset, header.wordCount);
  glosses_ = Section<fmt::GlossRecord>(data_, size_, offset, header.glossCount);
  phrases_ = Section<fmt::PhraseRecord>(data_, size_, offset, header.phraseCount);
  candidates_ = Section<fmt::CandidateRecord>(data_, size_, offset, header.candidateCount);
  exclusions_ = Section<fmt::ExclusionRecord>(data_, size_, offset, header.exclusionCount);
  synonyms_ = Section<fmt::SynonymRecord>(data_, size_, offset, header.synonymCount);
  wordTable_ = Section<uint32_t>(data_, size_, offset, header.wordTableSize);
  phraseTable_ = Section<uint32_t>(data_, size_, offset, header.phraseTableSize);
  if (!powerOfTwoOrOne(header.wordFilterBlocks) || !powerOfTwoOrOne(header.prefixFilterBlocks)) {
    throw ELexiconError("Lexicon filters have the wrong size");
  }
  // Blocks are copied out where read, as they need not be 8-byte aligned.
  wordFilter_ = Section<char>(data_, size_, offset, size_t{header.wordFilterBlocks} * 8).data();
  prefixFilter_ = Section<char>(data_, size_, offset, size_t{header.prefixFilterBlocks} * 8).data();
  if (header.stringBytes != size_ - offset) {
    throw ELexiconError("Lexicon string section has the wrong size");
  }
  strings_ = data_ + offset;
  if (header.maxWordChars == 0 || header.maxPhraseWords == 0) {
    throw ELexiconError("Lexicon header is damaged");
  }

  // Records are checked where they are read, so that loading touches only
  // the header and the small sections of pairs; a damaged record raises
  // ELexiconError when a look-up reaches it.
  CheckPairs(exclusions_, words_.size(), "exclusion");
  CheckPairs(synonyms_, words_.size(), "listed synonym");
}

void Lexicon::Damaged(const char* what) {
  throw ELexiconError(std::string("Lexicon ") + what + " out of range");
}

const fmt::WordRecord& Lexicon::WordAt(int32_t id) const {
  if (id < 0 || static_cast<size_t>(id) >= words_.size()) Damaged("word id");
  const auto& w = words_[static_cast<size_t>(id)];
  if (w.textLength == 0 || w.textOffset + uint64_t{w.textLength} > header_.stringBytes ||
      w.glossBegin + uint64_t{w.glossCount} > glosses_.size() ||
      w.wordClass > static_cast<uint8_t>(WordClass::kOther)) {
    Damaged("word record");
  }
  return w;
}

const fmt::PhraseRecord& Lexicon::PhraseAt(int32_t phrase) const {
  if (phrase < 0 || static_cast<size_t>(phrase) >= phrases_.size()) Damaged("phrase id");
  const auto& p = phrases_[static_cast<size_t>(phrase)];
  if (p.textLength == 0 || p.textOffset + uint64_t{p.textLength} > header_.stringBytes ||
      p.word >= words_.size() || p.wordCount == 0 || p.wordCount > header_.maxPhraseWords ||
      p.candidateBegin + uint64_t{p.candidateCount} > candidates_.size()) {
    Damaged("phrase record");
  }
  return p;
}

std::string_view Lexicon::Str(uint32_t offset, uint32_t length) const {
  return std::string_view(strings_ + offset, length);
}

std::string_view Lexicon::Word(int32_t id) const {
  const auto& w = WordAt(id);
  return Str(w.textOffset, w.textLength);
}

Gloss Lexicon::GlossAt(int32_t id, int index) const {
  const auto& w = WordAt(id);
  if (index < 0 || index >= w.glossCount) Damaged("gloss index");
  const auto& g = glosses_[w.glossBegin + static_cast<size_t>(index)];
  if (g.textOffset + uint64_t{g.textLength} > header_.stringBytes) Damaged("gloss record");
  return Gloss{Str(g.textOffset, g.textLength), g.entry,
               static_cast<uint8_t>(g.sense & ~fmt::kQualifiedSense),
               (g.sense & fmt::kQualifiedSense) != 0};
}

int32_t Lexicon::Find(std::string_view word, uint64_t hash) const {
  if (!fmt::FilterMayHold(wordFilter_, header_.wordFilterBlocks, hash)) return kNone;
  const size_t mask = wordTable_.size() - 1;
  // A damaged table without a free slot must not make the probe run for ever.
  size_t slot = hash & mask;
  for (size_t probes = 0; probes <= mask && wordTable_[slot] != 0; ++probes) {
    const auto id = static_cast<int32_t>(wordTable_[slot] - 1);
    if (Word(id) == word) return id;
    slot = (slot + 1) & mask;
  }
  return kNone;
}

bool Lexicon::MayLeadToLongerWord(uint64_t hash) const {
  return fmt::FilterMayHold(prefixFilter_, header_.prefixFilterBlocks, hash);
}

int32_t Lexicon::FindPhrase(std::string_view lowerPhrase) const {
  const size_t mask = phraseTable_.size() - 1;
  size_t slot = fmt::Hash(lowerPhrase) & mask;
  for (size_t probes = 0; probes <= mask && phraseTable_[slot] != 0; ++probes) {
    const auto id = static_cast<int32_t>(phraseTable_[slot] - 1);
    const auto& p = PhraseAt(id);
    if (Str(p.textOffset, p.textLength) == lowerPhrase) return id;
    slot = (slot + 1) & mask;
  }
  return kNone;
}

int32_t Lexicon::PhraseWord(int32_t phrase) const {
  return static_cast<int32_t>(PhraseAt(phrase).word);
}

int Lexicon::CandidateCount(int32_t phrase) const {
  return PhraseAt(phrase).candidateCount;
}

PhraseCandidate Lexicon::CandidateAt(int32_t phrase, int index) const {
  const auto& p = PhraseAt(phrase);
  if (index < 0 || index >= p.candidateCount) Damaged("candidate index");
  const auto& c = candidates_[p.candidateBegin + static_cast<size_t>(index)];
  if (c.word >= words_.size()) Damaged("candidate record");
  return {static_cast<int32_t>(c.word), c.sense};
}

int32_t Lexicon::PhraseTarget(std::string_view lowerPhrase) const {
  const int32_t phrase = FindPhrase(lowerPhrase);
  return phrase == kNone ? kNone : PhraseWord(phrase);
}

int Lexicon::PhraseCarriers(std::string_view lowerPhrase) const {
  const int32_t phrase = FindPhrase(lowerPhrase);
  return phrase == kNone ? 0 : PhraseAt(phrase).carriers;
}

bool Lexicon::IsExcluded(int32_t word, int32_t synonym) const {
  const fmt::ExclusionRecord key{static_cast<uint32_t>(word), static_cast<uint32_t>(synonym)};
  return std::binary_search(exclusions_.begin(), exclusions_.end(), key,
                            [](const fmt::ExclusionRecord& a, const fmt::ExclusionRecord& b) {
                              return std::pair(a.word, a.synonym) < std::pair(b.word, b.synonym);
                            });
}

std::vector<int32_t> Lexicon::ListedSynonyms(int32_t word, WordPlace here) const {
  const uint32_t places = (here.beforeVerb ? fmt::kBeforeVerb : 0) |
                          (here.beforeNumber ? fmt::kBeforeNumber : 0) |
                          (here.beforeComma ? fmt::kBeforeComma : 0) |
                          (here.beforeAdjective ? fmt::kBeforeAdjective : 0) |
                          (here.beforeNoun ? fmt::kBeforeNoun : 0) |
                          (here.beforePreposition ? fmt::kBeforePreposition : 0);
  const auto first =
      std::lower_bound(synonyms_.begin(), synonyms_.end(), static_cast<uint32_t>(word),
                       [](const fmt::SynonymRecord& r, uint32_t w) { return r.word < w; });
  std::vector<int32_t> out;
  for (auto it = first; it != synonyms_.end() && it->word == static_cast<uint32_t>(word); ++it) {
    if (it->place == fmt::kAnywhere || (it->place & places) != 0) {
      out.push_back(static_cast<int32_t>(it->synonym));
    }
  }
  return out;
}

}  // namespace lumora
