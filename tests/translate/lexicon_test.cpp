#include "translate/lexicon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <utility>

#include "base/stream.h"
#include "support/expect_raises.h"
#include "translate/fixture_lexicon.h"
#include "translate/gloss_cleaner.h"
#include "translate/lexicon_builder.h"
#include "translate/phrase_matcher.h"

namespace lumora {
namespace {

using testing::FixtureLexicon;

std::vector<std::string> GlossTexts(const Lexicon& lex, std::string_view word, int entry = 0) {
  std::vector<std::string> out;
  const int32_t id = lex.Find(word);
  for (int i = 0; id != Lexicon::kNone && i < lex.GlossCount(id); ++i) {
    if (lex.GlossAt(id, i).entry == entry) out.emplace_back(lex.GlossAt(id, i).text);
  }
  return out;
}

TEST(Lexicon, KeepsWordsFrequenciesAndClasses) {
  auto lex = FixtureLexicon();
  const int32_t id = lex->Find("研究");
  ASSERT_NE(id, Lexicon::kNone);
  EXPECT_EQ(lex->Word(id), "研究");
  EXPECT_EQ(lex->Frequency(id), 1000u);
  EXPECT_EQ(lex->Class(id), WordClass::kVerbalNoun);
  EXPECT_EQ(lex->Class(lex->Find("北京")), WordClass::kName);
  EXPECT_EQ(lex->Find("研"), Lexicon::kNone);
  EXPECT_EQ(lex->MaxWordChars(), 4);
}

TEST(Lexicon, AHashBuiltPieceByPieceFindsTheWord) {
  auto lex = FixtureLexicon();
  const std::string text = "研究人员";
  lexicon_format::Hasher hash;
  hash.Add(text.substr(0, 3));
  EXPECT_EQ(hash.Value(), lexicon_format::Hash("研"));
  hash.Add(text.substr(3, 3));
  EXPECT_EQ(hash.Value(), lexicon_format::Hash("研究"));
  EXPECT_EQ(lex->Find("研究", hash.Value()), lex->Find("研究"));
  EXPECT_NE(lex->Find("研究", hash.Value()), Lexicon::kNone);
  hash.Add(text.substr(6));
  EXPECT_EQ(hash.Value(), lexicon_format::Hash(text));
}

TEST(Lexicon, GlossesAreCleanedAndRefusedSensesDropped) {
  auto lex = FixtureLexicon();
  // "CL:..." is dropped; "a study" loses its article; "to" stays on the verb.
  EXPECT_EQ(GlossTexts(*lex, "研究"),
            (std::vector<std::string>{"research", "study", "to research"}));
  EXPECT_EQ(GlossTexts(*lex, "生命"),
            (std::vector<std::string>{"life", "living being", "creature"}));
  const int32_t life = lex->Find("生命");
  EXPECT_TRUE(lex->GlossAt(life, 0).qualified);
  EXPECT_FALSE(lex->GlossAt(life, 1).qualified);
}

TEST(Lexicon, CommonReadingRanksBeforeProperName) {
  auto lex = FixtureLexicon();
  EXPECT_EQ(GlossTexts(*lex, "张", 0), (std::vector<std::string>{"sheet", "to open up"}));
  EXPECT_TRUE(GlossTexts(*lex, "张", 1).empty()) << "a surname gives no gloss";
}

TEST(Lexicon, PhraseGoesBackToMostFrequentCarrier) {
  auto lex = FixtureLexicon();
  EXPECT_EQ(lex->Word(lex->PhraseTarget("to improve")), "提高");
  EXPECT_EQ(lex->Word(lex->PhraseTarget("to increase")), "增加");
  // 提出 is more frequent but only narrows "to raise" in parentheses.
  EXPECT_EQ(lex->Word(lex->PhraseTarget("to raise")), "提高");
  EXPECT_EQ(lex->Word(lex->PhraseTarget("bank")), "银行");
  EXPECT_EQ(lex->PhraseCarriers("to improve"), 2);
  EXPECT_EQ(lex->PhraseTarget("To Improve"), Lexicon::kNone) << "keys are lower case";
  EXPECT_EQ(lex->PhraseTarget("to fly"), Lexicon::kNone);
}

TEST(Lexicon, VerbIsAlsoFoundWithoutTo) {
  auto lex = FixtureLexicon();
  EXPECT_EQ(lex->Word(lex->PhraseTarget("improve")), "提高");
  EXPECT_EQ(lex->Word(lex->PhraseTarget("to strengthen cooperation")), "加强合作");
  EXPECT_EQ(lex->MaxPhraseWords(), 3);
}

TEST(Lexicon, RepeatedWordKeepsHigherFrequency) {
  LexiconBuilder b;
  b.AddWord("市场", 10, "n");
  b.AddWord("市场", 30, "vn");
  b.AddWord("市场", 20, "v");
  auto lex = Lexicon::FromBytes(b.Build());
  EXPECT_EQ(lex->Frequency(lex->Find("市场")), 30u);
  EXPECT_EQ(lex->Class(lex->Find("市场")), WordClass::kVerbalNoun);
}

TEST(Lexicon, RefusesWrongMagicVersionAndTruncation) {
  LexiconBuilder b;
  testing::AddFixtureWords(b);
  const std::string good = b.Build();
  EXPECT_THROW(Lexicon::FromBytes(""), ELexiconError);
  EXPECT_THROW(Lexicon::FromBytes("not a lexicon at all, just some text here"), ELexiconError);
  std::string version = good;
  version[8] = 9;
  EXPECT_THROW(Lexicon::FromBytes(version), ELexiconError);
  for (size_t cut : {size_t{39}, size_t{41}, good.size() / 2, good.size() - 1}) {
    EXPECT_THROW(Lexicon::FromBytes(good.substr(0, cut)), ELexiconError) << "cut at " << cut;
  }
}

// The exclusion records sit between the phrases and the strings.
size_t ExclusionOffset(const std::string& bytes) {
  lexicon_format::Header h;
  std::memcpy(&h, bytes.data(), sizeof h);
  return sizeof h + h.wordCount * sizeof(lexicon_format::WordRecord) +
         h.glossCount * sizeof(lexicon_format::GlossRecord) +
         h.phraseCount * sizeof(lexicon_format::PhraseRecord) +
         h.candidateCount * sizeof(lexicon_format::CandidateRecord);
}

TEST(Lexicon, RefusesRecordsPointingOutsideTheFile) {
  LexiconBuilder b;
  testing::AddFixtureWords(b);
  std::string bytes = b.Build();
  lexicon_format::Header h;
  std::memcpy(&h, bytes.data(), sizeof h);
  // The first word record's text offset sits right after the header.
  const uint32_t far = 0x7FFFFFFF;
  std::string wordText = bytes;
  std::memcpy(wordText.data() + sizeof h, &far, sizeof far);
  auto lex = Lexicon::FromBytes(wordText);
  EXPECT_RAISES(ELexiconError, ::testing::HasSubstr("out of range"), lex->Word(0));
  EXPECT_RAISES(ELexiconError, ::testing::HasSubstr("out of range"), lex->Word(h.wordCount));

  // A phrase pointing at a word that does not exist.
  std::string phraseWord = bytes;
  const size_t phrases = sizeof h + h.wordCount * sizeof(lexicon_format::WordRecord) +
                         h.glossCount * sizeof(lexicon_format::GlossRecord);
  const uint32_t noWord = h.wordCount;
  std::memcpy(phraseWord.data() + phrases + offsetof(lexicon_format::PhraseRecord, word), &noWord,
              sizeof noWord);
  lex = Lexicon::FromBytes(phraseWord);
  EXPECT_RAISES(ELexiconError, ::testing::HasSubstr("out of range"), lex->PhraseWord(0));

  // A word hash table with every slot taken and none matching: the look-up
  // ends instead of probing for ever.
  std::string fullTable = bytes;
  const size_t table = ExclusionOffset(bytes) + (h.exclusionCount + h.synonymCount) * 8;
  for (uint32_t i = 0; i < h.wordTableSize; ++i) {
    const uint32_t slot = 1 + i % h.wordCount;
    std::memcpy(fullTable.data() + table + 4 * i, &slot, sizeof slot);
  }
  lex = Lexicon::FromBytes(fullTable);
  EXPECT_EQ(lex->Find("没有这个词"), Lexicon::kNone);
  EXPECT_NE(lex->Find("提高"), Lexicon::kNone);
}

TEST(Lexicon, ExclusionsAreKeptOneWayAndChecked) {
  LexiconBuilder b;
  testing::AddFixtureWords(b);
  b.AddExclusion("改善", "提高");
  b.AddExclusion("改善", "提高");
  b.AddExclusion("增长", "增加");
  b.AddExclusion("增长", "没有的词");
  const std::string bytes = b.Build();
  auto lex = Lexicon::FromBytes(bytes);
  EXPECT_TRUE(lex->IsExcluded(lex->Find("改善"), lex->Find("提高")));
  EXPECT_FALSE(lex->IsExcluded(lex->Find("提高"), lex->Find("改善")));
  EXPECT_TRUE(lex->IsExcluded(lex->Find("增长"), lex->Find("增加")));
  EXPECT_FALSE(lex->IsExcluded(lex->Find("增长"), lex->Find("提高")));
  lexicon_format::Header h;
  std::memcpy(&h, bytes.data(), sizeof h);
  EXPECT_EQ(h.exclusionCount, 2u) << "the duplicate and the unknown word are dropped";

  std::string far = bytes;
  const uint32_t outside = h.wordCount;
  std::memcpy(far.data() + ExclusionOffset(far), &outside, sizeof outside);
  EXPECT_THROW(Lexicon::FromBytes(far), ELexiconError);

  std::string unsorted = bytes;
  lexicon_format::ExclusionRecord pair[2];
  std::memcpy(pair, unsorted.data() + ExclusionOffset(unsorted), sizeof pair);
  std::swap(pair[0], pair[1]);
  std::memcpy(unsorted.data() + ExclusionOffset(unsorted), pair, sizeof pair);
  EXPECT_THROW(Lexicon::FromBytes(unsorted), ELexiconError);
}

TEST(Lexicon, SynonymGroupsListPairsBothWaysOrOneWay) {
  LexiconBuilder b;
  testing::AddFixtureWords(b);
  b.AddSynonymGroup("提高  改善\t增加");
  b.AddSynonymGroup("增长 > 增加 没有的词");
  b.AddExclusion("增加", "提高");
  auto lex = Lexicon::FromBytes(b.Build());
  auto listed = [&](const char* word) {
    std::vector<std::string> out;
    for (const int32_t s : lex->ListedSynonyms(lex->Find(word))) out.emplace_back(lex->Word(s));
    std::sort(out.begin(), out.end());
    return out;
  };
  EXPECT_EQ(listed("提高"), (std::vector<std::string>{"增加", "改善"}));
  EXPECT_EQ(listed("增加"), std::vector<std::string>{"改善"}) << "an excluded pair is dropped";
  EXPECT_EQ(listed("增长"), std::vector<std::string>{"增加"}) << "unknown words are dropped";
  EXPECT_TRUE(listed("研究").empty());
  EXPECT_EQ(b.UnknownSynonymWords(), std::vector<std::string>{"没有的词"})
      << "a curator hears of the word whose pair was dropped";

  for (const char* bad : {"提高", "> 提高", "提高 >", "提高 > 改善 > 增加", "提高 > > 改善"}) {
    EXPECT_THROW(b.AddSynonymGroup(bad), Exception) << bad;
  }
}

TEST(Lexicon, ListedSynonymGetsAHeldPhraseLeadingToItAlone) {
  LexiconBuilder b;
  b.AddWord("漂亮", 2000, "a");
  b.AddWord("美丽", 1800, "a");
  b.AddWord("可爱", 1500, "a");
  b.AddEntry("漂亮", "piao4 liang5", {"pretty", "beautiful"});
  b.AddEntry("美丽", "mei3 li4", {"beautiful (of scenery)", "lovely"});
  b.AddEntry("可爱", "ke3 ai4", {"lovely", "cute"});
  b.AddSynonymGroup("漂亮 > 美丽");
  auto lex = Lexicon::FromBytes(b.Build());
  // The narrowed "beautiful" is passed over for the first common gloss.
  const int32_t held = lex->FindPhrase(HeldPhraseKey("Lovely"));
  ASSERT_NE(held, Lexicon::kNone);
  EXPECT_EQ(lex->Word(lex->PhraseWord(held)), "美丽");
  EXPECT_EQ(lex->CandidateCount(held), 1);
  EXPECT_EQ(lex->Word(lex->PhraseWord(lex->FindPhrase("lovely"))), "可爱");
  EXPECT_EQ(lex->FindPhrase(HeldPhraseKey("beautiful")), Lexicon::kNone);
  EXPECT_EQ(lex->FindPhrase(HeldPhraseKey("pretty")), Lexicon::kNone)
      << "only a word some listed pair leads to is held";

  const PhraseMatcher matcher(*lex);
  const std::string text = "so " + HeldPhraseKey("lovely") + " and lovely";
  const std::vector<PhraseMatch> found = matcher.Match(text);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].phrase, held);
  EXPECT_EQ(text.substr(found[0].begin, found[0].end - found[0].begin), HeldPhraseKey("lovely"));
  EXPECT_EQ(lex->Word(found[1].word), "可爱") << "the mark protects no word after it";
}

