// A full repaint of the main window with the built-in skin: the frame and
// every control drawn into one picture, and a synchronous repaint through
// the window's backing store. Medians on the offscreen platform; prints
// figures, never fails.
//
//   main_window_paint_bench [RUNS=200]
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cstdlib>

#include "app/main_window.h"
#include "skin/builtin/builtin_skin.h"
#include "support/timing.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
  lumora::TForm1 form("http://127.0.0.1:1/", lumora::BuiltinSkinBlock());
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  QImage target(form.size(), QImage::Format_ARGB32_Premultiplied);
  const double render = lumora::bench::MedianMicroseconds(runs, [&] {
    QPainter p(&target);
    form.render(&p);
  });
  const double repaint = lumora::bench::MedianMicroseconds(runs, [&] { form.repaint(); });
  std::printf("main window %dx%d, goal under 3 ms median\n", form.width(), form.height());
  lumora::bench::Report("full render of the window into a picture", render);
  lumora::bench::Report("full repaint through the backing store", repaint);
  return 0;
}
