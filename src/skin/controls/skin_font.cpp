#include "skin/controls/skin_font.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace lumora {

namespace {

QFont MakeFont(const std::string& name, int height, TFontStyles style) {
  QFont font(QString::fromStdString(name));
  font.setBold((style & fsBold) != 0);
  font.setItalic((style & fsItalic) != 0);
  font.setUnderline((style & fsUnderline) != 0);
  font.setStrikeOut((style & fsStrikeOut) != 0);
  const int size = std::max(std::abs(height), 1);
  font.setPixelSize(size);
  if (height > 0) {
    // A positive height is the whole cell, ascent plus descent; the
    // character size is what is left after the font's leading.
    const int cell = QFontMetrics(font).height();
    if (cell > size)
      font.setPixelSize(std::max(1, static_cast<int>(std::lround(1.0 * size * size / cell))));
  }
  return font;
}

}  // namespace

QFont ToQFont(const std::string& name, int height, TFontStyles style) {
  // Controls ask for their fonts at every paint; measuring a font is not free.
  // The cache outlives the application object, so it is never destroyed.
  static auto* cache = new std::map<std::tuple<std::string, int, TFontStyles>, QFont>;
  const auto key = std::make_tuple(name, height, style);
  auto it = cache->find(key);
  if (it == cache->end()) it = cache->emplace(key, MakeFont(name, height, style)).first;
  return it->second;
}

}  // namespace lumora
