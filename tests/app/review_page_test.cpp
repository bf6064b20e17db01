// The review page and the marks of changed words, apart from any rewrite.

#include "app/review_page.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/batch_progress.h"
#include "app/review_marks.h"

namespace lumora {
namespace {

std::string Joined(const std::vector<TextPiece>& pieces) {
  std::string out;
  for (const TextPiece& p : pieces) out += p.changed ? "[" + p.text + "]" : p.text;
  return out;
}

TEST(ReviewMarks, MarksWhatEachSideChangedParagraphByParagraph) {
  const auto paragraphs =
      MarkChanges(nullptr, "甲乙丙\r\n\r\n丁戊", "甲己丙<br />\r\n丁戊庚<br />\r\n");
  ASSERT_EQ(paragraphs.size(), 2u);
  EXPECT_EQ(Joined(paragraphs[0].source), "甲[乙]丙");
  EXPECT_EQ(Joined(paragraphs[0].result), "甲[己]丙");
  EXPECT_EQ(Joined(paragraphs[1].source), "丁戊");
  EXPECT_EQ(Joined(paragraphs[1].result), "丁戊[庚]");
}

TEST(ReviewMarks, AParagraphWithoutPartnerIsAllChanged) {
  const auto paragraphs = MarkChanges(nullptr, "甲\n乙", "甲");
  ASSERT_EQ(paragraphs.size(), 2u);
  EXPECT_TRUE(paragraphs[1].result.empty());
  EXPECT_EQ(Joined(paragraphs[1].source), "[乙]");
}

RewriteScore Score(size_t content, size_t changed) {
  RewriteScore s;
  s.contentWords = content;
  s.changedWords = changed;
  s.paragraphsIn = s.paragraphsOut = 1;
  return s;
}

TEST(ReviewPage, SummaryAddsUpTheFilesAndFailuresCountApart) {
  RewriteScore lost = Score(50, 10);
  lost.numberFaults = 2;
  const std::vector<ReviewEntry> entries = {
      {"a.txt", "甲乙", "甲丙", Score(150, 30), ""},
      {"b.txt", "丁", "丁", lost, ""},
      {"c.txt", "", "", std::nullopt, "Socket Error # 10061"},
  };
  const std::string page = BuildReviewPage(entries, nullptr);
  EXPECT_NE(page.find("<title>" + ReviewTitle(3) + "</title>"), std::string::npos);
  EXPECT_NE(page.find("id=\"files\">3<"), std::string::npos);
  EXPECT_NE(page.find("id=\"failed\">1<"), std::string::npos);
  EXPECT_NE(page.find("id=\"content-words\">200<"), std::string::npos);
  EXPECT_NE(page.find("id=\"changed-share\">20.0%<"), std::string::npos);  // 40 of 200
  EXPECT_NE(page.find("id=\"faithful\">1 / 2<"), std::string::npos);
  EXPECT_NE(page.find("数字 2"), std::string::npos);
  EXPECT_NE(page.find("Socket Error # 10061"), std::string::npos);
  EXPECT_NE(page.find("<mark class=\"new\">丙</mark>"), std::string::npos);
}

TEST(ReviewPage, ArticleTextAndFileNamesAreEscapedAndNothingIsFetched) {
  const std::vector<ReviewEntry> entries = {
      {"<x>&.txt", "<script>alert(1)</script>", "<b>\"", Score(1, 1), ""}};
  const std::string page = BuildReviewPage(entries, nullptr);
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("<x>"), std::string::npos);
  EXPECT_NE(page.find("&lt;x&gt;&amp;.txt"), std::string::npos);
  EXPECT_EQ(page.find("src="), std::string::npos);
  EXPECT_EQ(page.find("<link"), std::string::npos);
}

TEST(BatchProgress, WithoutATerminalEachFileGetsALine) {
  std::ostringstream err;
  BatchProgress progress(err, 2, false);
  progress.Begin(0, "a.txt");
  progress.Line("a.txt: changed");
  progress.Begin(1, "b.txt");
  progress.Finish();
  EXPECT_EQ(err.str(), "[1/2] a.txt\na.txt: changed\n[2/2] b.txt\n");
}

TEST(BatchProgress, OnATerminalTheBarCountsFilesAndEstimatesTheTimeLeft) {
  std::ostringstream err;
  auto now = std::chrono::steady_clock::time_point();
  BatchProgress progress(err, 4, true, [&] { return now; });
  progress.Begin(0, "a.txt");
  EXPECT_NE(err.str().find("0/4 files, estimating"), std::string::npos) << err.str();
  now += std::chrono::seconds(30);
  progress.Begin(1, "b.txt");
  // One file in 30 s, three to go.
  EXPECT_NE(err.str().find("[######..................] 1/4 files, about 1 min 30 s left  b.txt"),
            std::string::npos)
      << err.str();
  err.str("");
  progress.Line("b.txt: changed");
  EXPECT_EQ(err.str().rfind("\r\033[Kb.txt: changed\n\r\033[K[######", 0), 0u) << err.str();
  progress.Finish();
  EXPECT_NE(err.str().find("4/4 files, done\n"), std::string::npos) << err.str();
  EXPECT_EQ(err.str().find('\n', err.str().find("done")), err.str().size() - 1);
}

TEST(BatchProgress, TimeLeftReadsInSecondsMinutesAndHours) {
  EXPECT_EQ(BatchProgress::TimeLeft(4.2), "about 5 s left");
  EXPECT_EQ(BatchProgress::TimeLeft(61), "about 1 min 1 s left");
  EXPECT_EQ(BatchProgress::TimeLeft(7260), "about 2 h 1 min left");
}

}  // namespace
}  // namespace lumora
