#include "app/translation_endpoint.h"

#include "base/exception.h"
#include "rewrite/round_trip.h"
#include "service/embedded_translation_service.h"
#include "service/translator_setup.h"

namespace lumora {

TranslationEndpoint::TranslationEndpoint(const std::optional<std::string>& service_url,
                                         Strength strength, std::optional<std::string> keep_file) {
  if (service_url) {
    url_ = TranslationEndpointUrl(*service_url);
    return;
  }
  starting_ = std::async(std::launch::async, [strength, keep_file] {
    std::string lexicon = FindDefaultLexicon();
    if (lexicon.empty())
      throw Exception("The translation lexicon lumora.lex was not found beside the program");
    return EmbeddedTranslationService::Start(lexicon, LoadTranslatorOptions(strength, keep_file));
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
