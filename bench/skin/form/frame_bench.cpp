// Timings of the skinned frame at the main window's size with the built-in
// skin: one full frame paint, and the work of one resize step (geometry,
// object layout and window region). Prints the median of many runs.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "builtin_skin.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/form/frame_geometry.h"
#include "skin/form/frame_layout.h"
#include "skin/form/frame_region.h"
#include "skin/form/skin_form.h"

using namespace lumora;

namespace {

double MedianMicroseconds(int runs, const std::function<void()>& work) {
  work();  // warm up caches and allocations
  std::vector<double> times;
  times.reserve(runs);
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[runs / 2];
}

void Report(const char* what, double us) {
  std::printf("%-56s %9.1f us%s\n", what, us, us < 1000 ? "" : "   (over 1 ms)");
}

}  // namespace

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
