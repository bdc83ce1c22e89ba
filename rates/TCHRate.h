#pragma once
// The Charles rate calculator, the counterpart of the Boyle rate calculator for volume and
// temperature: "Single Rate" relates one state's volume, temperature and their rates;
// "Multiple Rate" solves for a quantity of a second state. Each page starts on the design's
// mode, Rate of Temperature, and a group left with no button checked keeps the mode its
// labels show. The page and the Solve for buttons are kept in the settings file.
#include "rates/RateWindow.h"

namespace pelbrix {

class TCHRate : public RateWindow {
  Q_OBJECT
 public:
  TCHRate(TApplication& application, SettingsStore& settings, ErrorPresenter& errors,
          const RateWindowChoices* stored = nullptr);
};

}  // namespace pelbrix
