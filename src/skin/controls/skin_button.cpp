#include "skin/controls/skin_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/glyph_text.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"

namespace lumora {

namespace {

constexpr TColor kNavy = 8388608;
constexpr TColor kDownFill = 11899781;
constexpr TColor kHotFill = 13811126;
constexpr const char* kDialogKeysName = "lumoraDialogKeys";

// Enter and Escape that reach the window because the focused control did
// not take them go to the window's default or cancel button.
class DialogKeys : public QObject {
 public:
  explicit DialogKeys(QWidget* window) : QObject(window) {
    setObjectName(QString::fromLatin1(kDialogKeysName));
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || watched != parent()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    return TskSkinButton::HandleDialogKey(static_cast<QWidget*>(watched), key->key(),
                                          key->modifiers());
  }
};

}  // namespace

TskSkinButton::TskSkinButton(QWidget* parent) : TskSkinCustomControl(parent) {
  SetSkinDataName("button");
  resize(75, 25);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  // The repeat delays are part of the behaviour; coarse timers may fire early.
  repeat_timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&animation_timer_, &QTimer::timeout, this, [this] { AnimationTick(); });
  QObject::connect(&repeat_timer_, &QTimer::timeout, this, [this] { RepeatTick(); });
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
    focus_connection_ = QObject::connect(app, &QApplication::focusChanged, this,
                                         [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

// ~QWidget moves the focus away from a focused button after this part of it
// is gone; the context object disconnects only later, in ~QObject.
TskSkinButton::~TskSkinButton() {
  QObject::disconnect(focus_connection_);
}

void TskSkinButton::SetCaption(const QString& caption) {
  caption_ = caption;
  SetAccelerator(caption);
  update();
}

void TskSkinButton::AcceleratorPressed() {
  if (!can_focused_ || !isEnabled() || !isVisible()) return;
  setFocus(Qt::ShortcutFocusReason);
  PerformClick();
}

void TskSkinButton::SetUseSkinSize(bool on) {
  use_skin_size_ = on;
  ApplySkinChange();
}

void TskSkinButton::SetUseSkinFontColor(bool on) {
  use_skin_font_color_ = on;
  update();
}

void TskSkinButton::SetGroupIndex(int index) {
  group_index_ = index;
  if (index != 0) SetCanFocused(false);
}

void TskSkinButton::SetCanFocused(bool on) {
  can_focused_ = on;
  setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void TskSkinButton::SetDefault(bool on) {
  default_ = on;
  InstallDialogKeys();
  if (can_focused_) FocusChanged(QApplication::focusWidget());
}

void TskSkinButton::SetCancel(bool on) {
  cancel_ = on;
  InstallDialogKeys();
}

void TskSkinButton::SetGlyph(const QImage& glyph) {
  glyph_ = glyph;
  update();
}

void TskSkinButton::SetNumGlyphs(int n) {
  num_glyphs_ = std::clamp(n, 1, 4);
  update();
}

void TskSkinButton::SetMargin(int margin) {
  if (margin < -1 || margin == margin_) return;
  margin_ = margin;
  update();
}

void TskSkinButton::SetSpacing(int spacing) {
  if (spacing == spacing_) return;
  spacing_ = spacing;
  update();
}

void TskSkinButton::SetLayout(TskButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  update();
}

void TskSkinButton::SetImageList(const std::vector<QImage>* images) {
  image_list_ = images;
  update();
}

void TskSkinButton::SetImageIndex(int index) {
  if (index == image_index_) return;
  image_index_ = index;
  update();
}

bool TskSkinButton::Focused() const {
  return can_focused_ && hasFocus();
}

bool TskSkinButton::MorphOn() const {
  const auto* data = DataAs<TskDataSkinButtonControl>();
  return data != nullptr && data->Morphing && SkinEffectsOn();
}

TskButtonState TskSkinButton::State() const {
  TskButtonState s;
  s.Enabled = isEnabled();
  s.Down = down_;
  s.Hot = is_hot_;
  s.Focused = Focused();
  s.MousePressed = mouse_pressed_;
  s.Grouped = group_index_ != 0;
  s.MorphOn = MorphOn();
  s.MorphProgress = fade_.Progress();
  s.Animating = animation_timer_.isActive();
  return s;
}

void TskSkinButton::SetDown(bool down) {
  down_ = down;
  if (MorphOn()) {
    if (down)
      fade_.Jump(1);
    else
      fade_.Start();
  }
  update();
  if (group_index_ == 0 || !down || allow_all_up_ || parentWidget() == nullptr) return;
  for (QObject* sibling : parentWidget()->children()) {
    auto* other = dynamic_cast<TskSkinButton*>(sibling);
    if (other != nullptr && other != this && other->group_index_ == group_index_ && other->down_)
      other->SetDown(false);
  }
}

void TskSkinButton::SetAction(QAction* action) {
  action_.Set(this, action, [this](QAction& a, bool) { SetCaption(a.text()); });
}

void TskSkinButton::PerformClick() {
  if (can_focused_ && window() != nullptr) window()->setProperty("ModalResult", modal_result_);
  if (OnClick)
    OnClick();
  else if (QAction* action = action_.Get())
    action->trigger();
}

// ---- sizing and skin change ----

void TskSkinButton::CalcSkinSize(int& width, int& height) {
  if (DataIndex() == -1) return;
  if (use_skin_size_ || Frame().SizingMode == smNinePart) {
    TskSkinCustomControl::CalcSkinSize(width, height);
    return;
  }
  TskControlFrame& f = MutableFrame();
  f.NewClRect = f.ClientRect;
  f.NewClRect.Right += width - RectWidth(f.SkinRect);
  f.NewClRect.Bottom += height - RectHeight(f.SkinRect);
}

void TskSkinButton::ApplySkinChange() {
  fade_.Jump(0);
  StopAnimation();
  TskSkinCustomControl::ApplySkinChange();
  if (MorphOn() && DataIndex() != -1 && (Focused() || is_hot_)) fade_.Jump(1);
}

// ---- painting ----

QFont TskSkinButton::CaptionFont() const {
  return SkinOrOwnFont(DataAs<TskDataSkinButtonControl>(), UseSkinFont(), DefaultFont());
}

QColor TskSkinButton::CaptionColour(bool active, bool down) const {
  const auto* data = DataAs<TskDataSkinButtonControl>();
  if (isEnabled() && (!use_skin_font_color_ || data == nullptr))
    return ToQColor(DefaultFont().Color);
  if (data == nullptr) return ToQColor(SystemColour(scBtnShadow));
  if (!isEnabled()) return ToQColor(DisabledFontColorOf(*data));
  if (active && down) return ToQColor(data->DownFontColor);
  if (active) return ToQColor(data->ActiveFontColor);
  return ToQColor(data->FontColor);
}

void TskSkinButton::DrawFace(QPainter& p, const TRect& area, bool active, bool down) {
  TskFaceContent content;
  content.caption = caption_;
  content.layout = layout_;
  content.margin = margin_;
  content.spacing = spacing_;
  content.pressed = active && down;
  content.enabled = isEnabled();
  p.setFont(CaptionFont());
  p.setPen(CaptionColour(active, down));
  if (image_list_ != nullptr && image_index_ >= 0 &&
      static_cast<size_t>(image_index_) < image_list_->size()) {
    DrawGlyphAndText(p, area, *image_list_, image_index_, content);
    return;
  }
  int cell = 1;
  if (active && down && num_glyphs_ > 2)
    cell = 3;
  else if (active && num_glyphs_ > 3)
    cell = 4;
  else if (!isEnabled() && num_glyphs_ >= 2)
    cell = 2;
  DrawGlyphAndText(p, area, glyph_, cell, num_glyphs_, content);
}

void TskSkinButton::DrawStateImage(QImage& bitmap, const TRect& look, bool active, bool down) {
  int w = width(), h = height();
  CalcSkinSize(w, h);
  const TskControlFrame& f = Frame();
  QPainter p(&bitmap);
  if (use_skin_size_ || f.SizingMode == smNinePart) {
    const QImage image = BuildFrameImage(f, look, bitmap.width(), bitmap.height());
    if (!image.isNull()) p.drawImage(0, 0, image);
  } else if (f.Picture != nullptr && f.SizingMode == smFixed) {
    p.drawImage(bitmap.rect(), *f.Picture, ToQRect(look));
  } else if (f.Picture != nullptr) {
    p.drawImage(
        0, 0,
        StretchedAroundClient(*f.Picture, look, f.ClientRect, bitmap.width(), bitmap.height()));
  }
  const auto* data = DataAs<TskDataSkinButtonControl>();
  if (data != nullptr && data->ShowFocus && hasFocus()) {
    p.setBrush(ToQColor(SkinData()->SkinColors().cBtnFace));
    QPen pen(Qt::DotLine);
    p.setPen(pen);
    p.drawRect(ToQRect(f.NewClRect).adjusted(0, 0, -1, -1));
    p.setBrush(Qt::NoBrush);
  }
  bool drawDefault = true;
  if (OnPaint) OnPaint(p, f.NewClRect, drawDefault, active, down);
  if (drawDefault) DrawFace(p, f.NewClRect, active, down);
}

void TskSkinButton::DrawSkinImage(QImage& bitmap) {
  const auto* data = DataAs<TskDataSkinButtonControl>();
  if (data == nullptr) {
    DrawDefaultImage(bitmap);
    return;
  }
  const TskButtonLooks looks = ButtonLooksOf(*data);
  if (MorphOn() && fade_.Blending() && isEnabled()) {
    QImage normal = bitmap, hot = bitmap;
    DrawStateImage(normal, looks.Normal, false, false);
    DrawStateImage(hot, looks.Hot, true, false);
    QPainter(&bitmap).drawImage(0, 0, BlendLooks(data->MorphKind, normal, hot, fade_.Progress()));
    return;
  }
  const TskButtonLookChoice choice =
      ChooseButtonLook(State(), !IsNullRect(looks.Focused), !IsNullRect(looks.Disabled));
  TRect look = looks.For(choice.Look);
  const TRect cell = AnimationCell();
  if (!IsNullRect(cell) && (choice.Look == blNormal || choice.Look == blHot)) look = cell;
  DrawStateImage(bitmap, look, choice.Active, choice.Pressed);
}

void TskSkinButton::DrawDefaultImage(QImage& bitmap) {
  const TskButtonState s = State();
  const bool pressed = s.Down && (s.Grouped || s.Hot || (s.Focused && !s.MousePressed));
  TColor frame = SystemColour(scBtnShadow), fill = SystemColour(scBtnFace);
  if (pressed) {
    frame = kNavy;
    fill = kDownFill;
  } else if (s.Hot || s.Focused) {
    frame = kNavy;
    fill = kHotFill;
  }
  QPainter p(&bitmap);
  p.fillRect(bitmap.rect(), ToQColor(frame));
  const QRect inner = bitmap.rect().adjusted(1, 1, -1, -1);
  p.fillRect(inner, ToQColor(fill));
  bool drawDefault = true;
  const TRect area = FromQRect(inner);
  if (OnPaint) OnPaint(p, area, drawDefault, s.Hot, pressed);
  if (drawDefault) DrawFace(p, area, s.Hot || pressed, pressed);
}

// ---- morph and frame animation ----

void TskSkinButton::StartMorphOrRepaint() {
  if (MorphOn() && DataIndex() != -1)
    fade_.Start();
  else
    update();
}

void TskSkinButton::MorphTick() {
  const bool lit = is_hot_ || Focused();
  ResolveSkinData();
  if (DataIndex() == -1 || !MorphOn())
    fade_.Finish(lit);
  else
    fade_.Step(lit);
  update();
}

TRect TskSkinButton::AnimationCell() const {
  const auto* data = DataAs<TskDataSkinButtonControl>();
  if (data == nullptr || animation_frame_ < 1 || data->FrameCount < 1 ||
      IsNullRect(data->AnimateSkinRect))
    return {};
  const TRect& a = data->AnimateSkinRect;
  const bool sideBySide = RectWidth(a) > RectWidth(data->SkinRect);
  const int frame = std::min(animation_frame_, static_cast<int>(data->FrameCount));
  if (sideBySide) {
    const int step = RectWidth(a) / data->FrameCount;
    return {a.Left + (frame - 1) * step, a.Top, a.Left + frame * step, a.Bottom};
  }
  const int step = RectHeight(a) / data->FrameCount;
  return {a.Left, a.Top + (frame - 1) * step, a.Right, a.Top + frame * step};
}

void TskSkinButton::StartAnimation(bool forward) {
  const auto* data = DataAs<TskDataSkinButtonControl>();
  if (data == nullptr || !SkinEffectsOn() || IsNullRect(data->AnimateSkinRect) ||
      data->FrameCount < 1)
    return;
  animation_forward_ = forward;
  animation_frame_ = forward ? 1 : data->FrameCount;
  animation_timer_.start(std::max(1, static_cast<int>(data->AnimateInterval)));
  update();
}

void TskSkinButton::StopAnimation() {
  animation_timer_.stop();
  animation_frame_ = 0;
}

void TskSkinButton::AnimationTick() {
  const auto* data = DataAs<TskDataSkinButtonControl>();
  if (data == nullptr) {
    StopAnimation();
    return;
  }
  animation_frame_ += animation_forward_ ? 1 : -1;
  if (animation_frame_ > data->FrameCount || animation_frame_ < 1) StopAnimation();
  update();
}

// ---- repeat ----

void TskSkinButton::StartRepeat() {
  repeating_ = false;
  repeat_timer_.start(kFirstRepeatDelay);
}

void TskSkinButton::RepeatTick() {
  if (!repeating_) {
    repeating_ = true;
    repeat_timer_.setInterval(std::max(1, repeat_interval_));
    return;
  }
  PerformClick();
}

// ---- mouse ----

void TskSkinButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    TskSkinCustomControl::mousePressEvent(event);
    return;
  }
  if (can_focused_ && !hasFocus()) {
    setFocus(Qt::MouseFocusReason);
    // In a window that is not active yet the focus arrives with the
    // activation; only a refusal in the active window swallows the press.
    if (isActiveWindow() && !hasFocus()) return;
  }
  TskSkinCustomControl::mousePressEvent(event);
  StopAnimation();
  mouse_pressed_ = true;
  pointer_inside_ = true;
  if (!down_) {
    is_hot_ = true;
    SetDown(true);
    if (repeat_mode_ && group_index_ == 0)
      StartRepeat();
    else if (group_index_ != 0)
      PerformClick();
    pressed_while_down_ = false;
  } else if (group_index_ != 0) {
    pressed_while_down_ = true;
  }
}

void TskSkinButton::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}

void TskSkinButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    TskSkinCustomControl::mouseReleaseEvent(event);
    return;
  }
  QPointer<TskSkinButton> guard(this);
  const bool wasPressed = mouse_pressed_;
  mouse_pressed_ = false;
  const bool inside = rect().contains(event->position().toPoint());
  if (group_index_ == 0) {
    if (inside && is_hot_) {
      const bool wasDown = down_;
      SetDown(false);
      StopRepeat();
      if (wasDown && wasPressed) PerformClick();
    } else {
      down_ = false;
      StopRepeat();
      update();
    }
  } else if (down_ && allow_all_up_ && pressed_while_down_ && inside) {
    SetDown(false);
    PerformClick();
  }
  if (guard) TskSkinCustomControl::mouseReleaseEvent(event);
}

