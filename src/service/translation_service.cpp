#include "service/translation_service.h"

namespace lumora {

TranslationService::TranslationService(std::shared_ptr<const Lexicon> lexicon,
                                       TranslatorOptions options)
    : translator_(std::move(lexicon), std::move(options)) {}

std::vector<std::string> TranslationService::Translate(Direction direction,
                                                       std::string_view text) const {
  std::vector<std::string> segments;
  for (const Paragraph& p : SplitParagraphs(text)) {
    if (direction == Direction::kToEnglish) {
      segments.push_back(translator_.ToEnglish(p.text) + std::string(p.lineBreak));
    } else {
      segments.push_back(translator_.ToChinese(p.text));
    }
  }
  return segments;
}

ServiceReply TranslationService::HandleForm(std::string_view body) const {
  try {
    const TranslateRequest request = ParseTranslateForm(body);
    ServiceReply reply{
        200, "text/xml; charset=UTF-8",
        BuildTranslationXml(request.direction, Translate(request.direction, request.text)),
        std::string(DirectionName(request.direction)), request.text.size()};
    return reply;
  } catch (const EBadRequest& e) {
    return {400, "text/plain; charset=UTF-8", e.Message() + "\n", "", 0};
  }
}

}  // namespace lumora
