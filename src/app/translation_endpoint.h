#pragma once
// Where the rewrite sends its legs: the service named on the command line, or
// the built-in one, started in-process for as long as the program runs.

#include <future>
#include <memory>
#include <optional>
#include <string>

#include "translate/translator.h"

namespace lumora {

class EmbeddedTranslationService;

// The built-in service loads its lexicon on a thread of its own, so that the
// window paints at once; the first rewrite waits for it.
class TranslationEndpoint {
 public:
  // Raises Exception for an address that is not usable. The built-in service
  // runs with the installed language model, strength and locked terms.
  explicit TranslationEndpoint(const std::optional<std::string>& service_url,
                               Strength strength = Strength::kNormal,
                               std::optional<std::string> keep_file = std::nullopt);
  ~TranslationEndpoint();

  // Waits for the built-in service if it is still starting; raises Exception
  // with a message for the error box when it could not start.
  std::string Url();

 private:
  std::future<std::unique_ptr<EmbeddedTranslationService>> starting_;
  std::unique_ptr<EmbeddedTranslationService> embedded_;
  std::string url_;
  std::string failure_;
};

}  // namespace lumora
