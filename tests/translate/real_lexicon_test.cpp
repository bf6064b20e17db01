// Runs over the lexicon built from the dictionary data, when the build made one.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "base/stream.h"
#include "translate/rewrite_score.h"
#include "translate/translator.h"

namespace lumora {
namespace {

// The build puts lumora.lex in bin/ beside this test program.
std::string RealLexiconPath() {
  if (const char* dir = std::getenv("LUMORA_BINARY_DIR"))
    return std::string(dir) + "/bin/lumora.lex";
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : (exe.parent_path() / "lumora.lex").string();
}

class RealLexicon : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = RealLexiconPath();
    if (path.empty() || !std::filesystem::exists(path)) {
      GTEST_SKIP() << "lumora.lex was not built (lexicon sources missing; run scripts/setup.sh)";
    }
    lexicon_ = Lexicon::Load(path);
  }
  std::shared_ptr<const Lexicon> lexicon_;
};

TEST_F(RealLexicon, SegmentsOrdinaryProse) {
  Segmenter segmenter(*lexicon_);
  std::vector<std::string> words;
  for (const Token& t : segmenter.Segment("国家统计局发布的数据显示经济增长")) {
    words.emplace_back(t.text);
  }
  EXPECT_EQ(words,
            (std::vector<std::string>{"国家统计局", "发布", "的", "数据", "显示", "经济", "增长"}));
}

TEST_F(RealLexicon, RoundTripKeepsNegationsNumbersAndLatinWords) {
  Translator translator(lexicon_);
  const std::string text =
      "公司CEO表示，新手机没有涨价，售价仍为3999元，用户可以通过APP预订，不需要排队。";
  const std::string back = translator.ToChinese(translator.ToEnglish(text));
  // 没有 may become 没, which keeps the negation.
  for (const char* kept : {"CEO", "3999", "APP", "没", "不需要"}) {
    EXPECT_NE(back.find(kept), std::string::npos) << kept << " lost in " << back;
  }
}

TEST_F(RealLexicon, ChangesSomeContentWords) {
  Translator translator(lexicon_);
  const std::string text = "现代人工作忙碌，常常没有时间吃早餐。";
  const std::string back = translator.ToChinese(translator.ToEnglish(text));
  EXPECT_NE(back, text);
  EXPECT_NE(back.find("没"), std::string::npos) << back;
  EXPECT_TRUE(back.ends_with("。")) << back;
}

// Replacements a reader found wrong in earlier versions: each sentence must
// come back without the wrong word.
TEST_F(RealLexicon, KnownWrongPicksStayAway) {
  Translator translator(lexicon_);
  struct Case {
    const char* text;
    const char* wrong;
  };
  const Case cases[] = {
      {"数字经济是推动服务业增长的重要力量。", "权力"},
      {"成本上升的问题仍未得到根本解决。", "决定"},
      {"传统戏曲表演每天都吸引很多市民。", "表现"},
      {"晚上又经常熬夜。", "日常"},
      {"我市各大景区迎来了旅游高峰。", "大大"},
      {"民俗手工艺展示和美食市集。", "合理"},
      {"景区提前发布交通信息。", "分布"},
      {"每天前100名下单的顾客还将获得礼品。", "责令"},
      {"这款手机的拍摄效果明显提升。", "结果"},
      {"全年目标能够顺利完成。", "目的"},
      {"读者可以免费使用平板电脑。", "单调"},
      {"对此，相关部门表示。", "涉及"},
      {"办理新读者证2300多张。", "证明"},
      {"是推动服务业增长的重要力量。", "势力"},
  };
  for (const Case& c : cases) {
    const std::string back = translator.ToChinese(translator.ToEnglish(c.text));
    EXPECT_EQ(back.find(c.wrong), std::string::npos) << c.text << " -> " << back;
  }
}

// Each example article, round-tripped, keeps its numbers, Latin words and
// negations, and has some words changed.
TEST_F(RealLexicon, ExampleArticlesKeepNumbersLatinWordsAndNegations) {
  Translator translator(lexicon_);
  const std::string examples = std::string(LUMORA_TEST_SOURCE_DIR) + "/examples";
  int articles = 0;
  for (const auto& e : std::filesystem::directory_iterator(examples)) {
    if (e.path().extension() != ".txt") continue;
    ++articles;
    const std::string text = ReadFileBytes(e.path().string());
    std::string back;
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      back += translator.ToChinese(translator.ToEnglish(text.substr(start, end - start)));
      if (end < text.size()) back += '\n';
      start = end + 1;
    }
    EXPECT_NE(back, text) << e.path();
    Segmenter segmenter(*lexicon_);
    auto kept = [&](const std::string& s) {
      std::vector<std::string> out;
      for (const Token& t : segmenter.Segment(s)) {
        if (t.kind == TokenKind::kNumber || t.kind == TokenKind::kLatin) out.emplace_back(t.text);
      }
      return out;
    };
    EXPECT_EQ(kept(back), kept(text)) << e.path();
    // A listed synonym may trade one negation for another (没有 → 未), never
    // drop one, though a 不 that denies nothing may go (不少 → 许多).
    EXPECT_EQ(ScoreArticle(*lexicon_, text, back, {}).negationFaults, 0u) << e.path();
  }
  EXPECT_GE(articles, 4);
}

}  // namespace
}  // namespace lumora
