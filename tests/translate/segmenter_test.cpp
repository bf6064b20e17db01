#include "translate/segmenter.h"

#include <gtest/gtest.h>

#include "translate/fixture_lexicon.h"
#include "translate/lexicon_builder.h"
#include "translate/translator.h"

namespace lumora {
namespace {

std::vector<std::string> Words(const Segmenter& s, std::string_view text) {
  std::vector<std::string> out;
  for (const Token& t : s.Segment(text)) out.emplace_back(t.text);
  return out;
}

class SegmenterTest : public ::testing::Test {
 protected:
  std::shared_ptr<const Lexicon> lexicon_ = testing::FixtureLexicon();
  Segmenter segmenter_{*lexicon_};
};

TEST_F(SegmenterTest, PicksTheMostProbableCut) {
  EXPECT_EQ(Words(segmenter_, "研究生命"), (std::vector<std::string>{"研究", "生命"}));
  EXPECT_EQ(Words(segmenter_, "结婚的和尚未结婚的"),
            (std::vector<std::string>{"结婚", "的", "和", "尚未", "结婚", "的"}));
  EXPECT_EQ(Words(segmenter_, "研究生"), (std::vector<std::string>{"研究生"}));
}

TEST_F(SegmenterTest, LongRareWordLosesToCommonParts) {
  EXPECT_EQ(Words(segmenter_, "加强合作"), (std::vector<std::string>{"加强", "合作"}));
}

TEST_F(SegmenterTest, UnknownCharactersStandAlone) {
  const auto tokens = segmenter_.Segment("研究猫狗");
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[1].text, "猫");
  EXPECT_EQ(tokens[1].word, Lexicon::kNone);
  EXPECT_EQ(tokens[2].text, "狗");
}

TEST_F(SegmenterTest, LatinNumbersAndPunctuationAreTokensOfTheirOwn) {
  const auto tokens = segmenter_.Segment("增长5.2%，iPhone 15和mp3、1,000元");
  std::vector<std::pair<std::string, TokenKind>> got;
  for (const Token& t : tokens) got.emplace_back(std::string(t.text), t.kind);
  const std::vector<std::pair<std::string, TokenKind>> expected = {
      {"增长", TokenKind::kHan},  {"5.2", TokenKind::kNumber},   {"%", TokenKind::kOther},
      {"，", TokenKind::kOther},  {"iPhone", TokenKind::kLatin}, {" ", TokenKind::kSpace},
      {"15", TokenKind::kNumber}, {"和", TokenKind::kHan},       {"mp3", TokenKind::kLatin},
      {"、", TokenKind::kOther},  {"1,000", TokenKind::kNumber}, {"元", TokenKind::kHan},
  };
  EXPECT_EQ(got, expected);
}

TEST_F(SegmenterTest, TokensCoverTheInputExactly) {
  const std::string text = "我们在北京研究生命。 Don't stop! \xFF 2026年";
  std::string joined;
  for (const Token& t : segmenter_.Segment(text)) joined += t.text;
  EXPECT_EQ(joined, text);
}

TEST_F(SegmenterTest, MalformedBytesBecomeSingleByteTokens) {
  const auto tokens = segmenter_.Segment("研\xE7\xA9");
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[1].kind, TokenKind::kOther);
  EXPECT_EQ(tokens[1].text.size(), 1u);
}

// 应当场 is 应/当场 ("should on the spot"), but 应当 is so common that the
// most probable cut is 应当/场.
std::shared_ptr<const Lexicon> DoubtfulCutLexicon() {
  LexiconBuilder b;
  b.AddWord("应当", 9000, "v");
  b.AddWord("应该", 9000, "v");
  b.AddWord("应", 6000, "v");
  b.AddWord("当场", 400, "d");
  b.AddWord("场", 8000, "q");
  b.AddWord("核实", 700, "v");
  b.AddWord("当时", 5000, "t");
  b.AddWord("时", 9000, "n");
  b.AddEntry("应当", "ying1 dang1", {"should", "ought to"});
  b.AddEntry("应该", "ying1 gai1", {"ought to", "should"});
  b.AddEntry("当场", "dang1 chang3", {"on the spot"});
  b.AddEntry("核实", "he2 shi2", {"to verify"});
  b.AddSynonymGroup("应当 应该");
  return Lexicon::FromBytes(b.Build());
}

TEST_F(SegmenterTest, SlicesGiveTheTokensOfTheWhole) {
  // Runs that must not be cut (words, "3.14", "1,000", "don't", blanks, a
  // malformed byte before a mark) beside marks that stand alone.
  std::string text;
  for (int i = 0; i < 12; ++i) {
    text += "研究生命，结婚的和尚未结婚的。3.14和1,000 don't  研究猫狗！";
    text += "加强合作\xE3\x80。(mp3)-研究生；";
  }
  const std::vector<Token> whole = segmenter_.Segment(text);
  for (size_t slice : {1u, 2u, 3u, 5u, 8u, 13u, 40u, 97u, 1000u}) {
    std::vector<Token> sliced;
    segmenter_.SegmentInSlices(text, slice, [&](const Token& t) { sliced.push_back(t); });
    ASSERT_EQ(sliced.size(), whole.size()) << "slices of " << slice;
    for (size_t i = 0; i < whole.size(); ++i) {
      EXPECT_EQ(sliced[i].text.data(), whole[i].text.data()) << slice << ": token " << i;
      EXPECT_EQ(sliced[i].text.size(), whole[i].text.size()) << slice << ": token " << i;
      EXPECT_EQ(sliced[i].kind, whole[i].kind) << slice << ": token " << i;
      EXPECT_EQ(sliced[i].word, whole[i].word) << slice << ": token " << i;
    }
  }
}

