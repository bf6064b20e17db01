#pragma once
// The art of the built-in skin, drawn with QPainter. Every look is painted
// into the rectangle the skin description gives for it, so the layout is
// edited in assets/skin/skin.ini and the appearance here. The output depends
// only on the description (and the Qt raster engine): drawing twice gives
// the same pixels.

#include <QImage>
#include <string>
#include <vector>

#include "skin_layout.h"

namespace lumora {

struct SkinArtPicture {
  std::string FileName;
  int Picture = kMainPictureId;  // kMainPictureId, kMaskPictureId or an active index
  QImage Image;
};

// The main picture, the mask and the active pictures the description names,
// in that order. Raises lumora::Exception for a picture name the generator
// does not know, a section it needs that is missing or of another class, and
// a rectangle that does not lie inside its picture.
std::vector<SkinArtPicture> DrawSkinPictures(const SkinDescription& description);

// The program's icon, size x size pixels on a transparent ground: the
// application mark of the caption, drawn at that size.
QImage DrawAppIcon(int size);

// Writes the pictures as BMP files and the description as skin.ini into dir.
void WriteSkinArt(const TStringList& description, const std::string& dir);

// A C++ source defining BuiltinSkinBlock() (builtin_skin.h) over the bytes
// of block. The file is left untouched when it already holds that text.
void WriteEmbeddedSkinSource(std::string_view block, const std::string& path);

}  // namespace lumora
