#include "skin/controls/skin_edit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "platform/messages.h"
#include "skin/controls/control_popup_menu.h"
#include "skin/controls/default_box.h"
#include "skin/controls/skin_button.h"
#include "skin/data/control_data.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"

namespace lumora {

namespace {

constexpr int kWindowColour = 5;

TRect Inflate(const TRect& r, int by) {
  return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by};
}

}  // namespace

TskSkinEdit::TskSkinEdit(QWidget* parent)
    : QLineEdit(parent),
      link_([this] {
        index_ = -1;
        frame_ = {};
        ApplySkinChange();
      }),
      default_color_(SystemColour(kWindowColour)),
      default_font_{"Arial", 14, 0, 0} {
  setFrame(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFont(ToQFont(default_font_));
  resize(121, 20);
  ApplyColours();
  UpdateMargins();
}

TskSkinEdit::~TskSkinEdit() = default;

void TskSkinEdit::SetSkinData(TskSkinData* value) {
  link_.Set(value);
  if (value != nullptr && !value->Empty()) ApplySkinChange();
}

void TskSkinEdit::Resolve() {
  index_ = link_.HasSkin() ? SkinData()->ControlIndexOf(skin_data_name_) : -1;
  const TskDataSkinControl* data = index_ >= 0 ? SkinData()->Control(index_) : nullptr;
  // Data of another class keeps the values copied before.
  if (dynamic_cast<const TskDataSkinEditControl*>(data) != nullptr)
    frame_ = ReadControlFrame(*SkinData(), *data);
  else if (data == nullptr)
    frame_ = {};
}

const TskDataSkinEditControl* TskSkinEdit::EditData() const {
  if (index_ < 0 || SkinData() == nullptr) return nullptr;
  return dynamic_cast<const TskDataSkinEditControl*>(SkinData()->Control(index_));
}

void TskSkinEdit::ApplySkinChange() {
  Resolve();
  ApplyFont();
  int w = width(), h = height();
  if (!Skinned()) {
    if (default_width_ > 0) w = default_width_;
    if (default_height_ > 0 && use_skin_font_) h = default_height_;
  }
  if (const int forced = ForcedHeight(); forced > 0) h = forced;
  if (w != width() || h != height()) resize(w, h);
  ApplyColours();
  UpdateMargins();
  update();
}

int TskSkinEdit::ForcedHeight() const {
  if (!use_skin_font_) {
    const int metrics = QFontMetrics(font()).height();
    return metrics + (Skinned() ? frame_.SkinRect.Height() - frame_.ClientRect.Height() : 4);
  }
  return Skinned() ? frame_.SkinRect.Height() : -1;
}

void TskSkinEdit::ApplyFont() {
  const TskDataSkinEditControl* d = Skinned() ? EditData() : nullptr;
  if (d != nullptr && use_skin_font_)
    setFont(SkinFontOf(*d));
  else
    setFont(ToQFont(default_font_));
}

void TskSkinEdit::ApplyColours() {
  const TskDataSkinEditControl* d = Skinned() ? EditData() : nullptr;
  QPalette pal = palette();
  // The frame and background are painted first; the text lands on them.
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    pal.setColor(group, QPalette::Base, Qt::transparent);
  TColor text = default_font_.Color;
  if (d != nullptr) text = is_hot_ || hasFocus() ? d->ActiveFontColor : d->FontColor;
  pal.setColor(QPalette::Active, QPalette::Text, ToQColor(text));
  pal.setColor(QPalette::Inactive, QPalette::Text, ToQColor(text));
  pal.setColor(QPalette::Disabled, QPalette::Text,
               ToQColor(d != nullptr ? d->DisabledFontColor : SystemColour(scGrayText)));
  setPalette(pal);
}

TskEditRects TskSkinEdit::Rects() const {
  if (!Skinned()) return ComputeEditRects(width(), height(), button_mode_, use_skin_font_, nullptr);
  const TskDataSkinEditControl* d = EditData();
  TskEditSkinGeometry g{frame_.SkinRect, frame_.ClientRect, d->ButtonRect,
                        frame_.SkinRect.Width() - frame_.RTPoint.x};
  return ComputeEditRects(width(), height(), button_mode_, use_skin_font_, &g);
}

TRect TskSkinEdit::TextRect() const {
  return Rects().Text;
}

TRect TskSkinEdit::ButtonRect() const {
  return Rects().Button;
}

void TskSkinEdit::UpdateMargins() {
  const TRect t = TextRect();
  setTextMargins(t.Left, t.Top, std::max(width() - t.Right, 0), std::max(height() - t.Bottom, 0));
}

void TskSkinEdit::SetDefaultColor(TColor colour) {
  default_color_ = colour;
  if (!Skinned()) update();
}

void TskSkinEdit::SetDefaultFont(const TskFont& font) {
  default_font_ = font;
  if (!Skinned() || !use_skin_font_) ApplySkinChange();
}

void TskSkinEdit::SetUseSkinFont(bool on) {
  use_skin_font_ = on;
  ApplySkinChange();
}

void TskSkinEdit::SetDefaultWidth(int width) {
  default_width_ = width;
  if (!Skinned() && width > 0) resize(width, height());
}

void TskSkinEdit::SetDefaultHeight(int height) {
  default_height_ = height;
  if (!Skinned() && height > 0 && use_skin_font_)
    resize(width(), height);
  else if (const int forced = ForcedHeight(); forced > 0)
    resize(width(), forced);
}

void TskSkinEdit::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  const Qt::Alignment across = alignment == taRightJustify ? Qt::AlignRight
                               : alignment == taCenter     ? Qt::AlignHCenter
                                                           : Qt::AlignLeft;
  setAlignment(across | Qt::AlignVCenter);
  update();
}

