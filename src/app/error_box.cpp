#include "app/error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace lumora {

void ShowErrorBox(const std::string& message) {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(ErrorBoxText(message)), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setObjectName("ErrorBox");
  // The text can be selected and copied, to quote it in a report.
  box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box.exec();
}

void RunCommand(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
  }
}

}  // namespace lumora
