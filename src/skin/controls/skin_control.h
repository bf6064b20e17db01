#pragma once
// The base classes of the skinned controls. A control links to a skin data
// component (SkinData), finds its data object by SkinDataName, sizes itself
// to the skin, paints through one off-screen image per paint and follows
// skin changes. Without a skin, or without a data object of its name, it
// draws its default look; nothing fails.
//
//   TskSkinControl               the link, the look-up, the off-screen paint,
//                                mouse enter and leave events, hint fields
//   TskSkinCustomControl         + default font and size, the frame geometry
//                                copied from the skin, skin sizing, the
//                                window region from the mask, client texture
//   TskGraphicSkinControl        a control that takes no focus
//   TskGraphicSkinCustomControl  the same with the frame, without region and
//                                client texture
//
// A descendant overrides DrawDefaultImage and DrawSkinImage for its looks;
// ResolveSkinData to copy its own keys (calling the base first); and
// CalcSkinSize when its sizing differs. Painting is thin: paintEvent only
// creates the image and copies it.

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/skin_font.h"
#include "skin/controls/skin_geometry.h"
#include "skin/controls/skin_link.h"

namespace lumora {

class TskSkinData;
class TskDataSkinControl;

class TskSkinControl : public QWidget, public TskSkinChangeReceiver {
 public:
  explicit TskSkinControl(QWidget* parent = nullptr);
  ~TskSkinControl() override;

  // The skin to draw from; null draws the default look. Setting a component
  // that has a skin loaded applies it at once. Cleared when the component
  // is freed.
  TskSkinData* SkinData() const { return link_.Get(); }
  virtual void SetSkinData(TskSkinData* value);
  // The data object's name; takes effect at the next paint or skin change.
  const std::string& SkinDataName() const { return skin_data_name_; }
  void SetSkinDataName(std::string name) { skin_data_name_ = std::move(name); }

  // For the skinned hint window.
  const std::string& HintTitle() const { return hint_title_; }
  void SetHintTitle(std::string title) { hint_title_ = std::move(title); }
  int HintImageIndex() const { return hint_image_index_; }
  void SetHintImageIndex(int index) { hint_image_index_ = index; }
  const std::vector<QImage>* HintImageList() const { return hint_images_; }
  void SetHintImageList(const std::vector<QImage>* images) { hint_images_ = images; }

  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;

  // Position of the data object in the skin's control list; -1 = unskinned.
  int DataIndex() const { return index_; }
  // Looks the data object up again (index -1 without a loaded skin).
  virtual void ResolveSkinData();
  void PrepareSkinChange() override;
  // Resolves and repaints.
  void ApplySkinChange() override;
  // The background behind the control changed (WM_PARENTBGCHANGED).
  virtual void ParentBackgroundChanged() {}

  // The data object for DataIndex, or null.
  TskDataSkinControl* DataObject() const;
  template <typename T>
  T* DataAs() const {
    return dynamic_cast<T*>(DataObject());
  }
  // A skin is linked and loaded, and it allows skin effects.
  bool SkinEffectsOn() const;

 protected:
  // A control that takes no focus and has no window of its own.
  TskSkinControl(QWidget* parent, bool windowed);
  bool Windowed() const { return windowed_; }

  // The unskinned and the skinned look, into an image of the control's size.
  virtual void DrawDefaultImage(QImage& bitmap);
  virtual void DrawSkinImage(QImage& bitmap);
  // Paints the whole control; the base draws one of the two looks into an
  // off-screen image and copies it.
  virtual void PaintControl(QPainter& canvas);
  // True while a paint event is being handled.
  bool InPaint() const { return in_paint_; }
  // The image a paint uses: the control's size, 32-bit.
  QImage NewBitmap() const;

  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

  // Called after the link was cleared because the component was freed.
  virtual void SkinDataRemoved() {}

  // Makes the accelerator character of caption ("&x": Alt+X) call
  // AcceleratorPressed; a caption without one drops the previous key.
  void SetAccelerator(const QString& caption);
  virtual void AcceleratorPressed() {}

 private:
  TskSkinLink link_;
  std::string skin_data_name_;
  std::string hint_title_;
  int hint_image_index_ = 0;
  const std::vector<QImage>* hint_images_ = nullptr;
  int index_ = -1;
  bool in_paint_ = false;
  bool windowed_ = true;
  int accelerator_ = 0;  // shortcut id, 0 = none
};

class TskSkinCustomControl : public TskSkinControl {
 public:
  explicit TskSkinCustomControl(QWidget* parent = nullptr);

  // Used without a skin, or when UseSkinFont is false.
  const TskFont& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const TskFont& font);
  // Forced when no data object is found (0 leaves the size alone).
  int DefaultWidth() const { return default_width_; }
  void SetDefaultWidth(int width);
  int DefaultHeight() const { return default_height_; }
  void SetDefaultHeight(int height);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool on) { use_skin_font_ = on; }

  // Resolves and copies the frame geometry of the data object.
  void ResolveSkinData() override;
  // Sizes the control to the skin (or to DefaultWidth/DefaultHeight without
  // one), updates the region and repaints.
  void ApplySkinChange() override;
  // Adjusts a requested size to the skin; see skin_geometry.h.
  virtual void CalcSkinSize(int& width, int& height);
  // Sets the window region from the mask picture, or removes it.
  virtual void UpdateSkinRegion();
  // Moves and sizes the control, keeping the size the skin dictates.
  void SetBounds(int left, int top, int width, int height);
  // Sends WM_PARENTBGCHANGED to every child.
  void NotifyChildrenBackground();
  // A rectangle relative to the skin rectangle, at the current size.
  TRect MapSkinRect(const TRect& r) const;

  const TskControlFrame& Frame() const { return frame_; }
  bool ForceBackground() const { return force_background_; }

 protected:
  TskSkinCustomControl(QWidget* parent, bool windowed);
  void SetForceBackground(bool on) { force_background_ = on; }
  TskControlFrame& MutableFrame() { return frame_; }

  virtual void DefaultFontChanged() {}
  // Fills the control with the button face colour.
  void DrawDefaultImage(QImage& bitmap) override;
  // The skin rectangle at the control's size by the sizing mode.
  void DrawSkinImage(QImage& bitmap) override;
  // With ForceBackground on a nine-part skin: the frame in four bands
  // around the tiled or stretched client texture.
  void PaintControl(QPainter& canvas) override;
  // Keeps the size the skin dictates whoever resizes the control.
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PaintBands(QPainter& canvas);

  TskFont default_font_;
  int default_width_ = 0;
  int default_height_ = 0;
  bool use_skin_font_ = true;
  bool force_background_ = false;
  TskControlFrame frame_;
};

class TskGraphicSkinControl : public TskSkinControl {
 public:
  explicit TskGraphicSkinControl(QWidget* parent = nullptr);
};

class TskGraphicSkinCustomControl : public TskSkinCustomControl {
 public:
  explicit TskGraphicSkinCustomControl(QWidget* parent = nullptr);
};

// Paints a texture over area of canvas: tiled from area's top-left without
// stretchEffect; with it, stretched over the area (full), stretched to the
// area's height and tiled across (horizontal) or to its width and tiled down
// (vertical). Nothing for a null texture or an empty area.
void PaintClientTexture(QPainter& canvas, const QImage& texture, const QRect& area,
                        bool stretchEffect, TskStretchType type);

}  // namespace lumora
