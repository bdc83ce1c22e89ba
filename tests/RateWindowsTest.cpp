// The Boyle rate calculator and the Charles rate window as a user drives them, each test
// on fresh windows over its own settings file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QTest>
#include <map>
#include <memory>
#include <sstream>

#include "GuiTestSupport.h"
#include "platform/TApplication.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

using namespace pelbrix;

namespace {

void type(QLineEdit* e, const QString& text) {
  e->clear();
  QTest::keyClicks(e, text);
}

QStringList texts(std::initializer_list<const QLabel*> labels) {
  QStringList out;
  for (const QLabel* l : labels) out << l->text();
  return out;
}

// The lines of `section` in the file, in order.
std::vector<std::string> sectionLines(const std::string& content, const std::string& section) {
  std::vector<std::string> out;
  std::istringstream in(content);
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') {
      inside = line == "[" + section + "]";
      continue;
    }
    if (inside && !line.empty()) out.push_back(line);
  }
  return out;
}

// Chooses each mode of each page, fills every input field with the value of the quantity its
// label names, calculates, and expects the value of the quantity the result's label names.
void expectEachModeComputesWhatItsLabelSays(RateWindow& f, const std::map<QString, QString>& single,
                                            const std::map<QString, QString>& multiple) {
  const struct {
    std::vector<QRadioButton*> buttons;
    std::vector<QLabel*> labels;
    std::vector<QLineEdit*> fields;
    QPushButton* calculate;
    const std::map<QString, QString>& values;
  } pages[] = {
      {{f.RadioButton1, f.RadioButton2, f.RadioButton3, f.RadioButton4},
       {f.Label1, f.Label2, f.Label3, f.Label4},
       {f.Edit1, f.Edit2, f.Edit3, f.Edit4},
       f.Button1,
       single},
      {{f.RadioButton5, f.RadioButton6, f.RadioButton7, f.RadioButton8},
       {f.Label5, f.Label6, f.Label7, f.Label8, f.Label9, f.Label10, f.Label11, f.Label12},
       {f.Edit5, f.Edit6, f.Edit7, f.Edit8, f.Edit9, f.Edit10, f.Edit11, f.Edit12},
       f.Button3,
       multiple},
  };
  for (const auto& page : pages) {
    for (QRadioButton* mode : page.buttons) {
      mode->click();
      const std::size_t last = page.fields.size() - 1;
      for (std::size_t k = 0; k < last; ++k)
        type(page.fields[k], page.values.at(page.labels[k]->text()));
      page.calculate->click();
      const QString result = page.labels[last]->text();
      ASSERT_TRUE(result.startsWith("Calculated: ")) << result.toStdString();
      EXPECT_EQ(page.fields[last]->text(), page.values.at(result.mid(12)))
          << mode->objectName().toStdString();
    }
  }
}

}  // namespace

// A rate window over its own settings file and recorded dialogs.
template <class Window>
class RateWindowTest : public testing::Test {
 protected:
  // Creates the window over a settings file holding `content` (no file when empty).
  Window& open(const std::string& content = {}) {
    if (!content.empty()) settings.write(content);
    form = std::make_unique<Window>(application, settings.store, errors);
    return *form;
  }

  TApplication application;
  test::TempSettings settings;
  test::ErrorRecorder errors;
  std::unique_ptr<Window> form;
};

class BoyleRate : public RateWindowTest<TBRate> {
 protected:
  QStringList singleLabels() const {
    return texts({form->Label1, form->Label2, form->Label3, form->Label4});
  }
  QStringList multipleLabels() const {
    return texts({form->Label5, form->Label6, form->Label7, form->Label8, form->Label9,
                  form->Label10, form->Label11, form->Label12});
  }
  void fillSingle(const QString& a, const QString& b, const QString& c) {
    type(form->Edit1, a);
    type(form->Edit2, b);
    type(form->Edit3, c);
  }
  void fillMultiple(const QStringList& values) {
    QLineEdit* const edits[] = {form->Edit5, form->Edit6,  form->Edit7, form->Edit8,
                                form->Edit9, form->Edit10, form->Edit11};
    for (int k = 0; k < 7; ++k) type(edits[k], values[k]);
  }
  std::vector<int>& shown() { return errors.shown; }

