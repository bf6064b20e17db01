#include "app/review_marks.h"

#include "base/utf8.h"
#include "translate/rewrite_score.h"
#include "translate/segmenter.h"

namespace lumora {

namespace {

std::vector<std::string_view> Words(const Lexicon* lexicon, std::string_view text) {
  std::vector<std::string_view> words;
  if (lexicon) {
    for (const Token& t : Segmenter(*lexicon).Segment(text)) words.push_back(t.text);
    return words;
  }
  for (size_t pos = 0; pos < text.size();) {
    char32_t ch;
    size_t len = 1;
    if (!DecodeUtf8Char(text, pos, ch, len)) len = 1;
    words.push_back(text.substr(pos, len));
    pos += len;
  }
  return words;
}

// Pieces of text, neighbouring words of the same kind joined.
std::vector<TextPiece> Mark(const Lexicon* lexicon, std::string_view text,
                            const std::vector<bool>& kept) {
  std::vector<TextPiece> pieces;
  size_t at = 0;
  for (std::string_view word : Words(lexicon, text)) {
    const size_t n = DecodeUtf8(word).size();
    bool changed = false;
    for (size_t i = at; i < at + n; ++i) changed = changed || i >= kept.size() || !kept[i];
    at += n;
    if (pieces.empty() || pieces.back().changed != changed) pieces.push_back({"", changed});
    pieces.back().text += word;
  }
  return pieces;
}

}  // namespace

std::vector<ReviewParagraph> MarkChanges(const Lexicon* lexicon, std::string_view source,
                                         std::string_view result) {
  const auto in = ArticleParagraphs(source, false);
  const auto out = ArticleParagraphs(result, true);
  std::vector<ReviewParagraph> paragraphs;
  for (size_t p = 0; p < in.size() || p < out.size(); ++p) {
    const std::u32string a = p < in.size() ? DecodeUtf8(in[p]) : std::u32string();
    const std::u32string b = p < out.size() ? DecodeUtf8(out[p]) : std::u32string();
    ReviewParagraph paragraph;
    if (p < in.size()) paragraph.source = Mark(lexicon, in[p], CommonChars(a, b));
    if (p < out.size()) paragraph.result = Mark(lexicon, out[p], CommonChars(b, a));
    paragraphs.push_back(std::move(paragraph));
  }
  return paragraphs;
}

}  // namespace lumora
