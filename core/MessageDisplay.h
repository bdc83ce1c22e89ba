#pragma once
// The application's message boxes, as a service the windows are given: the standard
// exception display and a plain message with an OK button.
#include <QString>

namespace pelbrix {

class MessageDisplay {
 public:
  virtual ~MessageDisplay() = default;
  // The standard exception display: a message box with the exception's message.
  virtual void ShowException(const QString& message) = 0;
  // A plain message box with an OK button, over the main window.
  virtual void ShowMessage(const QString& text) = 0;
};

}  // namespace pelbrix
