#include "skin/controls/skin_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "skin/controls/parent_background.h"
#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/skin_text.h"
#include "skin/draw/vector_glyphs.h"

namespace lumora {

namespace {

constexpr int kRollUpReserve = 12;
constexpr int kMarkerWidth = 10;
constexpr int kWindowColour = 5;

QColor SysColour(int index) {
  return ToQColor(SystemColour(index));
}

// A one-pixel frame: top and left in one colour, bottom and right in another.
void Frame3D(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  p.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
  p.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
  p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
  p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

// A small picture of the skin drawn with its bottom-left colour transparent.
QImage KeyedPiece(const QImage* picture, const TRect& r) {
  if (picture == nullptr || IsNullRect(r)) return {};
  return StripFrameImage(picture->copy(ToQRect(r)), 1, 1);
}

}  // namespace

TskSkinPanel::TskSkinPanel(QWidget* parent) : TskSkinCustomControl(parent) {
  SetSkinDataName("panel");
  SetForceBackground(true);
  resize(150, 150);
}

// ---- properties ----

void TskSkinPanel::SetCaption(const QString& caption) {
  caption_ = caption;
  if (caption_mode_) update();
}

void TskSkinPanel::SetCaptionMode(bool on) {
  caption_mode_ = on;
  update();
  Realign();
}

void TskSkinPanel::SetDefaultCaptionHeight(int height) {
  default_caption_height_ = height;
  if (DataIndex() == -1 && caption_mode_) {
    update();
    Realign();
  }
}

void TskSkinPanel::SetDefaultAlignment(TAlignment alignment) {
  default_alignment_ = alignment;
  if (DataIndex() == -1 && caption_mode_) update();
}

void TskSkinPanel::SetBorderStyle(TskSkinBorderStyle style) {
  border_style_ = style;
  if (DataIndex() == -1) {
    update();
    Realign();
  }
}

void TskSkinPanel::SetCheckedMode(bool on) {
  checked_mode_ = on;
  update();
}

void TskSkinPanel::SetChecked(bool checked) {
  checked_ = checked;
  if (checked_mode_) {
    update();
    if (auto_enabled_controls_)
      for (QObject* child : children())
        if (auto* w = qobject_cast<QWidget*>(child); w != nullptr && !w->isWindow())
          w->setEnabled(checked);
  }
  if (OnChecked) OnChecked();
}

void TskSkinPanel::SetRollUpMode(bool on) {
  roll_up_mode_ = on;
  if (DataIndex() == -1 && caption_mode_) update();
}

void TskSkinPanel::SetGlyph(const QImage& glyph) {
  glyph_ = glyph;
  update();
}

void TskSkinPanel::SetNumGlyphs(int n) {
  num_glyphs_ = std::clamp(n, 1, 2);
  update();
}

void TskSkinPanel::SetSpacing(int spacing) {
  spacing_ = spacing;
  update();
}

void TskSkinPanel::SetCaptionImageList(const std::vector<QImage>* images) {
  caption_images_ = images;
  update();
}

void TskSkinPanel::SetCaptionImageIndex(int index) {
  if (index == caption_image_index_) return;
  caption_image_index_ = index;
  update();
}

void TskSkinPanel::SetImagePosition(TskImagePosition position) {
  if (position == image_position_) return;
  image_position_ = position;
  update();
}

void TskSkinPanel::SetTransparentMode(bool on) {
  if (on == transparent_mode_) return;
  transparent_mode_ = on;
  update();
  NotifyChildrenBackground();
}

// ---- roll-up ----

void TskSkinPanel::SetRollUpState(bool rolled) {
  if (rolled == roll_up_state_) return;
  if (!roll_up_mode_) {
    if (!saved_max_.isEmpty()) {
      setMinimumSize(saved_min_);
      setMaximumSize(saved_max_);
    }
    roll_up_state_ = false;
    return;
  }
  saved_min_ = minimumSize();
  saved_max_ = maximumSize();
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  roll_up_state_ = rolled;
  if (rolled)
    Collapse();
  else
    Expand();
  if (OnChangeRollUpState) OnChangeRollUpState();
}

void TskSkinPanel::Collapse() {
  if (real_height_ != -1) return;
  real_height_ = height();
  for (QObject* child : children())
    if (auto* w = qobject_cast<QWidget*>(child); w != nullptr && !w->isWindow()) w->hide();
  int index = -1;
  const TskControlFrame f = CurrentFrame(&index);
  const int collapsed =
      index == -1 ? default_caption_height_ + 1 : height() - RectHeight(f.NewClRect);
  resize(width(), collapsed);
}

void TskSkinPanel::Expand() {
  if (real_height_ == -1) return;
  resize(width(), real_height_);
  real_height_ = -1;
  for (QObject* child : children())
    if (auto* w = qobject_cast<QWidget*>(child); w != nullptr && !w->isWindow()) w->show();
  Realign();
}

// ---- geometry ----

const TskDataSkinPanelControl* TskSkinPanel::PanelData() const {
  return DataAs<TskDataSkinPanelControl>();
}

TskControlFrame TskSkinPanel::CurrentFrame(int* index) const {
  const TskSkinData* skin = SkinData();
  const int i = skin != nullptr && !skin->Empty() ? skin->ControlIndexOf(SkinDataName()) : -1;
  if (index != nullptr) *index = i;
  TskControlFrame f;
  if (i == -1) return f;
  f = ReadControlFrame(*skin, *skin->Control(i));
  int w = width(), h = height();
  lumora::CalcSkinSize(f, w, h);
  return f;
}

QRect TskSkinPanel::AlignClientRect() const {
  QRect area = PanelClientRect();
  area.setRight(area.right() - GripReserve());
  return area;
}

QRect TskSkinPanel::PanelClientRect() const {
  int index = -1;
  const TskControlFrame f = CurrentFrame(&index);
  QRect area = rect();
  if (index == -1) {
    if (border_style_ != bvNone) area.adjust(1, 1, -1, -1);
    if (caption_mode_) area.setTop(area.top() + default_caption_height_);
  } else {
    const auto* data = dynamic_cast<const TskDataSkinPanelControl*>(SkinData()->Control(index));
    const bool background = data != nullptr && data->BGPictureIndex != -1;
    const bool borderless = border_style_ == bvNone && !caption_mode_ && f.SizingMode == smNinePart;
    if (!background && !borderless && f.SizingMode != smNone) area = ToQRect(f.NewClRect);
  }
  return area;
}

TRect TskSkinPanel::CaptionRect() const {
  const auto* data = PanelData();
  if (data == nullptr) return {};
  const TskControlFrame& f = Frame();
  if (f.SizingMode == smFixed || f.SizingMode == smNone || transparent_mode_)
    return data->CaptionRect;
  return MapSkinRect(data->CaptionRect);
}

void TskSkinPanel::Realign() {
  AlignControls(this);
}

void TskSkinPanel::ApplySkinChange() {
  TskSkinCustomControl::ApplySkinChange();
  if (!roll_up_state_) {
    Realign();
  } else {
    const int kept = real_height_;
    real_height_ = -1;
    Collapse();
    real_height_ = kept;
  }
}

void TskSkinPanel::ParentBackgroundChanged() {
  if (!transparent_mode_) return;
  update();
  NotifyChildrenBackground();
}

// ---- painting ----

QImage TskSkinPanel::CaptionImage() const {
  if (!glyph_.isNull()) {
    const int cell = !isEnabled() && num_glyphs_ == 2 ? 2 : 1;
    return StripFrameImage(glyph_, cell, num_glyphs_);
  }
  if (caption_images_ != nullptr && caption_image_index_ >= 0 &&
      static_cast<size_t>(caption_image_index_) < caption_images_->size())
    return StripFrameImage((*caption_images_)[caption_image_index_], 1, 1);
  return {};
}

void TskSkinPanel::PaintControl(QPainter& canvas) {
  const auto* data = PanelData();
  const TskControlFrame& f = Frame();
  if (transparent_mode_ && DataIndex() != -1) {
    PaintTransparent(canvas);
    return;
  }
  if (DataIndex() == -1 || (!ForceBackground() && f.StretchEffect)) {
    TskSkinControl::PaintControl(canvas);
    return;
  }
  if (border_style_ == bvNone && f.SizingMode == smNinePart && !caption_mode_ &&
      ForceBackground()) {
    PaintClientTexture(canvas, ClientTexture(f), rect(), f.StretchEffect, f.StretchType);
    return;
  }
  const QImage* background =
      data != nullptr ? SkinData()->ActivePicture(data->BGPictureIndex) : nullptr;
  if (background == nullptr || background->isNull()) {
    TskSkinCustomControl::PaintControl(canvas);
    return;
  }
  PaintBackgroundPicture(canvas, *background);
}

void TskSkinPanel::PaintBackgroundPicture(QPainter& canvas, const QImage& picture) {
  const TskControlFrame& f = Frame();
  if (!f.StretchEffect) {
    PaintClientTexture(canvas, picture, rect(), false, stFull);
    return;
  }
  PaintClientTexture(canvas, picture, ToQRect(f.NewClRect), true, f.StretchType);
}

void TskSkinPanel::PaintTransparent(QPainter& canvas) {
  QImage bitmap = NewBitmap();
  QPainter p(&bitmap);
  DrawParentBackground(this, p);
  const TskControlFrame& f = Frame();
  QColor line = SysColour(scBtnShadow);
  if (f.Picture != nullptr) {
    const int x = f.SkinRect.Left + RectWidth(f.SkinRect) / 2, y = f.SkinRect.Bottom - 1;
    if (f.Picture->valid(x, y)) line = f.Picture->pixelColor(x, y);
  }
  if (caption_mode_) {
    const auto* data = PanelData();
    p.setFont(SkinOrOwnFont(data, UseSkinFont(), DefaultFont()));
    const int th = p.fontMetrics().height();
    const int band = th + 5;
    int x = 5;
    if (checked_mode_ && data != nullptr) x += RectWidth(data->CheckImageRect) + 5;
    const QImage image = CaptionImage();
    if (!image.isNull()) x += image.width() + 2;
    const int tw = caption_.isEmpty() ? 0 : MeasureTextWidth(p, caption_);
    TColor textColour = SkinData()->SkinColors().cBtnText;
    const int label = SkinData()->ControlIndexOf("stdlabel");
    if (auto* std = dynamic_cast<const TskDataSkinStdLabelControl*>(SkinData()->Control(label)))
      textColour = std->FontColor;
    p.setPen(ToQColor(textColour));
    p.drawText(QRect(x, 0, tw + 2, band), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
               caption_);
    int end = x + tw + 3;
    if (roll_up_mode_) {
      DrawArrowMark(p, Bounds(x + tw + 3, 0, kMarkerWidth, band), textColour,
                    roll_up_state_ ? adDown : adUp);
      end = x + tw + 12;
    }
    const int mid = band / 2;
    p.setPen(line);
    p.drawLine(0, mid, 4, mid);
    p.drawLine(end, mid, width() - 1, mid);
    p.drawLine(width() - 1, mid, width() - 1, height() - 1);
    p.drawLine(width() - 1, height() - 1, 0, height() - 1);
    p.drawLine(0, height() - 1, 0, mid);
  } else {
    if (border_style_ != bvNone) {
      p.setPen(line);
      p.drawRect(0, 0, width() - 1, height() - 1);
    }
    DrawTransparentExtras(p);
  }
  p.end();
  canvas.drawImage(0, 0, bitmap);
}

void TskSkinPanel::DrawSkinImage(QImage& bitmap) {
  const TskControlFrame& f = Frame();
  if (border_style_ == bvNone && f.SizingMode == smNinePart && !caption_mode_ && !f.StretchEffect) {
    QPainter p(&bitmap);
    PaintClientTexture(p, ClientTexture(f), bitmap.rect(), false, stFull);
    return;
  }
  TskSkinCustomControl::DrawSkinImage(bitmap);
  const auto* data = PanelData();
  if (data == nullptr || caption_.isEmpty()) return;
  const TRect r = CaptionRect();
  if (IsNullRect(r)) return;
  QPainter p(&bitmap);
  DrawSkinCaption(p, r, *data);
}

void TskSkinPanel::DrawSkinCaption(QPainter& p, TRect r, const TskDataSkinPanelControl& data) {
  const TskControlFrame& f = Frame();
  if (roll_up_mode_) r.Right -= kRollUpReserve;
  if (checked_mode_) {
    const QImage mark =
        KeyedPiece(f.Picture, checked_ ? data.CheckImageRect : data.UnCheckImageRect);
    if (!mark.isNull()) {
      p.drawImage(r.Left, r.Top + RectHeight(r) / 2 - mark.height() / 2, mark);
      r.Left += mark.width() + 2;
    }
  }
  p.setFont(SkinOrOwnFont(&data, UseSkinFont(), DefaultFont()));
  const int tw = MeasureTextWidth(p, caption_);
  const int th = p.fontMetrics().height();
  const QImage image = CaptionImage();
  const int iw = image.isNull() ? 0 : image.width();
  const int contentWidth = tw + (image.isNull() ? 0 : iw + spacing_);
  int tx = r.Left;
  if (data.Alignment == taRightJustify)
    tx = r.Right - contentWidth;
  else if (data.Alignment == taCenter)
    tx = r.Left + RectWidth(r) / 2 - contentWidth / 2;
  const int ty = r.Top + RectHeight(r) / 2 - th / 2;
  int ix = tx;
  if (!image.isNull()) {
    if (image_position_ == skimgDefault) {
      tx += iw + spacing_;
    } else {
      ix = r.Left + 2;
      if (data.Alignment == taRightJustify)
        tx = r.Right - tw;
      else if (data.Alignment == taCenter)
        tx = r.Left + RectWidth(r) / 2 - tw / 2;
      else
        tx = ix + iw + spacing_;
      tx = std::max(tx, ix + iw + spacing_);
    }
  }
  if (roll_up_mode_) {
    const TRect marker = Bounds(r.Right, r.Top, kMarkerWidth, RectHeight(r));
    const QImage frame = f.Picture != nullptr && !IsNullRect(data.MarkFrameRect)
                             ? f.Picture->copy(ToQRect(data.MarkFrameRect))
                             : QImage();
    if (!frame.isNull()) p.drawImage(marker.Left, marker.Top, frame);
    DrawArrowMark(p, marker, data.FontColor, roll_up_state_ ? adDown : adUp);
  }
  if (!IsNullRect(data.FrameRect) && f.Picture != nullptr) {
    const int extra = RectWidth(data.FrameRect) - RectWidth(data.FrameTextRect);
    QImage frame;
    DrawThreePartHorz(*f.Picture, data.FrameRect, data.FrameLeftOffset, data.FrameRightOffset,
                      false, tw + extra, frame);
    p.drawImage(tx, r.Top, frame);
    if (data.Alignment == taLeftJustify)
      tx += data.FrameTextRect.Left;
    else if (data.Alignment == taRightJustify)
      tx += data.FrameTextRect.Left - extra;
    else
      tx -= 2;
  }
  p.save();
  p.setClipRect(ToQRect(r));
  p.setPen(ToQColor(data.FontColor));
  p.drawText(QRect(tx, ty, tw + 2, th), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
             caption_);
  p.restore();
  if (!image.isNull()) p.drawImage(ix, r.Top + RectHeight(r) / 2 - image.height() / 2, image);
}

void TskSkinPanel::DrawDefaultImage(QImage& bitmap) {
  QPainter p(&bitmap);
  const QRect all = bitmap.rect();
  p.fillRect(all, SysColour(scBtnFace));
  switch (border_style_) {
    case bvFrame:
      Frame3D(p, all, SysColour(scBtnShadow), SysColour(scBtnShadow));
      break;
    case bvRaised:
      Frame3D(p, all, SysColour(scBtnHighlight), SysColour(scBtnShadow));
      break;
    case bvLowered:
      Frame3D(p, all, SysColour(scBtnShadow), SysColour(scBtnHighlight));
      break;
    case bvNone:
      break;
  }
  if (!caption_mode_) return;
  QRect band;
  if (border_style_ == bvFrame) {
    band = QRect(0, 0, width(), default_caption_height_);
    Frame3D(p, band, SysColour(scBtnShadow), SysColour(scBtnShadow));
    Frame3D(p, band.adjusted(1, 1, -1, -1), SysColour(scBtnHighlight), SysColour(scBtnFace));
  } else {
    band = QRect(1, 1, width() - 2, default_caption_height_ - 1);
    Frame3D(p, band, SysColour(scBtnShadow), SysColour(scBtnHighlight));
    Frame3D(p, band.adjusted(1, 1, -1, -1), SysColour(scBtnHighlight), SysColour(scBtnShadow));
  }
  DrawDefaultCaption(p, band);
}

void TskSkinPanel::DrawDefaultCaption(QPainter& p, const QRect& band) {
  TRect r = FromQRect(band);
  if (checked_mode_) {
    const int y = r.Top + RectHeight(r) / 2 - 7;
    const QRect box(r.Left + 5, y, 14, 14);
    p.fillRect(box, SysColour(kWindowColour));
    Frame3D(p, box, SysColour(scBtnShadow), SysColour(scBtnShadow));
    if (checked_) DrawGlyph(p, gkCheckMark, box.left() + 3, box.top() + 2, SystemColour(scBtnText));
    r.Left += 20;
  }
  if (roll_up_mode_) {
    r.Right -= kMarkerWidth;
    DrawArrowMark(p, Bounds(r.Right, r.Top, kMarkerWidth, RectHeight(r)), SystemColour(scBtnText),
                  roll_up_state_ ? adDown : adUp);
  }
  if (caption_.isEmpty()) return;
  p.setFont(ToQFont(DefaultFont()));
  const int tw = MeasureTextWidth(p, caption_);
  const QImage image = CaptionImage();
  const int contentWidth = tw + (image.isNull() ? 0 : image.width() + spacing_);
  int x = r.Left + 2;
  if (default_alignment_ == taRightJustify)
    x = r.Right - contentWidth;
  else if (default_alignment_ == taCenter)
    x = r.Left + 2 + RectWidth(r) / 2 - contentWidth / 2;
  if (!image.isNull()) {
    p.drawImage(x, r.Top + RectHeight(r) / 2 - image.height() / 2, image);
    x += image.width() + spacing_;
  }
  p.setPen(ToQColor(DefaultFont().Color));
  p.drawText(QRect(x, r.Top, tw + 2, RectHeight(r)),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

// ---- events ----

void TskSkinPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && caption_mode_ && (checked_mode_ || roll_up_mode_)) {
    const TRect area =
        DataIndex() != -1 ? CaptionRect() : TRect{1, 1, width() - 1, default_caption_height_};
    const QPoint at = event->position().toPoint();
    if (area.Contains({at.x(), at.y()})) {
      if (checked_mode_) SetChecked(!checked_);
      if (roll_up_mode_) SetRollUpState(!roll_up_state_);
    }
  }
  TskSkinCustomControl::mouseReleaseEvent(event);
}

void TskSkinPanel::changeEvent(QEvent* event) {
  TskSkinCustomControl::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) update();
}

void TskSkinPanel::moveEvent(QMoveEvent* event) {
  TskSkinCustomControl::moveEvent(event);
  if (transparent_mode_) {
    update();
    NotifyChildrenBackground();
  }
}

}  // namespace lumora
