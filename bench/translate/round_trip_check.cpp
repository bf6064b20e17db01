#include "round_trip_check.h"

#include <algorithm>
#include <cmath>

#include "translate/segmenter.h"
#include "translate/utf8.h"

namespace lumora {

std::vector<std::string> ClientSegments(std::string_view answer) {
  static constexpr std::string_view kDelimiter = "<tgt><![CDATA[";
  std::vector<std::string> out;
  size_t at = answer.find(kDelimiter);
  while (at != std::string_view::npos) {
    const size_t start = at + kDelimiter.size();
    const size_t next = answer.find(kDelimiter, start);
    const std::string_view piece =
        answer.substr(start, (next == std::string_view::npos ? answer.size() : next) - start);
    const size_t close = piece.find("]]");
    out.emplace_back(close == std::string_view::npos ? std::string_view() : piece.substr(0, close));
    at = next;
  }
  return out;
}

std::vector<std::string> RoundTrip(const TranslationService& service, std::string_view text,
                                   std::string* english) {
  std::string joined;
  for (const auto& s : ClientSegments(BuildTranslationXml(
           Direction::kToEnglish, service.Translate(Direction::kToEnglish, text)))) {
    joined += s;
  }
  if (english) *english = joined;
  return ClientSegments(
      BuildTranslationXml(Direction::kToChinese, service.Translate(Direction::kToChinese, joined)));
}

void RoundTripStats::Add(const RoundTripStats& o) {
  RewriteScore::Add(o);
  fluencyDropSum += o.fluencyDropSum;
  fluencyParagraphs += o.fluencyParagraphs;
  worstFluencyDrop = std::max(worstFluencyDrop, o.worstFluencyDrop);
}

double MeanWordScore(const Lexicon& lexicon, const LanguageModel& model, std::string_view text) {
  Segmenter segmenter(lexicon);
  LanguageModel::State state = model.BeginState();
  double total = 0;
  size_t words = 0;
  for (const Token& t : segmenter.Segment(text)) {
    if (t.kind != TokenKind::kHan) {
      state = model.BeginState();
      continue;
    }
    total += ScoreWord(model, state, t.text);
    ++words;
  }
  return words ? total / words : std::nan("");
}

void MeasureRoundTrip(const TranslationService& service, std::string_view source,
                      const std::vector<std::string>& result, RoundTripStats& stats) {
  const auto paragraphs = SplitParagraphs(source);
  stats.paragraphsIn += paragraphs.size();
  stats.paragraphsOut += result.size();
  const Lexicon& lexicon = service.translator().lexicon();
  for (size_t p = 0; p < paragraphs.size() && p < result.size(); ++p) {
    ScoreParagraph(lexicon, paragraphs[p].text, result[p], {}, stats);
    if (const LanguageModel* model = service.translator().model()) {
      const double in = MeanWordScore(lexicon, *model, paragraphs[p].text);
      const double out = MeanWordScore(lexicon, *model, result[p]);
      if (!std::isnan(in) && !std::isnan(out)) {
        stats.fluencyDropSum += in - out;
        ++stats.fluencyParagraphs;
        stats.worstFluencyDrop = std::max(stats.worstFluencyDrop, in - out);
      }
    }
  }
}

}  // namespace lumora
