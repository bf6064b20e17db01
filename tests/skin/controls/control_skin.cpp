#include "control_skin.h"

#include "base/string_list.h"
#include "skin/builtin/builtin_skin.h"
#include "skin/data/skin_container.h"
#include "skin/draw/colour.h"

namespace lumora::test {

std::unique_ptr<LoadedSkin> MakeSkin(const QImage& picture, const std::string& controls,
                                     const QImage& mask) {
  TskSkinContainer c;
  c.Picture = QImage(8, 8, QImage::Format_RGB32);
  c.Picture.fill(Qt::gray);
  c.ActivePictures = {picture};
  if (!mask.isNull()) c.ActivePictures.push_back(mask);
  std::string text =
      "[VERSION]\nver=3\nskinname=Control Test\n"
      "[PICTURES]\npicture=main.bmp\nactivepicturescount=" +
      std::to_string(c.ActivePictures.size()) +
      "\n0=controls.bmp\n1=mask.bmp\n"
      "[FORMINFO]\nlefttoppoint=2,2\nrighttoppoint=6,2\nleftbottompoint=2,6\n"
      "rightbottompoint=6,6\nclientrect=1,1,7,7\n"
      "[SKINCOLORS]\ncbtnface=13421772\ncbtntext=0\ncbtnhighlight=16777215\ncbtnshadow=8421504\n"
      "[SKINOBJECTS]\ncount=0\n" +
      controls;
  std::string crlf;
  for (char ch : text) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  c.Lines.SetText(crlf);
  auto skin = std::make_unique<LoadedSkin>();
  skin->stored.CompressContainer(c);
  skin->data.SetCompressedStoredSkin(&skin->stored);
  return skin;
}

std::unique_ptr<LoadedSkin> BuiltinSkin() {
  auto skin = std::make_unique<LoadedSkin>();
  skin->stored.CompressedStream().WriteString(BuiltinSkinBlock());
  skin->data.SetCompressedStoredSkin(&skin->stored);
  return skin;
}

QImage Shot(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb Rgb(TColor colour) {
  return ToQColor(colour).rgb();
}

QRgb PictureAt(const QImage& picture, int x, int y) {
  return picture.pixel(x, y);
}

int CountColour(const QImage& image, QRgb rgb, const QRect& within) {
  const QRect area = within.isNull() ? image.rect() : within.intersected(image.rect());
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF)) ++n;
  return n;
}

std::pair<int, int> ColumnsOf(const QImage& image, QRgb rgb) {
  int left = -1, right = -1;
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if ((image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF)) {
        if (left == -1) left = x;
        right = x;
        break;
      }
  return {left, right};
}

}  // namespace lumora::test
