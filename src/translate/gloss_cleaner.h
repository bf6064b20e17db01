#pragma once
// Turns one raw dictionary sense ("to raise (an issue); to bring up",
// "CL:個|个[ge4]") into the plain English glosses the translator can use:
// qualifiers in parentheses and brackets dropped, cross-references,
// classifiers, variants and literal readings refused, leading articles
// dropped, "to " kept on verbs. A sense may give none, one or several.

#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// Longest usable gloss, in words.
inline constexpr int kMaxGlossWords = 5;

std::vector<std::string> CleanSense(std::string_view raw);

// True when the raw sense narrows its meaning in parentheses or brackets.
bool IsQualifiedSense(std::string_view raw);

// ASCII lower case with runs of blanks reduced to one space: the key under
// which a phrase is looked up.
std::string PhraseKey(std::string_view text);

}  // namespace lumora
