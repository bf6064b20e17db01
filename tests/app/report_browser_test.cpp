// The review page in a real browser: batch mode rewrites three examples with
// --report, headless Chromium loads the page, and the title and summary it
// shows must be the ones batch mode reported. The test leaves a picture of
// the page in the build tree (report-browser/report.png) for a person to
// look at.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <regex>

#include "app/review_page.h"
#include "base/stream.h"
#include "support/child_process.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using testing::ChildProcess;

std::string Chromium() {
  for (const char* p : {"/usr/bin/chromium", "/usr/bin/chromium-browser"})
    if (::access(p, X_OK) == 0) return p;
  return {};
}

// The text of the element with this id in a DOM dump.
std::string Cell(const std::string& dom, const std::string& id) {
  std::smatch m;
  if (!std::regex_search(dom, m, std::regex("id=\"" + id + "\">([^<]*)<"))) return "(none)";
  return m[1];
}

TEST(ReportInBrowser, ChromiumShowsTheTitleAndTheSummaryBatchModeReported) {
  const std::string chromium = Chromium();
  ASSERT_FALSE(chromium.empty()) << "chromium is not installed (scripts/setup.sh installs it)";
  const fs::path dir = fs::path(std::getenv("LUMORA_BINARY_DIR")) / "report-browser";
  fs::remove_all(dir);
  fs::create_directories(dir / "profile");
  const std::string examples = std::string(std::getenv("LUMORA_SOURCE_DIR")) + "/examples/";
  const std::string report = (dir / "out" / "report.html").string();

  ChildProcess batch(
      testing::ProgramDirectory() + "/lumora",
      {"--rewrite", examples + "city_tourism.txt", examples + "coffee_shop.txt",
       examples + "economy_news.txt", "--out", (dir / "out").string(), "--report", report});
  ASSERT_EQ(batch.Wait(), 0) << batch.Stderr();
  // "FILE: changed 21.0% of 100 content words; ..." per file.
  const std::string log = batch.Stderr();
  const std::regex scoreLine("changed [0-9.]+% of ([0-9]+) content words");
  size_t files = 0, contentWords = 0;
  for (auto it = std::sregex_iterator(log.begin(), log.end(), scoreLine);
       it != std::sregex_iterator(); ++it) {
    ++files;
    contentWords += std::stoul((*it)[1]);
  }
  ASSERT_EQ(files, 3u) << log << "\n(the lexicon lumora.lex is needed to score)";

  const std::vector<std::string> headless = {
      "--headless",        "--no-sandbox",
      "--disable-gpu",     "--user-data-dir=" + (dir / "profile").string(),
      "--hide-scrollbars", "--window-size=1280,1400"};
  std::vector<std::string> dump = headless;
  dump.insert(dump.end(), {"--dump-dom", "file://" + report});
  ChildProcess reader(chromium, dump, (dir / "dom.html").string());
  ASSERT_EQ(reader.Wait(), 0) << reader.Stderr();
  const std::string dom = ReadFileBytes((dir / "dom.html").string());
  EXPECT_NE(dom.find("<title>" + ReviewTitle(3) + "</title>"), std::string::npos) << dom;
  EXPECT_EQ(Cell(dom, "files"), "3");
  EXPECT_EQ(Cell(dom, "failed"), "0");
  EXPECT_EQ(Cell(dom, "content-words"), std::to_string(contentWords));

  std::vector<std::string> shot = headless;
  shot.insert(shot.end(), {"--screenshot=" + (dir / "report.png").string(), "file://" + report});
  ChildProcess painter(chromium, shot);
  ASSERT_EQ(painter.Wait(), 0) << painter.Stderr();
  EXPECT_GT(fs::file_size(dir / "report.png"), 20000u) << "a blank page is a small PNG";
}

}  // namespace
}  // namespace lumora
