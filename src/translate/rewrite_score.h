#pragma once
// How a rewrite compares with its source: the share of content words that
// changed, and whether it kept what must never change (paragraphs, numbers,
// Latin words, negations, locked terms, markup). Batch mode prints it per
// file; the benchmarks add it up.

#include <string>
#include <string_view>
#include <vector>

#include "translate/lexicon.h"

namespace lumora {

struct RewriteScore {
  size_t contentWords = 0;
  size_t changedWords = 0;
  size_t paragraphsIn = 0;
  size_t paragraphsOut = 0;
  size_t numberFaults = 0;    // numbers lost or added
  size_t latinFaults = 0;     // Latin words lost or added
  size_t negationFaults = 0;  // negation characters lost or added
  size_t lockedFaults = 0;    // locked terms lost or added
  size_t markupFaults = 0;    // tags, URLs, e-mail addresses lost, added or altered

  double ChangedShare() const {
    return contentWords ? static_cast<double>(changedWords) / contentWords : 0;
  }
  bool Faithful() const {
    return paragraphsIn == paragraphsOut &&
           numberFaults + latinFaults + negationFaults + lockedFaults + markupFaults == 0;
  }
  void Add(const RewriteScore& other);
};

// Compares one paragraph with its rewrite and adds to score; paragraphs are
// counted by the caller.
void ScoreParagraph(const Lexicon& lexicon, std::string_view source, std::string_view result,
                    const std::vector<std::string>& lockedTerms, RewriteScore& score);

// Compares whole articles: paragraphs are their non-blank lines, a "<br />"
// ending a line of the result is not part of it.
RewriteScore ScoreArticle(const Lexicon& lexicon, std::string_view source, std::string_view result,
                          const std::vector<std::string>& lockedTerms);

// The paragraphs of an article: its non-blank lines; with dropBreakTags a
// "<br />" ending a line is not part of it.
std::vector<std::string_view> ArticleParagraphs(std::string_view text, bool dropBreakTags);

// For each character of a, the position in b of the same character in a
// longest common subsequence of the two, or -1: what a rewrite kept, and
// where. Exact up to a few million character pairs; longer paragraphs are
// matched window by window in memory and time linear in their length.
std::vector<int> MatchChars(const std::u32string& a, const std::u32string& b);
// For each character of a, whether MatchChars found it in b.
std::vector<bool> CommonChars(const std::u32string& a, const std::u32string& b);

// "changed 34.5% of 120 content words; kept numbers, Latin words, ..." or the
// faults found.
std::string DescribeScore(const RewriteScore& score);
// One JSON object on one line, with the file name.
std::string ScoreJson(std::string_view file, const RewriteScore& score);

}  // namespace lumora
