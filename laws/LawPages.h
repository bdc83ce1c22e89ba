#pragma once
// The four pages of the main window's page control. The controls keep their design
// names; the handlers only read field texts, ask the gas-law functions and either show
// the numbered dialog or write the result.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "core/GasLaws.h"

namespace pelbrix {

class EditActions;
class ErrorPresenter;

// What every law page shares: the edit actions, the fields' and the page's pop-up menus
// and the error dialogs.
struct LawPageShared {
  EditActions* editActions;  // copy, cut, paste
  QMenu* fieldMenu;          // PopupMenu2
  QMenu* pageMenu;           // PopupMenu3
  ErrorPresenter* errors;
};

class TBoylePage : public QWidget {
  Q_OBJECT
 public:
  TBoylePage(const LawPageShared& menus, QWidget* parent = nullptr);

  QLabel* Label19;
  QLabel *Label1, *Label2, *Label3, *Label4;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;
  QPushButton *Button1, *Button2;
  QGroupBox* GroupBox1;
  QRadioButton *RadioButton1, *RadioButton2;

  void RadioButton1Click();
  void RadioButton2Click();
  void Button1Click();
  void Button2Click();

 private:
  ErrorPresenter& errors_;
};

class TCharlesPage : public QWidget {
  Q_OBJECT
 public:
  TCharlesPage(const LawPageShared& menus, QWidget* parent = nullptr);

  QLabel* Label20;
  QLabel *Label5, *Label6, *Label7, *Label8;
  QLineEdit *Edit5, *Edit6, *Edit7, *Edit8;
  QPushButton *Button3, *Button4;
  QGroupBox* GroupBox2;
  QRadioButton *RadioButton3, *RadioButton4;

  void RadioButton3Click();
  void RadioButton4Click();
  void Button3Click();
  void Button4Click();

 private:
  ErrorPresenter& errors_;
};

class TComboPage : public QWidget {
  Q_OBJECT
 public:
  TComboPage(const LawPageShared& menus, QWidget* parent = nullptr);

  QLabel* Label22;
  QLabel *Label13, *Label14, *Label15, *Label16, *Label17, *Label18;
  QLineEdit *Edit13, *Edit14, *Edit15, *Edit16, *Edit17, *Edit18;
  QPushButton *Button7, *Button8;
  QGroupBox* GroupBox4;
  QRadioButton *RadioButton7, *RadioButton8, *RadioButton9;

  void RadioButton7Click();
  void RadioButton8Click();
  void RadioButton9Click();
  void Button7Click();
  void Button8Click();

 private:
  ErrorPresenter& errors_;
};

class TIdealPage : public QWidget {
  Q_OBJECT
 public:
  TIdealPage(const LawPageShared& menus, QWidget* parent = nullptr);

  QLabel* Label23;
  QLabel *Label24, *Label25, *Label26, *Label27;
  QLineEdit *Edit19, *Edit20, *Edit21, *Edit22;
  QPushButton *Button9, *Button10;
  QGroupBox *GroupBox5, *GroupBox6;
  // "Find Pressure", "Find Volume", "Find Moles", "Find Temperature"
  QRadioButton *RadioButton10, *RadioButton11, *RadioButton12, *RadioButton13;
  // "atm, L", "kPa, L", "Pa, m³", "mmHg, L"
  QRadioButton *RadioButton14, *RadioButton15, *RadioButton16, *RadioButton17;

  void Button9Click();
  void Button10Click();

  // What the checked buttons choose: "Find Pressure" and "atm, L" while none is checked.
  IdealMode mode() const;
  IdealUnits units() const;

 private:
  // Names the three inputs after the mode's quantities in the chosen units.
  void relabel();
  ErrorPresenter& errors_;
};

}  // namespace pelbrix
