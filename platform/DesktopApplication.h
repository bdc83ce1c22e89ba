#pragma once
// The process's Qt application: an exception that leaves an event handler is shown and the
// event loop goes on; the end of the desktop session is handed on. And the desktop's
// message boxes, over the main window.
#include <QApplication>
#include <QString>
#include <functional>

#include "core/MessageDisplay.h"

namespace pelbrix {

class TApplication;

class DesktopApplication : public QApplication {
 public:
  // `messages` shows the exceptions that leave an event handler and outlives the object;
  // `sessionEnding` runs when the desktop session is about to end.
  DesktopApplication(int& argc, char** argv, MessageDisplay& messages,
                     std::function<void()> sessionEnding = {});

  // Sets the application's title, as the window system shows it.
  void SetTitle(const QString& title);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  MessageDisplay& messages_;
};

// Message boxes over the application's main window.
class BoxMessageDisplay : public MessageDisplay {
 public:
  explicit BoxMessageDisplay(const TApplication& application) : application_(application) {}
  void ShowException(const QString& message) override;
  void ShowMessage(const QString& text) override;

 private:
  const TApplication& application_;
};

}  // namespace pelbrix
