#pragma once
// The Boyle rate calculator: "Single Rate" relates one state's volume, pressure and their
// rates; "Multiple Rate" solves for a quantity of a second state. Each page remembers the
// quantity it solves for; the page and the Solve For buttons are kept in the settings file.
#include <cstdint>

#include "rates/RateWindow.h"

namespace pelbrix {

class ErrorPresenter;
class SettingsStore;

class TBRate : public RateWindow {
  Q_OBJECT
 public:
  TBRate(TApplication& application, SettingsStore& settings, ErrorPresenter& errors);

  // What each page solves for: 0 until a Solve For button is chosen or the first
  // Calculate takes it from the buttons; then 1 Volume, 2 Pressure, 3 Rate of Volume,
  // 4 Rate of Pressure.
  std::int16_t SingleMode = 0;
  std::int16_t MultipleMode = 0;

  void FormCreate();
  // Saves the page and the Solve For buttons; runs on every close.
  void FormClose() override;

  void RadioButton1Click() override;
  void RadioButton2Click() override;
  void RadioButton3Click() override;
  void RadioButton4Click() override;
  void RadioButton5Click() override;
  void RadioButton6Click() override;
  void RadioButton7Click() override;
  void RadioButton8Click() override;
  void Button1Click() override;
  void Button2Click() override;
  void Button3Click() override;
  void Button4Click() override;

 protected:
  void layOut() override;

 private:
  // A Solve For button's choice: the page's labels and its mode follow.
  void chooseSingle(std::int16_t mode);
  void chooseMultiple(std::int16_t mode);
  void relabelSingle(int mode);
  void relabelMultiple(int mode);
  SettingsStore& settings_;
  ErrorPresenter& errors_;
};

}  // namespace pelbrix
