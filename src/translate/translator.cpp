#include "translate/translator.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <unordered_map>

#include "translate/clause_cuts.h"
#include "translate/gloss_cleaner.h"
#include "translate/helper_threads.h"
#include "translate/list_items.h"
#include "translate/protected_spans.h"
#include "translate/set_phrases.h"
#include "translate/utf8.h"
#include "translate/word_place.h"

namespace lumora {

namespace {

// Rounds of the check against the way back; each drops or protects something.
constexpr int kMaxCheckRounds = 16;
// Each later sense of a word costs its fit to a phrase this much, in log10.
constexpr float kSensePenalty = 0.5f;
// Hypotheses the decoder keeps between two phrases of a clause.
constexpr size_t kBeamWidth = 6;
// Words after a replacement whose scores it changes (the model is a trigram).
constexpr int kFollowingWords = 2;
// Ranks a listed synonym, chosen by hand, before any the rules find.
constexpr float kListedBonus = 100.0f;
// A listed synonym was chosen by hand for reading right, so the model, which
// favours the commoner word, may find it this many times less likely than
// the strength's margin allows for the others.
constexpr float kListedMarginFactor = 3.5f;
// But never more than this, in log10: at the high strength a listed synonym
// a million times less likely still came through and read stiff.
constexpr float kMaxListedMargin = 5.0f;

// A synonym the rules find read wrong about half the time in samples where
// the model found it less likely than the word it replaces, and mostly right
// where it read as likely: it must read this much better than the margin.
constexpr float kRuleFoundAllowance = 1.0f;

// A paragraph this long is cut into runs of clauses, each translated on a
// thread of its own: a 1 MB paragraph need not wait for one processor.
constexpr size_t kParallelBytes = 64 * 1024;
constexpr size_t kMaxThreads = 4;

size_t ParallelGroups(size_t bytes, size_t clauses) {
  if (bytes < kParallelBytes || clauses < 2) return 1;
  const size_t processors = std::max(1u, std::thread::hardware_concurrency());
  return std::min({processors, kMaxThreads, clauses, bytes / (kParallelBytes / 2)});
}

std::atomic<uint64_t> nextTranslatorId{1};

// Whether the rules let one word become another, remembered on each thread
// across the paragraphs and requests of one translator (the rules read the
// lexicon alone); a bound keeps a long-running service's memory in check.
constexpr size_t kMaxRememberedPairs = size_t{1} << 20;

std::unordered_map<uint64_t, bool>& RuleSynonymMemo(uint64_t translator) {
  thread_local uint64_t owner = 0;
  thread_local std::unordered_map<uint64_t, bool> memo;
  if (owner != translator || memo.size() > kMaxRememberedPairs) {
    memo.clear();
    owner = translator;
  }
  return memo;
}

bool IsBlankToken(const Token& t) {
  return t.kind == TokenKind::kSpace;
}

// English gloss words need a blank from words and Chinese, not from punctuation.
bool NeedsBlank(const Token& t) {
  return t.kind == TokenKind::kHan || t.kind == TokenKind::kLatin || t.kind == TokenKind::kNumber;
}

// The model's score of tokens [from, to), a sentence begun at from; any
// token but Chinese begins another.
float WindowScore(const LanguageModel& lm, std::span<const Token> tokens, size_t from, size_t to) {
  LanguageModel::State state = lm.BeginState();
  float total = 0;
  for (size_t i = from; i < to; ++i) {
    if (tokens[i].kind != TokenKind::kHan) {
      state = lm.BeginState();
      continue;
    }
    total += ScoreWord(lm, state, tokens[i].text);
  }
  return total;
}

// v[begin, end), an item of firstLength, one separator and another item,
// becomes the second item, the separator and the first.
template <class T>
void ExchangeAroundSeparator(std::vector<T>& v, size_t begin, size_t firstLength, size_t end) {
  const size_t secondLength = end - begin - firstLength - 1;
  std::rotate(v.begin() + begin, v.begin() + begin + firstLength, v.begin() + end);
  std::rotate(v.begin() + begin, v.begin() + begin + 1, v.begin() + begin + 1 + secondLength);
}

bool Overlaps(const std::vector<ByteSpan>& spans, size_t begin, size_t end) {
  const auto it = std::upper_bound(spans.begin(), spans.end(), begin,
                                   [](size_t at, const ByteSpan& s) { return at < s.second; });
  return it != spans.end() && it->first < end;
}

}  // namespace

float StrengthMargin(Strength strength) {
  switch (strength) {
    case Strength::kLow:
      return 0.5f;
    case Strength::kHigh:
      return 2.0f;
    case Strength::kNormal:
      break;
  }
  return 1.0f;
}

std::optional<Strength> ParseStrength(std::string_view name) {
  if (name == "low") return Strength::kLow;
  if (name == "normal") return Strength::kNormal;
  if (name == "high") return Strength::kHigh;
  return std::nullopt;
}

Translator::Translator(std::shared_ptr<const Lexicon> lexicon, TranslatorOptions options)
    : lexicon_(std::move(lexicon)),
      options_(std::move(options)),
      id_(nextTranslatorId.fetch_add(1)),
      segmenter_(*lexicon_),
      matcher_(*lexicon_) {}

std::vector<Translator::Choice> Translator::ChooseInContext(std::span<const Token> tokens,
                                                            std::span<const uint8_t> eligible,
                                                            std::vector<Choice>& fallback) const {
  const Lexicon& lex = *lexicon_;
  const LanguageModel& lm = *options_.model;
  const float margin = StrengthMargin(options_.strength);
  const size_t n = tokens.size();
  std::vector<Choice> choices(n);
  fallback.assign(n, {});

  // The model's state before each Chinese token, after the words chosen
  // before it, so that two replacements side by side are judged together;
  // any other token ends a sentence for the model.
  std::vector<LanguageModel::State> before(n);
  LanguageModel::State state = lm.BeginState();
  // The score of word at i and of the words its choice affects after it.
  auto local = [&](size_t i, std::string_view word) {
    LanguageModel::State s = before[i];
    float total = ScoreWord(lm, s, word);
    for (size_t j = i + 1, k = 0; j < n && k < kFollowingWords && tokens[j].kind == TokenKind::kHan;
         ++j, ++k) {
      total += ScoreWord(lm, s, tokens[j].text);
    }
    return total;
  };

  struct Synonym {
    int32_t word;
    float rank;
    bool listed;
  };
  std::vector<std::pair<int32_t, float>> scored;
  std::vector<Synonym> synonyms;
  std::unordered_map<uint64_t, bool>& synonymCache = RuleSynonymMemo(id_);
  auto decide = [&](size_t i) {
    if (!eligible[i]) return;
    const int32_t word = tokens[i].word;
    const std::string_view text = lex.Word(word);
    const WordPlace here = PlaceAfter(lex, tokens, i);
    const std::vector<int32_t> listed = lex.ListedSynonyms(word, here);
    if (!IsContentClass(lex.Class(word)) && listed.empty()) return;
    // A word with a negation or a numeral changes only to a listed synonym
    // that keeps them.
    const bool guarded = HasProtectedChar(text);
    if (!IsAllHan(text) || (guarded && listed.empty())) return;
    scored.clear();
    auto localOf = [&](int32_t w) {
      for (const auto& [id, v] : scored) {
        if (id == w) return v;
      }
      const float v = local(i, lex.Word(w));
      scored.emplace_back(w, v);
      return v;
    };
    // What the decoder would make of a phrase here.
    auto pickFor = [&](int32_t phrase) {
      int32_t pick = Lexicon::kNone;
      float pickValue = 0;
      for (int k = 0; k < lex.CandidateCount(phrase); ++k) {
        const PhraseCandidate c = lex.CandidateAt(phrase, k);
        const float v = localOf(c.word) - kSensePenalty * c.sense;
        if (pick == Lexicon::kNone || v > pickValue) {
          pick = c.word;
          pickValue = v;
        }
      }
      return pick;
    };
    // A gloss of w's primary entry whose phrase the decoder turns into w here.
    auto glossBackTo = [&](int32_t w) -> Choice {
      for (int gi = 0; gi < lex.GlossCount(w); ++gi) {
        const Gloss g = lex.GlossAt(w, gi);
        if (g.entry != 0) break;
        if (g.qualified || g.sense > kMaxSense) continue;
        const int32_t phrase = lex.FindPhrase(PhraseKey(g.text));
        if (phrase != Lexicon::kNone && pickFor(phrase) == w) return {g.text, w};
      }
      return {};
    };
    // w's held phrase (see HeldPhraseGloss), with as many marks as made it
    // w's alone, which the decoder can only turn into w.
    auto heldWayTo = [&](int32_t w) -> Choice {
      const std::optional<Gloss> g = HeldPhraseGloss(lex, word, w, kMaxSense);
      if (!g) return {};
      for (int marks = 1; marks <= kMaxHeldMarks; ++marks) {
        const int32_t phrase = lex.FindPhrase(HeldPhraseKey(g->text, marks));
        if (phrase == Lexicon::kNone) break;
        if (lex.PhraseWord(phrase) == w) return {g->text, w, static_cast<uint8_t>(marks)};
      }
      return {};
    };

    // Synonyms: the listed ones, then (but for the low strength, which keeps
    // to those) words sharing one of the word's glosses by the synonym
    // rules, each reading within the margin of the original here; best first
    // within each kind.
    const float base = localOf(word);
    synonyms.clear();
    for (const int32_t s : listed) {
      if (!KeepsProtectedChars(text, lex.Word(s))) continue;
      const float delta = localOf(s) - base;
      if (delta >= -std::min(margin * kListedMarginFactor, kMaxListedMargin))
        synonyms.push_back({s, delta + kListedBonus, true});
    }
    // A single character also stands inside abbreviations the segmenter does
    // not know (住建局), where a compound for it breaks the name: it takes
    // listed synonyms only.
    const bool rulesApply = options_.strength != Strength::kLow && CharCount(text) > 1 && !guarded;
    if (rulesApply) {
      // A pair listed for another place is no rule-found pair here either.
      const std::vector<int32_t> anyPlace = lex.ListedSynonyms(word, kEveryPlace);
      ForEachGlossCandidate(lex, word, [&](int32_t s) {
        if (s == word || std::find(anyPlace.begin(), anyPlace.end(), s) != anyPlace.end() ||
            std::any_of(synonyms.begin(), synonyms.end(),
                        [&](const Synonym& x) { return x.word == s; })) {
          return;
        }
        const uint64_t key =
            (uint64_t{static_cast<uint32_t>(word)} << 32) | static_cast<uint32_t>(s);
        auto it = synonymCache.find(key);
        // Of the pairs the rules find, those without a character in common
        // were mostly different words the model could not tell apart
        // (活动/健身, 集团/大队); pairs sharing one mostly read right.
        if (it == synonymCache.end()) {
          const bool fits = ShareChar(text, lex.Word(s)) && IsSynonym(lex, word, s, true);
          it = synonymCache.emplace(key, fits).first;
        }
        if (!it->second) return;
        const float delta = localOf(s) - base;
        if (delta >= kRuleFoundAllowance - margin) synonyms.push_back({s, delta, false});
      });
    }
    std::stable_sort(synonyms.begin(), synonyms.end(),
                     [](const Synonym& a, const Synonym& b) { return a.rank > b.rank; });
    fallback[i] = guarded ? Choice{} : glossBackTo(word);
    choices[i] = fallback[i];
    // A synonym that is the word beside it would write that word twice
    // (干净整洁 as 干净干净).
    auto besideAlready = [&](int32_t s) {
      const std::string_view w = lex.Word(s);
      if (i > 0 && tokens[i - 1].kind == TokenKind::kHan) {
        const int32_t before = choices[i - 1].target;
        if (w == (before != Lexicon::kNone ? lex.Word(before) : tokens[i - 1].text)) return true;
      }
      return i + 1 < n && tokens[i + 1].kind == TokenKind::kHan && w == tokens[i + 1].text;
    };
    for (const Synonym& s : synonyms) {
      if (besideAlready(s.word)) continue;
      Choice c = glossBackTo(s.word);
      if (c.target == Lexicon::kNone && s.listed) c = heldWayTo(s.word);
      if (c.target != Lexicon::kNone) {
        choices[i] = c;
        break;
      }
    }
  };
  for (size_t i = 0; i < n; ++i) {
    if (tokens[i].kind != TokenKind::kHan) {
      state = lm.BeginState();
      continue;
    }
    before[i] = state;
    decide(i);
    const int32_t target = choices[i].target;
    ScoreWord(lm, state, target != Lexicon::kNone ? lex.Word(target) : tokens[i].text);
  }
  return choices;
}

std::vector<Translator::Decoded> Translator::Decode(std::string_view text) const {
  const std::vector<ByteSpan> spans = FindProtected(text, options_.lockedTerms);
  const std::vector<PhraseMatch> matches = matcher_.Match(text, spans);
  std::vector<Decoded> out;
  out.reserve(matches.size());
  for (const PhraseMatch& m : matches) out.push_back({m, m.word});
  if (!options_.model || matches.empty()) return out;

  const Lexicon& lex = *lexicon_;
  const LanguageModel& lm = *options_.model;
  struct Node {
    int parent;
    size_t slot;
    int32_t word;
  };
  struct Hyp {
    LanguageModel::State state;
    float score;
    int node;
  };
  std::vector<Node> nodes;
  std::vector<Hyp> beam{{lm.BeginState(), 0, -1}};
  std::vector<Hyp> next;
  std::vector<std::pair<Hyp, Node>> grown;

  auto breakSentence = [&] {
    const auto best = std::max_element(
        beam.begin(), beam.end(), [](const Hyp& a, const Hyp& b) { return a.score < b.score; });
    Hyp kept = *best;
    kept.state = lm.BeginState();
    // The path so far is settled; scores count afresh from here, so that a
    // clause is weighed the same wherever it stands in the paragraph.
    kept.score = 0;
    beam.assign(1, kept);
  };
  auto plain = [&](std::string_view piece) {
    for (const Token& t : segmenter_.Segment(piece)) {
      if (t.kind == TokenKind::kSpace) continue;
      if (t.kind != TokenKind::kHan) {
        breakSentence();
        continue;
      }
      for (Hyp& h : beam) h.score += ScoreWord(lm, h.state, t.text);
    }
  };
  // The candidates of the phrase at hand, read from the lexicon once.
  struct Candidate {
    int32_t word;
    std::string_view text;
    float penalty;
  };
  std::vector<Candidate> candidates;
  std::vector<uint32_t> order;
  size_t pos = 0;
  for (size_t slot = 0; slot < matches.size(); ++slot) {
    const PhraseMatch& m = matches[slot];
    plain(text.substr(pos, m.begin - pos));
    pos = m.end;
    candidates.clear();
    for (int k = 0; k < lex.CandidateCount(m.phrase); ++k) {
      const PhraseCandidate c = lex.CandidateAt(m.phrase, k);
      candidates.push_back({c.word, lex.Word(c.word), kSensePenalty * c.sense});
    }
    grown.clear();
    for (const Hyp& h : beam) {
      for (const Candidate& c : candidates) {
        Hyp g = h;
        g.score += ScoreWord(lm, g.state, c.text) - c.penalty;
        grown.push_back({g, Node{h.node, slot, c.word}});
      }
    }
    // Best first, ties in the order grown: a stable order, sorting indices
    // rather than hypotheses.
    order.resize(grown.size());
    for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
      const float sa = grown[a].first.score;
      const float sb = grown[b].first.score;
      return sa > sb || (sa == sb && a < b);
    });
    next.clear();
    for (const uint32_t i : order) {
      auto& [h, node] = grown[i];
      if (next.size() == kBeamWidth) break;
      if (std::any_of(next.begin(), next.end(), [&](const Hyp& x) { return x.state == h.state; })) {
        continue;
      }
      nodes.push_back(node);
      h.node = static_cast<int>(nodes.size() - 1);
      next.push_back(h);
    }
    beam.swap(next);
  }
  plain(text.substr(pos));
  const auto best = std::max_element(beam.begin(), beam.end(),
                                     [](const Hyp& a, const Hyp& b) { return a.score < b.score; });
  for (int at = best->node; at >= 0; at = nodes[at].parent) {
    out[nodes[at].slot].word = nodes[at].word;
  }
  return out;
}

