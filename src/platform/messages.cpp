#include "platform/messages.h"

#include <QCoreApplication>
#include <mutex>

namespace lumora {

namespace {

constexpr int kMessages[] = {WM_SKINDATA_CHANGING, WM_SKINDATA_LOADED,  WM_SKINDATA_CHANGED,
                             WM_SKINMENU_CLOSED,   WM_SKINMENU_COMMAND, WM_SKINDATA_STRINGS,
                             WM_SKINDATA_SKINNABLE};

// Reserve our numbers so that no dynamically registered event type takes them.
void ReserveMessageNumbers() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int m : kMessages) QEvent::registerEventType(m);
  });
}

bool IsOurMessage(int type) {
  if (type == WM_PARENTBGCHANGED) return true;
  for (int m : kMessages)
    if (m == type) return true;
  return false;
}

}  // namespace

TMessageEvent::TMessageEvent(int msg, intptr_t wparam, intptr_t lparam)
    : QEvent(static_cast<QEvent::Type>(msg)), wparam_(wparam), lparam_(lparam) {
  ReserveMessageNumbers();
}

TMessageEvent* AsMessage(QEvent* event) {
  if (event == nullptr || !IsOurMessage(static_cast<int>(event->type()))) return nullptr;
  return dynamic_cast<TMessageEvent*>(event);
}

intptr_t SendMessage(QObject* receiver, int msg, intptr_t wparam, intptr_t lparam) {
  if (receiver == nullptr) return 0;
  TMessageEvent event(msg, wparam, lparam);
  QCoreApplication::sendEvent(receiver, &event);
  return event.Result();
}

}  // namespace lumora
