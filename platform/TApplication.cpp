#include "platform/TApplication.h"

#include <QMessageBox>
#include <QPointer>
#include <QSessionManager>
#include <algorithm>
#include <exception>
#include <vector>

namespace pelbrix {
namespace {
// What the static operations act on: the application object's own state.
TApplication& application() {
  return *static_cast<TApplication*>(QCoreApplication::instance());
}
}  // namespace

// Marks a change of window state as the application's own while it lives.
struct TApplication::OwnChange {
  OwnChange() { ++application().changingWindows_; }
  ~OwnChange() { --application().changingWindows_; }
};

TApplication::TApplication(int& argc, char** argv, MessageDisplay& messages)
    : QApplication(argc, argv), messages_(messages) {
  // The main window ends the application itself, whatever other windows are open.
  setQuitOnLastWindowClosed(false);
  connect(this, &QGuiApplication::commitDataRequest, this,
          [](QSessionManager&) { TApplication::EndSession(); });
}

void TApplication::SetTitle(const QString& title) {
  // Not the display name: on X11 that would be appended to every window's caption.
  setApplicationName(title);
}

QWidget* TApplication::MainForm() {
  return QCoreApplication::instance() ? application().mainForm_.data() : nullptr;
}
void TApplication::SetMainForm(QWidget* form) {
  application().mainForm_ = form;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    messages_.ShowException(QString::fromUtf8(e.what()));
  } catch (...) {
    messages_.ShowException(QStringLiteral("Unknown error"));
  }
  return false;
}

bool TApplication::WindowPositionsKnown() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool TApplication::ChangingWindows() {
  return application().changingWindows_ > 0;
}

void TApplication::Minimize() {
  const OwnChange ownChange;
  QWidget* main = MainForm();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible() || w->isMinimized() || w == main) continue;
    if (w->windowType() != Qt::Window && w->windowType() != Qt::Dialog &&
        w->windowType() != Qt::Tool)
      continue;
    // Windows outside the window manager's care, such as a tray icon's own, stay as they are.
    if (w->windowFlags() & Qt::BypassWindowManagerHint) continue;
    application().minimisedWindows_.emplace_back(w);
    w->showMinimized();
  }
  if (main && !main->isMinimized()) main->showMinimized();
}

void TApplication::Restore() {
  const OwnChange ownChange;
  if (QWidget* main = MainForm(); main && main->isMinimized() && main->isVisible())
    main->showNormal();
  for (const QPointer<QWidget>& w : application().minimisedWindows_)
    if (w && w->isMinimized()) w->showNormal();
  application().minimisedWindows_.clear();
}

void TApplication::HideMainWindow() {
  const OwnChange ownChange;
  if (QWidget* main = MainForm()) {
    main->hide();
    application().mainWindowHidden_ = true;
  }
}

bool TApplication::MainWindowHidden() {
  return application().mainWindowHidden_;
}

void TApplication::ShowMainWindow() {
  const OwnChange ownChange;
  application().mainWindowHidden_ = false;
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
  application().hooks_.push_back({owner, std::move(hook)});
}

void TApplication::UnhookMainWindow(const void* owner) {
  std::erase_if(application().hooks_, [owner](const Hook& h) { return h.owner == owner; });
}

bool TApplication::IsMainWindowHooked(const void* owner) {
  return std::any_of(application().hooks_.begin(), application().hooks_.end(),
                     [owner](const Hook& h) { return h.owner == owner; });
}

bool TApplication::MainWindowMessage(TMessage& message) {
  if (application().dispatchingHooks_) return false;
  application().dispatchingHooks_ = true;
  struct Reset {
    ~Reset() { application().dispatchingHooks_ = false; }
  } reset;
  // A copy, so a hook may unhook itself (or another) while the list is walked.
  const std::vector<Hook> current = application().hooks_;
  for (const Hook& h : current)
    if (IsMainWindowHooked(h.owner) && h.hook(message)) return true;
  return false;
}

MessageWindow* TApplication::AllocateHWnd(MessageWindow::Handler handler) {
  auto* window = new MessageWindow(std::move(handler));
  application().messageWindows_.emplace_back(window);
  return window;
}

void TApplication::DeallocateHWnd(MessageWindow* window) {
  std::erase_if(application().messageWindows_,
                [window](const QPointer<MessageWindow>& w) { return !w || w == window; });
  delete window;
}

void TApplication::EndSession() {
  const std::vector<QPointer<MessageWindow>> windows = application().messageWindows_;
  for (const QPointer<MessageWindow>& w : windows)
    if (w) w->Send(msg::WM_QUERYENDSESSION);
  for (const QPointer<MessageWindow>& w : windows)
    if (w) w->Send(msg::WM_ENDSESSION, 1);
}

}  // namespace pelbrix

namespace pelbrix {

void BoxMessageDisplay::ShowException(const QString& message) {
  QMessageBox::critical(TApplication::MainForm(), QCoreApplication::applicationName(), message);
}

void BoxMessageDisplay::ShowMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                  TApplication::MainForm());
  box.exec();
}

}  // namespace pelbrix