Translator::Choice Translator::Choose(int32_t word) const {
  const Lexicon& lex = *lexicon_;
  const std::string_view text = lex.Word(word);
  const std::vector<int32_t> listed = lex.ListedSynonyms(word);
  if (!IsContentClass(lex.Class(word)) && listed.empty()) return {};
  if (!IsAllHan(text)) return {};
  // A listed synonym first, through a sense of its own that leads back to it.
  for (const int32_t s : listed) {
    if (!KeepsProtectedChars(text, lex.Word(s))) continue;
    for (int i = 0; i < lex.GlossCount(s); ++i) {
      const Gloss g = lex.GlossAt(s, i);
      if (g.entry != 0) break;
      if (g.qualified || g.sense > kMaxSense) continue;
      if (lex.PhraseTarget(PhraseKey(g.text)) == s) return {g.text, s};
    }
  }
  if (HasProtectedChar(text)) return {};
  Choice same;
  Choice best;
  int bestShared = 0;
  size_t bestLengthGap = 0;
  uint32_t bestFrequency = 0;
  for (int i = 0; i < lex.GlossCount(word); ++i) {
    const Gloss g = lex.GlossAt(word, i);
    if (g.entry != 0) break;
    const std::string key = PhraseKey(g.text);
    const int32_t target = lex.PhraseTarget(key);
    if (target == Lexicon::kNone) continue;
    if (target == word) {
      if (same.target == Lexicon::kNone && g.sense <= kMaxSense) same = {g.text, target};
      continue;
    }
    if (!IsWayToSynonym(lex, word, g, target)) continue;
    const int shared = CompareGlosses(lex, word, target).shared;
    const size_t n = CharCount(lex.Word(target));
    const size_t gap = n > CharCount(text) ? n - CharCount(text) : CharCount(text) - n;
    // More shared glosses first, then the same length, then the commoner word.
    const bool better =
        best.target == Lexicon::kNone || shared > bestShared ||
        (shared == bestShared &&
         (gap < bestLengthGap || (gap == bestLengthGap && lex.Frequency(target) > bestFrequency)));
    if (better) {
      best = {g.text, target};
      bestShared = shared;
      bestLengthGap = gap;
      bestFrequency = lex.Frequency(target);
    }
  }
  return best.target != Lexicon::kNone ? best : same;
}

