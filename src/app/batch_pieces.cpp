#include "app/batch_pieces.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "base/exception.h"
#include "rewrite/article_pieces.h"

namespace lumora {

bool HasText(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

// The pieces of one article and what became of each.
class TPieceRewriter::Run {
 public:
  Run(const TPieceRewriter& owner, const std::string& article, const std::string& name)
      : owner_(owner), pieces_(CutAtParagraphs(article, owner.options_.piece_bytes)), name_(name) {
    // An empty article is still posted, as one request would be.
    if (pieces_.empty()) pieces_.push_back(article);
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
        const std::string_view source = pieces_[index];
        std::string result = rewriter.TranslateToChinese(rewriter.TranslateToEnglish(source),
                                                         owner_.options_.line_breaks);
        // An empty rewrite means the service did not answer in the
        // translation format; the frame alone would pass that off as a result.
        if (result.empty() && HasText(source))
          throw Exception(name_ + ": the translation service returned no text");
        results_[index] = std::move(result);
      } catch (...) {
        errors_[index] = std::current_exception();
        failed_ = true;
      }
    }
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
  std::vector<std::string_view> pieces_;
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
