#pragma once
// The Boyle rate calculator: "Single Rate" relates one state's volume, pressure and their
// rates; "Multiple Rate" solves for a quantity of a second state. Each page's mode is 0 until
// a Solve For button is chosen or the first Calculate takes it from the buttons; the page and
// the Solve For buttons are kept in the settings file.
#include "rates/RateWindow.h"

namespace pelbrix {

class TBRate : public RateWindow {
  Q_OBJECT
 public:
  TBRate(TApplication& application, SettingsStore& settings, ErrorPresenter& errors,
         const RateWindowChoices* stored = nullptr);

 protected:
  void layOut() override;
};

}  // namespace pelbrix
