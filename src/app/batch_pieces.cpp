#include "app/batch_pieces.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "app/sentence_cuts.h"
#include "base/exception.h"
#include "rewrite/article_pieces.h"

namespace lumora {

bool HasText(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

namespace {

// A piece of an article as it goes to the service.
struct Piece {
  std::string_view text;
  // When a paragraph goes on in the next piece: the blanks at the cut, kept
  // out of the request and put back as they were.
  std::string_view blanks;
  bool joins_next = false;
};

// The blanks (and ideographic spaces) that end text.
size_t TrailingBlanks(std::string_view text) {
  constexpr std::string_view kIdeographicSpace = "\u3000";
  size_t end = text.size();
  while (end > 0) {
    if (text[end - 1] == ' ' || text[end - 1] == '\t') {
      --end;
    } else if (text.substr(0, end).ends_with(kIdeographicSpace)) {
      end -= kIdeographicSpace.size();
    } else {
      break;
    }
  }
  return text.size() - end;
}

// The line break that ends a piece, if any.
size_t TrailingBreak(std::string_view text) {
  if (text.ends_with("\r\n")) return 2;
  return text.ends_with('\n') || text.ends_with('\r') ? 1 : 0;
}

// Pieces after paragraphs; a paragraph longer than a piece is cut inside
// and its pieces are joined again without a break.
std::vector<Piece> CutArticle(std::string_view article, const PieceOptions& options) {
  std::vector<Piece> pieces;
  for (std::string_view piece : CutAtParagraphs(article, options.piece_bytes)) {
    const std::string_view paragraph = piece.substr(0, piece.size() - TrailingBreak(piece));
    if (piece.size() <= options.piece_bytes) {
      pieces.push_back({piece, {}, false});
      continue;
    }
    const std::vector<std::string_view> parts =
        CutParagraph(paragraph, options.piece_bytes, options.locked_terms);
    for (size_t n = 0; n + 1 < parts.size(); ++n) {
      const size_t blanks = TrailingBlanks(parts[n]);
      pieces.push_back({parts[n].substr(0, parts[n].size() - blanks),
                        parts[n].substr(parts[n].size() - blanks), true});
    }
    // The last part takes the paragraph's line break along.
    const size_t last = parts.empty() ? 0 : static_cast<size_t>(parts.back().data() - piece.data());
    pieces.push_back({piece.substr(last), {}, false});
  }
  // An empty article is still posted, as one request would be.
  if (pieces.empty()) pieces.push_back({article, {}, false});
  return pieces;
}

}  // namespace

// The pieces of one article and what became of each.
class TPieceRewriter::Run {
 public:
  Run(const TPieceRewriter& owner, const std::string& article, const std::string& name)
      : owner_(owner), pieces_(CutArticle(article, owner.options_)), name_(name) {
    results_.resize(pieces_.size());
    errors_.resize(pieces_.size());
  }

  std::string Rewrite(std::vector<std::unique_ptr<TNetHTTP>>& clients) {
    const size_t workers = std::min(pieces_.size(), clients.size());
    if (workers == 1) {
      Work(*clients.front());
    } else {
      std::vector<std::jthread> threads;
      for (size_t n = 0; n < workers; ++n)
        threads.emplace_back([this, &http = *clients[n]] { Work(http); });
    }
    for (const std::exception_ptr& error : errors_)
      if (error) std::rethrow_exception(error);
    return Join();
  }

 private:
  // Takes pieces in order until none is left or one has failed.
  void Work(TNetHTTP& http) {
    TRoundTripRewriter rewriter(http, owner_.endpoint_url_);
    rewriter.SetReadTimeLimit(owner_.options_.read_time_limit_ms);
    rewriter.SetLegTimeLimit(owner_.options_.leg_time_limit_ms);
    for (size_t index; !failed_ && (index = next_++) < pieces_.size();) {
      try {
        results_[index] = RewritePiece(rewriter, pieces_[index]);
      } catch (...) {
        errors_[index] = std::current_exception();
        failed_ = true;
      }
    }
  }

  std::string RewritePiece(TRoundTripRewriter& rewriter, const Piece& piece) const {
    if (piece.joins_next && piece.text.empty()) return std::string(piece.blanks);
    std::string result = rewriter.TranslateToChinese(rewriter.TranslateToEnglish(piece.text),
                                                     owner_.options_.line_breaks);
    // An empty rewrite means the service did not answer in the translation
    // format; the frame alone would pass that off as a result.
    if (result.empty() && HasText(piece.text))
      throw Exception(name_ + ": the translation service returned no text");
    if (piece.joins_next) {
      // The service ends every paragraph; this one goes on in the next piece.
      constexpr std::string_view kLineBreak = "<br />\r\n";
      if (owner_.options_.line_breaks && result.ends_with(kLineBreak))
        result.resize(result.size() - kLineBreak.size());
      result += piece.blanks;
    }
    return result;
  }

  // Each piece's memory is given back as soon as it is copied, so the
  // article's rewrite is held about once.
  std::string Join() {
    if (results_.size() == 1) return std::move(results_.front());
    size_t size = 0;
    for (const std::string& r : results_) size += r.size();
    std::string joined;
    joined.reserve(size);
    for (std::string& r : results_) {
      joined += r;
      std::string().swap(r);
    }
    return joined;
  }

  const TPieceRewriter& owner_;
  std::vector<Piece> pieces_;
  const std::string& name_;
  std::vector<std::string> results_;
  std::vector<std::exception_ptr> errors_;
  std::atomic<size_t> next_ = 0;
  std::atomic<bool> failed_ = false;
};

TPieceRewriter::TPieceRewriter(std::string endpoint_url, PieceOptions options)
    : endpoint_url_(std::move(endpoint_url)), options_(options) {
  const int count = std::max(options_.connections, 1);
  for (int n = 0; n < count; ++n) clients_.push_back(std::make_unique<TNetHTTP>());
}

TPieceRewriter::~TPieceRewriter() = default;

std::string TPieceRewriter::Rewrite(const std::string& article, const std::string& name) {
  return Run(*this, article, name).Rewrite(clients_);
}

}  // namespace lumora
