#include "app/translation_endpoint.h"

#include "base/exception.h"
#include "rewrite/round_trip.h"
#include "service/embedded_translation_service.h"

namespace lumora {

TranslationEndpoint::TranslationEndpoint(const std::optional<std::string>& service_url) {
  if (service_url) {
    url_ = TranslationEndpointUrl(*service_url);
    return;
  }
  std::string lexicon = FindDefaultLexicon();
  if (lexicon.empty())
    throw Exception("The translation lexicon lumora.lex was not found beside the program");
  embedded_ = EmbeddedTranslationService::Start(lexicon);
  url_ = TranslationEndpointUrl(embedded_->BaseUrl());
}

TranslationEndpoint::~TranslationEndpoint() = default;

}  // namespace lumora
