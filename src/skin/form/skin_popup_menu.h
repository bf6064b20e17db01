#pragma once
// TskSkinPopupMenu: a popup menu component placed on a form. Its items are
// ordinary QActions (text with "&" accelerators, short cut, enabled,
// checkable, exclusive groups, icon, a QMenu for subitems, triggered as the
// click handler) held in a QMenu that is never shown itself; Popup shows
// them through the menu engine of the form's frame.

#include <QMenu>
#include <functional>

#include "base/geometry.h"
#include "platform/component.h"

namespace lumora {

class TskMenuHost;
class TskSkinData;

class TskSkinPopupMenu : public TComponent {
 public:
  explicit TskSkinPopupMenu(QWidget* owner = nullptr);
  ~TskSkinPopupMenu() override;

  // The items; add QActions (or submenus) to it. A child of the owner, so
  // that it can be found by name.
  QMenu* Items() const { return items_.data(); }
  // Appends an item named name ("-" makes a separator) whose click runs
  // handler (may be empty).
  QAction* AddItem(const char* name, const QString& caption, std::function<void()> handler = {});

  // None by default; filled in from the frame at the first popup.
  TskSkinData* SkinData() const { return skin_data_; }
  void SetSkinData(TskSkinData* skin);
  // Which frame to use: a host set here, else the frame of the form set
  // here, else the frame of the owner.
  void SetMenuHost(TskMenuHost* host) { host_ = host; }
  void SetHostForm(QWidget* form) { host_form_ = form; }

  std::function<void()> OnPopup;
  // Called once each time the menu closes.
  std::function<void()> OnMenuClose;

  // Shows the items downwards from the screen point (x, y). Nothing shows
  // without a reachable frame.
  void Popup(int x, int y);
  // The same for a control's context menu: the control hears 1228 and 1229;
  // nothing shows without skin data.
  void PopupFromControl(QWidget* control, int x, int y);
  // Below the screen rectangle, or above it when up (frame buttons).
  void PopupAtRect(const TRect& rect, bool up);

  // The last popup point; (-1, -1) before the first.
  TPoint PopupPoint() const { return popup_point_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TskMenuHost* FindHost() const;
  void Show(QWidget* control, const TRect& rect, bool up, bool needSkin);

  QPointer<QMenu> items_;
  TskSkinData* skin_data_ = nullptr;
  TskMenuHost* host_ = nullptr;
  QPointer<QWidget> host_form_;
  TPoint popup_point_{-1, -1};
};

}  // namespace lumora
