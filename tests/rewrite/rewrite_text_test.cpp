#include "rewrite/rewrite_text.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(PercentEncode, EscapesExactlyTheListedBytes) {
  struct Row {
    std::string in;
    std::string out;
  } rows[] = {
      {"", ""},                              // empty stays empty
      {"\xE4\xBD\xA0", "%E4%BD%A0"},         // U+4F60, three bytes
      {"a\r\nb", "a%0D%0Ab"},                // paragraph break
      {" #%*+<>", "%20%23%25%2A%2B%3C%3E"},  // the seven specials
      {"&=", "%26%3D"},                      // form separators stay inside the value
      {"?/:;~\x7F", "?/:;~\x7F"},            // copied unchanged
      {std::string("\0", 1), "%00"},         // control byte
      {"\xF0\x9F\x98\x80", "%F0%9F%98%80"},  // an emoji, four bytes
  };
  for (const auto& r : rows) EXPECT_EQ(PercentEncode(r.in), r.out) << r.in;
}

TEST(SplitByDelimiter, KeepsTheDelimiterTailAtThePieceStart) {
  TStringList none = SplitByDelimiter("", "<x>");
  EXPECT_EQ(none.Count(), 0);
  TStringList one = SplitByDelimiter("abc", "<x>");
  EXPECT_EQ(one.Items(), (std::vector<std::string>{"abc"}));
  TStringList three = SplitByDelimiter("h<x>A<x>B", "<x>");
  EXPECT_EQ(three.Items(), (std::vector<std::string>{"h", "x>A", "x>B"}));
  TStringList edge = SplitByDelimiter("<x>", "<x>");
  EXPECT_EQ(edge.Items(), (std::vector<std::string>{"", "x>"}));
}

TEST(TranslationBody, FieldsInOrderStartingWithAmpersand) {
  EXPECT_EQ(BuildTranslationBody(TranslationDirection::ToEnglish, ""),
            "&type=ZH_CN2EN&i=&doctype=xml&xmlVersion=1.4&keyfrom=fanyi.web&ue=UTF-8&flag=false");
  EXPECT_EQ(BuildTranslationBody(TranslationDirection::ToChinese, "a&b=c d"),
            "&type=EN2ZH_CN&i=a%26b%3Dc%20d&doctype=xml&xmlVersion=1.4&keyfrom=fanyi.web&ue=UTF-8"
            "&flag=false");
}

TEST(TranslationBody, StreamReadInAnyPiecesGivesTheSameBody) {
  const std::string text = "价格=100元&数量 5件\r\nok";
  const std::string whole = BuildTranslationBody(TranslationDirection::ToEnglish, text);
  EXPECT_EQ(whole.substr(0, 20), "&type=ZH_CN2EN&i=%E4");
  for (int64_t piece : {1, 2, 3, 7, 64}) {
    TTranslationBodyStream stream(TranslationDirection::ToEnglish, text);
    ASSERT_EQ(stream.Size(), static_cast<int64_t>(whole.size()));
    std::string read;
    char buffer[64];
    for (int64_t n; (n = stream.Read(buffer, piece)) > 0;) read.append(buffer, n);
    EXPECT_EQ(read, whole) << piece;
    // Rewound, it reads the same again, as a retried request needs.
    stream.SetPosition(0);
    read.assign(static_cast<size_t>(stream.Size()), '\0');
    EXPECT_EQ(stream.Read(read.data(), stream.Size()), stream.Size());
    EXPECT_EQ(read, whole) << piece;
  }
}

TEST(DecodeAnswer, AcceptsWellFormedTextAndRejectsBrokenSequencesWhole) {
  struct Row {
    std::string in;
    std::string out;
  } rows[] = {
      {"plain", "plain"},
      {"\xE4\xBD\xA0\xE5\xA5\xBD", "\xE4\xBD\xA0\xE5\xA5\xBD"},  // 你好
      {"\xC3\xA9", "\xC3\xA9"},                                  // two bytes
      {"x\xF0\x9F\x98\x80y", "x\xF0\x9F\x98\x80y"},              // four bytes
      {"ok\xE4\xBD", ""},                                        // ends inside a sequence
      {"\xE4\x41\xA0 rest", ""},                                 // bad trail byte
      {"\xC3", ""},                                              // lone lead at the end
      {"a\xED\xA0\x80"
       "b",
       "a?b"},                                           // a lone surrogate half
      {"\xED\xA0\xBD\xED\xB8\x80", "\xF0\x9F\x98\x80"},  // a pair of halves
  };
  for (const auto& r : rows) EXPECT_EQ(DecodeTranslationAnswer(r.in), r.out) << r.in;
}

TEST(ExtractSegments, WorkedExampleBothJoins) {
  const std::string answer = "<?xml?><r><tgt><![CDATA[A]]></tgt><x/><tgt><![CDATA[B]]></tgt></r>";
  EXPECT_EQ(ExtractSegments(answer, false), "AB");
  EXPECT_EQ(ExtractSegments(answer, true), "A<br />\r\nB<br />\r\n");
}

TEST(ExtractSegments, PieceWithoutEndMarkerGivesEmptySegment) {
  const std::string answer = "<tgt><![CDATA[open<tgt><![CDATA[B]]>";
  EXPECT_EQ(ExtractSegments(answer, false), "B");
  EXPECT_EQ(ExtractSegments(answer, true), "<br />\r\nB<br />\r\n");
}

TEST(ExtractSegments, DelimiterTailsInsideAPieceAreRemovedUntilNoneIsLeft) {
  // A tail in the middle of a segment goes.
  EXPECT_EQ(ExtractSegments("x<tgt><![CDATA[Atgt><![CDATA[B]]</tgt>", false), "AB");
  // Removing one tail joins the text around it into another, which goes too.
  EXPECT_EQ(ExtractSegments("<tgt><![CDATA[tgt><![CDtgt><![CDATA[ATA[Z]]", false), "Z");
}

TEST(ExtractSegments, LineBreaksOfEmptySegmentsFitBehindTheReading) {
  // The result is written over the answer itself; the most it can gain on the
  // reading is a line break per delimiter, with nothing between delimiters.
  std::string answer = "<tgt><![CDATA[<tgt><![CDATA[]]";
  for (int i = 0; i < 50; ++i) answer += "<tgt><![CDATA[]]<tgt><![CDATA[";
  std::string expected;
  for (int i = 0; i < 102; ++i) expected += "<br />\r\n";
  EXPECT_EQ(ExtractSegments(answer, true), expected);
  std::string in_place = answer + "x]]";
  ExtractSegmentsInPlace(in_place, true);
  EXPECT_EQ(in_place, expected.substr(0, expected.size() - 8) + "x<br />\r\n");
}

TEST(ExtractSegments, NoDelimiterGivesNothing) {
  EXPECT_EQ(ExtractSegments("<error/>", true), "");
  EXPECT_EQ(ExtractSegments("", true), "");
}

TEST(ExtractSegments, SingleSegmentWithLineBreak) {
  EXPECT_EQ(ExtractSegments("<tgt><![CDATA[X]]></tgt>", true), "X<br />\r\n");
}

}  // namespace
}  // namespace lumora
