#include "translate/list_items.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "translate/utf8.h"

namespace lumora {

namespace {

// Items of more words than this are rarely alike enough to trade places.
constexpr size_t kMaxItemWords = 3;

bool IsSeparator(const Token& t) {
  static constexpr std::array<std::string_view, 7> kSeparators = {"、",   "和", "与",  "及",
                                                                  "以及", "或", "或者"};
  return std::find(kSeparators.begin(), kSeparators.end(), t.text) != kSeparators.end();
}

WordClass ClassOf(const Lexicon& lex, const Token& t) {
  return t.kind == TokenKind::kHan && t.word != Lexicon::kNone ? lex.Class(t.word)
                                                               : WordClass::kUnknown;
}

// A word the frequency list calls a noun or a name whose first sense in the
// dictionary is an action ("to pass through" for 途经): in a list it mostly
// governs the words after it.
bool ActsFirst(const Lexicon& lex, const Token& t) {
  if (t.word == Lexicon::kNone || lex.GlossCount(t.word) == 0) return false;
  const WordClass c = lex.Class(t.word);
  if (c != WordClass::kNoun && c != WordClass::kName) return false;
  return lex.GlossAt(t.word, 0).text.starts_with("to ");
}

// A word the dictionary gives no sense that opens with a verb (喝咖啡, which
// the frequency list calls a name; 调校, a noun): a verb with its object
// rather than a thing.
bool HoldsAVerbFirst(const Lexicon& lex, const Token& t) {
  if (t.word == Lexicon::kNone || lex.GlossCount(t.word) > 0) return false;
  const std::string_view text = t.text;
  for (size_t cut = 1; cut < text.size(); ++cut) {
    if ((static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) continue;
    const int32_t head = lex.Find(text.substr(0, cut));
    if (head != Lexicon::kNone && lex.Class(head) == WordClass::kVerb && lex.GlossCount(head) > 0 &&
        lex.Find(text.substr(cut)) != Lexicon::kNone) {
      return true;
    }
  }
  return false;
}

// A word that may stand in a list item of nouns: nouns, names, adjectives
// (有效期限) and verbs used as nouns (损坏换领), never a number.
bool IsItemWord(const Lexicon& lex, std::span<const Token> tokens, std::span<const uint8_t> movable,
                size_t i) {
  if (i >= tokens.size() || !movable[i]) return false;
  if (ActsFirst(lex, tokens[i])) return false;
  if (HoldsAVerbFirst(lex, tokens[i])) return false;
  switch (ClassOf(lex, tokens[i])) {
    case WordClass::kNoun:
    case WordClass::kVerbalNoun:
    case WordClass::kAdjective:
    case WordClass::kName:
      return true;
    default:
      return false;
  }
}

// Punctuation that ends what stands before or after a list; 、 does not, as it
// joins the list to an item of several words.
bool IsBoundary(const Token& t) {
  static constexpr std::array<std::string_view, 14> kMarks = {
      "，", "。", "；", "：", "！", "？", "（", "）", ",", ";", ":", "!", "?", "."};
  return t.kind == TokenKind::kSpace ||
         (t.kind == TokenKind::kOther &&
          std::find(kMarks.begin(), kMarks.end(), t.text) != kMarks.end());
}

// Words that stand beside a list as a whole rather than beside one item:
// verbs, prepositions, particles, conjunctions and adverbs.
bool TakesWholeList(WordClass c) {
  return c == WordClass::kVerb || c == WordClass::kPreposition || c == WordClass::kParticle ||
         c == WordClass::kConjunction || c == WordClass::kAdverb;
}

// Before the list: the start, a clause mark, or a word that governs the list
// (包括, 对, 的, 了) rather than modifies its first item alone.
bool OpensList(const Lexicon& lex, std::span<const Token> tokens, size_t first) {
  if (first == 0) return true;
  const Token& t = tokens[first - 1];
  if (IsBoundary(t)) return true;
  // A verb that is itself part of an item before (配送 in 交通安全、配送路线
  // 规划) modifies the first item.
  if (first >= 2 && IsSeparator(tokens[first - 2])) return false;
  return TakesWholeList(ClassOf(lex, t));
}

// After the list: the end, a clause mark, or a word that takes the list as a
// whole (是, 的, 等, 之间) — but none that gives its items roles by their
// order (A与B相比, 分别).
bool ClosesList(const Lexicon& lex, std::span<const Token> tokens, size_t last) {
  if (last + 1 >= tokens.size()) return true;
  const Token& t = tokens[last + 1];
  if (IsBoundary(t)) return true;
  // 不符 and 相符 hold the first item to the second (酒精度与标签不符).
  static constexpr std::array<std::string_view, 14> kOrdered = {
      "相比", "相较", "比",   "比较", "对比", "之比", "比例",
      "分别", "各自", "依次", "先后", "相继", "不符", "相符"};
  if (std::find(kOrdered.begin(), kOrdered.end(), t.text) != kOrdered.end()) return false;
  const WordClass c = ClassOf(lex, t);
  return TakesWholeList(c) || c == WordClass::kLocality;
}

// Whether tokens[i] stands inside a title or a heading mark (《…》, 【…】).
std::vector<bool> InsideTitles(std::span<const Token> tokens) {
  std::vector<bool> inside(tokens.size(), false);
  int depth = 0;
  for (size_t i = 0; i < tokens.size(); ++i) {
    const std::string_view t = tokens[i].text;
    if (t == "》" || t == "〉" || t == "】") depth = std::max(0, depth - 1);
    inside[i] = depth > 0;
    if (t == "《" || t == "〈" || t == "【") ++depth;
  }
  return inside;
}

bool SameWords(std::span<const Token> tokens, ItemSpan a, ItemSpan b) {
  if (a.end - a.begin != b.end - b.begin) return false;
  for (size_t k = 0; k < a.end - a.begin; ++k) {
    if (tokens[a.begin + k].text != tokens[b.begin + k].text) return false;
  }
  return true;
}

bool IsNounLike(WordClass c) {
  return c == WordClass::kNoun || c == WordClass::kName;
}

// Two items trade places only when alike: each ending in a noun (or a name,
// which the frequency list gives many common nouns: 加油站), or each in a verb
// used as a noun; a lone word not a single character, which is as often part
// of an abbreviation the segmenter does not know (中、美).
bool Alike(const Lexicon& lex, std::span<const Token> tokens, ItemSpan a, ItemSpan b) {
  const WordClass headA = ClassOf(lex, tokens[a.end - 1]);
  const WordClass headB = ClassOf(lex, tokens[b.end - 1]);
  const bool nouns = IsNounLike(headA) && IsNounLike(headB);
  const bool verbalNouns = headA == WordClass::kVerbalNoun && headB == WordClass::kVerbalNoun;
  if (!nouns && !verbalNouns) return false;
  auto loneChar = [&](ItemSpan x) {
    return x.end - x.begin == 1 && CharCount(tokens[x.begin].text) < 2;
  };
  if (loneChar(a) || loneChar(b)) return false;
  // Before the head only nouns and adjectives: the frequency list calls many
  // rare verbs names (蘸上), and a verb used as a noun may govern the head.
  auto modifiers = [&](ItemSpan x) {
    return std::all_of(tokens.begin() + x.begin, tokens.begin() + x.end - 1, [&](const Token& t) {
      const WordClass c = ClassOf(lex, t);
      return c == WordClass::kNoun || c == WordClass::kAdjective;
    });
  };
  return modifiers(a) && modifiers(b);
}

}  // namespace

std::vector<std::pair<ItemSpan, ItemSpan>> ExchangeableItems(const Lexicon& lex,
                                                             std::span<const Token> tokens,
                                                             std::span<const uint8_t> movable) {
  std::vector<std::pair<ItemSpan, ItemSpan>> pairs;
  const std::vector<bool> inTitle = InsideTitles(tokens);
  const size_t n = tokens.size();
  auto item = [&](size_t i) { return IsItemWord(lex, tokens, movable, i); };
  auto separatorAt = [&](size_t i) {
    return i > 0 && i + 1 < n && IsSeparator(tokens[i]) && item(i - 1) && item(i + 1);
  };
  size_t s = 0;
  while (s < n) {
    if (!separatorAt(s)) {
      ++s;
      continue;
    }
    // The separators of one list, and the items between them, each whole.
    std::vector<size_t> seps{s};
    std::vector<ItemSpan> items;
    for (;;) {
      size_t e = seps.back() + 1;
      while (e < n && item(e)) ++e;
      if (!separatorAt(e)) break;
      items.push_back({seps.back() + 1, e});
      seps.push_back(e);
    }
    size_t leftRun = seps.front();
    while (leftRun > 0 && item(leftRun - 1)) --leftRun;
    size_t rightRun = seps.back() + 1;
    while (rightRun < n && item(rightRun)) ++rightRun;

    // The first and last items are the runs of nouns around the list, whole
    // only where the words beyond them govern the list rather than modify an
    // item (优秀教师和学生), and as long as the item beside them: a longer run
    // may end in a noun the whole list modifies (软件和信息技术服务业增加值), a
    // shorter part of a run is modified by the rest (学生家长).
    const ItemSpan first{leftRun, seps.front()};
    const ItemSpan last{seps.back() + 1, rightRun};
    auto length = [](ItemSpan x) { return x.end - x.begin; };
    const ItemSpan besideFirst = items.empty() ? last : items.front();
    const ItemSpan besideLast = items.empty() ? first : items.back();
    std::vector<ItemSpan> all{first};
    std::vector<bool> whole{length(first) == length(besideFirst) &&
                            OpensList(lex, tokens, first.begin)};
    for (const ItemSpan& m : items) {
      all.push_back(m);
      whole.push_back(length(m) <= kMaxItemWords);
    }
    all.push_back(last);
    whole.push_back(length(last) == length(besideLast) && ClosesList(lex, tokens, last.end - 1));
    // A word twice is no list but clauses side by side (平放在地面、大腿与地面平行).
    bool repeated = false;
    for (size_t x = 0; x < all.size(); ++x) {
      for (size_t y = x + 1; y < all.size(); ++y) {
        repeated = repeated || SameWords(tokens, all[x], all[y]);
      }
    }
    for (size_t k = 0; k + 1 < all.size() && !repeated;) {
      if (whole[k] && whole[k + 1] && !inTitle[all[k].begin] && !inTitle[all[k + 1].begin] &&
          Alike(lex, tokens, all[k], all[k + 1])) {
        pairs.emplace_back(all[k], all[k + 1]);
        k += 2;
      } else {
        ++k;
      }
    }
    s = seps.back() + 1;
  }
  return pairs;
}

}  // namespace lumora
