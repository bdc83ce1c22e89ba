#pragma once
// Each calculator's relations, written once as text: a calculation evaluates that text, and
// the working behind its answer shows the same text twice, in the quantities' symbols and in
// the numbers that were read, then the result as written:
//   V2 = V1 × P1 ÷ P2 = 3 × 2 ÷ 1.5 = 4
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace pelbrix {

// A quantity as the page's labels name it.
struct Quantity {
  std::string_view symbol;   // "V1", "dT/dt"
  bool temperature = false;  // an absolute temperature, meant in kelvins
  bool rate = false;         // a rate of change, which may have either sign
};

// A relation solved for `result`. `shape` is its right-hand side over the inputs, "{k}"
// standing for inputs[k], with ×, ÷, + and − (U+2212), unary −, and parentheses, read left
// to right with × and ÷ before + and −.
template <std::size_t N>
struct Formula {
  Quantity result;
  std::array<Quantity, N> inputs;  // in field order
  std::string_view shape;
};

// The shape's value over `values` with extended-precision intermediates, each operation in
// the order written. A shape the grammar above does not describe gives NaN.
long double evaluate(std::string_view shape, std::span<const double> values);

// What a working in physical units adds: the result's unit after the result, and a constant
// among the inputs written as results are, its unit named first in the closing note:
//   P = n × R × T ÷ V = 1 × 0.082057 × 300 ÷ 2 = 12.309 atm (R in L·atm/(mol·K), T in kelvins)
struct WorkingUnits {
  std::string_view resultUnit;
  std::size_t constant;  // the input that is the constant
  std::string constantText;
  std::string_view constantUnit;
};

// "result = shape in symbols = shape in numbers = resultText", the numbers as exactText writes
// them with `decimalSeparator`, a negative one in parentheses; where temperatures take part it
// ends by naming them as kelvins: " (T1, T2 in kelvins)".
std::string workingText(const Quantity& result, std::span<const Quantity> inputs,
                        std::string_view shape, std::span<const double> values,
                        std::string_view resultText, std::string_view decimalSeparator,
                        const WorkingUnits* units = nullptr);

template <std::size_t N>
long double evaluate(const Formula<N>& formula, const std::array<double, N>& values) {
  return evaluate(formula.shape, values);
}

template <std::size_t N>
std::string workingText(const Formula<N>& formula, const std::array<double, N>& values,
                        std::string_view resultText, std::string_view decimalSeparator,
                        const WorkingUnits* units = nullptr) {
  return workingText(formula.result, formula.inputs, formula.shape, values, resultText,
                     decimalSeparator, units);
}

}  // namespace pelbrix
