#pragma once
// The five numbered error dialogs, named by what they report. Calculators only say
// which one applies; a form hands that to the presenter it was given.

namespace pelbrix {

enum class ErrorDialog {
  None = 0,
  NotEnoughData = 1,        // Error #1
  NegativeTemperature = 2,  // Error #2
  DivideByZero = 3,         // Error #3
  NegativeValue = 4,        // Error #4
  ZeroValue = 5,            // Error #5
};

// Shows a numbered error dialog modally; ErrorDialog::None shows nothing.
class ErrorPresenter {
 public:
  virtual ~ErrorPresenter() = default;
  virtual void show(ErrorDialog which) = 0;
};

}  // namespace pelbrix
