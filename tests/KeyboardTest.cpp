// The keyboard, through real key events: Return on every page computes that page, the first
// field has the focus when a window opens or a page is chosen, a radio group is one Tab stop,
// a written result shows its start, and F1 opens the guide at the window's section.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "dialogs/TAboxt.h"
#include "dialogs/TOptxion.h"
#include "dialogs/TTempConv.h"
#include "laws/TErro.h"
#include "platform/Help.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

using namespace pelbrix;

namespace {

class Keyboard : public testing::Test {
 protected:
  void SetUp() override { test::ensureForms(); }
  void TearDown() override {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != Main && w->isVisible()) w->hide();
  }

  static void activate(QWidget* window) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  static QWidget* focused() { return QApplication::focusWidget(); }
  // Keys go where the user's would: to whichever widget has the focus now.
  static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    ASSERT_NE(focused(), nullptr);
    QTest::keyClick(focused(), key, modifiers);
  }
  // Types each value into the focused field and tabs on to the next, ending with Return.
  static void typeAndReturn(const QStringList& values) {
    for (int k = 0; k < values.size(); ++k) {
      ASSERT_NE(focused(), nullptr);
      QTest::keyClicks(focused(), values[k]);
      press(k + 1 < values.size() ? Qt::Key_Tab : Qt::Key_Return);
    }
  }
};

}  // namespace

TEST_F(Keyboard, ReturnInAFieldCalculatesEachLawPageTypedFromItsFirstField) {
  test::ErrorRecorder errors;
  activate(Main);
  setRadioChecked(Main->TabSheet4->RadioButton7, true);
  Main->TabSheet1->Button2Click();
  Main->TabSheet2->Button4Click();
  Main->TabSheet4->Button8Click();
  Main->PageControl1->setCurrentIndex(3);

  Main->PageControl1->setCurrentIndex(0);
  EXPECT_EQ(focused(), Main->TabSheet1->Edit1);
  typeAndReturn({"2", "3", "4"});
  EXPECT_EQ(Main->TabSheet1->Edit4->text(), "1.5");
  EXPECT_EQ(Main->TabSheet1->Edit4->cursorPosition(), 0);

  Main->PageControl1->setCurrentIndex(1);
  EXPECT_EQ(focused(), Main->TabSheet2->Edit5);
  typeAndReturn({"1", "300", "600"});
  EXPECT_EQ(Main->TabSheet2->Edit8->text(), "2");

  Main->PageControl1->setCurrentIndex(2);
  EXPECT_EQ(focused(), Main->TabSheet4->Edit13);
  QTest::keyClicks(focused(), "2");
  // The keypad's Enter counts as Return.
  QTest::keyClick(focused(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(errors.shown, std::vector<int>({1}));  // the page's own check ran, once
  press(Qt::Key_Tab);
  typeAndReturn({"1", "2", "300", "600"});
  EXPECT_EQ(Main->TabSheet4->Edit18->text(), "2");
  EXPECT_EQ(errors.shown, std::vector<int>({1}));

  // The ideal gas law page has no field; its first control takes the focus.
  Main->PageControl1->setCurrentIndex(3);
  EXPECT_EQ(focused(), Main->TabSheet5->Button9);
}

TEST_F(Keyboard, ReturnOnEitherRatePageCalculatesThatPageOnce) {
  test::ErrorRecorder errors;
  setRadioChecked(BRate->RadioButton4, true);
  setRadioChecked(BRate->RadioButton8, true);
  BRate->SingleMode = BRate->MultipleMode = 0;
  BRate->Button2Click();
  BRate->Button4Click();
  BRate->PageControl1->setCurrentIndex(0);
  activate(BRate);
  EXPECT_EQ(focused(), BRate->Edit1);
  press(Qt::Key_Return);  // all empty: one Error #1, not one per default button
  EXPECT_EQ(errors.shown, std::vector<int>({1}));
  typeAndReturn({"2", "3", "4"});
  EXPECT_EQ(BRate->Edit4->text(), "-6");

  // "Multiple Rate" is the page whose Calculate Return used to miss.
  BRate->PageControl1->setCurrentIndex(1);
  EXPECT_EQ(focused(), BRate->Edit5);
  typeAndReturn({"2", "4", "3", "1.5", "1", "2", "-1.5"});
  EXPECT_EQ(BRate->Edit12->text(), "-0.75");
  EXPECT_EQ(BRate->Edit12->cursorPosition(), 0);
  EXPECT_EQ(BRate->Edit4->text(), "-6");
  EXPECT_EQ(errors.shown, std::vector<int>({1}));
  BRate->hide();

  // The Charles rate window only checks its fields; Return runs that check on each page.
  CHRate->Button2Click();
  CHRate->Button4Click();
  CHRate->PageControl1->setCurrentIndex(0);
  activate(CHRate);
  EXPECT_EQ(focused(), CHRate->Edit1);
  press(Qt::Key_Return);
  CHRate->PageControl1->setCurrentIndex(1);
  EXPECT_EQ(focused(), CHRate->Edit5);
  press(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(errors.shown, std::vector<int>({1, 1, 1}));
}

TEST_F(Keyboard, EveryWindowOpensWithTheFocusOnItsFirstInputField) {
  // A main window shown for the first time, as after start-up: not on the tab bar.
  {
    test::TempSettings settings;
    settings.write("[Main]\nLastPage=2\n");
    auto fresh = std::make_unique<TMain>();
    fresh->show();
    EXPECT_EQ(fresh->focusWidget(), fresh->TabSheet4->Edit13);
  }
  const auto opensOn = [](TForm* form, QWidget* expected) {
    form->show();
    EXPECT_EQ(form->focusWidget(), expected) << form->objectName().toStdString();
    form->hide();
  };
  BRate->PageControl1->setCurrentIndex(1);
  opensOn(BRate, BRate->Edit5);
  BRate->PageControl1->setCurrentIndex(0);
  opensOn(BRate, BRate->Edit1);
  CHRate->PageControl1->setCurrentIndex(0);
  opensOn(CHRate, CHRate->Edit1);
  opensOn(TempConv, TempConv->Edit1);
  Optxion->IntervalEdit->setEnabled(true);  // an enabled field does not win over the first box
  opensOn(Optxion, Optxion->CheckBox1);
  for (TErroBase* e : std::initializer_list<TErroBase*>{Erro1, Erro2, Erro3, Erro4, Erro5})
    opensOn(e, e->Button1);
  Aboxt->ensureLaidOut();
  opensOn(Aboxt, Aboxt->Button1);
  // Opened again after the user moved on, it starts from the first field again.
  TempConv->show();
  TempConv->Edit2->setFocus();
  TempConv->hide();
  opensOn(TempConv, TempConv->Edit1);
}

TEST_F(Keyboard, TabbingIntoARadioGroupLandsOnItsCheckedButton) {
  activate(Main);
  Main->PageControl1->setCurrentIndex(0);
  setRadioChecked(Main->TabSheet1->RadioButton2, true);
  Main->TabSheet1->Edit4->setFocus(Qt::TabFocusReason);
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), Main->TabSheet1->RadioButton2);
  press(Qt::Key_Tab);  // the group is one stop
  EXPECT_EQ(focused(), Main->TabSheet1->Button2);
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), Main->TabSheet1->RadioButton2);
  setRadioChecked(Main->TabSheet1->RadioButton1, true);

  activate(BRate);
  BRate->PageControl1->setCurrentIndex(1);
  setRadioChecked(BRate->RadioButton6, true);
  BRate->Edit12->setFocus(Qt::TabFocusReason);
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), BRate->RadioButton6);
  // The arrow keys choose within the group, and the Tab stop follows the choice.
  press(Qt::Key_Down);
  EXPECT_EQ(focused(), BRate->RadioButton7);
  EXPECT_TRUE(BRate->RadioButton7->isChecked());
  EXPECT_EQ(BRate->Label12->text(), "Calculated: Rate of Volume 2");
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), BRate->Button3);
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), BRate->RadioButton7);
  // A group left with no button checked by the settings file is still reached.
  setRadioChecked(BRate->RadioButton7, false);
  BRate->Edit12->setFocus(Qt::TabFocusReason);
  press(Qt::Key_Tab);
  EXPECT_TRUE(qobject_cast<QRadioButton*>(focused())) << focused()->objectName().toStdString();
  setRadioChecked(BRate->RadioButton8, true);
}

