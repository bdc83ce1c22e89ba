// The law pages as a user drives them: typing, mode buttons, Calculate and Clear.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <memory>

#include "GuiTestSupport.h"
#include "app/TMain.h"

using namespace pelbrix;

class LawPages : public test::WindowsTest {
 protected:
  // Types each text into the field in its place.
  static void typeInto(const std::vector<QLineEdit*>& fields,
                       std::initializer_list<const char*> texts) {
    auto text = texts.begin();
    for (QLineEdit* field : fields) type(field, *text++);
  }
  TBoylePage* boyle = windows.Main->TabSheet1;
  TCharlesPage* charles = windows.Main->TabSheet2;
  TComboPage* combo = windows.Main->TabSheet4;
  // The combined page's five inputs.
  const std::vector<QLineEdit*> comboInputs{combo->Edit13, combo->Edit14, combo->Edit15,
                                            combo->Edit16, combo->Edit17};
  // Types the combined page's inputs, clicks Calculate and returns the result field's text.
  QString combined(std::initializer_list<const char*> texts) {
    typeInto(comboInputs, texts);
    combo->Button7Click();
    return combo->Edit18->text();
  }
};

namespace {
// Opens the field's pop-up menu as a right click does and, while it is open, records which
// of its entries are enabled and clicks the one named `entry`.
QStringList clickInFieldMenu(QLineEdit* field, const QString& entry) {
  QStringList enabled;
  QTimer::singleShot(0, field, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    for (QAction* a : menu->actions())
      if (a->isEnabled()) enabled << a->text();
    for (QAction* a : menu->actions())
      if (a->text() == entry)
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
    if (menu->isVisible()) menu->close();
  });
  const QPoint at(5, 5);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
  QApplication::sendEvent(field, &event);
  return enabled;
}
}  // namespace

TEST_F(LawPages, TheFieldsMenuCutsAndPastesWhatApplies) {
  TMain* main = windows.Main;
  main->show();
  QApplication::setActiveWindow(main);
  main->PageControl1->setCurrentIndex(0);
  QGuiApplication::clipboard()->clear();
  boyle->Edit1->setText("12.5");
  boyle->Edit1->setFocus();
  QApplication::processEvents();
  boyle->Edit1->deselect();
  // Nothing selected and nothing to paste: every entry is unavailable.
  EXPECT_EQ(clickInFieldMenu(boyle->Edit1, "&Copy"), QStringList());
  boyle->Edit1->selectAll();
  EXPECT_EQ(clickInFieldMenu(boyle->Edit1, "Cu&t"), QStringList({"&Copy", "Cu&t"}));
  EXPECT_EQ(boyle->Edit1->text(), "");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "12.5");
  // The menu acts on the field it was opened on.
  EXPECT_EQ(clickInFieldMenu(boyle->Edit3, "&Paste"), QStringList({"&Paste"}));
  EXPECT_EQ(boyle->Edit3->text(), "12.5");
  EXPECT_EQ(boyle->Edit1->text(), "");
}

TEST_F(LawPages, BoyleCalculatesFromTypedText) {
  typeInto({boyle->Edit1, boyle->Edit2, boyle->Edit3}, {"2", "3", "4"});
  QTest::mouseClick(boyle->Button1, Qt::LeftButton);
  EXPECT_EQ(boyle->Edit4->text(), "1.5");
  typeInto({boyle->Edit2, boyle->Edit1, boyle->Edit3}, {"1", "1", "3"});
  QTest::mouseClick(boyle->Button1, Qt::LeftButton);
  EXPECT_EQ(boyle->Edit4->text(), "0.33333");
  EXPECT_TRUE(shown().empty());
}

TEST_F(LawPages, OneDialogAndNoChangeOnError) {
  typeInto({boyle->Edit1, boyle->Edit2, boyle->Edit3}, {"2", "3", "4"});
  boyle->Button1Click();
  ASSERT_EQ(boyle->Edit4->text(), "1.5");
  type(boyle->Edit3, "0");
  boyle->Button1Click();
  EXPECT_EQ(shown(), std::vector<int>({3}));
  EXPECT_EQ(boyle->Edit4->text(), "1.5");  // the earlier result stays
  EXPECT_EQ(boyle->Edit3->text(), "0");
  boyle->Edit2->clear();
  boyle->Button1Click();
  EXPECT_EQ(shown(), std::vector<int>({3, 1}));
}