void TskSkinEdit::SetButtonMode(bool on) {
  button_mode_ = on;
  UpdateMargins();
  update();
}

// ---- painting ----

QImage TskSkinEdit::FrameImage() const {
  QImage bitmap(std::max(width(), 1), std::max(height(), 1), QImage::Format_ARGB32_Premultiplied);
  bitmap.fill(ToQColor(default_color_));
  QPainter p(&bitmap);
  if (!Skinned()) {
    const TRect all{0, 0, button_mode_ ? ButtonRect().Left : width(), height()};
    DrawOutline(p, all, SystemColour(scBtnShadow));
    DrawOutline(p, Inflate(all, -1), SystemColour(scBtnFace));
    return bitmap;
  }
  const TskDataSkinEditControl* d = EditData();
  const TRect active = d->ActiveSkinRect.IsEmpty() ? frame_.SkinRect : d->ActiveSkinRect;
  const TRect look = is_hot_ || hasFocus() ? active : frame_.SkinRect;
  QImage image;
  if (use_skin_font_) {
    DrawThreePartHorz(*frame_.Picture, look, frame_.LTPoint.x,
                      frame_.SkinRect.Width() - frame_.RTPoint.x, frame_.StretchEffect, width(),
                      image);
  } else {
    // Bordered and stretched: the corners end at the client rectangle.
    image = StretchedAroundClient(*frame_.Picture, look, frame_.ClientRect, width(), height());
  }
  if (!image.isNull()) p.drawImage(0, 0, image);
  return bitmap;
}

void TskSkinEdit::PaintTextBackground(QPainter& p) const {
  const TRect t = TextRect();
  if (t.Width() < 1 || t.Height() < 1) return;
  if (!Skinned()) {
    p.fillRect(ToQRect(t), ToQColor(default_color_));
    return;
  }
  const TskDataSkinEditControl* d = EditData();
  const TRect active = d->ActiveSkinRect.IsEmpty() ? frame_.SkinRect : d->ActiveSkinRect;
  const TRect look = is_hot_ || hasFocus() ? active : frame_.SkinRect;
  const TRect& c = frame_.ClientRect;
  const TRect source = Bounds(look.Left + c.Left, look.Top + c.Top, c.Width(), c.Height());
  QImage image;
  DrawThreePartHorz(*frame_.Picture, source, std::max(frame_.LTPoint.x - c.Left, 0),
                    std::max(c.Right - frame_.RTPoint.x, 0), frame_.StretchEffect, t.Width(),
                    image);
  if (image.isNull()) return;
  p.save();
  p.setClipRect(ToQRect(t));
  if (use_skin_font_)
    p.drawImage(t.Left, t.Top, image);
  else
    p.drawImage(ToQRect(t), image);
  p.restore();
}

