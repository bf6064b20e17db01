#pragma once
// The translation endpoint's behaviour without the socket: a POSTed form body
// in, the status and XML answer out. Toward English every paragraph gives one
// segment that keeps its own line break, so the client's plain join keeps the
// paragraphs; toward Chinese segments carry no line break. Thread-safe.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "service/translation_protocol.h"
#include "translate/translator.h"

namespace lumora {

struct ServiceReply {
  int status;
  std::string contentType;
  std::string body;
  // For the log: the direction and the characters translated, when known.
  std::string type;
  size_t textBytes = 0;
};

class TranslationService {
 public:
  explicit TranslationService(std::shared_ptr<const Lexicon> lexicon,
                              TranslatorOptions options = {});

  // One segment per paragraph, as described above.
  std::vector<std::string> Translate(Direction direction, std::string_view text) const;

  // 200 with the XML answer, or 400 with a short text for a bad form.
  ServiceReply HandleForm(std::string_view body) const;

  const Translator& translator() const { return translator_; }

 private:
  Translator translator_;
};

}  // namespace lumora
