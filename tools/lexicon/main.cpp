// lumora-lexicon --cedict all.js --frequencies jieba.dict.utf8 [--exclusions FILE]
//                [--synonyms FILE] --output lumora.lex
// Converts the dictionary sources into the compact lexicon the translator loads.

#include <cstdio>
#include <string>

#include "base/exception.h"
#include "dictionary_sources.h"
#include "translate/lexicon_builder.h"

int main(int argc, char** argv) {
  std::string cedict, frequencies, exclusions, synonyms, output;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--cedict")
      cedict = argv[i + 1];
    else if (option == "--frequencies")
      frequencies = argv[i + 1];
    else if (option == "--exclusions")
      exclusions = argv[i + 1];
    else if (option == "--synonyms")
      synonyms = argv[i + 1];
    else if (option == "--output")
      output = argv[i + 1];
  }
  if (cedict.empty() || frequencies.empty() || output.empty() || argc % 2 == 0) {
    std::fprintf(stderr,
                 "usage: lumora-lexicon --cedict FILE --frequencies FILE [--exclusions FILE] "
                 "[--synonyms FILE] --output FILE\n");
    return 2;
  }
  try {
    lumora::LexiconBuilder builder;
    const size_t words = lumora::ReadFrequencyDictionary(frequencies, builder);
    const size_t entries = lumora::ReadCedictModule(cedict, builder);
    if (!exclusions.empty()) lumora::ReadExclusions(exclusions, builder);
    if (!synonyms.empty()) lumora::ReadSynonymGroups(synonyms, builder);
    for (const std::string& w : builder.UnknownSynonymWords()) {
      std::fprintf(
          stderr,
          "lumora-lexicon: listed synonym \"%s\" is not a known word; its pairs are left out\n",
          w.c_str());
    }
    builder.WriteFile(output);
    std::fprintf(stderr, "lumora-lexicon: %zu words, %zu dictionary entries -> %s\n", words,
                 entries, output.c_str());
  } catch (const lumora::Exception& e) {
    std::fprintf(stderr, "lumora-lexicon: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}
