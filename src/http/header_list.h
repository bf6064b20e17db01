#pragma once
// Raw header lines "Name: value" with continuation lines. Names compare
// ignoring case; setting a value replaces its line in place (or appends one)
// and folds a line longer than the fold length into continuation lines.

#include <string>
#include <string_view>
#include <vector>

#include "base/string_list.h"

namespace lumora {

class TNetHeaderList : public TStringList {
 public:
  static constexpr int kDefaultFoldLength = 78;

  explicit TNetHeaderList(int fold_length = kDefaultFoldLength) : fold_length_(fold_length) {}

  int FoldLength() const { return fold_length_; }
  void SetFoldLength(int length) { fold_length_ = length; }

  // Index of the first line named name (not a continuation line), or -1.
  int IndexOfHeader(std::string_view name) const;
  // The value of the first line named name with its continuation lines
  // joined by single spaces and trimmed; empty when absent.
  std::string Values(std::string_view name) const;
  // The values of every line named name, in order.
  std::vector<std::string> AllValues(std::string_view name) const;
  // Replaces the first line of that name (and its continuations) in place,
  // or appends; an empty value deletes the line and its continuations.
  void SetValue(std::string_view name, std::string_view value);
  // Appends a line without looking for an existing one.
  void AddValue(std::string_view name, std::string_view value);

  // The name part of line index (before the first ":"), trimmed.
  std::string NameOfLine(int index) const;

 private:
  std::vector<std::string> Fold(const std::string& line, size_t value_start) const;
  int ContinuationEnd(int index) const;  // one past the last continuation of line index
  std::string ValueAt(int index) const;

  int fold_length_;
};

}  // namespace lumora
