// The keyboard, through real key events: Return on every page computes that page, the first
// field has the focus when a window opens or a page is chosen, a radio group is one Tab stop,
// a written result shows its start, Alt and a letter opens a menu and types nothing, and F1
// opens the guide at the window's section.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "dialogs/TAboxt.h"
#include "dialogs/TOptxion.h"
#include "dialogs/TTempConv.h"
#include "laws/TErro.h"
#include "platform/ButtonBehaviour.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

using namespace pelbrix;

namespace {

class Keyboard : public test::WindowsTest {
 protected:
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
  test::ErrorRecorder& errors = app.errors;
  activate(windows.Main);
  EXPECT_EQ(focused(), windows.Main->TabSheet1->Edit1);
  typeAndReturn({"2", "3", "4"});
  EXPECT_EQ(windows.Main->TabSheet1->Edit4->text(), "1.5");
  EXPECT_EQ(windows.Main->TabSheet1->Edit4->cursorPosition(), 0);

  windows.Main->PageControl1->setCurrentIndex(1);
  EXPECT_EQ(focused(), windows.Main->TabSheet2->Edit5);
  typeAndReturn({"1", "300", "600"});
  EXPECT_EQ(windows.Main->TabSheet2->Edit8->text(), "2");

  windows.Main->PageControl1->setCurrentIndex(2);
  EXPECT_EQ(focused(), windows.Main->TabSheet4->Edit13);
  QTest::keyClicks(focused(), "2");
  // The keypad's Enter counts as Return.
  QTest::keyClick(focused(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(errors.shown, std::vector<int>({1}));  // the page's own check ran, once
  // The focus is on the field the message was about, the first empty one.
  EXPECT_EQ(focused(), windows.Main->TabSheet4->Edit14);
  typeAndReturn({"1", "2", "300", "600"});
  EXPECT_EQ(windows.Main->TabSheet4->Edit18->text(), "2");
  EXPECT_EQ(errors.shown, std::vector<int>({1}));

  windows.Main->PageControl1->setCurrentIndex(3);
  EXPECT_EQ(focused(), windows.Main->TabSheet5->Edit19);
  typeAndReturn({"2", "1", "300"});  // 1 mol × 0.0820574 × 300 K ÷ 2 L
  EXPECT_EQ(windows.Main->TabSheet5->Edit21->text(), "300");
  EXPECT_EQ(windows.Main->TabSheet5->Edit22->text(), "12.309");
  EXPECT_EQ(errors.shown, std::vector<int>({1}));
}

TEST_F(Keyboard, ReturnOnEitherRatePageCalculatesThatPageOnce) {
  test::ErrorRecorder& errors = app.errors;
  activate(windows.BRate);
  EXPECT_EQ(focused(), windows.BRate->Edit1);
  press(Qt::Key_Return);  // all empty: one Error #1, not one per default button
  EXPECT_EQ(errors.shown, std::vector<int>({1}));
  typeAndReturn({"2", "3", "4"});
  EXPECT_EQ(windows.BRate->Edit4->text(), "-6");

  // "Multiple Rate" is the page whose Calculate Return used to miss.
  windows.BRate->PageControl1->setCurrentIndex(1);
  EXPECT_EQ(focused(), windows.BRate->Edit5);
  typeAndReturn({"2", "4", "3", "1.5", "1", "2", "-1.5"});
  EXPECT_EQ(windows.BRate->Edit12->text(), "-0.75");
  EXPECT_EQ(windows.BRate->Edit12->cursorPosition(), 0);
  EXPECT_EQ(windows.BRate->Edit4->text(), "-6");
  EXPECT_EQ(errors.shown, std::vector<int>({1}));
  // Return calculates on each page of the Charles rate window: with empty fields, Error #1.
  activate(windows.CHRate);
  EXPECT_EQ(focused(), windows.CHRate->Edit1);
  press(Qt::Key_Return);
  windows.CHRate->PageControl1->setCurrentIndex(1);
  EXPECT_EQ(focused(), windows.CHRate->Edit5);
  press(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(errors.shown, std::vector<int>({1, 1, 1}));
}

TEST_F(Keyboard, EveryWindowOpensWithTheFocusOnItsFirstInputField) {
  // A main window shown for the first time, as after start-up: not on the tab bar.
  {
    test::TempSettings settings;
    test::FakeNotifyArea area;
    settings.write("[Main]\nLastPage=2\n");
    auto fresh = std::make_unique<TMain>(app.application, settings.store, app.errors, area);
    fresh->show();
    EXPECT_EQ(fresh->focusWidget(), fresh->TabSheet4->Edit13);
  }
  const auto opensOn = [](TForm* form, QWidget* expected) {
    form->show();
    EXPECT_EQ(form->focusWidget(), expected) << form->objectName().toStdString();
    form->hide();
  };
  windows.BRate->PageControl1->setCurrentIndex(1);
  opensOn(windows.BRate, windows.BRate->Edit5);
  windows.BRate->PageControl1->setCurrentIndex(0);
  opensOn(windows.BRate, windows.BRate->Edit1);
  windows.CHRate->PageControl1->setCurrentIndex(0);
  opensOn(windows.CHRate, windows.CHRate->Edit1);
  opensOn(windows.TempConv, windows.TempConv->Edit1);
  windows.Optxion->IntervalEdit->setEnabled(
      true);  // an enabled field does not win over the first box
  opensOn(windows.Optxion, windows.Optxion->CheckBox1);
  for (TErro* e : std::initializer_list<TErro*>{windows.Erro1, windows.Erro2, windows.Erro3,
                                                windows.Erro4, windows.Erro5})
    opensOn(e, e->Button1);
  windows.Aboxt->ensureLaidOut();
  opensOn(windows.Aboxt, windows.Aboxt->Button1);
  // Opened again after the user moved on, it starts from the first field again.
  windows.TempConv->show();
  windows.TempConv->Edit2->setFocus();
  windows.TempConv->hide();
  opensOn(windows.TempConv, windows.TempConv->Edit1);
}

TEST_F(Keyboard, TabbingIntoARadioGroupLandsOnItsCheckedButton) {
  activate(windows.Main);
  windows.Main->PageControl1->setCurrentIndex(0);
  setRadioChecked(windows.Main->TabSheet1->RadioButton2, true);
  windows.Main->TabSheet1->Edit4->setFocus(Qt::TabFocusReason);
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), windows.Main->TabSheet1->RadioButton2);
  press(Qt::Key_Tab);  // the group is one stop
  EXPECT_EQ(focused(), windows.Main->TabSheet1->Button2);
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), windows.Main->TabSheet1->RadioButton2);

