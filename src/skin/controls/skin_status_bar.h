#pragma once
// TskSkinStatusBar: a borderless panel docked to the bottom of its form,
// with an optional size grip in its bottom-right corner that sizes the
// form. It hands its skin data component on to its skinned children.

#include "skin/controls/skin_panel.h"

namespace lumora {

// Hit-test codes of the platform.
constexpr int HTCLIENT = 1;
constexpr int HTBOTTOMRIGHT = 17;

class TskSkinStatusBar : public TskSkinPanel {
 public:
  explicit TskSkinStatusBar(QWidget* parent = nullptr);

  bool SizeGrip() const { return size_grip_; }
  void SetSizeGrip(bool on);
  // Cleared by the frame while the form is maximised.
  bool ShowGrip() const { return show_grip_; }
  void SetShowGrip(bool on);

  // Also links every skinned child to the component.
  void SetSkinData(TskSkinData* value) override;

  // The grip in the status bar's coordinates (empty when it is not shown).
  TRect GripRect() const;
  // HTBOTTOMRIGHT inside the shown grip, HTCLIENT elsewhere.
  int HitTest(QPoint at) const;

 protected:
  void DrawDefaultImage(QImage& bitmap) override;
  void DrawSkinImage(QImage& bitmap) override;
  int GripReserve() const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool GripShown() const { return size_grip_ && show_grip_; }
  // The grip rectangle whether or not it is shown.
  TRect GripPlace() const;
  void DrawGrip(QImage& bitmap, bool skinned);

  bool size_grip_ = false;
  bool show_grip_ = true;
};

}  // namespace lumora
