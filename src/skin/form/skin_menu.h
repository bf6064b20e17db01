#pragma once
// TskSkinMenu: the popup menu engine of one form. It owns the open menu
// levels (top level first), the 500 ms submenu delay and the menu settings,
// chooses items, and tells the controls involved with message 1228 (the
// menus closed, to the popup control and the host form) and 1229 (an item's
// command ran, to the command control).

#include <QFont>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

#include "base/geometry.h"
#include "skin/form/popup_menu_layout.h"

class QKeyEvent;

namespace lumora {

class TskSkinData;
class TskSkinPopupWindow;

class TskSkinMenu : public QObject {
 public:
  // hostForm: its monitor's work area limits the menus and it is told when
  // they close. The engine is a child of the form.
  explicit TskSkinMenu(QWidget* hostForm);
  ~TskSkinMenu() override;

  // Settings (the frame forwards its own).
  bool UseSkinFont = true;
  int DefaultItemHeight = 20;
  QFont DefaultItemFont;
  bool AlphaBlend = false;
  int AlphaBlendValue = 150;
  bool AlphaBlendAnimation = false;
  int MaxMenuItemsInWindow = 0;

  // Shows the visible items of menu from startIndex at rect (screen
  // coordinates; a point for a popup), downwards or upwards. control is the
  // popup control, told with 1228 when the menus close; may be null. Nothing
  // opens when no visible item is left.
  void ShowMenu(QWidget* control, TskSkinData* skinData, bool popupUp, QMenu* items,
                const TRect& rect, int startIndex);
  // Frees the levels from level on; level 0 also ends the menu (1228 to the
  // popup control, which becomes the command control; the close handler
  // runs once).
  void CloseFrom(int level);
  // CloseFrom(0), and 1228 to the host form and a remembered popup control.
  void CloseAll();

  // A key pressed while a menu is open; goes to the deepest level.
  void HandleKey(int key, const QString& text);

  // Called once when the menus close, then cleared.
  void SetMenuCloseEvent(std::function<void()> handler) { close_event_ = std::move(handler); }

  bool Visible() const { return visible_; }
  bool FirstPopup() const { return first_popup_; }
  QWidget* HostForm() const { return host_form_; }
  TskSkinData* SkinData() const { return skin_data_; }
  const TRect& WorkArea() const { return work_area_; }
  int LevelCount() const { return static_cast<int>(windows_.size()); }
  TskSkinPopupWindow* Level(int i) const;
  bool SubmenuWaitRunning() const { return delay_.isActive(); }

  // Used by the levels.
  int LevelOf(const TskSkinPopupWindow* window) const;
  void ChooseItem(TskSkinPopupWindow* window, int index);
  void StartSubmenuWait(TskSkinPopupWindow* window, int index);
  void StopSubmenuWait(TskSkinPopupWindow* window, int index);

 private:
  void OpenLevel(QMenu* items, int startIndex, const TRect& anchor, TskMenuDirection direction);
  void OpenSubmenu(TskSkinPopupWindow* window, int index);
  void DelayElapsed();

  QPointer<QWidget> host_form_;
  QPointer<QWidget> popup_control_;
  QPointer<QWidget> command_control_;
  TskSkinData* skin_data_ = nullptr;
  TRect work_area_;
  bool visible_ = false;
  bool first_popup_ = false;
  std::function<void()> close_event_;
  QTimer delay_;
  QPointer<TskSkinPopupWindow> waiting_window_;
  int waiting_index_ = -1;
  std::vector<QPointer<TskSkinPopupWindow>> windows_;
};

}  // namespace lumora
