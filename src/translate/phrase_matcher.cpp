#include "translate/phrase_matcher.h"

#include <string>

#include "translate/utf8.h"

namespace lumora {

namespace {

struct WordSpan {
  size_t begin;
  size_t end;
  bool protectedWord;
  bool joinedToNext;  // only blanks up to the next word
};

std::vector<WordSpan> FindWords(std::string_view text) {
  std::vector<WordSpan> words;
  size_t pos = 0;
  size_t lastEnd = std::string_view::npos;
  bool sawJoiner = false;
  while (pos < text.size()) {
    char32_t ch;
    size_t len;
    if (!DecodeUtf8Char(text, pos, ch, len)) {
      ++pos;
      lastEnd = std::string_view::npos;
      sawJoiner = false;
      continue;
    }
    if (!IsWordChar(ch)) {
      if (ch == 0x2060) {
        sawJoiner = true;
      } else if (!IsSpaceChar(ch)) {
        lastEnd = std::string_view::npos;
        sawJoiner = false;
      } else {
        sawJoiner = false;
      }
      pos += len;
      continue;
    }
    const size_t begin = pos;
    pos += len;
    while (pos < text.size()) {
      if (DecodeUtf8Char(text, pos, ch, len) && IsWordChar(ch)) {
        pos += len;
        continue;
      }
      if (pos + 1 < text.size() && (text[pos] == '\'' || text[pos] == '-') &&
          DecodeUtf8Char(text, pos + 1, ch, len) && IsWordChar(ch)) {
        pos += 1;
        continue;
      }
      break;
    }
    while (text.substr(pos).starts_with(kHeldMark)) pos += kHeldMark.size();
    if (!words.empty() && lastEnd == words.back().end) words.back().joinedToNext = true;
    // lastEnd stays the end of the previous word across blanks only.
    words.push_back({begin, pos, sawJoiner, false});
    lastEnd = pos;
    sawJoiner = false;
    // Blanks keep lastEnd; anything else resets it (handled above).
  }
  return words;
}

}  // namespace

std::vector<PhraseMatch> PhraseMatcher::Match(
    std::string_view text, const std::vector<std::pair<size_t, size_t>>& skip) const {
  std::vector<WordSpan> words = FindWords(text);
  // A word inside a skipped range is protected, which also ends any phrase.
  size_t s = 0;
  for (WordSpan& w : words) {
    while (s < skip.size() && skip[s].second <= w.begin) ++s;
    if (s < skip.size() && skip[s].first < w.end) w.protectedWord = true;
  }
  std::vector<PhraseMatch> matches;
  const size_t maxWords = static_cast<size_t>(lexicon_.MaxPhraseWords());
  std::string key;
  for (size_t i = 0; i < words.size();) {
    if (words[i].protectedWord) {
      ++i;
      continue;
    }
    size_t bestCount = 0;
    int32_t bestPhrase = Lexicon::kNone;
    key.clear();
    for (size_t k = 0; k < maxWords && i + k < words.size(); ++k) {
      const WordSpan& w = words[i + k];
      if (k > 0) {
        if (!words[i + k - 1].joinedToNext || w.protectedWord) break;
        key += ' ';
      }
      for (size_t p = w.begin; p < w.end; ++p) {
        const char c = text[p];
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
      }
      const int32_t phrase = lexicon_.FindPhrase(key);
      if (phrase != Lexicon::kNone) {
        bestCount = k + 1;
        bestPhrase = phrase;
      }
    }
    if (bestCount == 0) {
      ++i;
      continue;
    }
    matches.push_back({words[i].begin, words[i + bestCount - 1].end,
                       lexicon_.PhraseWord(bestPhrase), bestPhrase});
    i += bestCount;
  }
  return matches;
}

}  // namespace lumora
