#include "translate/language_model_cache.h"

#include <sys/mman.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

#include "translate/lexicon_format.h"

namespace lumora {

namespace {

std::atomic<uint64_t> nextId{1};

struct IndexEntry {
  uint8_t length = 0;  // bytes of text + 1; 0 for an empty entry
  char text[CachedLanguageModel::kMaxCachedWordBytes];
  LanguageModel::WordIndex index = 0;
};

struct ScoreEntry {
  LanguageModel::State state;
  LanguageModel::State out;
  LanguageModel::WordIndex word = 0;
  float score = 0;
  bool used = false;
};

static_assert(std::is_aggregate_v<IndexEntry> && std::is_trivially_destructible_v<IndexEntry>);
static_assert(std::is_aggregate_v<ScoreEntry> && std::is_trivially_destructible_v<ScoreEntry>);

uint64_t Mix(uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdull;
  return h ^ (h >> 33);
}

uint64_t HashText(std::string_view text) {
  return Mix(lexicon_format::Hash(text));
}

uint64_t HashScoreKey(const LanguageModel::State& state, LanguageModel::WordIndex word) {
  uint64_t h = word * 0x9e3779b97f4a7c15ull;
  for (size_t i = 0; i < state.bytes.size(); i += sizeof(uint64_t)) {
    uint64_t v;
    std::memcpy(&v, state.bytes.data() + i, sizeof v);
    h = (h ^ v) * 0x100000001b3ull;
    h ^= h >> 29;
  }
  return Mix(h);
}

}  // namespace

// A direct-mapped table that doubles once it has missed twice as many times
// as it has entries since it last grew, until it reaches its bound. Its memory
// is mapped with every page present: touching fresh pages one by one, each a
// fault, cost more than the look-ups they served. On growing, each entry
// stays at its place, where the larger table finds it when the new bit of
// its hash is clear; an entry the larger table looks for elsewhere is lost.
template <typename Entry>
struct CachedLanguageModel::Table {
  struct Unmap {
    size_t bytes = 0;
    void operator()(Entry* p) const { munmap(p, bytes); }
  };
  using Entries = std::unique_ptr<Entry[], Unmap>;
  Entries entries;
  size_t size = 0;
  size_t bound = 0;
  size_t misses = 0;

  // Entries are aggregates of plain data, for which all bytes zero is empty.
  static Entries Allocate(size_t count) {
    const size_t bytes = count * sizeof(Entry);
    void* at = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (at == MAP_FAILED) throw std::bad_alloc();
    return Entries(static_cast<Entry*>(at), Unmap{bytes});
  }
  void Reset(size_t maxEntries) {
    entries = Allocate(kFirstEntries);
    size = kFirstEntries;
    bound = maxEntries;
    misses = 0;
  }
  Entry& At(uint64_t hash) { return entries[hash & (size - 1)]; }
  void Missed() {
    if (++misses > 2 * size && size < bound) {
      Entries larger = Allocate(size * 2);
      std::memcpy(static_cast<void*>(larger.get()), entries.get(), size * sizeof(Entry));
      entries = std::move(larger);
      size *= 2;
      misses = 0;
    }
  }
};

struct CachedLanguageModel::Tables {
  uint64_t owner = 0;
  Table<IndexEntry> index;
  Table<ScoreEntry> scores;
};

CachedLanguageModel::CachedLanguageModel(std::shared_ptr<const LanguageModel> model)
    : model_(std::move(model)), id_(nextId.fetch_add(1)) {}

CachedLanguageModel::Tables& CachedLanguageModel::ThreadTables() const {
  thread_local Tables tables;
  if (tables.owner != id_) {
    tables.index.Reset(kMaxIndexEntries);
    tables.scores.Reset(kMaxScoreEntries);
    tables.owner = id_;
  }
  return tables;
}

LanguageModel::WordIndex CachedLanguageModel::Index(std::string_view word) const {
  if (word.size() > kMaxCachedWordBytes) return model_->Index(word);
  Table<IndexEntry>& table = ThreadTables().index;
  const uint64_t hash = HashText(word);
  IndexEntry* e = &table.At(hash);
  if (e->length == word.size() + 1 && std::memcmp(e->text, word.data(), word.size()) == 0) {
    return e->index;
  }
  const WordIndex index = model_->Index(word);
  table.Missed();
  e = &table.At(hash);
  std::memcpy(e->text, word.data(), word.size());
  e->index = index;
  e->length = static_cast<uint8_t>(word.size() + 1);
  return index;
}

float CachedLanguageModel::Score(const State& state, WordIndex word, State& out) const {
  Table<ScoreEntry>& table = ThreadTables().scores;
  const uint64_t hash = HashScoreKey(state, word);
  if (const ScoreEntry& e = table.At(hash); e.used && e.word == word && e.state == state) {
    out = e.out;
    return e.score;
  }
  State next;
  const float score = model_->Score(state, word, next);
  table.Missed();
  ScoreEntry& e = table.At(hash);
  e.state = state;
  e.word = word;
  e.score = score;
  e.out = next;
  e.used = true;
  out = next;
  return score;
}

}  // namespace lumora