  const QStringList designSingle{"Volume", "Pressure", "Rate of Volume",
                                 "Calculated: Rate of Pressure"};
  const QStringList designMultiple{"Volume 1",           "Volume 2",
                                   "Pressure 1",         "Pressure 2",
                                   "Rate of Volume 1",   "Rate of Volume 2",
                                   "Rate of Pressure 1", "Calculated: Rate of Pressure 2"};
};

TEST_F(BoyleRate, FirstStartKeepsTheDesignUntilTheFirstCalculate) {
  TBRate& f = open();
  EXPECT_EQ(f.windowTitle(), "Boyle Rate");
  EXPECT_EQ(f.PageControl1->currentIndex(), 0);
  EXPECT_EQ(f.PageControl1->tabText(0), "Single Rate");
  EXPECT_EQ(f.PageControl1->tabText(1), "Multiple Rate");
  EXPECT_EQ(f.Label13->text(), "Single Rate");
  EXPECT_EQ(f.Label14->text(), "Multiple Rate");
  EXPECT_EQ(f.GroupBox1->title(), "Solve For: ");
  EXPECT_TRUE(f.RadioButton4->isChecked());
  EXPECT_TRUE(f.RadioButton8->isChecked());
  EXPECT_EQ(singleLabels(), designSingle);
  EXPECT_EQ(multipleLabels(), designMultiple);
  EXPECT_EQ(f.SingleMode, 0);
  EXPECT_EQ(f.MultipleMode, 0);

  fillSingle("2", "", "4");
  f.Button1Click();  // a failed check leaves the mode unset
  EXPECT_EQ(f.SingleMode, 0);
  fillSingle("2", "3", "4");
  QTest::mouseClick(f.Button1, Qt::LeftButton);
  EXPECT_EQ(f.Edit4->text(), "-6");
  EXPECT_EQ(f.SingleMode, 4);
  EXPECT_EQ(f.MultipleMode, 0);

  fillMultiple({"2", "4", "3", "1.5", "1", "2", "-1.5"});
  f.Button3Click();
  EXPECT_EQ(f.Edit12->text(), "-0.75");
  EXPECT_EQ(f.MultipleMode, 4);
  EXPECT_TRUE(shown() == std::vector<int>({1}));
  EXPECT_FALSE(settings.exists());  // nothing is written before the first close
}

TEST_F(BoyleRate, ModeButtonsRelabelAndKeepTheValues) {
  TBRate& f = open();
  fillSingle("3", "4", "-6");
  f.Edit4->setText("typed");
  fillMultiple({"1", "2", "3", "4", "5", "6", "7"});
  QTest::mouseClick(f.RadioButton1, Qt::LeftButton);
  EXPECT_EQ(singleLabels(),
            QStringList({"Pressure", "Rate of Volume", "Rate of Pressure", "Calculated: Volume"}));
  EXPECT_EQ(f.SingleMode, 1);
  EXPECT_EQ(multipleLabels(), designMultiple);  // the other page is untouched
  QTest::mouseClick(f.RadioButton6, Qt::LeftButton);
  EXPECT_EQ(multipleLabels(), QStringList({"Volume 1", "Volume 2", "Pressure 1", "Rate of Volume 1",
                                           "Rate of Volume 2", "Rate of Pressure 1",
                                           "Rate of Pressure 2", "Calculated: Pressure 2"}));
  EXPECT_EQ(f.MultipleMode, 2);
  EXPECT_EQ(singleLabels()[3], "Calculated: Volume");
  EXPECT_EQ(f.Edit1->text(), "3");
  EXPECT_EQ(f.Edit4->text(), "typed");
  EXPECT_EQ(f.Edit11->text(), "7");

  // The kept values are read under the new meaning: pressure 3, rates 4 and -6 give V = 2.
  f.Button1Click();
  EXPECT_EQ(f.Edit4->text(), "2");
  EXPECT_TRUE(shown().empty());
}

