#include "platform/TApplication.h"

#include <QApplication>
#include <algorithm>

namespace pelbrix {

// Marks a change of window state as the application's own while it lives.
struct TApplication::OwnChange {
  explicit OwnChange(TApplication& application) : count(application.changingWindows_) { ++count; }
  ~OwnChange() { --count; }
  int& count;
};

bool TApplication::WindowPositionsKnown() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void TApplication::Minimize() {
  const OwnChange ownChange(*this);
  QWidget* main = MainForm();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible() || w->isMinimized() || w == main) continue;
    if (w->windowType() != Qt::Window && w->windowType() != Qt::Dialog &&
        w->windowType() != Qt::Tool)
      continue;
    // Windows outside the window manager's care, such as a tray icon's own, stay as they are.
    if (w->windowFlags() & Qt::BypassWindowManagerHint) continue;
    minimisedWindows_.emplace_back(w);
    w->showMinimized();
  }
  if (main && !main->isMinimized()) main->showMinimized();
}

void TApplication::Restore() {
  const OwnChange ownChange(*this);
  if (QWidget* main = MainForm(); main && main->isMinimized() && main->isVisible())
    main->showNormal();
  for (const QPointer<QWidget>& w : minimisedWindows_)
    if (w && w->isMinimized()) w->showNormal();
  minimisedWindows_.clear();
}

void TApplication::HideMainWindow() {
  const OwnChange ownChange(*this);
  if (QWidget* main = MainForm()) {
    main->hide();
    mainWindowHidden_ = true;
  }
}

void TApplication::ShowMainWindow() {
  const OwnChange ownChange(*this);
  mainWindowHidden_ = false;
  // A plain show() would leave a hidden minimised window iconic.
  if (QWidget* main = MainForm()) main->showNormal();
}

void TApplication::BringToFront() {
  if (QWidget* main = MainForm()) {
    main->raise();
    main->activateWindow();
  }
}

void TApplication::HookMainWindow(const void* owner, MessageHook hook) {
  if (IsMainWindowHooked(owner)) return;
  hooks_.push_back({owner, std::move(hook)});
}

void TApplication::UnhookMainWindow(const void* owner) {
  std::erase_if(hooks_, [owner](const Hook& h) { return h.owner == owner; });
}

bool TApplication::IsMainWindowHooked(const void* owner) const {
  return std::any_of(hooks_.begin(), hooks_.end(),
                     [owner](const Hook& h) { return h.owner == owner; });
}

bool TApplication::MainWindowMessage(TMessage& message) {
  if (dispatchingHooks_) return false;
  dispatchingHooks_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{dispatchingHooks_};
  // A copy, so a hook may unhook itself (or another) while the list is walked.
  const std::vector<Hook> current = hooks_;
  for (const Hook& h : current)
    if (IsMainWindowHooked(h.owner) && h.hook(message)) return true;
  return false;
}

bool TApplication::NotifyAreaHostsChanged(bool iconShown) {
  if (!mainWindowHidden_) return false;  // the taskbar is the way back again
  if (iconShown) return true;
  // The way back went with the host. The window comes back as for the window system's
  // restore command, which the icon's hook takes over; without a hook, directly.
  TMessage restore{msg::WM_SYSCOMMAND, msg::SC_RESTORE, 0, 0};
  MainWindowMessage(restore);
  if (mainWindowHidden_) {
    Restore();
    ShowMainWindow();
    BringToFront();
  }
  return false;
}

MessageWindow* TApplication::AllocateHWnd(MessageWindow::Handler handler) {
  auto* window = new MessageWindow(std::move(handler));
  messageWindows_.emplace_back(window);
  return window;
}

void TApplication::DeallocateHWnd(MessageWindow* window) {
  std::erase_if(messageWindows_,
                [window](const QPointer<MessageWindow>& w) { return !w || w == window; });
  delete window;
}

void TApplication::EndSession() {
  const std::vector<QPointer<MessageWindow>> windows = messageWindows_;
  for (const QPointer<MessageWindow>& w : windows)
    if (w) w->Send(msg::WM_QUERYENDSESSION);
  for (const QPointer<MessageWindow>& w : windows)
    if (w) w->Send(msg::WM_ENDSESSION, 1);
}

}  // namespace pelbrix
