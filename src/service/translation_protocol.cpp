#include "service/translation_protocol.h"

#include "translate/utf8.h"

namespace lumora {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<Direction> ParseDirection(std::string_view type) {
  if (type == "ZH_CN2EN") return Direction::kToEnglish;
  if (type == "EN2ZH_CN") return Direction::kToChinese;
  return std::nullopt;
}

std::string_view DirectionName(Direction d) {
  return d == Direction::kToEnglish ? "ZH_CN2EN" : "EN2ZH_CN";
}

std::string PercentDecode(std::string_view value, std::string_view field) {
  std::string out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '+') {
      out += ' ';
    } else if (c != '%') {
      out += c;
    } else {
      const int hi = i + 1 < value.size() ? HexValue(value[i + 1]) : -1;
      const int lo = i + 2 < value.size() ? HexValue(value[i + 2]) : -1;
      if (hi < 0 || lo < 0) {
        throw EBadRequest("Bad percent-encoding in field " + std::string(field) + " at offset " +
                          std::to_string(i));
      }
      out += static_cast<char>(hi * 16 + lo);
      i += 2;
    }
  }
  return out;
}

TranslateRequest ParseTranslateForm(std::string_view body) {
  std::optional<std::string_view> type;
  std::optional<std::string_view> text;
  size_t start = 0;
  while (start <= body.size()) {
    size_t end = body.find('&', start);
    if (end == std::string_view::npos) end = body.size();
    const std::string_view field = body.substr(start, end - start);
    const size_t eq = field.find('=');
    const std::string_view name = field.substr(0, eq);
    const std::string_view value = eq == std::string_view::npos ? "" : field.substr(eq + 1);
    if (name == "type" && !type) type = value;
    if (name == "i" && !text) text = value;
    start = end + 1;
  }
  if (!type) throw EBadRequest("Missing field type");
  const std::string typeName = PercentDecode(*type, "type");
  const auto direction = ParseDirection(typeName);
  if (!direction) throw EBadRequest("Unknown type \"" + typeName + "\"");
  if (!text) throw EBadRequest("Missing field i");
  std::string decoded = PercentDecode(*text, "i");
  if (!IsValidUtf8(decoded)) throw EBadRequest("Field i is not UTF-8 text");
  return {*direction, ToStandardUtf8(decoded)};
}

std::vector<Paragraph> SplitParagraphs(std::string_view text) {
  std::vector<Paragraph> out;
  size_t start = 0;
  while (start < text.size()) {
    const size_t at = text.find_first_of("\r\n", start);
    if (at == std::string_view::npos) {
      out.push_back({text.substr(start), {}});
      break;
    }
    const size_t breakLength =
        (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : 1;
    out.push_back({text.substr(start, at - start), text.substr(at, breakLength)});
    start = at + breakLength;
  }
  return out;
}

std::string SafeSegment(std::string_view segment) {
  static constexpr std::string_view kFullWidthBracket = "\xEF\xBC\xBD";      // ］
  static constexpr std::string_view kFullWidthOpenBracket = "\xEF\xBC\xBB";  // ［
  std::string out;
  out.reserve(segment.size());
  for (size_t i = 0; i < segment.size(); ++i) {
    const char c = segment[i];
    if (c == ']' && (i + 1 == segment.size() || segment[i + 1] == ']')) {
      out += kFullWidthBracket;
    } else if (c == '[' && out.ends_with("CDATA")) {
      out += kFullWidthOpenBracket;
    } else {
      out += c;
    }
  }
  return out;
}

std::string BuildTranslationXml(Direction direction, const std::vector<std::string>& segments) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<response>\n<type>";
  xml += DirectionName(direction);
  xml += "</type>\n<translation>\n";
  for (const auto& s : segments) {
    xml += "<tgt><![CDATA[";
    xml += ToThreeByteUtf8(SafeSegment(s));
    xml += "]]></tgt>\n";
  }
  xml += "</translation>\n</response>\n";
  return xml;
}

}  // namespace lumora
