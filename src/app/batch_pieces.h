#pragma once
// Batch mode's rewrite of articles of any size: pieces cut at paragraph
// boundaries go to the service a few at a time, each on a connection of its
// own, and the rewritten pieces are joined in order. Each piece is well under
// what the service accepts in one body, and the result is the one a single
// request for the whole article gives. A paragraph longer than a piece is cut
// after its sentences and comes back as one paragraph.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "http/http_client.h"
#include "rewrite/round_trip.h"

namespace lumora {

struct PieceOptions {
  // The text of one piece, in bytes of UTF-8: about 3 MiB of body for Chinese.
  size_t piece_bytes = size_t{1} << 20;
  int connections = 4;  // pieces in flight at once
  bool line_breaks = true;
  int read_time_limit_ms = TRoundTripRewriter::kReadTimeoutMs;  // base limits of each leg
  int leg_time_limit_ms = TRoundTripRewriter::kLegTimeLimitMs;
  // Never cut inside one of these when a paragraph is cut.
  std::vector<std::string> locked_terms;
};

class TPieceRewriter {
 public:
  TPieceRewriter(std::string endpoint_url, PieceOptions options);
  ~TPieceRewriter();

  // Both legs of every piece of article; the joined rewrite, or the
  // exception of the first failing piece in article order. A piece with text
  // whose rewrite comes back empty fails with an Exception naming name.
  std::string Rewrite(const std::string& article, const std::string& name);

 private:
  class Run;

  const std::string endpoint_url_;
  const PieceOptions options_;
  // One client per connection, kept from article to article as one client
  // would be, with its cookies.
  std::vector<std::unique_ptr<TNetHTTP>> clients_;
};

// Whether a text holds anything but blanks and line breaks.
bool HasText(std::string_view text);

}  // namespace lumora
