#include <QFontMetrics>
#include <algorithm>

#include "skin/data/skin_data.h"
#include "skin/draw/colour.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/skin_font.h"
#include "skin/draw/skin_text.h"
#include "skin/form/frame_objects.h"
#include "skin/form/skin_form.h"

namespace lumora {

namespace {

constexpr int kAnimationTick = 25;  // ms

QImage Inactive(QImage image, const TskFormInfo& info) {
  if (!info.AutoRenderingInActiveImage) return image;
  TskEffectBmp bmp(image);
  bmp.ApplyInactiveEffect(info.InActiveEffect);
  return bmp.Image();
}

}  // namespace

TskSkinCaptionObject::TskSkinCaptionObject(TskSkinForm* parent, const TskDataSkinCaption* data)
    : TskActiveSkinObject(parent, data) {
  if (data) Data = *data;
}

TRect TskSkinCaptionObject::TextRect() const {
  const TRect& tr = Data.TextRect;
  TRect t = tr.Offset(ObjectRect.Left, ObjectRect.Top);
  if (!tr.IsEmpty()) t.Right += ObjectRect.Width() - SkinRect.Width();
  if (!Data.FrameRect.IsEmpty()) {
    const TRect& f = Data.FrameTextRect;
    t.Left += f.Left;
    t.Top += f.Top;
    t.Right += f.Right - Data.FrameRect.Width();
  }
  return t;
}

void TskSkinCaptionObject::DrawText(QPainter& canvas, const TRect& objectRect,
                                    bool activeColours) const {
  if (parent_->OnCaptionPaint) {
    parent_->OnCaptionPaint(canvas, objectRect, activeColours);
    return;
  }
  QString text = parent_->Caption();
  if (text.isEmpty() || Data.TextRect.IsEmpty()) return;
  // Text rectangle of an object drawn at objectRect.
  const TRect t =
      TextRect().Offset(objectRect.Left - ObjectRect.Left, objectRect.Top - ObjectRect.Top);
  canvas.save();
  canvas.setFont(SkinFontOf(Data));
  EllipsizeText(canvas, text, t.Width());
  const QFontMetrics fm(canvas.font());
  const int tw = MeasureTextWidth(canvas, text);
  const int th = fm.height();
  const int top = t.Top + t.Height() / 2 - th / 2;
  int left = t.Left;
  if (Data.Alignment == taRightJustify) left = t.Right - tw;
  if (Data.Alignment == taCenter) left = t.Left + t.Width() / 2 - tw / 2;
  if (!Data.FrameRect.IsEmpty() && ActivePicture) {
    const TRect src =
        activeColours && !Data.ActiveFrameRect.IsEmpty() ? Data.ActiveFrameRect : Data.FrameRect;
    const TRect& ft = Data.FrameTextRect;
    int fx, fw;
    if (Data.FullFrame) {
      const int off = parent_->Geometry().buttonsOffset;
      fx = objectRect.Left + off;
      fw = objectRect.Width() - 2 * off;
    } else {
      fx = left - ft.Left;
      fw = Data.FrameRect.Width() + tw - ft.Width();
    }
    if (fw > 0) {
      QImage frame;
      DrawThreePartHorz(*ActivePicture, src, Data.FrameLeftOffset, Data.FrameRightOffset, false, fw,
                        frame);
      canvas.drawImage(fx, top - ft.Top, frame);
    }
  }
  auto draw = [&](int dx, int dy, TColor colour) {
    canvas.setPen(ToQColor(colour));
    TRect box{left + dx, top + dy, left + dx + tw + 1, top + dy + th};
    DrawSkinText(canvas, text, box, dtLeft | dtSingleLine | dtNoPrefix | dtNoClip);
  };
  if (Data.Light) draw(-1, -1, activeColours ? Data.ActiveLightColor : Data.LightColor);
  if (Data.Shadow) draw(1, 1, activeColours ? Data.ActiveShadowColor : Data.ShadowColor);
  draw(0, 0, activeColours ? Data.ActiveFontColor : Data.FontColor);
  canvas.restore();
}

QImage TskSkinCaptionObject::Look(bool activeColours, const QImage* picture,
                                  const TRect& source) const {
  const int w = std::max(ObjectRect.Width(), 1);
  QImage look;
  const TskFormInfo& info = SkinData->FormInfo();
  const int first = std::max(0, info.LTPoint.x - SkinRect.Left);
  const int last = std::max(0, SkinRect.Right - info.RTPoint.x);
  if (picture && !picture->isNull() && !source.IsEmpty()) {
    if (first > 0 || last > 0) {
      DrawThreePartHorz(*picture, source, first, last, Data.StretchEffect, w, look);
    } else {
      look = LookImage(picture, source);
    }
  }
  if (look.isNull()) {
    look = QImage(w, std::max(ObjectRect.Height(), 1), QImage::Format_RGB32);
    look.fill(Qt::black);
  }
  look = look.convertToFormat(QImage::Format_RGB32);
  QPainter p(&look);
  DrawText(p, {0, 0, look.width(), look.height()}, activeColours);
  return look;
}

bool TskSkinCaptionObject::AnimationPossible() const {
  return parent_->EffectsOn() && !Data.AnimateSkinRect.IsEmpty() && ActivePicture &&
         Data.FrameCount > 0;
}

void TskSkinCaptionObject::Draw(QPainter& canvas, bool /*direct*/) {
  if (!SkinPresent()) return;
  const bool formActive = FormActive();
  const TskFormInfo& info = SkinData->FormInfo();
  const QPoint at(ObjectRect.Left, ObjectRect.Top);
  if (AnimFrame >= 1 && AnimFrame <= Data.FrameCount && AnimationPossible()) {
    const TRect& a = Data.AnimateSkinRect;
    TRect src;
    if (a.Height() > SkinRect.Height()) {
      const int h = a.Height() / Data.FrameCount;
      src = {a.Left, a.Top + (AnimFrame - 1) * h, a.Right, a.Top + AnimFrame * h};
    } else {
      const int w = a.Width() / Data.FrameCount;
      src = {a.Left + (AnimFrame - 1) * w, a.Top, a.Left + AnimFrame * w, a.Bottom};
    }
    canvas.drawImage(at, Look(!Active, ActivePicture, src));
    return;
  }
  if (CanMorph() && MorphPending()) {
    QImage blended =
        MorphImage(Look(false, Picture, SkinRect), Look(true, ActivePicture, ActiveSkinRect));
    if (!formActive) blended = Inactive(blended, info);
    canvas.drawImage(at, blended);
    return;
  }
  if (ActiveSkinRect.IsEmpty() || (!formActive && !Morphing && !Data.StretchEffect)) {
    DrawText(canvas, ObjectRect, formActive);
    return;
  }
  if (Active) {
    canvas.drawImage(at, Look(true, ActivePicture, ActiveSkinRect));
  } else {
    canvas.drawImage(at, Inactive(Look(false, Picture, SkinRect), info));
  }
}

void TskSkinCaptionObject::MouseDown(int x, int y, Qt::MouseButton button) {
  FireMouseDown(x, y, button);
}

void TskSkinCaptionObject::MouseUp(int x, int y, Qt::MouseButton button) {
  FireMouseUp(x, y, button);
}

void TskSkinCaptionObject::MouseEnter() {
  MouseIn = true;
  if (parent_->OnMouseEnterEvent) parent_->OnMouseEnterEvent(IDName);
}

void TskSkinCaptionObject::MouseLeave() {
  MouseIn = false;
  if (parent_->OnMouseLeaveEvent) parent_->OnMouseLeaveEvent(IDName);
}

void TskSkinCaptionObject::SetActiveState(bool active, bool animate) {
  Active = active;
  if (animate && AnimationPossible()) {
    AnimFrame = active ? 1 : (Data.InActiveAnimation ? Data.FrameCount : 0);
    AnimElapsed = kAnimationTick;
    if (AnimFrame > 0) parent_->StartAnimationTimer();
  } else if (CanMorph()) {
    parent_->StartMorphTimer();
  } else {
    MorphKf = active ? 1 : 0;
  }
}

bool TskSkinCaptionObject::AnimationStep() {
  if (AnimFrame == 0) return false;
  AnimElapsed += kAnimationTick;
  if (AnimElapsed >= Data.AnimateInterval) {
    if (Active) {
      if (AnimFrame <= Data.FrameCount) ++AnimFrame;
    } else if (AnimFrame > 0) {
      --AnimFrame;
    }
    AnimElapsed = kAnimationTick;
    ReDraw();
  }
  if (Active && AnimFrame > Data.FrameCount) {
    AnimFrame = 0;  // the static look returns
    return false;
  }
  return AnimFrame > 0;
}

}  // namespace lumora
