// Runs under LC_ALL=de_DE.UTF-8: typed input still uses '.', results use the desktop's ','.
#include <gtest/gtest.h>

#include <QLocale>
#include <QTest>
#include <clocale>
#include <cstdlib>

#include "GuiTestSupport.h"
#include "app/TMain.h"

using namespace pelbrix;

TEST(GermanDesktop, ReadsPointWritesComma) {
  // The test is meaningless unless the locale is really German; it fails rather than skips.
  ASSERT_STREQ(std::getenv("LC_ALL"), "de_DE.UTF-8");
  ASSERT_EQ(QLocale::system().decimalPoint(), ",");
  ASSERT_EQ(std::atof("1.5"), 1.0) << "the C library should read 1.5 as 1 under de_DE";
  test::TestApplication& app = test::app();
  TBoylePage* page = app.windows.Main->TabSheet1;
  QTest::keyClicks(page->Edit1, "1.5");
  QTest::keyClicks(page->Edit2, "1");
  QTest::keyClicks(page->Edit3, "1");
  page->Button1Click();
  EXPECT_EQ(page->Edit4->text(), "1,5");
  EXPECT_TRUE(app.errors.shown.empty());
}
