// The Celsius/Kelvin converter as a user drives it, on the application's own window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "dialogs/TTempConv.h"
#include "laws/TErro.h"

using namespace pelbrix;

class TempConverter : public test::WindowsTest {
 protected:
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
  EXPECT_EQ(f->Edit2->text(), "298.15");
  EXPECT_EQ(f->Edit1->text(), "25");

  QTest::mouseClick(f->RadioButton2, Qt::LeftButton);
  EXPECT_EQ(f->Button1->text(), "<-");
  EXPECT_EQ(f->Edit1->text(), "25");  // switching neither clears nor swaps
  EXPECT_EQ(f->Edit2->text(), "298.15");
  f->Button1Click();
  EXPECT_EQ(f->Edit1->text(), "25");  // there and back

  type(f->Edit2, "1e999");
  f->Button1Click();
  EXPECT_EQ(f->Edit1->text(), "INF");
  f->RadioButton1->click();
  EXPECT_EQ(f->Button1->text(), "->");
  type(f->Edit1, "-273.15");
  f->Button1Click();
  EXPECT_EQ(f->Edit2->text(), "0");
  EXPECT_TRUE(shown().empty());
}

TEST_F(TempConverter, AnEmptyFieldOrATemperatureBelowAbsoluteZeroIsAnError) {
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
  EXPECT_EQ(f->Edit1->text(), "-273.15");
  f->Edit2->setText("-5");
  f->Button1Click();
  EXPECT_EQ(shown(), std::vector<int>({1, 1, 2}));
  EXPECT_EQ(f->Edit1->text(), "-273.15");
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
  const QString working = "T(K) = T(°C) + 273.15 = 25 + 273.15 = 298.15";
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

// The dialogs stand over the main window; once one closes, the keys typed next go into the
// converter's input field, not into the main window behind it.
TEST_F(TempConverter, TypingAfterADialogGoesIntoTheConverter) {
  struct : ErrorPresenter {  // the real dialog, closed as soon as it is shown
    void show(ErrorDialog) override {
      test::runModal([this] { dialog->ShowModal(); });
    }
    TForm* dialog;
  } errors;
  errors.dialog = windows.Erro1;
  TTempConv conv(app.application, errors);
  windows.Main->show();
  conv.Show();
  conv.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&conv));
  for (const char* input : {"", "-300"}) {  // Error #1, then Error #2
    conv.Edit1->setText(input);
    QTest::keyClick(conv.Edit1, Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_EQ(QApplication::activeWindow(), &conv) << input;
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), "12");
    EXPECT_EQ(conv.Edit1->text(), "12") << input;  // the input was selected, typing replaces it
  }
}
