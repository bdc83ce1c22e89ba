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
#include <array>

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

enum class TwoModeLaw { Boyle, Charles };

// The page of a law with two modes: two given quantities and a third, the result beside the
// third, and a mode button for each quantity it can find. The design names of the Boyle
// and Charles pages' controls (below) refer to these.
class TwoModeLawPage : public QWidget {
  Q_OBJECT
 public:
  struct Design;  // the names and captions of one page

 protected:
  TwoModeLawPage(TwoModeLaw law, const LawPageShared& menus, QWidget* parent);

  // Captions (and "K" hints) of the three inputs for mode 0 or 1.
  void showMode(int mode);
  // Computes in the checked mode; a failed check shows its dialog instead.
  void calculate();
  void clear();
  std::array<QLineEdit*, 3> inputs() const;
  const Formula<3>& formula(int mode) const;
  static const Design& design(TwoModeLaw law);

  QLabel* title_;
  std::array<QLabel*, 4> labels_;    // the inputs', then the result's
  std::array<QLineEdit*, 4> edits_;  // three inputs, then the result
  QPushButton *calculate_, *clear_;
  QGroupBox* group_;
  std::array<QRadioButton*, 2> modes_;

 private:
  const TwoModeLaw law_;
  const Design& design_;
  ErrorPresenter& errors_;
};

class TBoylePage : public TwoModeLawPage {
  Q_OBJECT
 public:
  TBoylePage(const LawPageShared& menus, QWidget* parent = nullptr);

  // The design names, each button's click handler beside it.
  QLabel*& Label19 = title_;
  QLabel *&Label1 = labels_[0], *&Label2 = labels_[1], *&Label3 = labels_[2], *&Label4 = labels_[3];
  QLineEdit *&Edit1 = edits_[0], *&Edit2 = edits_[1], *&Edit3 = edits_[2], *&Edit4 = edits_[3];
  QPushButton *&Button1 = calculate_, *&Button2 = clear_;
  void Button1Click() { calculate(); }
  void Button2Click() { clear(); }
  QGroupBox*& GroupBox1 = group_;
  QRadioButton *&RadioButton1 = modes_[0], *&RadioButton2 = modes_[1];
  void RadioButton1Click() { showMode(0); }
  void RadioButton2Click() { showMode(1); }
};

class TCharlesPage : public TwoModeLawPage {
  Q_OBJECT
 public:
  TCharlesPage(const LawPageShared& menus, QWidget* parent = nullptr);

  // The design names, each button's click handler beside it.
  QLabel*& Label20 = title_;
  QLabel *&Label5 = labels_[0], *&Label6 = labels_[1], *&Label7 = labels_[2], *&Label8 = labels_[3];
  QLineEdit *&Edit5 = edits_[0], *&Edit6 = edits_[1], *&Edit7 = edits_[2], *&Edit8 = edits_[3];
  QPushButton *&Button3 = calculate_, *&Button4 = clear_;
  void Button3Click() { calculate(); }
  void Button4Click() { clear(); }
  QGroupBox*& GroupBox2 = group_;
  QRadioButton *&RadioButton3 = modes_[0], *&RadioButton4 = modes_[1];
  void RadioButton3Click() { showMode(0); }
  void RadioButton4Click() { showMode(1); }
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
  // Names the five inputs after the mode's quantities.
  void showMode(ComboMode mode);
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
