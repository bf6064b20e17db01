#pragma once
// Lists of nouns whose items may trade places in a rewrite (教师、学生和家长
// as 学生、教师和家长): a reworded sentence that says the same. Only items
// of nouns alike in shape qualify, standing where the swap cannot move a modifier
// onto the other item (优秀教师和学生, 三名教师和学生) nor break a name
// (发展和改革委员会), and not where their order carries meaning (分别,
// 相比) or inside a title (《…》).

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "translate/lexicon.h"
#include "translate/segmenter.h"

namespace lumora {

// The tokens [begin, end) of one list item.
struct ItemSpan {
  size_t begin = 0, end = 0;
  bool operator==(const ItemSpan&) const = default;
};

// Neighbouring list items, alike in shape, that may trade places: the first
// and second item of each list, the third and fourth, and so on. movable[i]
// says whether tokens[i] may move at all (not locked, not in a set phrase,
// not cut in doubt).
std::vector<std::pair<ItemSpan, ItemSpan>> ExchangeableItems(const Lexicon& lex,
                                                             std::span<const Token> tokens,
                                                             std::span<const uint8_t> movable);

}  // namespace lumora