std::string Translator::GlossFor(int32_t word) const {
  return std::string(Choose(word).gloss);
}

std::string Translator::ToEnglish(std::string_view text) const {
  std::vector<Token> tokens = segmenter_.CutGlosslessCompounds(segmenter_.Segment(text));
  if (tokens.empty()) return {};
  const std::vector<ByteSpan> kept = FindProtected(text, options_.lockedTerms);
  const std::vector<ByteSpan> setPhrases = FindSetPhrases(text);
  std::vector<uint8_t> eligible(tokens.size(), 0);
  std::vector<uint8_t> movable(tokens.size(), 0);
  for (size_t i = 0; i < tokens.size(); ++i) {
    const size_t at = static_cast<size_t>(tokens[i].text.data() - text.data());
    const size_t end = at + tokens[i].text.size();
    movable[i] = tokens[i].kind == TokenKind::kHan && tokens[i].word != Lexicon::kNone &&
                 !Overlaps(kept, at, end) && !Overlaps(setPhrases, at, end) &&
                 !segmenter_.MayBeCutWrongly(tokens, i);
    eligible[i] =
        movable[i] && !IsMeasureWordPlace(tokens, i) && !ClosesCollectiveNoun(*lexicon_, tokens, i);
  }
  // The low strength keeps to synonyms listed by hand.
  if (options_.model && options_.strength != Strength::kLow) {
    ExchangeListItems(tokens, eligible, movable);
  }
  // The token where each clause starts, then the end: each cut stands before
  // a clause mark, which list items trading places leave a token of its own.
  std::vector<size_t> clauses{0};
  const std::vector<size_t> cuts = ClauseCuts(text, kept, options_.lockedTerms);
  for (size_t i = 1; i < tokens.size(); ++i) {
    const size_t at = static_cast<size_t>(tokens[i].text.data() - text.data());
    if (std::binary_search(cuts.begin(), cuts.end(), at)) clauses.push_back(i);
  }
  clauses.push_back(tokens.size());

  // Clauses [first, last) into out: words chosen in context, then each
  // clause checked against the way back on its own.
  auto translate = [&](size_t first, size_t last, std::string& out) {
    const size_t begin = clauses[first];
    const std::span<const Token> range(tokens.data() + begin, clauses[last] - begin);
    std::vector<Choice> choices(range.size());
    std::vector<Choice> fallback(range.size());
    if (options_.model) {
      choices = ChooseInContext(range, std::span(eligible).subspan(begin, range.size()), fallback);
    } else {
      // An article repeats its words, and weighing a word's glosses is the
      // costly part of the way to English.
      std::unordered_map<int32_t, Choice> chosen;
      for (size_t i = 0; i < range.size(); ++i) {
        if (!eligible[begin + i]) continue;
        auto it = chosen.find(range[i].word);
        if (it == chosen.end()) it = chosen.emplace(range[i].word, Choose(range[i].word)).first;
        choices[i] = it->second;
      }
    }
    for (size_t c = first; c < last; ++c) {
      const size_t at = clauses[c] - begin;
      const size_t count = clauses[c + 1] - clauses[c];
      CheckedEnglish(range.subspan(at, count), std::span(choices).subspan(at, count),
                     std::span(fallback).subspan(at, count), out);
    }
  };

  const size_t groups = ParallelGroups(text.size(), clauses.size() - 1);
  std::string out;
  out.reserve(text.size());
  if (groups <= 1) {
    translate(0, clauses.size() - 1, out);
    return out;
  }
  // A long paragraph: runs of clauses of similar size on threads of their
  // own, joined in order.
  std::vector<size_t> firsts =
      GroupRuns(std::span(clauses).first(clauses.size() - 1), tokens.size(), groups);
  firsts.push_back(clauses.size() - 1);
  std::vector<std::string> parts(firsts.size() - 1);
  std::vector<std::function<void()>> work;
  for (size_t g = 0; g < parts.size(); ++g) {
    work.emplace_back([&, g] { translate(firsts[g], firsts[g + 1], parts[g]); });
  }
  HelperThreads::Shared().RunAll(work);
  for (const std::string& part : parts) out += part;
  return out;
}