TEST_F(LawPages, ModeButtonsOnlyRelabel) {
  type(boyle->Edit1, "2");
  boyle->Edit4->setText(QStringLiteral("9"));
  QTest::mouseClick(boyle->RadioButton2, Qt::LeftButton);
  EXPECT_TRUE(boyle->RadioButton2->isChecked());
  EXPECT_EQ(boyle->Label1->text(), "Pressure 1:");
  EXPECT_EQ(boyle->Label2->text(), "Volume 1:");
  EXPECT_EQ(boyle->Label3->text(), "Volume 2:");
  EXPECT_EQ(boyle->Edit1->text(), "2");
  EXPECT_EQ(boyle->Edit4->text(), "9");
  EXPECT_EQ(charles->Label5->text(), "Volume 1:");  // the other page is untouched
  QTest::mouseClick(boyle->RadioButton1, Qt::LeftButton);
  EXPECT_EQ(boyle->Label1->text(), "Volume 1:");
  EXPECT_EQ(boyle->Label3->text(), "Pressure 2:");

  charles->RadioButton4->click();
  EXPECT_EQ(charles->Label5->text(), "Temperature 1:");
  EXPECT_EQ(charles->Label6->text(), "Volume 1:");
  EXPECT_EQ(charles->Label7->text(), "Volume 2:");
  charles->RadioButton3->click();
  EXPECT_EQ(charles->Label7->text(), "Temperature 2:");
}

TEST_F(LawPages, LabelsNameTheirFields) {
  EXPECT_EQ(boyle->Label1->buddy(), boyle->Edit1);
  EXPECT_EQ(charles->Label7->buddy(), charles->Edit7);
  EXPECT_EQ(combo->Label17->buddy(), combo->Edit17);
}

TEST_F(LawPages, ClearEmptiesAllFourAndKeepsTheMode) {
  charles->RadioButton4->click();
  for (QLineEdit* e : {charles->Edit5, charles->Edit6, charles->Edit7, charles->Edit8})
    e->setText("1");
  QTest::mouseClick(charles->Button4, Qt::LeftButton);
  for (QLineEdit* e : {charles->Edit5, charles->Edit6, charles->Edit7, charles->Edit8})
    EXPECT_TRUE(e->text().isEmpty());
  EXPECT_TRUE(charles->RadioButton4->isChecked());
  EXPECT_EQ(charles->Label5->text(), "Temperature 1:");
}

TEST_F(LawPages, CharlesAndInfiniteResults) {
  const std::array<const char*, 4> rows[] = {
      {"1", "300", "600", "2"},
      {"1e999", "300", "600", "INF"},
      {"1e200", "1e-200", "1e200", "INF"},  // overflows double when rounded
  };
  for (const auto& [v1, t1, t2, v2] : rows) {
    typeInto({charles->Edit5, charles->Edit6, charles->Edit7}, {v1, t1, t2});
    charles->Button3Click();
    EXPECT_EQ(charles->Edit8->text(), v2) << v1;
  }
  EXPECT_TRUE(shown().empty());
}

TEST_F(LawPages, CombinedPageModesAndChecks) {
  EXPECT_EQ(combo->Label17->text().left(13), "Temperature 2");
  combo->RadioButton9->click();
  EXPECT_EQ(combo->Label13->text(), "Temperature 1:");
  EXPECT_EQ(combo->Label17->text(), "Pressure 2:");
  EXPECT_EQ(combined({"300", "1", "2", "1", "1"}), "600");
  type(combo->Edit13, "-1");
  combo->Button7Click();
  EXPECT_EQ(shown(), std::vector<int>({2}));
  combo->Button8Click();
  for (QLineEdit* e : comboInputs) EXPECT_TRUE(e->text().isEmpty());
  EXPECT_TRUE(combo->Edit18->text().isEmpty());
  combo->RadioButton7->click();
  EXPECT_EQ(combo->Label17->text(), "Temperature 2:");
}

