#pragma once
// A font as the skin and the stored settings describe it: a face name, a
// height in pixels (negative heights, the character height, count by their
// size), a style and a colour.

#include <QFont>
#include <string>

#include "base/geometry.h"
#include "skin/data/skin_types.h"
#include "skin/draw/colour.h"

namespace lumora {

struct TskFont {
  std::string Name = "Arial";
  int Height = 14;
  TFontStyles Style = 0;
  TColor Color = SystemColour(8);  // window text
  friend bool operator==(const TskFont&, const TskFont&) = default;
};

QFont ToQFont(const std::string& name, int height, TFontStyles style);
inline QFont ToQFont(const TskFont& f) {
  return ToQFont(f.Name, f.Height, f.Style);
}

}  // namespace lumora
