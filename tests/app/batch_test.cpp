#include "app/batch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/batch_output.h"
#include "app/command_line.h"
#include "app/error_text.h"
#include "base/stream.h"
#include "small_service.h"
#include "support/expect_raises.h"
#include "support/scripted_peer.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

class Batch : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("lumora_batch_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "in");
    service_ = testing::StartSmallService();
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Input(const std::string& name, const std::string& text) {
    std::string path = (dir_ / "in" / name).string();
    WriteFileBytes(path, text);
    return path;
  }
  fs::path dir_;
  std::unique_ptr<EmbeddedTranslationService> service_;
};

TEST_F(Batch, RewritesOneFileToStandardOutput) {
  BatchOptions options;
  options.files = {Input("a.txt", "改善生活质量")};
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(options, testing::SmallServiceEndpoint(*service_), out, err), 0);
  const std::string text = out.str();
  EXPECT_EQ(text.rfind("本站讯：", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - std::string("本站记者：XXX").size()), "本站记者：XXX");
  EXPECT_NE(text.find("<br />\r\n"), std::string::npos);
  EXPECT_NE(text.find("提高"), std::string::npos) << text;
  // The score: 改善 changed, 生活 and 质量 (if the lexicon calls them content
  // words) kept, nothing lost.
  EXPECT_EQ(err.str().rfind(options.files[0] + ": changed ", 0), 0u) << err.str();
  EXPECT_NE(err.str().find(
                "; kept paragraphs, numbers, Latin words, negations, locked terms and markup\n"),
            std::string::npos)
      << err.str();
}

TEST_F(Batch, ScoreAsJsonFlagsALostLockedTerm) {
  BatchOptions options;
  // The small service knows nothing of the locked term, so 改善 is rewritten
  // and the score says the term was lost.
  const std::string keep = Input("keep.txt", "改善\n");
  options.keep_file = keep;
  options.json = true;
  options.files = {Input("a.txt", "改善生活质量，共3项")};
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(options, testing::SmallServiceEndpoint(*service_), out, err), 0);
  const std::string json = err.str();
  EXPECT_EQ(json.rfind("{\"file\":\"" + options.files[0] + "\",", 0), 0u) << json;
  EXPECT_NE(json.find("\"locked_faults\":1,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"number_faults\":0,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"faithful\":false}\n"), std::string::npos) << json;
}

TEST_F(Batch, AnUnreadableKeepFileIsAnErrorNamingIt) {
  BatchOptions options;
  options.keep_file = (dir_ / "no-such-keep.txt").string();
  options.files = {Input("a.txt", "生活")};
  std::ostringstream out, err;
  EXPECT_RAISES(Exception, ::testing::HasSubstr("no-such-keep.txt"),
                RunBatch(options, testing::SmallServiceEndpoint(*service_), out, err));
}

TEST_F(Batch, AnEmojiSurvivesTheRoundTripWhole) {
  BatchOptions options;
  options.files = {Input("a.txt", "生活\xF0\x9F\x98\x80质量")};
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(options, testing::SmallServiceEndpoint(*service_), out, err), 0);
  EXPECT_NE(out.str().find("\xF0\x9F\x98\x80"), std::string::npos) << out.str();
  EXPECT_EQ(out.str().find("?"), std::string::npos) << out.str();
}

TEST_F(Batch, OptionsChangeTheFrameAndTheLineBreaks) {
  BatchOptions options;
  options.files = {Input("a.txt", "生活")};
  options.prefix = "[";
  options.suffix = "]";
  options.line_breaks = false;
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(options, testing::SmallServiceEndpoint(*service_), out, err), 0);
  EXPECT_EQ(out.str().front(), '[');
  EXPECT_EQ(out.str().back(), ']');
  EXPECT_EQ(out.str().find("<br />"), std::string::npos);
}

TEST_F(Batch, SeveralFilesGoToTheOutputFolderWithProgress) {
  BatchOptions options;
  options.files = {Input("one.txt", "生活"), Input("two.txt", "质量")};
  options.out_dir = (dir_ / "out").string();
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(options, testing::SmallServiceEndpoint(*service_), out, err), 0);
  EXPECT_EQ(out.str(), "");
  EXPECT_TRUE(fs::exists(dir_ / "out" / "one.txt"));
  EXPECT_TRUE(fs::exists(dir_ / "out" / "two.txt"));
  EXPECT_NE(err.str().find("[1/2] "), std::string::npos);
  EXPECT_NE(err.str().find("[2/2] "), std::string::npos);
}

