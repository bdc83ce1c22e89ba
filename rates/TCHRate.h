#pragma once
// The Charles rate window: the counterpart of the Boyle rate calculator for volume and
// temperature. It only checks that its input fields are filled and clears them; it has
// no formulas yet, and its labels and fields keep their placeholder texts.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>

#include "platform/TForm.h"

namespace pelbrix {

class ErrorPresenter;

class TCHRate : public TForm {
  Q_OBJECT
 public:
  explicit TCHRate(ErrorPresenter& errors);

  QTabWidget* PageControl1;
  QWidget *TabSheet1, *TabSheet2;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10,
      *Label11, *Label12, *Label13, *Label14;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;
  QGroupBox* GroupBox1;
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4;
  QPushButton *Button1, *Button2;
  QLineEdit *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10, *Edit11, *Edit12;
  QPushButton *Button3, *Button4;
  QGroupBox* GroupBox2;
  QRadioButton *RadioButton5, *RadioButton6, *RadioButton7, *RadioButton8;

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 private:
  ErrorPresenter& errors_;
};

}  // namespace pelbrix
