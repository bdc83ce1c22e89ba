#pragma once
// What the two rate windows share by design: a page control with a "Single Rate" and a
// "Multiple Rate" page, a title band on each, a column of labelled fields (four on the
// first page, eight on the second), a Solve For group of four buttons on each page, and
// Calculate and Clear under the fields.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>
#include <array>
#include <span>
#include <string>

#include "core/SettingsKeys.h"
#include "platform/TForm.h"

namespace pelbrix {

class ErrorPresenter;
class SettingsStore;
struct RateOutcome;

// Where the two windows differ.
struct RateWindowDesign {
  QString solveForTitle;
  QRect solveForBox;  // on each page
  QStringList solveForCaptions;
  bool placeholderTexts;  // labels and fields show their own names
  int singleClearWidth;   // Button2
};

class RateWindow : public TForm {
  Q_OBJECT
 public:
  QTabWidget* PageControl1;
  QWidget *TabSheet1, *TabSheet2;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10,
      *Label11, *Label12, *Label13, *Label14;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10,
      *Edit11, *Edit12;
  QGroupBox *GroupBox1, *GroupBox2;
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4, *RadioButton5,
      *RadioButton6, *RadioButton7, *RadioButton8;
  QPushButton *Button1, *Button2, *Button3, *Button4;

  // What the Solve for buttons and each page's Calculate and Clear do.
  virtual void RadioButton1Click() = 0;
  virtual void RadioButton2Click() = 0;
  virtual void RadioButton3Click() = 0;
  virtual void RadioButton4Click() = 0;
  virtual void RadioButton5Click() = 0;
  virtual void RadioButton6Click() = 0;
  virtual void RadioButton7Click() = 0;
  virtual void RadioButton8Click() = 0;
  virtual void Button1Click() = 0;
  virtual void Button2Click() = 0;
  virtual void Button3Click() = 0;
  virtual void Button4Click() = 0;

 protected:
  RateWindow(TApplication& application, const RateWindowDesign& design);

  // The input fields and their texts in field order (the result fields Edit4 and Edit12 are
  // not read).
  std::array<QLineEdit*, 3> singleFields() const;
  std::array<QLineEdit*, 7> multipleFields() const;
  std::array<std::string, 3> singleInputs() const;
  std::array<std::string, 7> multipleInputs() const;
  // Empties every field of a page, the result field included, and drops the working.
  void clearSingle();
  void clearMultiple();

  // Gives each label its text; a window already laid out fits the label to it, otherwise the
  // layout measures it.
  static void relabel(std::span<QLabel* const> labels, const char* const* texts);

  // Writes a page's result and its working, or shows the dialog of the check that failed with
  // the focus then on the input field it is about.
  // Connects the buttons to their handlers; the window's own choices are made before.
  void connectHandlers();

  void showOutcome(ErrorPresenter& errors, QLineEdit* result, const RateOutcome& outcome,
                   const std::string& working);

  // The active page and the eight Solve for buttons, RadioButton1..RadioButton8, under the
  // window's keys in the settings file. A restored button that becomes checked runs its
  // handler.
  void restoreChoices(const SettingsStore& settings,
                      const SettingsTable<RateWindowChoices, 9>& keys);
  void saveChoices(SettingsStore& settings, const SettingsTable<RateWindowChoices, 9>& keys) const;
};

}  // namespace pelbrix
