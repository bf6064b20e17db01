#include "translate/set_phrases.h"

#include <algorithm>
#include <array>
#include <utility>

#include "translate/utf8.h"

namespace lumora {

namespace {

// Phrases seen read wrong with one of their words exchanged, and their kin.
constexpr std::string_view kSetPhrases[] = {
    "将于",
    "将至",
    "一定要",
    "就像",
    "提高警惕",
    "敬请谅解",
    "图书角",
    "使用年限",
    "使用寿命",
    "使用说明",
    "使用情况",
    "使用方法",
    // 出现 after 的 is a noun (新职业的出现), no 有.
    "的出现",
    "特别提醒",
    "家庭医生",
    "临时搭建",
    "体验区",
    "爱宠",
    "职工基本养老保险",
    "市民中心",
    "火车北站",
    "火车东站",
    "火车南站",
    "火车西站",
    // 让 "let" is no 使 "make": 别使它…, 使我们共同…
    "让我们",
    "别让",
    "不要让",
    "不让",
    "先让",
    "急着让",
    "让它在",
    // The set opening of a notice (现将…通知如下), not a 把 of speech; and
    // 将比分 (扳平, 反超), where 将 is 把 though the frequency list calls 比分 an
    // adverb.
    "现将",
    "现就",
    "将比分",
    "将原有",
    // Set wording of weather reports and match reports.
    "共同影响",
    "取得领先",
    "取得联系",
    // 均 "on average" is no 都: 亩均收入.
    "亩均",
    "户均",
    "人均",
    // 都 of a whole life is no 均; 还 "still" is no 也; 要 "will be" is no 需.
    "一生都",
    "还剩",
    "还需要进一步",
    "要受到",
    // 可以了 "that will do" and 要能 "must be able to" are no 能够了, 需可以;
    // 占到 "makes up" is no 占至.
    "可以了",
    "要能",
    "占到",
    // Terms of a trade: day care for the old, monitoring by sensors.
    "日间照料",
    "在线监测",
    "空气能",
    "共享单车",
    "送达时间",
    "疲劳驾驶",
    "中心城区",
    // 说明 read as instructions (看说明就能…) is no 表明; nor is a place
    // for vaccination an 注射点.
    "看说明",
    "按说明",
    "按照说明",
    "接种点",
    "接种门诊",
    // Set wording of forecasts, tickets, receipts and insurance: 可达,
    // 实名购买, 自购买之日起, 居民医保; 持续到 "lasts until" is no 一直到.
    "可达",
    "实名购买",
    "购买之日",
    "居民医保",
    "持续到",
    // 还 "still" is no 也 "also": 了解还停留在, 还缺少标准.
    "还停留",
    "还缺少",
    "还缺乏",
};

// 据 opens an attribution that one of these verbs closes (据组委会介绍，):
// there 介绍 > 表示 gives 据…表示, and 了解 > 悉 gives 据记者悉. Right after
// 据 they make a word of their own (据了解 as 据悉 reads right).
constexpr std::array<std::string_view, 2> kAttributionVerbs = {"介绍", "了解"};
constexpr std::string_view kAttributionOpener = "据";
// How far the source named between them may run, in bytes (ten characters).
constexpr size_t kMaxSourceBytes = 30;

// What ends a clause, so that an attribution never spans one.
bool EndsClause(std::string_view rest) {
  static constexpr std::array<std::string_view, 8> kMarks = {"，", "。", "；", "：",
                                                             "！", "？", ",",  "."};
  return std::any_of(kMarks.begin(), kMarks.end(),
                     [&](std::string_view m) { return rest.starts_with(m); });
}

// The verbs that close an attribution opened by 据 with a source between.
std::vector<ByteSpan> FindAttributionVerbs(std::string_view text) {
  std::vector<ByteSpan> found;
  for (size_t at = text.find(kAttributionOpener); at != std::string_view::npos;
       at = text.find(kAttributionOpener, at + 1)) {
    const size_t source = at + kAttributionOpener.size();
    for (size_t i = source; i < text.size() && i <= source + kMaxSourceBytes; ++i) {
      const std::string_view rest = text.substr(i);
      if (EndsClause(rest)) break;
      const auto verb = std::find_if(kAttributionVerbs.begin(), kAttributionVerbs.end(),
                                     [&](std::string_view v) { return rest.starts_with(v); });
      if (verb == kAttributionVerbs.end()) continue;
      if (i > source) found.emplace_back(i, i + verb->size());
      break;
    }
  }
  return found;
}

// A short quotation without a clause mark inside names something (the
// campaign “家电义务维修进社区”, the title “节约示范店”) and is kept as it
// stands; a longer one, or one holding a clause, is speech and is reworded.
constexpr size_t kMaxQuotedNameChars = 12;

std::vector<ByteSpan> FindQuotedNames(std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kQuotes = {
      {{"“", "”"}, {"「", "」"}}};
  std::vector<ByteSpan> found;
  for (const auto& [open, close] : kQuotes) {
    for (size_t at = text.find(open); at != std::string_view::npos; at = text.find(open, at + 1)) {
      const size_t begin = at + open.size();
      const size_t end = text.find(close, begin);
      if (end == std::string_view::npos) break;
      const std::string_view inside = text.substr(begin, end - begin);
      bool clause = false;
      for (size_t i = 0; i < inside.size() && !clause; ++i) clause = EndsClause(inside.substr(i));
      if (!clause && end > begin && CharCount(inside) <= kMaxQuotedNameChars)
        found.emplace_back(begin, end);
    }
  }
  return found;
}

}  // namespace

std::vector<ByteSpan> FindSetPhrases(std::string_view text) {
  // A set phrase or a verb inside a quoted name, or a verb inside a set
  // phrase, joins the span around it.
  std::vector<ByteSpan> spans = FindTerms(text, kSetPhrases);
  for (const auto& more : {FindAttributionVerbs(text), FindQuotedNames(text)})
    spans.insert(spans.end(), more.begin(), more.end());
  return MergeSpans(std::move(spans));
}

}  // namespace lumora
