#include "rewrite/article_pieces.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumora {
namespace {

struct CutCase {
  const char* what;
  std::string text;
  size_t max_bytes;
  std::vector<std::string> pieces;
};

TEST(CutAtParagraphs, CutsAfterLineBreaksWithinTheLimit) {
  const CutCase cases[] = {
      {"empty text: no pieces", "", 4, {}},
      {"short text: one piece", "ab\r\ncd", 100, {"ab\r\ncd"}},
      {"as many paragraphs as fit", "ab\r\ncd\r\nef\r\n", 8, {"ab\r\ncd\r\n", "ef\r\n"}},
      {"a limit falling inside CR LF keeps it whole", "abc\r\ndef", 4, {"abc\r\n", "def"}},
      {"a long paragraph goes alone",
       "a\r\nlong paragraph\r\nb",
       5,
       {"a\r\n", "long paragraph\r\n", "b"}},
      {"a long last paragraph without a break", "a\r\nbcdefgh", 4, {"a\r\n", "bcdefgh"}},
      {"LF and lone CR are breaks too", "ab\ncd\ref", 3, {"ab\n", "cd\r", "ef"}},
      {"empty paragraphs travel with the text", "a\r\n\r\n\r\nb", 5, {"a\r\n\r\n", "\r\nb"}},
      {"a zero limit puts each paragraph alone", "a\nb", 0, {"a\n", "b"}},
  };
  for (const CutCase& c : cases) {
    std::vector<std::string> got;
    for (std::string_view piece : CutAtParagraphs(c.text, c.max_bytes)) got.emplace_back(piece);
    EXPECT_EQ(got, c.pieces) << c.what;
  }
}

TEST(CutAtParagraphs, PiecesJoinToTheTextAndKeepTheLimit) {
  std::string text;
  for (int n = 0; n < 2000; ++n)
    text += std::string(static_cast<size_t>(n * 37 % 90), 'x') + (n % 3 ? "\r\n" : "\n");
  const auto pieces = CutAtParagraphs(text, 400);
  std::string joined;
  for (std::string_view piece : pieces) {
    EXPECT_LE(piece.size(), 400u);
    EXPECT_TRUE(piece.ends_with('\n') || piece.data() + piece.size() == text.data() + text.size());
    joined += piece;
  }
  EXPECT_EQ(joined, text);
  // Pieces are filled: no two neighbours would have fit into one.
  for (size_t i = 1; i < pieces.size(); ++i)
    EXPECT_GT(pieces[i - 1].size() + pieces[i].size(), 400u) << i;
}

}  // namespace
}  // namespace lumora