void TskSkinEdit::PaintButton(QPainter& p) const {
  const TRect b = ButtonRect();
  if (b.IsEmpty()) return;
  const bool down = button_pressed_ && button_hot_;
  if (!Skinned()) {
    DrawDefaultBox(p, b, down ? bxPressed : button_hot_ ? bxHot : bxNormal);
    return;
  }
  if (!use_skin_font_) {
    PaintBorderedButton(p, b, down);
    return;
  }
  const TskDataSkinEditControl* d = EditData();
  const TRect activeLook = d->ActiveButtonRect;
  const TRect downLook = d->DownButtonRect.IsEmpty() ? activeLook : d->DownButtonRect;
  TRect source;
  if (!isEnabled() && !d->UnEnabledButtonRect.IsEmpty())
    source = d->UnEnabledButtonRect;
  else if (down)
    source = downLook;
  else if (button_hot_)
    source = activeLook;
  if (!source.IsEmpty()) p.drawImage(ToQRect(b), *frame_.Picture, ToQRect(source));
}

// The bordered edit's button has a look of its own: the "editbutton" entry,
// else "resizebutton", stretched as nine parts to the button.
void TskSkinEdit::PaintBorderedButton(QPainter& p, const TRect& button, bool down) const {
  const TskSkinData& skin = *SkinData();
  const TskDataSkinButtonControl* look = nullptr;
  for (const char* name : {"editbutton", "resizebutton"})
    if ((look = dynamic_cast<const TskDataSkinButtonControl*>(
             skin.Control(skin.ControlIndexOf(name)))) != nullptr)
      break;
  const QImage* picture = look != nullptr ? skin.ActivePicture(look->PictureIndex) : nullptr;
  if (picture == nullptr || picture->isNull()) return;
  TRect r = look->SkinRect;
  if ((button_hot_ || down) && !look->ActiveSkinRect.IsEmpty()) r = look->ActiveSkinRect;
  if (down && !look->DownSkinRect.IsEmpty()) r = look->DownSkinRect;
  const TskNinePartSource source = NinePartSourceOf(*look, r, look->ClientRect);
  QImage image;
  DrawNinePartImage(*picture, source,
                    NinePartTargetForSize(source, button.Width(), button.Height()),
                    NinePartStretchOf(*look), true, image);
  if (!image.isNull()) p.drawImage(button.Left, button.Top, image);
}

void TskSkinEdit::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    p.drawImage(0, 0, FrameImage());
    PaintTextBackground(p);
    if (button_mode_) PaintButton(p);
  }
  QLineEdit::paintEvent(event);
}

void TskSkinEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  if (const int forced = ForcedHeight(); forced > 0 && forced != height()) {
    resize(width(), forced);
    return;
  }
  UpdateMargins();
  update();
}

// ---- hot and focus ----

void TskSkinEdit::SetHot(bool on) {
  if (on == is_hot_) return;
  is_hot_ = on;
  ApplyColours();
  update();
}

void TskSkinEdit::enterEvent(QEnterEvent* event) {
  QLineEdit::enterEvent(event);
  SetHot(true);
  if (OnMouseEnter) OnMouseEnter();
}

void TskSkinEdit::leaveEvent(QEvent* event) {
  QLineEdit::leaveEvent(event);
  SetHot(false);
  if (button_hot_ || button_pressed_) {
    button_hot_ = false;
    button_pressed_ = false;
    update();
  }
  if (OnMouseLeave) OnMouseLeave();
}

void TskSkinEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  ApplyColours();
  update();
}

void TskSkinEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  ApplyColours();
  update();
}

void TskSkinEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) update();
}

// ---- keys ----

void TskSkinEdit::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
    // Never inserted: the form's default or cancel button takes them.
    QPointer<TskSkinEdit> guard(this);
    if (OnKeyPress) OnKeyPress(key);
    if (guard) TskSkinButton::HandleDialogKey(window(), key, event->modifiers());
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

// ---- edit button ----

void TskSkinEdit::mousePressEvent(QMouseEvent* event) {
  const TPoint at{event->position().toPoint().x(), event->position().toPoint().y()};
  if (button_mode_ && event->button() == Qt::LeftButton && ButtonRect().Contains(at)) {
    button_pressed_ = true;
    button_hot_ = true;
    update();
    return;
  }
  QLineEdit::mousePressEvent(event);
}

void TskSkinEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  const TPoint at{event->position().toPoint().x(), event->position().toPoint().y()};
  if (button_mode_ && ButtonRect().Contains(at)) {
    mousePressEvent(event);
    return;
  }
  QLineEdit::mouseDoubleClickEvent(event);
}

void TskSkinEdit::mouseMoveEvent(QMouseEvent* event) {
  if (button_mode_) {
    const TPoint at{event->position().toPoint().x(), event->position().toPoint().y()};
    const bool over = ButtonRect().Contains(at);
    if (over != button_hot_) {
      button_hot_ = over;
      update();
    }
    if (button_pressed_) return;
  }
  QLineEdit::mouseMoveEvent(event);
}

void TskSkinEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (!button_pressed_) {
    QLineEdit::mouseReleaseEvent(event);
    return;
  }
  button_pressed_ = false;
  update();
  const TPoint at{event->position().toPoint().x(), event->position().toPoint().y()};
  if (!ButtonRect().Contains(at)) return;
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  if (OnButtonClick) OnButtonClick();
}

// ---- context menu ----

QString TskSkinEdit::Caption(const char* key, const char* fallback) const {
  if (SkinData() != nullptr && SkinData()->ResourceStrData() != nullptr) {
    const std::string text = SkinData()->ResourceStrData()->GetResString(key);
    if (!text.empty()) return QString::fromStdString(text);
  }
  return QString::fromLatin1(fallback);
}

void TskSkinEdit::contextMenuEvent(QContextMenuEvent* event) {
  const QPoint global = event->reason() == QContextMenuEvent::Keyboard
                            ? mapToGlobal(rect().center())
                            : event->globalPos();
  OpenSystemMenu(global);
  event->accept();
}

void TskSkinEdit::OpenSystemMenu(QPoint global) {
  system_menu_.reset();
  std::unique_ptr<TskControlPopupMenu> menu = NewControlPopupMenu(window());
  if (menu == nullptr) return;
  const bool writable = !ReadOnly();
  const bool selection = hasSelectedText();
  const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
  const bool clipText = clip != nullptr && clip->hasText() && !clip->text().isEmpty();
  const int start = selection ? selectionStart() : cursorPosition();
  const bool everything = start == 0 && selectedText().size() == text().size();
  QPointer<TskSkinEdit> self(this);
  auto run = [self](void (*step)(TskSkinEdit&), bool needsWritable) {
    return [self, step, needsWritable] {
      if (self && (!needsWritable || !self->ReadOnly())) step(*self);
    };
  };
  menu->AddItem(Caption("EDIT_UNDO", "Undo"), run([](TskSkinEdit& e) { e.undo(); }, true))
      ->setEnabled(isUndoAvailable() && writable);
  menu->AddItem(QStringLiteral("-"), {});
  menu->AddItem(Caption("EDIT_CUT", "Cut"), run([](TskSkinEdit& e) { e.cut(); }, true))
      ->setEnabled(selection && writable);
  menu->AddItem(Caption("EDIT_COPY", "Copy"), run([](TskSkinEdit& e) { e.copy(); }, false))
      ->setEnabled(selection);
  menu->AddItem(Caption("EDIT_PASTE", "Paste"), run([](TskSkinEdit& e) { e.paste(); }, true))
      ->setEnabled(clipText && writable);
  menu->AddItem(Caption("EDIT_DELETE", "Delete"), run([](TskSkinEdit& e) { e.del(); }, true))
      ->setEnabled(selection && writable);
  menu->AddItem(QStringLiteral("-"), {});
  menu->AddItem(Caption("EDIT_SELECTALL", "Select All"),
                run([](TskSkinEdit& e) { e.selectAll(); }, false))
      ->setEnabled(!everything);
  system_menu_ = std::move(menu);
  system_menu_->Popup(this, global);
}

bool TskSkinEdit::event(QEvent* event) {
  if (TMessageEvent* m = AsMessage(event); m != nullptr && m->Msg() == WM_SKINMENU_COMMAND) {
    system_menu_.reset();
    return true;
  }
  return QLineEdit::event(event);
}

}  // namespace lumora
