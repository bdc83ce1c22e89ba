// The Celsius/Kelvin converter as a user drives it, on the application's own window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "dialogs/TTempConv.h"

using namespace pelbrix;

class TempConverter : public test::WindowsTest {
 protected:
  static void type(QLineEdit* e, const QString& text) {
    e->clear();
    QTest::keyClicks(e, text);
  }
  std::vector<int>& shown() { return app.errors.shown; }
  TTempConv* f = windows.TempConv;
};

TEST_F(TempConverter, OpensBesideTheMainWindowAndHidesOnClose) {
  EXPECT_EQ(f->windowTitle(), "Celsius <-> Kelvin");
  EXPECT_EQ(f->GroupBox1->title(), "Select Conversion");
  EXPECT_EQ(f->Label1->text(), "Celsius");
  EXPECT_EQ(f->Label2->text(), "Kelvin");
  EXPECT_EQ(f->Label1->buddy(), f->Edit1);
  EXPECT_FALSE(f->windowFlags() & Qt::WindowMaximizeButtonHint);
  windows.Main->CtoK->trigger();
  EXPECT_TRUE(f->isVisible());
  EXPECT_FALSE(f->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(f->focusWidget(), f->Edit1);
  type(f->Edit1, "25");
  f->RadioButton2->click();
  f->close();
  EXPECT_FALSE(f->isVisible());
  windows.Main->CtoK->trigger();
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(f->Edit1->text(), "25");  // texts and mode survive the hiding
  EXPECT_TRUE(f->RadioButton2->isChecked());
}

TEST_F(TempConverter, ConvertsBothWaysAndTheArrowFollowsTheMode) {
  EXPECT_TRUE(f->RadioButton1->isChecked());
  EXPECT_EQ(f->Button1->text(), "->");
  type(f->Edit1, "25");
  QTest::mouseClick(f->Button1, Qt::LeftButton);
  EXPECT_EQ(f->Edit2->text(), "298.149993896484");
  EXPECT_EQ(f->Edit1->text(), "25");

  QTest::mouseClick(f->RadioButton2, Qt::LeftButton);
  EXPECT_EQ(f->Button1->text(), "<-");
  EXPECT_EQ(f->Edit1->text(), "25");  // switching neither clears nor swaps
  EXPECT_EQ(f->Edit2->text(), "298.149993896484");
  f->Button1Click();
  EXPECT_EQ(f->Edit1->text(), "24.9999942779541");

  type(f->Edit2, "1e39");
  f->Button1Click();
  EXPECT_EQ(f->Edit1->text(), "INF");
  f->RadioButton1->click();
  EXPECT_EQ(f->Button1->text(), "->");
  type(f->Edit1, "-273.15");
  f->Button1Click();
  EXPECT_EQ(f->Edit2->text(), "6.10351571594947E-6");
  EXPECT_TRUE(shown().empty());
}

TEST_F(TempConverter, OnlyAnEmptyInputFieldIsAnError) {
  f->Edit2->setText("x");
  f->Button1Click();  // Celsius empty
  EXPECT_EQ(shown(), std::vector<int>({1}));
  EXPECT_EQ(f->Edit2->text(), "x");

  f->RadioButton2->click();
  f->Edit1->setText("5");
  f->Edit2->clear();
  f->Button1Click();  // Kelvin empty; the Celsius field is not read
  EXPECT_EQ(shown(), std::vector<int>({1, 1}));
  EXPECT_EQ(f->Edit1->text(), "5");

  f->Edit2->setText(" ");  // a blank converts as 0
  f->Button1Click();
  EXPECT_EQ(f->Edit1->text(), "-273.149993896484");
  EXPECT_EQ(shown().size(), 2u);
}

TEST_F(TempConverter, CopyAndPasteBetweenTheFields) {
  f->Show();
  QApplication::setActiveWindow(f);
  f->Edit1->setText("36.6");
  f->Edit1->setFocus();
  f->Edit1->selectAll();
  QApplication::processEvents();
  f->ActionList1->updateEnabled();
  EXPECT_TRUE(f->ActionList1->EditCopy1->isEnabled());
  f->ActionList1->EditCopy1->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "36.6");
  f->Edit2->setFocus();
  QApplication::processEvents();
  f->ActionList1->EditPaste1->trigger();
  EXPECT_EQ(f->Edit2->text(), "36.6");
  EXPECT_EQ(f->PopupMenu1->actions(),
            QList<QAction*>(
                {f->ActionList1->EditCopy1, f->ActionList1->EditCut1, f->ActionList1->EditPaste1}));
}

TEST_F(TempConverter, TheResultCarriesItsWorking) {
  f->show();
  type(f->Edit1, "25");
  f->Button1Click();
  const QString working = "T(K) = T(°C) + 273.15 = 25 + 273.15 = 298.149993896484";
  EXPECT_EQ(f->Edit2->toolTip(), working);
  EXPECT_EQ(f->Edit2->accessibleDescription(), working);
  f->RadioButton2->click();
  f->Edit2->clear();
  f->Edit1->setFocus();
  f->Button1Click();  // the Kelvin field it reads is empty: the focus goes there
  EXPECT_EQ(shown(), std::vector<int>({1}));
  EXPECT_EQ(f->focusWidget(), f->Edit2);
  EXPECT_TRUE(f->Edit1->toolTip().isEmpty());
}
