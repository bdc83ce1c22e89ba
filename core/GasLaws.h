#pragma once
// Boyle's, Charles' and the combined gas law as functions of the fields' texts.
//
// Every calculation runs the same fixed sequence: the input fields are tested for empty
// text in field order, parsed, (the combined law only) its temperatures tested for sign,
// its divisors tested for zero; then the formula is evaluated on extended-precision
// intermediates, rounded to double once, and the result tested for sign and for zero.
// The first failing step names its dialog.
#include <array>
#include <string>
#include <string_view>

#include "core/ErrorReport.h"

namespace pelbrix {

struct Outcome {
  ErrorDialog error = ErrorDialog::None;
  double value = 0.0;  // meaningful when error is None

  bool ok() const { return error == ErrorDialog::None; }
};

// V2 = (V1 * P1) / P2, and P2 = (P1 * V1) / V2: one formula, x1 * x2 / x3, for both modes.
Outcome solveBoyle(const std::array<std::string, 3>& fields);

// V2 = (V1 * T2) / T1, and T2 = (T1 * V2) / V1: y1 * y3 / y2 for both modes.
Outcome solveCharles(const std::array<std::string, 3>& fields);

enum class ComboMode { FindVolume, FindPressure, FindTemperature };

// P1 V1 / T1 = P2 V2 / T2 solved for V2, P2 or T2 from the five fields z1..z5.
Outcome solveCombined(ComboMode mode, const std::array<std::string, 5>& fields);

// The law pages' result text: 5 significant digits, at least 4 exponent digits.
std::string lawText(double value, std::string_view decimalSeparator = ".");

}  // namespace pelbrix
