// Pelbrix: gas-law calculator.
#include <QByteArray>
#include <QDateTime>
#include <QIcon>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/Application.h"
#include "app/TMain.h"
#include "core/SettingsPath.h"
#include "core/SettingsStore.h"
#include "core/System.h"
#include "platform/DesktopApplication.h"
#include "platform/Help.h"
#include "platform/LazyIcon.h"
#include "platform/NotifyArea.h"
#include "platform/TApplication.h"

namespace {

// Normal use prints nothing on the console. When no display can be reached, Qt ends the
// process with a fatal message and an abort; say so in one line, naming the display that
// was tried, and exit instead.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) return;
  const QByteArray display = qgetenv("DISPLAY");
  if (!message.contains(QLatin1String("platform plugin")))
    std::fprintf(stderr, "pelbrix: %s\n", qPrintable(message));
  else if (display.isEmpty())
    std::fputs("pelbrix: cannot open a window: no graphical display is available\n", stderr);
  else
    std::fprintf(stderr, "pelbrix: cannot open a window: the display %s does not answer\n",
                 display.constData());
  std::fflush(stderr);
  std::_Exit(1);
}

// The application icon at the sizes window systems and notification areas ask for; each
// size is read from the resources only when it is first drawn. X11 window managers are
// given every size as the window appears, so the sizes are bare pixel rows: no decoding.
QIcon applicationIcon() {
  return pelbrix::lazyIcon(QStringLiteral(":/icons/pelbrix-%1.rgba"), {16, 22, 24, 32, 48, 64});
}

// Pelbrix places its windows (the stored position, the splash screen over the main
// window, dialogs centred over it), which a Wayland client cannot do. Where XWayland is
// there too and the user has chosen no platform, run on it; Wayland stays the fallback
// should the X display not answer. With Wayland alone, Qt runs natively.
void preferXWayland() {
#if defined(Q_OS_LINUX)
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
    return;
  qputenv("QT_QPA_PLATFORM", "xcb;wayland");
#endif
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(quietMessages);
  preferXWayland();
  // The services outlive the windows, and the windows go before the application object.
  pelbrix::TApplication application;
  pelbrix::BoxMessageDisplay messages(application);
  pelbrix::DesktopApplication app(argc, argv, messages,
                                  [&application] { application.EndSession(); });
  pelbrix::DesktopHelpBrowser help;
  pelbrix::QtNotifyArea notifyArea;
  // Beside the executable, or for an installed copy the user cannot write there, in the
  // user's configuration folder; looked at afresh at every load and save pass.
  pelbrix::SettingsStore settings(pelbrix::settingsPathRule(&pelbrix::executablePath), messages);
  int status = EXIT_FAILURE;
  try {
    app.SetTitle(QStringLiteral("Pelbrix"));
    // The launcher's name: the Wayland app id, so docks match the window to its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pelbrix.Pelbrix"));
    app.setWindowIcon(applicationIcon());
    // The main window goes on screen as soon as it exists: the other windows are created
    // hidden while the window system maps it. Nothing reaches a handler before the event
    // loop runs, so activation, input and the splash screen still come after all twelve.
    const pelbrix::Application windows(
        {application, settings, notifyArea, messages, help, &QDateTime::currentDateTime},
        [](pelbrix::TMain& main) { main.show(); });
    status = app.exec();
  } catch (const std::exception& e) {
    // The program ended on a failure: say so on the screen and in the exit status.
    messages.ShowException(QString::fromUtf8(e.what()));
    status = EXIT_FAILURE;
  }
  return status;
}
