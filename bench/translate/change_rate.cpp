// change_rate [--show] [--strength low|normal|high] [--no-model] [LEXICON] [DIR...]
// Round-trips every *.txt of each DIR (by default examples/ and the held-out
// articles of bench/translate/held_out/) through the service's two legs and
// prints how many content words came back changed, the language model's
// fluency drop per word, and any paragraph, number, Latin word or negation
// that was lost or added. --show prints the texts too.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/stream.h"
#include "round_trip_check.h"
#include "service/embedded_translation_service.h"
#include "service/translator_setup.h"

namespace {

void PrintLine(const char* name, const lumora::RoundTripStats& s) {
  std::printf(
      "%-26s content words %5zu changed %5zu (%5.1f%%) fluency drop %+.3f (worst %+.3f) "
      "paragraphs %zu/%zu faults: number %zu latin %zu negation %zu\n",
      name, s.contentWords, s.changedWords, 100.0 * s.ChangedShare(), s.MeanFluencyDrop(),
      s.worstFluencyDrop, s.paragraphsOut, s.paragraphsIn, s.numberFaults, s.latinFaults,
      s.negationFaults);
}

}  // namespace

int main(int argc, char** argv) {
  bool show = false;
  bool useModel = true;
  lumora::Strength strength = lumora::Strength::kNormal;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--show") {
      show = true;
    } else if (arg == "--no-model") {
      useModel = false;
    } else if (arg == "--strength" && i + 1 < argc) {
      const auto s = lumora::ParseStrength(argv[++i]);
      if (!s) {
        std::fprintf(stderr, "change_rate: --strength wants low, normal or high\n");
        return 2;
      }
      strength = *s;
    } else {
      args.push_back(arg);
    }
  }
  const std::string lexiconPath = args.size() > 0 ? args[0] : lumora::FindDefaultLexicon();
  std::vector<std::string> dirs(args.size() > 1 ? args.begin() + 1 : args.end(), args.end());
  if (dirs.empty()) dirs = {LUMORA_EXAMPLES_DIR, LUMORA_HELD_OUT_DIR};
  try {
    lumora::TranslatorOptions options = lumora::LoadTranslatorOptions(strength, std::nullopt);
    options.lockedTerms.clear();
    if (!useModel) options.model.reset();
    if (!options.model) std::printf("(no language model: fluency is not measured)\n");
    lumora::TranslationService service(lumora::Lexicon::Load(lexiconPath), options);
    for (const std::string& dir : dirs) {
      std::vector<std::filesystem::path> files;
      for (const auto& e : std::filesystem::directory_iterator(dir)) {
        if (e.path().extension() == ".txt") files.push_back(e.path());
      }
      std::sort(files.begin(), files.end());
      lumora::RoundTripStats total;
      for (const auto& file : files) {
        const std::string text = lumora::ReadFileBytes(file.string());
        std::string english;
        const auto result = lumora::RoundTrip(service, text, &english);
        lumora::RoundTripStats stats;
        lumora::MeasureRoundTrip(service, text, result, stats);
        PrintLine(file.filename().c_str(), stats);
        if (show) {
          std::printf("--- English\n%s\n--- Chinese\n", english.c_str());
          for (const auto& p : result) std::printf("%s\n", p.c_str());
          std::printf("\n");
        }
        total.Add(stats);
      }
      PrintLine(("all of " + std::filesystem::path(dir).filename().string()).c_str(), total);
    }
  } catch (const lumora::Exception& e) {
    std::fprintf(stderr, "change_rate: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}
