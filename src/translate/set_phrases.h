#pragma once
// Set phrases the rewrite keeps whole, as if the user had locked them: a
// word inside one reads wrong once exchanged (将于 as 会于, 一定要 as 一定需,
// 特别提醒 as 尤其提示), though the same word changes well elsewhere.

#include <string_view>
#include <vector>

#include "translate/protected_spans.h"

namespace lumora {

// Every occurrence of a set phrase in text, sorted, not overlapping; the
// verb that closes an attribution opened by 据 (据组委会介绍, 据记者了解),
// whose source leaves it no 表示 or 悉; and what a short quotation names
// (“节约示范店”), inside its quotation marks.
std::vector<ByteSpan> FindSetPhrases(std::string_view text);

}  // namespace lumora
