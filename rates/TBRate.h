#pragma once
// The Boyle rate calculator: "Single Rate" relates one state's volume, pressure and their
// rates; "Multiple Rate" solves for a quantity of a second state. Each page remembers the
// quantity it solves for; the page and the Solve For buttons are kept in the settings file.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>
#include <cstdint>

#include "platform/TForm.h"

namespace pelbrix {

class ErrorPresenter;
class SettingsStore;
struct RateOutcome;

class TBRate : public TForm {
  Q_OBJECT
 public:
  TBRate(SettingsStore& settings, ErrorPresenter& errors);

  QTabWidget* PageControl1;
  QWidget *TabSheet1, *TabSheet2;
  QGroupBox* GroupBox1;
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;
  QLabel *Label1, *Label2, *Label3, *Label4;
  QPushButton *Button1, *Button2;
  QLineEdit *Edit5, *Edit6, *Edit7, *Edit8, *Edit9;
  QLabel *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
  QLineEdit* Edit10;
  QLabel* Label11;
  QLineEdit* Edit11;
  QLabel* Label12;
  QLineEdit* Edit12;
  QGroupBox* GroupBox2;
  QRadioButton *RadioButton5, *RadioButton6, *RadioButton7, *RadioButton8;
  QPushButton *Button3, *Button4;
  QLabel *Label13, *Label14;

  // What each page solves for: 0 until a Solve For button is chosen or the first
  // Calculate takes it from the buttons; then 1 Volume, 2 Pressure, 3 Rate of Volume,
  // 4 Rate of Pressure.
  std::int16_t SingleMode = 0;
  std::int16_t MultipleMode = 0;

  void FormCreate();
  // Saves the page and the Solve For buttons; runs on every close.
  void FormClose() override;

  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();
  void RadioButton4Click();
  void RadioButton5Click();
  void RadioButton6Click();
  void RadioButton7Click();
  void RadioButton8Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 private:
  void relabelSingle(int mode);
  void relabelMultiple(int mode);
  // Writes the result, or shows the dialog of the check that failed.
  void showOutcome(QLineEdit* result, const RateOutcome& outcome);
  SettingsStore& settings_;
  ErrorPresenter& errors_;
};

}  // namespace pelbrix
