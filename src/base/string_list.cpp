#include "base/string_list.h"

#include <stdexcept>

#include "base/text.h"

namespace lumora {

int TStringList::Add(std::string s) {
  items_.push_back(std::move(s));
  return Count() - 1;
}

void TStringList::Insert(int index, std::string s) {
  if (index < 0 || index > Count()) throw std::out_of_range("TStringList::Insert");
  items_.insert(items_.begin() + index, std::move(s));
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("TStringList::Delete");
  items_.erase(items_.begin() + index);
}

bool TStringList::Same(std::string_view a, std::string_view b) const {
  return case_sensitive_ ? a == b : SameText(a, b);
}

int TStringList::IndexOf(std::string_view s) const {
  for (int i = 0; i < Count(); ++i)
    if (Same(items_[static_cast<size_t>(i)], s)) return i;
  return -1;
}

std::string TStringList::Text() const {
  size_t total = 0;
  for (const auto& s : items_) total += s.size() + 2;
  std::string out;
  out.reserve(total);
  for (const auto& s : items_) {
    out += s;
    out += "\r\n";
  }
  return out;
}

void TStringList::SetText(std::string_view text) {
  items_.clear();
  size_t i = 0;
  while (i < text.size()) {
    size_t start = i;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
    items_.emplace_back(text.substr(start, i - start));
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
}

std::string TStringList::Names(int index) const {
  const std::string& s = (*this)[index];
  size_t eq = s.find('=');
  return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStringList::ValueFromIndex(int index) const {
  const std::string& s = (*this)[index];
  size_t eq = s.find('=');
  return eq == std::string::npos ? std::string() : s.substr(eq + 1);
}

int TStringList::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& s = items_[static_cast<size_t>(i)];
    size_t eq = s.find('=');
    if (eq != std::string::npos && Same(std::string_view(s).substr(0, eq), name)) return i;
  }
  return -1;
}

std::string TStringList::Values(std::string_view name) const {
  int i = IndexOfName(name);
  return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStringList::SetValue(std::string_view name, std::string_view value) {
  int i = IndexOfName(name);
  if (value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  std::string line = std::string(name) + "=" + std::string(value);
  if (i >= 0)
    items_[static_cast<size_t>(i)] = std::move(line);
  else
    Add(std::move(line));
}

void TStringList::LoadFromStream(TStream& stream) {
  int64_t n = stream.Size() - stream.Position();
  std::string bytes(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) stream.ReadBuffer(bytes.data(), n);
  SetText(bytes);
}

void TStringList::SaveToStream(TStream& stream) const {
  stream.WriteString(Text());
}

void TStringList::LoadFromFile(const std::string& path) {
  SetText(ReadFileBytes(path));
}

void TStringList::SaveToFile(const std::string& path) const {
  WriteFileBytes(path, Text());
}

}  // namespace lumora
