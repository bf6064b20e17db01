#pragma once
// An embedded translation service over a lexicon of a few words, for tests
// of the program that need a working rewrite.

#include <memory>
#include <string>

#include "rewrite/round_trip.h"
#include "service/embedded_translation_service.h"
#include "translate/lexicon.h"
#include "translate/lexicon_builder.h"

namespace lumora::testing {

inline std::unique_ptr<EmbeddedTranslationService> StartSmallService() {
  LexiconBuilder b;
  b.AddWord("提高", 800, "v");
  // Too rare to stand for 提高, so "to improve" leads 改善 to 提高.
  b.AddWord("改善", 250, "v");
  b.AddWord("生活", 900, "n");
  b.AddWord("质量", 700, "n");
  b.AddEntry("提高", "ti2 gao1", {"to raise", "to improve"});
  b.AddEntry("改善", "gai3 shan4", {"to make better", "to improve"});
  b.AddEntry("生活", "sheng1 huo2", {"life", "to live"});
  b.AddEntry("质量", "zhi4 liang4", {"quality"});
  return EmbeddedTranslationService::Start(Lexicon::FromBytes(b.Build()));
}

inline std::string SmallServiceEndpoint(const EmbeddedTranslationService& service) {
  return TranslationEndpointUrl(service.BaseUrl());
}

}  // namespace lumora::testing
