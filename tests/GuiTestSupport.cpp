#include "GuiTestSupport.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/TMain.h"

namespace pelbrix::test {

TempSettings::TempSettings() : store([this] { return path(); }, messages) {}

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

QString runModal(const std::function<void()>& action,
                 const std::function<void(QWidget*)>& whileOpen) {
  QString seen;
  QTimer timer;  // zero-length: it runs on the modal loop's first pass
  QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      seen = modal->objectName();
      if (whileOpen) whileOpen(modal);
      modal->close();
    }
  });
  timer.start(0);
  action();
  timer.stop();
  return seen;
}

namespace {
FakeNotifyArea& withoutTray(FakeNotifyArea& area) {
  area.available = false;  // as offscreen: no tray to minimise into
  return area;
}

SettingsStore& seeded(TempSettings& settings, const std::string& content) {
  if (!content.empty()) settings.write(content);
  return settings.store;
}
}  // namespace

TestApplication::TestApplication(const std::string& settingsFile)
    : windows({application, seeded(settings, settingsFile), withoutTray(notifyArea),
               settings.messages, help, &QDateTime::currentDateTime, &errors}) {
  windows.Main->SplashPending = false;
}

MessageRecorder& applicationMessages() {
  static MessageRecorder messages;
  return messages;
}

void WindowsTest::type(QLineEdit* e, const QString& text) {
  e->clear();
  QTest::keyClicks(e, text);
}

}  // namespace pelbrix::test
