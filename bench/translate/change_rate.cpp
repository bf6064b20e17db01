// change_rate [--show] [LEXICON [EXAMPLES_DIR]]
// Round-trips every examples/*.txt through the service's two legs and prints
// how many content words came back changed, and any paragraph, number, Latin
// word or negation that was lost or added. --show prints the texts too.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/stream.h"
#include "round_trip_check.h"
#include "service/embedded_translation_service.h"

int main(int argc, char** argv) {
  bool show = false;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--show")
      show = true;
    else
      args.push_back(argv[i]);
  }
  const std::string lexiconPath = args.size() > 0 ? args[0] : lumora::FindDefaultLexicon();
  const std::string examples = args.size() > 1 ? args[1] : LUMORA_EXAMPLES_DIR;
  try {
    lumora::TranslationService service(lumora::Lexicon::Load(lexiconPath));
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(examples)) {
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
      std::printf(
          "%-24s content words %4zu changed %4zu (%5.1f%%) paragraphs %zu/%zu "
          "number faults %zu latin faults %zu negation faults %zu\n",
          file.filename().c_str(), stats.contentWords, stats.changedWords,
          stats.contentWords ? 100.0 * stats.changedWords / stats.contentWords : 0.0,
          stats.paragraphsOut, stats.paragraphsIn, stats.numberFaults, stats.latinFaults,
          stats.negationFaults);
      if (show) {
        std::printf("--- English\n%s\n--- Chinese\n", english.c_str());
        for (const auto& p : result) std::printf("%s\n", p.c_str());
        std::printf("\n");
      }
      total.contentWords += stats.contentWords;
      total.changedWords += stats.changedWords;
      total.paragraphsIn += stats.paragraphsIn;
      total.paragraphsOut += stats.paragraphsOut;
      total.numberFaults += stats.numberFaults;
      total.latinFaults += stats.latinFaults;
      total.negationFaults += stats.negationFaults;
    }
    std::printf(
        "%-24s content words %4zu changed %4zu (%5.1f%%) paragraphs %zu/%zu "
        "number faults %zu latin faults %zu negation faults %zu\n",
        "all", total.contentWords, total.changedWords,
        total.contentWords ? 100.0 * total.changedWords / total.contentWords : 0.0,
        total.paragraphsOut, total.paragraphsIn, total.numberFaults, total.latinFaults,
        total.negationFaults);
  } catch (const lumora::Exception& e) {
    std::fprintf(stderr, "change_rate: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}
