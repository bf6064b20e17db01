#include "skin/form/skin_popup_menu.h"

#include "skin/data/skin_data.h"
#include "skin/form/menu_host.h"
#include "skin/form/skin_menu.h"

namespace lumora {

TskSkinPopupMenu::TskSkinPopupMenu(QWidget* owner) : TComponent(owner), items_(new QMenu(owner)) {}

TskSkinPopupMenu::~TskSkinPopupMenu() {
  delete items_.data();
}

QAction* TskSkinPopupMenu::AddItem(const char* name, const QString& caption,
                                   std::function<void()> handler) {
  QAction* action =
      caption == QLatin1String("-") ? items_->addSeparator() : items_->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  if (handler) QObject::connect(action, &QAction::triggered, items_.data(), std::move(handler));
  return action;
}

void TskSkinPopupMenu::SetSkinData(TskSkinData* skin) {
  if (skin_data_) RemoveFreeNotification(skin_data_);
  skin_data_ = skin;
  if (skin_data_) FreeNotification(skin_data_);
}

void TskSkinPopupMenu::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == skin_data_) skin_data_ = nullptr;
}

TskMenuHost* TskSkinPopupMenu::FindHost() const {
  if (host_) return host_;
  if (host_form_) return FindMenuHost(host_form_);
  return FindMenuHost(qobject_cast<const QWidget*>(Owner()));
}

void TskSkinPopupMenu::Popup(int x, int y) {
  Show(nullptr, {x, y, x, y}, false, false);
}

void TskSkinPopupMenu::PopupFromControl(QWidget* control, int x, int y) {
  Show(control, {x, y, x, y}, false, true);
}

void TskSkinPopupMenu::PopupAtRect(const TRect& rect, bool up) {
  Show(nullptr, rect, up, false);
}

void TskSkinPopupMenu::Show(QWidget* control, const TRect& rect, bool up, bool needSkin) {
  if (OnPopup) OnPopup();
  TskMenuHost* host = FindHost();
  if (host == nullptr) return;
  if (skin_data_ == nullptr) SetSkinData(host->MenusSkin());
  if (needSkin && skin_data_ == nullptr) return;
  TskSkinMenu& engine = host->SkinMenu();
  if (engine.Visible()) {
    engine.CloseAll();
    host->MenuClosed();
  }
  host->MenuOpened();
  popup_point_ = {rect.Left, rect.Top};
  engine.ShowMenu(control, skin_data_, up, items_.data(), rect, 0);
  if (!engine.Visible()) {
    host->MenuClosed();
    return;
  }
  if (OnMenuClose) engine.SetMenuCloseEvent(OnMenuClose);
}

}  // namespace lumora
