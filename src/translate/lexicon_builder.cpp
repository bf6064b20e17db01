#include "translate/lexicon_builder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "base/stream.h"
#include "base/text.h"
#include "translate/gloss_cleaner.h"
#include "translate/lexicon.h"
#include "translate/phrase_matcher.h"
#include "translate/synonym_rules.h"
#include "translate/utf8.h"

namespace lumora {

namespace fmt = lexicon_format;

namespace {

// Rarer words are left to the phrases as the dictionary assigns them; they
// seldom occur, and judging them all would slow the build.
constexpr uint32_t kMinHandingFrequency = 20;
// Words a phrase may become in context, at most; and how late among a word's
// senses the phrase may come.
constexpr size_t kMaxCandidates = 12;
constexpr int kMaxCandidateSense = 3;

bool PointsElsewhere(std::string_view raw) {
  const std::string lower = LowerCase(Trim(raw));
  for (std::string_view p : {"variant of", "old variant", "archaic variant", "erhua variant",
                             "see ", "japanese variant", "used in"}) {
    if (lower.starts_with(p)) return true;
  }
  return false;
}

class StringPool {
 public:
  uint32_t Add(std::string_view s) {
    auto it = offsets_.find(std::string(s));
    if (it != offsets_.end()) return it->second;
    const auto offset = static_cast<uint32_t>(bytes_.size());
    bytes_.append(s);
    offsets_.emplace(std::string(s), offset);
    return offset;
  }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::unordered_map<std::string, uint32_t> offsets_;
};

template <typename Record>
void AppendRecords(std::string& out, const std::vector<Record>& records) {
  const size_t at = out.size();
  out.resize(at + records.size() * sizeof(Record));
  if (!records.empty())
    std::memcpy(out.data() + at, records.data(), records.size() * sizeof(Record));
}

}  // namespace

void LexiconBuilder::AddWord(std::string_view word, uint32_t frequency, std::string_view tag) {
  auto it = words_.find(word);
  if (it == words_.end()) it = words_.emplace(std::string(word), WordData{}).first;
  if (frequency >= it->second.frequency) {
    it->second.frequency = frequency;
    it->second.tag = std::string(tag);
  }
}

void LexiconBuilder::AddEntry(std::string_view word, std::string_view pinyin,
                              const std::vector<std::string>& senses) {
  auto it = words_.find(word);
  if (it == words_.end()) it = words_.emplace(std::string(word), WordData{}).first;
  Entry entry;
  entry.properName = !pinyin.empty() && pinyin[0] >= 'A' && pinyin[0] <= 'Z';
  entry.variantOnly = true;
  entry.order = entryOrder_++;
  for (const auto& raw : senses) {
    if (!PointsElsewhere(raw)) entry.variantOnly = false;
    entry.senses.push_back(CleanSense(raw));
  }
  it->second.entries.push_back(std::move(entry));
}

void LexiconBuilder::AddExclusion(std::string_view word, std::string_view synonym) {
  exclusions_.push_back({std::string(word), std::string(synonym)});
}

void LexiconBuilder::AddSynonym(std::string_view word, std::string_view synonym, uint32_t place) {
  if (word != synonym) synonyms_.push_back({std::string(word), std::string(synonym), place});
}

std::vector<std::string> LexiconBuilder::UnknownSynonymWords() const {
  std::vector<std::string> unknown;
  for (const NamedPair& pair : synonyms_) {
    for (const std::string* w : {&pair.word, &pair.synonym}) {
      if (!words_.contains(*w)) unknown.push_back(*w);
    }
  }
  std::sort(unknown.begin(), unknown.end());
  unknown.erase(std::unique(unknown.begin(), unknown.end()), unknown.end());
  return unknown;
}

void LexiconBuilder::AddSynonymGroup(std::string_view group) {
  static constexpr std::pair<std::string_view, uint32_t> kPlaces[] = {
      {"(before a verb)", fmt::kBeforeVerb},   {"(before a number)", fmt::kBeforeNumber},
      {"(before a comma)", fmt::kBeforeComma}, {"(before an adjective)", fmt::kBeforeAdjective},
      {"(before a noun)", fmt::kBeforeNoun},   {"(before a preposition)", fmt::kBeforePreposition}};
  uint32_t place = fmt::kAnywhere;
  while (!group.empty() && (group.back() == ' ' || group.back() == '\t')) group.remove_suffix(1);
  for (const auto& [mark, value] : kPlaces) {
    if (group.ends_with(mark)) {
      group.remove_suffix(mark.size());
      place = value;
    }
  }
  std::vector<std::string> from, to;
  bool oneWay = false;
  std::vector<std::string_view> words;
  for (size_t at = 0; at < group.size();) {
    const size_t end = std::min(group.find_first_of(" \t", at), group.size());
    if (end > at) words.push_back(group.substr(at, end - at));
    at = end + 1;
  }
  for (const std::string_view w : words) {
    if (w == ">") {
      if (oneWay || from.empty()) throw Exception("misplaced \">\" in synonym group");
      oneWay = true;
    } else {
      (oneWay ? to : from).emplace_back(w);
    }
  }
  if (oneWay) {
    if (to.empty()) throw Exception("nothing after \">\" in synonym group");
    for (const auto& a : from) {
      for (const auto& b : to) AddSynonym(a, b, place);
    }
    return;
  }
  if (from.size() < 2) throw Exception("a synonym group needs two words or more");
  for (const auto& a : from) {
    for (const auto& b : from) AddSynonym(a, b, place);
  }
}

const CleanGloss* LexiconBuilder::LeadingGloss(std::string_view word) const {
  const auto it = words_.find(word);
  if (it == words_.end()) return nullptr;
  const Entry* first = nullptr;
  for (const Entry& e : it->second.entries) {
    if (e.properName || e.variantOnly) continue;
    if (!first || e.order < first->order) first = &e;
  }
  if (!first) return nullptr;
  for (const auto& sense : first->senses) {
    for (const CleanGloss& g : sense) {
      if (!g.qualified) return &g;
    }
  }
  return nullptr;
}

std::map<std::string, LexiconBuilder::Entry, std::less<>> LexiconBuilder::EntriesFromParts() const {
  std::map<std::string, Entry, std::less<>> made;
  for (const NamedPair& pair : synonyms_) {
    const std::string& word = pair.word;
    if (made.contains(word) || LeadingGloss(word) || !words_.contains(pair.synonym)) continue;
    // The longest first part that leaves a second part with a sense too.
    for (size_t cut = word.size(); cut-- > 1;) {
      if ((static_cast<unsigned char>(word[cut]) & 0xC0) == 0x80) continue;
      const std::string_view head = std::string_view(word).substr(0, cut);
      const std::string_view tail = std::string_view(word).substr(cut);
      const CleanGloss* a = LeadingGloss(head);
      const CleanGloss* b = LeadingGloss(tail);
      if (!a || !b) continue;
      Entry e;
      e.order = entryOrder_ + static_cast<int>(made.size());
      e.senses.push_back({CleanGloss{a->text + " " + b->text, false}});
      made.emplace(word, std::move(e));
      break;
    }
  }
  return made;
}

std::string LexiconBuilder::Build() const {
  const std::map<std::string, Entry, std::less<>> fromParts = EntriesFromParts();
  StringPool pool;
  std::vector<fmt::WordRecord> words;
  std::vector<fmt::GlossRecord> glosses;
  std::vector<std::string_view> names;
  uint64_t total = 0;

  struct Carrier {
    uint32_t word;
    bool primary;
    int sense;
  };
  std::unordered_map<std::string, std::vector<Carrier>> carriers;

  for (const auto& [text, data] : words_) {
    if (text.empty() || text.size() > 255 || !IsValidUtf8(text)) continue;
    const auto id = static_cast<uint32_t>(words.size());
    fmt::WordRecord w{};
    w.textOffset = pool.Add(text);
    w.textLength = static_cast<uint8_t>(text.size());
    w.frequency = data.frequency;
    w.wordClass = static_cast<uint8_t>(WordClassFromTag(data.tag));
    w.glossBegin = static_cast<uint32_t>(glosses.size());
    total += data.frequency;

    // The common reading first: lower-case pinyin over names, real senses
    // over pointers to other words, then the richer entry.
    std::vector<const Entry*> ranked;
    for (const auto& e : data.entries) ranked.push_back(&e);
    if (const auto made = fromParts.find(text); made != fromParts.end())
      ranked.push_back(&made->second);
    auto usable = [](const Entry* e) {
      size_t n = 0;
      for (const auto& s : e->senses) n += !s.empty();
      return n;
    };
    std::stable_sort(ranked.begin(), ranked.end(), [&](const Entry* a, const Entry* b) {
      if (a->properName != b->properName) return !a->properName;
      if (a->variantOnly != b->variantOnly) return !a->variantOnly;
      if ((usable(a) == 0) != (usable(b) == 0)) return usable(a) != 0;
      if (usable(a) != usable(b)) return usable(a) > usable(b);
      return a->order < b->order;
    });
    int entryIndex = 0;
    for (const Entry* e : ranked) {
      if (usable(e) == 0) continue;
      if (entryIndex > 255) break;
      int senseIndex = 0;
      for (const auto& sense : e->senses) {
        if (sense.empty()) continue;
        for (const auto& g : sense) {
          if (w.glossCount == UINT16_MAX) break;
          fmt::GlossRecord r{};
          r.textOffset = pool.Add(g.text);
          r.textLength = static_cast<uint16_t>(g.text.size());
          r.entry = static_cast<uint8_t>(entryIndex);
          r.sense = static_cast<uint8_t>(std::min(senseIndex, 127) |
                                         (g.qualified ? fmt::kQualifiedSense : 0));
          glosses.push_back(r);
          ++w.glossCount;
          auto& list = carriers[PhraseKey(g.text)];
          if (list.empty() || list.back().word != id) {
            // A narrowed sense ("to raise (an issue)") claims its gloss less.
            list.push_back(
                {id, entryIndex == 0, std::min(senseIndex, 127) + (g.qualified ? 2 : 0)});
          }
        }
        ++senseIndex;
      }
      ++entryIndex;
    }
    words.push_back(w);
    names.push_back(text);
  }

  // Each phrase goes back to the most frequent all-Han word carrying it in its
  // primary entry; other entries only fill phrases no primary entry carries.
  // "to develop" is also reachable as "develop" where nothing else claims it.
  struct Choice {
    uint32_t word;
    uint8_t carriers;
    uint8_t wordCount;
  };
  std::unordered_map<std::string, Choice> chosen;
  // Content words before function words (whose English senses mostly belong
  // to a rarer reading), compounds before single characters, then frequency
  // weighted by how early the sense comes.
  auto tier = [&](uint32_t w) {
    const auto c = static_cast<WordClass>(words[w].wordClass);
    if (IsContentClass(c)) return CharCount(names[w]) >= 2 ? 0 : 1;
    if (c == WordClass::kName || c == WordClass::kUnknown || c == WordClass::kTime ||
        c == WordClass::kOther) {
      return 2;
    }
    return 3;
  };
  auto better = [&](const Carrier& a, const Carrier& b) {
    if (tier(a.word) != tier(b.word)) return tier(a.word) < tier(b.word);
    const double wa = words[a.word].frequency / (1.0 + a.sense);
    const double wb = words[b.word].frequency / (1.0 + b.sense);
    if (wa != wb) return wa > wb;
    return names[a.word] < names[b.word];
  };
  auto choose = [&](const std::string& key, const std::vector<Carrier>& list, bool primaryOnly) {
    int count = 0;
    const Carrier* best = nullptr;
    for (const auto& c : list) {
      if (primaryOnly && !c.primary) continue;
      if (!IsAllHan(names[c.word])) continue;
      ++count;
      if (!best || better(c, *best)) best = &c;
    }
    if (!best) return;
    uint8_t wordCount = 1;
    for (char ch : key) wordCount += ch == ' ';
    chosen.emplace(key, Choice{best->word, static_cast<uint8_t>(std::min(count, 255)), wordCount});
  };
  for (const auto& [key, list] : carriers) choose(key, list, true);
  for (const auto& [key, list] : carriers) {
    if (key.starts_with("to ") && !chosen.contains(key.substr(3)) && chosen.contains(key)) {
      auto choice = chosen.at(key);
      choice.wordCount = static_cast<uint8_t>(choice.wordCount - 1);
      chosen.emplace(key.substr(3), choice);
    }
  }
  for (const auto& [key, list] : carriers) {
    if (!chosen.contains(key)) choose(key, list, false);
  }

  std::unordered_map<std::string_view, uint32_t> ids;
  for (size_t i = 0; i < names.size(); ++i) ids.emplace(names[i], static_cast<uint32_t>(i));
  // Pairs of known words as sorted records without repeats; a pair listed
  // for several places holds in each, and listed anywhere too, anywhere.
  auto pairRecords = [&]<typename Record>(const auto& pairs, std::vector<Record>& out) {
    for (const auto& pair : pairs) {
      const auto a = ids.find(pair.word);
      const auto b = ids.find(pair.synonym);
      if (a == ids.end() || b == ids.end()) continue;
      Record r{};
      r.word = a->second;
      r.synonym = b->second;
      if constexpr (requires { r.place; }) r.place = pair.place;
      out.push_back(r);
    }
    auto key = [](const Record& e) { return std::pair(e.word, e.synonym); };
    std::sort(out.begin(), out.end(),
              [&](const auto& a, const auto& b) { return key(a) < key(b); });
    std::vector<Record> merged;
    for (const Record& r : out) {
      if (merged.empty() || key(merged.back()) != key(r)) {
        merged.push_back(r);
        continue;
      }
      if constexpr (requires { r.place; }) {
        uint32_t& place = merged.back().place;
        place =
            place == fmt::kAnywhere || r.place == fmt::kAnywhere ? fmt::kAnywhere : place | r.place;
      }
    }
    out.swap(merged);
  };
  std::vector<fmt::ExclusionRecord> exclusions;
  pairRecords(exclusions_, exclusions);
  std::vector<fmt::SynonymRecord> synonyms;
  pairRecords(synonyms_, synonyms);
  std::erase_if(synonyms, [&](const fmt::SynonymRecord& s) {
    return std::binary_search(exclusions.begin(), exclusions.end(),
                              fmt::ExclusionRecord{s.word, s.synonym},
                              [](const auto& a, const auto& b) {
                                return std::pair(a.word, a.synonym) < std::pair(b.word, b.synonym);
                              });
  });
  // A word some listed pair leads to stays among the words a phrase it
  // carries may become, whatever its class or frequency.
  std::vector<bool> listedTarget(words.size(), false);
  for (const auto& s : synonyms) listedTarget[s.synonym] = true;

  // The words that may stand for a phrase in context: common content words
  // carrying it early among their primary senses, the most likely first.
  auto candidatesOf = [&](const std::string& key, uint32_t target) {
    std::vector<fmt::CandidateRecord> out;
    out.push_back({target, 0, {}});
    const auto it = carriers.find(key);
    if (it == carriers.end()) return out;
    std::vector<const Carrier*> list;
    for (const Carrier& c : it->second) {
      if (!c.primary || c.word == target || c.sense > kMaxCandidateSense) continue;
      if (!IsAllHan(names[c.word])) continue;
      if (!listedTarget[c.word] &&
          (words[c.word].frequency < kMinSynonymFrequency ||
           !IsContentClass(static_cast<WordClass>(words[c.word].wordClass)))) {
        continue;
      }
      list.push_back(&c);
    }
    std::stable_sort(list.begin(), list.end(), [&](const Carrier* a, const Carrier* b) {
      if (listedTarget[a->word] != listedTarget[b->word]) return bool(listedTarget[a->word]);
      return better(*a, *b);
    });
    for (const Carrier* c : list) {
      if (out.size() == kMaxCandidates) break;
      out.push_back({c->word, static_cast<uint8_t>(c->sense), {}});
    }
    for (const Carrier& c : it->second) {
      if (c.word == target) out.front().sense = static_cast<uint8_t>(std::min(c.sense, 255));
    }
    return out;
  };

  auto assemble = [&](StringPool pool) {
    std::vector<std::pair<std::string, Choice>> sorted(chosen.begin(), chosen.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<fmt::PhraseRecord> phrases;
    std::vector<fmt::CandidateRecord> candidates;
    uint16_t maxPhraseWords = 1;
    for (const auto& [key, choice] : sorted) {
      if (key.empty() || key.size() > UINT16_MAX) continue;
      fmt::PhraseRecord p{};
      p.textOffset = pool.Add(key);
      p.textLength = static_cast<uint16_t>(key.size());
      p.wordCount = choice.wordCount;
      p.carriers = choice.carriers;
      p.word = choice.word;
      const std::vector<fmt::CandidateRecord> list = candidatesOf(key, choice.word);
      p.candidateBegin = static_cast<uint32_t>(candidates.size());
      p.candidateCount = static_cast<uint16_t>(list.size());
      candidates.insert(candidates.end(), list.begin(), list.end());
      phrases.push_back(p);
      maxPhraseWords = std::max<uint16_t>(maxPhraseWords, p.wordCount);
    }
    uint16_t maxWordChars = 1;
    for (const std::string_view name : names) {
      maxWordChars = std::max(maxWordChars, static_cast<uint16_t>(CharCount(name)));
    }

    auto table = [&](size_t count, auto textOf) {
      std::vector<uint32_t> slots(fmt::TableSize(count), 0);
      const size_t mask = slots.size() - 1;
      for (size_t i = 0; i < count; ++i) {
        size_t slot = fmt::Hash(textOf(i)) & mask;
        while (slots[slot] != 0) slot = (slot + 1) & mask;
        slots[slot] = static_cast<uint32_t>(i + 1);
      }
      return slots;
    };
    const std::vector<uint32_t> wordTable = table(words.size(), [&](size_t i) { return names[i]; });
    const std::vector<uint32_t> phraseTable = table(phrases.size(), [&](size_t i) {
      return std::string_view(pool.Bytes()).substr(phrases[i].textOffset, phrases[i].textLength);
    });

    // Every word, and every proper prefix of one in whole characters.
    std::vector<uint64_t> wordFilter(fmt::FilterBlocks(names.size()));
    std::unordered_set<uint64_t> prefixHashes;
    for (const std::string_view name : names) {
      fmt::FilterAdd(wordFilter, fmt::Hash(name));
      fmt::Hasher prefix;
      for (size_t at = 0; at < name.size();) {
        size_t next = at + 1;
        while (next < name.size() && (static_cast<unsigned char>(name[next]) & 0xC0) == 0x80) {
          ++next;
        }
        if (next >= name.size()) break;
        prefix.Add(name.substr(at, next - at));
        prefixHashes.insert(prefix.Value());
        at = next;
      }
    }
    std::vector<uint64_t> prefixFilter(fmt::FilterBlocks(prefixHashes.size()));
    for (const uint64_t h : prefixHashes) fmt::FilterAdd(prefixFilter, h);

    fmt::Header header{};
    std::memcpy(header.magic, fmt::kMagic, sizeof header.magic);
    header.version = fmt::kVersion;
    header.wordCount = static_cast<uint32_t>(words.size());
    header.glossCount = static_cast<uint32_t>(glosses.size());
    header.phraseCount = static_cast<uint32_t>(phrases.size());
    header.candidateCount = static_cast<uint32_t>(candidates.size());
    header.exclusionCount = static_cast<uint32_t>(exclusions.size());
    header.synonymCount = static_cast<uint32_t>(synonyms.size());
    header.wordTableSize = static_cast<uint32_t>(wordTable.size());
    header.phraseTableSize = static_cast<uint32_t>(phraseTable.size());
    header.maxWordChars = maxWordChars;
    header.maxPhraseWords = maxPhraseWords;
    header.stringBytes = pool.Bytes().size();
    header.totalFrequency = total;
    header.wordFilterBlocks = static_cast<uint32_t>(wordFilter.size());
    header.prefixFilterBlocks = static_cast<uint32_t>(prefixFilter.size());

    std::string out(reinterpret_cast<const char*>(&header), sizeof header);
    AppendRecords(out, words);
    AppendRecords(out, glosses);
    AppendRecords(out, phrases);
    AppendRecords(out, candidates);
    AppendRecords(out, exclusions);
    AppendRecords(out, synonyms);
    AppendRecords(out, wordTable);
    AppendRecords(out, phraseTable);
    AppendRecords(out, wordFilter);
    AppendRecords(out, prefixFilter);
    out += pool.Bytes();
    return out;
  };

  // Sharing is judged on the lexicon as it stands, by the rules the
  // translator applies, so that each handed gloss is one it will use.
  const auto draft = Lexicon::FromBytes(assemble(pool));
  // The most frequent word carrying a phrase is often the only way back for
  // each of its glosses, so a common word would never change. Each content
  // word, most frequent first, that no phrase leads away from yet takes one
  // of its phrases to a synonym carrying it; a phrase that is some word's way
  // stays where it leads, so a later word never takes an earlier one's way.
  std::unordered_set<std::string> taken;
  // How often the words whose way runs through key to from would stay as
  // they are if key led to to instead (to itself among them): a phrase
  // serving several rarer words is not worth one word rarer than all of them.
  auto waysLost = [&](const std::string& key, uint32_t from, uint32_t to) {
    uint64_t lost = 0;
    for (const Carrier& c : carriers.at(key)) {
      if (!c.primary || c.word == from) continue;
      const auto x = static_cast<int32_t>(c.word);
      const std::optional<Gloss> g = PrimaryGlossWithKey(*draft, x, key);
      if (g && IsWayToSynonym(*draft, x, *g, static_cast<int32_t>(from)) &&
          !IsWayToSynonym(*draft, x, *g, static_cast<int32_t>(to))) {
        lost += words[c.word].frequency;
      }
    }
    return lost;
  };
  std::vector<uint32_t> order(words.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<uint32_t>(i);
  std::stable_sort(order.begin(), order.end(),
                   [&](uint32_t a, uint32_t b) { return words[a].frequency > words[b].frequency; });
  for (const uint32_t w : order) {
    const auto id = static_cast<int32_t>(w);
    if (!IsContentClass(draft->Class(id)) || words[w].frequency < kMinHandingFrequency) continue;
    bool hasWay = false;
    std::string bestKey;
    uint32_t to = 0;
    int bestShared = 0;
    for (int i = 0; i < draft->GlossCount(id); ++i) {
      const Gloss g = draft->GlossAt(id, i);
      if (g.entry != 0) break;
      std::string key = PhraseKey(g.text);
      const auto it = chosen.find(key);
      if (it == chosen.end()) continue;
      if (it->second.word != w &&
          IsWayToSynonym(*draft, id, g, static_cast<int32_t>(it->second.word))) {
        taken.insert(key);
        hasWay = true;
        continue;
      }
      if (hasWay || taken.contains(key)) continue;
      for (const Carrier& c : carriers.at(key)) {
        if (!c.primary || c.word == w) continue;
        const auto other = static_cast<int32_t>(c.word);
        if (!IsWayToSynonym(*draft, id, g, other)) continue;
        if (waysLost(key, it->second.word, c.word) >= words[w].frequency) continue;
        const int shared = CompareGlosses(*draft, id, other).shared;
        if (bestKey.empty() || shared > bestShared ||
            (shared == bestShared && words[c.word].frequency > words[to].frequency)) {
          bestKey = key;
          to = c.word;
          bestShared = shared;
        }
      }
    }
    if (hasWay || bestKey.empty()) continue;
    chosen.at(bestKey).word = to;
    taken.insert(bestKey);
  }
  // A listed synonym mostly reads less likely than the word it stands for, so
  // the decoder, taking the likeliest word carrying a phrase, would seldom
  // bring it back. Each gets a held phrase: its held-phrase gloss with the
  // held mark, leading to it alone; one whose gloss another synonym holds
  // already takes the mark once more. A synonym without a sense of its own is
  // held through the gloss of each word leading to it.
  std::unordered_set<uint32_t> held;
  std::set<std::pair<uint32_t, uint32_t>> heldFrom;
  for (const fmt::SynonymRecord& s : synonyms) {
    const auto synonym = static_cast<int32_t>(s.synonym);
    const bool ofItsOwn = draft->GlossCount(synonym) > 0;
    if (ofItsOwn ? !held.insert(s.synonym).second : !heldFrom.emplace(s.word, s.synonym).second) {
      continue;
    }
    const std::optional<Gloss> g =
        HeldPhraseGloss(*draft, static_cast<int32_t>(s.word), synonym, kMaxCandidateSense);
    if (!g) continue;
    uint8_t wordCount = 1;
    for (char ch : PhraseKey(g->text)) wordCount += ch == ' ';
    for (int marks = 1; marks <= kMaxHeldMarks; ++marks) {
      if (chosen.emplace(HeldPhraseKey(g->text, marks), Choice{s.synonym, 1, wordCount}).second)
        break;
    }
  }
  return assemble(pool);
}

void LexiconBuilder::WriteFile(const std::string& path) const {
  // Written beside the target and renamed, so a failed build leaves no
  // half-written lexicon behind.
  const std::string temp = path + ".tmp";
  WriteFileBytes(temp, Build());
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    throw EStreamError("Cannot rename \"" + temp + "\" to \"" + path + "\"");
  }
}

}  // namespace lumora
