#include "skin/form/control_menus.h"

#include "skin/controls/control_popup_menu.h"
#include "skin/form/skin_popup_menu.h"

namespace lumora {

namespace {

class TskFormControlMenu : public TskControlPopupMenu {
 public:
  explicit TskFormControlMenu(QWidget* owner) : menu_(owner) {}

  QAction* AddItem(const QString& caption, std::function<void()> handler) override {
    return menu_.AddItem("", caption, std::move(handler));
  }
  void Popup(QWidget* control, QPoint global) override {
    menu_.PopupFromControl(control, global.x(), global.y());
  }

 private:
  TskSkinPopupMenu menu_;
};

}  // namespace

void InstallControlPopupMenus() {
  SetControlPopupMenuFactory([](QWidget* owner) -> std::unique_ptr<TskControlPopupMenu> {
    return std::make_unique<TskFormControlMenu>(owner);
  });
}

}  // namespace lumora
