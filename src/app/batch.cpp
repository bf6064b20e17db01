#include "app/batch.h"

#include <filesystem>
#include <iostream>
#include <iterator>

#include "app/batch_output.h"
#include "app/batch_progress.h"
#include "app/error_text.h"
#include "app/review_page.h"
#include "base/exception.h"
#include "base/stream.h"
#include "base/utf8.h"
#include "http/http_client.h"
#include "rewrite/round_trip.h"
#include "service/embedded_translation_service.h"
#include "service/translator_setup.h"
#include "translate/rewrite_score.h"

namespace lumora {

namespace {

// Measures each rewrite against its source and reports it on err.
class ScoreReporter {
 public:
  ScoreReporter(const BatchOptions& options, std::vector<std::string> terms)
      : json_(options.json), terms_(std::move(terms)) {
    const std::string path = FindDefaultLexicon();
    if (!path.empty()) lexicon_ = Lexicon::Load(path);
  }
  std::optional<RewriteScore> Report(const std::string& file, const std::string& source,
                                     const std::string& result, BatchProgress& progress) const {
    if (!lexicon_) return std::nullopt;
    const RewriteScore score = ScoreArticle(*lexicon_, source, result, terms_);
    progress.Line(json_ ? ScoreJson(file, score) : file + ": " + DescribeScore(score));
    return score;
  }
  const Lexicon* lexicon() const { return lexicon_.get(); }

 private:
  bool json_;
  std::shared_ptr<const Lexicon> lexicon_;
  std::vector<std::string> terms_;
};

std::string ReadInput(const std::string& file) {
  if (file == "-") return std::string(std::istreambuf_iterator<char>(std::cin), {});
  return ReadFileBytes(file);
}

std::string InputName(const std::string& file) {
  return file == "-" ? "standard input" : file;
}

// A rewrite that comes back empty means the service did not answer in the
// translation format; writing the frame alone would pass that off as a result.
void RefuseEmptyRewrite(const std::string& file, bool source_has_text,
                        const std::string& rewritten) {
  if (source_has_text && rewritten.empty())
    throw Exception(InputName(file) + ": the translation service returned no text");
}

// Writes prefix + rewrite + suffix without joining them: the rewrite may be
// as large as the article.
void WriteResult(const std::string& output_path, const BatchOptions& options,
                 const std::string& rewrite, std::ostream& out) {
  if (output_path.empty())
    WriteStreamChecked(out, {options.prefix, rewrite, options.suffix}, "standard output");
  else
    WriteFileWhole(output_path, {options.prefix, rewrite, options.suffix});
}

// Whether NormalizeArticle would give back the very same bytes.
bool IsNormalArticle(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    if (bytes[i] == '\n') return false;
    if (bytes[i] == '\r') {
      if (i + 1 >= bytes.size() || bytes[i + 1] != '\n') return false;
      i += 2;
      continue;
    }
    char32_t ch;
    size_t n = 0;
    // A pair of encoded surrogate halves is written back as one character.
    if (!DecodeUtf8Char(bytes, i, ch, n) || n > 4) return false;
    i += n;
  }
  return true;
}

}  // namespace

std::string NormalizeArticle(std::string bytes) {
  // Most articles are normal already; a large one is then not copied.
  if (IsNormalArticle(bytes)) return bytes;
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 16);
  for (size_t i = 0; i < bytes.size();) {
    char c = bytes[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
      continue;
    }
    char32_t ch;
    size_t n = 0;
    if (!DecodeUtf8Char(bytes, i, ch, n)) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else {
      AppendUtf8(out, ch);
      i += n;
    }
  }
  return out;
}

int RunBatch(const BatchOptions& options, const std::string& endpoint_url, std::ostream& out,
             std::ostream& err) {
  if (auto refusal = RefuseBatchOutputs(options)) {
    err << *refusal << std::endl;
    return 1;
  }
  const std::vector<std::string> output_paths = BatchOutputPaths(options);
  const std::vector<std::string> terms = LoadLockedTerms(options.keep_file);
  TPieceRewriter rewriter(endpoint_url,
                          {options.piece_bytes, options.piece_connections, options.line_breaks,
                           options.read_time_limit_ms, options.leg_time_limit_ms, terms});
  const ScoreReporter reporter(options, terms);
  int status = 0;
  if (options.out_dir) std::filesystem::create_directories(*options.out_dir);
  const size_t count = options.files.size();
  BatchProgress progress(err, count, options.progress_bar);
  std::vector<ReviewEntry> review;
  for (size_t n = 0; n < count; ++n) {
    const std::string& file = options.files[n];
    progress.Begin(n, file);
    ReviewEntry entry{InputName(file), {}, {}, {}, {}};
    try {
      entry.source = NormalizeArticle(ReadInput(file));
      entry.result = rewriter.Rewrite(entry.source, InputName(file));
      RefuseEmptyRewrite(file, HasText(entry.source), entry.result);
      WriteResult(output_paths[n], options, entry.result, out);
      entry.score = reporter.Report(file, entry.source, entry.result, progress);
    } catch (const std::exception& e) {
      entry.error = ErrorBoxText(e.what());
      progress.Line(entry.error);
      status = 1;
    }
    if (options.report) review.push_back(std::move(entry));
  }
  progress.Finish();
  if (options.report) {
    try {
      WriteFileWhole(*options.report, BuildReviewPage(review, reporter.lexicon()));
    } catch (const std::exception& e) {
      err << ErrorBoxText(e.what()) << std::endl;
      status = 1;
    }
  }
  return status;
}

}  // namespace lumora