TEST(Lexicon, ListedSynonymsAreCheckedAtLoad) {
  LexiconBuilder b;
  testing::AddFixtureWords(b);
  b.AddSynonymGroup("提高 改善");
  const std::string bytes = b.Build();
  lexicon_format::Header h;
  std::memcpy(&h, bytes.data(), sizeof h);
  ASSERT_EQ(h.synonymCount, 2u);
  const size_t at = ExclusionOffset(bytes) + h.exclusionCount * 8;
  std::string unsorted = bytes;
  lexicon_format::SynonymRecord pair[2];
  std::memcpy(pair, unsorted.data() + at, sizeof pair);
  std::swap(pair[0], pair[1]);
  std::memcpy(unsorted.data() + at, pair, sizeof pair);
  EXPECT_RAISES(ELexiconError, ::testing::HasSubstr("not sorted"), Lexicon::FromBytes(unsorted));
  std::string far = bytes;
  std::memcpy(far.data() + at + 4, &h.wordCount, sizeof h.wordCount);
  EXPECT_RAISES(ELexiconError, ::testing::HasSubstr("out of range"), Lexicon::FromBytes(far));
  std::string nowhere = bytes;
  const uint32_t place = 64;
  std::memcpy(nowhere.data() + at + offsetof(lexicon_format::SynonymRecord, place), &place,
              sizeof place);
  EXPECT_RAISES(ELexiconError, ::testing::HasSubstr("out of range"), Lexicon::FromBytes(nowhere));
}

