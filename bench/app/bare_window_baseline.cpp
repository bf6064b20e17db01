// The start-up baseline: a bare Qt window with one text box that prints
// "painted" after its first paint and quits.
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdio>

class Window : public QPlainTextEdit {
 protected:
  void paintEvent(QPaintEvent* e) override {
    QPlainTextEdit::paintEvent(e);
    if (done_) return;
    done_ = true;
    std::fputs("painted\n", stdout);
    std::fflush(stdout);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }

 private:
  bool done_ = false;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Window w;
  w.resize(707, 640);
  w.show();
  return app.exec();
}
