// The translator with a language model: the decoder takes the word the model
// prefers among those carrying a phrase, and the way to English refuses a
// replacement that reads worse than the strength's margin allows.

#include <gtest/gtest.h>

#include "translate/fixture_language_model.h"
#include "translate/lexicon_builder.h"
#include "translate/phrase_matcher.h"
#include "translate/set_phrases.h"
#include "translate/translator.h"

namespace lumora {
namespace {

// 激烈 and 剧烈 both carry "violent" and "intense"; 激烈 is the commoner, and
// only 剧烈 means "drastic".
std::shared_ptr<const Lexicon> CompetitionLexicon() {
  LexiconBuilder b;
  b.AddWord("激烈", 2000, "a");
  b.AddWord("剧烈", 1500, "a");
  b.AddWord("竞争", 3000, "vn");
  b.AddWord("运动", 2500, "vn");
  b.AddWord("的", 10000, "uj");
  b.AddEntry("激烈", "ji1 lie4", {"intense", "fierce", "violent"});
  b.AddEntry("剧烈", "ju4 lie4", {"violent", "intense", "drastic"});
  b.AddEntry("竞争", "jing4 zheng1", {"to compete", "competition"});
  b.AddEntry("运动", "yun4 dong4", {"to move", "movement", "sports"});
  return Lexicon::FromBytes(b.Build());
}

class ContextChoice : public ::testing::Test {
 protected:
  Translator With(Strength strength, std::vector<std::string> locked = {}) {
    TranslatorOptions options;
    options.model = model_;
    options.strength = strength;
    options.lockedTerms = std::move(locked);
    return Translator(lexicon_, options);
  }
  std::shared_ptr<const Lexicon> lexicon_ = CompetitionLexicon();
  std::shared_ptr<FixtureLanguageModel> model_ = std::make_shared<FixtureLanguageModel>();
};

TEST_F(ContextChoice, DecoderTakesTheCandidateTheModelPrefersAfterItsNeighbour) {
  model_->Unigram("激烈", -3).Unigram("剧烈", -3).Unigram("的", -1).Unigram("竞争", -3);
  model_->Unigram("运动", -3);
  model_->Bigram("剧烈", "运动", -0.5).Bigram("激烈", "的", -0.5).Bigram("的", "竞争", -1);
  const Translator t = With(Strength::kNormal);
  EXPECT_EQ(t.ToChinese("intense 运动"), "剧烈运动");
  EXPECT_EQ(t.ToChinese("intense 的竞争"), "激烈的竞争");
}

TEST_F(ContextChoice, WithoutAModelThePhraseTakesItsDefaultWord) {
  const Translator t(lexicon_);
  EXPECT_EQ(t.ToChinese("intense 运动"), "激烈运动");
}

TEST_F(ContextChoice, ReplacementWithinTheMarginIsTaken) {
  model_->Unigram("激烈", -3).Unigram("剧烈", -3).Unigram("的", -1).Unigram("竞争", -3);
  // 剧烈 reads as well before 的: inside the margin of each strength, but the
  // low strength keeps to synonyms listed by hand.
  model_->Bigram("激烈", "的", -1).Bigram("剧烈", "的", -1).Bigram("的", "竞争", -1);
  const Translator t = With(Strength::kNormal);
  const std::string english = t.ToEnglish("激烈的竞争");
  EXPECT_EQ(t.ToChinese(english), "剧烈的竞争") << english;
  const Translator low = With(Strength::kLow);
  EXPECT_EQ(low.ToChinese(low.ToEnglish("激烈的竞争")), "激烈的竞争");
}

TEST_F(ContextChoice, ReplacementPastTheMarginIsRefused) {
  model_->Unigram("激烈", -3).Unigram("剧烈", -3).Unigram("的", -1).Unigram("竞争", -3);
  // A synonym the rules find must read within the margin less one: 剧烈
  // reads 0.5 worse before 的, past normal's margin (1) so reduced, inside
  // high's (2).
  model_->Bigram("激烈", "的", -1).Bigram("剧烈", "的", -1.5).Bigram("的", "竞争", -1);
  ASSERT_EQ(StrengthMargin(Strength::kNormal), 1.0f);
  ASSERT_EQ(StrengthMargin(Strength::kHigh), 2.0f);
  const Translator normal = With(Strength::kNormal);
  EXPECT_EQ(normal.ToChinese(normal.ToEnglish("激烈的竞争")), "激烈的竞争");
  const Translator high = With(Strength::kHigh);
  EXPECT_EQ(high.ToChinese(high.ToEnglish("激烈的竞争")), "剧烈的竞争");
}

TEST_F(ContextChoice, LockedTermStaysAlsoInsideALongerWord) {
  model_->Unigram("激烈", -3).Unigram("剧烈", -3).Unigram("的", -1).Unigram("竞争", -3);
  model_->Bigram("激烈", "的", -1).Bigram("剧烈", "的", -1.1);
  const Translator t = With(Strength::kHigh, {"激", "竞争"});
  EXPECT_EQ(t.ToEnglish("激烈的竞争"), "激烈的竞争");
  EXPECT_EQ(t.ToChinese(t.ToEnglish("激烈的竞争")), "激烈的竞争");
}

// 漂亮 and 美丽 both mostly mean "beautiful" but share no character; 猛烈
// alone carries "ferocious", a way back to it that 激烈 does not block.
std::shared_ptr<const Lexicon> ListedLexicon(bool listed) {
  LexiconBuilder b;
  b.AddWord("激烈", 2000, "a");
  b.AddWord("剧烈", 1500, "a");
  b.AddWord("猛烈", 800, "a");
  b.AddWord("竞争", 3000, "vn");
  b.AddWord("漂亮", 2000, "a");
  b.AddWord("美丽", 2000, "a");
  b.AddWord("花园", 900, "n");
  b.AddWord("的", 10000, "uj");
  b.AddEntry("激烈", "ji1 lie4", {"intense", "fierce", "violent"});
  b.AddEntry("剧烈", "ju4 lie4", {"violent", "intense", "drastic"});
  b.AddEntry("猛烈", "meng3 lie4", {"ferocious", "fierce", "violent"});
  b.AddEntry("竞争", "jing4 zheng1", {"to compete", "competition"});
  b.AddEntry("漂亮", "piao4 liang5", {"pretty", "beautiful"});
  b.AddEntry("美丽", "mei3 li4", {"beautiful"});
  b.AddEntry("花园", "hua1 yuan2", {"garden"});
  if (listed) {
    b.AddSynonymGroup("激烈 > 猛烈");
    b.AddSynonymGroup("漂亮 美丽");
  }
  return Lexicon::FromBytes(b.Build());
}

class ListedChoice : public ::testing::Test {
 protected:
  void SetUp() override {
    model_->Unigram("激烈", -3).Unigram("剧烈", -3).Unigram("猛烈", -3).Unigram("的", -1);
    model_->Unigram("竞争", -3).Unigram("漂亮", -3).Unigram("美丽", -3).Unigram("花园", -3);
    model_->Bigram("激烈", "的", -1).Bigram("剧烈", "的", -1.1).Bigram("的", "竞争", -1);
    model_->Bigram("漂亮", "的", -1).Bigram("美丽", "的", -1).Bigram("的", "花园", -1);
  }
  std::string RoundTrip(bool listed, Strength strength, const std::string& text) {
    TranslatorOptions options;
    options.model = model_;
    options.strength = strength;
    const Translator t(ListedLexicon(listed), options);
    return t.ToChinese(t.ToEnglish(text));
  }
  std::shared_ptr<FixtureLanguageModel> model_ = std::make_shared<FixtureLanguageModel>();
};

TEST_F(ListedChoice, ListedSynonymComesBeforeTheOneTheRulesFind) {
  // 猛烈 reads worse here than 剧烈, which the rules find; listed, it wins.
  model_->Bigram("剧烈", "的", -0.9).Bigram("猛烈", "的", -1.8);
  EXPECT_EQ(RoundTrip(false, Strength::kNormal, "激烈的竞争"), "剧烈的竞争");
  EXPECT_EQ(RoundTrip(true, Strength::kNormal, "激烈的竞争"), "猛烈的竞争");
}

TEST_F(ListedChoice, ListedSynonymHasAWiderMarginButNotAnUnboundedOne) {
  // 3 worse than 激烈: past normal's margin for the rules' synonyms, inside
  // the listed one's; 6 worse is inside 3.5 times high's margin but past the
  // cap of 5; 10 worse is past any.
  model_->Bigram("猛烈", "的", -4);
  ASSERT_LT(StrengthMargin(Strength::kNormal), 3.0f);
  EXPECT_EQ(RoundTrip(true, Strength::kNormal, "激烈的竞争"), "猛烈的竞争");
  model_->Bigram("猛烈", "的", -7);
  ASSERT_GT(StrengthMargin(Strength::kHigh) * 3.5f, 6.0f);
  EXPECT_EQ(RoundTrip(true, Strength::kHigh, "激烈的竞争"), "剧烈的竞争");
  model_->Bigram("猛烈", "的", -11);
  EXPECT_EQ(RoundTrip(true, Strength::kHigh, "激烈的竞争"), "剧烈的竞争");
}

TEST_F(ListedChoice, LowStrengthTakesListedSynonymsOnly) {
  model_->Bigram("猛烈", "的", -1.2);
  EXPECT_EQ(RoundTrip(true, Strength::kLow, "激烈的竞争"), "猛烈的竞争");
  EXPECT_EQ(RoundTrip(false, Strength::kLow, "激烈的竞争"), "激烈的竞争");
}

TEST_F(ListedChoice, PairWithoutACommonCharacterChangesOnlyWhenListed) {
  // 美丽 reads as well as 漂亮, and both mostly mean "beautiful"; the rules
  // alone do not trust a pair that shares no character.
  EXPECT_EQ(RoundTrip(false, Strength::kHigh, "漂亮的花园"), "漂亮的花园");
  EXPECT_EQ(RoundTrip(true, Strength::kNormal, "漂亮的花园"), "美丽的花园");
  EXPECT_EQ(RoundTrip(true, Strength::kNormal, "美丽的花园"), "漂亮的花园");
}

TEST_F(ListedChoice, ListedSynonymTheDecoderWouldNotPickComesBackThroughItsHeldPhrase) {
  // 美丽 carries no gloss of its own and reads worse here than 漂亮, so the
  // decoder turns "beautiful" back into 漂亮.
  model_->Bigram("美丽", "的", -1.6);
  TranslatorOptions options;
  options.model = model_;
  const Translator t(ListedLexicon(true), options);
  ASSERT_EQ(t.ToChinese("beautiful 的花园"), "漂亮的花园");
  const std::string english = t.ToEnglish("漂亮的花园");
  EXPECT_NE(english.find(HeldPhraseKey("beautiful")), std::string::npos) << english;
  EXPECT_EQ(t.ToChinese(english), "美丽的花园");
  // Past the listed synonym's margin the word stays, held phrase or not.
  model_->Bigram("美丽", "的", -11);
  EXPECT_EQ(RoundTrip(true, Strength::kHigh, "漂亮的花园"), "漂亮的花园");
}

TEST(ListedChoiceWithoutAModel, ListedSynonymIsTakenThroughAGlossLeadingBackToIt) {
  const Translator t(ListedLexicon(true));
  EXPECT_EQ(t.ToChinese(t.ToEnglish("漂亮的花园")), "美丽的花园");
  EXPECT_EQ(t.ToChinese(t.ToEnglish("美丽的花园")), "漂亮的花园");
  const Translator unlisted(ListedLexicon(false));
  EXPECT_EQ(unlisted.ToChinese(unlisted.ToEnglish("美丽的花园")), "美丽的花园");
}

// 不仅 and 不但 carry the same negation, 不论 and 无论 one each, listed by
// hand as meaning the same; 差不多 brings in one that 几乎 does not have, and
// 部分 drops the numeral of 一半. The 不 of 不少 "quite a few" denies nothing,
// nor does the 一 of 一定 "surely" count.
std::shared_ptr<const Lexicon> NegationLexicon() {
  LexiconBuilder b;
  b.AddWord("不仅", 3000, "c");
  b.AddWord("不但", 2500, "c");
  b.AddWord("无论", 3000, "c");
  b.AddWord("不论", 2000, "c");
  b.AddWord("几乎", 3000, "d");
  b.AddWord("差不多", 2500, "d");
  b.AddWord("一定", 3000, "d");
  b.AddWord("务必", 2000, "d");
  b.AddWord("一半", 3000, "m");
  b.AddWord("部分", 2500, "n");
  b.AddWord("不少", 3000, "m");
  b.AddWord("许多", 2500, "m");
  b.AddWord("好", 9000, "a");
  b.AddEntry("不少", "bu4 shao3", {"quite a lot", "many"});
  b.AddEntry("许多", "xu3 duo1", {"many", "a great deal of"});
  b.AddEntry("不仅", "bu4 jin3", {"not only", "not merely"});
  b.AddEntry("不但", "bu4 dan4", {"not only", "not just"});
  b.AddEntry("无论", "wu2 lun4", {"no matter what"});
  b.AddEntry("不论", "bu4 lun4", {"no matter what", "regardless of"});
  b.AddEntry("几乎", "ji1 hu1", {"almost", "nearly"});
  b.AddEntry("差不多", "cha4 bu5 duo1", {"almost", "nearly"});
  b.AddEntry("一定", "yi1 ding4", {"surely", "must"});
  b.AddEntry("务必", "wu4 bi4", {"must", "to be sure to"});
  b.AddEntry("一半", "yi1 ban4", {"half", "part"});
  b.AddEntry("部分", "bu4 fen5", {"part", "section"});
  b.AddEntry("好", "hao3", {"good"});
  b.AddSynonymGroup("不仅 不但");
  b.AddSynonymGroup("无论 不论");
  b.AddSynonymGroup("几乎 差不多");
  b.AddSynonymGroup("一定 务必");
  b.AddSynonymGroup("一半 部分");
  b.AddSynonymGroup("不少 > 许多");
  return Lexicon::FromBytes(b.Build());
}

// 将 > 会 reads right before a verb (将开始 as 会开始) but not in the set
// phrase 将于, which stays whole; so does 一定要 around its 要.
TEST(SetPhrase, KeepsItsWordsWhereTheyWouldChangeElsewhere) {
  LexiconBuilder b;
  struct Row {
    const char* word;
    uint32_t frequency;
    const char* tag;
    const char* pinyin;
    std::vector<std::string> glosses;
  };
  for (const Row& r : std::vector<Row>{{"将", 5000, "d", "jiang1", {"will", "shall"}},
                                       {"会", 6000, "v", "hui4", {"will", "can"}},
                                       {"于", 8000, "p", "yu2", {"at"}},
                                       {"开始", 4000, "v", "kai1 shi3", {"to begin"}}}) {
    b.AddWord(r.word, r.frequency, r.tag);
    b.AddEntry(r.word, r.pinyin, r.glosses);
  }
  b.AddSynonymGroup("将 > 会");
  auto model = std::make_shared<FixtureLanguageModel>();
  for (const char* w : {"将", "会", "于", "开始"}) model->Unigram(w, -3);
  for (const bool useModel : {false, true}) {
    TranslatorOptions options;
    if (useModel) options.model = model;
    const Translator t(Lexicon::FromBytes(b.Build()), options);
    EXPECT_EQ(t.ToChinese(t.ToEnglish("将开始")), "会开始") << useModel;
    EXPECT_EQ(t.ToChinese(t.ToEnglish("将于开始")), "将于开始") << useModel;
  }
}

using Words = std::vector<std::string>;

// The text of each span FindSetPhrases finds, in order.
Words SetPhrasesIn(const std::string& text) {
  Words words;
  for (const auto& [begin, end] : FindSetPhrases(text))
    words.push_back(text.substr(begin, end - begin));
  return words;
}

TEST(SetPhrase, FoundInsideLongerTextAndSideBySide) {
  EXPECT_EQ(SetPhrasesIn("即将于明天开始，一定要就像"), (Words{"将于", "一定要", "就像"}));
  EXPECT_TRUE(SetPhrasesIn("将会开始").empty());
}

TEST(SetPhrase, AttributionVerbClosingASourceNamedAfterJu) {
  EXPECT_EQ(SetPhrasesIn("据组委会介绍，比赛"), Words{"介绍"});
  EXPECT_EQ(SetPhrasesIn("据记者了解，一定要去"), (Words{"了解", "一定要"}));
  // 据了解 as 据悉 reads right; a verb without 据, or past a clause mark, changes.
  EXPECT_TRUE(SetPhrasesIn("据了解，比赛").empty());
  EXPECT_TRUE(SetPhrasesIn("医生介绍，比赛").empty());
  EXPECT_TRUE(SetPhrasesIn("根据规定，医生介绍").empty());
  EXPECT_TRUE(SetPhrasesIn("据说，医生介绍").empty());
}

TEST(SetPhrase, ShortQuotationNamingSomethingStaysWhole) {
  EXPECT_EQ(SetPhrasesIn("授予“节约示范店”称号"), Words{"节约示范店"});
  EXPECT_EQ(SetPhrasesIn("开展「家电义务维修进社区」活动"), Words{"家电义务维修进社区"});
  // Speech, a clause inside, an empty or unclosed quotation: reworded.
  EXPECT_TRUE(SetPhrasesIn("他说：“今年的比赛更加激烈，观众也更多了。”").empty());
  EXPECT_TRUE(SetPhrasesIn("“好，走吧”").empty());
  EXPECT_TRUE(SetPhrasesIn("“”与“节约").empty());
  // A set phrase inside the name gives way to it; one outside stays.
  EXPECT_EQ(SetPhrasesIn("“一定要来”，一定要去"), (Words{"一定要来", "一定要"}));
}

TEST(ListedSynonymOfANegation, KeepsTheNegationWithAndWithoutAModel) {
  auto model = std::make_shared<FixtureLanguageModel>();
  for (const char* w : {"不仅", "不但", "无论", "不论", "几乎", "差不多", "一定", "务必", "不少",
                        "许多", "一半", "部分"}) {
    model->Unigram(w, -3);
  }
  model->Unigram("好", -2);
  for (const bool useModel : {false, true}) {
    TranslatorOptions options;
    if (useModel) options.model = model;
    const Translator t(NegationLexicon(), options);
    EXPECT_EQ(t.ToChinese(t.ToEnglish("不仅好")), "不但好");
    EXPECT_EQ(t.ToChinese(t.ToEnglish("不但好")), "不仅好");
    EXPECT_EQ(t.ToChinese(t.ToEnglish("无论好")), "不论好") << "one negation for another";
    EXPECT_EQ(t.ToChinese(t.ToEnglish("几乎好")), "几乎好") << "a negation brought in";
    EXPECT_EQ(t.ToChinese(t.ToEnglish("差不多好")), "差不多好") << "a negation dropped";
    EXPECT_EQ(t.ToEnglish("差不多好").rfind("差不多", 0), 0u) << "a negation never goes to English";
    EXPECT_EQ(t.ToChinese(t.ToEnglish("一半好")), "一半好") << "a numeral dropped";
    EXPECT_EQ(t.ToChinese(t.ToEnglish("一定好")), "务必好") << "a numeral that counts nothing";
    EXPECT_EQ(t.ToChinese(t.ToEnglish("不少好")), "许多好") << "a negation that denies nothing";
  }
}

// 小孩 and 孩童 may become one another, but the decoder turns "child", the
// first gloss of both, into the commoner 孩子: each needs a held phrase of
// its own.
TEST(ListedChoiceSharingAGloss, EachListedSynonymComesBackThroughAHeldPhraseOfItsOwn) {
  LexiconBuilder b;
  b.AddWord("孩子", 5000, "n");
  b.AddWord("小孩", 1500, "n");
  b.AddWord("孩童", 800, "n");
  b.AddWord("玩", 3000, "v");
  b.AddEntry("孩子", "hai2 zi5", {"child"});
  b.AddEntry("小孩", "xiao3 hai2", {"child"});
  b.AddEntry("孩童", "hai2 tong2", {"child"});
  b.AddEntry("玩", "wan2", {"to play"});
  b.AddSynonymGroup("小孩 孩童");
  auto model = std::make_shared<FixtureLanguageModel>();
  model->Unigram("孩子", -2).Unigram("小孩", -3).Unigram("孩童", -3.2).Unigram("玩", -3);
  TranslatorOptions options;
  options.model = model;
  const Translator t(Lexicon::FromBytes(b.Build()), options);
  ASSERT_EQ(t.ToChinese("child 玩"), "孩子玩");
  const std::string once = t.ToEnglish("孩童玩");
  const std::string twice = t.ToEnglish("小孩玩");
  EXPECT_NE(once, twice) << "both lead through the same phrase: " << once;
  EXPECT_EQ(t.ToChinese(once), "小孩玩") << once;
  EXPECT_EQ(t.ToChinese(twice), "孩童玩") << twice;
  // A run of marks belongs to the word before it.
  const std::string both = t.ToChinese(HeldPhraseKey("child", 1) + " " + HeldPhraseKey("child", 2));
  EXPECT_NE(both.find("小孩"), std::string::npos) << both;
  EXPECT_NE(both.find("孩童"), std::string::npos) << both;
}

// A word of a small lexicon: text, frequency, part of speech and glosses.
struct FixtureWord {
  const char* text;
  uint32_t frequency;
  const char* tag;
  std::vector<std::string> glosses;  // none: a word of the frequency list alone
};

// A translator over words the model finds equally likely, with the listed
// groups, with or without the model.
Translator TranslatorOf(const std::vector<FixtureWord>& words,
                        const std::vector<const char*>& groups, bool useModel) {
  LexiconBuilder b;
  auto model = std::make_shared<FixtureLanguageModel>();
  for (const FixtureWord& w : words) {
    b.AddWord(w.text, w.frequency, w.tag);
    if (!w.glosses.empty()) b.AddEntry(w.text, "x1", w.glosses);
    model->Unigram(w.text, -2.5);
  }
  for (const char* group : groups) b.AddSynonymGroup(group);
  TranslatorOptions options;
  if (useModel) options.model = model;
  return Translator(Lexicon::FromBytes(b.Build()), options);
}

std::string RoundTripOf(const Translator& t, const std::string& text) {
  return t.ToChinese(t.ToEnglish(text));
}

// Every sense of 参与 is narrowed ("to participate (in sth)"), so no gloss of
// its own leads back to it: its held phrase is made of the narrowed one.
TEST(ListedChoiceWithNarrowedGlosses, IsReachedThroughAHeldPhraseOfTheNarrowedGloss) {
  const Translator t = TranslatorOf({{"参加", 5000, "v", {"to participate", "to take part"}},
                                     {"参与", 3000, "v", {"to participate (in sth)"}},
                                     {"比赛", 3000, "n", {"competition"}}},
                                    {"参加 > 参与"}, true);
  ASSERT_EQ(t.ToChinese("to participate 比赛"), "参加比赛");
  const std::string english = t.ToEnglish("参加比赛");
  EXPECT_EQ(t.ToChinese(english), "参与比赛") << english;
  EXPECT_EQ(RoundTripOf(t, "参与比赛"), "参与比赛") << "one way only";
}

// 很多 is a word of the frequency list with no sense of its own: it is held
// through the gloss of each word that leads to it.
TEST(ListedChoiceWithoutASense, IsReachedThroughTheGlossOfTheWordLeadingToIt) {
  const Translator t = TranslatorOf({{"许多", 4000, "m", {"many", "a lot of"}},
                                     {"大量", 3000, "m", {"great amount", "large quantity"}},
                                     {"很多", 5000, "m", {}},
                                     {"人", 9000, "n", {"person"}}},
                                    {"许多 > 很多", "大量 > 很多"}, true);
  EXPECT_EQ(RoundTripOf(t, "许多人"), "很多人");
  EXPECT_EQ(RoundTripOf(t, "大量人"), "很多人");
  EXPECT_EQ(RoundTripOf(t, "很多人"), "很多人");
}

// Neither 降到 nor 降至 has a sense of its own: 降到 is glossed by the words
// it is made of, so that its listed synonym can be reached; a word whose
// parts have no sense either stays as it was.
TEST(ListedChoiceBetweenWordsWithoutASense, IsReachedThroughTheGlossesOfTheParts) {
  const Translator t = TranslatorOf({{"降", 3000, "v", {"to drop", "to fall"}},
                                     {"到", 9000, "v", {"to reach", "to arrive"}},
                                     {"降到", 5000, "v", {}},
                                     {"降至", 4000, "v", {}},
                                     {"摆摆", 5000, "v", {}},
                                     {"放放", 4000, "v", {}},
                                     {"气温", 3000, "n", {"air temperature"}}},
                                    {"降到 > 降至", "摆摆 > 放放"}, true);
  const std::string english = t.ToEnglish("气温降到");
  EXPECT_NE(english.find("to drop to reach"), std::string::npos) << english;
  EXPECT_EQ(t.ToChinese(english), "气温降至") << english;
  EXPECT_EQ(RoundTripOf(t, "气温降至"), "气温降至") << "one way only";
  EXPECT_EQ(RoundTripOf(t, "摆摆"), "摆摆");
}
// 要 is "need to" before a verb, also with an adverb between, and may become
// 需 there, but not where it means "want" (要一杯茶), nor before a verb that
// carries a negation (还没有 is "not yet", 也没 "nor").
TEST(ListedChoiceBeforeAVerb, HoldsRightBeforeAVerbOnly) {
  const std::vector<FixtureWord> words = {{"要", 9000, "v", {"to want", "to need"}},
                                          {"需", 3000, "v", {"to need", "to require"}},
                                          {"注意", 4000, "v", {"to pay attention"}},
                                          {"一杯", 2000, "m", {}},
                                          {"茶", 2000, "n", {"tea"}},
                                          {"及时", 2000, "d", {}},
                                          {"没有", 5000, "v", {"not to have"}}};
  for (const bool useModel : {false, true}) {
    const Translator t = TranslatorOf(words, {"要 > 需 (before a verb)"}, useModel);
    if (useModel) {
      EXPECT_EQ(RoundTripOf(t, "要注意"), "需注意");
      EXPECT_EQ(RoundTripOf(t, "要及时注意"), "需及时注意") << "an adverb between";
    }
    EXPECT_EQ(RoundTripOf(t, "要一杯茶"), "要一杯茶") << useModel;
    EXPECT_EQ(RoundTripOf(t, "要及时，"), "要及时，") << "an adverb, then no verb";
    EXPECT_EQ(RoundTripOf(t, "茶要"), "茶要") << useModel;
    EXPECT_EQ(RoundTripOf(t, "要没有茶"), "要没有茶") << "a verb with a negation";
  }
}

// 到 "to" becomes 至 before a number (三至五天, 8至10点) but not before a
// place or a word that only begins with a numeral (到北京, 到一些地方).
TEST(ListedChoiceBeforeANumber, HoldsRightBeforeANumberOnly) {
  const Translator t = TranslatorOf({{"到", 9000, "v", {"to", "to arrive"}},
                                     {"至", 3000, "p", {"to", "until"}},
                                     {"三", 5000, "m", {}},
                                     {"五", 5000, "m", {}},
                                     {"天", 5000, "q", {}},
                                     {"北京", 3000, "ns", {}},
                                     {"一些", 3000, "m", {}},
                                     {"地方", 3000, "n", {"place"}}},
                                    {"到 > 至 (before a number)"}, true);
  EXPECT_EQ(RoundTripOf(t, "三到五天"), "三至五天");
  EXPECT_EQ(RoundTripOf(t, "3到5天"), "3至5天");
  EXPECT_EQ(RoundTripOf(t, "到三天"), "至三天") << "a number of days";
  EXPECT_EQ(RoundTripOf(t, "到北京"), "到北京");
  EXPECT_EQ(RoundTripOf(t, "到一些地方"), "到一些地方");
}

// 介绍 introduces what someone said before a comma or a colon (医生表示，…)
// but is "to introduce" elsewhere (介绍产品).
TEST(ListedChoiceBeforeAComma, HoldsRightBeforeACommaOrAColonOnly) {
  const Translator t = TranslatorOf({{"介绍", 5000, "v", {"to introduce"}},
                                     {"表示", 5000, "v", {"to express", "to state"}},
                                     {"医生", 3000, "n", {"doctor"}},
                                     {"产品", 3000, "n", {"product"}}},
                                    {"介绍 > 表示 (before a comma)"}, true);
  EXPECT_EQ(RoundTripOf(t, "医生介绍，产品"), "医生表示，产品");
  EXPECT_EQ(RoundTripOf(t, "医生介绍：产品"), "医生表示：产品");
  EXPECT_EQ(RoundTripOf(t, "医生介绍产品"), "医生介绍产品");
  EXPECT_EQ(RoundTripOf(t, "医生介绍。"), "医生介绍。");
}

// 比较 is "rather" before an adjective (较好) but "to compare" elsewhere
// (进行比较); 使用 is plain "use" before a noun (用手机) but not at the end of
// a clause (停止使用); 要 is "need to" before a preposition (需在家) too.
TEST(ListedChoiceBeforeAnAdjectiveANounOrAPreposition, HoldsThereOnly) {
  const Translator t = TranslatorOf({{"比较", 5000, "d", {"comparatively", "to compare"}},
                                     {"较", 3000, "d", {"relatively", "quite"}},
                                     {"好", 9000, "a", {"good"}},
                                     {"进行", 5000, "v", {"to carry out"}},
                                     {"使用", 5000, "v", {"to use", "to employ"}},
                                     {"用", 8000, "v", {"to use", "to make use of"}},
                                     {"手机", 4000, "n", {"cell phone"}},
                                     {"微信", 3000, "nz", {}},
                                     {"停止", 3000, "v", {"to stop"}},
                                     {"时", 9000, "n", {}},
                                     {"要", 9000, "v", {"to want", "to need"}},
                                     {"需", 3000, "v", {"to need", "to require"}},
                                     {"在", 9000, "p", {}},
                                     {"家", 5000, "n", {"home"}}},
                                    {"比较 > 较 (before an adjective)", "使用 > 用 (before a noun)",
                                     "要 > 需 (before a preposition)"},
                                    true);
  EXPECT_EQ(RoundTripOf(t, "比较好"), "较好");
  EXPECT_EQ(RoundTripOf(t, "进行比较。"), "进行比较。");
  EXPECT_EQ(RoundTripOf(t, "比较手机"), "比较手机") << "a noun is no adjective";
  EXPECT_EQ(RoundTripOf(t, "使用手机"), "用手机");
  EXPECT_EQ(RoundTripOf(t, "使用微信"), "用微信") << "a name is a noun";
  EXPECT_EQ(RoundTripOf(t, "停止使用。"), "停止使用。");
  EXPECT_EQ(RoundTripOf(t, "使用时"), "使用时") << "a time clause, not a thing";
  EXPECT_EQ(RoundTripOf(t, "使用好"), "使用好") << "an adjective is no noun";
  EXPECT_EQ(RoundTripOf(t, "要在家"), "需在家");
  EXPECT_EQ(RoundTripOf(t, "要家"), "要家") << "a noun is no preposition";
}

// 只 is "only" as an adverb but the measure word of animals after a number
// or a word that points at one.
TEST(SingleCharacter, AfterANumberOrAPointerStaysAsTheMeasureWordItIs) {
  LexiconBuilder b;
  b.AddWord("只", 5000, "d");
  b.AddWord("仅", 2000, "d");
  b.AddWord("两万", 500, "m");
  b.AddWord("鸟", 2000, "n");
  b.AddWord("看", 3000, "v");
  b.AddWord("这", 8000, "r");
  b.AddWord("每", 4000, "r");
  b.AddWord("这里", 6000, "r");
  b.AddWord("犬", 1500, "n");
  b.AddWord("接种", 1500, "v");
  b.AddEntry("只", "zhi3", {"only", "merely"});
  b.AddEntry("仅", "jin3", {"only", "merely"});
  b.AddEntry("鸟", "niao3", {"bird"});
  b.AddEntry("看", "kan4", {"to look"});
  b.AddSynonymGroup("只 > 仅");
  auto model = std::make_shared<FixtureLanguageModel>();
  model->Unigram("只", -2).Unigram("仅", -2).Unigram("两万", -3).Unigram("鸟", -3);
  model->Unigram("看", -3).Unigram("这", -2).Unigram("每", -2.5).Unigram("这里", -2);
  model->Unigram("犬", -3).Unigram("接种", -3);
  TranslatorOptions options;
  options.model = model;
  const Translator t(Lexicon::FromBytes(b.Build()), options);
  EXPECT_EQ(t.ToChinese(t.ToEnglish("只看鸟")), "仅看鸟");
  EXPECT_EQ(t.ToChinese(t.ToEnglish("看这只鸟")), "看这只鸟");
  EXPECT_EQ(t.ToChinese(t.ToEnglish("每只鸟")), "每只鸟");
  EXPECT_EQ(t.ToChinese(t.ToEnglish("这里只看鸟")), "这里仅看鸟");
  EXPECT_EQ(t.ToChinese(t.ToEnglish("两万只鸟")), "两万只鸟");
  EXPECT_EQ(t.ToChinese(t.ToEnglish("看20只鸟")), "看20只鸟");
  EXPECT_EQ(t.ToChinese(t.ToEnglish("为犬只接种")), "为犬只接种") << "a collective noun";
}

// Two words side by side that mean the same stay apart: a synonym that is
// already its neighbour would write that word twice.
TEST(ListedSynonym, NeverRepeatsTheWordBesideIt) {
  const Translator t = TranslatorOf({{"环境", 5000, "n", {"environment"}},
                                     {"干净", 3000, "a", {"clean"}},
                                     {"整洁", 1000, "a", {"neat", "clean"}}},
                                    {"整洁 > 干净"}, true);
  EXPECT_EQ(RoundTripOf(t, "环境整洁"), "环境干净");
  EXPECT_EQ(RoundTripOf(t, "环境干净整洁"), "环境干净整洁");
  EXPECT_EQ(RoundTripOf(t, "环境整洁干净"), "环境整洁干净");
}

// 住建局 is an abbreviation the segmenter cuts into single characters; 建立
// carries both leading senses of 建 and reads better after 住.
TEST(SingleCharacter, TakesNoSynonymTheRulesFind) {
  LexiconBuilder b;
  b.AddWord("住", 3000, "v");
  b.AddWord("建", 3000, "v");
  b.AddWord("建立", 2500, "v");
  b.AddWord("局", 2000, "n");
  b.AddEntry("住", "zhu4", {"to live"});
  b.AddEntry("建", "jian4", {"to establish", "to build"});
  b.AddEntry("建立", "jian4 li4", {"to establish", "to build"});
  b.AddEntry("局", "ju2", {"office"});
  auto model = std::make_shared<FixtureLanguageModel>();
  model->Unigram("住", -3).Unigram("建", -3).Unigram("建立", -3).Unigram("局", -3);
  model->Bigram("住", "建立", -0.5).Bigram("住", "建", -1);
  TranslatorOptions options;
  options.model = model;
  options.strength = Strength::kHigh;
  const Translator t(Lexicon::FromBytes(b.Build()), options);
  EXPECT_EQ(t.ToChinese(t.ToEnglish("住建局")), "住建局");
  EXPECT_EQ(t.ToChinese("to establish 局"), "建立局") << "the decoder would take 建立";
}

TEST(StrengthNames, ParseAndOrder) {
  EXPECT_EQ(ParseStrength("low"), Strength::kLow);
  EXPECT_EQ(ParseStrength("high"), Strength::kHigh);
  EXPECT_EQ(ParseStrength("High"), std::nullopt);
  EXPECT_LT(StrengthMargin(Strength::kLow), StrengthMargin(Strength::kNormal));
  EXPECT_LT(StrengthMargin(Strength::kNormal), StrengthMargin(Strength::kHigh));
}

}  // namespace
}  // namespace lumora
