#include "skin/controls/skin_control.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QShortcutEvent>

#include "platform/messages.h"
#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/rect_routines.h"

namespace lumora {

// ---- TskSkinControl ----

TskSkinControl::TskSkinControl(QWidget* parent) : TskSkinControl(parent, true) {}

TskSkinControl::TskSkinControl(QWidget* parent, bool windowed)
    : QWidget(parent), link_([this] { SkinDataRemoved(); }), windowed_(windowed) {
  // Painting covers the whole control, so Qt need not erase it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

TskSkinControl::~TskSkinControl() = default;

void TskSkinControl::SetSkinData(TskSkinData* value) {
  link_.Set(value);
  if (value != nullptr && !value->Empty()) ApplySkinChange();
}

void TskSkinControl::ResolveSkinData() {
  index_ = link_.HasSkin() ? SkinData()->ControlIndexOf(skin_data_name_) : -1;
}

void TskSkinControl::PrepareSkinChange() {
  index_ = -1;
}

void TskSkinControl::ApplySkinChange() {
  ResolveSkinData();
  update();
}

TskDataSkinControl* TskSkinControl::DataObject() const {
  if (index_ < 0 || SkinData() == nullptr) return nullptr;
  return SkinData()->Control(index_);
}

bool TskSkinControl::SkinEffectsOn() const {
  return link_.HasSkin() && SkinData()->EnableSkinEffects();
}

QImage TskSkinControl::NewBitmap() const {
  QImage bitmap(width(), height(), QImage::Format_RGB32);
  bitmap.fill(ToQColor(SystemColour(scBtnFace)));
  return bitmap;
}

void TskSkinControl::DrawDefaultImage(QImage& bitmap) {
  bitmap.fill(ToQColor(SystemColour(scBtnFace)));
}

void TskSkinControl::DrawSkinImage(QImage&) {}

void TskSkinControl::PaintControl(QPainter& canvas) {
  QImage bitmap = NewBitmap();
  if (index_ == -1)
    DrawDefaultImage(bitmap);
  else
    DrawSkinImage(bitmap);
  canvas.drawImage(0, 0, bitmap);
}

void TskSkinControl::paintEvent(QPaintEvent*) {
  if (width() < 1 || height() < 1) return;
  in_paint_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{in_paint_};
  ResolveSkinData();
  QPainter canvas(this);
  PaintControl(canvas);
}

void TskSkinControl::SetAccelerator(const QString& caption) {
  if (accelerator_ != 0) releaseShortcut(accelerator_);
  const QKeySequence key = QKeySequence::mnemonic(caption);
  accelerator_ = key.isEmpty() ? 0 : grabShortcut(key);
}

bool TskSkinControl::event(QEvent* event) {
  if (TMessageEvent* m = AsMessage(event); m != nullptr && m->Msg() == WM_PARENTBGCHANGED) {
    ParentBackgroundChanged();
    return true;
  }
  if (event->type() == QEvent::Shortcut && accelerator_ != 0 &&
      static_cast<QShortcutEvent*>(event)->shortcutId() == accelerator_) {
    AcceleratorPressed();
    return true;
  }
  return QWidget::event(event);
}

void TskSkinControl::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (OnMouseEnter) OnMouseEnter();
}

void TskSkinControl::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (OnMouseLeave) OnMouseLeave();
}

// ---- TskSkinCustomControl ----

TskSkinCustomControl::TskSkinCustomControl(QWidget* parent) : TskSkinCustomControl(parent, true) {}

TskSkinCustomControl::TskSkinCustomControl(QWidget* parent, bool windowed)
    : TskSkinControl(parent, windowed) {}

void TskSkinCustomControl::SetDefaultFont(const TskFont& font) {
  default_font_ = font;
  DefaultFontChanged();
  if (DataIndex() == -1) update();
}

void TskSkinCustomControl::SetDefaultWidth(int width) {
  default_width_ = width;
  if (DataIndex() == -1 && width > 0) resize(width, height());
}

void TskSkinCustomControl::SetDefaultHeight(int height) {
  default_height_ = height;
  if (DataIndex() == -1 && height > 0) resize(width(), height);
}

void TskSkinCustomControl::ResolveSkinData() {
  TskSkinControl::ResolveSkinData();
  const TskDataSkinControl* data = DataObject();
  frame_ = data != nullptr ? ReadControlFrame(*SkinData(), *data) : TskControlFrame{};
}

void TskSkinCustomControl::CalcSkinSize(int& width, int& height) {
  if (DataIndex() == -1) return;
  lumora::CalcSkinSize(frame_, width, height);
}

void TskSkinCustomControl::ApplySkinChange() {
  ResolveSkinData();
  int w = width(), h = height();
  if (DataIndex() == -1) {
    if (default_width_ > 0) w = default_width_;
    if (default_height_ > 0) h = default_height_;
  } else {
    CalcSkinSize(w, h);
  }
  // A hidden control gets its resize event only when shown, so the region is
  // brought up to date here whether or not the size changed.
  if (w != width() || h != height()) resize(w, h);
  UpdateSkinRegion();
  update();
}

