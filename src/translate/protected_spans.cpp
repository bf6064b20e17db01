#include "translate/protected_spans.h"

#include <algorithm>
#include <cstdlib>

#include "base/text.h"

namespace lumora {

namespace {

bool IsAlpha(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsAlnum(char c) {
  return IsAlpha(c) || (c >= '0' && c <= '9');
}
bool StartsWithNoCase(std::string_view s, size_t at, std::string_view prefix) {
  if (s.size() - at < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = s[at + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

// ASCII bytes a URL carries; anything else (a blank, a Chinese character or
// full-width punctuation) ends it.
bool IsUrlByte(char c) {
  return IsAlnum(c) ||
         std::string_view("-._~:/?#[]@!$&'()*+,;=%").find(c) != std::string_view::npos;
}

// Punctuation that ends a sentence rather than the URL.
size_t TrimUrlEnd(std::string_view s, size_t begin, size_t end) {
  while (end > begin && std::string_view(".,;:!?)'").find(s[end - 1]) != std::string_view::npos) {
    --end;
  }
  return end;
}

size_t TagEnd(std::string_view s, size_t at) {
  if (at + 1 >= s.size()) return 0;
  const char next = s[at + 1];
  if (!IsAlpha(next) && next != '/' && next != '!' && next != '?') return 0;
  for (size_t i = at + 1; i < s.size(); ++i) {
    if (s[i] == '>') return i + 1;
    if (s[i] == '<' || s[i] == '\r' || s[i] == '\n') return 0;
  }
  return 0;
}

size_t ReferenceEnd(std::string_view s, size_t at) {
  size_t i = at + 1;
  if (i < s.size() && s[i] == '#') ++i;
  const size_t first = i;
  while (i < s.size() && IsAlnum(s[i]) && i - first < 32) ++i;
  return i > first && i < s.size() && s[i] == ';' ? i + 1 : 0;
}

size_t UrlEnd(std::string_view s, size_t at) {
  size_t i = at;
  if (StartsWithNoCase(s, at, "http://")) {
    i += 7;
  } else if (StartsWithNoCase(s, at, "https://")) {
    i += 8;
  } else if (StartsWithNoCase(s, at, "ftp://")) {
    i += 6;
  } else if (StartsWithNoCase(s, at, "www.") && (at == 0 || !IsAlnum(s[at - 1]))) {
    i += 4;
  } else {
    return 0;
  }
  const size_t host = i;
  while (i < s.size() && IsUrlByte(s[i])) ++i;
  if (i == host) return 0;
  return TrimUrlEnd(s, at, i);
}

bool IsLocalPartByte(char c) {
  return IsAlnum(c) || std::string_view("._%+-").find(c) != std::string_view::npos;
}

// An address around the "@" at at: local part before, a dotted domain after.
ByteSpan MailSpan(std::string_view s, size_t at) {
  size_t begin = at;
  while (begin > 0 && IsLocalPartByte(s[begin - 1])) --begin;
  size_t end = at + 1;
  size_t lastDot = 0;
  while (end < s.size() && (IsAlnum(s[end]) || s[end] == '-' || s[end] == '.')) {
    if (s[end] == '.') lastDot = end;
    ++end;
  }
  end = TrimUrlEnd(s, at, end);
  if (begin == at || lastDot <= at + 1 || lastDot + 2 >= end || !IsAlpha(s[end - 1])) {
    return {0, 0};
  }
  return {begin, end};
}

}  // namespace

std::vector<ByteSpan> MergeSpans(std::vector<ByteSpan> spans) {
  std::sort(spans.begin(), spans.end());
  std::vector<ByteSpan> out;
  for (const ByteSpan& s : spans) {
    if (!out.empty() && s.first < out.back().second) {
      out.back().second = std::max(out.back().second, s.second);
    } else {
      out.push_back(s);
    }
  }
  return out;
}

std::vector<ByteSpan> FindMarkup(std::string_view s) {
  std::vector<ByteSpan> spans;
  for (size_t i = 0; i < s.size();) {
    size_t end = 0;
    if (s[i] == '<') end = TagEnd(s, i);
    if (s[i] == '&') end = ReferenceEnd(s, i);
    if (!end &&
        (s[i] == 'h' || s[i] == 'H' || s[i] == 'f' || s[i] == 'F' || s[i] == 'w' || s[i] == 'W')) {
      end = UrlEnd(s, i);
    }
    if (!end && s[i] == '@') {
      const ByteSpan mail = MailSpan(s, i);
      if (mail.second) {
        // The local part was passed over as plain text; the address takes it back.
        while (!spans.empty() && spans.back().second > mail.first) spans.pop_back();
        spans.push_back(mail);
        i = mail.second;
        continue;
      }
    }
    if (end) {
      spans.emplace_back(i, end);
      i = end;
    } else {
      ++i;
    }
  }
  return MergeSpans(std::move(spans));
}

std::vector<ByteSpan> FindTerms(std::string_view text, std::span<const std::string_view> terms) {
  std::vector<ByteSpan> spans;
  for (const std::string_view term : terms) {
    if (term.empty()) continue;
    for (size_t at = text.find(term); at != std::string_view::npos;
         at = text.find(term, at + term.size())) {
      spans.emplace_back(at, at + term.size());
    }
  }
  return MergeSpans(std::move(spans));
}

std::vector<ByteSpan> FindProtected(std::string_view text, const std::vector<std::string>& terms) {
  std::vector<ByteSpan> spans = FindMarkup(text);
  const std::vector<std::string_view> views(terms.begin(), terms.end());
  const std::vector<ByteSpan> found = FindTerms(text, views);
  spans.insert(spans.end(), found.begin(), found.end());
  return MergeSpans(std::move(spans));
}

std::vector<std::string> ParseLockedTerms(std::string_view fileText) {
  std::vector<std::string> terms;
  size_t pos = 0;
  while (pos <= fileText.size()) {
    size_t end = fileText.find('\n', pos);
    if (end == std::string_view::npos) end = fileText.size();
    std::string line = Trim(fileText.substr(pos, end - pos));
    if (pos == 0 && line.starts_with("\xEF\xBB\xBF")) line = Trim(line.substr(3));
    if (!line.empty() && line[0] != '#') terms.emplace_back(line);
    pos = end + 1;
  }
  std::sort(terms.begin(), terms.end());
  terms.erase(std::unique(terms.begin(), terms.end()), terms.end());
  return terms;
}

std::string DefaultLockedTermsPath() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg == '/') return std::string(xdg) + "/lumora/keep.txt";
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.config/lumora/keep.txt";
  return {};
}

}  // namespace lumora
