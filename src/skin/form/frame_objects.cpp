#include "skin/form/frame_objects.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <algorithm>

#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/vector_glyphs.h"
#include "skin/form/skin_form.h"

namespace lumora {

namespace {

constexpr double kMorphStep = 0.2;

bool Inside(const QImage* picture, const TRect& r) {
  return picture && !picture->isNull() && !r.IsEmpty();
}

}  // namespace

// Base object ------------------------------------------------------------

TskActiveSkinObject::TskActiveSkinObject(TskSkinForm* parent, const TskDataSkinObject* data)
    : parent_(parent) {
  SkinData = parent->SkinData();
  if (data == nullptr) return;
  if (SkinData) {
    Picture = &SkinData->Picture();
    ActivePicture = SkinData->ActivePicture(data->ActivePictureIndex);
  }
  IDName = data->IDName;
  Hint = data->Hint;
  SkinRect = data->SkinRect;
  ActiveSkinRect = ActivePicture ? data->ActiveSkinRect : TRect{};
  InActiveSkinRect = data->InActiveSkinRect;
  ObjectRect = SkinRect;
  Morphing = data->Morphing && !ActiveSkinRect.IsEmpty();
  MorphKind = data->MorphKind;
  InOwnPicture = data->SkinRectInAPicture;
}

bool TskActiveSkinObject::SkinPresent() const {
  return parent_->SkinPresent();
}

bool TskActiveSkinObject::FormActive() const {
  return parent_->FormActive();
}

bool TskActiveSkinObject::CanMorph() const {
  return Morphing && SkinPresent() && parent_->EffectsOn();
}

bool TskActiveSkinObject::MorphPending() const {
  return (Active && MorphKf < 1) || (!Active && MorphKf > 0);
}

void TskActiveSkinObject::MorphStep() {
  MorphKf = std::clamp(MorphKf + (Active ? kMorphStep : -kMorphStep), 0.0, 1.0);
}

void TskActiveSkinObject::ReDraw() {
  parent_->RepaintObject(this);
}

void TskActiveSkinObject::CopyLook(QPainter& canvas, const QImage* picture, const TRect& r) const {
  if (!Inside(picture, r)) return;
  canvas.drawImage(QPoint(ObjectRect.Left, ObjectRect.Top), *picture, ToQRect(r));
}

QImage TskActiveSkinObject::LookImage(const QImage* picture, const TRect& r) const {
  QImage out(std::max(ObjectRect.Width(), 1), std::max(ObjectRect.Height(), 1),
             QImage::Format_RGB32);
  out.fill(Qt::black);
  if (Inside(picture, r)) {
    QPainter p(&out);
    p.drawImage(QPoint(0, 0), *picture, ToQRect(r));
  }
  return out;
}

QImage TskActiveSkinObject::MorphImage(const QImage& normal, const QImage& active) const {
  TskEffectBmp a(normal);
  const TskEffectBmp b(active);
  a.Morph(MorphKind, b, MorphKf);
  return a.Image();
}

void TskActiveSkinObject::StartMorphOrRepaint() {
  if (CanMorph()) {
    parent_->StartMorphTimer();
  } else {
    MorphKf = Active ? 1 : 0;
    ReDraw();
  }
}

void TskActiveSkinObject::Draw(QPainter& canvas, bool direct) {
  if (!SkinPresent()) return;
  if (Enabled && !FormActive() && !InActiveSkinRect.IsEmpty()) {
    CopyLook(canvas, ActivePicture, InActiveSkinRect);
    return;
  }
  const QImage* normalPicture = InOwnPicture ? ActivePicture : Picture;
  if (CanMorph() && MorphPending()) {
    const QImage blended =
        MorphImage(LookImage(normalPicture, SkinRect), LookImage(ActivePicture, ActiveSkinRect));
    canvas.drawImage(QPoint(ObjectRect.Left, ObjectRect.Top), blended);
    return;
  }
  if (Active && !ActiveSkinRect.IsEmpty()) {
    CopyLook(canvas, ActivePicture, ActiveSkinRect);
    return;
  }
  // The strip already shows an object drawn on the main picture.
  if (!InOwnPicture && !direct) return;
  CopyLook(canvas, normalPicture, SkinRect);
}

void TskActiveSkinObject::FireMouseDown(int x, int y, Qt::MouseButton button) {
  if (parent_->OnMouseDownEvent) parent_->OnMouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TskActiveSkinObject::FireMouseUp(int x, int y, Qt::MouseButton button) {
  if (ObjectRect.Contains({x, y}) && parent_->OnMouseUpEvent)
    parent_->OnMouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TskActiveSkinObject::MouseDown(int x, int y, Qt::MouseButton button) {
  FireMouseDown(x, y, button);
}

void TskActiveSkinObject::MouseUp(int x, int y, Qt::MouseButton button) {
  FireMouseUp(x, y, button);
}

void TskActiveSkinObject::MouseMove(int x, int y) {
  if (parent_->OnMouseMoveEvent) parent_->OnMouseMoveEvent(IDName, x, y, ObjectRect);
}

void TskActiveSkinObject::MouseEnter() {
  MouseIn = true;
  Active = true;
  if (!ActiveSkinRect.IsEmpty()) StartMorphOrRepaint();
  if (parent_->OnMouseEnterEvent) parent_->OnMouseEnterEvent(IDName);
}

void TskActiveSkinObject::MouseLeave() {
  MouseIn = false;
  Active = false;
  if (!ActiveSkinRect.IsEmpty()) StartMorphOrRepaint();
  if (parent_->OnMouseLeaveEvent) parent_->OnMouseLeaveEvent(IDName);
}

void TskActiveSkinObject::ClearHover() {
  MouseIn = false;
  Active = false;
  MorphKf = 0;
}

// Buttons ----------------------------------------------------------------

TskSkinButtonObject::TskSkinButtonObject(TskSkinForm* parent, const TskDataSkinButton* data)
    : TskActiveSkinObject(parent, data) {
  if (data == nullptr) return;
  DisableSkinRect = data->DisableSkinRect;
  DownRect = data->DownRect;
}

void TskSkinButtonObject::Draw(QPainter& canvas, bool direct) {
  if (!SkinPresent()) return;
  if (!Enabled && !DisableSkinRect.IsEmpty()) {
    CopyLook(canvas, ActivePicture, DisableSkinRect);
  } else if (Down && MouseIn && !DownRect.IsEmpty()) {
    CopyLook(canvas, ActivePicture, DownRect);
  } else {
    TskActiveSkinObject::Draw(canvas, direct);
  }
}

void TskSkinButtonObject::OpenMenu() {
  if (Menu == nullptr || Menu->menu() == nullptr || Menu->menu()->actions().isEmpty()) return;
  MenuOpen = true;
  parent_->PopupObjectMenu(Menu->menu(), ObjectRect, PopupUp);
}

void TskSkinButtonObject::MouseDown(int x, int y, Qt::MouseButton button) {
  if (button == Qt::LeftButton && Enabled && !Down) {
    Down = true;
    if (CanMorph() && Active) MorphKf = 1;
    ReDraw();
    OpenMenu();
  }
  FireMouseDown(x, y, button);
}

void TskSkinButtonObject::MouseUp(int x, int y, Qt::MouseButton button) {
  if (button == Qt::LeftButton && Enabled && !MenuOpen) {
    Down = false;
    StartMorphOrRepaint();
  }
  FireMouseUp(x, y, button);
}

void TskSkinButtonObject::MouseEnter() {
  MouseIn = true;
  Active = true;
  if (Down && !DownRect.IsEmpty()) {
    MorphKf = 1;
    ReDraw();
  } else if (!ActiveSkinRect.IsEmpty()) {
    StartMorphOrRepaint();
  }
  if (parent_->OnMouseEnterEvent) parent_->OnMouseEnterEvent(IDName);
}

void TskSkinButtonObject::MouseLeave() {
  MouseIn = false;
  Active = false;
  if (!MenuOpen) StartMorphOrRepaint();
  if (parent_->OnMouseLeaveEvent) parent_->OnMouseLeaveEvent(IDName);
}

void TskSkinButtonObject::MenuClosed() {
  MenuOpen = false;
  Down = false;
  StartMorphOrRepaint();
}

// Standard buttons -------------------------------------------------------

TskSkinStdButtonObject::TskSkinStdButtonObject(TskSkinForm* parent,
                                               const TskDataSkinStdButton* data,
                                               TskFrameCommand command)
    : TskSkinButtonObject(parent, data), command_(command) {
  if (data == nullptr) {
    HasSkin = false;
    InOwnPicture = true;
    SkinRect = ActiveSkinRect = InActiveSkinRect = DownRect = DisableSkinRect = {0, 0, 1, 1};
    ObjectRect = SkinRect;
    return;
  }
  command_ = data->Command;
  const bool own = ActivePicture != nullptr;
  RestoreRect = own ? data->RestoreRect : TRect{};
  RestoreActiveRect = own ? data->RestoreActiveRect : TRect{};
  RestoreInActiveRect = own ? data->RestoreInActiveRect : TRect{};
  RestoreDownRect = own ? data->RestoreDownRect : TRect{};
}

bool TskSkinStdButtonObject::CommandStateApplies() const {
  return parent_->CommandStateApplies(command_);
}

bool TskSkinStdButtonObject::MorphPending() const {
  if (command_ == cmSysMenu && parent_->ShowIcon() && InOwnPicture) return false;
  return TskSkinButtonObject::MorphPending();
}

void TskSkinStdButtonObject::DrawDefault(QPainter& canvas) {
  const int w = ObjectRect.Width(), h = ObjectRect.Height();
  if (w <= 0 || h <= 0) return;
  QImage face(w, h, QImage::Format_RGB32);
  face.fill(ToQColor(SystemColour(scBtnFace)));
  QPainter p(&face);
  const bool pressed = Down && MouseIn;
  if (MouseIn && Enabled) {
    p.fillRect(0, 0, w, h, pressed ? QColor(133, 147, 181) : QColor(182, 189, 210));
    p.setPen(QColor(0, 0, 128));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
  }
  const TColor colour = SystemColour(Enabled ? scBtnText : scBtnShadow);
  const int x = w / 2 - 5 + (pressed ? 1 : 0);
  const int y = h / 2 - 4 + (pressed ? 1 : 0);
  const TWindowState state = parent_->FrameWindowState();
  switch (command_) {
    case cmClose:
      DrawGlyph(p, gkClose, x, y, colour);
      break;
    case cmMaximize:
      DrawGlyph(p, state == wsMaximized ? gkRestore : gkMaximize, x, y, colour);
      break;
    case cmMinimize:
      DrawGlyph(p, state == wsMinimized ? gkRestore : gkMinimize, x, y, colour);
      break;
    case cmSysMenu:
      DrawGlyph(p, gkFlatBar, x, y, colour);
      break;
    case cmRollUp:
      if (parent_->RolledUp()) {
        DrawGlyph(p, gkWideDownTriangle, x, y, colour);
      } else {
        DrawArrowMark(p, {x, y, x + 11, y + 9}, colour, adUp);
      }
      break;
    case cmMinimizeToTray:
      DrawGlyph(p, gkFilledBox, x, y, colour);
      break;
    default:
      break;
  }
  p.end();
  canvas.drawImage(QPoint(ObjectRect.Left, ObjectRect.Top), face);
}

void TskSkinStdButtonObject::Draw(QPainter& canvas, bool direct) {
  if (command_ == cmSysMenu && parent_->ShowIcon() && InOwnPicture) {
    MorphKf = 0;
    canvas.drawImage(QPoint(ObjectRect.Left, ObjectRect.Top), parent_->SmallIcon());
    return;
  }
  if (!HasSkin) {
    DrawDefault(canvas);
    return;
  }
  if (!SkinPresent()) return;
  if (Enabled && CommandStateApplies() && !RestoreRect.IsEmpty()) {
    if (!FormActive() && !RestoreInActiveRect.IsEmpty()) {
      CopyLook(canvas, ActivePicture, RestoreInActiveRect);
    } else if (Down && MouseIn && !RestoreDownRect.IsEmpty()) {
      CopyLook(canvas, ActivePicture, RestoreDownRect);
    } else if (CanMorph() && MorphPending() && !RestoreActiveRect.IsEmpty()) {
      canvas.drawImage(QPoint(ObjectRect.Left, ObjectRect.Top),
                       MorphImage(LookImage(ActivePicture, RestoreRect),
                                  LookImage(ActivePicture, RestoreActiveRect)));
    } else if (Active && !RestoreActiveRect.IsEmpty()) {
      CopyLook(canvas, ActivePicture, RestoreActiveRect);
    } else {
      CopyLook(canvas, ActivePicture, RestoreRect);
    }
    return;
  }
  TskSkinButtonObject::Draw(canvas, direct);
}

void TskSkinStdButtonObject::MouseDown(int /*x*/, int /*y*/, Qt::MouseButton button) {
  if (button != Qt::LeftButton || !Enabled || Down) return;
  Down = true;
  if (CanMorph() && Active) MorphKf = 1;
  ReDraw();
  if (command_ == cmSysMenu) {
    MenuOpen = true;
    parent_->PopupSystemMenuAt(ObjectRect);
  }
}

void TskSkinStdButtonObject::MouseUp(int x, int y, Qt::MouseButton button) {
  if (button != Qt::LeftButton || !Enabled) return;
  if (command_ == cmSysMenu && MenuOpen) return;
  if (command_ == cmClose) {
    // Drawn up first; the form closes only when released over the button.
    Down = false;
    StartMorphOrRepaint();
    if (Active && ObjectRect.Contains({x, y})) RunCommand();
    return;
  }
  const bool over = Active && ObjectRect.Contains({x, y});
  QPointer<QWidget> host = parent_->Host();
  if (over) RunCommand();
  if (!host) return;
  Down = false;
  StartMorphOrRepaint();
}

void TskSkinStdButtonObject::DblClick() {
  if (command_ == cmSysMenu) parent_->CloseHost();
}

void TskSkinStdButtonObject::RunCommand() {
  parent_->RunFrameCommand(command_);
}

// User objects ------------------------------------------------------------

void TskUserObject::Draw(QPainter& canvas, bool /*direct*/) {
  if (parent_->OnPaintEvent) parent_->OnPaintEvent(IDName, canvas, ObjectRect);
}

}  // namespace lumora
