#include "translate/clause_cuts.h"

#include <algorithm>
#include <array>

namespace lumora {

namespace {

constexpr std::array<std::string_view, 7> kClauseMarks = {
    "\xEF\xBC\x8C",  // ，
    "\xE3\x80\x82",  // 。
    "\xEF\xBC\x9B",  // ；
    "\xEF\xBC\x9A",  // ：
    "\xEF\xBC\x81",  // ！
    "\xEF\xBC\x9F",  // ？
    "\xE3\x80\x81",  // 、
};

// The clause mark at, if any; all are three bytes.
std::string_view MarkAt(std::string_view text, size_t at) {
  if (text.size() - at < 3) return {};
  const std::string_view here = text.substr(at, 3);
  for (const std::string_view mark : kClauseMarks) {
    if (here == mark) return mark;
  }
  return {};
}

}  // namespace

std::vector<size_t> ClauseCuts(std::string_view text, const std::vector<ByteSpan>& kept,
                               const std::vector<std::string>& lockedTerms) {
  std::vector<std::string_view> barred;
  for (const std::string_view mark : kClauseMarks) {
    if (std::any_of(lockedTerms.begin(), lockedTerms.end(),
                    [&](const std::string& t) { return t.find(mark) != std::string::npos; })) {
      barred.push_back(mark);
    }
  }
  std::vector<size_t> cuts;
  size_t span = 0;
  // Between "<" and ">" a rewrite may make a tag of what was none (a gloss
  // after "<"), so no cut goes there.
  bool inAngle = false;
  for (size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '<') inAngle = true;
    if (c == '>') inAngle = false;
    if (c != '\xEF' && c != '\xE3') continue;
    const std::string_view mark = MarkAt(text, at);
    if (mark.empty() || at == 0 || inAngle) continue;
    while (span < kept.size() && kept[span].second <= at) ++span;
    if (span < kept.size() && kept[span].first <= at) continue;
    if (std::find(barred.begin(), barred.end(), mark) != barred.end()) continue;
    cuts.push_back(at);
    at += mark.size() - 1;
  }
  return cuts;
}

std::vector<size_t> GroupRuns(std::span<const size_t> starts, size_t total, size_t count) {
  std::vector<size_t> firsts{0};
  if (count <= 1) return firsts;
  const size_t share = total / count;
  for (size_t r = 1; r < starts.size() && firsts.size() < count; ++r) {
    if (starts[r] - starts[firsts.back()] >= share) firsts.push_back(r);
  }
  return firsts;
}

std::vector<size_t> GroupClauses(std::string_view text, const std::vector<size_t>& cuts,
                                 size_t count) {
  std::vector<size_t> starts{0};
  starts.insert(starts.end(), cuts.begin(), cuts.end());
  std::vector<size_t> offsets;
  for (const size_t r : GroupRuns(starts, text.size(), count)) offsets.push_back(starts[r]);
  return offsets;
}

}  // namespace lumora
