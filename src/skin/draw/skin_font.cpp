#include "skin/draw/skin_font.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>

namespace lumora {

namespace {

QString CacheKey(const QFont& font, int height) {
  return font.key() + QLatin1Char('|') + QString::number(height);
}

}  // namespace

int SkinFontPixelSize(const QFont& font, int height) {
  if (height <= 0) return std::max(-height, 1);
  // Painting asks for the same few fonts over and over; measuring is not free.
  static QHash<QString, int> sizes;
  const QString key = CacheKey(font, height);
  if (const auto it = sizes.constFind(key); it != sizes.constEnd()) return *it;
  QFont probe(font);
  int size = height;
  for (; size > 1; --size) {
    probe.setPixelSize(size);
    if (QFontMetrics(probe).height() <= height) break;
  }
  sizes.insert(key, size);
  return size;
}

QFont SkinFont(const std::string& name, int height, TFontStyles style) {
  QFont font(QString::fromStdString(name));
  font.setBold((style & fsBold) != 0);
  font.setItalic((style & fsItalic) != 0);
  font.setUnderline((style & fsUnderline) != 0);
  font.setStrikeOut((style & fsStrikeOut) != 0);
  font.setPixelSize(SkinFontPixelSize(font, height));
  return font;
}

}  // namespace lumora
