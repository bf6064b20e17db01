#pragma once
// TskSkinMenuItem: one displayed item of a menu level, the menu item itself
// staying a QAction.

#include <QAction>
#include <QPointer>

#include "base/geometry.h"

namespace lumora {

struct TskSkinMenuItem {
  QPointer<QAction> action;
  TRect rect;           // window coordinates; empty when not visible
  bool active = false;  // highlighted
  bool submenuOpen = false;
  bool visible = true;       // inside the visible range
  bool preselected = false;  // highlighted on opening or by a key, not yet by the mouse
  double morph = 0;          // 0 the normal look .. 1 the highlighted look
  int frame = 0;             // animation frame shown (0 none)

  bool Highlighted() const { return active || submenuOpen; }
  bool IsSeparator() const { return action && action->isSeparator(); }
  bool Enabled() const { return action && action->isEnabled(); }
  bool Selectable() const { return Enabled() && !IsSeparator(); }
  bool HasSubmenu() const;
};

}  // namespace lumora
