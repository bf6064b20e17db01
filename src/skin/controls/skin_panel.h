#pragma once
// TskSkinPanel: a skinned container. It paints a frame and a client texture
// from the skin and can show a caption band with a glyph or image, a check
// box that enables and disables its children (CheckedMode), and a roll-up
// marker that collapses it to its caption (RollUpMode). Its children dock
// (platform/align.h) in the client area the skin leaves free.

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "platform/align.h"
#include "skin/controls/skin_control.h"

namespace lumora {

class TskDataSkinPanelControl;

enum TskSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
enum TskImagePosition { skimgDefault, skimgLeft };

class TskSkinPanel : public TskSkinCustomControl, public TAlignArea {
 public:
  explicit TskSkinPanel(QWidget* parent = nullptr);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  bool CaptionMode() const { return caption_mode_; }
  virtual void SetCaptionMode(bool on);
  int DefaultCaptionHeight() const { return default_caption_height_; }
  virtual void SetDefaultCaptionHeight(int height);
  TAlignment DefaultAlignment() const { return default_alignment_; }
  void SetDefaultAlignment(TAlignment alignment);
  TskSkinBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TskSkinBorderStyle style);

  bool CheckedMode() const { return checked_mode_; }
  void SetCheckedMode(bool on);
  bool Checked() const { return checked_; }
  // Fires OnChecked on every assignment; in checked mode with
  // AutoEnabledControls it also enables or disables every child.
  void SetChecked(bool checked);
  bool AutoEnabledControls() const { return auto_enabled_controls_; }
  void SetAutoEnabledControls(bool on) { auto_enabled_controls_ = on; }

  bool RollUpMode() const { return roll_up_mode_; }
  void SetRollUpMode(bool on);
  bool RollUpState() const { return roll_up_state_; }
  void SetRollUpState(bool rolled);
  int RealHeight() const { return real_height_; }

  const QImage& Glyph() const { return glyph_; }
  void SetGlyph(const QImage& glyph);
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  void SetCaptionImageList(const std::vector<QImage>* images);
  int CaptionImageIndex() const { return caption_image_index_; }
  void SetCaptionImageIndex(int index);
  TskImagePosition ImagePosition() const { return image_position_; }
  void SetImagePosition(TskImagePosition position);
  bool TransparentMode() const { return transparent_mode_; }
  void SetTransparentMode(bool on);

  std::function<void()> OnChecked;
  std::function<void()> OnChangeRollUpState;

  // The area the children dock in, in the panel's coordinates.
  QRect AlignClientRect() const override;
  // The caption rectangle at the current size (empty without a skin).
  TRect CaptionRect() const;

  void ApplySkinChange() override;
  void ParentBackgroundChanged() override;

 protected:
  void DrawDefaultImage(QImage& bitmap) override;
  void DrawSkinImage(QImage& bitmap) override;
  void PaintControl(QPainter& canvas) override;
  // Called at the end of the transparent painting, before the copy.
  virtual void DrawTransparentExtras(QPainter&) {}
  // The client area before a status bar's grip is taken off.
  QRect PanelClientRect() const;
  // The width a status bar keeps free at the right for its grip.
  virtual int GripReserve() const { return 0; }

  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

  const TskDataSkinPanelControl* PanelData() const;

 private:
  // The caption glyph or image and its width, or a null image.
  QImage CaptionImage() const;
  void DrawSkinCaption(QPainter& p, TRect r, const TskDataSkinPanelControl& data);
  void DrawDefaultCaption(QPainter& p, const QRect& band);
  void PaintTransparent(QPainter& canvas);
  void PaintBackgroundPicture(QPainter& canvas, const QImage& picture);
  // The frame for the current size without changing the control's state.
  TskControlFrame CurrentFrame(int* index = nullptr) const;
  void Realign();
  void Collapse();
  void Expand();

  QString caption_;
  bool caption_mode_ = false;
  int default_caption_height_ = 22;
  TAlignment default_alignment_ = taLeftJustify;
  TskSkinBorderStyle border_style_ = bvFrame;
  bool checked_mode_ = false;
  bool checked_ = false;
  bool auto_enabled_controls_ = true;
  bool roll_up_mode_ = false;
  bool roll_up_state_ = false;
  int real_height_ = -1;
  QSize saved_min_, saved_max_;
  QImage glyph_;
  int num_glyphs_ = 1;
  int spacing_ = 2;
  const std::vector<QImage>* caption_images_ = nullptr;
  int caption_image_index_ = -1;
  TskImagePosition image_position_ = skimgDefault;
  bool transparent_mode_ = false;
};

}  // namespace lumora
