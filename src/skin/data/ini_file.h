#pragma once
// The in-memory INI view of a skin description. Lines are trimmed; empty
// lines and ";" comments are skipped; "[name]" opens a section; a line with
// "=" is a key (trimmed text before the first "=") and its value (trimmed
// text after it); lines before the first section are ignored. Section and
// key names match without regard to ASCII case. When a section or a key
// occurs more than once, the first one answers.
//
// The same class is the writable INI of the data classes' write operations.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/string_list.h"

namespace lumora {

class TskIniFile {
 public:
  TskIniFile() = default;
  explicit TskIniFile(const TStringList& lines) { SetStrings(lines); }

  void SetStrings(const TStringList& lines);
  // Sections and their lines as text (comments and blank lines are gone).
  TStringList GetStrings() const;
  void Clear();

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  // The value of the key, or nothing when the section or key is missing.
  const std::string* Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Number of lines held for the section (0 when missing); every key is one.
  int LineCount(std::string_view section) const;
  std::vector<std::string> SectionNames() const;
  // The keys of the section in line order (duplicates included).
  std::vector<std::string> SectionKeys(std::string_view section) const;

  // Replaces the first line of the key or appends one; creates the section
  // at the end when it is missing.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Removes the first section of that name with all its lines.
  void EraseSection(std::string_view section);

 private:
  struct Line {
    std::string text;  // the trimmed line as read, or key=value as written
    std::string key;
    std::string value;
    bool has_key = false;
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
    std::unordered_map<std::string, size_t> keys;  // upper-case key -> first line
  };

  const Section* FindSection(std::string_view name) const;
  Section& AddSection(std::string name);
  static void AddLine(Section& s, Line line);
  void Reindex();

  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> index_;  // upper-case name -> first section
};

}  // namespace lumora
