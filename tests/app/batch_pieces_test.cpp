// Batch mode's rewrite of long articles in pieces, against real services:
// the built-in one with the full lexicon, and one that takes small bodies only.
#include "app/batch_pieces.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <thread>

#include "app/batch.h"
#include "base/stream.h"
#include "rewrite/article_pieces.h"
#include "rewrite/rewrite_text.h"
#include "service/embedded_translation_service.h"
#include "service/guarded_server.h"
#include "service/translator_setup.h"
#include "small_service.h"
#include "support/scripted_peer.h"
#include "translate/fixture_lexicon.h"
#include "translate/rewrite_score.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

// The examples and the held-out articles of the source tree, CR LF between
// lines, as batch mode hands an article on.
std::string MediumArticle() {
  std::string article;
  for (const char* folder : {"examples", "bench/translate/held_out"}) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(LUMORA_TEST_SOURCE_DIR) / folder))
      if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) article += ReadFileBytes(file.string()) + "\n";
  }
  return NormalizeArticle(article);
}

// The translation server over the fixture lexicon (or another) with bodies
// of at most max_body_bytes, on a thread of its own.
class LimitedService {
 public:
  explicit LimitedService(size_t max_body_bytes,
                          std::shared_ptr<const Lexicon> lexicon = testing::FixtureLexicon(),
                          TranslatorOptions options = {}) {
    ServerLimits limits;
    limits.max_body_bytes = max_body_bytes;
    server_ = std::make_unique<TranslationServer>(std::move(lexicon), nullptr, limits,
                                                  std::move(options));
    port_ = server_->Bind("127.0.0.1", 0);
    thread_ = std::thread([this] { server_->Run(); });
  }
  ~LimitedService() {
    server_->Stop();
    thread_.join();
  }
  std::string Endpoint() const {
    return TranslationEndpointUrl("http://127.0.0.1:" + std::to_string(port_));
  }

 private:
  std::unique_ptr<TranslationServer> server_;
  int port_ = 0;
  std::thread thread_;
};

std::string OneRequest(const std::string& endpoint, const std::string& article, bool line_breaks) {
  TNetHTTP http;
  TRoundTripRewriter rewriter(http, endpoint);
  return rewriter.TranslateToChinese(rewriter.TranslateToEnglish(article), line_breaks);
}

class BatchPieces : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("lumora_pieces_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "in");
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Batch mode on one article written to a file; the output file's bytes,
  // empty when none was written.
  int Run(BatchOptions options, const std::string& article, const std::string& endpoint,
          std::string& output, std::string& errors) {
    const fs::path input = dir_ / "in" / "article.txt";
    WriteFileBytes(input.string(), article);
    options.files = {input.string()};
    options.out_dir = (dir_ / "out").string();
    std::ostringstream out, err;
    const int status = RunBatch(options, endpoint, out, err);
    errors = err.str();
    const fs::path result = dir_ / "out" / "article.txt";
    output = fs::exists(result) ? ReadFileBytes(result.string()) : "";
    return status;
  }

  fs::path dir_;
};

TEST_F(BatchPieces, AMediumArticleInPiecesIsTheOneRequestRewriteByteForByte) {
  const std::string lexicon = FindDefaultLexicon();
  if (lexicon.empty()) GTEST_SKIP() << "the build has no lexicon";
  auto service =
      EmbeddedTranslationService::Start(lexicon, LoadTranslatorOptions(Strength::kNormal, {}));
  const std::string endpoint = TranslationEndpointUrl(service->BaseUrl());
  const std::string article = MediumArticle();
  BatchOptions options;
  options.piece_bytes = 3000;
  options.piece_connections = 3;
  ASSERT_GT(CutAtParagraphs(article, options.piece_bytes).size(), 5u);
  for (bool line_breaks : {true, false}) {
    options.line_breaks = line_breaks;
    std::string output, errors;
    ASSERT_EQ(Run(options, article, endpoint, output, errors), 0) << errors;
    EXPECT_EQ(output, options.prefix + OneRequest(endpoint, article, line_breaks) + options.suffix)
        << "line breaks " << line_breaks;
  }
}

