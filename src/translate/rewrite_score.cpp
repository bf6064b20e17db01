#include "translate/rewrite_score.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>

#include "translate/protected_spans.h"
#include "translate/segmenter.h"
#include "translate/synonym_rules.h"
#include "translate/utf8.h"

namespace lumora {

namespace {

// A paragraph is segmented this much at a time: all the tokens of one of many
// megabytes took several times its size.
constexpr size_t kScoreSliceBytes = 64 * 1024;

// 别 counts as a word of its own only: alone in text the lexicon does not
// know it is mostly part of a name or a word it lacks.
size_t Negations(const Token& t) {
  return t.word == Lexicon::kNone && t.text == "别" ? 0 : NegationCount(t.text);
}

using Counts = std::map<std::string, int>;

size_t Difference(const Counts& a, const Counts& b) {
  Counts all = a;
  for (const auto& [k, v] : b) all[k] -= v;
  size_t faults = 0;
  for (const auto& [k, v] : all) faults += static_cast<size_t>(std::abs(v));
  return faults;
}

Counts MarkupOf(std::string_view text) {
  Counts out;
  for (const auto& [b, e] : FindMarkup(text)) ++out[std::string(text.substr(b, e - b))];
  return out;
}

Counts TermsOf(std::string_view text, const std::vector<std::string>& terms) {
  Counts out;
  for (const std::string& t : terms) {
    if (t.empty()) continue;
    for (size_t at = text.find(t); at != std::string_view::npos; at = text.find(t, at + t.size())) {
      ++out[t];
    }
  }
  return out;
}

}  // namespace

namespace {

// Matches a[ab, ae) against b[bb, be) by a longest common subsequence,
// writing b's positions into match; its table is one block of
// (ae - ab + 1) * (be - bb + 1) counters.
void MatchExactly(const std::u32string& a, size_t ab, size_t ae, const std::u32string& b, size_t bb,
                  size_t be, std::vector<int>& match) {
  const size_t n = ae - ab, m = be - bb;
  const size_t width = m + 1;
  std::vector<uint32_t> cells((n + 1) * width, 0);
  auto table = [&](size_t i, size_t j) -> uint32_t& { return cells[i * width + j]; };
  for (size_t i = n; i-- > 0;) {
    for (size_t j = m; j-- > 0;) {
      table(i, j) = a[ab + i] == b[bb + j] ? table(i + 1, j + 1) + 1
                                           : std::max(table(i + 1, j), table(i, j + 1));
    }
  }
  for (size_t i = 0, j = 0; i < n && j < m;) {
    if (a[ab + i] == b[bb + j]) {
      match[ab + i] = static_cast<int>(bb + j);
      ++i;
      ++j;
    } else if (table(i + 1, j) >= table(i, j + 1)) {
      ++i;
    } else {
      ++j;
    }
  }
}

// Paragraphs up to about 2,000 characters are matched exactly; longer ones
// would need a table of their product (a 1 MB paragraph: hundreds of GB).
constexpr size_t kExactCells = size_t{1} << 22;
constexpr size_t kWindow = 512;

}  // namespace

std::vector<int> MatchChars(const std::u32string& a, const std::u32string& b) {
  const size_t n = a.size(), m = b.size();
  std::vector<int> match(n, -1);
  if ((n + 1) * (m + 1) <= kExactCells) {
    MatchExactly(a, 0, n, b, 0, m, match);
    return match;
  }
  // Windows of a against the stretch of b where its rewrite should lie, with
  // room either side; only the first half of each window's matches is kept,
  // the rest is matched again with what follows, so no window edge decides.
  std::vector<int> window(n, -1);
  size_t i = 0, j = 0;
  while (i < n && j < m) {
    const size_t ae = std::min(n, i + kWindow);
    const double ratio = static_cast<double>(m - j) / static_cast<double>(n - i);
    // A rewrite far longer than its source is not followed past a few
    // windows' length, which keeps each table small.
    const double stretch = std::min(static_cast<double>(ae - i) * ratio, 8.0 * kWindow);
    const size_t be = std::min(m, j + static_cast<size_t>(stretch) + kWindow / 2);
    std::fill(window.begin() + static_cast<std::ptrdiff_t>(i),
              window.begin() + static_cast<std::ptrdiff_t>(ae), -1);
    MatchExactly(a, i, ae, b, j, be, window);
    const size_t keep = ae == n ? n : i + kWindow / 2;
    size_t next_j = j;
    bool matched = false;
    for (size_t k = i; k < keep; ++k) {
      match[k] = window[k];
      if (window[k] >= 0) {
        next_j = static_cast<size_t>(window[k]) + 1;
        matched = true;
      }
    }
    if (!matched) next_j = std::min(m, j + static_cast<size_t>((keep - i) * ratio));
    i = keep;
    j = next_j;
  }
  return match;
}

std::vector<bool> CommonChars(const std::u32string& a, const std::u32string& b) {
  const std::vector<int> match = MatchChars(a, b);
  std::vector<bool> kept(match.size());
  for (size_t i = 0; i < match.size(); ++i) kept[i] = match[i] >= 0;
  return kept;
}

std::vector<std::string_view> ArticleParagraphs(std::string_view text, bool dropBreakTags) {
  std::vector<std::string_view> out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (dropBreakTags && line.ends_with("<br />")) line.remove_suffix(6);
    if (line.find_first_not_of(" \t") != std::string_view::npos) out.push_back(line);
    pos = end + 1;
  }
  return out;
}

