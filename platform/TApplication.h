#pragma once
// The application's state that its windows share: which window is the main one, the
// minimising, hiding and restoring of its windows, the hooks that see the main window's
// messages first, and the hidden windows told when the desktop session ends. One object
// is made before the windows and handed to each that needs it.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/WindowMessages.h"

namespace pelbrix {

class TApplication {
 public:
  TApplication() = default;
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // The main window: the first window the application's owner creates.
  QWidget* MainForm() const { return mainForm_.data(); }
  void SetMainForm(QWidget* form) { mainForm_ = form; }

  // False where the platform can neither place a top-level window nor tell where it is
  // (native Wayland): a position read there is not the window's. Asks the running
  // platform plugin.
  static bool WindowPositionsKnown();

  // Minimises every shown window of the application / brings them all back.
  void Minimize();
  void Restore();
  // The main window's taskbar entry: hiding the minimised main window removes it;
  // showing it again restores the window, and BringToFront makes it the active one.
  void HideMainWindow();
  void ShowMainWindow();
  void BringToFront();
  // True from HideMainWindow until ShowMainWindow: the main window is off the screen and
  // off the taskbar, and only the notification area's icon can bring it back.
  bool MainWindowHidden() const { return mainWindowHidden_; }
  // True while one of the calls above changes a window's state; such a change is the
  // application's own doing, not a command for the hooks.
  bool ChangingWindows() const { return changingWindows_ > 0; }

  // Hooks that see the main window's messages first (a minimise reaches them as
  // WM_SYSCOMMAND/SC_MINIMIZE, a restore as SC_RESTORE); one answering true claims it.
  using MessageHook = std::function<bool(TMessage&)>;
  void HookMainWindow(const void* owner, MessageHook hook);
  void UnhookMainWindow(const void* owner);
  bool IsMainWindowHooked(const void* owner) const;
  // Hands a message of the main window to the hooks; true when one claimed it. A hook
  // that minimises or restores the main window itself is not called again for that.
  bool MainWindowMessage(TMessage& message);

  // What the notification area's hosts changing means while the main window may be hidden
  // into it: answers whether the application still relies on the icon. A host that goes
  // while the window is hidden takes the way back with it, so the window comes back.
  bool NotifyAreaHostsChanged(bool iconShown);

  // Hidden windows that are told when the desktop session ends (WM_QUERYENDSESSION,
  // then WM_ENDSESSION).
  MessageWindow* AllocateHWnd(MessageWindow::Handler handler);
  void DeallocateHWnd(MessageWindow* window);
  void EndSession();

 private:
  struct OwnChange;
  struct Hook {
    const void* owner;
    MessageHook hook;
  };
  QPointer<QWidget> mainForm_;
  std::vector<Hook> hooks_;
  bool dispatchingHooks_ = false;
  std::vector<QPointer<MessageWindow>> messageWindows_;
  // Windows that Minimize minimised besides the main window, for Restore to bring back.
  std::vector<QPointer<QWidget>> minimisedWindows_;
  int changingWindows_ = 0;
  bool mainWindowHidden_ = false;  // from HideMainWindow until ShowMainWindow
};

}  // namespace pelbrix
