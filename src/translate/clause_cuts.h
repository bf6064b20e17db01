#pragma once
// Where a paragraph may be cut into clauses that the translator weighs apart,
// with the very result it gives for the whole: before a clause mark of
// Chinese punctuation (，。；：！？、), which ends every gloss phrase and every
// sentence the language model reads, outside anything kept whole (a tag, an
// address, a locked term) and never where a locked term holds that mark.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "translate/protected_spans.h"

namespace lumora {

// Byte offsets of the cuts in text, ascending; 0 and text.size() are never
// among them. kept: the spans FindProtected gives for text and lockedTerms.
std::vector<size_t> ClauseCuts(std::string_view text, const std::vector<ByteSpan>& kept,
                               const std::vector<std::string>& lockedTerms);

// Of runs that start at starts (ascending, 0 first) and together end at
// total, the indices of those that begin each of about count groups of
// similar size, 0 first.
std::vector<size_t> GroupRuns(std::span<const size_t> starts, size_t total, size_t count);

// text cut at cuts (as ClauseCuts gives them) into about count runs of
// clauses of similar size: the offsets where each run starts, 0 first.
std::vector<size_t> GroupClauses(std::string_view text, const std::vector<size_t>& cuts,
                                 size_t count);

}  // namespace lumora
