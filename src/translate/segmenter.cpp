#include "translate/segmenter.h"

#include <algorithm>
#include <cmath>

#include "translate/utf8.h"

namespace lumora {

namespace {

struct CharAt {
  char32_t ch;
  size_t len;  // 0 for a malformed byte
};

CharAt Decode(std::string_view s, size_t pos) {
  char32_t ch;
  size_t len;
  if (DecodeUtf8Char(s, pos, ch, len)) return {ch, len};
  return {0, 0};
}

// A token of its own whatever its neighbours: not part of a run of Han
// characters, letters and digits (with the marks they hold inside) or blanks.
bool StandsAlone(const CharAt& c) {
  return c.len && !IsHanChar(c.ch) && !IsWordChar(c.ch) && !IsSpaceChar(c.ch) &&
         !IsWordJoiner(c.ch);
}

// Where a slice that should end near from may end: just after the first
// character at or past from that stands alone, else at the end of text.
size_t SliceEnd(std::string_view text, size_t from) {
  // UTF-8 lead bytes are always where Segment's walk decodes a character.
  while (from < text.size() && (static_cast<unsigned char>(text[from]) & 0xC0) == 0x80) ++from;
  while (from < text.size()) {
    const CharAt c = Decode(text, from);
    if (StandsAlone(c)) return from + c.len;
    from += c.len ? c.len : 1;
  }
  return text.size();
}

// A word this rare across a cut is no reason to doubt the cut.
constexpr uint32_t kDoubtfulCutFrequency = 100;

bool IsSingleHan(const Token& t) {
  return t.kind == TokenKind::kHan && CharCount(t.text) == 1;
}

}  // namespace

void Segmenter::SegmentInSlices(std::string_view text, size_t sliceBytes,
                                const std::function<void(const Token&)>& each) const {
  for (size_t pos = 0; pos < text.size();) {
    const size_t end =
        text.size() - pos > sliceBytes ? SliceEnd(text, pos + sliceBytes) : text.size();
    for (const Token& t : Segment(text.substr(pos, end - pos))) each(t);
    pos = end;
  }
}

std::vector<Token> Segmenter::Segment(std::string_view text) const {
  std::vector<Token> out;
  size_t pos = 0;
  while (pos < text.size()) {
    const CharAt c = Decode(text, pos);
    if (c.len == 0) {
      out.push_back({text.substr(pos, 1), TokenKind::kOther});
      ++pos;
      continue;
    }
    size_t end = pos + c.len;
    if (IsHanChar(c.ch)) {
      for (CharAt n; end < text.size() && (n = Decode(text, end)).len && IsHanChar(n.ch);) {
        end += n.len;
      }
      SegmentHan(text.substr(pos, end - pos), out);
    } else if (IsWordChar(c.ch)) {
      // Letters and digits with inner "." "," "'" "-" stay one token, so that
      // "3.14", "1,000", "don't" and "mp3" come through whole.
      bool letters = IsLatinLetter(c.ch);
      while (end < text.size()) {
        CharAt n = Decode(text, end);
        if (n.len && IsWordChar(n.ch)) {
          letters = letters || IsLatinLetter(n.ch);
          end += n.len;
          continue;
        }
        if (n.len && IsWordJoiner(n.ch)) {
          const CharAt after = Decode(text, end + 1);
          if (after.len && IsWordChar(after.ch)) {
            end += 1;
            continue;
          }
        }
        break;
      }
      out.push_back(
          {text.substr(pos, end - pos), letters ? TokenKind::kLatin : TokenKind::kNumber});
    } else if (IsSpaceChar(c.ch)) {
      for (CharAt n; end < text.size() && (n = Decode(text, end)).len && IsSpaceChar(n.ch);) {
        end += n.len;
      }
      out.push_back({text.substr(pos, end - pos), TokenKind::kSpace});
    } else {
      out.push_back({text.substr(pos, c.len), TokenKind::kOther});
    }
    pos = end;
  }
  return out;
}

bool Segmenter::MayBeCutWrongly(const std::vector<Token>& tokens, size_t i) const {
  const std::string_view w = tokens[i].text;
  if (tokens[i].kind != TokenKind::kHan || CharCount(w) < 2) return false;
  auto common = [&](std::string_view s) {
    const int32_t id = lexicon_.Find(s);
    return id != Lexicon::kNone && lexicon_.Frequency(id) >= kDoubtfulCutFrequency;
  };
  // Tokens lie side by side in the text, so a view may run across two.
  const size_t first = Decode(w, 0).len;
  size_t last = w.size() - 1;
  while (last > 0 && (static_cast<unsigned char>(w[last]) & 0xC0) == 0x80) --last;
  if (i + 1 < tokens.size() && IsSingleHan(tokens[i + 1])) {
    const std::string_view across(w.data() + last, w.size() - last + tokens[i + 1].text.size());
    if (common(across) && common(w.substr(0, last))) return true;
  }
  if (i > 0 && IsSingleHan(tokens[i - 1])) {
    const std::string_view before = tokens[i - 1].text;
    const std::string_view across(before.data(), before.size() + first);
    if (common(across) && common(w.substr(first))) return true;
  }
  return false;
}

std::vector<Token> Segmenter::CutGlosslessCompounds(std::vector<Token> tokens) const {
  auto hasSense = [&](int32_t w) { return lexicon_.GlossCount(w) > 0; };
  auto cuttable = [&](const Token& t) {
    if (t.kind != TokenKind::kHan || t.word == Lexicon::kNone || CharCount(t.text) < 4)
      return false;
    if (hasSense(t.word)) return false;
    return IsContentClass(lexicon_.Class(t.word));
  };
  std::vector<Token> out;
  std::vector<Token> parts;
  for (const Token& t : tokens) {
    if (cuttable(t)) {
      parts.clear();
      SegmentHan(t.text, parts, true);
      const bool whole = std::all_of(parts.begin(), parts.end(), [&](const Token& p) {
        return p.word != Lexicon::kNone && CharCount(p.text) >= 2 && hasSense(p.word);
      });
      if (parts.size() > 1 && whole) {
        out.insert(out.end(), parts.begin(), parts.end());
        continue;
      }
    }
    out.push_back(t);
  }
  return out;
}

void Segmenter::SegmentHan(std::string_view run, std::vector<Token>& out, bool wholeBarred) const {
  std::vector<size_t> starts;  // byte offset of each character, plus the end
  for (size_t pos = 0; pos < run.size();) {
    starts.push_back(pos);
    pos += Decode(run, pos).len;
  }
  const size_t n = starts.size();
  starts.push_back(run.size());

  const double logTotal =
      std::log(static_cast<double>(std::max<uint64_t>(lexicon_.TotalFrequency(), 1)));
  // best[i]: log probability of the best cut of characters i..n; next[i]: end of
  // the first word on that cut.
  std::vector<double> best(n + 1, 0.0);
  std::vector<size_t> next(n + 1, n);
  std::vector<int32_t> wordOf(n + 1, Lexicon::kNone);
  const size_t maxChars = static_cast<size_t>(std::max(lexicon_.MaxWordChars(), 1));
  for (size_t i = n; i-- > 0;) {
    best[i] = -INFINITY;
    lexicon_format::Hasher hash;
    for (size_t len = 1; len <= maxChars && i + len <= n; ++len) {
      const std::string_view piece = run.substr(starts[i], starts[i + len] - starts[i]);
      hash.Add(run.substr(starts[i + len - 1], starts[i + len] - starts[i + len - 1]));
      const uint64_t pieceHash = hash.Value();
      const int32_t id = lexicon_.Find(piece, pieceHash);
      const uint32_t freq = id == Lexicon::kNone ? 0 : lexicon_.Frequency(id);
      if ((freq > 0 || len == 1) && !(wholeBarred && i == 0 && len == n)) {
        const double score = std::log(std::max<double>(freq, 1.0)) - logTotal + best[i + len];
        if (score > best[i]) {
          best[i] = score;
          next[i] = i + len;
          wordOf[i] = id;
        }
      }
      // Most runs of characters start no word beyond a few characters.
      if (!lexicon_.MayLeadToLongerWord(pieceHash)) break;
    }
  }
  for (size_t i = 0; i < n; i = next[i]) {
    out.push_back({run.substr(starts[i], starts[next[i]] - starts[i]), TokenKind::kHan, wordOf[i]});
  }
}

}  // namespace lumora
