// Runs over the lexicon built from the dictionary data, when the build made one.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "base/stream.h"
#include "translate/translator.h"

namespace lumora {
namespace {

std::string RealLexiconPath() {
  const char* dir = std::getenv("LUMORA_BINARY_DIR");
  return dir ? std::string(dir) + "/bin/lumora.lex" : std::string();
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
  for (const char* kept : {"CEO", "3999", "APP", "没有", "不需要"}) {
    EXPECT_NE(back.find(kept), std::string::npos) << kept << " lost in " << back;
  }
}

TEST_F(RealLexicon, ChangesSomeContentWords) {
  Translator translator(lexicon_);
  const std::string text = "我们推出了全新的健康早餐，含有丰富的蛋白质。";
  const std::string back = translator.ToChinese(translator.ToEnglish(text));
  EXPECT_NE(back, text);
  EXPECT_NE(back.find("蛋白质"), std::string::npos) << back;
}

}  // namespace
}  // namespace lumora
