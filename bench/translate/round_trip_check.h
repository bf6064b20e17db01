#pragma once
// Helpers shared by the benchmarks: the client's reading of an answer and
// the measure of a round trip (how many content words changed, and whether
// paragraphs, numbers, Latin words and negations came through).

#include <string>
#include <string_view>
#include <vector>

#include "service/translation_service.h"

namespace lumora {

// Splits at "<tgt><![CDATA[" and keeps each piece up to its first "]]", as the
// rewrite does.
std::vector<std::string> ClientSegments(std::string_view answer);

// Both legs through the service's answer documents; one string per paragraph.
std::vector<std::string> RoundTrip(const TranslationService& service, std::string_view text,
                                   std::string* english = nullptr);

struct RoundTripStats {
  size_t contentWords = 0;
  size_t changedWords = 0;
  size_t paragraphsIn = 0;
  size_t paragraphsOut = 0;
  size_t numberFaults = 0;    // numbers lost or added
  size_t latinFaults = 0;     // Latin words lost or added
  size_t negationFaults = 0;  // negation characters lost or added
};

void MeasureRoundTrip(const TranslationService& service, std::string_view source,
                      const std::vector<std::string>& result, RoundTripStats& stats);

}  // namespace lumora
