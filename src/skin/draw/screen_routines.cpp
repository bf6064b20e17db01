#include "skin/draw/screen_routines.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "skin/draw/rect_routines.h"

namespace lumora {

namespace {

const QScreen* ScreenOf(const QWindow* window) {
  const QScreen* screen = window != nullptr ? window->screen() : nullptr;
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

TRect Available(const QScreen* screen) {
  return screen != nullptr ? FromQRect(screen->availableGeometry()) : TRect{};
}

TRect Full(const QScreen* screen) {
  return screen != nullptr ? FromQRect(screen->geometry()) : TRect{};
}

}  // namespace

void SetWindowAlpha(QWindow* window, int alpha) {
  if (window == nullptr) return;
  window->setOpacity(std::clamp(alpha, 0, 255) / 255.0);
}

TRect ScreenWorkArea() {
  return Available(QGuiApplication::primaryScreen());
}

TRect ScreenFullArea() {
  return Full(QGuiApplication::primaryScreen());
}

TRect WindowWorkArea(const QWindow* window) {
  return Available(ScreenOf(window));
}

TRect WindowScreenArea(const QWindow* window) {
  return Full(ScreenOf(window));
}

TRect WorkAreaAt(TPoint point) {
  const QScreen* screen = QGuiApplication::screenAt(QPoint(point.x, point.y));
  return Available(screen != nullptr ? screen : QGuiApplication::primaryScreen());
}

}  // namespace lumora
