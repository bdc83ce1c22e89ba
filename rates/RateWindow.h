#pragma once
// The one form behind both rate windows: a page control with a "Single Rate" and a
// "Multiple Rate" page, a title band on each, a column of labelled fields (four on the first
// page, eight on the second), a Solve For group of four buttons on each page, and Calculate
// and Clear under the fields. What a window shows and computes is its RateWindowDesign.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>
#include <array>
#include <cstdint>
#include <span>

#include "core/RateCalculation.h"
#include "core/SettingsKeys.h"
#include "platform/TForm.h"

namespace pelbrix {

class ErrorPresenter;
class SettingsStore;

// The quantities the rate windows relate.
enum class RateQuantity {
  Volume,
  Pressure,
  Temperature,
  RateOfVolume,
  RateOfPressure,
  RateOfTemperature
};

// The groups of a page's controls that its tab order chains: its fields, its Solve For
// buttons, Calculate and Clear.
enum class RateTab { Fields, SolveFor, Buttons };

// A rate window as data. Its texts are marked for translation in the context
// "pelbrix::RateWindow" and translated when shown.
struct RateWindowDesign {
  const char* objectName;
  const char* title;
  Qt::WindowFlags buttons;  // the frame's buttons besides Close
  const char* solveForTitle;
  QRect solveForBox;  // on each page
  // The client area's design size for a window the user may resize; none: the window is
  // sized to its content and keeps that size.
  QSize resizableSize{};
  // The Solve For choices in button order, also the labels' order: a mode's labels name the
  // quantities (on "Multiple Rate" each of states 1 and 2) but the one it solves for (on
  // "Multiple Rate" that one's state 2), then "Calculated: " that one.
  std::array<RateQuantity, 4> quantities;
  std::array<RateTab, 3> singleTabOrder, multipleTabOrder;
  int designPage = 0;          // shown until the stored page replaces it
  int singleClearWidth;        // Button2
  std::int16_t startMode = 0;  // 0: the first Calculate takes the mode from the buttons
  const RateCalculator& calculator;
  const SettingsTable<RateWindowChoices, 9>& keys;  // the page and RadioButton1..8
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

  // What each page's labels show and Calculate computes, numbered as its Solve For buttons:
  // 1 Volume, 2 Pressure or Temperature, 3 Rate of Volume, 4 the other rate. A choice sets
  // it; 0 (the design's start, or none) lets the first Calculate that passes its checks take
  // it from the buttons, Volume when none is checked.
  std::int16_t SingleMode;
  std::int16_t MultipleMode;

  // Restores the page and the Solve For buttons, a restored button running its choice; runs
  // once, at the end of the window's creation, from the file or from `stored`, the values
  // read from it at start-up.
  void FormCreate();
  void FormCreate(const RateWindowChoices& stored);
  // Saves the page and the Solve For buttons; runs on every close.
  void FormClose() override;
  // Each page's Calculate and Clear.
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 protected:
  // `stored`, when given, is what the window's keys held at start-up; otherwise the window
  // reads them as it is created.
  RateWindow(TApplication& application, SettingsStore& settings, ErrorPresenter& errors,
             const RateWindowDesign& design, const RateWindowChoices* stored = nullptr);

  // Shows a page's captions of `mode` (1..4); a window already laid out fits each label.
  void relabelSingle(int mode);
  void relabelMultiple(int mode);

  static constexpr int kDesignMode = 4;  // the design's captions are the last button's

 private:
  std::array<QRadioButton*, 4> singleButtons() const;
  std::array<QRadioButton*, 4> multipleButtons() const;
  std::array<QLineEdit*, 3> singleFields() const;
  std::array<QLineEdit*, 7> multipleFields() const;
  // A Solve For choice: the page's labels, its kelvin fields and its mode follow.
  void chooseSingle(int mode);
  void chooseMultiple(int mode);
  // A quantity's captions: its name, its state 1 and state 2, its result on "Single Rate"
  // and on "Multiple Rate".
  enum Caption { Name, State1, State2, SingleResult, MultipleResult };
  static QString caption(RateQuantity quantity, Caption which);
  void relabel(std::span<QLabel* const> labels, const QStringList& captions);

  const RateWindowDesign& design_;
  SettingsStore& settings_;
  ErrorPresenter& errors_;
};

}  // namespace pelbrix
