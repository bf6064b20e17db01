#pragma once
// Batch mode: rewrites files without a window, prefix + rewritten article +
// suffix for each, with the same error texts as the error box.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/batch_pieces.h"
#include "rewrite/round_trip.h"
#include "translate/translator.h"

namespace lumora {

struct BatchOptions {
  std::vector<std::string> files;  // "-" is standard input
  std::optional<std::string> out_dir;
  std::string prefix = "本站讯：";
  std::string suffix = "本站记者：XXX";
  bool line_breaks = true;
  Strength strength = Strength::kNormal;
  std::optional<std::string> keep_file;  // none: the user's keep.txt if any
  bool json = false;                     // the score per file as JSON on stderr
  std::optional<std::string> report;     // the review page to write at the end
  bool progress_bar = false;             // standard error is a terminal
  // Base limits of each translation leg; they grow with the request's body.
  int leg_time_limit_ms = TRoundTripRewriter::kLegTimeLimitMs;
  int read_time_limit_ms = TRoundTripRewriter::kReadTimeoutMs;
  // A long article goes in pieces of about this many bytes, this many at once.
  size_t piece_bytes = PieceOptions{}.piece_bytes;
  int piece_connections = PieceOptions{}.connections;
};

// Rewrites every file through the endpoint; one failing file does not stop
// the others, and each gets its score on err (when a lexicon is at hand to
// measure with). Returns 0, or 1 when any file failed.
int RunBatch(const BatchOptions& options, const std::string& endpoint_url, std::ostream& out,
             std::ostream& err);

// Article text as the window would hand it over: valid UTF-8 (bad bytes
// become U+FFFD) with CR LF line ends.
std::string NormalizeArticle(std::string bytes);

}  // namespace lumora
