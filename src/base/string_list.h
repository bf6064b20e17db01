#pragma once
// An ordered list of strings with CR LF text loading and saving, and the
// name=value view used by header lines and skin description sections.

#include <string>
#include <string_view>
#include <vector>

#include "base/stream.h"

namespace lumora {

class TStringList {
 public:
  TStringList() = default;
  virtual ~TStringList() = default;
  TStringList(const TStringList&) = default;
  TStringList& operator=(const TStringList&) = default;

  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  const std::string& operator[](int i) const { return items_.at(static_cast<size_t>(i)); }
  std::string& operator[](int i) { return items_.at(static_cast<size_t>(i)); }
  const std::vector<std::string>& Items() const { return items_; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  int Add(std::string s);
  void Insert(int index, std::string s);
  void Delete(int index);
  void Clear() { items_.clear(); }
  void Assign(const TStringList& other) { items_ = other.items_; }

  // Look-ups compare ignoring ASCII case unless CaseSensitive is set.
  bool CaseSensitive() const { return case_sensitive_; }
  void SetCaseSensitive(bool on) { case_sensitive_ = on; }
  int IndexOf(std::string_view s) const;

  // Every line followed by CR LF.
  std::string Text() const;
  // Splits at CR LF, LF or CR; a final line break adds no empty line.
  void SetText(std::string_view text);

  // name=value lines: the name is the text before the first "=".
  std::string Names(int index) const;
  std::string ValueFromIndex(int index) const;
  int IndexOfName(std::string_view name) const;
  std::string Values(std::string_view name) const;
  // An empty value deletes the line; otherwise replaces it in place or appends.
  void SetValue(std::string_view name, std::string_view value);

  void LoadFromStream(TStream& stream);  // from the stream's position to its end
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path) const;

 private:
  bool Same(std::string_view a, std::string_view b) const;

  std::vector<std::string> items_;
  bool case_sensitive_ = false;
};

}  // namespace lumora
