#include "platform/TApplication.h"

#include <QMessageBox>
#include <QPointer>
#include <QSessionManager>
#include <algorithm>
#include <exception>
#include <vector>

namespace pelbrix {
namespace {
QPointer<QWidget>& mainForm() {
  static QPointer<QWidget> form;
  return form;
}
struct Hook {
  const void* owner;
  TApplication::MessageHook hook;
};
std::vector<Hook>& hooks() {
  static std::vector<Hook> list;
  return list;
}
std::vector<QPointer<MessageWindow>>& messageWindows() {
  static std::vector<QPointer<MessageWindow>> list;
  return list;
}
// Windows that Minimize minimised besides the main window, for Restore to bring back.
std::vector<QPointer<QWidget>>& minimisedWindows() {
  static std::vector<QPointer<QWidget>> list;
  return list;
}
bool dispatchingHooks = false;
bool mainWindowHidden = false;
int changingWindows = 0;
struct ChangingWindows {
  ChangingWindows() { ++changingWindows; }
  ~ChangingWindows() { --changingWindows; }
};
}  // namespace

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
  return mainForm();
}
void TApplication::SetMainForm(QWidget* form) {
  mainForm() = form;
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

bool TApplication::ChangingWindows() {
  return changingWindows > 0;
}

void TApplication::Minimize() {
  const struct ChangingWindows ownChange;
  QWidget* main = MainForm();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible() || w->isMinimized() || w == main) continue;
    if (w->windowType() != Qt::Window && w->windowType() != Qt::Dialog) continue;
    // Windows outside the window manager's care, such as a tray icon's own, stay as they are.
    if (w->windowFlags() & Qt::BypassWindowManagerHint) continue;
    minimisedWindows().emplace_back(w);
    w->showMinimized();
  }
  if (main && !main->isMinimized()) main->showMinimized();
}

void TApplication::Restore() {
  const struct ChangingWindows ownChange;
  if (QWidget* main = MainForm(); main && main->isMinimized() && main->isVisible())
    main->showNormal();
  for (const QPointer<QWidget>& w : minimisedWindows())
    if (w && w->isMinimized()) w->showNormal();
  minimisedWindows().clear();
}

void TApplication::HideMainWindow() {
  const struct ChangingWindows ownChange;
  if (QWidget* main = MainForm()) {
    main->hide();
    mainWindowHidden = true;
  }
}

bool TApplication::MainWindowHidden() {
  return mainWindowHidden;
}

void TApplication::ShowMainWindow() {
  const struct ChangingWindows ownChange;
  mainWindowHidden = false;
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
  hooks().push_back({owner, std::move(hook)});
}

void TApplication::UnhookMainWindow(const void* owner) {
  std::erase_if(hooks(), [owner](const Hook& h) { return h.owner == owner; });
}

bool TApplication::IsMainWindowHooked(const void* owner) {
  return std::any_of(hooks().begin(), hooks().end(),
                     [owner](const Hook& h) { return h.owner == owner; });
}

bool TApplication::MainWindowMessage(TMessage& message) {
  if (dispatchingHooks) return false;
  dispatchingHooks = true;
  struct Reset {
    ~Reset() { dispatchingHooks = false; }
  } reset;
  // A copy, so a hook may unhook itself (or another) while the list is walked.
  const std::vector<Hook> current = hooks();
  for (const Hook& h : current)
    if (IsMainWindowHooked(h.owner) && h.hook(message)) return true;
  return false;
}

MessageWindow* TApplication::AllocateHWnd(MessageWindow::Handler handler) {
  auto* window = new MessageWindow(std::move(handler));
  messageWindows().emplace_back(window);
  return window;
}

void TApplication::DeallocateHWnd(MessageWindow* window) {
  std::erase_if(messageWindows(),
                [window](const QPointer<MessageWindow>& w) { return !w || w == window; });
  delete window;
}

void TApplication::EndSession() {
  const std::vector<QPointer<MessageWindow>> windows = messageWindows();
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
