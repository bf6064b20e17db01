#include "app/sentence_cuts.h"

#include <algorithm>
#include <optional>

#include "translate/protected_spans.h"
#include "translate/utf8.h"

namespace lumora {

namespace {

bool IsSentenceEnd(char32_t ch) {
  return ch == U'。' || ch == U'！' || ch == U'？' || ch == U'!' || ch == U'?';
}

// Quotes and brackets that close a sentence belong to it.
bool IsCloser(char32_t ch) {
  return std::u32string_view(U"”’」』）】》〕〉»\"')]").find(ch) != std::u32string_view::npos;
}

bool IsClauseEnd(char32_t ch) {
  return ch == U'，' || ch == U'；' || ch == U',' || ch == U';';
}

// A character and its length in bytes; a malformed byte stands alone as a
// character no class holds.
struct Char {
  char32_t ch;
  size_t len;
};

constexpr char32_t kMalformed = 0xFFFF'FFFF;

class Cutter {
 public:
  Cutter(std::string_view text, const std::vector<std::string>& terms)
      : text_(text), spans_(FindProtected(text, terms)) {}

  std::vector<std::string_view> Cut(size_t max_bytes) {
    std::vector<std::string_view> pieces;
    for (size_t begin = 0; begin < text_.size();) {
      const size_t end = Next(begin, max_bytes);
      pieces.push_back(text_.substr(begin, end - begin));
      begin = end;
    }
    return pieces;
  }

 private:
  // The character starting at byte at; nothing past the end.
  Char At(size_t at) const {
    if (at >= text_.size()) return {0, 0};
    Char c{0, 0};
    if (!DecodeUtf8Char(text_, at, c.ch, c.len) || c.len == 0) c = {kMalformed, 1};
    return c;
  }

  // Where the character that ends just before byte at starts: a whole
  // sequence ending there, else the lone byte before it, as reading forward
  // from the start would have found.
  size_t Before(size_t at) const {
    for (size_t back = 2; back <= 4 && back <= at; ++back) {
      char32_t ch;
      size_t len = 0;
      if (DecodeUtf8Char(text_, at - back, ch, len) && len == back) return at - back;
    }
    return at - 1;
  }

  // Whether the boundary at byte at lies inside a number or a Latin word.
  bool InsideWord(size_t at) const {
    if (at == 0 || at >= text_.size()) return false;
    const size_t left_at = Before(at);
    const char32_t left = At(left_at).ch;
    const Char right = At(at);
    if (IsWordChar(left) && IsWordChar(right.ch)) return true;
    if (IsWordJoiner(left) && left_at > 0 && IsWordChar(At(Before(left_at)).ch) &&
        IsWordChar(right.ch))
      return true;
    return IsWordChar(left) && IsWordJoiner(right.ch) && IsWordChar(At(at + right.len).ch);
  }

  // Whether byte at lies strictly inside a protected span.
  bool InsideSpan(size_t at) const {
    auto span = std::upper_bound(spans_.begin(), spans_.end(), at,
                                 [](size_t a, const ByteSpan& s) { return a < s.second; });
    return span != spans_.end() && span->first < at;
  }

  bool MayCut(size_t at) const { return !InsideWord(at) && !InsideSpan(at); }

  // Past the characters of a class.
  template <typename Class>
  size_t Skip(size_t at, Class in_class) const {
    for (Char c; (c = At(at)).len && in_class(c.ch);) at += c.len;
    return at;
  }

  // Where the piece starting at byte begin ends.
  size_t Next(size_t begin, size_t max_bytes) const {
    if (text_.size() - begin <= max_bytes) return text_.size();
    const size_t limit = begin + max_bytes;
    std::optional<size_t> sentence, clause, any;
    size_t at = begin;
    for (Char c; (c = At(at)).len && at + c.len <= limit; at += c.len) {
      const size_t after = at + c.len;
      if (MayCut(after)) any = after;
      std::optional<size_t>* kind = IsSentenceEnd(c.ch) ? &sentence
                                    : IsClauseEnd(c.ch) ? &clause
                                                        : nullptr;
      if (!kind) continue;
      size_t end = kind == &sentence ? Skip(after, IsCloser) : after;
      end = Skip(end, IsSpaceChar);
      if (end < text_.size() && end <= limit && MayCut(end)) *kind = end;
    }
    if (sentence) return *sentence;
    if (clause) return *clause;
    if (any) return *any;
    // No cut within the limit: on to the first place the piece may end.
    at += At(at).len;
    while (at < text_.size() && !MayCut(at)) at += At(at).len;
    return std::min(at, text_.size());
  }

  std::string_view text_;
  std::vector<ByteSpan> spans_;
};

}  // namespace

std::vector<std::string_view> CutParagraph(std::string_view paragraph, size_t max_bytes,
                                           const std::vector<std::string>& locked_terms) {
  return Cutter(paragraph, locked_terms).Cut(std::max<size_t>(max_bytes, 1));
}

}  // namespace lumora
