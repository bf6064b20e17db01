// The lexicon's word and prefix filters, which let look-ups and the segmenter
// skip the word table: they must never turn away a word or a word's start,
// and must turn away most of what is neither.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <unordered_set>

#include "base/stream.h"
#include "translate/fixture_lexicon.h"
#include "translate/lexicon_builder.h"
#include "translate/segmenter.h"
#include "translate/utf8.h"

namespace lumora {
namespace {

namespace fmt = lexicon_format;

std::vector<std::string> Words(const Segmenter& s, std::string_view text) {
  std::vector<std::string> out;
  for (const Token& t : s.Segment(text)) out.emplace_back(t.text);
  return out;
}

// The proper prefixes of a word, in whole characters.
std::vector<std::string_view> Prefixes(std::string_view word) {
  std::vector<std::string_view> out;
  for (size_t at = 1; at < word.size(); ++at) {
    if ((static_cast<unsigned char>(word[at]) & 0xC0) != 0x80) out.push_back(word.substr(0, at));
  }
  return out;
}

// Every word is found and every start of a word may lead on; returns how
// many texts the check covered.
size_t ExpectNoWordTurnedAway(const Lexicon& lexicon) {
  size_t checked = 0;
  for (int32_t id = 0; id < lexicon.WordCount(); ++id) {
    const std::string_view word = lexicon.Word(id);
    EXPECT_EQ(lexicon.Find(word), id) << word;
    for (const std::string_view prefix : Prefixes(word)) {
      EXPECT_TRUE(lexicon.MayLeadToLongerWord(fmt::Hash(prefix))) << prefix << " of " << word;
      ++checked;
    }
    ++checked;
  }
  return checked;
}

// The best cut by the segmenter's own rule, trying every length at every
// character: the filters must not change a single cut.
std::vector<std::string> CutTryingEveryLength(const Lexicon& lexicon, std::string_view run) {
  std::vector<size_t> starts;
  for (size_t at = 0; at < run.size(); ++at) {
    if ((static_cast<unsigned char>(run[at]) & 0xC0) != 0x80) starts.push_back(at);
  }
  const size_t n = starts.size();
  starts.push_back(run.size());
  const double logTotal = std::log(static_cast<double>(lexicon.TotalFrequency()));
  std::vector<double> best(n + 1, 0.0);
  std::vector<size_t> next(n + 1, n);
  for (size_t i = n; i-- > 0;) {
    best[i] = -INFINITY;
    for (size_t len = 1; len <= static_cast<size_t>(lexicon.MaxWordChars()) && i + len <= n;
         ++len) {
      const int32_t id = lexicon.Find(run.substr(starts[i], starts[i + len] - starts[i]));
      const uint32_t freq = id == Lexicon::kNone ? 0 : lexicon.Frequency(id);
      if (freq == 0 && len > 1) continue;
      const double score = std::log(std::max<double>(freq, 1.0)) - logTotal + best[i + len];
      if (score > best[i]) {
        best[i] = score;
        next[i] = i + len;
      }
    }
  }
  std::vector<std::string> out;
  for (size_t i = 0; i < n; i = next[i]) {
    out.emplace_back(run.substr(starts[i], starts[next[i]] - starts[i]));
  }
  return out;
}

TEST(LexiconFilter, NoWordAndNoStartOfAWordIsTurnedAway) {
  LexiconBuilder b;
  testing::AddFixtureWords(b);
  // Starts that are no word themselves (中华人民共), a word never counted
  // (frequency 0) inside a longer one, and a lone character.
  b.AddWord("中华人民共和国", 500, "ns");
  b.AddWord("中华", 300, "nz");
  b.AddWord("人民", 800, "n");
  b.AddWord("共和国", 400, "n");
  b.AddWord("人民共", 0, "n");
  b.AddWord("国", 900, "n");
  auto lex = Lexicon::FromBytes(b.Build());
  EXPECT_GT(ExpectNoWordTurnedAway(*lex), 40u);
  EXPECT_EQ(lex->Find("中华人民共"), Lexicon::kNone);
  EXPECT_EQ(lex->Find("没有这个词"), Lexicon::kNone);

  const Segmenter segmenter(*lex);
  EXPECT_EQ(Words(segmenter, "中华人民共和国成立"),
            (std::vector<std::string>{"中华人民共和国", "成", "立"}))
      << "a long word is reached through starts that are no words";
  EXPECT_EQ(Words(segmenter, "中华人民和国"),
            (std::vector<std::string>{"中华", "人民", "和", "国"}));
}

TEST(LexiconFilter, DamagedFilterSizesAreRefused) {
  LexiconBuilder b;
  testing::AddFixtureWords(b);
  const std::string bytes = b.Build();
  for (const uint32_t blocks : {0u, 3u}) {
    std::string damaged = bytes;
    std::memcpy(damaged.data() + offsetof(fmt::Header, prefixFilterBlocks), &blocks, sizeof blocks);
    EXPECT_THROW(Lexicon::FromBytes(damaged), ELexiconError) << blocks;
  }
  std::string huge = bytes;
  const uint32_t blocks = 1u << 30;
  std::memcpy(huge.data() + offsetof(fmt::Header, wordFilterBlocks), &blocks, sizeof blocks);
  EXPECT_THROW(Lexicon::FromBytes(huge), ELexiconError) << "a filter past the file's end";
}

TEST(LexiconLoad, OneFileIsMappedOnceWhileInUse) {
  const std::string path = ::testing::TempDir() + "/shared.lex";
  LexiconBuilder b;
  testing::AddFixtureWords(b);
  b.WriteFile(path);
  auto first = Lexicon::Load(path);
  EXPECT_EQ(Lexicon::Load(path), first);

  // A file written anew is read anew, also while the old one is held.
  LexiconBuilder other;
  testing::AddFixtureWords(other);
  other.AddWord("新词", 10, "n");
  other.WriteFile(path);
  auto second = Lexicon::Load(path);
  EXPECT_NE(second, first);
  EXPECT_NE(second->Find("新词"), Lexicon::kNone);
  EXPECT_EQ(first->Find("新词"), Lexicon::kNone);
  const int32_t words = second->WordCount();
  first.reset();
  second.reset();
  EXPECT_EQ(Lexicon::Load(path)->WordCount(), words);
  std::filesystem::remove(path);
}

// The lexicon the build made from the dictionary data.
std::shared_ptr<const Lexicon> BuiltLexicon() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  const auto path = exe.parent_path() / "lumora.lex";
  if (ec || !std::filesystem::exists(path)) return nullptr;
  return Lexicon::Load(path.string());
}

TEST(LexiconFilter, TheBuiltLexiconTurnsAwayNoWordAndMostNonWords) {
  const auto lex = BuiltLexicon();
  if (!lex) GTEST_SKIP() << "lumora.lex was not built (run scripts/setup.sh)";
  ExpectNoWordTurnedAway(*lex);

  // Pairs of common characters that start no word: few may pass the filter.
  std::unordered_set<std::string> starts;
  for (int32_t id = 0; id < lex->WordCount(); ++id) {
    const std::string_view word = lex->Word(id);
    for (const std::string_view p : Prefixes(word)) starts.emplace(p);
  }
  std::vector<std::string> chars;
  for (int32_t id = 0; id < lex->WordCount(); ++id) {
    const std::string_view word = lex->Word(id);
    if (CharCount(word) == 1 && IsAllHan(word) && lex->Frequency(id) > 1000)
      chars.emplace_back(word);
  }
  ASSERT_GT(chars.size(), 500u);
  std::mt19937 random(7);
  size_t tried = 0;
  size_t passed = 0;
  while (tried < 20000) {
    const std::string text = chars[random() % chars.size()] + chars[random() % chars.size()];
    if (starts.count(text)) continue;
    ++tried;
    passed += lex->MayLeadToLongerWord(fmt::Hash(text));
  }
  EXPECT_LT(passed, tried / 20) << "false alarms of the prefix filter";
}

TEST(LexiconFilter, TheBuiltLexiconCutsProseAsTryingEveryLengthDoes) {
  const auto lex = BuiltLexicon();
  if (!lex) GTEST_SKIP() << "lumora.lex was not built (run scripts/setup.sh)";
  const Segmenter segmenter(*lex);
  size_t runs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(LUMORA_EXAMPLES_DIR)) {
    const std::string text = ReadFileBytes(entry.path().string());
    // Each run of Han characters, cut whole.
    for (size_t at = 0; at < text.size();) {
      size_t end = at;
      char32_t ch;
      size_t len;
      while (end < text.size() && DecodeUtf8Char(text, end, ch, len) && IsHanChar(ch)) end += len;
      if (end == at) {
        ++at;
        continue;
      }
      const std::string_view run = std::string_view(text).substr(at, end - at);
      EXPECT_EQ(Words(segmenter, run), CutTryingEveryLength(*lex, run)) << run;
      ++runs;
      at = end;
    }
  }
  EXPECT_GT(runs, 100u);
}

}  // namespace
}  // namespace lumora
