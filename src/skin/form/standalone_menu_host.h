#pragma once
// The menu host of a form without a skinned frame: it owns the form's menu
// engine, chains the key hook in while a menu is open, and closes the menus
// on the form's own menu-closing events (move, resize, deactivation,
// hiding) and on message 1228, as the frame does for a framed form.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "skin/form/menu_host.h"

namespace lumora {

class TskMenuKeyHook;

class TskStandaloneMenuHost : public QObject, public TskMenuHost {
 public:
  // A child of form, registered as its menu host; skin serves its menus.
  TskStandaloneMenuHost(QWidget* form, TskSkinData* skin);
  ~TskStandaloneMenuHost() override;

  TskSkinMenu& SkinMenu() override { return *menu_; }
  TskSkinData* MenusSkin() const override { return skin_; }
  void SetMenusSkin(TskSkinData* skin) { skin_ = skin; }
  void MenuOpened() override;
  void MenuClosed() override;

  bool SkinMenuOpen() const { return open_; }
  std::function<void()> OnSkinMenuOpen;
  std::function<void()> OnSkinMenuClose;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> form_;
  TskSkinData* skin_;
  TskSkinMenu* menu_;  // a child of the form
  std::unique_ptr<TskMenuKeyHook> hook_;
  bool open_ = false;
};

}  // namespace lumora
