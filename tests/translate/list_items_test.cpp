// Lists of nouns whose items may trade places: which pairs qualify, and the
// translator exchanging them only where the model finds the sentence as
// likely, carrying each item's words (and their synonyms) along.

#include <gtest/gtest.h>

#include "translate/fixture_language_model.h"
#include "translate/lexicon_builder.h"
#include "translate/list_items.h"
#include "translate/translator.h"

namespace lumora {
namespace {

std::shared_ptr<const Lexicon> ListLexicon() {
  LexiconBuilder b;
  for (const char* noun :
       {"教师", "学生", "家长", "医院", "学校", "商场",   "服务", "内容", "期限", "条件", "数据",
        "乘客", "软件", "信息", "地面", "大腿", "委员会", "去年", "今年", "醋",   "盐",   "产品"}) {
    b.AddWord(noun, 1000, "n");
  }
  b.AddWord("有效", 800, "a");
  b.AddWord("优秀", 800, "a");
  b.AddWord("发展", 900, "vn");
  b.AddWord("改革", 900, "vn");
  b.AddWord("包括", 900, "v");
  b.AddWord("写明", 300, "v");
  b.AddWord("参加", 900, "v");
  b.AddWord("出行", 600, "v");
  b.AddWord("平行", 600, "v");
  b.AddWord("相比", 600, "v");
  b.AddWord("不符", 600, "v");
  b.AddWord("分别", 600, "d");
  b.AddWord("和", 5000, "c");
  b.AddWord("与", 3000, "p");
  b.AddWord("对", 3000, "p");
  b.AddWord("或", 2000, "c");
  b.AddWord("的", 10000, "uj");
  b.AddWord("三", 2000, "m");
  b.AddWord("名", 2000, "q");
  b.AddWord("该", 2000, "r");
  b.AddWord("北京", 900, "ns");
  b.AddWord("上海", 900, "ns");
  b.AddEntry("教师", "jiao4 shi1", {"teacher"});
  b.AddEntry("学生", "xue2 sheng5", {"student"});
  b.AddEntry("家长", "jia1 zhang3", {"parent"});
  b.AddEntry("医院", "yi1 yuan4", {"hospital"});
  b.AddEntry("学校", "xue2 xiao4", {"school"});
  // Called a noun by the frequency list, an action by the dictionary.
  b.AddWord("交流", 900, "n");
  b.AddEntry("交流", "jiao1 liu2", {"to exchange", "exchange"});
  // Phrases the frequency list holds whole, without a sense: a verb with its
  // object (called a name), and a thing made of two nouns.
  b.AddWord("喝", 2000, "v");
  b.AddEntry("喝", "he1", {"to drink"});
  b.AddWord("咖啡", 900, "n");
  b.AddEntry("咖啡", "ka1 fei1", {"coffee"});
  b.AddWord("喝咖啡", 3000, "nr");
  b.AddWord("鱼", 900, "n");
  b.AddWord("油", 900, "n");
  b.AddWord("鱼油", 3000, "n");
  b.AddWord("浓茶", 75, "n");
  return Lexicon::FromBytes(b.Build());
}

class ListItems : public ::testing::Test {
 protected:
  // The pairs found in text, each written as "first|second".
  std::vector<std::string> Pairs(std::string_view text) {
    tokens_ = Segmenter(*lexicon_).Segment(text);
    std::vector<uint8_t> movable(tokens_.size(), 1);
    std::vector<std::string> out;
    for (const auto& [a, b] : ExchangeableItems(*lexicon_, tokens_, movable)) {
      out.push_back(Words(a) + "|" + Words(b));
    }
    return out;
  }
  std::string Words(ItemSpan s) {
    std::string w;
    for (size_t i = s.begin; i < s.end; ++i) w += tokens_[i].text;
    return w;
  }
  std::shared_ptr<const Lexicon> lexicon_ = ListLexicon();
  std::vector<Token> tokens_;
};

using Found = std::vector<std::string>;

TEST_F(ListItems, PairsTheFirstAndSecondItemsThenTheThirdAndFourth) {
  EXPECT_EQ(Pairs("包括教师和学生。"), (Found{"教师|学生"}));
  EXPECT_EQ(Pairs("教师、学生和家长参加。"), (Found{"教师|学生"}));
  EXPECT_EQ(Pairs("包括医院、学校、商场和教师。"), (Found{"医院|学校", "商场|教师"}));
  EXPECT_EQ(Pairs("医院或学校"), (Found{"医院|学校"}));
}

TEST_F(ListItems, ItemsOfSeveralWordsAreWholeAlikeItems) {
  EXPECT_EQ(Pairs("写明服务内容、有效期限和退款条件"), (Found{"服务内容|有效期限"}));
  // The list modifies the noun after it: the run 信息服务产品 is no item.
  EXPECT_EQ(Pairs("包括软件和信息服务产品"), Found{});
}

TEST_F(ListItems, AModifierOfOneItemKeepsTheListWhole) {
  EXPECT_EQ(Pairs("优秀教师和学生参加"), Found{});
  EXPECT_EQ(Pairs("三名教师和学生"), Found{});
  EXPECT_EQ(Pairs("该教师和学生"), Found{});
  // A verb that is part of the item before it modifies the next one.
  EXPECT_EQ(Pairs("包括医院、出行数据、学校。"), Found{});
  // A noun whose first sense is an action governs what follows it.
  EXPECT_EQ(Pairs("，服务内容与学生交流。"), Found{});
  // A noun after the last item makes a name of the list (发展和改革委员会).
  EXPECT_EQ(Pairs("教师和学生家长"), Found{});
  // A verb with its object is no thing, whatever the frequency list calls it.
  EXPECT_EQ(Pairs("包括喝咖啡和浓茶。"), Found{});
  EXPECT_EQ(Pairs("包括鱼油和浓茶。"), (Found{"鱼油|浓茶"}));
}

TEST_F(ListItems, OrderThatCarriesMeaningStays) {
  EXPECT_EQ(Pairs("今年与去年相比"), Found{});
  EXPECT_EQ(Pairs("，数据与内容不符"), Found{});
  EXPECT_EQ(Pairs("，教师和学生分别参加"), Found{});
  EXPECT_EQ(Pairs("《包括教师和学生。》"), Found{});
  // A word twice: clauses side by side, not a list.
  EXPECT_EQ(Pairs("平放在地面、大腿与地面平行"), Found{});
}

TEST_F(ListItems, SingleCharactersVerbalNounsAgainstNounsAndNamesStay) {
  EXPECT_EQ(Pairs("，醋和盐。"), Found{});
  EXPECT_EQ(Pairs("，改革和发展。"), (Found{"改革|发展"}));
  EXPECT_EQ(Pairs("，教师和发展。"), Found{});
  EXPECT_EQ(Pairs("，北京和上海。"), (Found{"北京|上海"}));
}

TEST_F(ListItems, ItemThatMayNotMoveStays) {
  tokens_ = Segmenter(*lexicon_).Segment("包括教师和学生");
  std::vector<uint8_t> movable(tokens_.size(), 1);
  movable[1] = 0;  // 教师, locked
  EXPECT_TRUE(ExchangeableItems(*lexicon_, tokens_, movable).empty());
}

class ListExchange : public ::testing::Test {
 protected:
  Translator With(std::vector<std::string> locked = {}, Strength strength = Strength::kNormal) {
    TranslatorOptions options;
    options.model = model_;
    options.strength = strength;
    options.lockedTerms = std::move(locked);
    return Translator(lexicon_, options);
  }
  std::string RoundTrip(const Translator& t, std::string_view text) {
    return t.ToChinese(t.ToEnglish(text));
  }
  std::shared_ptr<const Lexicon> lexicon_ = ListLexicon();
  std::shared_ptr<FixtureLanguageModel> model_ = std::make_shared<FixtureLanguageModel>();
};

TEST_F(ListExchange, ItemsTradePlacesWhereTheModelFindsItAsLikely) {
  for (const char* w : {"包括", "教师", "和", "学生", "、", "家长", "参加"}) model_->Unigram(w, -2);
  const Translator t = With();
  EXPECT_EQ(RoundTrip(t, "包括教师和学生。"), "包括学生和教师。");
  // Across the clause mark 、 too, with the rest of the list in place.
  EXPECT_EQ(RoundTrip(t, "教师、学生和家长参加。"), "学生、教师和家长参加。");
  // Unequal items in the middle of a list keep every word once.
  EXPECT_EQ(RoundTrip(t, "包括家长、服务内容、教师和学生。"), "包括家长、教师、服务内容和学生。");
}

TEST_F(ListExchange, RefusedPastTheMarginAtTheLowStrengthAndWithoutAModel) {
  for (const char* w : {"包括", "教师", "和", "学生"}) model_->Unigram(w, -2);
  // After 包括 the model expects 教师 far more than 学生: swapped, the
  // sentence reads 3.5 worse.
  model_->Bigram("包括", "教师", -1).Bigram("包括", "学生", -4.5);
  ASSERT_EQ(StrengthMargin(Strength::kNormal), 1.0f);
  EXPECT_EQ(RoundTrip(With(), "包括教师和学生。"), "包括教师和学生。");
  model_->Bigram("包括", "学生", -1);
  EXPECT_EQ(RoundTrip(With(), "包括教师和学生。"), "包括学生和教师。");
  // The low strength keeps to synonyms listed by hand.
  EXPECT_EQ(RoundTrip(With({}, Strength::kLow), "包括教师和学生。"), "包括教师和学生。");
  const Translator plain(lexicon_);
  EXPECT_EQ(plain.ToChinese(plain.ToEnglish("包括教师和学生。")), "包括教师和学生。");
}

TEST_F(ListExchange, BesideAVerbMustReadAtLeastAsWell) {
  for (const char* w : {"包括", "对", "教师", "和", "学生"}) model_->Unigram(w, -2);
  // Exchanged, each sentence reads 0.5 worse: within the margin after a
  // preposition, but a verb before the list may be part of its first item.
  model_->Bigram("对", "教师", -1).Bigram("对", "学生", -1.5);
  model_->Bigram("包括", "教师", -1).Bigram("包括", "学生", -1.5);
  EXPECT_EQ(RoundTrip(With(), "对教师和学生。"), "对学生和教师。");
  EXPECT_EQ(RoundTrip(With(), "包括教师和学生。"), "包括教师和学生。");
}

TEST_F(ListExchange, LockedItemStaysInPlace) {
  for (const char* w : {"包括", "教师", "和", "学生"}) model_->Unigram(w, -2);
  EXPECT_EQ(RoundTrip(With({"教师"}), "包括教师和学生。"), "包括教师和学生。");
}

}  // namespace
}  // namespace lumora
