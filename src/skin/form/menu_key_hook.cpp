#include "skin/form/menu_key_hook.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "skin/form/popup_window.h"
#include "skin/form/skin_menu.h"

namespace lumora {

TskMenuKeyHook::TskMenuKeyHook(TskSkinMenu& menu, std::function<void()> closed)
    : menu_(menu), closed_(std::move(closed)) {}

TskMenuKeyHook::~TskMenuKeyHook() {
  Remove();
}

void TskMenuKeyHook::Install() {
  if (installed_ || QCoreApplication::instance() == nullptr) return;
  QCoreApplication::instance()->installEventFilter(this);
  installed_ = true;
}

void TskMenuKeyHook::Remove() {
  if (!installed_) return;
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
  installed_ = false;
}

bool TskMenuKeyHook::InsideMenu(QObject* watched) const {
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (widget == nullptr) return false;
  const QWidget* window = widget->window();
  for (int i = 0; i < menu_.LevelCount(); ++i)
    if (menu_.Level(i) == window) return true;
  return false;
}

bool TskMenuKeyHook::eventFilter(QObject* watched, QEvent* event) {
  if (!menu_.Visible()) return false;
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // The menu has the keyboard: no short cut of the form may fire.
      event->accept();
      return true;
    case QEvent::KeyPress: {
      // A key reaches every object from the focused widget up; take it once.
      if (!watched->isWidgetType()) return false;
      const auto* key = static_cast<QKeyEvent*>(event);
      menu_.HandleKey(key->key(), key->text());
      if (!menu_.Visible() && closed_) closed_();
      return true;
    }
    case QEvent::KeyRelease:
      return watched->isWidgetType();
    case QEvent::Wheel:
      return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (watched->isWidgetType() && !InsideMenu(watched)) menu_.CloseAll();
      return false;
    default:
      return false;
  }
}

}  // namespace lumora
