#include "app/error_text.h"

namespace lumora {

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (text.empty()) return text;
  size_t start = text.size() - 1;
  while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
  // char_traits<char> compares bytes as unsigned, as the rule wants.
  if (std::string_view(text).substr(start).compare(".") > 0) text += '.';
  return text;
}

}  // namespace lumora
