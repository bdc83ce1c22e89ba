// Runs under LC_ALL=de_DE.UTF-8: typed input still uses '.', results use the desktop's ','.
#include <gtest/gtest.h>

#include <QLocale>
#include <QTest>
#include <clocale>
#include <cstdlib>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "dialogs/TTempConv.h"

using namespace pelbrix;
class GermanDesktop : public test::WindowsTest {
 protected:
  // Types the Boyle page's three inputs and returns the result Calculate writes.
  QString boyle(const char* v1, const char* p1, const char* p2) {
    type(page->Edit1, v1);
    type(page->Edit2, p1);
    type(page->Edit3, p2);
    page->Button1Click();
    return page->Edit4->text();
  }
  TBoylePage* page = windows.Main->TabSheet1;
};

TEST_F(GermanDesktop, ReadsPointWritesComma) {
  // The test is meaningless unless the locale is really German; it fails rather than skips.
  ASSERT_STREQ(std::getenv("LC_ALL"), "de_DE.UTF-8");
  ASSERT_EQ(QLocale::system().decimalPoint(), ",");
  ASSERT_EQ(std::atof("1.5"), 1.0) << "the C library should read 1.5 as 1 under de_DE";
  EXPECT_EQ(boyle("1.5", "1", "1"), "1,5");
  EXPECT_TRUE(app.errors.shown.empty());
}

TEST_F(GermanDesktop, AResultPastedIntoAFieldReadsAsWritten) {
  ASSERT_EQ(boyle("1", "3", "2"), "1,5");
  page->Edit4->selectAll();
  page->Edit4->copy();
  page->Edit1->clear();
  page->Edit1->paste();
  page->Edit2->clear();
  QTest::keyClicks(page->Edit2, "1");
  page->Button1Click();
  EXPECT_EQ(page->Edit4->text(), "0,75");
  EXPECT_EQ(page->Edit4->toolTip(), "V2 = V1 × P1 ÷ P2 = 1,5 × 1 ÷ 2 = 0,75");

  // The converter's answer comes back too: 25 °C there and back.
  TTempConv* conv = app.windows.TempConv;
  QTest::keyClicks(conv->Edit1, "25");
  conv->Button1Click();
  ASSERT_EQ(conv->Edit2->text(), "298,15");
  conv->RadioButton2->click();
  conv->Button1Click();
  EXPECT_EQ(conv->Edit1->text(), "25");
  EXPECT_TRUE(app.errors.shown.empty());
}
