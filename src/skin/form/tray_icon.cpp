#include "skin/form/tray_icon.h"

#include <QApplication>
#include <QMenu>
#include <QWidget>

namespace lumora {

TskTrayIcon::TskTrayIcon(QObject* owner)
    : TComponent(qobject_cast<QWidget*>(owner)), icon_(std::make_unique<QSystemTrayIcon>()) {
  QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                   [this](QSystemTrayIcon::ActivationReason reason) {
                     if (reason != QSystemTrayIcon::Context && OnActivate) OnActivate();
                   });
}

TskTrayIcon::~TskTrayIcon() = default;

void TskTrayIcon::SetVisible(bool on) {
  visible_ = on;
  // Without a system tray there is nothing to show; the flag still counts.
  if (QSystemTrayIcon::isSystemTrayAvailable()) icon_->setVisible(on);
}

void TskTrayIcon::SetPopupMenu(QMenu* menu) {
  menu_ = menu;
  icon_->setContextMenu(menu);
}

void TskTrayIcon::SetIcon(const QIcon& icon) {
  icon_->setIcon(icon);
}

void TskTrayIcon::ShowApplication() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isMinimized()) w->showNormal();
  }
}

}  // namespace lumora
