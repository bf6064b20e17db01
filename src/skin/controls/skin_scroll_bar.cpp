#include "skin/controls/skin_scroll_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

#include "skin/controls/default_box.h"
#include "skin/data/control_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/vector_glyphs.h"

namespace lumora {

namespace {

constexpr TColor kBlack = 0;

}  // namespace

TskSkinScrollBar::TskSkinScrollBar(QWidget* parent) : TskSkinCustomControl(parent) {
  SetSkinDataName("hscrollbar");
  SetDefaultHeight(19);
  resize(200, 19);
  setMouseTracking(true);
  repeat_timer_.setTimerType(Qt::PreciseTimer);
  repeat_timer_.callOnTimeout(this, [this] { RepeatTick(); });
}

void TskSkinScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  update();
}

void TskSkinScrollBar::SetMin(int min) {
  ApplyScrollMin(values_, min);
  update();
}

void TskSkinScrollBar::SetMax(int max) {
  ApplyScrollMax(values_, max);
  update();
}

void TskSkinScrollBar::SetPosition(int position) {
  const int clamped = ClampScrollPosition(values_, position);
  if (clamped == values_.Position) return;
  values_.Position = clamped;
  update();
  if (OnChange) OnChange();
}

void TskSkinScrollBar::SetPageSize(int page) {
  ApplyScrollPageSize(values_, page);
  update();
}

void TskSkinScrollBar::SetRangeAll(int min, int max, int page, int position) {
  ApplyScrollRange(values_, min, max, page, position);
  update();
}

void TskSkinScrollBar::SetSmallChange(int step) {
  small_change_ = step;
  update();
}

void TskSkinScrollBar::SetLargeChange(int step) {
  large_change_ = step;
  update();
}

