#pragma once
// Text helpers the HTTP layer uses everywhere. Positions are 1-based and 0
// means "not found", as the header and URI code counts them.

#include <string>
#include <string_view>

namespace lumora {

// Returns the part of text before the first delimiter. With remove set, text
// keeps only what follows the delimiter; when the delimiter does not occur
// the whole text is returned and text becomes empty. An empty delimiter
// never occurs.
std::string CutAtDelimiter(std::string& text, std::string_view delimiter, bool remove = true,
                           bool caseSensitive = true);

// Last position, ignoring ASCII case, at which needle starts in text at or
// before start (-1: the end of text); 0 when there is none.
int RPos(std::string_view needle, std::string_view text, int start = -1);

// First position of needle in text at or after start; 0 when there is none.
// Strings are UTF-8, whose lead and trail bytes never look like ASCII, so a
// byte search cannot match inside a multi-byte character.
int NetPos(std::string_view needle, std::string_view text, int start = 1);

}  // namespace lumora
