#pragma once
// The Charles rate window: the counterpart of the Boyle rate calculator for volume and
// temperature. It only checks that its input fields are filled and clears them; it has
// no formulas yet, and its labels and fields keep their placeholder texts.
#include "rates/RateWindow.h"

namespace pelbrix {

class ErrorPresenter;

class TCHRate : public RateWindow {
  Q_OBJECT
 public:
  explicit TCHRate(ErrorPresenter& errors);

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 private:
  ErrorPresenter& errors_;
};

}  // namespace pelbrix