void TskSkinScrollBar::SetCanFocused(bool on) {
  can_focused_ = on;
  setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void TskSkinScrollBar::SetBoth(bool on) {
  if (on == both_) return;
  both_ = on;
  if (on) {
    saved_skin_data_name_ = SkinDataName();
    SetSkinDataName(both_skin_data_name_);
  } else if (!saved_skin_data_name_.empty()) {
    SetSkinDataName(saved_skin_data_name_);
  }
  if (DataIndex() == -1)
    update();
  else
    ApplySkinChange();
}

void TskSkinScrollBar::SetBothMarkerWidth(int width) {
  if (width < 0) return;
  both_marker_width_ = width;
  if (DataIndex() == -1) update();
}

void TskSkinScrollBar::ResolveSkinData() {
  TskSkinCustomControl::ResolveSkinData();
  const auto* data = DataAs<TskDataSkinScrollBarControl>();
  has_looks_ = data != nullptr;
  if (data != nullptr) looks_ = ScrollBarLooksOf(*data);
}

TskScrollParts TskSkinScrollBar::Parts() const {
  TskScrollBarSkinFrame skin{Frame().SkinRect, Frame().RTPoint, Frame().LBPoint, &looks_};
  TskScrollBarShape shape;
  shape.Vertical = Vertical();
  shape.Width = width();
  shape.Height = height();
  shape.Both = both_;
  shape.BothMarkerWidth = both_marker_width_;
  shape.Values = values_;
  shape.Skin = Skinned() ? &skin : nullptr;
  return ComputeScrollParts(shape);
}

// ---- painting ----

void TskSkinScrollBar::DrawDefaultImage(QImage& bitmap) {
  bitmap.fill(ToQColor(SystemColour(scBtnFace)));
  const TskScrollParts parts = Parts();
  QPainter p(&bitmap);
  for (TskScrollPart arrow : {spDecrease, spIncrease}) {
    const bool hot = hot_part_ == arrow;
    const TskBoxLook look = captured_part_ == arrow && hot ? bxPressed : hot ? bxHot : bxNormal;
    DrawDefaultBox(p, parts.Part[arrow], look);
    const int dir = Vertical() ? (arrow == spDecrease ? adUp : adDown)
                               : (arrow == spDecrease ? adLeft : adRight);
    DrawArrowMark(p, parts.Part[arrow], kBlack, dir);
  }
  if (!isEnabled()) return;
  const bool pressed = dragging_ || captured_part_ == spThumb || (can_focused_ && hasFocus());
  DrawDefaultBox(p, parts.Part[spThumb],
                 pressed                ? bxPressed
                 : hot_part_ == spThumb ? bxHot
                                        : bxNormal);
}

void TskSkinScrollBar::DrawSkinImage(QImage& bitmap) {
  TskSkinCustomControl::DrawSkinImage(bitmap);
  const QImage* picture = Frame().Picture;
  if (!has_looks_ || picture == nullptr) return;
  const TskScrollParts parts = Parts();
  QPainter p(&bitmap);
  auto arrow = [&](TskScrollPart part, const TRect& down, const TRect& active) {
    if (hot_part_ != part) return;
    const TRect& source = captured_part_ == part ? down : active;
    if (!source.IsEmpty()) p.drawImage(ToQRect(parts.Part[part]), *picture, ToQRect(source));
  };
  arrow(spIncrease, looks_.DownUpButtonRect, looks_.ActiveUpButtonRect);
  arrow(spDecrease, looks_.DownDownButtonRect, looks_.ActiveDownButtonRect);
  p.end();
  if (isEnabled()) PaintThumbSkinned(bitmap, parts);
}

void TskSkinScrollBar::PaintThumbSkinned(QImage& bitmap, const TskScrollParts& parts) {
  const QImage& picture = *Frame().Picture;
  const bool down = dragging_ || (can_focused_ && hasFocus());
  const bool hot = hot_part_ == spThumb;
  const TRect source = down  ? looks_.DownThumbRect
                       : hot ? looks_.ActiveThumbRect
                             : looks_.ThumbRect;
  const TRect glyph = down ? looks_.DownGlyphRect : hot ? looks_.ActiveGlyphRect : looks_.GlyphRect;
  const TRect& thumb = parts.Part[spThumb];
  if (source.IsEmpty() || thumb.IsEmpty()) return;

  QImage image;
  if (values_.PageSize != 0 || looks_.ThumbMinPageSize != 0) {
    const int length = Vertical() ? thumb.Height() : thumb.Width();
    if (Vertical())
      DrawThreePartVert(picture, source, looks_.ThumbOffset1, looks_.ThumbOffset2,
                        looks_.ThumbStretchEffect, length, image);
    else
      DrawThreePartHorz(picture, source, looks_.ThumbOffset1, looks_.ThumbOffset2,
                        looks_.ThumbStretchEffect, length, image);
  } else {
    image = picture.copy(ToQRect(source));
  }
  if (looks_.ThumbTransparent)
    image = TransparentPiece(image, {0, 0, image.width(), image.height()},
                             ToQColor(looks_.ThumbTransparentColor).rgb());

  const int along = Vertical() ? image.height() : image.width();
  const int glyphAlong = Vertical() ? glyph.Height() : glyph.Width();
  if (!glyph.IsEmpty() && glyphAlong < along) {
    const QImage g =
        looks_.GlyphTransparent
            ? TransparentPiece(picture, glyph, ToQColor(looks_.GlyphTransparentColor).rgb())
            : picture.copy(ToQRect(glyph));
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter gp(&image);
    gp.drawImage((image.width() - g.width()) / 2, (image.height() - g.height()) / 2, g);
  }
  QPainter p(&bitmap);
  p.setClipRect(ToQRect(thumb));
  p.drawImage(thumb.Left, thumb.Top, image);
}

// ---- mouse ----

void TskSkinScrollBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    TskSkinCustomControl::mousePressEvent(event);
    return;
  }
  if (can_focused_ && !hasFocus()) {
    setFocus(Qt::MouseFocusReason);
    if (!hasFocus()) return;
  }
  mouse_held_ = true;
  repeat_action_ = raNone;
  first_tick_ = true;
  const TPoint at{event->position().toPoint().x(), event->position().toPoint().y()};
  last_pointer_ = at;
  const TskScrollParts parts = Parts();
  const TskScrollPart part = ScrollPartAt(parts, at);
  QPointer<TskSkinScrollBar> guard(this);
  if (part != spNone) {
    captured_part_ = part;
    hot_part_ = part;
    update();
    if (part == spThumb) {
      drag_origin_ = Along(at);
      drag_offset_ = parts.ThumbOffset;
      dragging_ = true;
      return;
    }
    repeat_action_ = part == spIncrease ? raLineInc : raLineDec;
    StartRepeat(kFirstRepeatDelay);
    Step(repeat_action_);
    return;
  }
  if (!parts.Track.Contains(at)) return;
  repeat_action_ = Along(at) < Along({parts.Part[spThumb].Left, parts.Part[spThumb].Top})
                       ? raPageDec
                       : raPageInc;
  StartRepeat(kFirstRepeatDelay);
  Step(repeat_action_);
}

void TskSkinScrollBar::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}

void TskSkinScrollBar::Step(TRepeatAction action) {
  QPointer<TskSkinScrollBar> guard(this);
  switch (action) {
    case raLineInc:
      if (OnUpButtonClick)
        OnUpButtonClick();
      else
        SetPosition(values_.Position + small_change_);
      break;
    case raLineDec:
      if (OnDownButtonClick)
        OnDownButtonClick();
      else
        SetPosition(values_.Position - small_change_);
      break;
    case raPageDec:
      SetPosition(values_.Position - large_change_);
      if (guard && OnPageUp) OnPageUp();
      break;
    case raPageInc:
      SetPosition(values_.Position + large_change_);
      if (guard && OnPageDown) OnPageDown();
      break;
    case raNone:
      break;
  }
}

