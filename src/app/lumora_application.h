#pragma once
// The application object: its title, and the message loop's error handler
// that turns an exception leaving an event handler into the error box.

#include <QApplication>

namespace lumora {

class TLumoraApplication : public QApplication {
 public:
  TLumoraApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace lumora
