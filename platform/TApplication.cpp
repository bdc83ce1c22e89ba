#include "platform/TApplication.h"

#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <exception>

#include "platform/IniFile.h"

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
TApplication::MessageDisplay& messageDisplay() {
  static TApplication::MessageDisplay display;
  return display;
}
bool& settingsFailureReported() {
  static bool reported = false;
  return reported;
}
}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The main window ends the application itself, whatever other windows are open.
  setQuitOnLastWindowClosed(false);
  setIniWriteFailureHandler(&TApplication::ReportSettingsWriteFailure);
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

namespace pelbrix {

void TApplication::ShowMessage(const QString& text) {
  if (messageDisplay()) {
    messageDisplay()(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                  MainForm());
  box.exec();
}

TApplication::MessageDisplay TApplication::SetMessageDisplay(MessageDisplay display) {
  std::swap(messageDisplay(), display);
  return display;
}

void TApplication::ReportSettingsWriteFailure(const std::string& path, const std::string& reason) {
  // A save writes several keys; one message says it all, and later saves of the same
  // run would only repeat it.
  if (settingsFailureReported()) return;
  settingsFailureReported() = true;
  ShowMessage(QObject::tr("The settings could not be saved to the file\n%1\n(%2).\n\n"
                          "Pelbrix goes on, but will not remember these settings next time.")
                  .arg(QFile::decodeName(path.c_str()), QString::fromLocal8Bit(reason.c_str())));
}

void TApplication::RearmSettingsWriteFailureReport() {
  settingsFailureReported() = false;
}

}  // namespace pelbrix
