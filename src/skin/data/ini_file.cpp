#include "skin/data/ini_file.h"

#include "base/text.h"

namespace lumora {

void TskIniFile::Clear() {
  sections_.clear();
  index_.clear();
}

TskIniFile::Section& TskIniFile::AddSection(std::string name) {
  std::string upper = UpperCase(name);
  sections_.push_back(Section{std::move(name), {}, {}});
  index_.emplace(std::move(upper), sections_.size() - 1);
  return sections_.back();
}

void TskIniFile::AddLine(Section& s, Line line) {
  if (line.has_key) s.keys.emplace(UpperCase(line.key), s.lines.size());
  s.lines.push_back(std::move(line));
}

void TskIniFile::SetStrings(const TStringList& lines) {
  Clear();
  Section* current = nullptr;
  for (const std::string& raw : lines) {
    std::string text = Trim(raw);
    if (text.empty() || text[0] == ';') continue;
    if (text.front() == '[' && text.back() == ']' && text.size() >= 2) {
      current = &AddSection(Trim(std::string_view(text).substr(1, text.size() - 2)));
      continue;
    }
    if (current == nullptr) continue;
    Line line;
    size_t eq = text.find('=');
    if (eq != std::string::npos) {
      line.has_key = true;
      line.key = Trim(std::string_view(text).substr(0, eq));
      line.value = Trim(std::string_view(text).substr(eq + 1));
    }
    line.text = std::move(text);
    AddLine(*current, std::move(line));
  }
}

TStringList TskIniFile::GetStrings() const {
  TStringList out;
  for (const Section& s : sections_) {
    out.Add("[" + s.name + "]");
    for (const Line& l : s.lines) out.Add(l.text);
  }
  return out;
}

const TskIniFile::Section* TskIniFile::FindSection(std::string_view name) const {
  auto it = index_.find(UpperCase(name));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

bool TskIniFile::SectionExists(std::string_view section) const {
  return FindSection(section) != nullptr;
}

const std::string* TskIniFile::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return nullptr;
  auto it = s->keys.find(UpperCase(key));
  return it == s->keys.end() ? nullptr : &s->lines[it->second].value;
}

bool TskIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return Find(section, key) != nullptr;
}

std::string TskIniFile::ReadString(std::string_view section, std::string_view key,
                                   std::string_view fallback) const {
  const std::string* v = Find(section, key);
  return v ? *v : std::string(fallback);
}

int TskIniFile::LineCount(std::string_view section) const {
  const Section* s = FindSection(section);
  return s ? static_cast<int>(s->lines.size()) : 0;
}

std::vector<std::string> TskIniFile::SectionNames() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::string> TskIniFile::SectionKeys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const Line& l : s->lines)
      if (l.has_key) keys.push_back(l.key);
  return keys;
}

void TskIniFile::WriteString(std::string_view section, std::string_view key,
                             std::string_view value) {
  const Section* found = FindSection(section);
  Section& s = found ? sections_[static_cast<size_t>(found - sections_.data())]
                     : AddSection(std::string(section));
  Line line{std::string(key) + "=" + std::string(value), std::string(key), std::string(value),
            true};
  auto it = s.keys.find(UpperCase(key));
  if (it != s.keys.end()) {
    s.lines[it->second] = std::move(line);
  } else {
    AddLine(s, std::move(line));
  }
}

void TskIniFile::EraseSection(std::string_view section) {
  auto it = index_.find(UpperCase(section));
  if (it == index_.end()) return;
  sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
  Reindex();
}

void TskIniFile::Reindex() {
  index_.clear();
  for (size_t i = 0; i < sections_.size(); ++i) index_.emplace(UpperCase(sections_[i].name), i);
}

}  // namespace lumora
