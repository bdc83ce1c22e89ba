#pragma once
// The application object: its title, its forms and their main window, and the standard
// display for exceptions that leave an event handler.
#include <QApplication>
#include <QString>
#include <functional>
#include <string>

#include "platform/NotifyArea.h"

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
  // False where the platform can neither place a top-level window nor tell where it
  // is (native Wayland): a position read there is not the window's.
  static bool WindowPositionsKnown();

  // Minimises every shown window of the application / brings them all back.
  static void Minimize();
  static void Restore();
  // The main window's taskbar entry: hiding the minimised main window removes it;
  // showing it again restores the window, and BringToFront makes it the active one.
  static void HideMainWindow();
  static void ShowMainWindow();
  static void BringToFront();
  // True while one of the calls above changes a window's state; such a change is the
  // application's own doing, not a command for the hooks.
  static bool ChangingWindows();

  // Hooks that see the main window's messages first (a minimise reaches them as
  // WM_SYSCOMMAND/SC_MINIMIZE, a restore as SC_RESTORE); one answering true claims it.
  using MessageHook = std::function<bool(TMessage&)>;
  static void HookMainWindow(const void* owner, MessageHook hook);
  static void UnhookMainWindow(const void* owner);
  static bool IsMainWindowHooked(const void* owner);
  // Hands a message of the main window to the hooks; true when one claimed it. A hook
  // that minimises or restores the main window itself is not called again for that.
  static bool MainWindowMessage(TMessage& message);

  // Hidden windows that are told when the desktop session ends (WM_QUERYENDSESSION,
  // then WM_ENDSESSION).
  static MessageWindow* AllocateHWnd(MessageWindow::Handler handler);
  static void DeallocateHWnd(MessageWindow* window);
  static void EndSession();
};

}  // namespace pelbrix
