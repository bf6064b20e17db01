#pragma once
// What the translator runs with by default: the Chinese language model when
// it is installed, the strength asked for, and the locked terms of a file
// (the one given, or the user's keep.txt when it exists).

#include <optional>
#include <string>

#include "translate/translator.h"

namespace lumora {

// Raises Exception naming the file when a keep file given explicitly cannot
// be read, or ELanguageModelError when the installed model is damaged.
TranslatorOptions LoadTranslatorOptions(Strength strength,
                                        const std::optional<std::string>& keepFile);

// The locked terms of keepFile, else of the user's keep.txt when it exists.
std::vector<std::string> LoadLockedTerms(const std::optional<std::string>& keepFile);

}  // namespace lumora
