#include "skin/controls/skin_font.h"

#include <algorithm>
#include <cstdlib>

namespace lumora {

QFont ToQFont(const std::string& name, int height, TFontStyles style) {
  QFont font(QString::fromStdString(name));
  font.setPixelSize(std::max(std::abs(height), 1));
  font.setBold((style & fsBold) != 0);
  font.setItalic((style & fsItalic) != 0);
  font.setUnderline((style & fsUnderline) != 0);
  font.setStrikeOut((style & fsStrikeOut) != 0);
  return font;
}

}  // namespace lumora
