#include "round_trip_check.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "translate/segmenter.h"
#include "translate/utf8.h"

namespace lumora {

namespace {

std::u32string Chars(std::string_view s) {
  std::u32string out;
  size_t pos = 0;
  while (pos < s.size()) {
    char32_t ch;
    size_t len;
    if (!DecodeUtf8Char(s, pos, ch, len)) {
      ch = 0xFFFD;
      len = 1;
    }
    out += ch;
    pos += len;
  }
  return out;
}

// For each character of a, whether it is part of a longest common subsequence with b.
std::vector<bool> CommonChars(const std::u32string& a, const std::u32string& b) {
  const size_t n = a.size(), m = b.size();
  std::vector<std::vector<uint16_t>> table(n + 1, std::vector<uint16_t>(m + 1, 0));
  for (size_t i = n; i-- > 0;) {
    for (size_t j = m; j-- > 0;) {
      table[i][j] =
          a[i] == b[j] ? table[i + 1][j + 1] + 1 : std::max(table[i + 1][j], table[i][j + 1]);
    }
  }
  std::vector<bool> kept(n, false);
  for (size_t i = 0, j = 0; i < n && j < m;) {
    if (a[i] == b[j]) {
      kept[i] = true;
      ++i;
      ++j;
    } else if (table[i + 1][j] >= table[i][j + 1]) {
      ++i;
    } else {
      ++j;
    }
  }
  return kept;
}

size_t CountNegations(std::string_view s) {
  size_t n = 0;
  for (char32_t ch : Chars(s)) {
    n += ch == U'不' || ch == U'没' || ch == U'未' || ch == U'无' || ch == U'非';
  }
  return n;
}

size_t Difference(const std::map<std::string, int>& a, const std::map<std::string, int>& b) {
  size_t faults = 0;
  std::map<std::string, int> all = a;
  for (const auto& [k, v] : b) all[k];
  for (const auto& [k, v] : all) {
    const int x = a.contains(k) ? a.at(k) : 0;
    const int y = b.contains(k) ? b.at(k) : 0;
    faults += static_cast<size_t>(std::abs(x - y));
  }
  return faults;
}

}  // namespace

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
  contentWords += o.contentWords;
  changedWords += o.changedWords;
  paragraphsIn += o.paragraphsIn;
  paragraphsOut += o.paragraphsOut;
  numberFaults += o.numberFaults;
  latinFaults += o.latinFaults;
  negationFaults += o.negationFaults;
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
  Segmenter segmenter(lexicon);
  for (size_t p = 0; p < paragraphs.size() && p < result.size(); ++p) {
    const std::u32string in = Chars(paragraphs[p].text);
    const std::vector<bool> kept = CommonChars(in, Chars(result[p]));
    std::map<std::string, int> numbersIn, numbersOut, latinIn, latinOut;
    size_t charAt = 0;
    for (const Token& t : segmenter.Segment(paragraphs[p].text)) {
      const size_t n = Chars(t.text).size();
      if (t.kind == TokenKind::kHan && t.word != Lexicon::kNone &&
          IsContentClass(lexicon.Class(t.word))) {
        ++stats.contentWords;
        bool same = true;
        for (size_t i = charAt; i < charAt + n; ++i) same = same && kept[i];
        stats.changedWords += !same;
      }
      if (t.kind == TokenKind::kNumber) ++numbersIn[std::string(t.text)];
      if (t.kind == TokenKind::kLatin) ++latinIn[std::string(t.text)];
      charAt += n;
    }
    for (const Token& t : segmenter.Segment(result[p])) {
      if (t.kind == TokenKind::kNumber) ++numbersOut[std::string(t.text)];
      if (t.kind == TokenKind::kLatin) ++latinOut[std::string(t.text)];
    }
    stats.numberFaults += Difference(numbersIn, numbersOut);
    stats.latinFaults += Difference(latinIn, latinOut);
    if (const LanguageModel* model = service.translator().model()) {
      const double in = MeanWordScore(lexicon, *model, paragraphs[p].text);
      const double out = MeanWordScore(lexicon, *model, result[p]);
      if (!std::isnan(in) && !std::isnan(out)) {
        stats.fluencyDropSum += in - out;
        ++stats.fluencyParagraphs;
        stats.worstFluencyDrop = std::max(stats.worstFluencyDrop, in - out);
      }
    }
    const size_t negIn = CountNegations(paragraphs[p].text);
    const size_t negOut = CountNegations(result[p]);
    stats.negationFaults += negIn > negOut ? negIn - negOut : negOut - negIn;
  }
}

}  // namespace lumora