  activate(windows.BRate);
  windows.BRate->PageControl1->setCurrentIndex(1);
  setRadioChecked(windows.BRate->RadioButton6, true);
  windows.BRate->Edit12->setFocus(Qt::TabFocusReason);
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), windows.BRate->RadioButton6);
  // The arrow keys choose within the group, and the Tab stop follows the choice.
  press(Qt::Key_Down);
  EXPECT_EQ(focused(), windows.BRate->RadioButton7);
  EXPECT_TRUE(windows.BRate->RadioButton7->isChecked());
  EXPECT_EQ(windows.BRate->Label12->text(), "Calculated: Rate of Volume 2");
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), windows.BRate->Button3);
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), windows.BRate->RadioButton7);
  // A group left with no button checked by the settings file is still reached.
  setRadioChecked(windows.BRate->RadioButton7, false);
  windows.BRate->Edit12->setFocus(Qt::TabFocusReason);
  press(Qt::Key_Tab);
  EXPECT_TRUE(qobject_cast<QRadioButton*>(focused())) << focused()->objectName().toStdString();
}

TEST_F(Keyboard, TheConvertersLongestResultsShowWhole) {
  activate(windows.TempConv);
  EXPECT_EQ(focused(), windows.TempConv->Edit1);
  typeAndReturn({"0.1234567890123"});
  QLineEdit* kelvin = windows.TempConv->Edit2;
  EXPECT_EQ(kelvin->text(), "273.2734567890123");
  EXPECT_EQ(kelvin->cursorPosition(), 0);
  setRadioChecked(windows.TempConv->RadioButton2, true);
  kelvin->setText(QStringLiteral("0.1234567890123"));
  windows.TempConv->Button1Click();
  QLineEdit* celsius = windows.TempConv->Edit1;
  EXPECT_EQ(celsius->text(), "-273.0265432109877");
  setRadioChecked(windows.TempConv->RadioButton1, true);
  // Whole: with the cursor at the end the field has not scrolled its start out of view.
  for (QLineEdit* field : {kelvin, celsius}) {
    field->setCursorPosition(0);
    field->grab();  // lays the text out as painting does
    const int start = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    field->setCursorPosition(static_cast<int>(field->text().size()));
    field->grab();
    const int end = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    EXPECT_EQ(end - start, field->fontMetrics().horizontalAdvance(field->text()))
        << field->objectName().toStdString();
  }
}

