#include "skin/controls/action_link.h"

namespace lumora {

void TskActionLink::Set(QWidget* control, QAction* action,
                        std::function<void(QAction&, bool)> apply, bool onlyDefaults) {
  QObject::disconnect(connection_);
  action_ = action;
  apply_ = std::move(apply);
  if (action == nullptr) return;
  connection_ = QObject::connect(action, &QAction::changed, control,
                                 [this, control] { Changed(control, false); });
  Changed(control, onlyDefaults);
}

void TskActionLink::Changed(QWidget* control, bool onlyDefaults) {
  if (action_ == nullptr) return;
  control->setEnabled(action_->isEnabled());
  if (control->parentWidget() != nullptr) control->setVisible(action_->isVisible());
  if (apply_) apply_(*action_, onlyDefaults);
}

}  // namespace lumora
