#pragma once
// Fakes and helpers for GUI tests: dialogs and messages recorded instead of shown, the
// settings file in a temporary folder, modal windows closed from a timer, and the
// application's windows built over fakes.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "FakeNotifyArea.h"
#include "app/Application.h"
#include "core/ErrorReport.h"
#include "core/MessageDisplay.h"
#include "core/SettingsStore.h"
#include "platform/Help.h"
#include "platform/TApplication.h"
#include "trayicon/Trayicon.h"

namespace pelbrix::test {

// Records every error dialog asked for.
class ErrorRecorder : public ErrorPresenter {
 public:
  void show(ErrorDialog which) override { shown.push_back(static_cast<int>(which)); }
  std::vector<int> shown;  // dialog numbers, in order
};

// Records the guide's addresses F1 asks for, instead of opening a browser.
class HelpRecorder : public HelpBrowser {
 public:
  bool open(const QUrl& address) override {
    opened.push_back(address);
    return browserStarts;
  }
  std::vector<QUrl> opened;
  bool browserStarts = true;  // false: as if no browser could be started
};

// Records the exceptions and messages that would have been shown.
class MessageRecorder : public MessageDisplay {
 public:
  void ShowException(const QString& message) override { exceptions << message; }
  void ShowMessage(const QString& text) override { messages << text; }
  QStringList exceptions, messages;
};

// An animation timer that ticks only when the test says so.
class ManualTimer : public AnimationTimer {
 public:
  void start(int milliseconds) override { active_ = true, interval_ = milliseconds; }
  void stop() override { active_ = false; }
  bool isActive() const override { return active_; }
  int interval() const override { return interval_; }
  void tick() {
    if (active_) onTick();
  }

 private:
  bool active_ = false;
  int interval_ = 0;
};

// A settings store over a file in a fresh temporary folder; its failure reports are
// recorded in `messages`.
class TempSettings {
 public:
  TempSettings();
  std::string path() const;
  std::string read() const;  // the file's bytes, "" when missing
  void write(const std::string& content) const;
  bool exists() const;

  MessageRecorder messages;
  SettingsStore store;

 private:
  QTemporaryDir dir_;
};

// Runs `action` (which is expected to open a modal window), hands whichever modal window
// opens to `whileOpen` and closes it; returns the object name of the modal window seen.
QString runModal(const std::function<void()>& action,
                 const std::function<void(QWidget*)>& whileOpen = {});

// The application's twelve windows over fakes: a settings file in a temporary folder
// that starts empty, a notification area with no tray, recorded dialogs, messages and help
// addresses. Its splash screen is not pending (only the splash screen's own tests ask for it).
// `settingsFile`, when given, is the file's content before the windows read it.
struct TestApplication {
  explicit TestApplication(const std::string& settingsFile = {});
  TApplication application;
  TempSettings settings;
  FakeNotifyArea notifyArea;
  ErrorRecorder errors;
  HelpRecorder help;
  Application windows;
};

// A test with a set of the application's windows of its own.
class WindowsTest : public testing::Test {
 protected:
  // Empties the field and types `text` into it.
  static void type(QLineEdit* e, const QString& text);
  // The numbers of the error dialogs shown so far.
  std::vector<int>& shown() { return app.errors.shown; }

  TestApplication app;
  Application& windows = app.windows;
};

// What the application object showed for exceptions that left an event handler.
MessageRecorder& applicationMessages();

}  // namespace pelbrix::test
