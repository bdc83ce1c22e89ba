// The yardstick for Pelbrix's start-up: the least a Qt Widgets program can show, a
// single label as its own top-level window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window(QStringLiteral("Hello"));
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.show();
  return app.exec();
}
