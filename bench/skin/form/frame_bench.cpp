// Timings of the skinned frame at the main window's size with the built-in
// skin: one full frame paint, and the work of one resize step (geometry,
// object layout and window region). Prints the median of many runs.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>
#include <vector>

#include "builtin_skin.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/form/frame_geometry.h"
#include "skin/form/frame_layout.h"
#include "skin/form/frame_region.h"
#include "skin/form/skin_form.h"
#include "support/timing.h"

using namespace lumora;
using lumora::bench::MedianMicroseconds;
using lumora::bench::Report;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget host;
  QWidget* client = new QWidget(&host);
  TskCompressedStoredSkin stored(&host);
  stored.CompressedStream().WriteString(BuiltinSkinBlock());
  TskSkinData data(&host);
  data.SetCompressedStoredSkin(&stored);
  TskSkinForm form(&host);
  form.SetClientWidget(client);
  form.SetSkinData(&data);
  form.SetClientSize(707, 640);
  const int w = host.width(), h = host.height();
  std::printf("main window %d x %d, client 707 x 640, %zu frame objects\n", w, h,
              form.Objects().size());

  QImage canvas(w, h, QImage::Format_RGB32);
  Report("frame paint (strips, objects, blit)", MedianMicroseconds(500, [&] {
           QPainter p(&canvas);
           form.PaintFrame(p);
         }));

  const TskFormInfo& info = data.FormInfo();
  const int pw = data.Picture().width(), ph = data.Picture().height();
  std::vector<TskLayoutItem> items;
  for (const auto& obj : form.Objects()) {
    TskLayoutItem it;
    it.kind = obj->LayoutKind();
    it.command = obj->Command();
    it.skinRect = obj->SkinRect;
    it.inOwnPicture = obj->InOwnPicture;
    items.push_back(it);
  }
  int step = 0;
  Report("resize step (geometry, layout, region)", MedianMicroseconds(500, [&] {
           // Alternate between two widths so nothing is cached by accident.
           const int width = w + (step++ % 2);
           const TskFrameGeometry g = ComputeFrameGeometry(info, pw, ph, width, h);
           LayoutSkinnedObjects(items, info, g);
           const TskFrameMask mask(data.MaskPicture(), info, g);
           const QRegion region = mask.Region();
           if (region.isEmpty()) std::puts("empty region");
         }));
  Report("resize step of the component (with mask and client)", MedianMicroseconds(200, [&] {
           host.resize(w + (step++ % 2), h);
           form.Relayout();
         }));
  return 0;
}
