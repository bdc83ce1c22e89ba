#pragma once
// The Celsius/Kelvin converter: a small tool window shown beside the main window, above it. The
// left field is always Celsius and the right one Kelvin; the mode only decides which is read.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "platform/TForm.h"

namespace pelbrix {

class EditActions;
class ErrorPresenter;

class TTempConv : public TForm {
  Q_OBJECT
 public:
  TTempConv(TApplication& application, ErrorPresenter& errors);

  QGroupBox* GroupBox1;
  QRadioButton *RadioButton1, *RadioButton2;
  QLineEdit *Edit1, *Edit2;
  QPushButton* Button1;
  QLabel *Label1, *Label2;
  EditActions* ActionList1;  // EditCopy1, EditCut1, EditPaste1
  QMenu* PopupMenu1;

  void RadioButton1Click();
  void RadioButton2Click();
  void Button1Click();

 protected:
  void PlaceForShowing() override;

 private:
  ErrorPresenter& errors_;
};

}  // namespace pelbrix
