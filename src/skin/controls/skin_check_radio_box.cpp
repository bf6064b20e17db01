#include "skin/controls/skin_check_radio_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "skin/controls/parent_background.h"
#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/skin_text.h"
#include "skin/draw/vector_glyphs.h"

namespace lumora {

namespace {

constexpr TColor kNavy = 8388608;
constexpr TColor kBlack = 0;
constexpr int kGrayText = 17;
constexpr int kBox = 14;
constexpr int kUnskinnedTextX = 22;

// A piece of the skin picture with its bottom-left colour transparent.
QImage Keyed(const QImage& picture, const TRect& r) {
  if (IsNullRect(r)) return {};
  return StripFrameImage(picture.copy(ToQRect(r)), 1, 1);
}

void FocusRect(QPainter& p, const QRect& r, const QColor& colour) {
  p.save();
  QPen pen(colour);
  pen.setStyle(Qt::DotLine);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.restore();
}

}  // namespace

TskSkinCheckRadioBox::TskSkinCheckRadioBox(QWidget* parent) : TskSkinCustomControl(parent) {
  SetSkinDataName("checkbox");
  resize(150, 25);
  setMouseTracking(true);
  UpdateFocusPolicy();
}

// ---- properties ----

void TskSkinCheckRadioBox::SetCaption(const QString& caption) {
  caption_ = caption;
  SetAccelerator(caption);
  update();
}

void TskSkinCheckRadioBox::AcceleratorPressed() {
  if (!can_focused_ || !isEnabled() || !isVisible()) return;
  setFocus(Qt::ShortcutFocusReason);
  ToggleCheck();
}

void TskSkinCheckRadioBox::SetChecked(bool checked) {
  QPointer<TskSkinCheckRadioBox> guard(this);
  checked_ = checked;
  if (checked || state_ == cbChecked) state_ = checked ? cbChecked : cbUnchecked;
  update();
  if (checked && group_index_ != 0 && parentWidget() != nullptr) {
    for (QObject* sibling : parentWidget()->children()) {
      auto* other = dynamic_cast<TskSkinCheckRadioBox*>(sibling);
      if (other != nullptr && other != this && other->group_index_ == group_index_ &&
          other->checked_)
        other->SetChecked(false);
    }
  }
  if (guard && !(radio_ && !checked) && OnClick) OnClick();
}

void TskSkinCheckRadioBox::SetState(TCheckBoxState state) {
  state_ = state;
  checked_ = state == cbChecked;
  update();
  if (OnClick) OnClick();
}

void TskSkinCheckRadioBox::ToggleCheck() {
  if (!radio_)
    SetChecked(!checked_);
  else if (!checked_)
    SetChecked(true);
}

void TskSkinCheckRadioBox::SetAction(QAction* action, bool onlyDefaults) {
  action_.Set(
      this, action,
      [this](QAction& a, bool defaultsOnly) {
        SetCaption(a.text());
        // Only a real change is assigned: a new caption of the action is no click.
        const bool checked = a.isChecked();
        if ((!defaultsOnly || !checked_) && checked != checked_) SetChecked(checked);
      },
      onlyDefaults);
}

void TskSkinCheckRadioBox::SetAllowGrayed(bool on) {
  allow_grayed_ = on;
  update();
}

void TskSkinCheckRadioBox::SetRadio(bool on) {
  radio_ = on;
  update();
}

void TskSkinCheckRadioBox::SetFlat(bool on) {
  flat_ = on;
  ApplySkinChange();
}

void TskSkinCheckRadioBox::SetWordWrap(bool on) {
  if (on == word_wrap_) return;
  word_wrap_ = on;
  if (flat_) update();
}

void TskSkinCheckRadioBox::SetUseSkinFontColor(bool on) {
  use_skin_font_color_ = on;
  update();
}

void TskSkinCheckRadioBox::SetCanFocused(bool on) {
  can_focused_ = on;
  tab_stop_ = on;
  UpdateFocusPolicy();
}

void TskSkinCheckRadioBox::SetTabStop(bool on) {
  tab_stop_ = on;
  UpdateFocusPolicy();
}

void TskSkinCheckRadioBox::UpdateFocusPolicy() {
  if (!can_focused_)
    setFocusPolicy(Qt::NoFocus);
  else
    setFocusPolicy(tab_stop_ ? Qt::StrongFocus : Qt::ClickFocus);
}

void TskSkinCheckRadioBox::SetImages(const std::vector<QImage>* images) {
  images_ = images;
  update();
}

void TskSkinCheckRadioBox::SetImageIndex(int index) {
  image_index_ = index;
  update();
}

// ---- skin ----

const TskDataSkinCheckRadioControl* TskSkinCheckRadioBox::CheckData() const {
  return DataAs<TskDataSkinCheckRadioControl>();
}

bool TskSkinCheckRadioBox::MorphOn() const {
  const auto* data = CheckData();
  return !flat_ && data != nullptr && data->Morphing && SkinEffectsOn();
}

void TskSkinCheckRadioBox::ResolveSkinData() {
  TskSkinCustomControl::ResolveSkinData();
  // A flat box has no window region.
  if (flat_) MutableFrame().MaskPicture = nullptr;
}

void TskSkinCheckRadioBox::CalcSkinSize(int& width, int& height) {
  if (flat_) return;
  TskSkinCustomControl::CalcSkinSize(width, height);
  const auto* data = CheckData();
  if (data == nullptr) return;
  const int dw = width - RectWidth(data->SkinRect);
  text_area_ = data->TextArea;
  text_area_.Right += dw;
  TRect area = data->CheckImageArea;
  if (data->TextArea.Right < data->CheckImageArea.Right) area = area.Offset(dw, 0);
  const int cw = RectWidth(data->CheckImageRect), ch = RectHeight(data->CheckImageRect);
  check_rect_ = Bounds(area.Left + (RectWidth(area) - cw) / 2,
                       area.Top + (RectHeight(area) - ch) / 2, cw, ch);
}

void TskSkinCheckRadioBox::ApplySkinChange() {
  if (!flat_) {
    TskSkinCustomControl::ApplySkinChange();
    return;
  }
  ResolveSkinData();
  update();
}

void TskSkinCheckRadioBox::ParentBackgroundChanged() {
  if (flat_) update();
}

// ---- hot state and morph ----

void TskSkinCheckRadioBox::SetHot(bool hot) {
  if (hot == is_hot_) return;
  is_hot_ = hot;
  StartMorphOrRepaint();
}

void TskSkinCheckRadioBox::StartMorphOrRepaint() {
  if (MorphOn() && DataIndex() != -1)
    fade_.Start();
  else
    update();
}

void TskSkinCheckRadioBox::MorphTick() {
  const bool lit = is_hot_ || hasFocus();
  ResolveSkinData();
  if (DataIndex() == -1 || !MorphOn())
    fade_.Finish(lit);
  else
    fade_.Step(lit);
  update();
}

// ---- painting ----

const QImage* TskSkinCheckRadioBox::Image() const {
  if (images_ == nullptr || image_index_ < 0 ||
      static_cast<size_t>(image_index_) >= images_->size())
    return nullptr;
  const QImage& image = (*images_)[image_index_];
  return image.isNull() ? nullptr : &image;
}

QImage TskSkinCheckRadioBox::CheckPicture(bool hot) const {
  const auto* data = CheckData();
  const QImage* picture = Frame().Picture;
  if (data == nullptr || picture == nullptr) return {};
  const TskCheckImageChoice choice = ChooseCheckImage(*data, isEnabled(), hot, state_);
  if (!choice.Lighten) return Keyed(*picture, choice.Rect);
  TskEffectBmp light(picture->copy(ToQRect(choice.Rect)));
  light.Brightness(0.5);
  return StripFrameImage(light.Image(), 1, 1);
}

void TskSkinCheckRadioBox::DrawUnskinnedMark(QPainter& p, int boxLeft, int boxTop) {
  const QRect box(boxLeft, boxTop, kBox, kBox);
  const QColor frame = ToQColor(is_hot_ ? kNavy : SystemColour(scBtnShadow));
  p.save();
  p.setPen(frame);
  p.setBrush(Qt::NoBrush);
  p.drawRect(box.adjusted(0, 0, -1, -1));
  p.restore();
  const TColor mark = isEnabled() ? kBlack : SystemColour(scBtnShadow);
  const int x = boxLeft + 4, mid = boxTop + 7;
  if (state_ == cbGrayed && !radio_)
    DrawGlyph(p, gkCheckMark, x, mid - 4, SystemColour(kGrayText));
  else if (state_ == cbChecked)
    DrawGlyph(p, radio_ ? gkSmallSquare : gkCheckMark, x, radio_ ? mid - 3 : mid - 4, mark);
}

void TskSkinCheckRadioBox::DrawFlat(QImage& bitmap) {
  QPainter p(&bitmap);
  DrawParentBackground(this, p);
  const auto* data = CheckData();
  const bool skinned = data != nullptr && Frame().Picture != nullptr;
  const int h = height();
  int x = kUnskinnedTextX;
  QColor colour;
  if (skinned) {
    const QImage mark = CheckPicture(is_hot_);
    p.drawImage(3, h / 2 - RectHeight(data->CheckImageRect) / 2, mark);
    x = RectWidth(data->CheckImageRect) + 3 + 4;
    p.setFont(SkinOrOwnFont(data, UseSkinFont(), DefaultFont()));
    colour = ToQColor(isEnabled() ? data->FrameFontColor : data->UnEnabledFontColor);
    if (!use_skin_font_color_) colour = ToQColor(DefaultFont().Color);
  } else {
    DrawUnskinnedMark(p, 3, h / 2 - 7);
    p.setFont(ToQFont(DefaultFont()));
    colour = ToQColor(isEnabled() ? DefaultFont().Color : SystemColour(scBtnShadow));
  }
  QRect focus;
  if (const QImage* image = Image()) {
    QImage shown = *image;
    if (!isEnabled()) shown = shown.convertToFormat(QImage::Format_Grayscale8);
    p.drawImage(x, h / 2 - shown.height() / 2, shown);
    focus = QRect(x, h / 2 - shown.height() / 2, shown.width(), shown.height());
    x += shown.width() + (skinned ? 8 : 5);
  }
  p.setPen(colour);
  if (!caption_.isEmpty()) {
    const int right = word_wrap_ ? width() : width() - 2;
    QRect area(x, 0, std::max(right - x, 0), h);
    const int flags = word_wrap_
                          ? Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextExpandTabs
                          : Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    QRect used;
    p.drawText(area, flags, caption_, &used);
    focus = used.intersected(area);
  }
  if (hasFocus() && !focus.isEmpty()) FocusRect(p, focus.adjusted(-2, -1, 2, 1), colour);
}

void TskSkinCheckRadioBox::DrawLook(QImage& bitmap, bool hot) {
  const auto* data = CheckData();
  const TskControlFrame& f = Frame();
  const QImage look = BuildFrameImage(
      f,
      hot ? (IsNullRect(data->ActiveSkinRect) ? data->SkinRect : data->ActiveSkinRect)
          : data->SkinRect,
      width(), height());
  QPainter p(&bitmap);
  if (!look.isNull()) p.drawImage(0, 0, look);
  const QImage mark = CheckPicture(hot);
  if (!mark.isNull())
    p.drawImage(check_rect_.Left + (RectWidth(check_rect_) - mark.width()) / 2,
                check_rect_.Top + (RectHeight(check_rect_) - mark.height()) / 2, mark);
  p.setFont(SkinOrOwnFont(data, UseSkinFont(), DefaultFont()));
  TColor colour = hot ? data->ActiveFontColor : data->FontColor;
  if (!isEnabled()) colour = data->UnEnabledFontColor;
  p.setPen(ToQColor(colour));
  p.drawText(ToQRect(text_area_), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

void TskSkinCheckRadioBox::DrawSkinImage(QImage& bitmap) {
  const auto* data = CheckData();
  if (data == nullptr || Frame().Picture == nullptr) {
    DrawDefaultImage(bitmap);
    return;
  }
  int w = width(), h = height();
  CalcSkinSize(w, h);
  if (MorphOn() && fade_.Blending()) {
    QImage normal = bitmap, hot = bitmap;
    DrawLook(normal, false);
    DrawLook(hot, true);
    QPainter(&bitmap).drawImage(0, 0, BlendLooks(data->MorphKind, normal, hot, fade_.Progress()));
    return;
  }
  DrawLook(bitmap, is_hot_ || hasFocus());
}

void TskSkinCheckRadioBox::DrawDefaultImage(QImage& bitmap) {
  QPainter p(&bitmap);
  p.fillRect(bitmap.rect(), ToQColor(SystemColour(scBtnFace)));
  if (hasFocus() || is_hot_) {
    p.setPen(ToQColor(SystemColour(scBtnShadow)));
    p.drawRect(bitmap.rect().adjusted(0, 0, -1, -1));
  }
  DrawUnskinnedMark(p, 3, height() / 2 - 7);
  p.setFont(ToQFont(DefaultFont()));
  p.setPen(ToQColor(isEnabled() ? DefaultFont().Color : SystemColour(scBtnShadow)));
  p.drawText(QRect(19, 0, std::max(width() - 19, 0), height()),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

void TskSkinCheckRadioBox::PaintControl(QPainter& canvas) {
  if (!flat_) {
    TskSkinCustomControl::PaintControl(canvas);
    return;
  }
  QImage bitmap = NewBitmap();
  DrawFlat(bitmap);
  canvas.drawImage(0, 0, bitmap);
}

// ---- mouse, keys, focus ----

void TskSkinCheckRadioBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && can_focused_ && !hasFocus()) {
    setFocus(Qt::MouseFocusReason);
    // In a window that is not active yet the focus arrives with the
    // activation; only a refusal in the active window swallows the press.
    if (isActiveWindow() && !hasFocus()) return;
  }
  pointer_inside_ = true;
  SetHot(true);
  TskSkinCustomControl::mousePressEvent(event);
}

void TskSkinCheckRadioBox::mouseReleaseEvent(QMouseEvent* event) {
  QPointer<TskSkinCheckRadioBox> guard(this);
  if (event->button() == Qt::LeftButton && is_hot_ &&
      rect().contains(event->position().toPoint())) {
    if (allow_grayed_ && !radio_ && state_ == cbUnchecked)
      SetState(cbGrayed);
    else
      ToggleCheck();
  }
  if (guard) TskSkinCustomControl::mouseReleaseEvent(event);
}

void TskSkinCheckRadioBox::mouseMoveEvent(QMouseEvent* event) {
  TskSkinCustomControl::mouseMoveEvent(event);
  const bool inside = rect().contains(event->position().toPoint());
  if (inside != pointer_inside_) {
    pointer_inside_ = inside;
    SetHot(inside);
  }
}

void TskSkinCheckRadioBox::enterEvent(QEnterEvent* event) {
  TskSkinCustomControl::enterEvent(event);
  pointer_inside_ = true;
  SetHot(true);
}

void TskSkinCheckRadioBox::leaveEvent(QEvent* event) {
  TskSkinCustomControl::leaveEvent(event);
  pointer_inside_ = false;
  SetHot(false);
}

void TskSkinCheckRadioBox::keyReleaseEvent(QKeyEvent* event) {
  if (can_focused_ && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    ToggleCheck();
    return;
  }
  TskSkinCustomControl::keyReleaseEvent(event);
}

void TskSkinCheckRadioBox::focusInEvent(QFocusEvent* event) {
  TskSkinCustomControl::focusInEvent(event);
  if (flat_)
    update();
  else
    StartMorphOrRepaint();
}

void TskSkinCheckRadioBox::focusOutEvent(QFocusEvent* event) {
  TskSkinCustomControl::focusOutEvent(event);
  if (flat_)
    update();
  else
    StartMorphOrRepaint();
}

void TskSkinCheckRadioBox::changeEvent(QEvent* event) {
  TskSkinCustomControl::changeEvent(event);
  if (event->type() != QEvent::EnabledChange) return;
  if (MorphOn()) fade_.Jump(0);
  is_hot_ = false;
  update();
}

void TskSkinCheckRadioBox::moveEvent(QMoveEvent* event) {
  TskSkinCustomControl::moveEvent(event);
  if (flat_) update();
}

}  // namespace lumora
