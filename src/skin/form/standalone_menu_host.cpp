#include "skin/form/standalone_menu_host.h"

#include <QEvent>

#include "platform/messages.h"
#include "skin/form/menu_key_hook.h"
#include "skin/form/skin_menu.h"

namespace lumora {

TskStandaloneMenuHost::TskStandaloneMenuHost(QWidget* form, TskSkinData* skin)
    : QObject(form), form_(form), skin_(skin), menu_(new TskSkinMenu(form)) {
  hook_ = std::make_unique<TskMenuKeyHook>(*menu_, [this] { MenuClosed(); });
  form->installEventFilter(this);
  RegisterMenuHost(form, this);
}

TskStandaloneMenuHost::~TskStandaloneMenuHost() {
  UnregisterMenuHost(this);
  hook_.reset();
}

void TskStandaloneMenuHost::MenuOpened() {
  hook_->Install();
  if (open_) return;
  open_ = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen();
}

void TskStandaloneMenuHost::MenuClosed() {
  hook_->Remove();
  if (!open_) return;
  open_ = false;
  if (OnSkinMenuClose) OnSkinMenuClose();
}

bool TskStandaloneMenuHost::eventFilter(QObject* watched, QEvent* event) {
  if (watched != form_) return false;
  switch (static_cast<int>(event->type())) {
    case WM_SKINMENU_CLOSED:
      MenuClosed();
      break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
      if (menu_->Visible()) menu_->CloseAll();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace lumora
