#pragma once
// How the rewrite reads an answer: split at "<tgt><![CDATA[", drop the head,
// remove "tgt><![CDATA[" from each piece and keep it up to its first "]]".
// Written from the client's rules so that the tests check the answer the
// way the client will see it.

#include <string>
#include <string_view>
#include <vector>

namespace lumora::testing {

inline std::vector<std::string> SplitByDelimiter(std::string_view text,
                                                 std::string_view delimiter) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  std::string rest(text);
  for (size_t p; (p = rest.find(delimiter)) != std::string::npos;) {
    pieces.push_back(rest.substr(0, p));
    rest.erase(0, p + 1);
  }
  pieces.push_back(rest);
  return pieces;
}

inline std::vector<std::string> ClientSegments(std::string_view answer) {
  std::vector<std::string> segments;
  const auto pieces = SplitByDelimiter(answer, "<tgt><![CDATA[");
  for (size_t i = 1; i < pieces.size(); ++i) {
    std::string piece = pieces[i];
    for (size_t p; (p = piece.find("tgt><![CDATA[")) != std::string::npos;) piece.erase(p, 13);
    const size_t close = piece.find("]]");
    segments.push_back(close == std::string::npos ? std::string() : piece.substr(0, close));
  }
  return segments;
}

// The client's form-value encoder, for building request bodies.
inline std::string ClientPercentEncode(std::string_view bytes) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (c < 0x20 || c >= 0x80 || c == ' ' || c == '#' || c == '%' || c == '&' || c == '*' ||
        c == '+' || c == '<' || c == '=' || c == '>') {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

inline std::string ClientBody(std::string_view type, std::string_view text) {
  return "&type=" + std::string(type) + "&i=" + ClientPercentEncode(text) +
         "&doctype=xml&xmlVersion=1.4&keyfrom=fanyi.web&ue=UTF-8&flag=false";
}

}  // namespace lumora::testing
