#include "service/translator_setup.h"

#include <filesystem>

#include "base/stream.h"
#include "translate/libime_language_model.h"
#include "translate/protected_spans.h"

namespace lumora {

std::vector<std::string> LoadLockedTerms(const std::optional<std::string>& keepFile) {
  const std::string path = keepFile.value_or(DefaultLockedTermsPath());
  std::error_code ec;
  if (!keepFile && (path.empty() || !std::filesystem::is_regular_file(path, ec))) return {};
  try {
    return ParseLockedTerms(ReadFileBytes(path));
  } catch (const Exception& e) {
    throw Exception("Cannot read the locked terms \"" + path + "\": " + e.Message());
  }
}

TranslatorOptions LoadTranslatorOptions(Strength strength,
                                        const std::optional<std::string>& keepFile) {
  TranslatorOptions options;
  options.strength = strength;
  if (const std::string model = FindDefaultLanguageModel(); !model.empty()) {
    options.model = LoadLibimeLanguageModel(model);
  }
  options.lockedTerms = LoadLockedTerms(keepFile);
  return options;
}

}  // namespace lumora
