#pragma once
// The review page of a batch run: one self-contained HTML file (no scripts,
// no outside resources) with a summary table at the top and, for each file,
// the original and the rewrite side by side with the changed words marked,
// the share of content words changed and the fidelity result.

#include <optional>
#include <string>
#include <vector>

#include "translate/lexicon.h"
#include "translate/rewrite_score.h"

namespace lumora {

struct ReviewEntry {
  std::string file;                   // as named on the command line
  std::string source;                 // the article as read
  std::string result;                 // the rewrite between prefix and suffix
  std::optional<RewriteScore> score;  // none without a lexicon to measure with
  std::string error;                  // the error text of a file that failed
};

// The page's title, which also heads it: "Lumora 伪原创 · 改写报告（N 篇）".
std::string ReviewTitle(size_t files);

// The words are marked with the lexicon's segmenter when one is given.
std::string BuildReviewPage(const std::vector<ReviewEntry>& entries, const Lexicon* lexicon);

}  // namespace lumora
