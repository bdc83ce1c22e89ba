#pragma once
// The application object: its title, its forms and their main window, and the standard
// display for exceptions that leave an event handler.
#include <QApplication>
#include <QString>
#include <functional>
#include <string>

namespace pelbrix {

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);

  // Sets the application's title, as the window system shows it.
  void SetTitle(const QString& title);

  // Creates a form into its global; the first form created becomes the main window.
  template <class Form, class... Args>
  Form* CreateForm(Form*& global, Args&&... args) {
    global = new Form(std::forward<Args>(args)...);
    if (!MainForm()) SetMainForm(global);
    return global;
  }

  static QWidget* MainForm();
  static void SetMainForm(QWidget* form);

  // An exception that leaves an event handler is shown here and the event loop goes on.
  bool notify(QObject* receiver, QEvent* event) override;

  // The standard exception display: a message box with the exception's message.
  static void ShowException(const QString& message);
  using ExceptionDisplay = std::function<void(const QString&)>;
  // Tests record instead of showing; returns the display it replaces.
  static ExceptionDisplay SetExceptionDisplay(ExceptionDisplay display);

  // A plain message box with an OK button, over the main window.
  static void ShowMessage(const QString& text);
  using MessageDisplay = std::function<void(const QString&)>;
  // Tests record instead of showing; returns the display it replaces.
  static MessageDisplay SetMessageDisplay(MessageDisplay display);

  // A settings file that cannot be written is reported through ShowMessage, naming the
  // file, the first time only in a run; the program goes on either way. The application
  // object installs this as the settings file's write-failure handler.
  static void ReportSettingsWriteFailure(const std::string& path, const std::string& reason);
  // Makes the next failure be reported again (tests).
  static void RearmSettingsWriteFailureReport();
};

}  // namespace pelbrix
