// Pelbrix: gas-law calculator.
#include <QIcon>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/Forms.h"
#include "app/TMain.h"
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

// The application icon at the sizes window systems ask for; each size is read from the
// resources only when it is first drawn.
QIcon applicationIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64})
    icon.addFile(QStringLiteral(":/icons/pelbrix-%1.png").arg(size), QSize(size, size));
  return icon;
}

// Pelbrix places its windows (the stored position, the splash screen over the main
// window, dialogs centred over it), which a Wayland client cannot do. Where XWayland is
// there too and the user has chosen no platform, run on it; Wayland stays the fallback
// should the X display not answer. With Wayland alone, Qt runs natively.
void preferXWayland() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
    return;
  qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(quietMessages);
  preferXWayland();
  pelbrix::TApplication app(argc, argv);
  try {
    app.SetTitle(QStringLiteral("Pelbrix"));
    // The launcher's name: the Wayland app id, so docks match the window to its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pelbrix.Pelbrix"));
    app.setWindowIcon(applicationIcon());
    // The main window goes on screen as soon as it exists: the other windows are created
    // hidden while the window system maps it. Nothing reaches a handler before the event
    // loop runs, so activation, input and the splash screen still come after all twelve.
    pelbrix::CreateForms(app, [] { pelbrix::Main->show(); });
    app.exec();
  } catch (const std::exception& e) {
    pelbrix::TApplication::ShowException(QString::fromUtf8(e.what()));
  }
  return 0;
}
