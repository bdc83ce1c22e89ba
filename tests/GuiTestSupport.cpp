#include "GuiTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTimer>

#include "platform/SettingsPath.h"

namespace pelbrix::test {

ErrorRecorder::ErrorRecorder() {
  previous_ =
      setErrorDialogHandler([this](ErrorDialog d) { shown.push_back(static_cast<int>(d)); });
}
ErrorRecorder::~ErrorRecorder() {
  setErrorDialogHandler(previous_);
}

TempSettings::TempSettings() {
  previous_ = setSettingsFilePathOverride(path());
}
TempSettings::~TempSettings() {
  setSettingsFilePathOverride(previous_);
}
std::string TempSettings::path() const {
  return dir_.filePath(QStringLiteral("pelbrix.INI")).toStdString();
}
bool TempSettings::exists() const {
  return QFile::exists(QString::fromStdString(path()));
}

std::string TempSettings::read() const {
  QFile f(QString::fromStdString(path()));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().toStdString();
}

void TempSettings::write(const std::string& content) const {
  QFile f(QString::fromStdString(path()));
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(content.data(), static_cast<qint64>(content.size()));
}

QString runModal(const std::function<void()>& action) {
  QString seen;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      seen = modal->objectName();
      modal->close();
    }
  });
  timer.start();
  action();
  timer.stop();
  return seen;
}

}  // namespace pelbrix::test

#include "app/Forms.h"
#include "dialogs/TForm9.h"
#include "platform/TApplication.h"

namespace pelbrix::test {
void ensureForms() {
  static bool created = false;
  if (created) return;
  created = true;
  static TempSettings* settings = new TempSettings;  // lives for the whole process
  (void)settings;
  CreateForms(*static_cast<TApplication*>(QCoreApplication::instance()));
  // Activating the main window would show the splash screen; only its own tests ask for it.
  SplashPending = false;
}
}  // namespace pelbrix::test
