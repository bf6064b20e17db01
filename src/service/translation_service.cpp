#include "service/translation_service.h"

#include <functional>
#include <thread>

#include "translate/helper_threads.h"

namespace lumora {

TranslationService::TranslationService(std::shared_ptr<const Lexicon> lexicon,
                                       TranslatorOptions options)
    : translator_(std::move(lexicon), std::move(options)) {}

namespace {

// A text this long has its paragraphs translated toward English on two
// threads: the translator works a paragraph at a time, and a batch run's
// article would otherwise leave a processor idle. The way back costs a
// fraction of that, less than the second thread's colder model cache.
constexpr size_t kSplitBytes = 8 * 1024;

}  // namespace

std::vector<std::string> TranslationService::Translate(Direction direction,
                                                       std::string_view text) const {
  const std::vector<Paragraph> paragraphs = SplitParagraphs(text);
  std::vector<std::string> segments(paragraphs.size());
  auto translate = [&](size_t first, size_t last) {
    for (size_t i = first; i < last; ++i) {
      const Paragraph& p = paragraphs[i];
      segments[i] = direction == Direction::kToEnglish
                        ? translator_.ToEnglish(p.text) + std::string(p.lineBreak)
                        : translator_.ToChinese(p.text);
    }
  };
  size_t half = paragraphs.size();
  if (direction == Direction::kToEnglish && text.size() >= kSplitBytes && paragraphs.size() > 1 &&
      std::thread::hardware_concurrency() > 1) {
    // The second thread starts at the paragraph nearest the middle byte.
    half = 1;
    while (half + 1 < paragraphs.size() &&
           static_cast<size_t>(paragraphs[half].text.data() - text.data()) < text.size() / 2) {
      ++half;
    }
  }
  std::vector<std::function<void()>> work{[&] { translate(0, half); }};
  if (half < paragraphs.size()) work.emplace_back([&] { translate(half, paragraphs.size()); });
  HelperThreads::Shared().RunAll(work);
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