TEST_F(BatchPieces, AnArticleTooLargeForOneBodyGoesThroughInPieces) {
  // Paragraphs of the fixture words, far more than one 64 KiB body holds
  // once escaped.
  std::string article;
  for (int n = 0; article.size() < 100 * 1024; ++n)
    article += "第" + std::to_string(n) + "篇：我们改善生活的研究。北京的银行不断增加。\r\n";
  LimitedService limited(64 * 1024);
  auto unlimited = EmbeddedTranslationService::Start(testing::FixtureLexicon());
  const std::string expected =
      OneRequest(TranslationEndpointUrl(unlimited->BaseUrl()), article, true);
  BatchOptions options;
  options.piece_bytes = 8 * 1024;
  std::string output, errors;
  ASSERT_EQ(Run(options, article, limited.Endpoint(), output, errors), 0) << errors;
  EXPECT_EQ(output, options.prefix + expected + options.suffix);
}

#ifdef __SANITIZE_ADDRESS__
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// The example articles as one paragraph of about size bytes.
std::string OneParagraph(size_t size) {
  std::string sentences;
  for (char c : MediumArticle())
    if (c != '\r' && c != '\n') sentences += c;
  std::string paragraph;
  paragraph.reserve(size + sentences.size());
  while (paragraph.size() < size) paragraph += sentences;
  return paragraph;
}

// The paragraphs of a result, each ending in "<br />" CR LF.
std::vector<std::string_view> ResultParagraphs(std::string_view result) {
  std::vector<std::string_view> paragraphs;
  for (size_t start = 0, end; (end = result.find("\r\n", start)) != std::string_view::npos;
       start = end + 2)
    paragraphs.push_back(result.substr(start, end - start));
  return paragraphs;
}

TEST_F(BatchPieces, AParagraphLargerThanTheServiceTakesComesBackAsOneParagraph) {
  BatchOptions options;
  std::unique_ptr<EmbeddedTranslationService> builtin;
  std::unique_ptr<LimitedService> limited;
  std::string endpoint;
  size_t size = 0, limit = 0;
  if (kSanitized) {
    // The sanitizers make the full size take twenty minutes: the same case
    // at a fortieth, against a service that takes a third of it.
    size = 512 << 10;
    limit = size;
    options.piece_bytes = 32 << 10;
    limited = std::make_unique<LimitedService>(limit);
    endpoint = limited->Endpoint();
  } else {
    // About 20 MB of Chinese escapes to well over the built-in service's 32 MiB.
    size = 20 << 20;
    limit = ServerLimits{}.max_body_bytes;
    builtin = EmbeddedTranslationService::Start(testing::FixtureLexicon());
    endpoint = TranslationEndpointUrl(builtin->BaseUrl());
  }
  const std::string paragraph = OneParagraph(size);
  ASSERT_GT(PercentEncode(paragraph.substr(0, size / 20)).size() * 20, limit);
  std::string output, errors;
  ASSERT_EQ(Run(options, paragraph + "\r\n", endpoint, output, errors), 0) << errors;
  ASSERT_TRUE(output.starts_with(options.prefix) && output.ends_with(options.suffix));
  const std::string_view result(output.data() + options.prefix.size(),
                                output.size() - options.prefix.size() - options.suffix.size());
  const std::vector<std::string_view> paragraphs = ResultParagraphs(result);
  ASSERT_EQ(paragraphs.size(), 1u);
  EXPECT_TRUE(paragraphs[0].ends_with("<br />"));
  EXPECT_EQ(paragraphs[0].find('\n'), std::string_view::npos);
  EXPECT_EQ(paragraphs[0].find("<br />"), paragraphs[0].size() - 6);
  // The few fixture words change; the rest of the paragraph comes back.
  EXPECT_GT(paragraphs[0].size(), paragraph.size() * 9 / 10);
  EXPECT_LT(paragraphs[0].size(), paragraph.size() * 11 / 10);
}

TEST_F(BatchPieces, ACutParagraphIsTheOneRequestRewriteWithItsBlanksAndBreaks) {
  // Sentences the fixture translator rewrites without looking across them:
  // cut small, their rewrites join to what one request gives, with the
  // blanks at each cut and every line break where it was.
  const std::string sentences =
      "我们改善生活的研究。  Prices rose 3.5% to 1,200 yuan! 北京的银行，研究生命？\u3000"
      "See <a href=\"http://ex.com/a?b=1\">北京</a> or mail me@ex.com; 和尚未结婚。";
  std::string article = "第一段：我们的研究。\r\n";
  for (int n = 0; n < 30; ++n) article += sentences;
  article += "\r\n\r\n尾段：改善生活。\r\n";
  LimitedService limited(4 * 1024);
  auto unlimited = EmbeddedTranslationService::Start(testing::FixtureLexicon());
  BatchOptions options;
  options.piece_bytes = 40;
  options.piece_connections = 3;
  for (bool line_breaks : {true, false}) {
    options.line_breaks = line_breaks;
    std::string output, errors;
    ASSERT_EQ(Run(options, article, limited.Endpoint(), output, errors), 0) << errors;
    EXPECT_EQ(output,
              options.prefix +
                  OneRequest(TranslationEndpointUrl(unlimited->BaseUrl()), article, line_breaks) +
                  options.suffix)
        << "line breaks " << line_breaks;
  }
}