TEST(DoubtfulCut, AWordWhoseEdgeMakesACommonWordWithItsNeighbourIsInDoubt) {
  const auto lexicon = DoubtfulCutLexicon();
  const Segmenter segmenter(*lexicon);
  const std::vector<Token> tokens = segmenter.Segment("应当场核实");
  ASSERT_EQ(Words(segmenter, "应当场核实"), (std::vector<std::string>{"应当", "场", "核实"}));
  EXPECT_TRUE(segmenter.MayBeCutWrongly(tokens, 0));
  EXPECT_FALSE(segmenter.MayBeCutWrongly(tokens, 1)) << "a single character";
  EXPECT_FALSE(segmenter.MayBeCutWrongly(tokens, 2));
  // Across the other edge: 时 before 应当 makes no word with 应.
  const std::vector<Token> after = segmenter.Segment("时应当核实");
  ASSERT_EQ(after.size(), 3u);
  EXPECT_FALSE(segmenter.MayBeCutWrongly(after, 1));
  const std::vector<Token> plain = segmenter.Segment("应当核实");
  EXPECT_FALSE(segmenter.MayBeCutWrongly(plain, 0));
}

TEST(DoubtfulCut, TheTranslatorLeavesAWordInDoubtAsItIs) {
  const Translator t(DoubtfulCutLexicon());
  EXPECT_EQ(t.ToChinese(t.ToEnglish("应当核实")), "应该核实");
  EXPECT_EQ(t.ToChinese(t.ToEnglish("应当场核实")), "应当场核实");
}

// 进一步提高 and 新学期开始 are compounds of the frequency list with no sense
// in the dictionary; 共同努力 is one with a sense, 滨江公园 a name, 好好学习
// cut into a single character.
std::shared_ptr<const Lexicon> CompoundLexicon() {
  LexiconBuilder b;
  b.AddWord("进一步提高", 5000, "v");
  b.AddWord("进一步", 800, "d");
  b.AddWord("提高", 800, "v");
  b.AddWord("提升", 600, "v");
  b.AddWord("共同努力", 5000, "v");
  b.AddWord("共同", 800, "d");
  b.AddWord("努力", 800, "v");
  b.AddWord("新学期开始", 5000, "n");
  b.AddWord("新学期", 800, "n");
  b.AddWord("开始", 800, "v");
  b.AddWord("滨江公园", 5000, "ns");
  b.AddWord("滨江", 800, "ns");
  b.AddWord("公园", 800, "n");
  b.AddEntry("滨江", "bin1 jiang1", {"riverside"});
  b.AddEntry("公园", "gong1 yuan2", {"park"});
  b.AddWord("好好学习", 5000, "v");
  b.AddWord("好", 800, "a");
  b.AddWord("好学习", 10, "v");
  b.AddWord("学习", 800, "v");
  b.AddEntry("进一步", "jin4 yi1 bu4", {"further"});
  b.AddEntry("提高", "ti2 gao1", {"to raise", "to improve"});
  b.AddEntry("提升", "ti2 sheng1", {"to promote", "to raise"});
  b.AddEntry("共同努力", "gong4 tong2 nu3 li4", {"to work together"});
  b.AddEntry("共同", "gong4 tong2", {"jointly"});
  b.AddEntry("努力", "nu3 li4", {"to make an effort"});
  b.AddEntry("新学期", "xin1 xue2 qi1", {"new term"});
  b.AddEntry("开始", "kai1 shi3", {"to begin"});
  b.AddEntry("学习", "xue2 xi2", {"to learn"});
  b.AddEntry("好", "hao3", {"good"});
  b.AddSynonymGroup("提高 > 提升");
  return Lexicon::FromBytes(b.Build());
}

std::vector<std::string> Cut(const Segmenter& s, std::string_view text) {
  std::vector<std::string> out;
  for (const Token& t : s.CutGlosslessCompounds(s.Segment(text))) out.emplace_back(t.text);
  return out;
}

TEST(GlosslessCompound, OnlyAWordWithoutSenseIsCutIntoWordsWithSenses) {
  const auto lexicon = CompoundLexicon();
  const Segmenter segmenter(*lexicon);
  ASSERT_EQ(Words(segmenter, "进一步提高"), std::vector<std::string>{"进一步提高"});
  EXPECT_EQ(Cut(segmenter, "要进一步提高。"),
            (std::vector<std::string>{"要", "进一步", "提高", "。"}));
  const std::vector<Token> cut = segmenter.CutGlosslessCompounds(segmenter.Segment("进一步提高"));
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_EQ(cut[1].word, lexicon->Find("提高"));
  EXPECT_EQ(cut[1].kind, TokenKind::kHan);

  EXPECT_EQ(Cut(segmenter, "共同努力"), std::vector<std::string>{"共同努力"}) << "it has a sense";
  EXPECT_EQ(Cut(segmenter, "新学期开始"), (std::vector<std::string>{"新学期", "开始"}));
  EXPECT_EQ(Cut(segmenter, "滨江公园"), std::vector<std::string>{"滨江公园"}) << "a name";
  EXPECT_EQ(Cut(segmenter, "好好学习"), std::vector<std::string>{"好好学习"})
      << "a part without a sense of its own";
}

TEST(GlosslessCompound, TheTranslatorChangesAPartOfIt) {
  const Translator t(CompoundLexicon());
  EXPECT_EQ(t.ToChinese(t.ToEnglish("进一步提高")), "进一步提升");
}

}  // namespace
}  // namespace lumora
