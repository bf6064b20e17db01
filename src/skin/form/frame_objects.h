#pragma once
// The frame skin objects: the parts of a skinned frame that react to the
// mouse or change their look (caption, caption buttons, custom and animated
// buttons, user-painted areas). Each is made from one data object of the
// skin's object list, placed by the frame, and paints itself into the frame
// strips. Points are window coordinates.

#include <QImage>
#include <QPainter>
#include <string>

#include "base/geometry.h"
#include "skin/data/skin_objects.h"
#include "skin/data/skin_types.h"
#include "skin/form/frame_layout.h"

class QAction;

namespace lumora {

class TskSkinData;
class TskSkinForm;

class TskActiveSkinObject {
 public:
  // data is null for the default objects of the default look.
  TskActiveSkinObject(TskSkinForm* parent, const TskDataSkinObject* data);
  virtual ~TskActiveSkinObject() = default;
  TskActiveSkinObject(const TskActiveSkinObject&) = delete;
  TskActiveSkinObject& operator=(const TskActiveSkinObject&) = delete;

  virtual bool MorphPending() const;
  // direct: painted alone into the window rather than into a frame strip.
  virtual void Draw(QPainter& canvas, bool direct);
  virtual void DblClick() {}
  virtual void MouseDown(int x, int y, Qt::MouseButton button);
  virtual void MouseUp(int x, int y, Qt::MouseButton button);
  virtual void MouseMove(int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual TskLayoutKind LayoutKind() const { return TskLayoutKind::Other; }
  virtual TskFrameCommand Command() const { return cmDefault; }
  // Mouse-in, active and morph factor back to rest.
  virtual void ClearHover();
  // Advances the morph factor one step (0.2) towards its end.
  void MorphStep();
  void ReDraw();

  TskSkinForm* Parent() const { return parent_; }

  double MorphKf = 0;
  bool MouseIn = false;
  const QImage* Picture = nullptr;        // the main picture
  const QImage* ActivePicture = nullptr;  // the own picture, or null
  TskSkinData* SkinData = nullptr;
  std::string IDName;
  std::string Hint;
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect, ObjectRect;
  bool Active = false;
  bool Morphing = false;
  TskMorphKind MorphKind = mkDefault;
  bool Enabled = true;
  bool Visible = true;
  bool InOwnPicture = false;

 protected:
  bool SkinPresent() const;
  bool FormActive() const;
  bool CanMorph() const;
  // Copies r of the picture to the object rectangle.
  void CopyLook(QPainter& canvas, const QImage* picture, const TRect& r) const;
  // The source picture's rectangle as an image of the object's size.
  QImage LookImage(const QImage* picture, const TRect& r) const;
  // Blends the normal look into the active one by the morph factor.
  QImage MorphImage(const QImage& normal, const QImage& active) const;
  void StartMorphOrRepaint();
  void FireMouseDown(int x, int y, Qt::MouseButton button);
  void FireMouseUp(int x, int y, Qt::MouseButton button);

  TskSkinForm* parent_;
};

class TskSkinButtonObject : public TskActiveSkinObject {
 public:
  TskSkinButtonObject(TskSkinForm* parent, const TskDataSkinButton* data);
  void Draw(QPainter& canvas, bool direct) override;
  void MouseDown(int x, int y, Qt::MouseButton button) override;
  void MouseUp(int x, int y, Qt::MouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  TskLayoutKind LayoutKind() const override { return TskLayoutKind::Button; }
  // Called by the frame when the menus close.
  virtual void MenuClosed();

  bool Down = false;
  bool PopupUp = false;
  TRect DisableSkinRect, DownRect;
  QAction* Menu = nullptr;  // a menu whose sub-items open on a press
  bool MenuOpen = false;

 protected:
  void OpenMenu();
};

class TskSkinStdButtonObject : public TskSkinButtonObject {
 public:
  // data null: a default-look button for command.
  TskSkinStdButtonObject(TskSkinForm* parent, const TskDataSkinStdButton* data,
                         TskFrameCommand command = cmDefault);
  bool MorphPending() const override;
  void Draw(QPainter& canvas, bool direct) override;
  void MouseDown(int x, int y, Qt::MouseButton button) override;
  void MouseUp(int x, int y, Qt::MouseButton button) override;
  void DblClick() override;
  TskFrameCommand Command() const override { return command_; }
  // The maximize button while maximized, minimize while minimized, roll-up
  // while rolled up: the restore looks apply.
  bool CommandStateApplies() const;

  bool HasSkin = true;
  TRect RestoreRect, RestoreActiveRect, RestoreInActiveRect, RestoreDownRect;

 private:
  void DrawDefault(QPainter& canvas);
  void RunCommand();
  TskFrameCommand command_;
};

class TskSkinCaptionObject : public TskActiveSkinObject {
 public:
  TskSkinCaptionObject(TskSkinForm* parent, const TskDataSkinCaption* data);
  void Draw(QPainter& canvas, bool direct) override;
  void MouseDown(int x, int y, Qt::MouseButton button) override;
  void MouseUp(int x, int y, Qt::MouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void ClearHover() override {}
  TskLayoutKind LayoutKind() const override { return TskLayoutKind::Caption; }
  // Follows the form's activation; starts the animation when it can run.
  void SetActiveState(bool active, bool animate);
  bool AnimationStep();  // true while the animation goes on
  // The text rectangle in window coordinates.
  TRect TextRect() const;

  TskDataSkinCaption Data{""};
  int AnimFrame = 0;  // 0 = none
  int AnimElapsed = 25;

 private:
  QImage Look(bool active, const QImage* picture, const TRect& source) const;
  void DrawText(QPainter& canvas, const TRect& objectRect, bool activeColours) const;
  bool AnimationPossible() const;
};

class TskSkinAnimateObject : public TskActiveSkinObject {
 public:
  TskSkinAnimateObject(TskSkinForm* parent, const TskDataSkinAnimate* data);
  void Draw(QPainter& canvas, bool direct) override;
  void MouseDown(int x, int y, Qt::MouseButton button) override;
  void MouseUp(int x, int y, Qt::MouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DblClick() override;
  void ClearHover() override;
  TskLayoutKind LayoutKind() const override { return TskLayoutKind::Button; }
  TskFrameCommand Command() const override { return Data.Command; }
  bool AnimationStep();  // true while it goes on
  void MenuClosed();
  TRect FrameRect(int frame) const;

  TskDataSkinAnimate Data{""};
  int CurrentFrame = 1;
  int Elapsed = 25;
  bool Forward = true;
  bool Down = false;
  bool MenuOpen = false;
  QAction* Menu = nullptr;

 private:
  bool StateApplies() const;
  void RunCommand();
};

class TskUserObject : public TskActiveSkinObject {
 public:
  using TskActiveSkinObject::TskActiveSkinObject;
  void Draw(QPainter& canvas, bool direct) override;
};

}  // namespace lumora
