#pragma once
// Where one paragraph too long for a single request is cut into pieces that
// are rewritten apart and joined again: after a sentence end, else after a
// comma or semicolon, else between two characters. Never inside a UTF-8
// sequence, a number, a Latin word, a tag, a URL, an e-mail address or a
// locked term, so that each of them reaches the service whole.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// The pieces of paragraph in order, each holding at most max_bytes where the
// text allows a cut that early; otherwise a piece runs on to the first place
// it may end. Blanks after a cut stay with the piece before it. Joined, the
// pieces are the paragraph; an empty paragraph gives no pieces.
std::vector<std::string_view> CutParagraph(std::string_view paragraph, size_t max_bytes,
                                           const std::vector<std::string>& locked_terms);

}  // namespace lumora
