#pragma once
// Fonts as the skin and the stored settings give them: a face name, a height
// and a style. A positive height is the cell height in pixels (ascent plus
// descent, as the platform's text metrics report it); a negative height is
// the character height in pixels (the em size).

#include <QFont>
#include <string>

#include "skin/data/skin_types.h"

namespace lumora {

QFont SkinFont(const std::string& name, int height, TFontStyles style);

// The font of a skin entry (a control, a menu item, the caption, the hint
// window), which all name their font fields alike.
template <typename Entry>
QFont SkinFontOf(const Entry& e) {
  return SkinFont(e.FontName, e.FontHeight, e.FontStyle);
}

// The pixel size (em) that gives font the height: -height for a negative
// height; for a positive one the largest size whose ascent plus descent is
// at most height (at least 1).
int SkinFontPixelSize(const QFont& font, int height);

}  // namespace lumora
