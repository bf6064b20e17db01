#include "skin/form/skin_menu.h"

#include <QWindow>

#include "platform/messages.h"
#include "skin/draw/screen_routines.h"
#include "skin/draw/skin_font.h"
#include "skin/form/popup_window.h"

namespace lumora {

namespace {

constexpr int kSubmenuDelay = 500;  // ms

bool HasVisibleItems(const QMenu* items, int startIndex) {
  if (items == nullptr) return false;
  const QList<QAction*> actions = items->actions();
  for (qsizetype i = std::max(startIndex, 0); i < actions.size(); ++i)
    if (actions[i]->isVisible()) return true;
  return false;
}

}  // namespace

TskSkinMenu::TskSkinMenu(QWidget* hostForm) : QObject(hostForm), host_form_(hostForm) {
  DefaultItemFont = SkinFont("Arial", 14, 0);
  delay_.setSingleShot(true);
  delay_.setInterval(kSubmenuDelay);
  connect(&delay_, &QTimer::timeout, this, [this] { DelayElapsed(); });
}

TskSkinMenu::~TskSkinMenu() {
  for (auto& window : windows_) delete window.data();
}

TskSkinPopupWindow* TskSkinMenu::Level(int i) const {
  if (i < 0 || i >= LevelCount()) return nullptr;
  return windows_[i].data();
}

int TskSkinMenu::LevelOf(const TskSkinPopupWindow* window) const {
  for (int i = 0; i < LevelCount(); ++i)
    if (windows_[i] == window) return i;
  return -1;
}

void TskSkinMenu::ShowMenu(QWidget* control, TskSkinData* skinData, bool popupUp, QMenu* items,
                           const TRect& rect, int startIndex) {
  const bool wasVisible = visible_;
  // The menu open so far is ended first, so that its own popup control hears
  // of it and the new one is not forgotten.
  CloseFrom(0);
  first_popup_ = !wasVisible;
  popup_control_ = control;
  const QWindow* window = host_form_ ? host_form_->windowHandle() : nullptr;
  work_area_ = window ? WindowWorkArea(window) : WorkAreaAt({rect.Left, rect.Top});
  skin_data_ = skinData;
  if (HasVisibleItems(items, startIndex)) {
    visible_ = true;
    OpenLevel(items, startIndex, rect, popupUp ? TskMenuDirection::Up : TskMenuDirection::Down);
  }
  first_popup_ = false;
}

void TskSkinMenu::OpenLevel(QMenu* items, int startIndex, const TRect& anchor,
                            TskMenuDirection direction) {
  if (!HasVisibleItems(items, startIndex)) return;
  auto* window = new TskSkinPopupWindow(*this, items, startIndex);
  windows_.emplace_back(window);
  window->ShowAt(anchor, direction);
}

void TskSkinMenu::CloseFrom(int level) {
  level = std::max(level, 0);
  while (LevelCount() > level) {
    if (TskSkinPopupWindow* window = windows_.back().data()) {
      window->Shutdown();
      window->hide();
      // A level may be closing from inside its own event handler.
      window->deleteLater();
    }
    windows_.pop_back();
  }
  if (level > 0) {
    if (TskSkinPopupWindow* parent = Level(level - 1)) parent->SubmenuClosed();
    return;
  }
  if (!visible_) return;
  visible_ = false;
  delay_.stop();
  command_control_ = popup_control_;
  SendMessage(popup_control_.data(), WM_SKINMENU_CLOSED, 0, 0);
  popup_control_ = nullptr;
  if (auto handler = std::exchange(close_event_, nullptr)) handler();
}

void TskSkinMenu::CloseAll() {
  CloseFrom(0);
  delay_.stop();
  waiting_window_ = nullptr;
  waiting_index_ = -1;
  SendMessage(host_form_.data(), WM_SKINMENU_CLOSED, 0, 0);
  if (popup_control_) SendMessage(popup_control_.data(), WM_SKINMENU_CLOSED, 0, 0);
}

void TskSkinMenu::HandleKey(int key, const QString& text) {
  if (!visible_ || windows_.empty()) return;
  if (TskSkinPopupWindow* deepest = windows_.back().data()) deepest->HandleKey(key, text);
}

void TskSkinMenu::ChooseItem(TskSkinPopupWindow* window, int index) {
  if (window == nullptr || index < 0 || index >= static_cast<int>(window->Items().size())) return;
  const TskSkinMenuItem& item = window->Items()[index];
  QPointer<QAction> action = item.action;
  if (item.HasSubmenu()) {
    OpenSubmenu(window, index);
    return;
  }
  delay_.stop();
  CloseAll();
  // The command may close the form and free this engine with it.
  QPointer<TskSkinMenu> self(this);
  if (action) action->trigger();
  if (!self) return;
  SendMessage(command_control_.data(), WM_SKINMENU_COMMAND, 0, 0);
  command_control_ = nullptr;
}

void TskSkinMenu::OpenSubmenu(TskSkinPopupWindow* window, int index) {
  const int level = LevelOf(window);
  if (level < 0) return;
  QAction* action = window->Items()[index].action;
  if (action == nullptr) return;
  if (TskSkinPopupWindow* next = Level(level + 1); next && next->Menu() == action->menu()) return;
  QPointer<TskSkinMenu> self(this);
  QPointer<TskSkinPopupWindow> guard(window);
  action->trigger();
  if (!self || !guard || LevelOf(window) != level) return;
  delay_.stop();
  CloseFrom(level + 1);
  window->SetItemSubmenuOpen(index);
  OpenLevel(action->menu(), 0, window->ItemScreenRect(index), TskMenuDirection::Submenu);
}

void TskSkinMenu::StartSubmenuWait(TskSkinPopupWindow* window, int index) {
  waiting_window_ = window;
  waiting_index_ = index;
  delay_.start();
}

void TskSkinMenu::StopSubmenuWait(TskSkinPopupWindow* window, int index) {
  if (waiting_window_ != window || waiting_index_ != index) return;
  delay_.stop();
  waiting_window_ = nullptr;
  waiting_index_ = -1;
}

void TskSkinMenu::DelayElapsed() {
  TskSkinPopupWindow* window = waiting_window_.data();
  const int index = waiting_index_;
  waiting_window_ = nullptr;
  waiting_index_ = -1;
  if (window && LevelOf(window) >= 0 && window->ActiveIndex() == index) ChooseItem(window, index);
}

}  // namespace lumora
