#include "rewrite/rewrite_text.h"

#include <cstdint>

#include "base/utf8.h"

namespace lumora {

namespace {

constexpr std::string_view kSegmentStart = "<tgt><![CDATA[";

// Characters our UTF-8 text cannot hold become "?".
void AppendChar(std::string& out, uint32_t cp) {
  bool representable = cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
  AppendUtf8(out, representable ? static_cast<char32_t>(cp) : U'?');
}

}  // namespace

std::string PercentEncode(std::string_view bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (char ch : bytes) {
    auto b = static_cast<unsigned char>(ch);
    bool escape = b < 0x20 || b >= 0x80 || b == ' ' || b == '#' || b == '%' || b == '&' ||
                  b == '*' || b == '+' || b == '<' || b == '=' || b == '>';
    if (escape) {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

TStringList SplitByDelimiter(std::string_view text, std::string_view delimiter) {
  TStringList pieces;
  if (text.empty()) return pieces;
  size_t start = 0;
  // Only the delimiter's first byte is consumed, so the rest of it begins the
  // next piece.
  for (size_t p; !delimiter.empty() && (p = text.find(delimiter, start)) != std::string_view::npos;
       start = p + 1)
    pieces.Add(std::string(text.substr(start, p - start)));
  pieces.Add(std::string(text.substr(start)));
  return pieces;
}

std::string BuildTranslationBody(TranslationDirection direction, std::string_view utf8_text) {
  std::string body =
      direction == TranslationDirection::ToEnglish ? "&type=ZH_CN2EN" : "&type=EN2ZH_CN";
  body += "&i=";
  body += PercentEncode(utf8_text);
  body += "&doctype=xml";
  body += "&xmlVersion=1.4";
  body += "&keyfrom=fanyi.web";
  body += "&ue=UTF-8";
  body += "&flag=false";
  return body;
}

std::string DecodeTranslationAnswer(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  uint32_t high = 0;  // a high surrogate waiting for its low half
  auto flush_high = [&] {
    if (high) AppendChar(out, '?');
    high = 0;
  };
  size_t i = 0;
  while (i < bytes.size()) {
    auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
      flush_high();
      out += static_cast<char>(b0);
      ++i;
      continue;
    }
    // One trail byte, two when bit 0x20 is set, three for a four-byte lead.
    size_t trail = (b0 & 0xF0) == 0xF0 ? 3 : (b0 & 0x20) ? 2 : 1;
    if (i + trail >= bytes.size()) return {};
    uint32_t cp = trail == 1 ? (b0 & 0x1F) : trail == 2 ? (b0 & 0x0F) : (b0 & 0x07);
    for (size_t k = 1; k <= trail; ++k) {
      auto b = static_cast<unsigned char>(bytes[i + k]);
      if ((b & 0xC0) != 0x80) return {};
      cp = (cp << 6) | (b & 0x3F);
    }
    i += trail + 1;
    // A character beyond the BMP may come as two encoded surrogate halves.
    if (cp >= 0xDC00 && cp <= 0xDFFF && high) {
      AppendChar(out, 0x10000 + ((high - 0xD800) << 10) + (cp - 0xDC00));
      high = 0;
      continue;
    }
    flush_high();
    if (cp >= 0xD800 && cp <= 0xDBFF)
      high = cp;
    else
      AppendChar(out, cp);
  }
  flush_high();
  return out;
}

std::string ExtractSegments(std::string_view decoded, bool line_breaks) {
  TStringList pieces = SplitByDelimiter(decoded, kSegmentStart);
  std::string result;
  for (int n = 1; n < pieces.Count(); ++n) {
    std::string piece = pieces[n];
    const std::string_view tail = kSegmentStart.substr(1);
    for (size_t p; (p = piece.find(tail)) != std::string::npos;) piece.erase(p, tail.size());
    size_t end = piece.find("]]");
    std::string segment = end == std::string::npos ? std::string() : piece.substr(0, end);
    result += segment;
    if (line_breaks) result += "<br />\r\n";
  }
  return result;
}

}  // namespace lumora