TEST_F(Keyboard, AltWithALetterOpensItsMenuAndNeverTypes) {
  activate(windows.Main);
  QLineEdit* field = windows.Main->TabSheet1->Edit1;
  field->setFocus(Qt::OtherFocusReason);
  struct Case {
    Qt::Key key;
    QMenu* opens;  // nullptr: no menu has that access key
  };
  for (const Case& c : {Case{Qt::Key_F, windows.Main->Exit2}, Case{Qt::Key_R, windows.Main->Rates1},
                        Case{Qt::Key_C, windows.Main->Conversions3}, Case{Qt::Key_Q, nullptr}}) {
    SCOPED_TRACE(QKeySequence(c.key).toString().toStdString());
    QTest::keyClick(field, c.key, Qt::AltModifier);
    if (c.opens) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return c.opens->isVisible(); }, 1000));
      QTest::keyClick(c.opens, Qt::Key_Escape);  // the menu, then the bar's keyboard mode
      QTest::keyClick(windows.Main->menuBar(), Qt::Key_Escape);
      activate(windows.Main);
      field->setFocus(Qt::OtherFocusReason);
    }
    EXPECT_EQ(field->text(), "");
  }
}

TEST_F(Keyboard, F1OpensTheGuideAtTheWindowsSection) {
  std::vector<QUrl>& opened = app.help.opened;
  activate(windows.Main);
  windows.Main->PageControl1->setCurrentIndex(1);
  press(Qt::Key_F1);
  activate(windows.BRate);
  windows.BRate->PageControl1->setCurrentIndex(1);
  press(Qt::Key_F1);
  windows.BRate->hide();
  activate(windows.Erro3);
  press(Qt::Key_F1);

  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0].fragment(), "charles-law");
  EXPECT_EQ(opened[1].fragment(), "boyle-rate-multiple");
  EXPECT_EQ(opened[2].fragment(), "error-3");
  EXPECT_TRUE(opened[0].isLocalFile());
  const QFileInfo guide(opened[0].toLocalFile());
  EXPECT_TRUE(guide.isFile()) << guide.filePath().toStdString();
  EXPECT_EQ(guide.fileName(), "guide.html");
}

TEST_F(Keyboard, F1WithoutABrowserSaysWhereTheGuideIs) {
  test::HelpRecorder& help = app.help;
  QStringList& messages = app.settings.messages.messages;
  help.browserStarts = false;
  activate(windows.TempConv);
  press(Qt::Key_F1);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("guide.html")) << messages[0].toStdString();
  ASSERT_FALSE(help.opened.empty());
  EXPECT_EQ(help.opened.back().fragment(), "temperature-converter");
}
