#include "app/lumora_application.h"

#include <exception>

#include "app/error_box.h"

namespace lumora {

TLumoraApplication::TLumoraApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QString::fromUtf8(kApplicationTitle));
  setApplicationDisplayName(QString::fromUtf8(kApplicationTitle));
}

bool TLumoraApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
  }
  return false;
}

}  // namespace lumora
