#include "translate/translator.h"

#include <algorithm>
#include <unordered_map>

#include "translate/gloss_cleaner.h"
#include "translate/utf8.h"

namespace lumora {

namespace {

// Senses past this position are seldom what the word means in prose.
constexpr int kMaxSense = 3;
// Rounds of the check against the way back; each drops or protects something.
constexpr int kMaxCheckRounds = 16;

size_t CharCount(std::string_view s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

bool AllHan(std::string_view s) {
  size_t pos = 0;
  while (pos < s.size()) {
    char32_t ch;
    size_t len;
    if (!DecodeUtf8Char(s, pos, ch, len) || !IsHanChar(ch)) return false;
    pos += len;
  }
  return !s.empty();
}

bool IsBlankToken(const Token& t) {
  return t.kind == TokenKind::kSpace;
}

// English gloss words need a blank from words and Chinese, not from punctuation.
bool NeedsBlank(const Token& t) {
  return t.kind == TokenKind::kHan || t.kind == TokenKind::kLatin || t.kind == TokenKind::kNumber;
}

}  // namespace

Translator::Translator(std::shared_ptr<const Lexicon> lexicon)
    : lexicon_(std::move(lexicon)), segmenter_(*lexicon_), matcher_(*lexicon_) {}

Translator::Choice Translator::Choose(int32_t word) const {
  const Lexicon& lex = *lexicon_;
  const std::string_view text = lex.Word(word);
  if (!IsContentClass(lex.Class(word)) || !AllHan(text) || HasProtectedChar(text)) return {};
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
  const std::vector<Token> tokens = segmenter_.Segment(text);
  std::vector<Choice> choices(tokens.size());
  std::vector<bool> protect(tokens.size(), false);
  // An article repeats its words, and weighing a word's glosses is the
  // costly part of the way to English.
  std::unordered_map<int32_t, Choice> chosen;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].kind == TokenKind::kHan && tokens[i].word != Lexicon::kNone) {
      auto it = chosen.find(tokens[i].word);
      if (it == chosen.end()) it = chosen.emplace(tokens[i].word, Choose(tokens[i].word)).first;
      choices[i] = it->second;
    }
  }

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
      if (glossed) {
        glossSpans.push_back({out.size(), out.size() + choices[i].gloss.size(), i});
        out += choices[i].gloss;
      } else {
        if (protect[i]) out += kWordJoiner;
        if (tokens[i].kind == TokenKind::kLatin) {
          latinSpans.push_back({out.size(), out.size() + tokens[i].text.size(), i});
        }
        out += tokens[i].text;
      }
    }

    // Check the way back: each gloss must come back alone as its synonym, and
    // no Latin word of the input may be taken for a gloss.
    bool changed = false;
    const std::vector<PhraseMatch> matches = matcher_.Match(out);
    size_t g = 0;
    size_t l = 0;
    std::vector<bool> matchedGloss(glossSpans.size(), false);
    for (const PhraseMatch& m : matches) {
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
      if (covered == 1 && glossSpans[g].begin == m.begin && glossSpans[g].end == m.end &&
          m.word == choices[glossSpans[g].token].target) {
        matchedGloss[g] = true;
        continue;
      }
      // A phrase running over several glosses: the later ones stay Chinese.
      // A phrase cutting one gloss short leaves that gloss Chinese.
      for (size_t k = g + (covered > 1 ? 1 : 0);
           k < glossSpans.size() && glossSpans[k].begin < m.end; ++k) {
        choices[glossSpans[k].token] = {};
        changed = true;
      }
    }
    if (!changed) {
      for (size_t k = 0; k < glossSpans.size(); ++k) {
        if (!matchedGloss[k]) {
          choices[glossSpans[k].token] = {};
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
  return out;
}

std::string Translator::ToChinese(std::string_view text) const {
  const std::vector<PhraseMatch> matches = matcher_.Match(text);
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  bool afterMatch = false;
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  auto copyPlain = [&](size_t end, bool beforeMatch) {
    std::string_view plain = text.substr(pos, end - pos);
    if (afterMatch) {
      while (!plain.empty() && isBlank(plain.front())) plain.remove_prefix(1);
    }
    if (beforeMatch) {
      while (!plain.empty() && isBlank(plain.back())) plain.remove_suffix(1);
    }
    for (size_t at; (at = plain.find(kWordJoiner)) != std::string_view::npos;) {
      out += plain.substr(0, at);
      plain.remove_prefix(at + kWordJoiner.size());
    }
    out += plain;
  };
  for (const PhraseMatch& m : matches) {
    copyPlain(m.begin, true);
    out += lexicon_->Word(m.word);
    pos = m.end;
    afterMatch = true;
  }
  copyPlain(text.size(), false);
  return out;
}

}  // namespace lumora
