#include "translate/gloss_cleaner.h"

#include "base/text.h"

namespace lumora {

namespace {

// Senses that only point elsewhere or describe the word rather than translate it.
constexpr std::string_view kRefusedPrefixes[] = {
    "cl:",          "variant of",  "old variant",  "archaic variant",  "erhua variant",
    "also written", "see ",        "see also",     "used in",          "surname",
    "abbr.",        "abbr ",       "pr.",          "also pr",          "taiwan pr",
    "lit.",         "lit ",        "euphemism",    "japanese variant", "(old)",
    "classifier",   "grammatical", "interjection", "particle",         "onom.",
};

constexpr std::string_view kRefusedWords[] = {"sb", "sth", "sb's", "sth's", "etc", "e.g", "i.e"};

std::string DropBracketed(std::string_view s, bool& balanced) {
  std::string out;
  int depth = 0;
  balanced = true;
  for (char c : s) {
    if (c == '(' || c == '[') {
      ++depth;
    } else if (c == ')' || c == ']') {
      if (depth == 0)
        balanced = false;
      else
        --depth;
    } else if (depth == 0) {
      out += c;
    }
  }
  if (depth != 0) balanced = false;
  return out;
}

std::string CleanPiece(std::string_view piece) {
  std::string text = Trim(piece);
  const std::string lower = LowerCase(text);
  for (std::string_view prefix : kRefusedPrefixes) {
    if (lower.starts_with(prefix)) return {};
  }
  if (lower.starts_with("fig. ")) text = text.substr(5);
  bool balanced;
  text = DropBracketed(text, balanced);
  if (!balanced) return {};
  for (unsigned char c : text) {
    const bool allowed =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ' || c == '-' || c == '\'';
    if (!allowed && c != ',' && c != '.' && c != '!' && c != '?') return {};
  }
  // Trailing sentence punctuation is dropped; inside the gloss it is refused.
  while (!text.empty() && (text.back() == '.' || text.back() == ',' || text.back() == ' ' ||
                           text.back() == '!' || text.back() == '?')) {
    text.pop_back();
  }
  if (text.find_first_of(",.!?") != std::string::npos) return {};
  text = Trim(text);
  for (std::string_view article : {"a ", "an ", "the "}) {
    if (StartsText(article, text)) {
      text = Trim(std::string_view(text).substr(article.size()));
      break;
    }
  }
  std::string collapsed;
  for (char c : text) {
    if (c == ' ' && !collapsed.empty() && collapsed.back() == ' ') continue;
    collapsed += c;
  }
  if (collapsed.empty() || collapsed.front() == '-' || collapsed.front() == '\'') return {};
  int words = 1;
  for (char c : collapsed) words += c == ' ';
  if (words > kMaxGlossWords) return {};
  const std::string collapsedKey = PhraseKey(collapsed);
  if (collapsedKey == "to" || collapsedKey == "to be" || collapsedKey == "be") return {};
  size_t start = 0;
  while (start <= collapsedKey.size()) {
    size_t end = collapsedKey.find(' ', start);
    if (end == std::string::npos) end = collapsedKey.size();
    const std::string_view word = std::string_view(collapsedKey).substr(start, end - start);
    for (std::string_view refused : kRefusedWords) {
      if (word == refused) return {};
    }
    start = end + 1;
  }
  return collapsed;
}

}  // namespace

std::vector<CleanGloss> CleanSense(std::string_view raw) {
  std::vector<CleanGloss> out;
  size_t start = 0;
  while (start <= raw.size()) {
    size_t end = raw.find(';', start);
    if (end == std::string_view::npos) end = raw.size();
    const std::string_view piece = raw.substr(start, end - start);
    std::string gloss = CleanPiece(piece);
    if (!gloss.empty()) {
      bool seen = false;
      for (const auto& g : out) seen = seen || PhraseKey(g.text) == PhraseKey(gloss);
      const bool qualified = piece.find_first_of("([") != std::string_view::npos;
      if (!seen) out.push_back({std::move(gloss), qualified});
    }
    start = end + 1;
  }
  return out;
}

std::string PhraseKey(std::string_view text) {
  // Written in place: the translator makes keys of glosses all the time.
  std::string key(text.size(), '\0');
  size_t n = 0;
  for (const char c : text) {
    if (c == ' ' || c == '\t') {
      if (n > 0 && key[n - 1] != ' ') key[n++] = ' ';
      continue;
    }
    key[n++] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  while (n > 0 && key[n - 1] == ' ') --n;
  key.resize(n);
  return key;
}

}  // namespace lumora
