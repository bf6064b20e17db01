#include "translate/synonym_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "translate/lexicon_builder.h"
#include "translate/translator.h"

namespace lumora {
namespace {

// Each test writes the few words its rule needs; a second lexicon differing in
// one detail shows the rule, not something else, decides.
std::shared_ptr<const Lexicon> Build(const std::function<void(LexiconBuilder&)>& fill) {
  LexiconBuilder b;
  fill(b);
  return Lexicon::FromBytes(b.Build());
}

bool Synonym(const Lexicon& lex, std::string_view word, std::string_view synonym) {
  const int32_t a = lex.Find(word);
  const int32_t b = lex.Find(synonym);
  EXPECT_NE(a, Lexicon::kNone) << word;
  EXPECT_NE(b, Lexicon::kNone) << synonym;
  return a != Lexicon::kNone && b != Lexicon::kNone && IsSynonym(lex, a, b);
}

std::string RoundTrip(const std::shared_ptr<const Lexicon>& lex, std::string_view text) {
  const Translator t(lex);
  return t.ToChinese(t.ToEnglish(text));
}

void MarketWords(LexiconBuilder& b, std::string_view tagOfReasonable) {
  b.AddWord("集市", 500, "n");
  b.AddWord("市场", 2000, "n");
  b.AddWord("合理", 3000, tagOfReasonable);
  b.AddEntry("集市", "ji2 shi4", {"market", "fair"});
  b.AddEntry("市场", "shi4 chang3", {"market", "fair"});
  b.AddEntry("合理", "he2 li3", {"fair", "reasonable"});
}

TEST(SynonymRules, WordClassesMustAgree) {
  const auto lex = Build([](LexiconBuilder& b) { MarketWords(b, "a"); });
  EXPECT_FALSE(Synonym(*lex, "集市", "合理")) << "a noun never becomes an adjective";
  EXPECT_TRUE(Synonym(*lex, "集市", "市场"));
  const auto nouns = Build([](LexiconBuilder& b) { MarketWords(b, "n"); });
  EXPECT_TRUE(Synonym(*nouns, "集市", "合理")) << "the same glosses pass between two nouns";
}

TEST(SynonymRules, TagsMayDifferForWordsSharingACharacterAndMostSenses) {
  const auto lex = Build([](LexiconBuilder& b) {
    b.AddWord("原来", 15000, "d");
    b.AddWord("原本", 1900, "n");
    b.AddWord("起初", 1500, "n");
    b.AddWord("原", 9000, "d");
    b.AddEntry("原来", "yuan2 lai2", {"original", "former", "originally"});
    b.AddEntry("原本", "yuan2 ben3", {"originally", "original"});
    b.AddEntry("起初", "qi3 chu1", {"originally", "original"});
    b.AddEntry("原", "yuan2", {"original", "originally"});
  });
  EXPECT_TRUE(Synonym(*lex, "原来", "原本"));
  EXPECT_FALSE(Synonym(*lex, "原来", "起初")) << "no shared character";
  EXPECT_FALSE(Synonym(*lex, "原", "原本")) << "a single character keeps to its class";
}

TEST(SynonymRules, ExcludedPairIsNeverChosen) {
  const auto open = Build([](LexiconBuilder& b) { MarketWords(b, "a"); });
  EXPECT_EQ(RoundTrip(open, "集市"), "市场");
  const auto excluded = Build([](LexiconBuilder& b) {
    MarketWords(b, "a");
    b.AddExclusion("集市", "市场");
    b.AddExclusion("集市", "没有这个词");
  });
  EXPECT_FALSE(Synonym(*excluded, "集市", "市场"));
  EXPECT_TRUE(Synonym(*excluded, "市场", "集市")) << "an exclusion holds one way only";
  EXPECT_EQ(RoundTrip(excluded, "集市"), "集市");
}

TEST(SynonymRules, NegationsAndNumeralsAreNeverIntroducedOrExchanged) {
  const auto lex = Build([](LexiconBuilder& b) {
    b.AddWord("相同", 800, "a");
    b.AddWord("一样", 3000, "a");
    b.AddWord("同样", 3000, "a");
    b.AddWord("不同", 3000, "a");
    b.AddWord("各异", 400, "a");
    b.AddEntry("相同", "xiang1 tong2", {"same", "identical"});
    b.AddEntry("一样", "yi1 yang4", {"same", "alike"});
    b.AddEntry("同样", "tong2 yang4", {"same", "equally"});
    b.AddEntry("不同", "bu4 tong2", {"different", "distinct"});
    b.AddEntry("各异", "ge4 yi4", {"different", "distinct"});
  });
  EXPECT_FALSE(Synonym(*lex, "相同", "一样")) << "一 is a numeral";
  EXPECT_FALSE(Synonym(*lex, "各异", "不同")) << "不 is a negation";
  EXPECT_FALSE(Synonym(*lex, "不同", "各异")) << "a word with a negation keeps it";
  EXPECT_TRUE(Synonym(*lex, "相同", "同样")) << "the same evidence without a protected character";
  EXPECT_EQ(RoundTrip(lex, "各异"), "各异");
  EXPECT_EQ(RoundTrip(lex, "不同"), "不同");
}

// A pair listed by hand may trade one negation for another, 别 alone
// among them ("don't"), but never drop or bring one in, nor a numeral.
TEST(SynonymRules, ListedPairKeepsHowManyNegationsAndEveryNumeral) {
  EXPECT_EQ(NegationCount("别"), 1u);
  EXPECT_EQ(NegationCount("别急"), 1u);
  EXPECT_EQ(NegationCount("千万别"), 1u);
  EXPECT_EQ(NegationCount("特别"), 0u) << "别 inside a word is no negation";
  EXPECT_EQ(NegationCount("别人"), 0u) << "别 is \"other\" there";
  EXPECT_EQ(NegationCount("别无选择"), 1u) << "无 alone";
  EXPECT_EQ(NegationCount("不要"), 1u);
  EXPECT_EQ(NegationCount("毫无不同"), 2u);
  EXPECT_EQ(NegationCount("不少"), 0u) << "\"quite a few\" denies nothing";
  EXPECT_EQ(NegationCount("不断改进"), 0u);
  EXPECT_EQ(NegationCount("并非"), 1u);
  EXPECT_EQ(NegationCount("不少不"), 1u);
  EXPECT_TRUE(KeepsProtectedChars("不少", "许多"));
  EXPECT_TRUE(KeepsProtectedChars("非常", "很"));
  EXPECT_TRUE(KeepsProtectedChars("非常", "十分")) << "十分 \"very\" has no number";
  EXPECT_FALSE(KeepsProtectedChars("不多", "许多")) << "a negation dropped";
  EXPECT_TRUE(KeepsProtectedChars("不要", "别"));
  EXPECT_TRUE(KeepsProtectedChars("没有", "未"));
  EXPECT_TRUE(KeepsProtectedChars("请不要", "请勿"));
  EXPECT_TRUE(KeepsProtectedChars("特别", "尤其"));
  EXPECT_FALSE(KeepsProtectedChars("不要", "避免")) << "a negation dropped";
  EXPECT_FALSE(KeepsProtectedChars("几乎", "差不多")) << "a negation brought in";
  EXPECT_FALSE(KeepsProtectedChars("别人", "别")) << "a negation brought in";
  EXPECT_FALSE(KeepsProtectedChars("一半", "部分")) << "a numeral dropped";
  EXPECT_TRUE(KeepsProtectedChars("一定", "务必")) << "the 一 of \"surely\" counts nothing";
  EXPECT_TRUE(KeepsProtectedChars("一般", "通常"));
  EXPECT_FALSE(KeepsProtectedChars("不一定", "未必定")) << "a numeral dropped";
}

TEST(SynonymRules, RareOrMuchRarerSynonymIsRefused) {
  auto travel = [](uint32_t rarer) {
    return Build([rarer](LexiconBuilder& b) {
      b.AddWord("旅游", 16000, "v");
      b.AddWord("旅行", rarer, "v");
      b.AddEntry("旅游", "lu:3 you2", {"to travel", "tourism"});
      b.AddEntry("旅行", "lu:3 xing2", {"to travel", "journey"});
    });
  };
  const uint32_t limit = 16000 / kMaxFrequencyDrop;
  EXPECT_TRUE(Synonym(*travel(limit + 1), "旅游", "旅行"));
  EXPECT_FALSE(Synonym(*travel(limit - 1), "旅游", "旅行")) << "much rarer";
  EXPECT_TRUE(Synonym(*travel(limit - 1), "旅行", "旅游"));
  const auto rare = travel(kMinSynonymFrequency - 1);
  EXPECT_FALSE(Synonym(*rare, "旅游", "旅行"));
}

TEST(SynonymRules, SingleCharacterBecomesOnlyACompoundSpellingItOut) {
  const auto lex = Build([](LexiconBuilder& b) {
    b.AddWord("仍", 18000, "d");
    b.AddWord("仍然", 8500, "d");
    b.AddWord("买", 20000, "v");
    b.AddWord("购买", 4300, "v");
    b.AddWord("采购", 2000, "v");
    b.AddWord("店", 3400, "n");
    b.AddWord("商店", 900, "n");
    b.AddWord("大", 144000, "a");
    b.AddWord("重大", 12500, "a");
    b.AddWord("人", 300000, "n");
    b.AddWord("人们", 10000, "n");
    b.AddEntry("仍", "reng2", {"still", "yet"});
    b.AddEntry("仍然", "reng2 ran2", {"still", "yet"});
    b.AddEntry("店", "dian4", {"shop", "store"});
    b.AddEntry("商店", "shang1 dian4", {"shop", "store"});
    b.AddEntry("买", "mai3", {"to buy", "to purchase"});
    b.AddEntry("购买", "gou4 mai3", {"to purchase", "to buy"});
    b.AddEntry("采购", "cai3 gou4", {"to buy", "to purchase"});
    b.AddEntry("大", "da4", {"big", "large", "great"});
    b.AddEntry("重大", "zhong4 da4", {"great", "major"});
    b.AddEntry("人", "ren2", {"person", "people"});
    b.AddEntry("人们", "ren2 men5", {"people", "person"});
  });
  EXPECT_TRUE(Synonym(*lex, "仍", "仍然"));
  EXPECT_TRUE(Synonym(*lex, "买", "购买"));
  EXPECT_FALSE(Synonym(*lex, "买", "采购")) << "the compound must contain the character";
  EXPECT_FALSE(Synonym(*lex, "店", "商店")) << "a lone noun is mostly part of a compound (书店)";
  EXPECT_FALSE(Synonym(*lex, "大", "重大")) << "one shared gloss: 各大景区 is no 各重大景区";
  EXPECT_FALSE(Synonym(*lex, "人", "人们")) << "thirty times more frequent: a function word";
  EXPECT_FALSE(Synonym(*lex, "仍然", "仍")) << "a compound never shrinks to one character";
  EXPECT_EQ(RoundTrip(lex, "仍"), "仍然");
}

// Twelve words carry "clear" and "distinct", so sharing both says little.
void ClearWords(LexiconBuilder& b) {
  b.AddWord("清晰", 1600, "a");
  b.AddWord("明显", 9000, "a");
  b.AddWord("明晰", 1000, "a");
  b.AddEntry("清晰", "qing1 xi1", {"clear", "distinct"});
  b.AddEntry("明显", "ming2 xian3", {"clear", "distinct", "obvious"});
  b.AddEntry("明晰", "ming2 xi1", {"clear", "distinct"});
  const char* fillers[] = {"澄澈", "清楚", "分明", "鲜明", "透亮",
                           "清亮", "显著", "显然", "突出", "醒目"};
  for (const char* w : fillers) {
    b.AddWord(w, 50, "a");
    b.AddEntry(w, "x", {"clear", "distinct"});
  }
}

TEST(SynonymRules, VagueSharedGlossesNeedASharedCharacter) {
  const auto lex = Build(ClearWords);
  ASSERT_GT(lex->PhraseCarriers("clear"), kVagueCarriers);
  EXPECT_FALSE(Synonym(*lex, "清晰", "明显"));
  EXPECT_TRUE(Synonym(*lex, "明晰", "明显")) << "明 is shared";
  EXPECT_TRUE(Synonym(*lex, "清晰", "明晰")) << "晰 is shared";
  EXPECT_EQ(RoundTrip(lex, "清晰"), "明晰");
}

TEST(SynonymRules, OverlapIsCountedOverDistinctPrimaryGlosses) {
  const auto lex = Build(ClearWords);
  const GlossOverlap o = CompareGlosses(*lex, lex->Find("清晰"), lex->Find("明显"));
  EXPECT_EQ(o.shared, 2);
  EXPECT_EQ(o.smaller, 2);
  EXPECT_TRUE(o.leading);
  EXPECT_FALSE(o.sharesChar);
  EXPECT_EQ(o.fewestCarriers, lex->PhraseCarriers("clear"));
}

void ShowWords(LexiconBuilder& b, bool manyShared) {
  b.AddWord("表演", 3000, "v");
  b.AddWord("演出", 4000, "v");
  b.AddEntry("表演", "biao3 yan3",
             {"play", "show", "performance", "exhibition", "to perform", "to act"});
  if (manyShared) {
    b.AddEntry("演出", "yan3 chu1", {"to perform", "to act", "to stage", "show", "performance"});
  } else {
    b.AddEntry("演出", "yan3 chu1", {"to perform", "to stage"});
  }
}

TEST(SynonymRules, LateSenseLeadsOnlyToASynonymSharingMostGlosses) {
  const auto close = Build([](LexiconBuilder& b) { ShowWords(b, true); });
  EXPECT_EQ(RoundTrip(close, "表演"), "演出") << "four glosses shared";
  const auto loose = Build([](LexiconBuilder& b) { ShowWords(b, false); });
  EXPECT_TRUE(Synonym(*loose, "表演", "演出"));
  EXPECT_EQ(RoundTrip(loose, "表演"), "表演") << "only the fifth sense is shared";
}

void TouristWords(LexiconBuilder& b) {
  b.AddWord("游客", 4650, "n");
  b.AddWord("旅客", 1550, "n");
  b.AddEntry("游客", "you2 ke4", {"traveler; tourist"});
  b.AddEntry("旅客", "lu:3 ke4", {"traveler; tourist"});
  // One gloss between two words: it goes to the rarer, so the commoner one,
  // met more often, is the one that changes.
  b.AddWord("景区", 1700, "n");
  b.AddWord("风景区", 500, "n");
  b.AddEntry("景区", "jing3 qu1", {"scenic area"});
  b.AddEntry("风景区", "feng1 jing3 qu1", {"scenic area"});
  b.AddWord("产品", 22000, "n");
  b.AddWord("商品", 10000, "n");
  b.AddEntry("产品", "chan3 pin3", {"goods; merchandise"});
  b.AddEntry("商品", "shang1 pin3", {"commodity; goods; merchandise"});
}

TEST(LexiconSharing, TwoSharedGlossesLeadEachWordToTheOther) {
  const auto lex = Build(TouristWords);
  EXPECT_EQ(RoundTrip(lex, "游客"), "旅客");
  EXPECT_EQ(RoundTrip(lex, "旅客"), "游客");
  EXPECT_NE(lex->PhraseTarget("traveler"), lex->PhraseTarget("tourist"));
  EXPECT_EQ(RoundTrip(lex, "产品"), "商品");
  EXPECT_EQ(RoundTrip(lex, "商品"), "产品");
  EXPECT_EQ(lex->Word(lex->PhraseTarget("commodity")), "商品") << "a gloss only one word carries";
}

TEST(LexiconSharing, OneSharedGlossGoesToTheRarerWord) {
  const auto lex = Build(TouristWords);
  EXPECT_EQ(lex->Word(lex->PhraseTarget("scenic area")), "风景区");
  EXPECT_EQ(RoundTrip(lex, "景区"), "风景区");
  EXPECT_EQ(RoundTrip(lex, "风景区"), "风景区");
}

TEST(LexiconSharing, PhraseServingSeveralRarerWordsStays) {
  // 改进 and 改良 both reach 改善 through "to improve", and neither may stand
  // for the other; together they are met more often than 改善 alone, so 改善
  // does not take the phrase away.
  auto build = [](uint32_t rarer) {
    return Build([rarer](LexiconBuilder& b) {
      b.AddWord("改善", 1000, "v");
      b.AddWord("改进", rarer, "v");
      b.AddWord("改良", rarer, "v");
      b.AddEntry("改善", "gai3 shan4", {"to improve"});
      b.AddEntry("改进", "gai3 jin4", {"to improve"});
      b.AddEntry("改良", "gai3 liang2", {"to improve"});
      b.AddExclusion("改良", "改进");
      b.AddExclusion("改进", "改良");
    });
  };
  const auto shared = build(600);
  EXPECT_EQ(shared->Word(shared->PhraseTarget("to improve")), "改善");
  EXPECT_EQ(RoundTrip(shared, "改进"), "改善");
  EXPECT_EQ(RoundTrip(shared, "改良"), "改善");
  const auto rare = build(400);
  EXPECT_NE(rare->Word(rare->PhraseTarget("to improve")), "改善");
  EXPECT_NE(RoundTrip(rare, "改善"), "改善");
}

TEST(LexiconSharing, ExcludedSynonymGetsNoGloss) {
  const auto lex = Build([](LexiconBuilder& b) {
    TouristWords(b);
    b.AddExclusion("游客", "旅客");
  });
  EXPECT_NE(lex->Word(lex->PhraseTarget("traveler")), "旅客");
  EXPECT_NE(lex->Word(lex->PhraseTarget("tourist")), "旅客");
  EXPECT_EQ(RoundTrip(lex, "游客"), "游客");
}

TEST(LexiconSharing, SentenceKeepsItsOtherWords) {
  const auto lex = Build(TouristWords);
  EXPECT_EQ(RoundTrip(lex, "3万名游客来到景区，买了商品。"), "3万名旅客来到风景区，买了产品。");
}

}  // namespace
}  // namespace lumora
