#pragma once
// TskSkinForm: the component that takes over a frameless host form's frame.
// It paints the caption, border and caption buttons from the skin (or a
// default look without one), shapes the window with the skin's mask,
// answers hit-tests for moving and sizing, routes the mouse to the frame
// objects, and carries out maximize, minimize, restore and roll-up itself.
// The host's client area is an inner widget that the frame keeps inset by
// the frame's widths. The window commands live in window_commands.cpp.

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/exception.h"
#include "platform/component.h"
#include "skin/form/frame_geometry.h"
#include "skin/form/frame_objects.h"
#include "skin/form/frame_region.h"
#include "skin/form/frame_state.h"
#include "skin/form/magnetic_snap.h"
#include "skin/form/menu_host.h"
#include "skin/form/skin_menu.h"

class QKeyEvent;
class QShortcut;
class QMouseEvent;
class QWidget;

namespace lumora {

class TskSkinData;
class TskSkinHint;
class TskSkinStatusBar;
class TskSkinMenu;
class TskMenuKeyHook;
class TskTrayIcon;
class TskFormEvents;

// The owner of a frame component is not a form.
class EInvalidCast : public Exception {
 public:
  using Exception::Exception;
};

class TskSkinForm : public TComponent, public TskMenuHost {
 public:
  // host must be a top-level widget; anything else raises EInvalidCast.
  explicit TskSkinForm(QWidget* host);
  ~TskSkinForm() override;

  // The first frame component attached to a form, or null.
  static TskSkinForm* FindSkinForm(const QObject* form);

  QWidget* Host() const { return host_; }
  // The inner widget holding the host's controls; the frame sizes it.
  QWidget* ClientWidget() const { return client_; }
  void SetClientWidget(QWidget* client);
  // Sizes the host so that its client area is width x height.
  void SetClientSize(int width, int height);

  // Properties (defaults as constructed).
  TskSkinData* SkinData() const { return skin_data_; }
  void SetSkinData(TskSkinData* data);
  TskSkinData* MenusSkinData() const { return menus_skin_data_; }
  void SetMenusSkinData(TskSkinData* data);
  TskBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TskBorderIcons icons);
  bool DisableSystemMenu = false;
  bool AlwaysResize = false;
  TskPositionInMonitor PositionInMonitor = skposDefault;
  // Its size grip sizes the form from the bottom-right corner, and is hidden
  // while the form is maximized.
  TskSkinStatusBar* StatusBar() const;
  void SetStatusBar(TskSkinStatusBar* bar);
  bool IsStatusBar(const QObject* o) const { return o != nullptr && o == status_bar_.data(); }
  // Whether a point of the linked status bar lies on its shown grip.
  bool OnStatusGrip(QPoint at) const;
  bool UseFormCursorInNCArea = false;
  int MaxMenuItemsInWindow = 0;
  int ClientWidth = 0;
  int ClientHeight = 0;
  bool HideCaptionButtons = false;
  bool AlwaysShowInTray = false;
  QImage LogoBitMap;
  // The logo's bottom-left colour is left out where the logo is drawn.
  bool LogoBitMapTransparent = false;
  bool AlwaysMinimizeToTray = false;
  bool UseSkinFontInMenu = true;
  bool ShowIcon() const { return show_icon_; }
  void SetShowIcon(bool on);
  // The form's small icon (its own, else the application's, else the
  // platform's window icon) at the small-icon size.
  QImage SmallIcon() const;
  bool MaximizeOnFullScreen = false;
  bool AlphaBlend() const { return alpha_blend_; }
  void SetAlphaBlend(bool on);
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue() const { return alpha_blend_value_; }
  void SetAlphaBlendValue(int value);
  TskSkinHint* SkinHint() const { return skin_hint_; }
  void SetSkinHint(TskSkinHint* hint);
  bool ShowObjectHint = false;
  bool UseDefaultObjectHint = true;
  bool MenusAlphaBlend = false;
  bool MenusAlphaBlendAnimation = false;
  int MenusAlphaBlendValue = 200;
  QFont DefCaptionFont;
  QFont DefInActiveCaptionFont;
  QColor DefCaptionColour, DefInActiveCaptionColour;
  int DefMenuItemHeight() const { return def_menu_item_height_; }
  void SetDefMenuItemHeight(int h) {
    if (h > 0) def_menu_item_height_ = h;
  }
  QFont DefMenuItemFont;
  TskTrayIcon* TrayIcon() const { return tray_icon_; }
  void SetTrayIcon(TskTrayIcon* icon);
  bool UseDefaultSysMenu = true;
  QMenu* SystemMenu = nullptr;  // a user system menu (not owned)
  int MinHeight = 0, MinWidth = 0, MaxHeight = 0, MaxWidth = 0;
  bool Magnetic = false;
  int MagneticSize = 5;
  // The form is sizeable (its border style); AlwaysResize makes any form so.
  bool Sizeable = true;
  bool ToolWindow = false;

