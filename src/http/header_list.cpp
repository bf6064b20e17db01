#include "http/header_list.h"

#include "base/text.h"

namespace lumora {

namespace {

bool IsContinuation(const std::string& line) {
  return !line.empty() && (line[0] == ' ' || line[0] == '\t');
}

bool IsBreak(char c) {
  return c == ' ' || c == '\t' || c == ',';
}

}  // namespace

std::string TNetHeaderList::NameOfLine(int index) const {
  const std::string& line = (*this)[index];
  size_t colon = line.find(':');
  return Trim(colon == std::string::npos ? std::string_view(line)
                                         : std::string_view(line).substr(0, colon));
}

int TNetHeaderList::IndexOfHeader(std::string_view name) const {
  for (int i = 0; i < Count(); ++i)
    if (!IsContinuation((*this)[i]) && (*this)[i].find(':') != std::string::npos &&
        SameText(NameOfLine(i), name))
      return i;
  return -1;
}

int TNetHeaderList::ContinuationEnd(int index) const {
  int end = index + 1;
  while (end < Count() && IsContinuation((*this)[end])) ++end;
  return end;
}

std::string TNetHeaderList::ValueAt(int index) const {
  const std::string& line = (*this)[index];
  std::string value = line.substr(line.find(':') + 1);
  for (int i = index + 1; i < ContinuationEnd(index); ++i) {
    value = Trim(value);
    value += ' ';
    value += Trim((*this)[i]);
  }
  return Trim(value);
}

std::string TNetHeaderList::Values(std::string_view name) const {
  int i = IndexOfHeader(name);
  return i < 0 ? std::string() : ValueAt(i);
}

std::vector<std::string> TNetHeaderList::AllValues(std::string_view name) const {
  std::vector<std::string> out;
  for (int i = 0; i < Count(); ++i)
    if (!IsContinuation((*this)[i]) && (*this)[i].find(':') != std::string::npos &&
        SameText(NameOfLine(i), name))
      out.push_back(ValueAt(i));
  return out;
}

std::vector<std::string> TNetHeaderList::Fold(const std::string& line, size_t value_start) const {
  std::vector<std::string> pieces;
  std::string rest = line;
  bool first = true;
  while (fold_length_ > 0 && static_cast<int>(rest.size()) > fold_length_) {
    // The break closest below the fold column, else the first one after it;
    // breaks inside double quotes do not count.
    size_t best = std::string::npos;
    bool quoted = false;
    // Never break before the value, nor at the blank a continuation starts with.
    for (size_t i = first ? value_start : 1; i < rest.size(); ++i) {
      char c = rest[i];
      if (c == '"') quoted = !quoted;
      if (quoted || !IsBreak(c) || i + 1 >= rest.size()) continue;
      if (static_cast<int>(i) < fold_length_ || best == std::string::npos) best = i;
      if (static_cast<int>(i) >= fold_length_) break;
    }
    if (best == std::string::npos) break;
    pieces.push_back(TrimRight(std::string_view(rest).substr(0, best + 1)));
    rest = " " + TrimLeft(std::string_view(rest).substr(best + 1));
    first = false;
  }
  pieces.push_back(rest);
  return pieces;
}

void TNetHeaderList::SetValue(std::string_view name, std::string_view value) {
  int i = IndexOfHeader(name);
  if (i >= 0) {
    int end = ContinuationEnd(i);
    for (int k = end - 1; k >= i; --k) Delete(k);
  }
  if (value.empty()) return;
  std::vector<std::string> lines =
      Fold(std::string(name) + ": " + std::string(value), name.size() + 2);
  int at = i >= 0 ? i : Count();
  for (auto& l : lines) Insert(at++, std::move(l));
}

void TNetHeaderList::AddValue(std::string_view name, std::string_view value) {
  for (auto& l : Fold(std::string(name) + ": " + std::string(value), name.size() + 2))
    Add(std::move(l));
}

}  // namespace lumora
