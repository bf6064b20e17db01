#include "translate/set_phrases.h"

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
    // The set opening of a notice (现将…通知如下), not a 把 of speech.
    "现将",
    // 均 "on average" is no 都: 亩均收入.
    "亩均",
    "户均",
    "人均",
    // 还 "still" is no 也; 要 "will be" is no 需.
    "还剩",
    "还需要进一步",
    "要受到",
    // 可以了 "that will do" and 要能 "must be able to" are no 能够了, 需可以;
    // 占到 "makes up" is no 占至.
    "可以了",
    "要能",
    "占到",
};

}  // namespace

std::vector<ByteSpan> FindSetPhrases(std::string_view text) {
  return FindTerms(text, kSetPhrases);
}

}  // namespace lumora
