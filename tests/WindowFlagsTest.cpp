// Every window's title-bar buttons and size behaviour against its design, the one resizable
// window keeping the user's size, and a modal window that the window manager minimised
// coming back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "dialogs/TAboxt.h"
#include "dialogs/TForm9.h"
#include "dialogs/TOptxion.h"
#include "dialogs/TTempConv.h"
#include "laws/TErro.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

using namespace pelbrix;

using WindowFlags = test::WindowsTest;

TEST_F(WindowFlags, EachWindowHasTheButtonsAndSizeOfItsDesign) {
  struct Design {
    QWidget* window;
    bool minimise;
    bool maximise;
  };
  windows.Aboxt->ensureLaidOut();
  const Design designs[] = {
      {windows.Main, true, false},     {windows.Erro1, false, false},
      {windows.Erro2, false, false},   {windows.Erro3, false, false},
      {windows.Erro4, false, false},   {windows.Erro5, false, false},
      {windows.TempConv, true, false}, {windows.Optxion, false, false},
      {windows.BRate, true, false},    {windows.Aboxt, false, false},
      {windows.CHRate, true, true},
  };
  for (const Design& d : designs) {
    SCOPED_TRACE(d.window->objectName().toStdString());
    d.window->show();
    QApplication::processEvents();
    const Qt::WindowFlags flags = d.window->windowFlags();
    EXPECT_EQ(bool(flags & Qt::WindowMinimizeButtonHint), d.minimise);
    EXPECT_EQ(bool(flags & Qt::WindowMaximizeButtonHint), d.maximise);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    // Without a maximise box the window keeps the size its layout gave it.
    if (!d.maximise) {
      EXPECT_EQ(d.window->minimumSize(), d.window->maximumSize());
      EXPECT_EQ(d.window->size(), d.window->minimumSize());
    } else {
      EXPECT_LT(d.window->minimumWidth(), d.window->maximumWidth());
    }
  }
  // The splash screen has no frame at all.
  EXPECT_TRUE(windows.Form9->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(windows.Form9->minimumSize(), windows.Form9->maximumSize());
}

TEST_F(WindowFlags, TheCharlesRateWindowKeepsTheSizeTheUserGaveIt) {
  windows.Main->show();
  QSize given;
  // Both showings must be seen: sizes never taken would compare equal.
  ASSERT_EQ(test::runModal([this] { windows.CHRate->ShowModal(); },
                           [&](QWidget* w) {
                             given = w->size() + QSize(120, 90);
                             w->resize(given);
                           }),
            "CHRate");
  QSize second;
  ASSERT_EQ(test::runModal([this] { windows.CHRate->ShowModal(); },
                           [&](QWidget* w) { second = w->size(); }),
            "CHRate");
  EXPECT_EQ(second, given);
}

TEST_F(WindowFlags, AMinimisedModalWindowComesBackWhenTheMainWindowIsActivated) {
  windows.Main->show();
  bool minimised = false;
  bool cameBack = false;
  test::runModal([this] { windows.Optxion->ShowModal(); },
                 [&](QWidget* w) {
                   // What a window manager that ignores the missing minimise box does.
                   w->showMinimized();
                   minimised = w->isMinimized();
                   windows.Main->activateWindow();
                   cameBack = QTest::qWaitFor([w] { return !w->isMinimized(); }, 2000);
                 });
  EXPECT_TRUE(minimised);
  EXPECT_TRUE(cameBack);
}