TEST_F(Keyboard, TheConvertersResultShowsItsLeadingDigits) {
  TempConv->Edit1->clear();
  TempConv->Edit2->clear();
  setRadioChecked(TempConv->RadioButton1, true);
  activate(TempConv);
  EXPECT_EQ(focused(), TempConv->Edit1);
  typeAndReturn({"25"});
  QLineEdit* kelvin = TempConv->Edit2;
  EXPECT_EQ(kelvin->text(), "298.149993896484");
  // The text is longer than the field, so where it is scrolled to matters.
  EXPECT_GT(kelvin->fontMetrics().horizontalAdvance(kelvin->text()), kelvin->width());
  EXPECT_EQ(kelvin->cursorPosition(), 0);
  kelvin->grab();  // lays the text out as painting does
  const QRect cursor = kelvin->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  EXPECT_LT(cursor.left(), kelvin->fontMetrics().averageCharWidth() + 4);
}

TEST_F(Keyboard, F1OpensTheGuideAtTheWindowsSection) {
  std::vector<QUrl> opened;
  const HelpBrowser previous = setHelpBrowser([&](const QUrl& url) {
    opened.push_back(url);
    return true;
  });
  activate(Main);
  Main->PageControl1->setCurrentIndex(1);
  press(Qt::Key_F1);
  activate(BRate);
  press(Qt::Key_F1);
  BRate->hide();
  activate(Erro3);
  press(Qt::Key_F1);
  Erro3->hide();
  setHelpBrowser(previous);

  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0].fragment(), "charles-law");
  EXPECT_EQ(opened[1].fragment(), "boyle-rate");
  EXPECT_EQ(opened[2].fragment(), "error-3");
  EXPECT_TRUE(opened[0].isLocalFile());
  const QFileInfo guide(opened[0].toLocalFile());
  EXPECT_TRUE(guide.isFile()) << guide.filePath().toStdString();
  EXPECT_EQ(guide.fileName(), "guide.html");
}
