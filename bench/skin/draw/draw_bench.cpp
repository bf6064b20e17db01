// Timings of the skin drawing work done per resize or animation step: a
// nine-part frame image, a window region from a mask, one morph frame.
// Prints the median of many runs for each.

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <random>
#include <vector>

#include "skin/draw/effect_bmp.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/nine_part.h"
#include "support/timing.h"

using namespace lumora;
using lumora::bench::MedianMicroseconds;
using lumora::bench::Report;

namespace {

QImage NoisePicture(int w, int h, QImage::Format format) {
  QImage image(w, h, QImage::Format_RGB32);
  std::mt19937 random(7);
  for (int y = 0; y < h; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) row[x] = 0xFF000000u | (random() & 0xFFFFFF);
  }
  return image.convertToFormat(format);
}

// A frame look: 200 x 150 with a 30-pixel caption band and 8-pixel borders.
TskNinePartSource FrameSource() {
  TskNinePartSource s;
  s.skinRect = {0, 0, 200, 150};
  s.client = {8, 30, 192, 142};
  s.lt = {40, 40};
  s.rt = {160, 40};
  s.lb = {40, 120};
  s.rb = {160, 120};
  return s;
}

// Black inside, white rounded-off corners, as a window mask.
QImage FrameMask(int w, int h) {
  QImage mask(w, h, QImage::Format_RGB32);
  mask.fill(0xFF000000u);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6 - y; ++x) {
      mask.setPixel(x, y, 0xFFFFFFFFu);
      mask.setPixel(w - 1 - x, y, 0xFFFFFFFFu);
      mask.setPixel(x, h - 1 - y, 0xFFFFFFFFu);
      mask.setPixel(w - 1 - x, h - 1 - y, 0xFFFFFFFFu);
    }
  }
  return mask;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  constexpr int kRuns = 301;

  std::printf("median of %d runs\n", kRuns);
  const TskNinePartSource source = FrameSource();
  const TskNinePartTarget target = NinePartTargetForSize(source, 707, 640);
  for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_BGR888}) {
    const QImage picture = NoisePicture(200, 150, format);
    const char* name = format == QImage::Format_RGB32 ? "32-bit" : "24-bit";
    QImage out;
    char label[96];
    std::snprintf(label, sizeof label, "nine-part 707 x 640, tiled, %s", name);
    Report(label, MedianMicroseconds(kRuns, [&] {
             DrawNinePartImage(picture, source, target, TskNinePartStretch{}, true, out);
           }));
    std::snprintf(label, sizeof label, "nine-part 707 x 640, all stretched, %s", name);
    Report(label, MedianMicroseconds(kRuns, [&] {
             DrawNinePartImage(picture, source, target,
                               TskNinePartStretch{true, true, true, true, true, stFull}, true, out);
           }));
  }

  const QImage mask = FrameMask(707, 640);
  Report("region from a 707 x 640 frame mask", MedianMicroseconds(kRuns, [&] {
           volatile int n = RegionFromMaskBitmap(mask, 0, 0)->rectCount();
           (void)n;
         }));
  QImage stripes = mask.copy();
  for (int y = 0; y < stripes.height(); ++y) {
    for (int x = (y % 16); x < stripes.width(); x += 16) stripes.setPixel(x, y, 0xFFFFFFFFu);
  }
  Report("region from a 707 x 640 mask, 28k runs", MedianMicroseconds(kRuns, [&] {
           volatile int n = RegionFromMaskBitmap(stripes, 0, 0)->rectCount();
           (void)n;
         }));
  const QImage maskPicture = FrameMask(200, 150);
  Report("region from a nine-part mask, 707 x 640", MedianMicroseconds(kRuns, [&] {
           volatile bool ok = RegionFromNinePartMask(maskPicture, source, target).has_value();
           (void)ok;
         }));

  const TskEffectBmp from(NoisePicture(200, 50, QImage::Format_RGB32));
  const TskEffectBmp to(NoisePicture(200, 50, QImage::Format_RGB32));
  const char* kinds[] = {"blend",      "centre gradient", "left gradient", "right gradient",
                         "left slide", "right slide",     "push"};
  for (int kind = mkDefault; kind <= mkPush; ++kind) {
    char label[96];
    std::snprintf(label, sizeof label, "morph frame 200 x 50, %s", kinds[kind]);
    Report(label, MedianMicroseconds(kRuns, [&] {
             TskEffectBmp frame = from;
             frame.Morph(static_cast<TskMorphKind>(kind), to, 0.37);
           }));
  }
  const char* effects[] = {"brightness", "darkness", "grayscale", "noise", "split blur", "invert"};
  for (int effect = ieBrightness; effect <= ieInvert; ++effect) {
    char label[96];
    std::snprintf(label, sizeof label, "inactive effect 707 x 30 strip, %s", effects[effect]);
    const TskEffectBmp strip(NoisePicture(707, 30, QImage::Format_RGB32));
    Report(label, MedianMicroseconds(kRuns, [&] {
             TskEffectBmp b = strip;
             b.ApplyInactiveEffect(static_cast<TskInactiveEffect>(effect));
           }));
  }
  return 0;
}
