#pragma once
// Boyle's, Charles', the combined and the ideal gas law as functions of the fields' texts.
//
// Every calculation runs the same fixed sequence: the input fields are tested for empty
// text in field order, parsed, (the combined and ideal laws) temperatures tested for sign,
// its divisors tested for zero; then the formula is evaluated on extended-precision
// intermediates, rounded to double once, and the result tested for sign and for zero.
// The first failing step names its dialog and, where one field is the cause, that field.
//
// Texts are read with '.' or the desktop's `decimalSeparator` as the decimal point, and
// results written with that separator.
#include <array>
#include <string>
#include <string_view>

#include "core/ErrorReport.h"
#include "core/Working.h"

namespace pelbrix {

struct Outcome {
  ErrorDialog error = ErrorDialog::None;
  double value = 0.0;  // meaningful when error is None
  // The input field the error is about: the first empty one, the negative temperature, the
  // zero divisor, or for a zero result the first input read as 0; -1 when none is.
  int field = -1;

  bool ok() const { return error == ErrorDialog::None; }
};

// The law pages' modes. Boyle's and Charles' law compute the same formula in both modes; the
// mode names the quantities in the working.
enum class BoyleMode { FindVolume, FindPressure };
enum class CharlesMode { FindVolume, FindTemperature };
enum class ComboMode { FindVolume, FindPressure, FindTemperature };

// The ideal gas law page's modes, in the order P, V, n, T in which its fields list the
// quantities: the fields hold the three that are not sought.
enum class IdealMode { FindPressure, FindVolume, FindMoles, FindTemperature };
// Its units, in the order of the page's buttons and of the settings file's Units key.
enum class IdealUnits { AtmLitre, KiloPascalLitre, PascalCubicMetre, MmHgLitre };

// The units' names as the page's captions and the working write them (UTF-8).
struct IdealUnitNames {
  std::string_view pressure;     // "atm"
  std::string_view volume;       // "L"
  std::string_view gasConstant;  // "L·atm/(mol·K)"
};
IdealUnitNames idealUnitNames(IdealUnits units);

// The gas constant R in the units' pressure and volume per mole and kelvin, derived from its
// SI value 8.31446261815324 J/(mol·K) with 1 atm = 101.325 kPa = 760 mmHg.
long double gasConstant(IdealUnits units);

// The relation each mode solves, over the page's input fields in order.
const Formula<3>& boyleFormula(BoyleMode mode);
const Formula<3>& charlesFormula(CharlesMode mode);
const Formula<5>& combinedFormula(ComboMode mode);
// The ideal gas law's three fields, then R.
const Formula<4>& idealFormula(IdealMode mode);

// V2 = (V1 * P1) / P2, and P2 = (P1 * V1) / V2: one formula, x1 * x2 / x3, for both modes.
Outcome solveBoyle(const std::array<std::string, 3>& fields,
                   std::string_view decimalSeparator = ".");

// V2 = (V1 * T2) / T1, and T2 = (T1 * V2) / V1: y1 * y3 / y2 for both modes.
Outcome solveCharles(const std::array<std::string, 3>& fields,
                     std::string_view decimalSeparator = ".");

// P1 V1 / T1 = P2 V2 / T2 solved for V2, P2 or T2 from the five fields z1..z5.
Outcome solveCombined(ComboMode mode, const std::array<std::string, 5>& fields,
                      std::string_view decimalSeparator = ".");

// PV = nRT solved for the mode's quantity from the three fields, with R in `units`. The
// temperature field is tested for sign; the divisor is V, P, T or n, as the mode has it.
Outcome solveIdeal(IdealMode mode, IdealUnits units, const std::array<std::string, 3>& fields,
                   std::string_view decimalSeparator = ".");

// The law pages' result text: 5 significant digits, at least 4 exponent digits.
std::string lawText(double value, std::string_view decimalSeparator = ".");

// The working behind each page's answer (Working.h); "" when the calculation fails.
std::string boyleWorking(BoyleMode mode, const std::array<std::string, 3>& fields,
                         std::string_view decimalSeparator = ".");
std::string charlesWorking(CharlesMode mode, const std::array<std::string, 3>& fields,
                           std::string_view decimalSeparator = ".");
std::string combinedWorking(ComboMode mode, const std::array<std::string, 5>& fields,
                            std::string_view decimalSeparator = ".");
// With R's value and unit and the result's unit.
std::string idealWorking(IdealMode mode, IdealUnits units, const std::array<std::string, 3>& fields,
                         std::string_view decimalSeparator = ".");

}  // namespace pelbrix