// In every mode the fields are read as their labels say and the answer is the quantity the
// result's label names: each field gets the value of the quantity its label names, from one
// state that obeys P dV/dt + V dP/dt = 0 (3 × 4 + 2 × (-6) = 0) and two states with
// P1 dV1/dt + V1 dP1/dt = 3 × 1 + 2 × 1 = 5 = 2 × 1.5 + 1 × 2 = P2 dV2/dt + V2 dP2/dt.
TEST_F(BoyleRate, EachModeComputesTheQuantityItsLabelNames) {
  expectEachModeComputesWhatItsLabelSays(
      open(),
      {{"Volume", "2"}, {"Pressure", "3"}, {"Rate of Volume", "4"}, {"Rate of Pressure", "-6"}},
      {{"Volume 1", "2"},
       {"Pressure 1", "3"},
       {"Rate of Volume 1", "1"},
       {"Rate of Pressure 1", "1"},
       {"Volume 2", "1"},
       {"Pressure 2", "2"},
       {"Rate of Volume 2", "1.5"},
       {"Rate of Pressure 2", "2"}});
  EXPECT_TRUE(shown().empty());
}

TEST_F(BoyleRate, StoredChoicesRunTheButtonsHandlers) {
  TBRate& f = open("[BoyleTrend]\nLastPage=1\nVolumeS=1\nRoPS=0\nPressureM=2\nRoVM=-1\nRoPM=0\n");
  EXPECT_EQ(f.PageControl1->currentIndex(), 1);
  EXPECT_TRUE(f.RadioButton1->isChecked());
  EXPECT_EQ(f.SingleMode, 1);
  EXPECT_EQ(singleLabels()[3], "Calculated: Volume");
  // The last true key of a group wins.
  EXPECT_TRUE(f.RadioButton7->isChecked());
  EXPECT_FALSE(f.RadioButton6->isChecked());
  EXPECT_EQ(f.MultipleMode, 3);
  EXPECT_EQ(multipleLabels()[7], "Calculated: Rate of Volume 2");
}

// The window is laid out when it is first shown, after the stored modes relabelled it: it
// must stand as a window laid out with the design's captions and relabelled afterwards.
TEST_F(BoyleRate, StoredModesLookAsModesChosenAfterTheWindowWasShown) {
  const auto geometries = [](TBRate& f) {
    f.CentreOverMainForm();
    f.show();
    QApplication::processEvents();
    std::vector<QRect> out{QRect(QPoint(), f.size())};
    for (const QWidget* w : f.findChildren<QWidget*>()) out.push_back(w->geometry());
    f.hide();
    return out;
  };
  TBRate& stored = open("[BoyleTrend]\nVolumeS=1\nRoPS=0\nRoVM=1\nRoPM=0\n");
  EXPECT_EQ(stored.Label4->text(), "Calculated: Volume");
  EXPECT_EQ(stored.Label12->text(), "Calculated: Rate of Volume 2");
  const std::vector<QRect> laidOutAfter = geometries(stored);

  test::TempSettings fresh;
  TBRate chosen(application, fresh.store, errors);
  chosen.CentreOverMainForm();
  chosen.RadioButton1->click();
  chosen.RadioButton7->click();
  EXPECT_EQ(texts({chosen.Label4, chosen.Label12}), texts({stored.Label4, stored.Label12}));
  EXPECT_EQ(geometries(chosen), laidOutAfter);
}

TEST_F(BoyleRate, LaterTrueKeyWinsOverAnEarlierOne) {
  TBRate& f = open("[BoyleTrend]\nVolumeS=1\nRoPS=1\n");
  EXPECT_TRUE(f.RadioButton4->isChecked());
  EXPECT_FALSE(f.RadioButton1->isChecked());
  EXPECT_EQ(f.SingleMode, 4);  // set by the handler on the way back to Rate of Pressure
  EXPECT_EQ(singleLabels(), designSingle);
}

