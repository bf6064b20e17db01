#include "translate/translator.h"

#include <gtest/gtest.h>

#include "translate/fixture_lexicon.h"
#include "translate/utf8.h"

namespace lumora {
namespace {

class TranslatorTest : public ::testing::Test {
 protected:
  std::string Gloss(std::string_view word) const {
    return translator_.GlossFor(lexicon_->Find(word));
  }
  std::string RoundTrip(std::string_view text) const {
    return translator_.ToChinese(translator_.ToEnglish(text));
  }

  std::shared_ptr<const Lexicon> lexicon_ = testing::FixtureLexicon();
  Translator translator_{lexicon_};
};

TEST_F(TranslatorTest, ChoosesTheGlossThatLeadsToASynonym) {
  EXPECT_EQ(Gloss("改善"), "to improve");
  EXPECT_EQ(Gloss("增长"), "to increase");
  EXPECT_EQ(RoundTrip("改善"), "提高");
}

TEST_F(TranslatorTest, KeepsTheWordWhenNoSynonymIsSafe) {
  // First sense leads back to the word itself.
  EXPECT_EQ(Gloss("提高"), "to raise");
  // "bank" would lead to 银行, but the river bank only narrows it.
  EXPECT_EQ(Gloss("河岸"), "riverbank");
  EXPECT_EQ(RoundTrip("河岸"), "河岸");
}

TEST_F(TranslatorTest, NeverExchangesOrIntroducesNegations) {
  EXPECT_EQ(Gloss("不断"), "") << "a word with a negation stays Chinese";
  EXPECT_EQ(Gloss("连续"), "in a row") << "\"continuously\" would bring in 不";
  EXPECT_EQ(RoundTrip("不断增长"), "不断增加");
}

TEST_F(TranslatorTest, FunctionWordsNamesAndUnknownCharactersStay) {
  EXPECT_EQ(Gloss("的"), "");
  EXPECT_EQ(Gloss("北京"), "");
  EXPECT_EQ(Gloss("张"), "");
  EXPECT_EQ(translator_.ToEnglish("我们的猫"), "我们的猫");
}

TEST_F(TranslatorTest, EnglishHasBlanksBetweenGlossesAndWordsButNotPunctuation) {
  EXPECT_EQ(translator_.ToEnglish("我们改善手机，增长5%"),
            "我们 to improve cell phone，to increase 5%");
}

TEST_F(TranslatorTest, RoundTripKeepsNumbersLatinWordsAndPunctuation) {
  EXPECT_EQ(RoundTrip("手机增长5.2%，iPhone 15在北京改善。"),
            "手机增加5.2%，iPhone 15在北京提高。");
}

TEST_F(TranslatorTest, LatinWordEqualToAGlossIsProtected) {
  const std::string english = translator_.ToEnglish("苹果和Apple手机");
  EXPECT_NE(english.find(std::string(kWordJoiner) + "Apple"), std::string::npos) << english;
  EXPECT_EQ(translator_.ToChinese(english), "苹果和Apple手机");
}

TEST_F(TranslatorTest, GlossesThatWouldMergeIntoOnePhraseAreSplit) {
  // "to strengthen" + "to cooperate" is no phrase, but the choice of
  // "cooperation" for 合作 would make "to strengthen cooperation".
  const std::string english = translator_.ToEnglish("加强合作");
  EXPECT_EQ(translator_.ToChinese(english), "加强合作") << english;
}

TEST_F(TranslatorTest, ToChineseMatchesLongestPhraseIgnoringCase) {
  EXPECT_EQ(translator_.ToChinese("To Strengthen Cooperation"), "加强合作");
  EXPECT_EQ(translator_.ToChinese("to strengthen the bank"), "加强the银行");
  EXPECT_EQ(translator_.ToChinese("We IMPROVE it."), "We提高it.");
}

TEST_F(TranslatorTest, ToChineseMatchesWholeWordsOnly) {
  EXPECT_EQ(translator_.ToChinese("banking banks bank-note"), "banking banks bank-note");
  EXPECT_EQ(translator_.ToChinese("bank, bank."), "银行,银行.");
}

TEST_F(TranslatorTest, ToChineseDoesNotJoinAcrossPunctuation) {
  EXPECT_EQ(translator_.ToChinese("to strengthen, cooperation"), "加强,合作");
}

TEST_F(TranslatorTest, ProtectedWordIsNeverMatchedAndTheMarkGoes) {
  const std::string text = "eat " + std::string(kWordJoiner) + "apple now";
  EXPECT_EQ(translator_.ToChinese(text), "eat apple now");
}

TEST_F(TranslatorTest, InvalidBytesPassThrough) {
  EXPECT_EQ(RoundTrip("改善\xFF"), "提高\xFF");
}

TEST(ProtectedChars, NegationsAndNumeralsAreProtected) {
  for (const char* w : {"不断", "没有", "未来", "无法", "非常", "统一", "三季度", "万一"}) {
    EXPECT_TRUE(HasProtectedChar(w)) << w;
  }
  for (const char* w : {"发展", "提高", "市场"}) EXPECT_FALSE(HasProtectedChar(w)) << w;
}

TEST(Utf8, JoinsEncodedSurrogatePairs) {
  const std::string pair = "\xED\xA0\xBD\xED\xB8\x80";  // U+1F600 as two halves
  char32_t ch;
  size_t len;
  ASSERT_TRUE(DecodeUtf8Char(pair, 0, ch, len));
  EXPECT_EQ(ch, 0x1F600u);
  EXPECT_EQ(len, 6u);
  EXPECT_EQ(ToStandardUtf8(pair), "\xF0\x9F\x98\x80");
  EXPECT_EQ(ToThreeByteUtf8("a\xF0\x9F\x98\x80z"), "a" + pair + "z");
}

TEST(Utf8, RefusesMalformedSequences) {
  for (const char* bad : {"\x80", "\xC0\xAF", "\xE4\xBD", "\xED\xB8\x80", "\xED\xA0\xBD",
                          "\xF4\x90\x80\x80", "\xFF"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << ::testing::PrintToString(bad);
  }
  EXPECT_TRUE(IsValidUtf8("你好, world \xF0\x9F\x98\x80"));
}

}  // namespace
}  // namespace lumora