void RewriteScore::Add(const RewriteScore& o) {
  contentWords += o.contentWords;
  changedWords += o.changedWords;
  paragraphsIn += o.paragraphsIn;
  paragraphsOut += o.paragraphsOut;
  numberFaults += o.numberFaults;
  latinFaults += o.latinFaults;
  negationFaults += o.negationFaults;
  lockedFaults += o.lockedFaults;
  markupFaults += o.markupFaults;
}

void ScoreParagraph(const Lexicon& lexicon, std::string_view source, std::string_view result,
                    const std::vector<std::string>& lockedTerms, RewriteScore& score) {
  Segmenter segmenter(lexicon);
  const std::u32string in = DecodeUtf8(source);
  const std::vector<bool> kept = CommonChars(in, DecodeUtf8(result));
  Counts numbersIn, numbersOut, latinIn, latinOut;
  size_t negIn = 0, negOut = 0;
  size_t charAt = 0;
  segmenter.SegmentInSlices(source, kScoreSliceBytes, [&](const Token& t) {
    const size_t n = CharCount(t.text);
    if (t.kind == TokenKind::kHan && t.word != Lexicon::kNone &&
        IsContentClass(lexicon.Class(t.word))) {
      ++score.contentWords;
      bool same = true;
      for (size_t i = charAt; i < charAt + n && i < kept.size(); ++i) same = same && kept[i];
      score.changedWords += !same;
    }
    if (t.kind == TokenKind::kNumber) ++numbersIn[std::string(t.text)];
    if (t.kind == TokenKind::kLatin) ++latinIn[std::string(t.text)];
    if (t.kind == TokenKind::kHan) negIn += Negations(t);
    charAt += n;
  });
  segmenter.SegmentInSlices(result, kScoreSliceBytes, [&](const Token& t) {
    if (t.kind == TokenKind::kNumber) ++numbersOut[std::string(t.text)];
    if (t.kind == TokenKind::kLatin) ++latinOut[std::string(t.text)];
    if (t.kind == TokenKind::kHan) negOut += Negations(t);
  });
  score.numberFaults += Difference(numbersIn, numbersOut);
  score.latinFaults += Difference(latinIn, latinOut);
  score.negationFaults += negIn > negOut ? negIn - negOut : negOut - negIn;
  score.lockedFaults += Difference(TermsOf(source, lockedTerms), TermsOf(result, lockedTerms));
  score.markupFaults += Difference(MarkupOf(source), MarkupOf(result));
}

RewriteScore ScoreArticle(const Lexicon& lexicon, std::string_view source, std::string_view result,
                          const std::vector<std::string>& lockedTerms) {
  const auto in = ArticleParagraphs(source, false);
  const auto out = ArticleParagraphs(result, true);
  RewriteScore score;
  score.paragraphsIn = in.size();
  score.paragraphsOut = out.size();
  for (size_t p = 0; p < in.size() && p < out.size(); ++p) {
    ScoreParagraph(lexicon, in[p], out[p], lockedTerms, score);
  }
  return score;
}

std::string DescribeScore(const RewriteScore& s) {
  char head[96];
  std::snprintf(head, sizeof head, "changed %.1f%% of %zu content words; ", 100 * s.ChangedShare(),
                s.contentWords);
  std::string out = head;
  if (s.Faithful()) {
    return out + "kept paragraphs, numbers, Latin words, negations, locked terms and markup";
  }
  std::vector<std::string> faults;
  if (s.paragraphsIn != s.paragraphsOut) {
    faults.push_back(std::to_string(s.paragraphsOut) + " paragraphs for " +
                     std::to_string(s.paragraphsIn));
  }
  auto add = [&](size_t n, const char* what) {
    if (n) faults.push_back(std::to_string(n) + " " + what);
  };
  add(s.numberFaults, "numbers");
  add(s.latinFaults, "Latin words");
  add(s.negationFaults, "negations");
  add(s.lockedFaults, "locked terms");
  add(s.markupFaults, "markup");
  out += "NEEDS A LOOK: lost or added ";
  for (size_t i = 0; i < faults.size(); ++i) out += (i ? ", " : "") + faults[i];
  return out;
}

std::string ScoreJson(std::string_view file, const RewriteScore& s) {
  std::string name;
  for (const char c : file) {
    if (c == '"' || c == '\\') {
      name += '\\';
      name += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", c);
      name += esc;
    } else {
      name += c;
    }
  }
  char body[512];
  std::snprintf(body, sizeof body,
                "\"content_words\":%zu,\"changed_words\":%zu,\"changed_share\":%.4f,"
                "\"paragraphs_in\":%zu,\"paragraphs_out\":%zu,\"number_faults\":%zu,"
                "\"latin_faults\":%zu,\"negation_faults\":%zu,\"locked_faults\":%zu,"
                "\"markup_faults\":%zu,\"faithful\":%s",
                s.contentWords, s.changedWords, s.ChangedShare(), s.paragraphsIn, s.paragraphsOut,
                s.numberFaults, s.latinFaults, s.negationFaults, s.lockedFaults, s.markupFaults,
                s.Faithful() ? "true" : "false");
  return "{\"file\":\"" + name + "\"," + body + "}";
}

}  // namespace lumora
