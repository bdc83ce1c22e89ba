// Pelbrix: gas-law calculator.
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
#include "platform/Help.h"
#include "platform/NotifyArea.h"
#include "platform/TApplication.h"

namespace {

// Normal use prints nothing on the console. When no display can be reached, Qt ends the
// process with a fatal message and an abort; say so in one line and exit instead.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) return;
  if (message.contains(QLatin1String("platform plugin")))
    std::fputs("pelbrix: cannot open a window: no graphical display is available\n", stderr);
  else
    std::fprintf(stderr, "pelbrix: %s\n", qPrintable(message));
  std::fflush(stderr);
  std::_Exit(1);
}

// The application icon at the sizes window systems and notification areas ask for; each
// size is read from the resources only when it is first drawn.
QIcon applicationIcon() {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64})
    icon.addFile(QStringLiteral(":/icons/pelbrix-%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(quietMessages);
  // The services outlive the windows, and the windows go before the application object.
  pelbrix::BoxMessageDisplay messages;
  pelbrix::TApplication app(argc, argv, messages);
  pelbrix::DesktopHelpBrowser help;
  pelbrix::QtNotifyArea notifyArea;
  pelbrix::SettingsStore settings(&pelbrix::settingsFilePath, messages);
  try {
    app.SetTitle(QStringLiteral("Pelbrix"));
    app.setWindowIcon(applicationIcon());
    // The main window goes on screen as soon as it exists: the other windows are created
    // hidden while the window system maps it. Nothing reaches a handler before the event
    // loop runs, so activation, input and the splash screen still come after all twelve.
    const pelbrix::Application windows(
        {settings, notifyArea, messages, help, &QDateTime::currentDateTime},
        [](pelbrix::TMain& main) { main.show(); });
    app.exec();
  } catch (const std::exception& e) {
    messages.ShowException(QString::fromUtf8(e.what()));
  }
  return 0;
}
