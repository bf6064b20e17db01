#pragma once
// The application-wide hook a form's frame chains in while one of its skin
// menus is open: key presses go to the menu engine instead of the focused
// widget, mouse wheels are swallowed, and a mouse press outside the menu
// levels closes the menus.

#include <QObject>
#include <functional>

namespace lumora {

class TskSkinMenu;

class TskMenuKeyHook : public QObject {
 public:
  // closed is called when a key has closed the menus (Escape at the top).
  TskMenuKeyHook(TskSkinMenu& menu, std::function<void()> closed);
  ~TskMenuKeyHook() override;

  void Install();
  void Remove();
  bool Installed() const { return installed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool InsideMenu(QObject* watched) const;

  TskSkinMenu& menu_;
  std::function<void()> closed_;
  bool installed_ = false;
};

}  // namespace lumora
