#pragma once
// Cutting a long article into pieces for separate requests. The service
// translates paragraph by paragraph, so pieces cut after a line break give,
// joined, the same rewrite as the whole article in one request.

#include <cstddef>
#include <string_view>
#include <vector>

namespace lumora {

// Pieces of text in order, each cut just after a line break (CR LF, LF or
// CR; a CR LF is never split) and holding at most max_bytes, except that a
// paragraph longer than max_bytes makes a piece of its own. Joined, the
// pieces are the text; an empty text gives no pieces.
std::vector<std::string_view> CutAtParagraphs(std::string_view text, size_t max_bytes);

}  // namespace lumora