void TskSkinButton::mouseMoveEvent(QMouseEvent* event) {
  TskSkinCustomControl::mouseMoveEvent(event);
  // While the button is held, Qt keeps the mouse on it and reports no
  // leaving; the position tells.
  const bool inside = rect().contains(event->position().toPoint());
  if (inside && !pointer_inside_)
    PointerEntered();
  else if (!inside && pointer_inside_)
    PointerLeft();
}

void TskSkinButton::enterEvent(QEnterEvent* event) {
  TskSkinCustomControl::enterEvent(event);
  if (!pointer_inside_) PointerEntered();
}

void TskSkinButton::leaveEvent(QEvent* event) {
  TskSkinCustomControl::leaveEvent(event);
  if (pointer_inside_) PointerLeft();
}

void TskSkinButton::PointerEntered() {
  pointer_inside_ = true;
  is_hot_ = true;
  const bool changes =
      (group_index_ != 0 && !down_) || (group_index_ == 0 && (!Focused() || down_));
  if (changes) {
    if (down_) {
      if (MorphOn()) fade_.Jump(1);
      update();
    } else {
      StartAnimation(true);
      StartMorphOrRepaint();
    }
  }
  if (mouse_pressed_ && down_ && repeat_mode_ && group_index_ == 0) StartRepeat();
}