TEST_F(BoyleRate, GroupWithNothingCheckedCalculatesVolume) {
  TBRate& f = open("[BoyleTrend]\nRoPS=0\nRoPM=0\n");
  for (QRadioButton* r : {f.RadioButton1, f.RadioButton2, f.RadioButton3, f.RadioButton4,
                          f.RadioButton5, f.RadioButton6, f.RadioButton7, f.RadioButton8})
    EXPECT_FALSE(r->isChecked()) << r->objectName().toStdString();
  EXPECT_EQ(singleLabels(), designSingle);
  EXPECT_EQ(f.SingleMode, 0);
  fillSingle("3", "4", "-6");
  f.Button1Click();
  EXPECT_EQ(f.SingleMode, 1);
  EXPECT_EQ(f.Edit4->text(), "2");  // -(4 * 3) / -6
  fillMultiple({"2", "3", "1", "1", "1", "1", "2"});
  f.Button3Click();
  EXPECT_EQ(f.MultipleMode, 1);
  EXPECT_EQ(f.Edit12->text(), "2");
}

TEST_F(BoyleRate, PageIndexOutOfRangeOpensTheFirstPage) {
  for (const char* stored : {"2", "-1", "99999"}) {
    TBRate& f = open(std::string("[BoyleTrend]\nLastPage=") + stored + "\n");
    EXPECT_EQ(f.PageControl1->currentIndex(), 0) << stored;
    ASSERT_EQ(test::runModal([&] { f.ShowModal(); }), "BRate");
    const std::vector<std::string> saved = sectionLines(settings.read(), "BoyleTrend");
    ASSERT_FALSE(saved.empty()) << stored;
    EXPECT_EQ(saved[0], "LastPage=0") << stored;
  }
}

TEST_F(BoyleRate, EveryCloseWritesTheNineKeysInOrder) {
  TBRate& f = open("[Extra]\nNote=x\n[BoyleTrend]\nRoPM=1\nLastPage=0\n");
  f.PageControl1->setCurrentIndex(1);
  f.RadioButton2->click();
  f.RadioButton5->click();
  EXPECT_EQ(test::runModal([&] { f.ShowModal(); }), "BRate");
  // Keys already in the file keep their places; the missing ones follow in order.
  EXPECT_EQ(sectionLines(settings.read(), "BoyleTrend"),
            std::vector<std::string>({"RoPM=0", "LastPage=1", "VolumeS=0", "PressureS=1", "RoVS=0",
                                      "RoPS=0", "VolumeM=1", "PressureM=0", "RoVM=0"}));
  EXPECT_EQ(sectionLines(settings.read(), "Extra"), std::vector<std::string>({"Note=x"}));

  settings.write("");
  f.PageControl1->setCurrentIndex(0);
  test::runModal([&] { f.ShowModal(); });  // unchanged choices are written again
  EXPECT_EQ(sectionLines(settings.read(), "BoyleTrend"),
            std::vector<std::string>({"LastPage=0", "VolumeS=0", "PressureS=1", "RoVS=0", "RoPS=0",
                                      "VolumeM=1", "PressureM=0", "RoVM=0", "RoPM=0"}));
  // A fresh window restores what was written.
  TBRate& again = open();
  EXPECT_TRUE(again.RadioButton2->isChecked());
  EXPECT_TRUE(again.RadioButton5->isChecked());
  EXPECT_EQ(again.SingleMode, 2);
}

TEST_F(BoyleRate, AFileThatCannotBeWrittenIsReportedOnceAndKeptAsItWas) {
  const std::string before = "[BoyleTrend]\nLastPage=1\n";
  TBRate& f = open(before);
  ASSERT_EQ(::chmod(settings.path().c_str(), 0444), 0);
  f.RadioButton1->click();
  test::runModal([&] { f.ShowModal(); });
  test::runModal([&] { f.ShowModal(); });
  ASSERT_EQ(settings.messages.messages.size(), 1);
  EXPECT_TRUE(settings.messages.messages[0].contains(QString::fromStdString(settings.path())))
      << settings.messages.messages[0].toStdString();
  EXPECT_EQ(settings.read(), before);
  EXPECT_FALSE(f.isVisible());
  ::chmod(settings.path().c_str(), 0644);
}

