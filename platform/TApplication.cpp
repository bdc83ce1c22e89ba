#include "platform/TApplication.h"

#include <QMessageBox>
#include <QPointer>
#include <exception>

namespace pelbrix {
namespace {
QPointer<QWidget>& mainForm() {
  static QPointer<QWidget> form;
  return form;
}
TApplication::ExceptionDisplay& exceptionDisplay() {
  static TApplication::ExceptionDisplay display;
  return display;
}
}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The main window ends the application itself, whatever other windows are open.
  setQuitOnLastWindowClosed(false);
}

void TApplication::SetTitle(const QString& title) {
  // Not the display name: on X11 that would be appended to every window's caption.
  setApplicationName(title);
}

QWidget* TApplication::MainForm() {
  return mainForm();
}
void TApplication::SetMainForm(QWidget* form) {
  mainForm() = form;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowException(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowException(QStringLiteral("Unknown error"));
  }
  return false;
}

void TApplication::ShowException(const QString& message) {
  if (exceptionDisplay()) {
    exceptionDisplay()(message);
    return;
  }
  QMessageBox::critical(MainForm(), QCoreApplication::applicationName(), message);
}

TApplication::ExceptionDisplay TApplication::SetExceptionDisplay(ExceptionDisplay display) {
  std::swap(exceptionDisplay(), display);
  return display;
}

}  // namespace pelbrix
