#include "rewrite/article_pieces.h"

#include <algorithm>

namespace lumora {

namespace {

// Where the line break at index at ends.
size_t BreakEnd(std::string_view text, size_t at) {
  return at + (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1);
}

}  // namespace

std::vector<std::string_view> CutAtParagraphs(std::string_view text, size_t max_bytes) {
  max_bytes = std::max<size_t>(max_bytes, 1);
  std::vector<std::string_view> pieces;
  for (size_t start = 0; start < text.size();) {
    size_t cut = text.size();
    if (text.size() - start > max_bytes) {
      // The last break that still fits, else the end of the first paragraph.
      size_t last_fit = 0;
      for (size_t at = text.find_first_of("\r\n", start); at != std::string_view::npos;
           at = text.find_first_of("\r\n", at)) {
        const size_t end = BreakEnd(text, at);
        if (end - start > max_bytes) {
          if (last_fit == 0) last_fit = end;
          break;
        }
        last_fit = end;
        at = end;
      }
      if (last_fit != 0) cut = last_fit;
    }
    pieces.push_back(text.substr(start, cut - start));
    start = cut;
  }
  return pieces;
}

}  // namespace lumora