TEST_F(BoyleRate, EmptyFieldsBeforeZerosAndNothingChangesOnError) {
  TBRate& f = open();
  f.Edit4->setText("earlier");
  fillSingle("0", "", "1");
  f.Button1Click();
  EXPECT_EQ(shown(), std::vector<int>({1}));
  fillSingle("1", " ", "2");  // a blank is filled and reads 0
  f.Button1Click();
  EXPECT_EQ(shown(), std::vector<int>({1, 5}));
  EXPECT_EQ(f.Edit4->text(), "earlier");
  EXPECT_EQ(f.Edit2->text(), " ");

  fillMultiple({"1", "1", "1", "1", "1", "0", "1"});
  f.Button3Click();
  EXPECT_EQ(shown(), std::vector<int>({1, 5, 5}));
  f.Edit11->clear();
  f.Button3Click();
  EXPECT_EQ(shown(), std::vector<int>({1, 5, 5, 1}));
  EXPECT_TRUE(f.Edit12->text().isEmpty());

  fillSingle("12abc", "1", "1");
  f.Button1Click();
  EXPECT_EQ(f.Edit4->text(), "-0.0833333");
  fillSingle("1", "1e308", "1e308");  // the product only fits the extended intermediate
  f.Button1Click();
  EXPECT_EQ(f.Edit4->text(), "-1E0616");
  fillSingle("1", "1e999", "1");
  f.Button1Click();
  EXPECT_EQ(f.Edit4->text(), "-INF");
  EXPECT_EQ(shown().size(), 4u);
}

TEST_F(BoyleRate, ClearEmptiesOnlyItsPage) {
  TBRate& f = open();
  fillSingle("1", "2", "3");
  f.Edit4->setText("4");
  fillMultiple({"1", "2", "3", "4", "5", "6", "7"});
  f.RadioButton2->click();
  QTest::mouseClick(f.Button2, Qt::LeftButton);
  for (QLineEdit* e : {f.Edit1, f.Edit2, f.Edit3, f.Edit4}) EXPECT_TRUE(e->text().isEmpty());
  EXPECT_EQ(f.Edit5->text(), "1");
  EXPECT_EQ(f.SingleMode, 2);
  EXPECT_EQ(singleLabels()[3], "Calculated: Pressure");
  f.Edit12->setText("x");
  f.Button4Click();
  for (QLineEdit* e : {f.Edit5, f.Edit6, f.Edit7, f.Edit8, f.Edit9, f.Edit10, f.Edit11, f.Edit12})
    EXPECT_TRUE(e->text().isEmpty());
}

TEST_F(BoyleRate, WorkingFollowsCalculationAndClear) {
  TBRate& f = open();
  f.show();
  fillSingle("2", "3", "4");
  f.Button1Click();
  const QString working = "dP/dt = −(dV/dt × P) ÷ V = −(4 × 3) ÷ 2 = -6";
  EXPECT_EQ(f.Edit4->toolTip(), working);
  EXPECT_EQ(f.Edit4->accessibleDescription(), working);
  f.RadioButton1->click();  // the next answer names the volume
  fillSingle("3", "0", "-6");
  f.Button1Click();  // the zero field is shown, the working stays
  EXPECT_EQ(shown(), std::vector<int>({5}));
  EXPECT_EQ(f.focusWidget(), f.Edit2);
  EXPECT_EQ(f.Edit4->toolTip(), working);
  fillSingle("3", "4", "-6");
  f.Button1Click();
  EXPECT_EQ(f.Edit4->toolTip(), "V = −(dV/dt × P) ÷ dP/dt = −(4 × 3) ÷ (-6) = 2");
  for (QLineEdit* e : f.findChildren<QLineEdit*>()) EXPECT_TRUE(e->placeholderText().isEmpty());
  f.Button2Click();
  EXPECT_TRUE(f.Edit4->toolTip().isEmpty());
}

