// Where an oversized paragraph is cut: the preferred places in their order,
// and the runs that must reach the service whole.
#include "app/sentence_cuts.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace lumora {
namespace {

struct CutCase {
  const char* what;
  std::string text;
  size_t max_bytes;
  std::vector<std::string> expected;
  std::vector<std::string> terms = {};
};

std::vector<std::string> Cut(const CutCase& c) {
  std::vector<std::string> pieces;
  for (std::string_view piece : CutParagraph(c.text, c.max_bytes, c.terms))
    pieces.emplace_back(piece);
  return pieces;
}

TEST(SentenceCuts, EachPlaceInItsOrderAndNothingCutThatMustStayWhole) {
  const CutCase cases[] = {
      {"the last sentence end that fits",
       "今天下雨。明天晴天。后天多云。",
       32,
       {"今天下雨。明天晴天。", "后天多云。"}},
      {"a sentence end before a later comma",
       "甲乙。丙丁，戊己，庚辛",
       25,
       {"甲乙。", "丙丁，戊己，庚辛"}},
      {"closing quotes and brackets stay with their sentence",
       "他说：“好！”（完）然后走了。",
       27,
       {"他说：“好！”", "（完）然后走了。"}},
      {"Latin sentence ends, blanks after them stay before the cut",
       "Good. Fine! Yes? OK.",
       8,
       {"Good. ", "Fine! ", "Yes? OK."}},
      {"a comma or semicolon when no sentence ends",
       "第一，第二；第三，第四",
       20,
       {"第一，第二；", "第三，第四"}},
      {"a character boundary when neither is there",
       "一二三四五六七",
       7,
       {"一二", "三四", "五六", "七"}},
      {"a character longer than a piece still goes whole", "一二", 1, {"一", "二"}},
      {"not inside a number", "价格是1234567890元", 12, {"价格是", "1234567890", "元"}},
      {"not inside a number's point or thousands comma",
       "约3.14和1,000.50元",
       9,
       {"约3.14", "和", "1,000.50", "元"}},
      {"not inside a Latin word", "我们用Microsoft软件", 16, {"我们用", "Microsoft软件"}},
      {"not inside a word with an apostrophe or hyphen",
       "ab don't e-mail",
       5,
       {"ab ", "don't", " ", "e-mail"}},
      {"not inside a URL, even at its ! ? , ;",
       "看http://ex.com/a,b;c/d!e?f=1页",
       10,
       {"看", "http://ex.com/a,b;c/d!e?f=1", "页"}},
      {"not inside an HTML tag",
       "字<a href=\"x.html\">链</a>。尾",
       12,
       {"字", "<a href=\"x.html\">", "链</a>。", "尾"}},
      {"not inside an e-mail address", "信me.you@ex.com，", 8, {"信", "me.you@ex.com", "，"}},
      {"not inside a locked term",
       "我们的人工智能技术",
       12,
       {"我们的", "人工智能", "技术"},
       {"人工智能"}},
      {"a paragraph that fits is one piece", "短句。", 100, {"短句。"}},
      {"pieces of any size", "短句。短句。", SIZE_MAX, {"短句。短句。"}},
      {"an empty paragraph has no pieces", "", 10, {}},
  };
  for (const CutCase& c : cases) EXPECT_EQ(Cut(c), c.expected) << c.what;
}

TEST(SentenceCuts, MalformedBytesAreCharactersOfTheirOwn) {
  const std::string text = "\xE4\xB8\xAD\xFF\xFE\xE4\xB8\x80\xE4";
  const std::vector<std::string> expected = {"\xE4\xB8\xAD", "\xFF", "\xFE", "\xE4\xB8\x80",
                                             "\xE4"};
  EXPECT_EQ(Cut({"", text, 1, {}}), expected);
}

// A long mixed paragraph at many piece sizes: the pieces join to the text,
// keep to the size where a cut was possible, and never split a character or
// a protected run.
TEST(SentenceCuts, AnyPieceSizeJoinsBackAndCutsOnlyAtCharacterBoundaries) {
  std::string text;
  for (int n = 0; n < 40; ++n)
    text += "第" + std::to_string(n * 1234567) +
            "次，我们访问https://ex.com/p?q=1,2 和 <b>Lumora</b> 工具。\u3000Well done! ";
  const std::vector<std::string> whole = {"https://ex.com/p?q=1,2", "<b>", "</b>", "Lumora"};
  for (size_t max = 1; max < 200; max += 7) {
    const std::vector<std::string_view> pieces = CutParagraph(text, max, {});
    std::string joined;
    for (std::string_view piece : pieces) {
      ASSERT_FALSE(piece.empty()) << max;
      const auto lead = static_cast<unsigned char>(piece.front());
      EXPECT_NE(lead & 0xC0, 0x80) << "a piece starts inside a character at " << max;
      joined += piece;
    }
    ASSERT_EQ(joined, text) << max;
    for (const std::string& run : whole) {
      for (size_t at = text.find(run); at != std::string::npos; at = text.find(run, at + 1)) {
        size_t offset = 0;
        for (std::string_view piece : pieces) {
          EXPECT_FALSE(offset > at && offset < at + run.size())
              << run << " cut at " << offset << " with pieces of " << max;
          offset += piece.size();
        }
      }
    }
    if (max >= 40) {
      for (std::string_view piece : pieces) EXPECT_LE(piece.size(), max);
    }
  }
}

}  // namespace
}  // namespace lumora
