#include "http/net_text.h"

#include <algorithm>

#include "base/text.h"

namespace lumora {

std::string CutAtDelimiter(std::string& text, std::string_view delimiter, bool remove,
                           bool caseSensitive) {
  size_t at = std::string::npos;
  if (!delimiter.empty()) at = caseSensitive ? text.find(delimiter) : FindText(text, delimiter);
  if (at == std::string::npos) {
    std::string all = text;
    if (remove) text.clear();
    return all;
  }
  std::string before = text.substr(0, at);
  if (remove) text.erase(0, at + delimiter.size());
  return before;
}

int RPos(std::string_view needle, std::string_view text, int start) {
  if (needle.empty() || needle.size() > text.size()) return 0;
  const int last = static_cast<int>(text.size() - needle.size()) + 1;
  if (start < 0) start = static_cast<int>(text.size());
  for (int i = std::min(start, last); i >= 1; --i)
    if (SameText(text.substr(static_cast<size_t>(i - 1), needle.size()), needle)) return i;
  return 0;
}

int NetPos(std::string_view needle, std::string_view text, int start) {
  if (start < 1) start = 1;
  if (needle.empty() || static_cast<size_t>(start - 1) > text.size()) return 0;
  size_t at = text.find(needle, static_cast<size_t>(start - 1));
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace lumora