TEST_F(Batch, AMissingFileFailsAloneAndTheOthersAreDone) {
  BatchOptions options;
  options.files = {(dir_ / "in" / "missing.txt").string(), Input("ok.txt", "生活")};
  options.out_dir = (dir_ / "out").string();
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(options, testing::SmallServiceEndpoint(*service_), out, err), 1);
  EXPECT_TRUE(fs::exists(dir_ / "out" / "ok.txt"));
  EXPECT_NE(err.str().find("Cannot open file"), std::string::npos);
}

TEST_F(Batch, RefusedServiceGivesTheSocketErrorText) {
  RefusedPort refused;
  BatchOptions options;
  options.files = {Input("a.txt", "生活")};
  std::ostringstream out, err;
  std::string endpoint =
      TranslationEndpointUrl("http://127.0.0.1:" + std::to_string(refused.Port()));
  EXPECT_EQ(RunBatch(options, endpoint, out, err), 1);
  EXPECT_EQ(err.str(), "Socket Error # 10061\r\nConnection refused.\n");
  EXPECT_EQ(out.str(), "");
}

TEST_F(Batch, AmpersandAndEqualsSignComeBackWhole) {
  BatchOptions options;
  options.files = {Input("a.txt", "价格=100元&数量=5件，生活。")};
  options.prefix = "";
  options.suffix = "";
  options.line_breaks = false;
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(options, testing::SmallServiceEndpoint(*service_), out, err), 0) << err.str();
  EXPECT_NE(out.str().find("=100"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("&"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("=5"), std::string::npos) << out.str();
}

TEST_F(Batch, RefusesToWriteOverAnInput) {
  BatchOptions options;
  options.files = {Input("a.txt", "生活")};
  options.out_dir = (dir_ / "in").string();
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(options, testing::SmallServiceEndpoint(*service_), out, err), 1);
  EXPECT_NE(err.str().find("Refusing to write over the input"), std::string::npos) << err.str();
  EXPECT_EQ(ReadFileBytes((dir_ / "in" / "a.txt").string()), "生活");
}

TEST_F(Batch, RefusesTwoOutputsOfOneNameBeforeWritingAny) {
  fs::create_directories(dir_ / "in" / "x");
  fs::create_directories(dir_ / "in" / "y");
  for (const std::vector<std::string>& files : std::vector<std::vector<std::string>>{
           {Input("x/a.txt", "生活"), Input("y/a.txt", "质量")},  // same file name
           {"-", "-"}}) {                                         // standard input twice
    BatchOptions options;
    options.files = files;
    options.out_dir = (dir_ / "out").string();
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch(options, testing::SmallServiceEndpoint(*service_), out, err), 1);
    EXPECT_NE(err.str().find("would both be written to"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(dir_ / "out"));
  }
}

TEST_F(Batch, AWriteErrorOnStandardOutputFails) {
  BatchOptions options;
  options.files = {Input("a.txt", "生活")};
  std::ofstream full("/dev/full");
  ASSERT_TRUE(full.is_open());
  std::ostringstream err;
  EXPECT_EQ(RunBatch(options, testing::SmallServiceEndpoint(*service_), full, err), 1);
  EXPECT_NE(err.str().find("Cannot write to standard output"), std::string::npos) << err.str();
}

TEST_F(Batch, AnOutputThatCannotBeWrittenLeavesNothingBehind) {
  BatchOptions options;
  options.files = {Input("a.txt", "生活")};
  options.out_dir = (dir_ / "out").string();
  fs::create_directories(dir_ / "out" / "a.txt");  // a folder where the file should go
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(options, testing::SmallServiceEndpoint(*service_), out, err), 1);
  EXPECT_NE(err.str().find("Cannot write file"), std::string::npos) << err.str();
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_ / "out")) ++entries;
  EXPECT_EQ(entries, 1);  // no temporary file left
}

TEST_F(Batch, AnEmptyRewriteOfAnArticleIsAnErrorNamingTheFile) {
  const std::string html = "<html><body>Welcome</body></html>";
  const std::string page = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                           std::to_string(html.size()) + "\r\n\r\n" + html;
  ScriptedPeer peer(
      {PeerExchange::Http(page, PeerAction::kClose), PeerExchange::Http(page, PeerAction::kClose)});
  BatchOptions options;
  options.files = {Input("a.txt", "生活")};
  options.out_dir = (dir_ / "out").string();
  std::ostringstream out, err;
  EXPECT_EQ(
      RunBatch(options, TranslationEndpointUrl("http://127.0.0.1:" + std::to_string(peer.Port())),
               out, err),
      1);
  EXPECT_EQ(err.str(), Input("a.txt", "生活") + ": the translation service returned no text.\n");
  EXPECT_FALSE(fs::exists(dir_ / "out" / "a.txt"));
}

