#include "test_skin.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "skin/data/bmp_image.h"

namespace lumora::testing {

QImage TestPicture(int w, int h, int seed) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.setPixel(x, y, qRgb((x + seed * 40) % 256, (y * 3 + seed) % 256, (x ^ y) % 256));
  return img;
}

QImage TestMask(int w, int h) {
  QImage img(w, h, QImage::Format_Indexed8);
  img.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, (x > 2 && y > 2) ? 1u : 0u);
  return img;
}

TStringList TestDescription() {
  TStringList l;
  l.SetText(
      "; made by the tests\r\n"
      "[VERSION]\r\nver=3\r\nskinname=Test Skin\r\nskinauthor=Tester\r\n"
      "authoremail=t@example.org\r\nauthorurl=http://example.org/\r\nskincomments=for tests\r\n"
      "[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=\r\nmask=mask.bmp\r\n"
      "activepicturescount=2\r\n0=a0.bmp\r\n1=a1.bmp\r\n"
      "[FORMINFO]\r\nlefttoppoint=10,20\r\nrighttoppoint=40,20\r\nleftbottompoint=10,40\r\n"
      "rightbottompoint=40,40\r\nclientrect=5,25,45,35\r\nbuttonsrect=1,2,3,4\r\n"
      "[SKINOBJECTS]\r\ncount=2\r\n0=closebutton:stdbutton\r\n1=caption:caption\r\n"
      "[closebutton]\r\ncommand=cmclose\r\nskinrect=1,1,9,9\r\nactivepictureindex=0\r\n"
      "[caption]\r\ntextrect=2,2,30,12\r\nfontheight=13\r\n"
      "[SKINCONTROLS]\r\ncount=3\r\n0=button:button\r\n1=appmenu:appmenu\r\n"
      "2=groupbox:panel\r\n"
      "[button]\r\npictureindex=1\r\nskinrect=0,0,20,10\r\nfontcolor=255\r\n"
      "[groupbox]\r\npictureindex=1\r\ncaptionrect=2,1,56,16\r\nbuttonrect=1,1,2,2\r\n");
  return l;
}

std::string TempDir() {
  static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
  dirs.push_back(std::make_unique<QTemporaryDir>());
  return dirs.back()->path().toStdString() + "/";
}

TskSkinContainer TestContainer() {
  TskSkinContainer c;
  c.Picture = TestPicture(50, 45, 1);
  c.Mask = TestMask(50, 45);
  c.ActivePictures = {TestPicture(12, 9, 2), TestPicture(33, 21, 3)};
  c.Lines = TestDescription();
  return c;
}

std::string WriteTestSkinFiles(const std::string& dir) {
  TskSkinContainer c = TestContainer();
  SaveBitmapFile(dir + "main.bmp", c.Picture);
  SaveBitmapFile(dir + "mask.bmp", c.Mask);
  SaveBitmapFile(dir + "a0.bmp", c.ActivePictures[0]);
  SaveBitmapFile(dir + "a1.bmp", c.ActivePictures[1]);
  c.Lines.SaveToFile(dir + "skin.ini");
  return dir + "skin.ini";
}

}  // namespace lumora::testing
