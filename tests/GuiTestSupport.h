#pragma once
// Seams for GUI tests: dialogs recorded instead of shown, the settings file in a
// temporary folder, modal windows closed from a timer.
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ErrorReport.h"

namespace pelbrix::test {

// Records every error dialog asked for while it lives.
class ErrorRecorder {
 public:
  ErrorRecorder();
  ~ErrorRecorder();
  std::vector<int> shown;  // dialog numbers, in order

 private:
  ErrorDialogHandler previous_;
};

// Points the settings file into a fresh temporary folder while it lives, then back to
// where it pointed before (so nested ones in a test keep the process-wide one).
class TempSettings {
 public:
  TempSettings();
  ~TempSettings();
  std::string path() const;
  std::string read() const;  // the file's bytes, "" when missing
  void write(const std::string& content) const;
  bool exists() const;

 private:
  QTemporaryDir dir_;
  std::optional<std::string> previous_;  // restored on destruction
};

// Runs `action` (which is expected to open a modal window) and closes whichever modal
// window opens from a timer; returns the object name of the modal window seen.
QString runModal(const std::function<void()>& action);

}  // namespace pelbrix::test

namespace pelbrix::test {
// Creates the application's twelve windows once per test process, with the settings
// file in a temporary folder that starts empty.
void ensureForms();
}  // namespace pelbrix::test