TEST_F(BatchPieces, AMediumParagraphInSmallPiecesKeepsNumbersLatinMarkupAndLockedTerms) {
  const std::string lexicon = FindDefaultLexicon();
  if (lexicon.empty()) GTEST_SKIP() << "the build has no lexicon";
  const fs::path keep = dir_ / "keep.txt";
  WriteFileBytes(keep.string(), "经济增长\n");
  const std::string marked =
      "据<b>新华社</b>报道，2024年第3季度GDP增长4.9%，经济增长明显。"
      "详情见https://example.com/report?id=12&y=2024，或写信给press@example.org。"
      "Apple和Microsoft的销售额分别为1,234.5亿元和987亿元！";
  std::string paragraph = OneParagraph(6000);
  for (int n = 0; n < 8; ++n) paragraph += marked + OneParagraph(1500);
  // Pieces of 700 bytes fit the service's 4 KiB bodies; the paragraph does not.
  LimitedService limited(4 * 1024, Lexicon::Load(lexicon),
                         LoadTranslatorOptions(Strength::kNormal, keep.string()));
  BatchOptions options;
  options.keep_file = keep.string();
  options.piece_bytes = 700;
  std::string output, errors;
  ASSERT_EQ(Run(options, paragraph, limited.Endpoint(), output, errors), 0) << errors;
  const std::string result = output.substr(
      options.prefix.size(), output.size() - options.prefix.size() - options.suffix.size());
  ASSERT_EQ(ResultParagraphs(result).size(), 1u);
  const RewriteScore score = ScoreArticle(*Lexicon::Load(lexicon), paragraph, result, {"经济增长"});
  EXPECT_EQ(score.paragraphsIn, score.paragraphsOut);
  EXPECT_EQ(score.numberFaults, 0u);
  EXPECT_EQ(score.latinFaults, 0u);
  EXPECT_EQ(score.markupFaults, 0u);
  EXPECT_EQ(score.lockedFaults, 0u);
  EXPECT_GT(score.changedWords, 0u);
}

TEST_F(BatchPieces, OnePieceTheServiceRefusesFailsTheWholeFile) {
  // One paragraph larger than a piece goes alone and is too large for the
  // service; the pieces around it, in flight beside it, are good.
  std::string article;
  for (int n = 0; n < 400; ++n) article += "我们改善生活的研究。\r\n";
  article += std::string(80 * 1024, 'x') + "\r\n" + article;
  LimitedService limited(64 * 1024);
  BatchOptions options;
  options.piece_bytes = 2 * 1024;
  options.piece_connections = 4;
  std::string output, errors;
  EXPECT_EQ(Run(options, article, limited.Endpoint(), output, errors), 1);
  // A 413, or a reset when the service closes before reading the body.
  EXPECT_NE(errors, "");
  EXPECT_EQ(output, "");
  EXPECT_FALSE(fs::exists(dir_ / "out" / "article.txt"));
}

TEST_F(BatchPieces, APieceWhoseRewriteComesBackEmptyFailsTheFile) {
  // The first piece is rewritten, the second comes back as no translation:
  // the joined text would not be empty, but it would have lost a piece.
  const auto answer = [](const std::string& xml) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(xml.size()) + "\r\n\r\n" + xml;
  };
  const std::string text = answer("<r><tgt><![CDATA[life]]></tgt></r>");
  ScriptedPeer peer({PeerExchange::Http(text, PeerAction::kClose),
                     PeerExchange::Http(text, PeerAction::kClose),
                     PeerExchange::Http(text, PeerAction::kClose),
                     PeerExchange::Http(answer("<r/>"), PeerAction::kClose)});
  BatchOptions options;
  options.piece_bytes = 8;
  options.piece_connections = 1;
  std::string output, errors;
  EXPECT_EQ(Run(options, "生活\r\n质量\r\n",
                TranslationEndpointUrl("http://127.0.0.1:" + std::to_string(peer.Port())), output,
                errors),
            1);
  EXPECT_EQ(errors, (dir_ / "in" / "article.txt").string() +
                        ": the translation service returned no text.\n");
  EXPECT_FALSE(fs::exists(dir_ / "out" / "article.txt"));
}

}  // namespace
}  // namespace lumora
