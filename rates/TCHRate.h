#pragma once
// The Charles rate calculator, the counterpart of the Boyle rate calculator for volume and
// temperature: "Single Rate" relates one state's volume, temperature and their rates;
// "Multiple Rate" solves for a quantity of a second state. The page and the Solve for
// buttons are kept in the settings file.
#include <cstdint>

#include "rates/RateWindow.h"

namespace pelbrix {

class ErrorPresenter;
class SettingsStore;

class TCHRate : public RateWindow {
  Q_OBJECT
 public:
  TCHRate(TApplication& application, SettingsStore& settings, ErrorPresenter& errors);

  // What each page's labels show and Calculate computes: 1 Volume, 2 Temperature, 3 Rate of
  // Volume, 4 Rate of Temperature (the design's). A group left with no button checked keeps
  // the mode its labels show.
  std::int16_t SingleMode = 4;
  std::int16_t MultipleMode = 4;

  void FormCreate();
  // Saves the page and the Solve for buttons; runs on every close.
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

 private:
  // A Solve for button's choice: the page's labels, its kelvin fields and its mode follow.
  void chooseSingle(std::int16_t mode);
  void chooseMultiple(std::int16_t mode);
  SettingsStore& settings_;
  ErrorPresenter& errors_;
};

}  // namespace pelbrix
