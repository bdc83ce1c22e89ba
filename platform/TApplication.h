#pragma once
// The application object: its title, its main window, the display for exceptions that
// leave an event handler, and the minimising, restoring and hooks of its windows.
#include <QApplication>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "core/MessageDisplay.h"
#include "platform/NotifyArea.h"

namespace pelbrix {

class TApplication : public QApplication {
 public:
  // `messages` shows the exceptions that leave an event handler; it outlives the object.
  TApplication(int& argc, char** argv, MessageDisplay& messages);

  // Sets the application's title, as the window system shows it.
  void SetTitle(const QString& title);

  // The main window: the first window the application's owner creates.
  static QWidget* MainForm();
  static void SetMainForm(QWidget* form);

  // An exception that leaves an event handler is shown here and the event loop goes on.
  bool notify(QObject* receiver, QEvent* event) override;

  // False where the platform can neither place a top-level window nor tell where it is
  // (native Wayland): a position read there is not the window's. Asks the running
  // platform plugin.
  static bool WindowPositionsKnown();

  // Minimises every shown window of the application / brings them all back.
  static void Minimize();
  static void Restore();
  // The main window's taskbar entry: hiding the minimised main window removes it;
  // showing it again restores the window, and BringToFront makes it the active one.
  static void HideMainWindow();
  static void ShowMainWindow();
  static void BringToFront();
  // True from HideMainWindow until ShowMainWindow: the main window is off the screen and
  // off the taskbar, and only the notification area's icon can bring it back.
  static bool MainWindowHidden();
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

 private:
  struct OwnChange;
  struct Hook {
    const void* owner;
    MessageHook hook;
  };
  MessageDisplay& messages_;
  QPointer<QWidget> mainForm_;
  std::vector<Hook> hooks_;
  bool dispatchingHooks_ = false;
  std::vector<QPointer<MessageWindow>> messageWindows_;
  // Windows that Minimize minimised besides the main window, for Restore to bring back.
  std::vector<QPointer<QWidget>> minimisedWindows_;
  int changingWindows_ = 0;
  bool mainWindowHidden_ = false;  // from HideMainWindow until ShowMainWindow
};

// The desktop's message boxes, over the main window.
class BoxMessageDisplay : public MessageDisplay {
 public:
  void ShowException(const QString& message) override;
  void ShowMessage(const QString& text) override;
};

}  // namespace pelbrix