void Translator::ExchangeListItems(std::vector<Token>& tokens, std::vector<uint8_t>& eligible,
                                   std::span<const uint8_t> movable) const {
  const LanguageModel& lm = *options_.model;
  const float margin = StrengthMargin(options_.strength);
  for (const auto& [a, b] : ExchangeableItems(*lexicon_, tokens, movable)) {
    auto exchange = [&](size_t firstLength) {
      ExchangeAroundSeparator(tokens, a.begin, firstLength, b.end);
      ExchangeAroundSeparator(eligible, a.begin, firstLength, b.end);
    };
    // A verb beside the list may instead belong to an item (居住条件,
    // 基础知识 tagged a verb): the exchange must then read at least as well
    // as a synonym the rules find.
    auto verbAt = [&](size_t i) {
      return i < tokens.size() && tokens[i].word != Lexicon::kNone &&
             lexicon_->Class(tokens[i].word) == WordClass::kVerb;
    };
    const bool verbBeside = (a.begin > 0 && verbAt(a.begin - 1)) || verbAt(b.end);
    const float allowed = margin - (verbBeside ? kRuleFoundAllowance : 0.0f);
    // The words around the pair, whose scores the exchange changes.
    const size_t from = a.begin >= kFollowingWords ? a.begin - kFollowingWords : 0;
    const size_t to = std::min(tokens.size(), b.end + kFollowingWords);
    const float before = WindowScore(lm, tokens, from, to);
    exchange(a.end - a.begin);
    if (WindowScore(lm, tokens, from, to) < before - allowed) exchange(b.end - b.begin);
  }
}

