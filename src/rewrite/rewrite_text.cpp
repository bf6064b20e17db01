#include "rewrite/rewrite_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

void DecodeTranslationAnswerInPlace(std::string& text) {
  // No character is written longer than it was read, so the text is
  // rewritten behind the reading position.
  size_t w = 0;
  std::string encoded;
  auto put = [&](uint32_t cp) {
    encoded.clear();
    AppendChar(encoded, cp);
    std::memcpy(&text[w], encoded.data(), encoded.size());
    w += encoded.size();
  };
  uint32_t high = 0;  // a high surrogate waiting for its low half
  auto flush_high = [&] {
    if (high) put('?');
    high = 0;
  };
  size_t i = 0;
  while (i < text.size()) {
    auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) {
      flush_high();
      text[w++] = static_cast<char>(b0);
      ++i;
      continue;
    }
    // One trail byte, two when bit 0x20 is set, three for a four-byte lead.
    size_t trail = (b0 & 0xF0) == 0xF0 ? 3 : (b0 & 0x20) ? 2 : 1;
    if (i + trail >= text.size()) {
      text.clear();
      return;
    }
    uint32_t cp = trail == 1 ? (b0 & 0x1F) : trail == 2 ? (b0 & 0x0F) : (b0 & 0x07);
    for (size_t k = 1; k <= trail; ++k) {
      auto b = static_cast<unsigned char>(text[i + k]);
      if ((b & 0xC0) != 0x80) {
        text.clear();
        return;
      }
      cp = (cp << 6) | (b & 0x3F);
    }
    i += trail + 1;
    // A character beyond the BMP may come as two encoded surrogate halves.
    if (cp >= 0xDC00 && cp <= 0xDFFF && high) {
      put(0x10000 + ((high - 0xD800) << 10) + (cp - 0xDC00));
      high = 0;
      continue;
    }
    flush_high();
    if (cp >= 0xD800 && cp <= 0xDBFF)
      high = cp;
    else
      put(cp);
  }
  flush_high();
  text.resize(w);
}

std::string DecodeTranslationAnswer(std::string_view bytes) {
  std::string text(bytes);
  DecodeTranslationAnswerInPlace(text);
  return text;
}

void ExtractSegmentsInPlace(std::string& text, bool line_breaks) {
  // The same pieces SplitByDelimiter gives, walked in place: each starts one
  // byte into a delimiter and runs to the next one (or the end). A segment
  // and its line break are shorter than the delimiter before it, so the
  // result is written behind every byte still to be read.
  constexpr std::string_view kLineBreak = "<br />\r\n";
  const std::string_view tail = kSegmentStart.substr(1);
  size_t w = 0;
  size_t start = text.find(kSegmentStart);
  while (start != std::string::npos) {
    const size_t next = text.find(kSegmentStart, start + 1);
    const size_t piece_end = next == std::string::npos ? text.size() : next;
    std::string_view piece(text.data() + start + 1, piece_end - start - 1);
    std::string cleaned;
    if (piece.find(tail, tail.size()) == std::string_view::npos) {
      piece.remove_prefix(tail.size());
    } else {
      cleaned = piece;
      for (size_t p; (p = cleaned.find(tail)) != std::string::npos;) cleaned.erase(p, tail.size());
      piece = cleaned;
    }
    const size_t end = piece.find("]]");
    if (end != std::string_view::npos) {
      std::memmove(&text[w], piece.data(), end);
      w += end;
    }
    if (line_breaks) {
      std::memcpy(&text[w], kLineBreak.data(), kLineBreak.size());
      w += kLineBreak.size();
    }
    start = next;
  }
  text.resize(w);
}

std::string ExtractSegments(std::string_view decoded, bool line_breaks) {
  std::string text(decoded);
  ExtractSegmentsInPlace(text, line_breaks);
  return text;
}

}  // namespace lumora
