#pragma once
// A control's own font (DefaultFont and the like): a face name, a height
// (positive: cell height, negative: character height, both in pixels; see
// skin/draw/skin_font.h), a style and a colour.

#include <QFont>
#include <string>

#include "base/geometry.h"
#include "skin/data/skin_types.h"
#include "skin/draw/colour.h"
#include "skin/draw/skin_font.h"

namespace lumora {

struct TskFont {
  std::string Name = "Arial";
  int Height = 14;
  TFontStyles Style = 0;
  TColor Color = SystemColour(8);  // window text
  friend bool operator==(const TskFont&, const TskFont&) = default;
};

inline QFont ToQFont(const TskFont& f) {
  return SkinFont(f.Name, f.Height, f.Style);
}

// The skin entry's font when there is one and it is to be used, else the
// control's own.
template <typename Entry>
QFont SkinOrOwnFont(const Entry* data, bool useSkinFont, const TskFont& own) {
  return data != nullptr && useSkinFont ? SkinFontOf(*data) : ToQFont(own);
}

}  // namespace lumora