void Translator::CheckedEnglish(std::span<const Token> tokens, std::span<Choice> choices,
                                std::span<Choice> fallback, std::string& whole) const {
  std::vector<bool> protect(tokens.size(), false);
  // A gloss that does not come back as planned falls back to the one that
  // brings the word itself back, then stays Chinese.
  auto demote = [&](size_t token) {
    Choice& c = choices[token];
    c = (c.target != fallback[token].target && fallback[token].target != Lexicon::kNone)
            ? fallback[token]
            : Choice{};
    if (c.target == Lexicon::kNone) fallback[token] = {};
  };

  std::string out;
  for (int round = 0;; ++round) {
    out.clear();
    struct Span {
      size_t begin, end, token;
    };
    std::vector<Span> glossSpans;
    std::vector<Span> latinSpans;
    for (size_t i = 0; i < tokens.size(); ++i) {
      const bool glossed = choices[i].target != Lexicon::kNone;
      const bool prevGlossed = i > 0 && choices[i - 1].target != Lexicon::kNone;
      if (i > 0 && !IsBlankToken(tokens[i - 1]) && !IsBlankToken(tokens[i]) &&
          ((glossed && NeedsBlank(tokens[i - 1])) || (prevGlossed && NeedsBlank(tokens[i])))) {
        out += ' ';
      }
      // The way back drops one blank on each side of a phrase; a blank of the
      // source next to a gloss gets one more so that it survives.
      const bool nextGlossed = i + 1 < tokens.size() && choices[i + 1].target != Lexicon::kNone;
      if (IsBlankToken(tokens[i]) && prevGlossed) out += ' ';
      if (IsBlankToken(tokens[i]) && nextGlossed) {
        out += tokens[i].text;
        out += ' ';
        continue;
      }
      if (glossed) {
        const size_t begin = out.size();
        out += choices[i].gloss;
        for (int k = 0; k < choices[i].held; ++k) out += kHeldMark;
        glossSpans.push_back({begin, out.size(), i});
      } else {
        if (protect[i]) out += kWordJoiner;
        if (tokens[i].kind == TokenKind::kLatin) {
          latinSpans.push_back({out.size(), out.size() + tokens[i].text.size(), i});
        }
        out += tokens[i].text;
      }
    }

    // Check the way back: each gloss must come back alone as the word
    // planned, and no Latin word of the input may be taken for a gloss.
    bool changed = false;
    const std::vector<Decoded> decoded = Decode(out);
    size_t g = 0;
    size_t l = 0;
    std::vector<bool> matchedGloss(glossSpans.size(), false);
    for (const Decoded& d : decoded) {
      const PhraseMatch& m = d.match;
      while (g < glossSpans.size() && glossSpans[g].end <= m.begin) ++g;
      while (l < latinSpans.size() && latinSpans[l].end <= m.begin) ++l;
      bool tookLatin = false;
      for (size_t k = l; k < latinSpans.size() && latinSpans[k].begin < m.end; ++k) {
        protect[latinSpans[k].token] = true;
        tookLatin = true;
      }
      if (tookLatin) {
        // Protecting the Latin words is enough; the glosses get another try.
        changed = true;
        continue;
      }
      size_t covered = 0;
      for (size_t k = g; k < glossSpans.size() && glossSpans[k].begin < m.end; ++k) ++covered;
      if (covered == 1 && glossSpans[g].begin == m.begin && glossSpans[g].end == m.end) {
        if (d.word == choices[glossSpans[g].token].target) {
          matchedGloss[g] = true;
        } else {
          demote(glossSpans[g].token);
          changed = true;
        }
        continue;
      }
      // A phrase running over several glosses: the later ones stay Chinese.
      // A phrase cutting one gloss short leaves that gloss Chinese.
      for (size_t k = g + (covered > 1 ? 1 : 0);
           k < glossSpans.size() && glossSpans[k].begin < m.end; ++k) {
        choices[glossSpans[k].token] = {};
        fallback[glossSpans[k].token] = {};
        changed = true;
      }
    }
    if (!changed) {
      for (size_t k = 0; k < glossSpans.size(); ++k) {
        if (!matchedGloss[k]) {
          choices[glossSpans[k].token] = {};
          fallback[glossSpans[k].token] = {};
          changed = true;
        }
      }
    }
    if (!changed) break;
    if (round + 1 == kMaxCheckRounds) {
      // Out of rounds: give up on every gloss, which is always consistent.
      for (auto& c : choices) c = {};
    }
  }
  whole += out;
}

