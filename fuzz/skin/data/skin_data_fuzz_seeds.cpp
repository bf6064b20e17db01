// Writes the seed corpus of skin_data_fuzz into a folder: a small skin made
// here (pictures of each depth, a description naming every registry type)
// in each of the input modes.

#include <QImage>
#include <cstdio>
#include <string>

#include "base/stream.h"
#include "fuzz_input.h"
#include "skin/data/skin_container.h"
#include "skin/data/skin_registry.h"
#include "skin/data/stored_skin.h"

using namespace lumora;

namespace {

QImage Indexed(int w, int h, int colors) {
  QImage img(w, h, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < colors; ++i) table.push_back(qRgb(i * 16 % 256, 255 - i, i));
  img.setColorTable(table);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, static_cast<uint>((x + y) % colors));
  return img;
}

QImage Rgb(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x * 20, y * 20, 128));
  return img;
}

std::string Description() {
  std::string d =
      "[VERSION]\r\nskinname=seed\r\n[PICTURES]\r\npicture=m.bmp\r\nmask=k.bmp\r\n"
      "activepicturescount=3\r\n0=a.bmp\r\n1=b.bmp\r\n2=c.bmp\r\n"
      "[FORMINFO]\r\nlefttoppoint=2,3\r\nrighttoppoint=6,3\r\nleftbottompoint=2,6\r\n"
      "rightbottompoint=6,6\r\nclientrect=1,1,7,7\r\ninactiveeffect=ienoise\r\n"
      "[POPUPWINDOW]\r\nitemsrect=1,1,5,5\r\n[HINTWINDOW]\r\nfontstyle=fsbold,fsitalic\r\n"
      "[SKINCOLORS]\r\ncbtnface=$FF00000F\r\n";
  const auto& objects = SkinObjectTypes();
  d += "[SKINOBJECTS]\r\ncount=" + std::to_string(objects.size()) + "\r\n";
  for (size_t i = 0; i < objects.size(); ++i)
    d += std::to_string(i) + "=o" + std::to_string(i) + ":" + objects[i] + "\r\n";
  const auto& controls = SkinControlTypes();
  d += "[SKINCONTROLS]\r\ncount=" + std::to_string(controls.size() + 1) + "\r\n";
  for (size_t i = 0; i < controls.size(); ++i)
    d += std::to_string(i) + "=c" + std::to_string(i) + ":" + controls[i] + "\r\n";
  d += std::to_string(controls.size()) + "=x:unknown\r\n";
  for (size_t i = 0; i < objects.size(); ++i)
    d += "[o" + std::to_string(i) +
         "]\r\nskinrect=1,1,4,4\r\ncommand=cmclose\r\nmorphkind=mkpush\r\nfontstyle=fsbold\r\n";
  for (size_t i = 0; i < controls.size(); ++i)
    d += "[c" + std::to_string(i) +
         "]\r\npictureindex=0\r\nskinrect=0,0,8,8\r\nlefttoppoint=2,2\r\nstretchtype=stvert\r\n"
         "alignment=taleftjustify\r\nfontcolor=255\r\n";
  return d;
}

void Put(const std::string& dir, const char* name, fuzz::Mode mode, const std::string& payload) {
  std::string bytes(1, static_cast<char>(mode));
  bytes += payload;
  WriteFileBytes(dir + "/" + name, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  TskSkinContainer c;
  c.Picture = Rgb(8, 8);
  c.Mask = Indexed(8, 8, 2);
  c.ActivePictures = {Indexed(5, 3, 16), Indexed(4, 4, 256), Rgb(3, 2)};
  c.Lines.SetText(Description());

  TMemoryStream container;
  WriteSkinContainer(container, c);
  TskCompressedStoredSkin stored;
  stored.CompressContainer(c);
  TMemoryStream file;
  stored.WriteCompressedSkinStream(file);

  Put(dir, "block", fuzz::kCompressedBlock, std::string(stored.CompressedStream().Data()));
  Put(dir, "container", fuzz::kContainer, std::string(container.Data()));
  Put(dir, "description", fuzz::kDescription, Description());
  Put(dir, "skinfile", fuzz::kSkinFile, std::string(file.Data()));
  return 0;
}
