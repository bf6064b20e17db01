#pragma once
// What the popup menus of a form need from the form's frame: its menu
// engine, the skin for menus and the open and closed notifications. The
// skinned frame (TskSkinForm) is one; a form without a frame gets a
// TskStandaloneMenuHost. Hosts register per form so that popup menus find
// them the way the frame's FindSkinForm would.

#include <QWidget>

namespace lumora {

class TskSkinData;
class TskSkinMenu;

class TskMenuHost {
 public:
  virtual ~TskMenuHost() = default;
  virtual TskSkinMenu& SkinMenu() = 0;
  // The frame's MenusSkinData when set, else its SkinData; may be null.
  virtual TskSkinData* MenusSkin() const = 0;
  // Called before a skin menu of this form opens, and when its menus have
  // closed (the host also answers message 1228 on the form with it).
  virtual void MenuOpened() = 0;
  virtual void MenuClosed() = 0;
};

// The latest host registered for a form is the one found.
void RegisterMenuHost(QWidget* form, TskMenuHost* host);
void UnregisterMenuHost(TskMenuHost* host);
TskMenuHost* FindMenuHost(const QWidget* form);

}  // namespace lumora
