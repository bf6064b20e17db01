#pragma once
// A control's link to a QAction, as the action link of the platform's
// controls: on linking and on every change of the action its text, enabled
// state and visibility follow into the control, and the control may
// take more (a check box its checked state) in its own apply step.

#include <QAction>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace lumora {

class TskActionLink {
 public:
  TskActionLink() = default;
  TskActionLink(const TskActionLink&) = delete;
  TskActionLink& operator=(const TskActionLink&) = delete;
  ~TskActionLink() { QObject::disconnect(connection_); }

  // apply(action, onlyDefaults) runs after the common properties: at once
  // with onlyDefaults as given, then with false on each change. A null
  // action unlinks.
  void Set(QWidget* control, QAction* action, std::function<void(QAction&, bool)> apply,
           bool onlyDefaults = false);
  QAction* Get() const { return action_; }

 private:
  void Changed(QWidget* control, bool onlyDefaults);

  QPointer<QAction> action_;
  QMetaObject::Connection connection_;
  std::function<void(QAction&, bool)> apply_;
};

}  // namespace lumora
