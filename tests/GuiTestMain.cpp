// main() of the GUI tests: offscreen unless a platform is given, no session bus, one
// application object for the whole run.
#include <gtest/gtest.h>

#include <cstdlib>

#include "GuiTestSupport.h"
#include "platform/TApplication.h"

int main(int argc, char** argv) {
  // Test discovery runs the binary without the tests' environment.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("DBUS_SESSION_BUS_ADDRESS"))
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent", 1);
  testing::InitGoogleTest(&argc, argv);
  pelbrix::TApplication app(argc, argv, pelbrix::test::applicationMessages());
  app.SetTitle(QStringLiteral("Pelbrix"));
  const int result = RUN_ALL_TESTS();
  // The windows go before the application object, as in the program.
  pelbrix::test::releaseApp();
  return result;
}
