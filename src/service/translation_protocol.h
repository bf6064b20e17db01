#pragma once
// The wire format of the translation endpoint, apart from any socket:
// the form body the rewrite posts ("&type=ZH_CN2EN&i=<text>&doctype=xml..."),
// the split of a text into paragraphs, and the XML answer in which every
// segment follows "<tgt><![CDATA[" and ends before the next "]]".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/exception.h"

namespace lumora {

// A request the service refuses; the message is the short text of the 400 answer.
class EBadRequest : public Exception {
 public:
  using Exception::Exception;
};

enum class Direction { kToEnglish, kToChinese };

// "ZH_CN2EN" and "EN2ZH_CN", or nothing.
std::optional<Direction> ParseDirection(std::string_view type);
std::string_view DirectionName(Direction d);

// Decodes %XX escapes and "+" as a blank. Raises EBadRequest when a "%" is
// not followed by two hexadecimal digits.
std::string PercentDecode(std::string_view value, std::string_view field);

struct TranslateRequest {
  Direction direction;
  std::string text;  // UTF-8, surrogate pairs joined
};

// Parses the form body. Fields are split at every "&" as any form parser
// does, so a "&" the client left unescaped inside the text ends the text
// there; the first occurrence of a field counts. Raises EBadRequest for a
// missing or unknown type, a missing i, bad escapes or text that is not UTF-8.
TranslateRequest ParseTranslateForm(std::string_view body);

struct Paragraph {
  std::string_view text;       // without its line break
  std::string_view lineBreak;  // "\r\n", "\n", "\r", or empty for the last
};

// Splits at CR LF, LF and CR. A break at the very end starts no new paragraph;
// an empty text has no paragraphs.
std::vector<Paragraph> SplitParagraphs(std::string_view text);

// Makes a segment safe for the client's split: "]" that would form "]]" (or
// end the segment, where "]]>" follows) becomes a full-width "］", and
// "CDATA[" becomes "CDATA［", so no segment opens or closes early.
std::string SafeSegment(std::string_view segment);

// The answer document. Segments are made safe and written with at most three
// bytes per character, which is what the client decodes.
std::string BuildTranslationXml(Direction direction, const std::vector<std::string>& segments);

}  // namespace lumora
