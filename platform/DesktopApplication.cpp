#include "platform/DesktopApplication.h"

#include <QMessageBox>
#include <QSessionManager>
#include <exception>
#include <utility>

#include "platform/TApplication.h"

namespace pelbrix {

DesktopApplication::DesktopApplication(int& argc, char** argv, MessageDisplay& messages,
                                       std::function<void()> sessionEnding)
    : QApplication(argc, argv), messages_(messages) {
  // The main window ends the application itself, whatever other windows are open.
  setQuitOnLastWindowClosed(false);
  if (sessionEnding)
    connect(this, &QGuiApplication::commitDataRequest, this,
            [ending = std::move(sessionEnding)](QSessionManager&) { ending(); });
}

void DesktopApplication::SetTitle(const QString& title) {
  // Not the display name: on X11 that would be appended to every window's caption.
  setApplicationName(title);
}

bool DesktopApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    messages_.ShowException(QString::fromUtf8(e.what()));
  } catch (...) {
    messages_.ShowException(translate("pelbrix::DesktopApplication", "Unknown error"));
  }
  return false;
}

void BoxMessageDisplay::ShowException(const QString& message) {
  QMessageBox::critical(application_.MainForm(), QCoreApplication::applicationName(), message);
}

void BoxMessageDisplay::ShowMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                  application_.MainForm());
  box.exec();
}

}  // namespace pelbrix
