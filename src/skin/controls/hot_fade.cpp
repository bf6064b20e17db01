#include "skin/controls/hot_fade.h"

#include <algorithm>

#include "skin/draw/effect_bmp.h"

namespace lumora {

TskHotFade::TskHotFade(std::function<void()> tick) {
  timer_.setInterval(kInterval);
  QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
}

void TskHotFade::Start() {
  if (!timer_.isActive()) timer_.start();
}

void TskHotFade::Jump(double progress) {
  progress_ = progress;
  timer_.stop();
}

void TskHotFade::Step(bool lit) {
  if (lit && progress_ < 1)
    progress_ = std::min(1.0, progress_ + kStep);
  else if (!lit && progress_ > 0)
    progress_ = std::max(0.0, progress_ - kStep);
  if ((lit && progress_ >= 1) || (!lit && progress_ <= 0)) Finish(lit);
}

QImage BlendLooks(TskMorphKind kind, const QImage& normal, const QImage& hot, double progress) {
  TskEffectBmp from(normal);
  from.Morph(kind, TskEffectBmp(hot), progress);
  return from.Image();
}

}  // namespace lumora