  // Events.
  std::function<void(QPainter&, const TRect&, bool active)> OnCaptionPaint;
  std::function<void(const std::string&, int, int, const TRect&, Qt::MouseButton)> OnMouseUpEvent;
  std::function<void(const std::string&, int, int, const TRect&, Qt::MouseButton)> OnMouseDownEvent;
  std::function<void(const std::string&, int, int, const TRect&)> OnMouseMoveEvent;
  std::function<void(const std::string&)> OnMouseEnterEvent, OnMouseLeaveEvent;
  std::function<void(const std::string&, QPainter&, const TRect&)> OnPaintEvent;
  std::function<void(const std::string&, bool& visible)> OnActivateCustomObject;
  std::function<void(QKeyEvent*, bool& handled)> OnShortCut;
  std::function<void()> OnChangeSkinData, OnBeforeChangeSkinData, OnAfterChangeSkinData, OnActivate,
      OnDeActivate, OnSkinMenuOpen, OnSkinMenuClose, OnChangeRollUpState, OnMinimizeToTray,
      OnRestoreFromTray, OnMinimize, OnRestore, OnMaximize;

  // State.
  bool Skinnable() const { return skinnable_; }
  bool SkinPresent() const { return skin_present_; }
  bool SkinChanging() const { return skin_changing_; }
  bool FormActive() const;
  TWindowState FrameWindowState() const { return window_state_; }
  bool RolledUp() const { return rolled_up_; }
  // Whether a command's restore looks apply: maximize while maximized,
  // minimize while minimized, roll-up while rolled up.
  bool CommandStateApplies(TskFrameCommand command) const;
  bool SkinMenuOpen() const { return skin_menu_open_; }
  const std::vector<std::unique_ptr<TskActiveSkinObject>>& Objects() const { return objects_; }
  int HotIndex() const { return hot_; }
  int PressedIndex() const { return pressed_; }
  TskFrameGeometry Geometry() const;
  TskFrameInsets Insets() const;
  int MinimumWidth() const;
  int MinimumHeight() const;
  int CaptionHeight() const;
  QString Caption() const;
  const QRegion& WindowRegion() const { return region_; }
  bool EffectsOn() const;

  // Hit-test of a window point (the HT codes of frame_hit_test.h).
  int HitTest(TPoint p);
  // Paints the whole frame into canvas (window coordinates).
  void PaintFrame(QPainter& canvas);
  void PaintClientBackground(QPainter& canvas, const QRect& clientArea);
  void RepaintObject(TskActiveSkinObject* object);
  void RepaintFrame();
  void ChangeSkinData();
  // Geometry, object layout and region for the current size.
  void Relayout();
  // The skin broadcasts: a change of this form's skin starts (the objects
  // go); a change ends (ours: the frame is rebuilt from the new skin).
  void BeginSkinChange();
  void EndSkinChange(bool ours);
  // The resource strings changed: the default object hints again.
  void ReapplyHints() { ApplyDefaultHints(); }
  void ClearPressed() { pressed_ = -1; }
  // Applies the skin data's SkinnableForm.
  void ApplySkinnable(bool skinnable);

  // Object mouse routing.
  void UpdateHot(TPoint p);
  void PressObject(TPoint p, Qt::MouseButton button);
  void ReleaseObject(TPoint p, Qt::MouseButton button);
  void ClearHoverOfObjects();
  void StartMorphTimer();
  void StartAnimationTimer();
  void SetActiveState(bool active, bool animate);

  // Window commands.
  void SetFrameWindowState(TWindowState state);
  void SetRollUpState(bool rolled);
  void CaptionDoubleClick();
  void MinimizeToTray();
  void RestoreFromTray();
  // Builds the system menu for the current state.
  QMenu* BuildSystemMenu();
  void PopupSystemMenu(int x, int y);
  // Below a rectangle in window coordinates.
  void PopupSystemMenuAt(const TRect& rect);
  void PopupObjectMenu(QMenu* menu, const TRect& rect, bool popupUp);
  // Closes this form's open skin menus.
  void CloseSkinMenus();
  // Hides the hint of a frame object.
  void CancelObjectHint();
  // The menu host of the form's popup menus.
  TskSkinMenu& SkinMenu() override { return *skin_menu_; }
  TskSkinData* MenusSkin() const override;
  void MenuOpened() override;
  void MenuClosed() override;
  void CloseHost();
  // The move/size loop (a drag of the caption or a border).
  void EnterSizeMove();
  void ExitSizeMove();
  bool InSizeMove() const { return move_size_loop_; }
  // Adjusts a proposed top-left while moving, when Magnetic is on.
  TPoint MagneticPosition(TPoint proposed, TPoint cursor);

