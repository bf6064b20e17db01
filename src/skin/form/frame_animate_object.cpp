#include <algorithm>

#include "skin/data/skin_data.h"
#include "skin/form/frame_objects.h"
#include "skin/form/skin_form.h"

namespace lumora {

namespace {

constexpr int kAnimationTick = 25;  // ms

}  // namespace

TskSkinAnimateObject::TskSkinAnimateObject(TskSkinForm* parent, const TskDataSkinAnimate* data)
    : TskActiveSkinObject(parent, data) {
  if (data == nullptr) return;
  Data = *data;
  Data.TimerInterval = std::max(Data.TimerInterval, kAnimationTick);
  Data.CountFrames = std::max(Data.CountFrames, 1);
  ActiveSkinRect = data->ActiveSkinRect;
}

bool TskSkinAnimateObject::StateApplies() const {
  return !Data.RestoreRect.IsEmpty() && parent_->CommandStateApplies(Data.Command);
}

TRect TskSkinAnimateObject::FrameRect(int frame) const {
  const bool restore = StateApplies();
  const TRect& skin = restore ? Data.RestoreRect : SkinRect;
  const TRect& first = restore ? Data.RestoreActiveRect : ActiveSkinRect;
  return Bounds(first.Left + (frame - 1) * skin.Width(), first.Top, skin.Width(), skin.Height());
}

void TskSkinAnimateObject::Draw(QPainter& canvas, bool /*direct*/) {
  if (!SkinPresent() || ActivePicture == nullptr) return;
  const bool restore = StateApplies();
  const TRect& down = restore ? Data.RestoreDownRect : Data.DownSkinRect;
  const TRect& inactive = restore ? Data.RestoreInActiveRect : InActiveSkinRect;
  if (MenuOpen) {
    if (!down.IsEmpty()) {
      CopyLook(canvas, ActivePicture, down);
    } else {
      CurrentFrame = Data.CountFrames;
      CopyLook(canvas, ActivePicture, FrameRect(CurrentFrame));
    }
  } else if (!FormActive() && !inactive.IsEmpty()) {
    CopyLook(canvas, ActivePicture, inactive);
  } else if (Down && MouseIn && !down.IsEmpty()) {
    CopyLook(canvas, ActivePicture, down);
  } else {
    CopyLook(canvas, ActivePicture, FrameRect(CurrentFrame));
  }
}

void TskSkinAnimateObject::MouseEnter() {
  MouseIn = true;
  if (!MenuOpen && Data.ButtonStyle) {
    Active = true;
    Forward = true;
    if (Down && !Data.DownSkinRect.IsEmpty()) {
      ReDraw();
    } else {
      parent_->StartAnimationTimer();
    }
  }
  if (parent_->OnMouseEnterEvent) parent_->OnMouseEnterEvent(IDName);
}

void TskSkinAnimateObject::MouseLeave() {
  if (!MouseIn) return;
  MouseIn = false;
  if (!MenuOpen && Data.ButtonStyle) {
    Active = true;
    Forward = false;
    if (Down && !Data.DownSkinRect.IsEmpty()) {
      ReDraw();
    } else {
      parent_->StartAnimationTimer();
    }
  }
  if (parent_->OnMouseLeaveEvent) parent_->OnMouseLeaveEvent(IDName);
}

void TskSkinAnimateObject::ClearHover() {
  TskActiveSkinObject::ClearHover();
  CurrentFrame = 1;
}

bool TskSkinAnimateObject::AnimationStep() {
  if (!Active || (Down && MouseIn && !Data.DownSkinRect.IsEmpty())) return false;
  Elapsed += kAnimationTick;
  if (Elapsed < Data.TimerInterval) return true;
  const int count = Data.CountFrames;
  if (Forward) {
    CurrentFrame = CurrentFrame >= count ? 1 : CurrentFrame + 1;
    if (!Data.Cycle && CurrentFrame == count) Active = false;
  } else {
    CurrentFrame = CurrentFrame <= 1 ? count : CurrentFrame - 1;
    if (CurrentFrame == 1) Active = false;
  }
  ReDraw();
  Elapsed = kAnimationTick;
  return Active;
}

void TskSkinAnimateObject::MouseDown(int x, int y, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  FireMouseDown(x, y, button);
  if (!Data.DownSkinRect.IsEmpty()) {
    CurrentFrame = Data.CountFrames;
    Down = true;
    ReDraw();
  }
  if (Data.Command == cmSysMenu && Data.ButtonStyle && ObjectRect.Contains({x, y})) RunCommand();
}

void TskSkinAnimateObject::MouseUp(int x, int y, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  FireMouseUp(x, y, button);
  if (MenuOpen) return;
  if (!Data.DownSkinRect.IsEmpty()) {
    Down = false;
    ReDraw();
    parent_->StartAnimationTimer();
  }
  if (Data.Command != cmSysMenu && Data.ButtonStyle && ObjectRect.Contains({x, y})) RunCommand();
}

void TskSkinAnimateObject::DblClick() {
  if (Data.Command == cmSysMenu) parent_->CloseHost();
}

void TskSkinAnimateObject::MenuClosed() {
  Active = true;
  CurrentFrame = Data.CountFrames;
  Forward = false;
  Down = false;
  MenuOpen = false;
  parent_->StartAnimationTimer();
}

void TskSkinAnimateObject::RunCommand() {
  switch (Data.Command) {
    case cmSysMenu:
      MenuOpen = true;
      parent_->PopupSystemMenuAt(ObjectRect);
      break;
    case cmDefault:
      if (Menu && Menu->menu()) {
        MenuOpen = true;
        parent_->PopupObjectMenu(Menu->menu(), ObjectRect, false);
      }
      break;
    default:
      parent_->RunFrameCommand(Data.Command);
      break;
  }
}

}  // namespace lumora
