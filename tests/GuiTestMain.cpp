// main() of the GUI tests: offscreen unless a platform is given, no session bus, one
// application object for the whole run.
#include <gtest/gtest.h>

#include <cstdlib>

#include "GuiTestSupport.h"
#include "platform/DesktopApplication.h"

int main(int argc, char** argv) {
  // Test discovery runs the binary without the tests' environment.
  // Wine does not hand a Windows program variables whose names begin with QT_, so under
  // Wine this default is what sets the platform.
  if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!std::getenv("DBUS_SESSION_BUS_ADDRESS"))
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
  testing::InitGoogleTest(&argc, argv);
  pelbrix::DesktopApplication app(argc, argv, pelbrix::test::applicationMessages());
  app.SetTitle(QStringLiteral("Pelbrix"));
  return RUN_ALL_TESTS();
}
