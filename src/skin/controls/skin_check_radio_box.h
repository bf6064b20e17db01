#pragma once
// TskSkinCheckRadioBox: a skinned check box or radio button with an
// optional grayed third state, radio groups within a parent, an optional
// image-list image, word wrap and a cross-fade between its normal and hot
// looks. In flat mode (the default) it has no background of its own: it
// shows its parent's background with only the check mark and the caption.
//
//   | event                          | effect                                     |
//   |--------------------------------|--------------------------------------------|
//   | press (any button)             | hot                                        |
//   | left release, still hot        | toggle (AllowGrayed: unchecked -> grayed)  |
//   | pointer leaves while held      | not hot: the release toggles nothing       |
//   | Space released while focused   | toggle                                     |
//   | Checked := true                | OnClick, even when it was checked          |
//   | Checked := false on a radio    | no OnClick                                 |

#include <QImage>
#include <functional>
#include <vector>

#include "skin/controls/action_link.h"
#include "skin/controls/control_state.h"
#include "skin/controls/hot_fade.h"
#include "skin/controls/skin_control.h"

namespace lumora {

class TskDataSkinCheckRadioControl;

class TskSkinCheckRadioBox : public TskSkinCustomControl {
 public:
  explicit TskSkinCheckRadioBox(QWidget* parent = nullptr);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool on);
  bool Radio() const { return radio_; }
  void SetRadio(bool on);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index) { group_index_ = index; }
  bool Flat() const { return flat_; }
  void SetFlat(bool on);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on);
  bool UseSkinFontColor() const { return use_skin_font_color_; }
  void SetUseSkinFontColor(bool on);
  bool CanFocused() const { return can_focused_; }
  void SetCanFocused(bool on);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool on);
  void SetImages(const std::vector<QImage>* images);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);

  // The linked action: its text, enabled state, visibility and tip follow
  // into the box on every change of the action, and so does its checked
  // state, unless only defaults are applied (onlyDefaults) and the box is
  // already checked. Null unlinks.
  QAction* Action() const { return action_.Get(); }
  void SetAction(QAction* action, bool onlyDefaults = false);

  // The change event of the box.
  std::function<void()> OnClick;

  // A check box inverts Checked; a radio button only becomes checked.
  virtual void ToggleCheck();
  bool IsHot() const { return is_hot_; }
  double MorphProgress() const { return fade_.Progress(); }

  void CalcSkinSize(int& width, int& height) override;
  void ApplySkinChange() override;
  void ParentBackgroundChanged() override;
  void ResolveSkinData() override;

  // For the current size (non-flat, skinned): where caption and mark go.
  const TRect& TextArea() const { return text_area_; }
  const TRect& CheckRect() const { return check_rect_; }

 protected:
  void DrawDefaultImage(QImage& bitmap) override;
  void DrawSkinImage(QImage& bitmap) override;
  void PaintControl(QPainter& canvas) override;

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  // The caption's accelerator: focus and toggle.
  void AcceleratorPressed() override;

 private:
  const TskDataSkinCheckRadioControl* CheckData() const;
  bool MorphOn() const;
  void StartMorphOrRepaint();
  void MorphTick();
  void SetHot(bool hot);
  void UpdateFocusPolicy();
  QImage CheckPicture(bool hot) const;
  const QImage* Image() const;
  void DrawUnskinnedMark(QPainter& p, int boxLeft, int boxTop);
  void DrawFlat(QImage& bitmap);
  void DrawLook(QImage& bitmap, bool hot);

  QString caption_;
  bool checked_ = false;
  TCheckBoxState state_ = cbUnchecked;
  bool allow_grayed_ = false;
  bool radio_ = false;
  int group_index_ = 0;
  bool flat_ = true;
  bool word_wrap_ = false;
  bool use_skin_font_color_ = true;
  bool can_focused_ = true;
  bool tab_stop_ = false;
  const std::vector<QImage>* images_ = nullptr;
  int image_index_ = 0;

  bool is_hot_ = false;
  bool pointer_inside_ = false;
  TskHotFade fade_{[this] { MorphTick(); }};
  TRect text_area_, check_rect_;
  TskActionLink action_;
};

}  // namespace lumora
