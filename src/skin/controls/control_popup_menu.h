#pragma once
// A skinned popup menu that a control builds and opens by itself (the
// edit's own context menu). The menu engine lives above the controls, so it
// registers a factory here; without one a control shows no menu.

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QWidget;

namespace lumora {

class TskControlPopupMenu {
 public:
  virtual ~TskControlPopupMenu() = default;
  // Appends an item ("-" makes a separator); handler runs when it is chosen.
  virtual QAction* AddItem(const QString& caption, std::function<void()> handler) = 0;
  // Opens at the screen point on behalf of control, which hears the menu
  // messages 1228 (closed) and 1229 (an item's command ran).
  virtual void Popup(QWidget* control, QPoint global) = 0;
};

// ownerForm: the form the menu belongs to.
using TskControlPopupMenuFactory =
    std::function<std::unique_ptr<TskControlPopupMenu>(QWidget* ownerForm)>;

// Replaces the factory; an empty one removes it.
void SetControlPopupMenuFactory(TskControlPopupMenuFactory factory);
// A new menu, or null when no factory is registered.
std::unique_ptr<TskControlPopupMenu> NewControlPopupMenu(QWidget* ownerForm);

}  // namespace lumora