class CharlesRate : public RateWindowTest<TCHRate> {
 protected:
  // Each field's placeholder, "" for none, in field order.
  static QStringList placeholders(std::initializer_list<const QLineEdit*> fields) {
    QStringList out;
    for (const QLineEdit* e : fields) out << e->placeholderText();
    return out;
  }
};

TEST_F(CharlesRate, OpensOnRateOfTemperatureWithEmptyFields) {
  TCHRate& f = open();
  EXPECT_EQ(f.windowTitle(), "Charles Rate");
  EXPECT_EQ(f.GroupBox2->title(), "Solve for: ");
  EXPECT_TRUE(f.RadioButton4->isChecked());
  EXPECT_TRUE(f.RadioButton8->isChecked());
  EXPECT_EQ(
      texts({f.Label1, f.Label2, f.Label3, f.Label4}),
      QStringList({"Volume", "Temperature", "Rate of Volume", "Calculated: Rate of Temperature"}));
  EXPECT_EQ(f.Label12->text(), "Calculated: Rate of Temperature 2");
  for (QLineEdit* e : f.findChildren<QLineEdit*>()) EXPECT_TRUE(e->text().isEmpty());
  EXPECT_EQ(placeholders({f.Edit1, f.Edit2, f.Edit3, f.Edit4}), QStringList({"", "K", "", ""}));
  EXPECT_EQ(placeholders({f.Edit5, f.Edit6, f.Edit7, f.Edit8, f.Edit9, f.Edit10, f.Edit11}),
            QStringList({"", "", "K", "K", "", "", ""}));
  EXPECT_FALSE(settings.exists());
}

// The working and the placeholders follow a calculation, a choice and Clear.
TEST_F(CharlesRate, WorkingAndKelvinFieldsFollowTheChoice) {
  TCHRate& f = open();
  type(f.Edit1, "2");
  type(f.Edit2, "300");
  type(f.Edit3, "0.5");
  QTest::mouseClick(f.Button1, Qt::LeftButton);
  EXPECT_EQ(f.Edit4->text(), "75");
  const QString working = "dT/dt = T × dV/dt ÷ V = 300 × 0.5 ÷ 2 = 75 (T in kelvins)";
  EXPECT_EQ(f.Edit4->toolTip(), working);
  EXPECT_EQ(f.Edit4->accessibleDescription(), working);

  // Solving for the volume: the temperature moves to the first field.
  QTest::mouseClick(f.RadioButton1, Qt::LeftButton);
  EXPECT_EQ(f.Label4->text(), "Calculated: Volume");
  EXPECT_EQ(placeholders({f.Edit1, f.Edit2, f.Edit3}), QStringList({"K", "", ""}));
  type(f.Edit1, "-300");  // a temperature below 0: the field is shown, nothing changes
  f.Button1Click();
  EXPECT_EQ(errors.shown, std::vector<int>({2}));
  EXPECT_EQ(f.Edit4->toolTip(), working);
  EXPECT_EQ(f.Edit1->text(), "-300");
  EXPECT_EQ(f.Edit1->selectedText(), "-300");
  type(f.Edit1, "300");
  type(f.Edit2, "0.5");
  type(f.Edit3, "-75");
  f.Button1Click();  // a negative volume
  EXPECT_EQ(errors.shown, std::vector<int>({2, 4}));
  type(f.Edit3, "75");
  f.Button1Click();
  EXPECT_EQ(f.Edit4->text(), "2");
  EXPECT_EQ(f.Edit4->toolTip(), "V = T × dV/dt ÷ dT/dt = 300 × 0.5 ÷ 75 = 2 (T in kelvins)");

  f.Button2Click();
  EXPECT_TRUE(f.Edit4->text().isEmpty());
  EXPECT_TRUE(f.Edit4->toolTip().isEmpty());
  EXPECT_TRUE(f.Edit4->accessibleDescription().isEmpty());

  QTest::mouseClick(f.RadioButton6, Qt::LeftButton);  // Temperature 2 is computed
  EXPECT_EQ(placeholders({f.Edit5, f.Edit6, f.Edit7, f.Edit8}), QStringList({"", "", "K", ""}));
  // State 2 is state 1 doubled: T2 = 200 ÷ (2/4 − (1/2 − 100/300)) = 200 ÷ 1/3 = 600.
  const QStringList values{"2", "4", "300", "1", "2", "100", "200"};
  QLineEdit* const edits[] = {f.Edit5, f.Edit6, f.Edit7, f.Edit8, f.Edit9, f.Edit10, f.Edit11};
  for (int k = 0; k < 7; ++k) type(edits[k], values[k]);
  f.Button3Click();
  EXPECT_EQ(f.Edit12->text(), "600");
  EXPECT_TRUE(f.Edit12->toolTip().startsWith("T2 = dT2/dt ÷ (dV2/dt ÷ V2 − (dV1/dt ÷ V1"));
  EXPECT_EQ(errors.shown.size(), 2u);
}

