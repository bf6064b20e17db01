#pragma once
// The parts of a text a rewrite must hand back byte for byte: HTML tags with
// their attributes, character references (&nbsp;), URLs, e-mail addresses,
// and the user's locked terms. Both directions of the translator find the
// same markup in the same bytes, so neither leg touches it.

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumora {

using ByteSpan = std::pair<size_t, size_t>;  // [begin, end)

// spans sorted, overlapping ones joined into one.
std::vector<ByteSpan> MergeSpans(std::vector<ByteSpan> spans);

// Tags, references, URLs and e-mail addresses, sorted, not overlapping.
std::vector<ByteSpan> FindMarkup(std::string_view text);

// Every occurrence of every term, sorted, not overlapping.
std::vector<ByteSpan> FindTerms(std::string_view text, std::span<const std::string_view> terms);

// Every occurrence of every term, sorted
// and merged with markup into one list of spans that do not overlap.
std::vector<ByteSpan> FindProtected(std::string_view text, const std::vector<std::string>& terms);

// Reads a locked-terms file: one word or phrase a line, blanks around it
// dropped, empty lines and lines starting with # skipped.
std::vector<std::string> ParseLockedTerms(std::string_view fileText);

// $XDG_CONFIG_HOME/lumora/keep.txt, or ~/.config/lumora/keep.txt.
std::string DefaultLockedTermsPath();

}  // namespace lumora
