#pragma once
// Skins for the control tests: one made in the test from a colour-coded
// picture and the control sections given as text, and the skin built into
// the program. Each holds its stored skin and the loaded skin data.

#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "support/pixel_grid.h"
#include "support/skin_entries.h"

namespace lumora::test {

struct LoadedSkin {
  TskCompressedStoredSkin stored;
  TskSkinData data;
};

// controls: the [SKINCONTROLS] section and the control sections (lines
// ended by "\n"); the picture is active picture 0, mask (optional) picture 1.
std::unique_ptr<LoadedSkin> MakeSkin(const QImage& picture, const std::string& controls,
                                     const QImage& mask = {});
std::unique_ptr<LoadedSkin> BuiltinSkin();

// What the widget paints, as a 32-bit image.
QImage Shot(QWidget& widget);
// The colour of a TColor as QRgb.
QRgb Rgb(TColor colour);
// The pixel at (x, y) of picture.
QRgb PictureAt(const QImage& picture, int x, int y);
// Pixels of image whose colour is exactly rgb.
int CountColour(const QImage& image, QRgb rgb, const QRect& within = {});
// The leftmost and rightmost columns holding rgb, or (-1, -1).
std::pair<int, int> ColumnsOf(const QImage& image, QRgb rgb);

}  // namespace lumora::test
