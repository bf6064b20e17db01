#include "translate/word_place.h"

#include <algorithm>
#include <string_view>

#include "translate/utf8.h"

namespace lumora {

namespace {

constexpr std::u32string_view kNumerals = U"〇零一二两三四五六七八九十百千万亿半几多";

// Digits, or a word that starts with a Han numeral (三, 九级, 百分之七十);
// one starting with 一, 几 or 半 only when made of numerals alone (一百二十,
// but not 一些, 一定, 一个 or 半天: 是一个 is no 为一个), and never 多 "many".
bool IsNumberToken(const Token& t) {
  if (t.kind == TokenKind::kNumber) return true;
  if (t.kind != TokenKind::kHan) return false;
  const std::u32string chars = DecodeUtf8(t.text);
  auto numeral = [](char32_t c) { return kNumerals.find(c) != std::u32string_view::npos; };
  if (chars.empty() || !numeral(chars[0]) || chars[0] == U'多') return false;
  if (chars[0] != U'一' && chars[0] != U'几' && chars[0] != U'半') return true;
  return std::all_of(chars.begin(), chars.end(), numeral);
}

// A comma or a colon: after 介绍 it ends what introduces a quotation.
bool IsCommaToken(const Token& t) {
  return t.kind == TokenKind::kOther &&
         (t.text == "，" || t.text == "," || t.text == "：" || t.text == ":");
}

// A verb, or a verb used as a noun (检查): after 要 it means "need to".
// One carrying a negation is not: before it a word may mean something else
// (还没有 "not yet", where 也没 is "nor").
bool IsVerbToken(const Lexicon& lex, const Token& t) {
  if (t.kind != TokenKind::kHan || t.word == Lexicon::kNone) return false;
  const WordClass c = lex.Class(t.word);
  if (c != WordClass::kVerb && c != WordClass::kVerbalNoun) return false;
  static constexpr std::u32string_view kNegations = U"不没未无非勿别";
  const std::u32string chars = DecodeUtf8(t.text);
  return std::none_of(chars.begin(), chars.end(),
                      [](char32_t ch) { return kNegations.find(ch) != std::u32string_view::npos; });
}

// 时 and 时候 are nouns that close a time clause (使用时 "when in use"),
// where the word before them is no modifier of a thing.
bool ClosesTimeClause(const Token& t) {
  return t.text == "时" || t.text == "时候";
}

}  // namespace

WordPlace PlaceAfter(const Lexicon& lex, std::span<const Token> tokens, size_t i) {
  if (i + 1 >= tokens.size()) return {};
  const Token& next = tokens[i + 1];
  const WordClass nextClass = next.kind == TokenKind::kHan && next.word != Lexicon::kNone
                                  ? lex.Class(next.word)
                                  : WordClass::kUnknown;
  // An adverb may stand between (要及时处理).
  const bool verbAfterAdverb =
      nextClass == WordClass::kAdverb && i + 2 < tokens.size() && IsVerbToken(lex, tokens[i + 2]);
  return {
      IsVerbToken(lex, next) || verbAfterAdverb,
      IsNumberToken(next),
      IsCommaToken(next),
      nextClass == WordClass::kAdjective,
      (nextClass == WordClass::kNoun && !ClosesTimeClause(next)) || nextClass == WordClass::kName,
      nextClass == WordClass::kPreposition};
}

bool IsMeasureWordPlace(std::span<const Token> tokens, size_t i) {
  if (i == 0 || CharCount(tokens[i].text) != 1) return false;
  if (i + 1 < tokens.size() && IsNumberToken(tokens[i + 1])) return false;
  const Token& before = tokens[i - 1];
  if (before.kind == TokenKind::kNumber) return true;
  if (before.kind != TokenKind::kHan) return false;
  static constexpr std::string_view kPointers[] = {"这", "那", "哪", "每", "某", "各", "该"};
  for (const std::string_view p : kPointers) {
    if (before.text == p) return true;
  }
  const std::string_view w = before.text;
  size_t last = w.size() - 1;
  while (last > 0 && (static_cast<unsigned char>(w[last]) & 0xC0) == 0x80) --last;
  char32_t ch;
  size_t len;
  return DecodeUtf8Char(w, last, ch, len) && kNumerals.find(ch) != std::u32string_view::npos;
}

bool ClosesCollectiveNoun(const Lexicon& lex, std::span<const Token> tokens, size_t i) {
  static constexpr std::string_view kMeasures[] = {"只", "支", "张", "条", "匹", "辆",
                                                   "本", "件", "朵", "头", "口"};
  if (i == 0 || std::find(std::begin(kMeasures), std::end(kMeasures), tokens[i].text) ==
                    std::end(kMeasures)) {
    return false;
  }
  const Token& before = tokens[i - 1];
  return before.kind == TokenKind::kHan && before.word != Lexicon::kNone &&
         CharCount(before.text) == 1 && lex.Class(before.word) == WordClass::kNoun;
}

}  // namespace lumora
