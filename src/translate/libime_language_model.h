#pragma once
// The word trigram model of Simplified Chinese that Debian ships for input
// methods (libime-data-language-model, zh_CN.lm, KenLM binary, LGPL-2.1+),
// read through libIMECore; the file is memory mapped, not parsed, and its
// answers are kept in a CachedLanguageModel.

#include <memory>
#include <string>

#include "base/exception.h"
#include "translate/language_model.h"

namespace lumora {

class ELanguageModelError : public Exception {
 public:
  using Exception::Exception;
};

// Raises ELanguageModelError with the path when the file cannot be opened.
std::shared_ptr<const LanguageModel> LoadLibimeLanguageModel(const std::string& path);

// Where Debian installs the model; empty when it is not installed.
std::string FindDefaultLanguageModel();

}  // namespace lumora
