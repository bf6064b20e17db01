#pragma once
// TskSkinButton: the skinned push button. It paints one of five skin looks
// by state (control_state.h), cross-fades between the normal and the hot
// look when skin effects are on, lays out a caption with a glyph or an
// image-list image, answers Enter as the default button and Escape as the
// cancel button, can be a sticky button of a group, and can repeat its
// click while held.
//
// Mouse (left button):
//   | event                     | not grouped                        | grouped (GroupIndex != 0) |
//   |---------------------------|------------------------------------|--------------------------------|
//   | press                     | Down; repeat timer in RepeatMode   | Down and click at once, or |
//   |                           |                                    | remember a press while down
//   | | release inside            | Down cleared, click if it was down | with AllowAllUp, a second
//   | |                           |                                    | press while down
//   releases+clicks| | release outside           | Down cleared, no click             | nothing |
//   | leave / enter while held  | repeat stops / restarts (500 ms)   | |
// A disabled button takes no press; losing the focus releases a press.

#include <QImage>
#include <QTimer>
#include <functional>
#include <vector>

#include "skin/controls/action_link.h"
#include "skin/controls/control_state.h"
#include "skin/controls/hot_fade.h"
#include "skin/controls/skin_control.h"

namespace lumora {

class TskDataSkinButtonControl;

enum TskButtonLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };

class TskSkinButton : public TskSkinCustomControl {
 public:
  static constexpr int kFirstRepeatDelay = 500;  // ms before the repeat interval starts

  explicit TskSkinButton(QWidget* parent = nullptr);
  ~TskSkinButton() override;

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  bool UseSkinSize() const { return use_skin_size_; }
  void SetUseSkinSize(bool on);
  bool UseSkinFontColor() const { return use_skin_font_color_; }
  void SetUseSkinFontColor(bool on);
  bool RepeatMode() const { return repeat_mode_; }
  void SetRepeatMode(bool on) { repeat_mode_ = on; }
  int RepeatInterval() const { return repeat_interval_; }
  void SetRepeatInterval(int ms) { repeat_interval_ = ms; }
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool on) { allow_all_up_ = on; }
  int GroupIndex() const { return group_index_; }
  // A non-zero group also makes the button unfocusable.
  void SetGroupIndex(int index);
  bool Down() const { return down_; }
  // Going down in a group (without AllowAllUp) releases the others.
  void SetDown(bool down);
  bool CanFocused() const { return can_focused_; }
  void SetCanFocused(bool on);
  bool Default() const { return default_; }
  void SetDefault(bool on);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on);
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int result) { modal_result_ = result; }

  // A strip of NumGlyphs cells: normal, disabled, pressed, hot.
  const QImage& Glyph() const { return glyph_; }
  void SetGlyph(const QImage& glyph);
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n);
  int Margin() const { return margin_; }
  void SetMargin(int margin);  // below -1 ignored; -1 centres
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  TskButtonLayout Layout() const { return layout_; }
  void SetLayout(TskButtonLayout layout);
  // An image of the list replaces the glyph when the index is valid.
  void SetImageList(const std::vector<QImage>* images);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);

  // The linked action: its text, enabled state and visibility follow into
  // the button; a click with no OnClick of its own triggers it.
  QAction* Action() const { return action_.Get(); }
  void SetAction(QAction* action);

  std::function<void()> OnClick;
  // Before the caption is drawn: (canvas, client rectangle, draw default,
  // active, down); clearing draw default skips caption and glyph.
  std::function<void(QPainter&, const TRect&, bool&, bool, bool)> OnPaint;

  // Sets the form's modal result and fires OnClick, or triggers the linked
  // action when there is no OnClick.
  virtual void PerformClick();

  // The state the next paint shows.
  bool IsHot() const { return is_hot_; }
  bool DefaultActive() const { return default_active_; }
  double MorphProgress() const { return fade_.Progress(); }
  TskButtonState State() const;

  void CalcSkinSize(int& width, int& height) override;
  void ApplySkinChange() override;

  // Enter and Escape that no focused control took: the default or the
  // cancel button of window clicks. True when one did.
  static bool HandleDialogKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers);

 protected:
  void DrawDefaultImage(QImage& bitmap) override;
  void DrawSkinImage(QImage& bitmap) override;
  // One look into bitmap, with caption and glyph.
  virtual void DrawStateImage(QImage& bitmap, const TRect& look, bool active, bool down);

  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // The caption's accelerator: focus and click.
  void AcceleratorPressed() override;

 private:
  bool Focused() const;
  bool MorphOn() const;
  void StartMorphOrRepaint();
  void MorphTick();
  void RepeatTick();
  void StartRepeat();
  void StopRepeat() { repeat_timer_.stop(); }
  void PointerEntered();
  void PointerLeft();
  void FocusChanged(QWidget* now);
  void InstallDialogKeys();
  void StartAnimation(bool forward);
  void StopAnimation();
  void AnimationTick();
  TRect AnimationCell() const;
  QFont CaptionFont() const;
  QColor CaptionColour(bool active, bool down) const;
  void DrawFace(QPainter& p, const TRect& area, bool active, bool down);

  QString caption_;
  bool use_skin_size_ = true;
  bool use_skin_font_color_ = true;
  bool repeat_mode_ = false;
  int repeat_interval_ = 100;
  bool allow_all_up_ = false;
  int group_index_ = 0;
  bool down_ = false;
  bool can_focused_ = true;
  bool default_ = false;
  bool cancel_ = false;
  int modal_result_ = 0;
  QImage glyph_;
  int num_glyphs_ = 1;
  int margin_ = -1;
  int spacing_ = 1;
  TskButtonLayout layout_ = blGlyphLeft;
  const std::vector<QImage>* image_list_ = nullptr;
  int image_index_ = -1;

  bool is_hot_ = false;
  bool pointer_inside_ = false;
  bool mouse_pressed_ = false;
  bool repeating_ = false;  // past the first delay
  bool pressed_while_down_ = false;
  bool default_active_ = false;
  TskHotFade fade_{[this] { MorphTick(); }};
  int animation_frame_ = 0;
  bool animation_forward_ = true;
  QTimer animation_timer_;
  QTimer repeat_timer_;
  QMetaObject::Connection focus_connection_;
  TskActionLink action_;
};

}  // namespace lumora
