#pragma once
// Skin colours (0x00BBGGRR, or a system colour when the top byte is 0xFF) as
// Qt colours. System colours come from the application palette.

#include <QColor>

#include "base/geometry.h"

namespace lumora {

// System colour indices used by the drawing code.
enum TskSystemColour {
  scBtnFace = 15,
  scBtnShadow = 16,
  scGrayText = 17,
  scBtnText = 18,
  scBtnHighlight = 20,
};

constexpr TColor SystemColour(int index) {
  return 0xFF000000u | static_cast<TColor>(index & 0xFF);
}

QColor ToQColor(TColor colour);

}  // namespace lumora
