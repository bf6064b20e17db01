// change_sample [--count N] [--seed S] [--strength low|normal|high]
//               [--all|--kept|--kept-places] DIR|FILE...
// Round-trips the *.txt of each DIR (or each FILE) through the service and
// prints N of the changes it made, chosen at random (a fixed seed by
// default, so a list can be read again): each as "word → replacement" with
// the source sentence and the rewritten one, the change marked 【】. A change
// is a run of changed content words with what stands between the kept
// characters around them in the rewrite. The list to read when judging how
// many changes read right; --all prints every change in order, --kept the
// content words left as they were, most frequent first, and --kept-places
// the same by what follows each (a verb, a number, a comma, an adjective, a
// noun, a preposition or something else), for pairs that hold in one place only.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "base/stream.h"
#include "round_trip_check.h"
#include "service/embedded_translation_service.h"
#include "service/translator_setup.h"
#include "translate/segmenter.h"
#include "translate/utf8.h"
#include "translate/word_place.h"

namespace {

struct Change {
  std::string file;
  std::u32string from, to;
  std::u32string sourceSentence, resultSentence;  // with the change marked
};

bool EndsSentence(char32_t c) {
  return c == U'。' || c == U'！' || c == U'？' || c == U'；';
}

// The sentence of text around [begin, end) with that span marked.
std::u32string Marked(const std::u32string& text, size_t begin, size_t end) {
  size_t from = begin;
  while (from > 0 && !EndsSentence(text[from - 1])) --from;
  size_t to = end;
  while (to < text.size() && !EndsSentence(text[to])) ++to;
  if (to < text.size()) ++to;
  return text.substr(from, begin - from) + U"【" + text.substr(begin, end - begin) + U"】" +
         text.substr(end, to - end);
}

// " before a verb" and so on, as a pair's place is written in the lexicon's
// synonym groups, or " elsewhere".
std::string PlaceName(const lumora::Lexicon& lexicon, const std::vector<lumora::Token>& tokens,
                      size_t i) {
  const lumora::WordPlace p = lumora::PlaceAfter(lexicon, tokens, i);
  if (p.beforeVerb) return " before a verb";
  if (p.beforeNumber) return " before a number";
  if (p.beforeComma) return " before a comma";
  if (p.beforeAdjective) return " before an adjective";
  if (p.beforeNoun) return " before a noun";
  if (p.beforePreposition) return " before a preposition";
  return " elsewhere";
}

void CollectChanges(const lumora::Lexicon& lexicon, const std::string& file,
                    std::string_view source, std::string_view result, std::vector<Change>& out,
                    std::map<std::string, int>& kept, bool byPlace) {
  const std::u32string a = lumora::DecodeUtf8(source);
  const std::u32string b = lumora::DecodeUtf8(result);
  const std::vector<int> match = lumora::MatchChars(a, b);
  // Character spans of the changed content words, as the score counts them.
  std::vector<std::pair<size_t, size_t>> changed;
  size_t at = 0;
  const std::vector<lumora::Token> tokens = lumora::Segmenter(lexicon).Segment(source);
  for (size_t k = 0; k < tokens.size(); ++k) {
    const lumora::Token& t = tokens[k];
    const size_t n = lumora::CharCount(t.text);
    if (t.kind == lumora::TokenKind::kHan && t.word != lumora::Lexicon::kNone &&
        lumora::IsContentClass(lexicon.Class(t.word))) {
      bool same = true;
      for (size_t i = at; i < at + n; ++i) same = same && match[i] >= 0;
      if (!same) changed.emplace_back(at, at + n);
      if (same) ++kept[std::string(t.text) + (byPlace ? PlaceName(lexicon, tokens, k) : "")];
    }
    at += n;
  }
  for (size_t k = 0; k < changed.size();) {
    // Widen to the kept characters around the run; words sharing them are one change.
    size_t begin = changed[k].first;
    while (begin > 0 && match[begin - 1] < 0) --begin;
    size_t end = changed[k].second;
    for (;;) {
      while (end < a.size() && match[end] < 0) ++end;
      if (k + 1 < changed.size() && changed[k + 1].first <= end) {
        end = std::max(end, changed[++k].second);
        continue;
      }
      break;
    }
    ++k;
    const size_t outBegin = begin > 0 ? static_cast<size_t>(match[begin - 1]) + 1 : 0;
    const size_t outEnd = end < a.size() ? static_cast<size_t>(match[end]) : b.size();
    out.push_back({file, a.substr(begin, end - begin), b.substr(outBegin, outEnd - outBegin),
                   Marked(a, begin, end), Marked(b, outBegin, outEnd)});
  }
}

std::string Utf8(const std::u32string& s) {
  std::string out;
  for (char32_t c : s) lumora::AppendUtf8(out, c);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  size_t count = 100;
  unsigned seed = 19;
  bool all = false;
  bool listKept = false;
  bool byPlace = false;
  lumora::Strength strength = lumora::Strength::kNormal;
  std::vector<std::string> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--count" && i + 1 < argc) {
      count = std::stoul(argv[++i]);
    } else if (arg == "--seed" && i + 1 < argc) {
      seed = static_cast<unsigned>(std::stoul(argv[++i]));
    } else if (arg == "--all") {
      all = true;
    } else if (arg == "--kept" || arg == "--kept-places") {
      listKept = true;
      byPlace = arg == "--kept-places";
    } else if (arg == "--strength" && i + 1 < argc) {
      const auto s = lumora::ParseStrength(argv[++i]);
      if (!s) {
        std::fprintf(stderr, "change_sample: --strength wants low, normal or high\n");
        return 2;
      }
      strength = *s;
    } else {
      inputs.push_back(arg);
    }
  }
  if (inputs.empty()) inputs.push_back(LUMORA_HELD_OUT_DIR);
  try {
    lumora::TranslatorOptions options = lumora::LoadTranslatorOptions(strength, std::nullopt);
    options.lockedTerms.clear();
    lumora::TranslationService service(lumora::Lexicon::Load(lumora::FindDefaultLexicon()),
                                       options);
    std::vector<std::filesystem::path> files;
    for (const std::string& input : inputs) {
      if (!std::filesystem::is_directory(input)) {
        files.emplace_back(input);
        continue;
      }
      std::vector<std::filesystem::path> found;
      for (const auto& e : std::filesystem::directory_iterator(input)) {
        if (e.path().extension() == ".txt") found.push_back(e.path());
      }
      std::sort(found.begin(), found.end());
      files.insert(files.end(), found.begin(), found.end());
    }
    std::vector<Change> changes;
    std::map<std::string, int> kept;
    for (const auto& file : files) {
      const std::string text = lumora::ReadFileBytes(file.string());
      const auto result = lumora::RoundTrip(service, text);
      const auto paragraphs = lumora::SplitParagraphs(text);
      for (size_t p = 0; p < paragraphs.size() && p < result.size(); ++p) {
        CollectChanges(service.translator().lexicon(), file.filename().string(), paragraphs[p].text,
                       result[p], changes, kept, byPlace);
      }
    }
    if (listKept) {
      std::vector<std::pair<int, std::string>> byCount;
      for (const auto& [word, n] : kept) byCount.emplace_back(-n, word);
      std::sort(byCount.begin(), byCount.end());
      std::printf("content words kept as they were, most frequent first:\n");
      for (const auto& [n, word] : byCount) std::printf("%d %s\n", -n, word.c_str());
      return 0;
    }
    std::vector<size_t> order(changes.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    if (!all) {
      std::mt19937 random(seed);
      std::shuffle(order.begin(), order.end(), random);
      order.resize(std::min(count, order.size()));
    }
    std::printf("%zu changes in %zu files; %zu shown\n", changes.size(), files.size(),
                order.size());
    for (size_t n = 0; n < order.size(); ++n) {
      const Change& c = changes[order[n]];
      std::printf("%3zu. %s → %s   (%s)\n     %s\n     %s\n", n + 1, Utf8(c.from).c_str(),
                  Utf8(c.to).c_str(), c.file.c_str(), Utf8(c.sourceSentence).c_str(),
                  Utf8(c.resultSentence).c_str());
    }
  } catch (const lumora::Exception& e) {
    std::fprintf(stderr, "change_sample: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}