// The ideal gas law page: its captions follow the mode and the units, Calculate and Clear act
// on its fields, and a restart brings both choices back from the settings file.
TEST_F(LawPages, TheIdealPageFollowsItsModeAndUnitsAcrossARestart) {
  TIdealPage* ideal = windows.Main->TabSheet5;
  const auto captions = [](const TIdealPage* page) {
    return QStringList{page->Label24->text(), page->Label25->text(), page->Label26->text(),
                       page->Edit21->placeholderText()};
  };
  const auto checked = [](const TIdealPage* page) {  // RadioButton10 to RadioButton17
    QString bits;
    for (const QRadioButton* b : page->findChildren<QRadioButton*>())
      bits += b->isChecked() ? '1' : '0';
    return bits;
  };
  EXPECT_EQ(captions(ideal), QStringList({"Volume (L):", "Moles (mol):", "Temperature (K):", "K"}));
  // "Find Temperature" in "kPa, L": 101.325 kPa × 22.414 L ÷ (1 mol × 8.31446) = 273.15 K.
  type(ideal->Edit19, "101.325");
  QTest::mouseClick(ideal->RadioButton13, Qt::LeftButton);
  QTest::mouseClick(ideal->RadioButton15, Qt::LeftButton);
  EXPECT_EQ(captions(ideal), QStringList({"Pressure (kPa):", "Volume (L):", "Moles (mol):", ""}));
  EXPECT_EQ(ideal->Edit19->text(), "101.325");  // relabelling leaves the texts
  type(ideal->Edit20, "22.414");
  type(ideal->Edit21, "1");
  QTest::mouseClick(ideal->Button9, Qt::LeftButton);
  EXPECT_EQ(ideal->Edit22->text(), "273.15");
  EXPECT_TRUE(ideal->Edit22->toolTip().endsWith("273.15 K (R in L·kPa/(mol·K), T in kelvins)"));
  QTest::mouseClick(ideal->RadioButton16, Qt::LeftButton);
  EXPECT_EQ(captions(ideal), QStringList({"Pressure (Pa):", "Volume (m³):", "Moles (mol):", ""}));
  QTest::mouseClick(ideal->Button10, Qt::LeftButton);
  for (QLineEdit* e : {ideal->Edit19, ideal->Edit20, ideal->Edit21, ideal->Edit22})
    EXPECT_TRUE(e->text().isEmpty());

  windows.Main->close();
  EXPECT_TRUE(app.settings.read().ends_with(
      "[Ideal]\nPressure=0\nVolume=0\nMoles=0\nTemperature=1\nUnits=2\n"));
  // No mode key true gives "Find Pressure", several the last; units no button has give "atm, L".
  const std::pair<std::string, QString> restarts[] = {
      {"", "00010010"},  // the file the close wrote
      {"[Ideal]\nPressure=0\nUnits=4\n", "10001000"},
      {"[Ideal]\nVolume=1\nMoles=1\nUnits=3\n", "00100001"}};

  for (const auto& [file, bits] : restarts) {
    if (!file.empty()) app.settings.write(file);
    TMain restarted(app.application, app.settings.store, app.errors, app.notifyArea);
    EXPECT_EQ(checked(restarted.TabSheet5), bits) << file;
  }
}

TEST_F(LawPages, CombinedModesRelabelAllFiveInputs) {
  struct Row {
    QRadioButton* button;
    QStringList captions;
  };
  const Row rows[] = {
      {combo->RadioButton8,
       {"Pressure 1:", "Volume 1:", "Volume 2:", "Temperature 1:", "Temperature 2:"}},
      {combo->RadioButton9,
       {"Temperature 1:", "Volume 1:", "Volume 2:", "Pressure 1:", "Pressure 2:"}},
      {combo->RadioButton7,
       {"Volume 1:", "Pressure 1:", "Pressure 2:", "Temperature 1:", "Temperature 2:"}},
  };
  for (const auto& row : rows) {
    QTest::mouseClick(row.button, Qt::LeftButton);
    EXPECT_EQ(QStringList({combo->Label13->text(), combo->Label14->text(), combo->Label15->text(),
                           combo->Label16->text(), combo->Label17->text()}),
              row.captions)
        << row.button->objectName().toStdString();
    EXPECT_EQ(combo->Label18->text(), "Calculated:");
  }
}

