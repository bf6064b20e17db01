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
  // The model's mean log10 score per word, output minus source, summed over
  // paragraphs; and the worst paragraph.
  double fluencyDropSum = 0;
  size_t fluencyParagraphs = 0;
  double worstFluencyDrop = 0;

  void Add(const RoundTripStats& o);
  double ChangedShare() const { return contentWords ? double(changedWords) / contentWords : 0; }
  double MeanFluencyDrop() const {
    return fluencyParagraphs ? fluencyDropSum / fluencyParagraphs : 0;
  }
};

// The model's mean log10 score per Chinese word of a paragraph, segmented by
// the lexicon; other tokens end a sentence. NaN for a paragraph without words.
double MeanWordScore(const Lexicon& lexicon, const LanguageModel& model, std::string_view text);

void MeasureRoundTrip(const TranslationService& service, std::string_view source,
                      const std::vector<std::string>& result, RoundTripStats& stats);

}  // namespace lumora
