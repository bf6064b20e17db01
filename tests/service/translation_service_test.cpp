#include "service/translation_service.h"

#include <gtest/gtest.h>

#include "client_reading.h"
#include "translate/fixture_lexicon.h"

namespace lumora {
namespace {

using testing::ClientBody;
using testing::ClientSegments;

class TranslationServiceTest : public ::testing::Test {
 protected:
  // One leg as the client runs it: post, read the segments, join them plainly.
  std::string Leg(std::string_view type, std::string_view text) {
    const ServiceReply reply = service_.HandleForm(ClientBody(type, text));
    EXPECT_EQ(reply.status, 200) << reply.body;
    std::string joined;
    for (const auto& s : ClientSegments(reply.body)) joined += s;
    return joined;
  }

  TranslationService service_{testing::FixtureLexicon()};
};

TEST_F(TranslationServiceTest, TowardEnglishEachParagraphKeepsItsLineBreak) {
  const auto segments = service_.Translate(Direction::kToEnglish, "改善手机\r\n\r\n增长\r\n北京");
  EXPECT_EQ(segments, (std::vector<std::string>{"to improve cell phone\r\n", "\r\n",
                                                "to increase\r\n", "北京"}));
}

TEST_F(TranslationServiceTest, TowardChineseSegmentsCarryNoLineBreak) {
  const auto segments = service_.Translate(Direction::kToChinese, "to improve\r\n\r\nbank\r\n");
  EXPECT_EQ(segments, (std::vector<std::string>{"提高", "", "银行"}));
}

TEST_F(TranslationServiceTest, RoundTripKeepsEveryParagraph) {
  const std::string source = "改善手机。\r\n\r\n增长5%，iPhone 15。\r\n北京";
  const std::string english = Leg("ZH_CN2EN", source);
  EXPECT_EQ(english, "to improve cell phone。\r\n\r\nto increase 5%，iPhone 15。\r\n北京");
  const auto reply = service_.HandleForm(ClientBody("EN2ZH_CN", english));
  EXPECT_EQ(ClientSegments(reply.body),
            (std::vector<std::string>{"提高手机。", "", "增加5%，iPhone 15。", "北京"}));
}

TEST_F(TranslationServiceTest, ALongTextKeepsEachParagraphInItsPlace) {
  // Long enough for its paragraphs to be shared out among threads.
  const std::vector<std::string> paragraphs = {"改善手机。", "", "增长5%，iPhone 15。", "北京",
                                               "研究生命和尚未结婚的"};
  std::string text;
  std::vector<std::string> english;
  std::vector<std::string> chinese;
  for (size_t i = 0; text.size() < 64 * 1024; ++i) {
    const std::string& p = paragraphs[i % paragraphs.size()];
    text += p + "\r\n";
    english.push_back(service_.Translate(Direction::kToEnglish, p + "\r\n").at(0));
    chinese.push_back(service_.Translate(Direction::kToChinese, english.back()).at(0));
  }
  EXPECT_EQ(service_.Translate(Direction::kToEnglish, text), english);
  std::string joined;
  for (const std::string& e : english) joined += e;
  EXPECT_EQ(service_.Translate(Direction::kToChinese, joined), chinese);
}

TEST_F(TranslationServiceTest, EmptyTextAnswersWithoutSegments) {
  const ServiceReply reply = service_.HandleForm(ClientBody("ZH_CN2EN", ""));
  EXPECT_EQ(reply.status, 200);
  EXPECT_EQ(reply.contentType, "text/xml; charset=UTF-8");
  EXPECT_EQ(reply.body.find("<tgt>"), std::string::npos);
}

TEST_F(TranslationServiceTest, BadFormGets400WithTheReason) {
  const ServiceReply reply = service_.HandleForm("&type=XX&i=a");
  EXPECT_EQ(reply.status, 400);
  EXPECT_EQ(reply.body, "Unknown type \"XX\"\n");
}

}  // namespace
}  // namespace lumora
