#include "skin/controls/control_popup_menu.h"

namespace lumora {

namespace {

TskControlPopupMenuFactory& Factory() {
  static TskControlPopupMenuFactory factory;
  return factory;
}

}  // namespace

void SetControlPopupMenuFactory(TskControlPopupMenuFactory factory) {
  Factory() = std::move(factory);
}

std::unique_ptr<TskControlPopupMenu> NewControlPopupMenu(QWidget* ownerForm) {
  return Factory() ? Factory()(ownerForm) : nullptr;
}

}  // namespace lumora
