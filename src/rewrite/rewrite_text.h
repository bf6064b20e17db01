#pragma once
// The text side of a translation leg: the form value encoder, the splitter,
// the request body, the answer decoding and the segment extraction.

#include <string>
#include <string_view>

#include "base/stream.h"
#include "base/string_list.h"

namespace lumora {

enum class TranslationDirection { ToEnglish, ToChinese };

// Escapes bytes below 0x20, from 0x80, and space # % & * + < = > as %XX
// (upper case); every other byte is copied. "&" and "=" are escaped so that a
// form-decoding service keeps them inside the text.
std::string PercentEncode(std::string_view bytes);

// k occurrences of delimiter give k + 1 pieces; each piece after the first
// starts with the delimiter minus its first character. Empty text: no pieces.
TStringList SplitByDelimiter(std::string_view text, std::string_view delimiter);

// The form body of one leg for UTF-8 text; it starts with "&".
std::string BuildTranslationBody(TranslationDirection direction, std::string_view utf8_text);

// The same body as a stream that escapes the text as it is read, so a large
// article is never held a second time, three times over. The text must
// outlive the stream; writing to it does nothing.
class TTranslationBodyStream : public TStream {
 public:
  TTranslationBodyStream(TranslationDirection direction, std::string_view utf8_text);

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return size_; }

 private:
  std::string head_;  // the direction field and "&i="
  std::string_view text_;
  int64_t encoded_ = 0;  // the escaped text's length
  int64_t size_ = 0;
  int64_t position_ = 0;
  // Where reading the text stands: the next byte and its encoded offset.
  size_t text_index_ = 0;
  int64_t text_offset_ = 0;
};

// Decodes the service's UTF-8 answer into our UTF-8 text. Any byte that
// breaks the sequence rules, or an answer ending inside a sequence, gives an
// empty text as a whole. Characters outside Unicode's scalar values become "?".
std::string DecodeTranslationAnswer(std::string_view bytes);
// The same, over the answer's own bytes, so a large answer is not held twice.
void DecodeTranslationAnswerInPlace(std::string& text);

// The translated segments of a decoded answer: each follows "<tgt><![CDATA["
// and ends before the next "]]"; with line_breaks each is followed by
// "<br />" CR LF, otherwise they are joined with nothing between.
std::string ExtractSegments(std::string_view decoded, bool line_breaks);
// The same, leaving the result in text in place of the decoded answer.
void ExtractSegmentsInPlace(std::string& text, bool line_breaks);

}  // namespace lumora