  // Close, maximize/restore, minimize/restore (or to the tray), roll-up
  // toggle, minimize to the tray; other commands do nothing here.
  void RunFrameCommand(TskFrameCommand command);
  // Changes the width by one pixel and back, forcing a full relayout.
  void Nudge();
  // Rectangle a maximized frame takes.
  TRect MaximizedBounds() const;
  // The tray menu ("TRAY_SKF_RESTORE", separator, "TRAY_SKF_CLOSE").
  QMenu* TrayMenu() const { return tray_menu_.get(); }
  QRect RestoreBounds() const { return normal_bounds_; }
  // A step of the fade-in; true while it goes on.
  bool FadeStep();
  int CurrentAlpha() const { return alpha_; }
  // A screen's geometry or work area changed: a maximized form takes the new
  // maximized bounds, any other form is kept within the maximum size.
  void DisplayChanged();

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TskFormEvents;
  static std::vector<TskSkinForm*>& AttachedForms();
  void CreateObjects();
  void CreateDefaultObjects();
  void EvaluateObjects();
  void ApplyDefaultHints();
  void LayoutObjects(const TskFrameGeometry& g);
  void RebuildRegion(const TskFrameGeometry& g);
  void PlaceClientWidget();
  void UpdateSizeLimits();
  void ForceSizeIntoLimits();
  void PaintSkinnedFrame(QPainter& canvas);
  void PaintDefaultLook(QPainter& canvas);
  void PaintObjectsInto(QPainter& canvas, bool bottomStrip, const TskFrameGeometry& g);
  void StopTimers();
  void OnTrackingTimer();
  void OnMorphTimer();
  void OnAnimationTimer();
  void OnSize();
  void OnShow();
  void StartFade();
  void SetHostFrameless(bool frameless);
  std::string ResString(const char* key, const char* fallback) const;
  void AfterStateChange();
  void ShowStatusGrip(bool show);
  QRect CentredBounds(const QRect& bounds) const;
  void SetHot(int index);
  void ShowSkinMenu(QMenu* menu, const TRect& screenRect, bool popupUp);

  QPointer<QWidget> host_;
  QPointer<QWidget> client_;
  std::unique_ptr<TskFormEvents> events_;
  TskSkinData* skin_data_ = nullptr;
  TskSkinData* menus_skin_data_ = nullptr;
  TskTrayIcon* tray_icon_ = nullptr;
  TskBorderIcons border_icons_ = kDefaultBorderIcons;
  bool show_icon_ = false;
  bool alpha_blend_ = false;
  int alpha_blend_value_ = 200;
  int def_menu_item_height_ = 20;

  bool skinnable_ = true;
  bool skin_present_ = false;
  bool skin_changing_ = false;
  TWindowState window_state_ = wsNormal;
  bool rolled_up_ = false;
  bool rolled_up_while_maximized_ = false;
  bool was_rolled_up_before_maximize_ = false;
  QRect normal_bounds_;  // null: none remembered
  int height_before_roll_up_ = 0;
  bool first_show_ = true;
  bool first_restore_ = true;
  int last_width_ = 0, last_height_ = 0;

  TskFrameMask mask_;
  QRegion region_;
  TRect default_caption_rect_;
  std::vector<std::unique_ptr<TskActiveSkinObject>> objects_;
  int hot_ = -1, previous_hot_ = -1, pressed_ = -1;
  bool move_size_loop_ = false;
  TskMagneticSnap snap_;

  bool skin_menu_open_ = false;
  int alpha_ = 255;
  int fade_target_ = 255;
  bool fading_ = false;

  QTimer tracking_timer_, morph_timer_, animation_timer_, fade_timer_;
  QPointer<TskSkinMenu> skin_menu_;
  std::unique_ptr<TskMenuKeyHook> menu_hook_;
  TskSkinHint* skin_hint_ = nullptr;
  QPointer<QShortcut> alt_space_;
  QPointer<QWidget> status_bar_;  // a TskSkinStatusBar
  std::unique_ptr<QMenu> default_system_menu_;
  std::unique_ptr<QMenu> tray_menu_;
};

}  // namespace lumora
