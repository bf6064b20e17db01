#pragma once
// What stands around a word in a segmented paragraph, for the choices that
// depend on it: the place a pair listed for one place holds in, and the
// measure words no synonym may replace.

#include <cstddef>
#include <span>

#include "translate/lexicon.h"
#include "translate/segmenter.h"

namespace lumora {

// What follows tokens[i]: a verb (also with one adverb between), a number, a
// comma or colon, an adjective, a noun (but 时, 时候 closing a time clause) or
// a name, or a preposition.
WordPlace PlaceAfter(const Lexicon& lex, std::span<const Token> tokens, size_t i);

// A single character right after a number, or after a word that counts or
// points (这, 每, 某), is mostly its measure word (两万只, 3张, 这只), which no
// synonym of the same character replaces: 只 "only" would become 仅 there.
// Between two numbers it links them instead (三到五天).
bool IsMeasureWordPlace(std::span<const Token> tokens, size_t i);

// A measure word right after a noun of one character makes a collective
// noun with it (犬只 "dogs", 枪支), mostly one the segmenter does not know:
// 只 "only" would become 仅 there too (犬仅).
bool ClosesCollectiveNoun(const Lexicon& lex, std::span<const Token> tokens, size_t i);

}  // namespace lumora