std::string Translator::ToChinese(std::string_view text) const {
  const size_t groups = ParallelGroups(text.size(), 2);
  if (groups > 1) {
    // A long text: runs of clauses on threads of their own, joined in order.
    const std::vector<size_t> starts = GroupClauses(
        text, ClauseCuts(text, FindProtected(text, options_.lockedTerms), options_.lockedTerms),
        groups);
    if (starts.size() > 1) {
      std::vector<std::string> parts(starts.size());
      auto piece = [&](size_t g) {
        const size_t end = g + 1 < starts.size() ? starts[g + 1] : text.size();
        return text.substr(starts[g], end - starts[g]);
      };
      std::vector<std::function<void()>> work;
      for (size_t g = 0; g < parts.size(); ++g) {
        work.emplace_back([&, g] { parts[g] = ChineseOf(piece(g)); });
      }
      HelperThreads::Shared().RunAll(work);
      std::string out;
      out.reserve(text.size());
      for (const std::string& part : parts) out += part;
      return out;
    }
  }
  return ChineseOf(text);
}

std::string Translator::ChineseOf(std::string_view text) const {
  const std::vector<Decoded> decoded = Decode(text);
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  bool afterMatch = false;
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  auto copyPlain = [&](size_t end, bool beforeMatch) {
    std::string_view plain = text.substr(pos, end - pos);
    // One blank on each side of a phrase belongs to the English.
    if (afterMatch && !plain.empty() && isBlank(plain.front())) plain.remove_prefix(1);
    if (beforeMatch && !plain.empty() && isBlank(plain.back())) plain.remove_suffix(1);
    for (size_t at; (at = plain.find(kWordJoiner)) != std::string_view::npos;) {
      out += plain.substr(0, at);
      plain.remove_prefix(at + kWordJoiner.size());
    }
    out += plain;
  };
  for (const Decoded& d : decoded) {
    copyPlain(d.match.begin, true);
    out += lexicon_->Word(d.word);
    pos = d.match.end;
    afterMatch = true;
  }
  copyPlain(text.size(), false);
  return out;
}

}  // namespace lumora
