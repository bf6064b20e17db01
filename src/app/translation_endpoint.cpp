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
  starting_ = std::async(std::launch::async, [] {
    std::string lexicon = FindDefaultLexicon();
    if (lexicon.empty())
      throw Exception("The translation lexicon lumora.lex was not found beside the program");
    return EmbeddedTranslationService::Start(lexicon);
  });
}

TranslationEndpoint::~TranslationEndpoint() {
  // A service still starting is waited for, then stopped with the rest.
  if (starting_.valid()) starting_.wait();
}

std::string TranslationEndpoint::Url() {
  if (starting_.valid()) {
    try {
      embedded_ = starting_.get();
      url_ = TranslationEndpointUrl(embedded_->BaseUrl());
    } catch (const std::exception& e) {
      failure_ = e.what();
    }
  }
  if (url_.empty()) throw Exception(failure_);
  return url_;
}

}  // namespace lumora
