#pragma once
// A small lexicon written in the test, with just enough words to pin the
// segmenter, the gloss choice and the way back. Frequencies are chosen so
// that each case below has one right answer.

#include <memory>

#include "translate/lexicon.h"
#include "translate/lexicon_builder.h"

namespace lumora::testing {

inline void AddFixtureWords(LexiconBuilder& b) {
  // Segmentation: 研究/生命 against 研究生/命; 和/尚未 against 和尚/未.
  b.AddWord("研究", 1000, "vn");
  b.AddWord("研究生", 300, "n");
  b.AddWord("生命", 800, "n");
  b.AddWord("命", 100, "n");
  b.AddWord("生", 200, "v");
  b.AddWord("和尚", 200, "n");
  b.AddWord("和", 5000, "c");
  b.AddWord("尚未", 400, "d");
  b.AddWord("尚", 50, "d");
  b.AddWord("未", 300, "d");
  b.AddWord("结婚", 600, "v");
  b.AddWord("的", 10000, "uj");
  b.AddWord("我们", 3000, "r");
  b.AddWord("北京", 900, "ns");
  b.AddEntry("北京", "Bei3 jing1", {"Beijing, capital of the People's Republic of China"});
  b.AddEntry("研究", "yan2 jiu1", {"research", "a study", "CL:個|个[ge4]", "to research"});
  b.AddEntry("生命", "sheng1 ming4",
             {"life (as the characteristic of living beings)", "living being", "creature"});

  // Synonyms: 改善 leads to the more frequent 提高 through "to improve";
  // too rare to stand for 提高, it leaves that phrase to 提高.
  b.AddWord("提高", 800, "v");
  b.AddWord("改善", 250, "v");
  b.AddWord("提出", 900, "v");
  b.AddEntry("提高", "ti2 gao1", {"to raise", "to improve"});
  b.AddEntry("改善", "gai3 shan4", {"to make better", "to improve"});
  b.AddEntry("提出", "ti2 chu1", {"to raise (an issue)", "to put forward"});

  // 增长 and 增加 share one leading sense; 增长 is too rare to take it.
  b.AddWord("增长", 250, "v");
  b.AddWord("增加", 900, "v");
  b.AddEntry("增长", "zeng1 zhang3", {"to grow", "to increase"});
  b.AddEntry("增加", "zeng1 jia1", {"to increase", "to add"});

  // Homonyms: the river bank is no bank.
  b.AddWord("银行", 1000, "n");
  b.AddWord("河岸", 100, "n");
  b.AddEntry("银行", "yin2 hang2", {"bank", "CL:家[jia1],個|个[ge4]"});
  b.AddEntry("河岸", "he2 an4", {"bank (of a river)", "riverbank"});

  // A negation inside the synonym: 连续 must not turn into 不断.
  b.AddWord("不断", 900, "d");
  b.AddWord("连续", 300, "a");
  b.AddEntry("不断", "bu4 duan4", {"unceasing", "continuously"});
  b.AddEntry("连续", "lian2 xu4", {"continuously", "in a row"});

  // A gloss that is also a Latin word of the text.
  b.AddWord("苹果", 600, "n");
  b.AddWord("手机", 700, "n");
  b.AddEntry("苹果", "ping2 guo3", {"apple"});
  b.AddEntry("手机", "shou3 ji1", {"cell phone", "mobile phone"});

  // Two glosses that form a longer phrase together.
  b.AddWord("加强", 500, "v");
  b.AddWord("合作", 800, "vn");
  b.AddWord("协作", 200, "vn");
  b.AddWord("加强合作", 2, "l");
  b.AddEntry("加强", "jia1 qiang2", {"to strengthen"});
  b.AddEntry("合作", "he2 zuo4", {"to cooperate", "cooperation"});
  b.AddEntry("协作", "xie2 zuo4", {"cooperation", "to cooperate"});
  b.AddEntry("加强合作", "jia1 qiang2 he2 zuo4", {"to strengthen cooperation"});

  // "steady" is carried by five words: too vague alone, but enough between
  // two words that share a character.
  b.AddWord("稳定", 900, "a");
  b.AddWord("平稳", 250, "a");
  b.AddWord("沉着", 200, "a");
  b.AddWord("牢靠", 40, "a");
  b.AddWord("踏实", 30, "a");
  b.AddEntry("稳定", "wen3 ding4", {"steady", "stable"});
  b.AddEntry("平稳", "ping2 wen3", {"steady", "smooth"});
  b.AddEntry("沉着", "chen2 zhuo2", {"steady", "calm"});
  b.AddEntry("牢靠", "lao2 kao4", {"steady"});
  b.AddEntry("踏实", "ta1 shi5", {"steady"});

  // A proper name reading ranks after the common one.
  b.AddWord("张", 400, "q");
  b.AddEntry("张", "Zhang1", {"surname Zhang"});
  b.AddEntry("张", "zhang1", {"sheet", "to open up"});
}

inline std::shared_ptr<const Lexicon> FixtureLexicon() {
  LexiconBuilder b;
  AddFixtureWords(b);
  return Lexicon::FromBytes(b.Build());
}

}  // namespace lumora::testing
