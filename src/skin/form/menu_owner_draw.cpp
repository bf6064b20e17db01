#include "skin/form/menu_owner_draw.h"

#include <QAction>
#include <QObject>

namespace lumora {

namespace {

// Holds the handler as a child of its action.
class OwnerDrawHolder : public QObject {
 public:
  OwnerDrawHolder(QAction* action, TskMenuItemOwnerDraw draw)
      : QObject(action), draw_(std::move(draw)) {
    setObjectName(QStringLiteral("skMenuItemOwnerDraw"));
  }
  const TskMenuItemOwnerDraw& Draw() const { return draw_; }

 private:
  TskMenuItemOwnerDraw draw_;
};

OwnerDrawHolder* HolderOf(const QAction* action) {
  if (action == nullptr) return nullptr;
  for (QObject* child : action->children()) {
    if (auto* holder = dynamic_cast<OwnerDrawHolder*>(child)) return holder;
  }
  return nullptr;
}

}  // namespace

void SetMenuItemOwnerDraw(QAction* action, TskMenuItemOwnerDraw draw) {
  if (action == nullptr) return;
  delete HolderOf(action);
  if (draw) new OwnerDrawHolder(action, std::move(draw));
}

TskMenuItemOwnerDraw MenuItemOwnerDraw(const QAction* action) {
  const OwnerDrawHolder* holder = HolderOf(action);
  return holder ? holder->Draw() : TskMenuItemOwnerDraw();
}

}  // namespace lumora