TEST(BatchOutput, WriteFileWholeReplacesTheFileAndLeavesNoTemporary) {
  const fs::path dir = fs::temp_directory_path() / ("lumora_whole_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string path = (dir / "r.txt").string();
  WriteFileBytes(path, "old contents, longer than the new");
  WriteFileWhole(path, "new");
  EXPECT_EQ(ReadFileBytes(path), "new");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 1);
  fs::remove_all(dir);
}

TEST(NormalizeArticle, GivesValidUtf8WithCrLf) {
  EXPECT_EQ(NormalizeArticle("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(NormalizeArticle("x\xFFy"), "x\xEF\xBF\xBDy");
  EXPECT_EQ(NormalizeArticle("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");  // emoji kept whole
  EXPECT_EQ(NormalizeArticle("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // surrogate
  EXPECT_EQ(NormalizeArticle("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");                  // overlong
  // Text that is normal already comes back as it is; a pair of encoded
  // surrogate halves, though valid to read, is written as one character.
  EXPECT_EQ(NormalizeArticle("你好\r\nA"), "你好\r\nA");
  EXPECT_EQ(NormalizeArticle("\xED\xA0\xBD\xED\xB8\x80\r\n"), "\xF0\x9F\x98\x80\r\n");
  EXPECT_EQ(NormalizeArticle("a\r"), "a\r\n");
}

TEST(ErrorText, AppendsADotAfterCharactersAboveIt) {
  struct Row {
    const char* message;
    const char* shown;
  } rows[] = {
      {"", ""},                           // empty stays empty
      {"Read Timeout", "Read Timeout."},  // a letter
      {"Not Connected", "Not Connected."},
      {"Connection refused.", "Connection refused."},  // already a dot
      {"Stop!", "Stop!"},                              // "!" sorts below "."
      {"code 404", "code 404."},                       // a digit
      {"完成！", "完成！."},                           // a double-byte character
      {"a-", "a-"},                                    // "-" sorts below "."
      {"path/", "path/."},                             // "/" sorts above "."
  };
  for (const auto& r : rows) EXPECT_EQ(ErrorBoxText(r.message), r.shown) << r.message;
}

TEST(CommandLineParse, ModesAndErrors) {
  {
    CommandLine line;
    EXPECT_FALSE(ParseCommandLine({}, line));
    EXPECT_FALSE(line.batch);
  }
  {
    CommandLine line;
    EXPECT_FALSE(ParseCommandLine(
        {"--rewrite", "a.txt", "--prefix", "P", "--no-line-breaks", "--service", "http://h:1"},
        line));
    EXPECT_TRUE(line.batch);
    EXPECT_EQ(line.batch_options.files, std::vector<std::string>{"a.txt"});
    EXPECT_EQ(line.batch_options.prefix, "P");
    EXPECT_FALSE(line.batch_options.line_breaks);
    EXPECT_EQ(line.service_url, "http://h:1");
  }
  {
    CommandLine line;
    EXPECT_FALSE(ParseCommandLine(
        {"--rewrite", "a.txt", "--strength", "high", "--keep", "k.txt", "--json"}, line));
    EXPECT_EQ(line.batch_options.strength, Strength::kHigh);
    EXPECT_EQ(line.batch_options.keep_file, "k.txt");
    EXPECT_TRUE(line.batch_options.json);
  }
  for (std::vector<std::string> bad : std::vector<std::vector<std::string>>{
           {"--rewrite", "a", "--strength", "max"},  // no such strength
           {"--json"},                               // batch option in window mode
           {"--rewrite"},                            // no file
           {"--rewrite", "a", "b"},                  // several files without --out
           {"--bogus"},                              // unknown option
           {"file.txt"},                             // a file without --rewrite
           {"--prefix", "x"},                        // batch option in window mode
           {"--rewrite", "a", "--out"}}) {           // option without value
    CommandLine line;
    EXPECT_TRUE(ParseCommandLine(bad, line)) << bad.front();
  }
}

}  // namespace
}  // namespace lumora
