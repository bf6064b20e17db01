#include "rewrite/rewrite_text.h"

#include <algorithm>
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

namespace {

constexpr std::string_view kBodyTail =
    "&doctype=xml&xmlVersion=1.4&keyfrom=fanyi.web&ue=UTF-8&flag=false";
constexpr char kHex[] = "0123456789ABCDEF";

bool Escaped(unsigned char b) {
  return b < 0x20 || b >= 0x80 || b == ' ' || b == '#' || b == '%' || b == '&' || b == '*' ||
         b == '+' || b == '<' || b == '=' || b == '>';
}

// The one or three characters a byte becomes; returns how many.
int EncodeByte(char ch, char out[3]) {
  const auto b = static_cast<unsigned char>(ch);
  if (!Escaped(b)) {
    out[0] = ch;
    return 1;
  }
  out[0] = '%';
  out[1] = kHex[b >> 4];
  out[2] = kHex[b & 15];
  return 3;
}

void AppendPercentEncoded(std::string& out, std::string_view bytes) {
  char encoded[3];
  for (char ch : bytes) out.append(encoded, static_cast<size_t>(EncodeByte(ch, encoded)));
}

std::string BodyHead(TranslationDirection direction) {
  return direction == TranslationDirection::ToEnglish ? "&type=ZH_CN2EN&i=" : "&type=EN2ZH_CN&i=";
}

}  // namespace

std::string PercentEncode(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3);
  AppendPercentEncoded(out, bytes);
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
  TTranslationBodyStream stream(direction, utf8_text);
  std::string body(static_cast<size_t>(stream.Size()), '\0');
  stream.Read(body.data(), stream.Size());
  return body;
}

TTranslationBodyStream::TTranslationBodyStream(TranslationDirection direction,
                                               std::string_view utf8_text)
    : head_(BodyHead(direction)), text_(utf8_text) {
  for (char ch : text_) encoded_ += Escaped(static_cast<unsigned char>(ch)) ? 3 : 1;
  size_ = static_cast<int64_t>(head_.size()) + encoded_ + static_cast<int64_t>(kBodyTail.size());
}

int64_t TTranslationBodyStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t base = origin == TSeekOrigin::soBeginning ? 0
                       : origin == TSeekOrigin::soCurrent ? position_
                                                          : size_;
  position_ = std::clamp<int64_t>(base + offset, 0, size_);
  return position_;
}

int64_t TTranslationBodyStream::Read(void* buffer, int64_t count) {
  char* out = static_cast<char*>(buffer);
  const auto head = static_cast<int64_t>(head_.size());
  int64_t done = 0;
  while (done < count && position_ < size_) {
    if (position_ < head) {
      out[done++] = head_[static_cast<size_t>(position_++)];
      continue;
    }
    const int64_t in_text = position_ - head;
    if (in_text >= encoded_) {
      out[done++] = kBodyTail[static_cast<size_t>(in_text - encoded_)];
      ++position_;
      continue;
    }
    // Reading goes forward; any other move starts the walk over.
    if (in_text < text_offset_) {
      text_index_ = 0;
      text_offset_ = 0;
    }
    char encoded[3];
    int n = EncodeByte(text_[text_index_], encoded);
    while (text_offset_ + n <= in_text) {
      text_offset_ += n;
      n = EncodeByte(text_[++text_index_], encoded);
    }
    for (int k = static_cast<int>(in_text - text_offset_); k < n && done < count; ++k) {
      out[done++] = encoded[k];
      ++position_;
    }
  }
  return done;
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
  // The same pieces SplitByDelimiter gives, walked in place: each starts one
  // byte into a delimiter and runs to the next one (or the end).
  const std::string_view tail = kSegmentStart.substr(1);
  std::string result;
  size_t start = decoded.find(kSegmentStart);
  while (start != std::string_view::npos) {
    const size_t next = decoded.find(kSegmentStart, start + 1);
    std::string_view piece = decoded.substr(
        start + 1, next == std::string_view::npos ? std::string_view::npos : next - start - 1);
    std::string cleaned;
    if (piece.find(tail, tail.size()) == std::string_view::npos) {
      piece.remove_prefix(tail.size());
    } else {
      cleaned = piece;
      for (size_t p; (p = cleaned.find(tail)) != std::string::npos;) cleaned.erase(p, tail.size());
      piece = cleaned;
    }
    const size_t end = piece.find("]]");
    if (end != std::string_view::npos) result += piece.substr(0, end);
    if (line_breaks) result += "<br />\r\n";
    start = next;
  }
  return result;
}

}  // namespace lumora
