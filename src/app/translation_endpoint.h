#pragma once
// Where the rewrite sends its legs: the service named on the command line, or
// the built-in one, started in-process for as long as the program runs.

#include <memory>
#include <optional>
#include <string>

namespace lumora {

class EmbeddedTranslationService;

class TranslationEndpoint {
 public:
  // Raises Exception with a message for the error box when the built-in
  // service cannot start or the given address is not usable.
  explicit TranslationEndpoint(const std::optional<std::string>& service_url);
  ~TranslationEndpoint();

  const std::string& Url() const { return url_; }

 private:
  std::unique_ptr<EmbeddedTranslationService> embedded_;
  std::string url_;
};

}  // namespace lumora
