#pragma once
// Helpers shared by the benchmarks: the client's reading of an answer and
// the measure of a round trip (how many content words changed, and whether
// paragraphs, numbers, Latin words and negations came through).

#include <string>
#include <string_view>
#include <vector>

#include "service/translation_service.h"
#include "translate/rewrite_score.h"

namespace lumora {

// Splits at "<tgt><![CDATA[" and keeps each piece up to its first "]]", as the
// rewrite does.
std::vector<std::string> ClientSegments(std::string_view answer);

// Both legs through the service's answer documents; one string per paragraph.
std::vector<std::string> RoundTrip(const TranslationService& service, std::string_view text,
                                   std::string* english = nullptr);

// A rewrite's score with the language model's fluency drop: mean log10
// score per word, source minus output, summed over paragraphs; and the worst.
struct RoundTripStats : RewriteScore {
  double fluencyDropSum = 0;
  size_t fluencyParagraphs = 0;
  double worstFluencyDrop = 0;

  void Add(const RoundTripStats& o);
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
