#pragma once
// TskResourceStrData: the interface texts a skin data component can be
// linked to, as KEY=text lines; created holding the default table.

#include <string>
#include <string_view>

#include "base/string_list.h"
#include "platform/component.h"

namespace lumora {

class TskResourceStrData : public TComponent {
 public:
  explicit TskResourceStrData(QObject* owner = nullptr);

  const TStringList& ResStrings() const { return res_strings_; }
  void SetResStrings(const TStringList& lines) { res_strings_.Assign(lines); }
  // Font character set for the texts.
  int CharSet() const { return char_set_; }
  void SetCharSet(int v) { char_set_ = v; }

  // The text after "=" on the first line whose key matches ignoring case;
  // empty for an unknown key.
  std::string GetResString(std::string_view key) const;

  // The 130 default lines, in order.
  static const TStringList& DefaultStrings();

 private:
  TStringList res_strings_;
  int char_set_ = 1;
};

}  // namespace lumora