TEST(Lexicon, PairListedForOnePlaceIsListedThereOnly) {
  LexiconBuilder b;
  testing::AddFixtureWords(b);
  b.AddSynonymGroup("提高 > 改善 (before a verb)");
  b.AddSynonymGroup("银行 > 河岸 (before a number)");
  b.AddSynonymGroup("改善 > 提高\t(before a verb)  ");
  b.AddSynonymGroup("改善 > 提高");
  auto lex = Lexicon::FromBytes(b.Build());
  const int32_t raise = lex->Find("提高");
  const int32_t better = lex->Find("改善");
  const int32_t bank = lex->Find("银行");
  const int32_t shore = lex->Find("河岸");
  ASSERT_NE(shore, Lexicon::kNone);
  EXPECT_TRUE(lex->ListedSynonyms(raise).empty());
  EXPECT_EQ(lex->ListedSynonyms(raise, {.beforeVerb = true}), std::vector<int32_t>{better});
  EXPECT_TRUE(lex->ListedSynonyms(raise, {.beforeNumber = true}).empty());
  EXPECT_EQ(lex->ListedSynonyms(bank, {.beforeNumber = true}), std::vector<int32_t>{shore});
  EXPECT_TRUE(lex->ListedSynonyms(bank, {.beforeVerb = true}).empty());
  EXPECT_EQ(lex->ListedSynonyms(better), std::vector<int32_t>{raise})
      << "listed anywhere as well: anywhere";
  EXPECT_EQ(lex->ListedSynonyms(better, kEveryPlace), std::vector<int32_t>{raise});

  b.AddSynonymGroup("增长 > 增加 (before a verb)");
  b.AddSynonymGroup("增长 > 增加 (before a number)");
  lex = Lexicon::FromBytes(b.Build());
  const int32_t grow = lex->Find("增长");
  const int32_t add = lex->Find("增加");
  EXPECT_EQ(lex->ListedSynonyms(grow, {.beforeVerb = true}), std::vector<int32_t>{add});
  EXPECT_EQ(lex->ListedSynonyms(grow, {.beforeNumber = true}), std::vector<int32_t>{add})
      << "listed for two places: both";
  EXPECT_TRUE(lex->ListedSynonyms(grow, {.beforeComma = true}).empty());
  EXPECT_TRUE(lex->ListedSynonyms(grow).empty());

  b.AddSynonymGroup("提高 > 增加 (before an adjective)");
  b.AddSynonymGroup("银行 > 河岸 (before a noun)");
  lex = Lexicon::FromBytes(b.Build());
  EXPECT_EQ(lex->ListedSynonyms(raise, {.beforeAdjective = true}), std::vector<int32_t>{add});
  EXPECT_EQ(lex->ListedSynonyms(bank, {.beforeNoun = true}), std::vector<int32_t>{shore});
  EXPECT_TRUE(lex->ListedSynonyms(bank, {.beforeAdjective = true}).empty());
  EXPECT_TRUE(lex->ListedSynonyms(raise, {.beforeNoun = true}).empty());
  b.AddSynonymGroup("提高 > 增加 (before a preposition)");
  lex = Lexicon::FromBytes(b.Build());
  EXPECT_EQ(lex->ListedSynonyms(raise, {.beforePreposition = true}), std::vector<int32_t>{add});
  EXPECT_EQ(lex->ListedSynonyms(raise, {.beforeAdjective = true}), std::vector<int32_t>{add});
  for (const char* bad : {"(before a verb)", "提高 (before a verb)", "提高 > (before a number)"}) {
    EXPECT_THROW(b.AddSynonymGroup(bad), Exception) << bad;
  }
}

