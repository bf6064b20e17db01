#pragma once
// Splits a paragraph of Chinese text into tokens: runs of Han characters are
// cut into words along the most probable path through the lexicon's word
// graph (word probability = frequency / total, unknown characters stand
// alone); Latin words, numbers, blanks and other characters become tokens of
// their own. The tokens cover the input exactly, in order.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "translate/lexicon.h"

namespace lumora {

enum class TokenKind { kHan, kLatin, kNumber, kSpace, kOther };

struct Token {
  std::string_view text;  // a view into the segmented paragraph
  TokenKind kind;
  int32_t word = Lexicon::kNone;  // the lexicon word of a kHan token, if known
};

class Segmenter {
 public:
  // The lexicon must outlive the segmenter.
  explicit Segmenter(const Lexicon& lexicon) : lexicon_(lexicon) {}

  // Invalid UTF-8 bytes become kOther tokens of one byte each.
  std::vector<Token> Segment(std::string_view text) const;

  // The tokens Segment gives, handed to each in order a slice of about
  // sliceBytes at a time, so that a paragraph of many megabytes never holds
  // all its tokens at once. A slice ends only after a character that is a
  // token whatever stands around it (such as "，" or "。").
  void SegmentInSlices(std::string_view text, size_t sliceBytes,
                       const std::function<void(const Token&)>& each) const;

  // Whether the cut around tokens[i], a word of two characters or more, is
  // open to doubt: a single character beside it makes a common word with the
  // word's edge character, and the rest of the word is a word too ("应当场"
  // may be 应当/场 or 应/当场). Exchanging such a word may exchange the
  // wrong one.
  bool MayBeCutWrongly(const std::vector<Token>& tokens, size_t i) const;

  // The tokens with each compound of the frequency list that the dictionary
  // gives no sense (进一步提高, 服务质量) cut into the words it is made of,
  // when it is of four characters or more, of a content class (never a name)
  // and each part is a word of two characters or more with a sense. Whole, it
  // has no way to English and could never change; idioms of the dictionary
  // have a sense and stay whole.
  std::vector<Token> CutGlosslessCompounds(std::vector<Token> tokens) const;

 private:
  // wholeBarred: the run may not stay one word.
  void SegmentHan(std::string_view run, std::vector<Token>& out, bool wholeBarred = false) const;

  const Lexicon& lexicon_;
};

}  // namespace lumora
