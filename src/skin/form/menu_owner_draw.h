#pragma once
// Owner drawing of popup menu items: a handler attached to an item's QAction
// paints the item's text rectangle itself (in the skinned look), over the
// item's background, in place of its caption, marks and arrow.

#include <QPainter>
#include <functional>

#include "base/geometry.h"

class QAction;

namespace lumora {

// canvas: the item's bitmap, its pen in the item's text colour; textRect in
// the item's coordinates.
using TskMenuItemOwnerDraw =
    std::function<void(QPainter& canvas, bool highlighted, const TRect& textRect)>;

// Attaches the handler to the action (an empty one detaches it); it lives as
// long as the action.
void SetMenuItemOwnerDraw(QAction* action, TskMenuItemOwnerDraw draw);
// The handler of the action, or an empty one.
TskMenuItemOwnerDraw MenuItemOwnerDraw(const QAction* action);

}  // namespace lumora
