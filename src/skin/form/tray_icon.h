#pragma once
// TskTrayIcon: the icon a skinned form minimizes to, over QSystemTrayIcon:
// a visible flag, the minimized-to-tray mark, a popup menu and an
// activation handler.

#include <QIcon>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

#include "platform/component.h"

class QMenu;

namespace lumora {

class TskTrayIcon : public TComponent {
 public:
  explicit TskTrayIcon(QObject* owner = nullptr);
  ~TskTrayIcon() override;

  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  bool MinimizedToTray() const { return minimized_; }
  void SetMinimizedToTray(bool on) { minimized_ = on; }
  QMenu* PopupMenu() const { return menu_; }
  void SetPopupMenu(QMenu* menu);
  void SetIcon(const QIcon& icon);
  // Runs on a click of the icon; null: nothing.
  std::function<void()> OnActivate;
  // Brings the minimized application back.
  void ShowApplication();

 private:
  std::unique_ptr<QSystemTrayIcon> icon_;
  QMenu* menu_ = nullptr;
  bool visible_ = false;
  bool minimized_ = false;
};

}  // namespace lumora
