// synonym_report [LEXICON] FILE...
// For each content word of the files, once, in order: the synonym a round
// trip leads it to, through which gloss, and the evidence the synonym rules
// weighed (shared glosses, the fewer glosses of the two, carriers of the
// vaguest shared gloss, a shared character). The list to read when curating
// tools/lexicon/synonym_exclusions.txt.

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "base/stream.h"
#include "service/embedded_translation_service.h"
#include "service/translation_protocol.h"
#include "translate/gloss_cleaner.h"
#include "translate/synonym_rules.h"
#include "translate/translator.h"

int main(int argc, char** argv) {
  std::vector<std::string> files;
  std::string lexiconPath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.ends_with(".lex"))
      lexiconPath = arg;
    else
      files.push_back(arg);
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: synonym_report [LEXICON.lex] FILE...\n");
    return 2;
  }
  try {
    const auto lexicon =
        lumora::Lexicon::Load(lexiconPath.empty() ? lumora::FindDefaultLexicon() : lexiconPath);
    const lumora::Translator translator(lexicon);
    const lumora::Segmenter segmenter(*lexicon);
    std::set<int32_t> seen;
    for (const auto& file : files) {
      const std::string text = lumora::ReadFileBytes(file);
      for (const auto& paragraph : lumora::SplitParagraphs(text)) {
        for (const lumora::Token& t : segmenter.Segment(paragraph.text)) {
          if (t.word == lumora::Lexicon::kNone || !lumora::IsContentClass(lexicon->Class(t.word)) ||
              !seen.insert(t.word).second) {
            continue;
          }
          const std::string gloss = translator.GlossFor(t.word);
          const int32_t target = gloss.empty() ? lumora::Lexicon::kNone
                                               : lexicon->PhraseTarget(lumora::PhraseKey(gloss));
          if (target == lumora::Lexicon::kNone || target == t.word) continue;
          const lumora::GlossOverlap o = lumora::CompareGlosses(*lexicon, t.word, target);
          std::printf("%s -> %s  \"%s\"  shared %d/%d  carriers %d%s\n",
                      std::string(t.text).c_str(), std::string(lexicon->Word(target)).c_str(),
                      gloss.c_str(), o.shared, o.smaller, o.fewestCarriers,
                      o.sharesChar ? "  shared character" : "");
        }
      }
    }
  } catch (const lumora::Exception& e) {
    std::fprintf(stderr, "synonym_report: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}
