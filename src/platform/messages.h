#pragma once
// Window messages between our own components: custom QEvent types whose type
// numbers are the message numbers, carrying wParam and lParam, delivered
// synchronously to a form with QCoreApplication::sendEvent.

#include <QEvent>
#include <cstdint>

class QObject;

namespace lumora {

// Message numbers (WM_USER = 1024).
constexpr int WM_SKINDATA_CHANGING = 1225;
constexpr int WM_SKINDATA_LOADED = 1226;
constexpr int WM_SKINDATA_CHANGED = 1227;
constexpr int WM_SKINMENU_CLOSED = 1228;
constexpr int WM_SKINMENU_COMMAND = 1229;
constexpr int WM_SKINDATA_STRINGS = 1274;
constexpr int WM_SKINDATA_SKINNABLE = 1294;
constexpr int WM_PARENTBGCHANGED = 0x0504;

// One message; Result is what the receiver answers (0 unless it sets one).
class TMessageEvent : public QEvent {
 public:
  TMessageEvent(int msg, intptr_t wparam, intptr_t lparam);
  int Msg() const { return static_cast<int>(type()); }
  intptr_t WParam() const { return wparam_; }
  intptr_t LParam() const { return lparam_; }
  intptr_t Result() const { return result_; }
  void SetResult(intptr_t r) { result_ = r; }

 private:
  intptr_t wparam_;
  intptr_t lparam_;
  intptr_t result_ = 0;
};

// The message event behind an event, or null when it is not one of ours.
TMessageEvent* AsMessage(QEvent* event);

// Sends synchronously; returns the receiver's result. A null receiver gets
// nothing and gives 0.
intptr_t SendMessage(QObject* receiver, int msg, intptr_t wparam, intptr_t lparam);

}  // namespace lumora