void TskSkinScrollBar::StartRepeat(int interval) {
  repeat_timer_.start(interval);
}

void TskSkinScrollBar::RepeatTick() {
  if (first_tick_) {
    first_tick_ = false;
    StartRepeat(kRepeatInterval);
    return;
  }
  if (repeat_action_ == raPageDec || repeat_action_ == raPageInc) {
    // Paging stops once the thumb has reached the pointer.
    const TskScrollParts parts = Parts();
    const TRect& thumb = parts.Part[spThumb];
    const int at = Along(last_pointer_);
    const bool before = at < (Vertical() ? thumb.Top : thumb.Left);
    const bool past = at >= (Vertical() ? thumb.Bottom : thumb.Right);
    if ((repeat_action_ == raPageDec && !before) || (repeat_action_ == raPageInc && !past)) {
      repeat_timer_.stop();
      return;
    }
  }
  Step(repeat_action_);
}

void TskSkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
  const TPoint at{event->position().toPoint().x(), event->position().toPoint().y()};
  last_pointer_ = at;
  const TskScrollParts parts = Parts();
  TskScrollPart part = ScrollPartAt(parts, at);
  if (captured_part_ != spNone && part != captured_part_) part = spNone;
  SetHotPart(part);
  if (dragging_)
    SetPosition(ScrollPositionFromDrag(parts, values_, Along(at) - drag_origin_, drag_offset_));
}

void TskSkinScrollBar::SetHotPart(TskScrollPart part) {
  if (part == hot_part_) return;
  const TskScrollPart old = hot_part_;
  hot_part_ = part;
  const auto pressedArrow = [this](TskScrollPart p) {
    return p != spNone && p != spThumb && p == captured_part_;
  };
  if (pressedArrow(old)) repeat_timer_.stop();
  if (pressedArrow(part)) StartRepeat(kRepeatInterval);
  update();
}

void TskSkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
  mouse_held_ = false;
  if (repeat_action_ == raPageDec || repeat_action_ == raPageInc) repeat_timer_.stop();
  const bool wasThumb = captured_part_ == spThumb;
  Release();
  if (event->button() == Qt::LeftButton && wasThumb && OnLastChange) OnLastChange();
}

void TskSkinScrollBar::Release() {
  if (captured_part_ == spNone) return;
  if (captured_part_ == spThumb)
    dragging_ = false;
  else
    repeat_timer_.stop();
  captured_part_ = spNone;
  const TPoint at = last_pointer_;
  if (hot_part_ != ScrollPartAt(Parts(), at)) hot_part_ = spNone;
  update();
}

void TskSkinScrollBar::leaveEvent(QEvent* event) {
  TskSkinCustomControl::leaveEvent(event);
  if (captured_part_ == spNone && !dragging_ && hot_part_ != spNone) {
    hot_part_ = spNone;
    update();
  }
  if (mouse_held_ && repeat_action_ == raPageInc) repeat_timer_.stop();
}

// ---- keys, wheel, focus ----

void TskSkinScrollBar::keyPressEvent(QKeyEvent* event) {
  if (!can_focused_) {
    TskSkinCustomControl::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      SetPosition(values_.Position - small_change_);
      return;
    case Qt::Key_Right:
    case Qt::Key_Down:
      SetPosition(values_.Position + small_change_);
      return;
    default:
      TskSkinCustomControl::keyPressEvent(event);
  }
}

void TskSkinScrollBar::wheelEvent(QWheelEvent* event) {
  if (!can_focused_ || !hasFocus()) {
    event->ignore();
    return;
  }
  const int delta = event->angleDelta().y();
  SetPosition(values_.Position + (delta <= 0 ? small_change_ : -small_change_));
  event->accept();
}

void TskSkinScrollBar::focusInEvent(QFocusEvent* event) {
  TskSkinCustomControl::focusInEvent(event);
  update();
}

void TskSkinScrollBar::focusOutEvent(QFocusEvent* event) {
  TskSkinCustomControl::focusOutEvent(event);
  update();
}

void TskSkinScrollBar::changeEvent(QEvent* event) {
  TskSkinCustomControl::changeEvent(event);
  // A bar disabled in the middle of a press lets it go.
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    mouse_held_ = false;
    repeat_timer_.stop();
    repeat_action_ = raNone;
    Release();
  }
}

}  // namespace lumora