void TskSkinCustomControl::UpdateSkinRegion() {
  if (!Windowed() || parentWidget() == nullptr) return;
  if (frame_.MaskPicture == nullptr || DataIndex() == -1) {
    if (!mask().isEmpty()) clearMask();
    return;
  }
  int w = width(), h = height();
  CalcSkinSize(w, h);
  if (std::optional<QRegion> region = FrameRegion(frame_, w, h))
    setMask(*region);
  else
    clearMask();
}

void TskSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  ResolveSkinData();
  if ((width != this->width() || height != this->height()) && DataIndex() != -1)
    CalcSkinSize(width, height);
  setGeometry(left, top, width, height);
  if (DataIndex() != -1 && frame_.StretchEffect) NotifyChildrenBackground();
}

void TskSkinCustomControl::NotifyChildrenBackground() {
  for (QObject* child : children())
    if (auto* w = qobject_cast<QWidget*>(child); w != nullptr && !w->isWindow())
      SendMessage(w, WM_PARENTBGCHANGED, 0, 0);
}

TRect TskSkinCustomControl::MapSkinRect(const TRect& r) const {
  return lumora::MapSkinRect(frame_, r, width(), height());
}

void TskSkinCustomControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ResolveSkinData();
  if (DataIndex() != -1) {
    int w = width(), h = height();
    CalcSkinSize(w, h);
    if (w != width() || h != height()) {
      resize(w, h);
      return;
    }
  }
  UpdateSkinRegion();
  update();
  if (DataIndex() != -1 && frame_.StretchEffect) NotifyChildrenBackground();
}

void TskSkinCustomControl::DrawDefaultImage(QImage& bitmap) {
  bitmap.fill(ToQColor(SystemColour(scBtnFace)));
}

void TskSkinCustomControl::DrawSkinImage(QImage& bitmap) {
  int w = width(), h = height();
  CalcSkinSize(w, h);
  if (frame_.SizingMode == smNinePart && force_background_) return;
  QImage image = BuildFrameImage(frame_, frame_.SkinRect, w, h);
  if (image.isNull()) return;
  if (frame_.SizingMode == smFixed) {
    bitmap = image.convertToFormat(QImage::Format_RGB32);
    return;
  }
  QPainter p(&bitmap);
  p.drawImage(0, 0, image);
}

void TskSkinCustomControl::PaintControl(QPainter& canvas) {
  if (force_background_ && DataIndex() != -1 && frame_.SizingMode == smNinePart &&
      frame_.Picture != nullptr)
    PaintBands(canvas);
  else
    TskSkinControl::PaintControl(canvas);
}

void TskSkinCustomControl::PaintBands(QPainter& canvas) {
  int w = width(), h = height();
  CalcSkinSize(w, h);
  const TskFrameBorderImages bands =
      BuildFrameBorderImages(*frame_.Picture, NinePartSource(frame_), NinePartTarget(frame_, w, h),
                             NinePartStretchOf(frame_));
  QImage top = bands.top;
  if (!top.isNull()) DrawSkinImage(top);
  PaintClientTexture(canvas, ClientTexture(frame_), ToQRect(frame_.NewClRect), frame_.StretchEffect,
                     frame_.StretchType);
  const int topHeight = top.isNull() ? 0 : top.height();
  if (!top.isNull()) canvas.drawImage(0, 0, top);
  if (!bands.left.isNull()) canvas.drawImage(0, topHeight, bands.left);
  if (!bands.right.isNull()) canvas.drawImage(w - bands.right.width(), topHeight, bands.right);
  if (!bands.bottom.isNull()) canvas.drawImage(0, h - bands.bottom.height(), bands.bottom);
}

// ---- graphic controls ----

TskGraphicSkinControl::TskGraphicSkinControl(QWidget* parent) : TskSkinControl(parent, false) {}

TskGraphicSkinCustomControl::TskGraphicSkinCustomControl(QWidget* parent)
    : TskSkinCustomControl(parent, false) {}

// ---- client texture ----

void PaintClientTexture(QPainter& canvas, const QImage& texture, const QRect& area,
                        bool stretchEffect, TskStretchType type) {
  if (texture.isNull() || area.isEmpty()) return;
  canvas.save();
  canvas.setClipRect(area);
  QImage tile = texture;
  if (stretchEffect) {
    switch (type) {
      case stFull:
        tile = texture.scaled(area.size());
        break;
      case stHorz:
        tile = texture.scaled(texture.width(), area.height());
        break;
      case stVert:
        tile = texture.scaled(area.width(), texture.height());
        break;
    }
  }
  canvas.setBrushOrigin(area.topLeft());
  canvas.fillRect(area, QBrush(tile));
  canvas.restore();
}

}  // namespace lumora