TEST_F(LawPages, CombinedErrorLeavesEveryFieldAndClearKeepsTheMode) {
  combo->RadioButton8->click();
  ASSERT_EQ(combined({"1", "2", "1", "300", "150"}), "1");
  type(combo->Edit15, "0");
  combo->Button7Click();
  EXPECT_EQ(shown(), std::vector<int>({3}));
  EXPECT_EQ(combo->Edit18->text(), "1");
  QTest::mouseClick(combo->Button8, Qt::LeftButton);
  for (QLineEdit* e : comboInputs) EXPECT_TRUE(e->text().isEmpty());
  EXPECT_TRUE(combo->Edit18->text().isEmpty());
  EXPECT_TRUE(combo->RadioButton8->isChecked());
  EXPECT_EQ(combo->Label15->text(), "Volume 2:");
}

// The working and the kelvin placeholders follow a calculation, a mode and Clear; after an
// error the focus is on the field it is about.
TEST_F(LawPages, WorkingKelvinFieldsAndTheFieldInError) {
  const auto placeholders = [](std::initializer_list<const QLineEdit*> fields) {
    QStringList out;
    for (const QLineEdit* e : fields) out << e->placeholderText();
    return out;
  };
  EXPECT_EQ(placeholders({charles->Edit5, charles->Edit6, charles->Edit7, charles->Edit8}),
            QStringList({"", "K", "K", ""}));
  EXPECT_EQ(placeholders({combo->Edit13, combo->Edit16, combo->Edit17}),
            QStringList({"", "K", "K"}));
  typeInto({charles->Edit5, charles->Edit6, charles->Edit7}, {"2", "27", "127"});
  charles->Button3Click();
  const QString working = "V2 = V1 × T2 ÷ T1 = 2 × 127 ÷ 27 = 9.4074 (T1, T2 in kelvins)";
  EXPECT_EQ(charles->Edit8->toolTip(), working);
  EXPECT_EQ(charles->Edit8->accessibleDescription(), working);

  windows.Main->show();
  type(charles->Edit6, "0abc");  // read as 0: the divisor the error is about
  charles->Button3Click();
  EXPECT_EQ(shown(), std::vector<int>({3}));
  EXPECT_EQ(windows.Main->focusWidget(), charles->Edit6);
  EXPECT_EQ(charles->Edit6->selectedText(), "0abc");
  EXPECT_EQ(charles->Edit8->text(), "9.4074");
  EXPECT_EQ(charles->Edit8->toolTip(), working);
  charles->Edit7->clear();
  charles->Button3Click();
  EXPECT_EQ(windows.Main->focusWidget(), charles->Edit7);

  charles->RadioButton4->click();
  EXPECT_EQ(placeholders({charles->Edit5, charles->Edit6, charles->Edit7}),
            QStringList({"K", "", ""}));
  QTest::keyClicks(charles->Edit8, "1");  // typed over: the working no longer holds
  EXPECT_TRUE(charles->Edit8->toolTip().isEmpty());

  combo->RadioButton9->click();
  EXPECT_EQ(placeholders({combo->Edit13, combo->Edit16, combo->Edit17}),
            QStringList({"K", "", ""}));
  combined({"300", "1", "2", "1", "0"});  // a zero result: P2 is the field read as 0
  EXPECT_EQ(windows.Main->focusWidget(), combo->Edit17);
  type(combo->Edit17, "1");
  combo->Button7Click();
  EXPECT_FALSE(combo->Edit18->toolTip().isEmpty());
  combo->Button8Click();
  EXPECT_TRUE(combo->Edit18->toolTip().isEmpty());
  EXPECT_TRUE(combo->Edit18->accessibleDescription().isEmpty());
}
