#include "platform/qt_messages.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace lumora {

void KeepQtMessagesQuiet() {
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::abort();
  });
}

}  // namespace lumora
