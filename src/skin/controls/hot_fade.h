#pragma once
// The cross-fade of a control between its normal and hot looks when skin
// effects are on: the hot look's share moves by 0.2 every 20 ms towards the
// side the control is on, and the look in between is a blend of the two.

#include <QImage>
#include <QTimer>
#include <functional>

#include "skin/data/skin_types.h"

namespace lumora {

class TskHotFade {
 public:
  static constexpr int kInterval = 20;  // ms per step
  static constexpr double kStep = 0.2;  // share per step

  // tick runs on each timer step; it calls Step or Finish and repaints.
  explicit TskHotFade(std::function<void()> tick);

  double Progress() const { return progress_; }
  // Between the two looks: the painted look is a blend.
  bool Blending() const { return progress_ > 0 && progress_ < 1; }
  bool Running() const { return timer_.isActive(); }

  // Starts stepping unless already under way.
  void Start();
  // Stops where it is.
  void Stop() { timer_.stop(); }
  // Jumps to progress (0 or 1) and stops.
  void Jump(double progress);
  // One step towards the hot end (lit) or the normal end; stops at the end.
  void Step(bool lit);
  // Ends at once at the side of lit.
  void Finish(bool lit) { Jump(lit ? 1 : 0); }

 private:
  double progress_ = 0;
  QTimer timer_;
};

// The look between normal and hot at progress, by the skin's morph kind.
QImage BlendLooks(TskMorphKind kind, const QImage& normal, const QImage& hot, double progress);

}  // namespace lumora