void TskSkinButton::PointerLeft() {
  pointer_inside_ = false;
  const bool defaultHighlight = can_focused_ && default_ && default_active_ && !hasFocus();
  if (!defaultHighlight) is_hot_ = false;
  const bool changes =
      (group_index_ != 0 && !down_) || (group_index_ == 0 && (!Focused() || down_));
  if (changes) {
    StartAnimation(false);
    StartMorphOrRepaint();
  }
  if (mouse_pressed_) StopRepeat();
}

// ---- keyboard and focus ----

void TskSkinButton::keyPressEvent(QKeyEvent* event) {
  if (!can_focused_) {
    TskSkinCustomControl::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) {
        StopAnimation();
        SetDown(true);
      }
      if (repeat_mode_) PerformClick();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      PerformClick();
      return;
    case Qt::Key_Escape:
      // A held press is let go; the cancel button still sees the key.
      if (down_ && group_index_ == 0) {
        down_ = false;
        update();
      }
      event->ignore();
      return;
    default:
      TskSkinCustomControl::keyPressEvent(event);
  }
}

void TskSkinButton::keyReleaseEvent(QKeyEvent* event) {
  if (can_focused_ && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    if (!down_) return;
    SetDown(false);
    PerformClick();
    return;
  }
  TskSkinCustomControl::keyReleaseEvent(event);
}

