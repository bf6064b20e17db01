#pragma once
// The words a rewrite changed, for showing an article and its rewrite side by
// side: paragraphs are paired in order, and a word counts as changed when one
// of its characters is not in the longest common subsequence of the pair, as
// the rewrite's score counts it.

#include <string>
#include <string_view>
#include <vector>

#include "translate/lexicon.h"

namespace lumora {

struct TextPiece {
  std::string text;
  bool changed = false;
};

struct ReviewParagraph {
  std::vector<TextPiece> source;  // empty when the rewrite has more paragraphs
  std::vector<TextPiece> result;  // empty when the rewrite has fewer
};

// Paragraphs as the score reads them (non-blank lines; a "<br />" ending a
// line of the result is left out). Words come from the lexicon's segmenter;
// without a lexicon every character is a word of its own.
std::vector<ReviewParagraph> MarkChanges(const Lexicon* lexicon, std::string_view source,
                                         std::string_view result);

}  // namespace lumora
