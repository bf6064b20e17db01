// rule_pairs [--top N] [--from K] [LEXICON]
// The synonyms the rules find for the commonest content words, as the
// translator finds them at the normal and high strengths (a shared gloss of
// the word's primary entry, a character in common, the rules of
// synonym_rules.h), without the ones listed by hand or excluded. One line per
// word, most frequent first: "rank word frequency -> synonym frequency ...".
// The list to judge by hand when curating tools/lexicon/*.txt: a pair read
// right in nearly every use becomes a listed group, a pair read wrong an
// exclusion.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "service/embedded_translation_service.h"
#include "translate/lexicon.h"
#include "translate/synonym_rules.h"
#include "translate/utf8.h"

int main(int argc, char** argv) {
  size_t top = 3000, from = 0;
  std::string lexiconPath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--top" && i + 1 < argc) {
      top = std::strtoul(argv[++i], nullptr, 10);
    } else if (arg == "--from" && i + 1 < argc) {
      from = std::strtoul(argv[++i], nullptr, 10);
    } else {
      lexiconPath = arg;
    }
  }
  try {
    const auto lexicon =
        lumora::Lexicon::Load(lexiconPath.empty() ? lumora::FindDefaultLexicon() : lexiconPath);
    const lumora::Lexicon& lex = *lexicon;
    std::vector<int32_t> words;
    for (int32_t w = 0; w < lex.WordCount(); ++w) {
      const std::string_view text = lex.Word(w);
      if (lumora::IsContentClass(lex.Class(w)) && lumora::IsAllHan(text) &&
          lumora::CharCount(text) > 1 && !lumora::HasProtectedChar(text)) {
        words.push_back(w);
      }
    }
    std::stable_sort(words.begin(), words.end(),
                     [&](int32_t a, int32_t b) { return lex.Frequency(a) > lex.Frequency(b); });
    for (size_t rank = from; rank < words.size() && rank < top; ++rank) {
      const int32_t word = words[rank];
      const std::vector<int32_t> listed = lex.ListedSynonyms(word, true);
      std::vector<int32_t> found;
      lumora::ForEachGlossCandidate(lex, word, [&](int32_t s) {
        if (s == word || std::find(found.begin(), found.end(), s) != found.end() ||
            std::find(listed.begin(), listed.end(), s) != listed.end()) {
          return;
        }
        if (lumora::ShareChar(lex.Word(word), lex.Word(s)) &&
            lumora::IsSynonym(lex, word, s, true)) {
          found.push_back(s);
        }
      });
      if (found.empty()) continue;
      std::printf("%zu %s %u ->", rank + 1, std::string(lex.Word(word)).c_str(),
                  lex.Frequency(word));
      for (const int32_t s : found) {
        std::printf(" %s %u", std::string(lex.Word(s)).c_str(), lex.Frequency(s));
      }
      std::printf("\n");
    }
  } catch (const lumora::Exception& e) {
    std::fprintf(stderr, "rule_pairs: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}