void TskSkinButton::focusInEvent(QFocusEvent* event) {
  TskSkinCustomControl::focusInEvent(event);
  if (!can_focused_) return;
  StartAnimation(true);
  StartMorphOrRepaint();
}

void TskSkinButton::focusOutEvent(QFocusEvent* event) {
  TskSkinCustomControl::focusOutEvent(event);
  StopRepeat();
  if (group_index_ == 0 && down_) {
    down_ = false;
    mouse_pressed_ = false;
  }
  if (!can_focused_) return;
  StartAnimation(false);
  StartMorphOrRepaint();
}

void TskSkinButton::changeEvent(QEvent* event) {
  TskSkinCustomControl::changeEvent(event);
  if (event->type() != QEvent::EnabledChange) return;
  if (MorphOn()) fade_.Jump(0);
  is_hot_ = false;
  if (!isEnabled()) {
    StopRepeat();
    mouse_pressed_ = false;
    if (group_index_ == 0) down_ = false;
  }
  update();
}

void TskSkinButton::showEvent(QShowEvent* event) {
  TskSkinCustomControl::showEvent(event);
  InstallDialogKeys();
}

void TskSkinButton::InstallDialogKeys() {
  QWidget* w = window();
  if (w == nullptr || w == this || (!default_ && !cancel_)) return;
  if (w->findChild<QObject*>(QString::fromLatin1(kDialogKeysName), Qt::FindDirectChildrenOnly) ==
      nullptr)
    new DialogKeys(w);
  if (!default_active_ && default_) FocusChanged(QApplication::focusWidget());
}

void TskSkinButton::FocusChanged(QWidget* now) {
  if (now != nullptr && now->window() != window()) return;
  auto* button = dynamic_cast<TskSkinButton*>(now);
  default_active_ = button != nullptr ? button == this : default_;
  if (!default_ || !can_focused_) return;
  if (button != nullptr && button != this) {
    if (is_hot_ && !pointer_inside_) {
      is_hot_ = false;
      update();
    }
  } else if (button == nullptr && !is_hot_) {
    is_hot_ = true;
    if (MorphOn()) fade_.Jump(1);
    update();
  }
}

bool TskSkinButton::HandleDialogKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers) {
  if (window == nullptr) return false;
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  const bool escape = key == Qt::Key_Escape && !(modifiers & Qt::ShiftModifier);
  if (!enter && !escape) return false;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    auto* b = dynamic_cast<TskSkinButton*>(w);
    if (b == nullptr || !b->isVisible() || !b->isEnabled()) continue;
    if ((enter && b->default_active_) || (escape && b->cancel_ && b->can_focused_)) {
      b->PerformClick();
      return true;
    }
  }
  return false;
}

}  // namespace lumora
