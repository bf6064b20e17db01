#pragma once
// The text form of a stored window description: nested objects, each with
// its name, class and settings, children after their parent's settings.
//
//   object Form1: TForm1
//     Caption = 'Lumora'          string, '' for a quote inside
//     ClientWidth = 707           integer
//     Align = alTop               identifier (True and False are booleans)
//     BorderIcons = [biMinimize]  set of identifiers
//     CompressedStream = {Skin}   named data the program supplies
//     object Panel1: TskSkinPanel
//     end
//   end

#include <string>
#include <string_view>
#include <vector>

#include "base/exception.h"

namespace lumora {

// A description that cannot be read or built: the message names the line.
class EReadError : public Exception {
 public:
  using Exception::Exception;
};

enum class TValueKind { Integer, String, Identifier, Set, Data };

// One setting. The accessors raise EReadError naming the line and the
// setting when the value is of another kind.
struct TDescriptionProperty {
  std::string name;  // dotted for a part of a setting ("Font.Name")
  TValueKind kind = TValueKind::Integer;
  long long integer = 0;
  std::string text;  // string contents, identifier or data name
  std::vector<std::string> set;
  int line = 0;

  int Integer() const;
  const std::string& String() const;
  const std::string& Identifier() const;
  bool Boolean() const;
  const std::vector<std::string>& Set() const;
  const std::string& DataName() const;
  // "line 12: Width" for messages.
  std::string Where() const;
};

struct TDescriptionNode {
  std::string name;
  std::string class_name;
  int line = 0;
  std::vector<TDescriptionProperty> properties;
  std::vector<TDescriptionNode> children;
};

// Parses one top-level object; anything else raises EReadError.
TDescriptionNode ParseFormDescription(std::string_view text);

}  // namespace lumora