TEST(Lexicon, LoadNamesTheFileThatFailed) {
  const std::string path = ::testing::TempDir() + "/missing.lex";
  std::filesystem::remove(path);
  EXPECT_RAISES(ELexiconError, ::testing::HasSubstr(path), Lexicon::Load(path));
}

TEST(Lexicon, WrittenFileLoadsBack) {
  LexiconBuilder b;
  testing::AddFixtureWords(b);
  const std::string path = ::testing::TempDir() + "/fixture.lex";
  b.WriteFile(path);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  auto lex = Lexicon::Load(path);
  EXPECT_EQ(lex->Word(lex->PhraseTarget("riverbank")), "河岸");
  std::filesystem::remove(path);
}

struct CleanCase {
  const char* raw;
  std::vector<std::string> expected;
  const char* covers;
};

TEST(GlossCleaner, CleansOrRefusesEachSense) {
  const CleanCase cases[] = {
      {"to raise (an issue)", {"to raise"}, "qualifier dropped, to kept"},
      {"CL:個|个[ge4]", {}, "classifier refused"},
      {"variant of 着[zhao2]", {}, "pointer to another word refused"},
      {"see 研究[yan2 jiu1]", {}, "cross-reference refused"},
      {"surname Zhang", {}, "surname refused"},
      {"abbr. for 北京大学", {}, "abbreviation refused"},
      {"lit. to eat vinegar", {}, "literal reading refused"},
      {"fig. jealousy", {"jealousy"}, "figurative prefix dropped"},
      {"a study; the research", {"study", "research"}, "split at ; and articles dropped"},
      {"to help sb", {}, "placeholder sb refused"},
      {"the emergency number 110", {}, "digits refused"},
      {"Chinese opera", {"Chinese opera"}, "capitals kept"},
      {"to  go   out", {"to go out"}, "blanks collapsed"},
      {"well-known", {"well-known"}, "hyphen kept"},
      {"to make a very long and winding gloss", {}, "more than five words refused"},
      {"(unbalanced", {}, "unbalanced parenthesis refused"},
      {"to be", {}, "bare copula refused"},
      {"success.", {"success"}, "final full stop dropped"},
      {"yes, indeed", {}, "inner comma refused"},
      {"bank; Bank", {"bank"}, "same gloss twice kept once"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> texts;
    for (const auto& g : CleanSense(c.raw)) texts.push_back(g.text);
    EXPECT_EQ(texts, c.expected) << c.covers << ": \"" << c.raw << "\"";
  }
}

TEST(GlossCleaner, OnlyThePieceWithTheQualifierIsNarrowed) {
  const auto glosses = CleanSense("to express (an opinion); to show");
  ASSERT_EQ(glosses.size(), 2u);
  EXPECT_TRUE(glosses[0].qualified);
  EXPECT_FALSE(glosses[1].qualified);
}

TEST(GlossCleaner, PhraseKeyLowersAndCollapses) {
  EXPECT_EQ(PhraseKey("  To   Improve "), "to improve");
  EXPECT_EQ(PhraseKey("Chinese\topera"), "chinese opera");
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

TEST(PhraseKeyOfGloss, LowerCaseWithSingleInnerBlanks) {
  EXPECT_EQ(PhraseKey("  To  Raise\t (an) Issue  "), "to raise (an) issue");
  EXPECT_EQ(PhraseKey("GDP"), "gdp");
  EXPECT_EQ(PhraseKey(" \t "), "");
  EXPECT_EQ(PhraseKey(""), "");
  EXPECT_EQ(PhraseKey("Café  Au Lait"), "café au lait") << "bytes beyond ASCII stay";
}

}  // namespace
}  // namespace lumora