TEST_F(CharlesRate, ChoicesAreKeptUnderCharlesTrend) {
  TCHRate& f = open("[CharlesTrend]\nLastPage=1\nTemperatureS=1\nRoTS=0\nVolumeM=1\nRoTM=0\n");
  EXPECT_EQ(f.PageControl1->currentIndex(), 1);
  EXPECT_TRUE(f.RadioButton2->isChecked());
  EXPECT_EQ(f.Label4->text(), "Calculated: Temperature");
  EXPECT_EQ(f.Edit2->placeholderText(), "");  // no temperature is read for a temperature
  EXPECT_TRUE(f.RadioButton5->isChecked());
  EXPECT_EQ(f.Label12->text(), "Calculated: Volume 2");
  f.RadioButton7->click();
  f.PageControl1->setCurrentIndex(0);
  test::runModal([&] { f.ShowModal(); });
  EXPECT_EQ(
      sectionLines(settings.read(), "CharlesTrend"),
      std::vector<std::string>({"LastPage=0", "TemperatureS=1", "RoTS=0", "VolumeM=0", "RoTM=0",
                                "VolumeS=0", "RoVS=0", "TemperatureM=0", "RoVM=1"}));
}

// With every key of a group false no button is checked; Calculate computes what the labels
// still show, so the answer is the one its label names.
TEST_F(CharlesRate, AGroupWithNothingCheckedComputesWhatItsLabelsShow) {
  TCHRate& f = open("[CharlesTrend]\nRoTS=0\n");
  for (QRadioButton* r : {f.RadioButton1, f.RadioButton2, f.RadioButton3, f.RadioButton4})
    EXPECT_FALSE(r->isChecked());
  EXPECT_EQ(f.Label4->text(), "Calculated: Rate of Temperature");
  type(f.Edit1, "2");
  type(f.Edit2, "300");
  type(f.Edit3, "0.5");
  f.Button1Click();
  EXPECT_EQ(f.Edit4->text(), "75");
}

// One state with T dV/dt = V dT/dt (300 × 0.5 = 2 × 75), and state 2 as state 1 doubled, which
// keeps dV/V − dT/T (1/2 − 100/300 = 2/4 − 200/600 = 1/6).
TEST_F(CharlesRate, EachModeComputesTheQuantityItsLabelNames) {
  expectEachModeComputesWhatItsLabelSays(open(),
                                         {{"Volume", "2"},
                                          {"Temperature", "300"},
                                          {"Rate of Volume", "0.5"},
                                          {"Rate of Temperature", "75"}},
                                         {{"Volume 1", "2"},
                                          {"Temperature 1", "300"},
                                          {"Rate of Volume 1", "1"},
                                          {"Rate of Temperature 1", "100"},
                                          {"Volume 2", "4"},
                                          {"Temperature 2", "600"},
                                          {"Rate of Volume 2", "2"},
                                          {"Rate of Temperature 2", "200"}});
  EXPECT_TRUE(errors.shown.empty());
}
