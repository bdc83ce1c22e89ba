#include "platform/TApplication.h"

#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QSessionManager>
#include <algorithm>
#include <exception>
#include <vector>

#include "platform/IniFile.h"

namespace pelbrix {
namespace {
QPointer<QWidget>& mainForm() {
  static QPointer<QWidget> form;
  return form;
}
TApplication::ExceptionDisplay& exceptionDisplay() {
  static TApplication::ExceptionDisplay display;
  return display;
}
TApplication::MessageDisplay& messageDisplay() {
  static TApplication::MessageDisplay display;
  return display;
}
bool& settingsFailureReported() {
  static bool reported = false;
  return reported;
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
int changingWindows = 0;
struct ChangingWindows {
  ChangingWindows() { ++changingWindows; }
  ~ChangingWindows() { --changingWindows; }
};
}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The main window ends the application itself, whatever other windows are open.
  setQuitOnLastWindowClosed(false);
  setIniWriteFailureHandler(&TApplication::ReportSettingsWriteFailure);
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
    ShowException(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowException(QStringLiteral("Unknown error"));
  }
  return false;
}

void TApplication::ShowException(const QString& message) {
  if (exceptionDisplay()) {
    exceptionDisplay()(message);
    return;
  }
  QMessageBox::critical(MainForm(), QCoreApplication::applicationName(), message);
}

TApplication::ExceptionDisplay TApplication::SetExceptionDisplay(ExceptionDisplay display) {
  std::swap(exceptionDisplay(), display);
  return display;
}

bool TApplication::WindowPositionsKnown() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
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
  if (QWidget* main = MainForm()) main->hide();
}

void TApplication::ShowMainWindow() {
  const struct ChangingWindows ownChange;
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

void TApplication::ShowMessage(const QString& text) {
  if (messageDisplay()) {
    messageDisplay()(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                  MainForm());
  box.exec();
}

TApplication::MessageDisplay TApplication::SetMessageDisplay(MessageDisplay display) {
  std::swap(messageDisplay(), display);
  return display;
}

void TApplication::ReportSettingsWriteFailure(const std::string& path, const std::string& reason) {
  // A save writes several keys; one message says it all, and later saves of the same
  // run would only repeat it.
  if (settingsFailureReported()) return;
  settingsFailureReported() = true;
  ShowMessage(QObject::tr("The settings could not be saved to the file\n%1\n(%2).\n\n"
                          "Pelbrix goes on, but will not remember these settings next time.")
                  .arg(QFile::decodeName(path.c_str()), QString::fromLocal8Bit(reason.c_str())));
}

void TApplication::RearmSettingsWriteFailureReport() {
  settingsFailureReported() = false;
}

}  // namespace pelbrix
