// The yardstick for Pelbrix's start-up: a bare Qt window with one label, shown, and
// nothing else.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel(QStringLiteral("Hello"), &window));
  window.show();
  return app.exec();
}
