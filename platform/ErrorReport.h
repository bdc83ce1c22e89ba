#pragma once
// The five numbered error dialogs, named by what they report. Calculators only say
// which one applies; how it is shown is installed by the forms (or replaced by a test).
#include <functional>

namespace pelbrix {

enum class ErrorDialog {
  None = 0,
  NotEnoughData = 1,        // Error #1
  NegativeTemperature = 2,  // Error #2
  DivideByZero = 3,         // Error #3
  NegativeValue = 4,        // Error #4
  ZeroValue = 5,            // Error #5
};

using ErrorDialogHandler = std::function<void(ErrorDialog)>;

// Shows the dialog modally through the installed handler; ErrorDialog::None shows nothing.
void showErrorDialog(ErrorDialog which);

// Installs `handler` and returns the one it replaces.
ErrorDialogHandler setErrorDialogHandler(ErrorDialogHandler handler);

}  // namespace pelbrix
