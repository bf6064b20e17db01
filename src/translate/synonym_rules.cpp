#include "translate/synonym_rules.h"

#include <algorithm>
#include <string>
#include <vector>

#include "translate/gloss_cleaner.h"
#include "translate/utf8.h"

namespace lumora {

namespace {

// Senses up to this position are what a word mostly means.
constexpr int kLeadingSense = 1;
// Shared glosses that make any sense of the word a fair way to the synonym.
constexpr int kSharedForLateSense = 3;

constexpr char32_t kProtectedChars[] = {U'不', U'没', U'未', U'无', U'非', U'勿', U'〇',
                                        U'零', U'一', U'二', U'两', U'三', U'四', U'五',
                                        U'六', U'七', U'八', U'九', U'十', U'百', U'千',
                                        U'万', U'亿', U'壹', U'贰', U'叁', U'半'};

// jieba tags a verb used as a noun apart from both; it agrees with either.
bool ClassesAgree(WordClass a, WordClass b) {
  if (a == b) return true;
  auto nounish = [](WordClass c) { return c == WordClass::kNoun || c == WordClass::kVerbalNoun; };
  auto verbish = [](WordClass c) { return c == WordClass::kVerb || c == WordClass::kVerbalNoun; };
  return (nounish(a) && nounish(b)) || (verbish(a) && verbish(b));
}

struct Sense {
  std::string key;
  int sense;
  bool qualified;
};

// The distinct glosses of a word's primary entry, each at its first place.
std::vector<Sense> PrimarySenses(const Lexicon& lex, int32_t word) {
  std::vector<Sense> out;
  for (int i = 0; i < lex.GlossCount(word); ++i) {
    const Gloss g = lex.GlossAt(word, i);
    if (g.entry != 0) break;
    std::string key = PhraseKey(g.text);
    if (std::none_of(out.begin(), out.end(), [&](const Sense& s) { return s.key == key; })) {
      out.push_back({std::move(key), g.sense, g.qualified});
    }
  }
  return out;
}

}  // namespace

bool ShareChar(std::string_view a, std::string_view b) {
  for (size_t i = 0; i < a.size();) {
    char32_t ch;
    size_t len;
    if (!DecodeUtf8Char(a, i, ch, len)) return false;
    if (b.find(a.substr(i, len)) != std::string_view::npos) return true;
    i += len;
  }
  return false;
}

namespace {

// The characters of word found in chars, in order.
std::u32string CharsAmong(std::string_view word, const char32_t* begin, const char32_t* end) {
  std::u32string out;
  for (const char32_t ch : DecodeUtf8(word)) {
    if (std::find(begin, end, ch) != end) out.push_back(ch);
  }
  return out;
}

// The negations lead kProtectedChars.
constexpr size_t kNegationCount = 6;

}  // namespace

size_t NegationCount(std::string_view word) {
  // Words where a leading 别 means "other" or "apart", not "don't".
  static constexpr std::string_view kOtherSenses[] = {
      "别人",     "别的",     "别处",     "别名",     "别墅",     "别扭",     "别国",
      "别致",     "别称",     "别号",     "别样",     "别家",     "别离",     "别针",
      "别字",     "别院",     "别具",     "别有",     "别墅区",   "别动队",   "别克",
      "别出心裁", "别开生面", "别具一格", "别有用心", "别有风味", "别具匠心", "别来无恙",
      "别有洞天", "别具特色", "别具风味", "别无选择", "别无二致", "别无良策", "别无出路"};
  // Words whose negation character says nothing is missing: 不少 "quite a
  // few", 非常 "very", 不断 "on and on", also inside a longer word (不断改进).
  // They may become 许多, 十分, 持续.
  static constexpr std::string_view kNoNegation[] = {"不少", "非常", "不断", "不久",
                                                     "不错", "无比", "非凡"};
  const char32_t* negations = std::begin(kProtectedChars);
  size_t n = CharsAmong(word, negations, negations + kNegationCount).size();
  for (const std::string_view inner : kNoNegation) {
    for (size_t at = word.find(inner); at != std::string_view::npos && n > 0;
         at = word.find(inner, at + inner.size()))
      --n;
  }
  const bool dont = word.starts_with("别")
                        ? std::find(std::begin(kOtherSenses), std::end(kOtherSenses), word) ==
                              std::end(kOtherSenses)
                        : word == "千万别" || word == "可别";
  return n + dont;
}

namespace {

// The numerals of word, none for a word whose numeral counts nothing: 一般
// "usually", 一定 "surely", 一直 "all along", 十分 "very", 一边 "while".
std::u32string Numerals(std::string_view word) {
  static constexpr std::string_view kNoNumber[] = {"一般", "一定", "一直", "十分",
                                                   "一向", "一再", "一边"};
  if (std::find(std::begin(kNoNumber), std::end(kNoNumber), word) != std::end(kNoNumber)) return {};
  return CharsAmong(word, std::begin(kProtectedChars) + kNegationCount, std::end(kProtectedChars));
}

}  // namespace

bool KeepsProtectedChars(std::string_view word, std::string_view synonym) {
  return NegationCount(word) == NegationCount(synonym) &&
         (!HasProtectedChar(word) || Numerals(word) == Numerals(synonym));
}

bool HasProtectedChar(std::string_view word) {
  size_t pos = 0;
  while (pos < word.size()) {
    char32_t ch;
    size_t len;
    if (!DecodeUtf8Char(word, pos, ch, len)) return false;
    if (std::find(std::begin(kProtectedChars), std::end(kProtectedChars), ch) !=
        std::end(kProtectedChars)) {
      return true;
    }
    pos += len;
  }
  return false;
}

GlossOverlap CompareGlosses(const Lexicon& lex, int32_t word, int32_t other) {
  const std::vector<Sense> a = PrimarySenses(lex, word);
  const std::vector<Sense> b = PrimarySenses(lex, other);
  GlossOverlap o;
  o.smaller = static_cast<int>(std::min(a.size(), b.size()));
  o.sharesChar = ShareChar(lex.Word(word), lex.Word(other));
  for (const Sense& s : a) {
    const auto match =
        std::find_if(b.begin(), b.end(), [&](const Sense& t) { return t.key == s.key; });
    if (match == b.end()) continue;
    const int carriers = lex.PhraseCarriers(s.key);
    o.fewestCarriers = o.shared == 0 ? carriers : std::min(o.fewestCarriers, carriers);
    ++o.shared;
    if (!s.qualified && !match->qualified && match->sense <= kLeadingSense) {
      o.leading = true;
      o.mutual = o.mutual || s.sense <= kLeadingSense;
    }
  }
  return o;
}

bool IsSynonym(const Lexicon& lex, int32_t word, int32_t synonym, bool modelChecks) {
  if (word == synonym) return false;
  const std::string_view a = lex.Word(word);
  const std::string_view b = lex.Word(synonym);
  if (!IsContentClass(lex.Class(word)) || !IsContentClass(lex.Class(synonym))) return false;
  if (!ClassesAgree(lex.Class(word), lex.Class(synonym))) {
    // The frequency dictionary tags some words apart from their use (原来 an
    // adverb, 原本 a noun); two words sharing a character and most senses are
    // used alike whatever their tags.
    if (CharCount(a) < 2) return false;
    const GlossOverlap o = CompareGlosses(lex, word, synonym);
    if (!o.sharesChar || !o.leading || o.shared < 2 || 2 * o.shared < o.smaller + 1) return false;
  }
  if (!IsAllHan(a) || !IsAllHan(b) || HasProtectedChar(a) || HasProtectedChar(b)) return false;
  if (lex.Frequency(synonym) < kMinSynonymFrequency || lex.IsExcluded(word, synonym)) {
    return false;
  }
  const size_t na = CharCount(a);
  const size_t nb = CharCount(b);
  if (nb < 2) return false;
  if (na == 1) {
    // A lone noun character is mostly a part of a compound the dictionary
    // lacks (读者证, 绘本): spelled out, it breaks the compound.
    if (lex.Class(word) == WordClass::kNoun) return false;
    // 仍 → 仍然, 能 → 能够: the compound spells out the character's main sense.
    if (nb != 2 || b.find(a) == std::string_view::npos ||
        lex.Frequency(word) > kMaxSingleCharFrequencyRatio * uint64_t{lex.Frequency(synonym)}) {
      return false;
    }
    int shared = 0;
    for (const Sense& s : PrimarySenses(lex, word)) {
      if (s.qualified || s.sense > kLeadingSense) continue;
      for (const Sense& t : PrimarySenses(lex, synonym)) {
        shared += t.key == s.key && !t.qualified && t.sense <= kMaxSense;
      }
    }
    return shared >= 2;
  }
  const uint64_t maxDrop = modelChecks ? kMaxFrequencyDropInContext : kMaxFrequencyDrop;
  if (lex.Frequency(word) > maxDrop * lex.Frequency(synonym)) return false;
  if (na + 1 < nb || nb + 1 < na) return false;
  const GlossOverlap o = CompareGlosses(lex, word, synonym);
  if (!o.leading || o.smaller == 0) return false;
  // A model that checks each sentence refuses the senses that do not fit
  // there; one specific shared sense is then enough.
  if (modelChecks && o.mutual) return true;
  const double ratio = static_cast<double>(o.shared) / o.smaller;
  if (o.shared >= 2) {
    // Several shared glosses that many words carry prove little unless the
    // words also share a character (平稳/稳定).
    return ratio >= 0.34 && (o.fewestCarriers <= kVagueCarriers || o.sharesChar);
  }
  return (o.fewestCarriers <= kSpecificCarriers && ratio >= 0.3) || (o.sharesChar && ratio >= 0.5);
}

std::optional<Gloss> PrimaryGlossWithKey(const Lexicon& lex, int32_t word, std::string_view key) {
  for (int i = 0; i < lex.GlossCount(word); ++i) {
    const Gloss g = lex.GlossAt(word, i);
    if (g.entry != 0) break;
    if (PhraseKey(g.text) == key) return g;
  }
  return std::nullopt;
}

std::optional<Gloss> HeldPhraseGloss(const Lexicon& lex, int32_t word, int maxSense) {
  std::optional<Gloss> first;
  for (int i = 0; i < lex.GlossCount(word); ++i) {
    const Gloss g = lex.GlossAt(word, i);
    if (g.entry != 0) break;
    if (!g.qualified && g.sense <= maxSense) return g;
    if (!first) first = g;
  }
  return first;
}

std::optional<Gloss> HeldPhraseGloss(const Lexicon& lex, int32_t word, int32_t synonym,
                                     int maxSense) {
  if (lex.GlossCount(synonym) > 0) return HeldPhraseGloss(lex, synonym, maxSense);
  return HeldPhraseGloss(lex, word, maxSense);
}

bool IsWayToSynonym(const Lexicon& lex, int32_t word, const Gloss& gloss, int32_t synonym) {
  // A narrowed sense, or one the synonym means only in passing, is a
  // different word in most sentences.
  if (gloss.entry != 0 || gloss.qualified) return false;
  if (CharCount(lex.Word(word)) < 2 && gloss.sense > kLeadingSense) return false;
  const std::optional<Gloss> back = PrimaryGlossWithKey(lex, synonym, PhraseKey(gloss.text));
  if (!back || back->qualified || back->sense > kLeadingSense) return false;
  if (!IsSynonym(lex, word, synonym)) return false;
  // A late sense counts only when the two words share most of their glosses
  // (表演/演出 share four, the fifth sense among them).
  return gloss.sense <= kMaxSense ||
         CompareGlosses(lex, word, synonym).shared >= kSharedForLateSense;
}

}  // namespace lumora
