// main() of the GUI tests: offscreen unless a platform is given, no session bus, one
// application object for the whole run.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/TApplication.h"

int main(int argc, char** argv) {
  // Test discovery runs the binary without the tests' environment.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("DBUS_SESSION_BUS_ADDRESS"))
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent", 1);
  testing::InitGoogleTest(&argc, argv);
  pelbrix::TApplication app(argc, argv);
  app.SetTitle(QStringLiteral("Pelbrix"));
  return RUN_ALL_TESTS();
}
