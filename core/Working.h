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

// "result = shape in symbols = shape in numbers = resultText", the numbers as exactText writes
// them with `decimalSeparator`, a negative one in parentheses; where temperatures take part it
// ends by naming them as kelvins: " (T1, T2 in kelvins)".
std::string workingText(const Quantity& result, std::span<const Quantity> inputs,
                        std::string_view shape, std::span<const double> values,
                        std::string_view resultText, std::string_view decimalSeparator);

template <std::size_t N>
long double evaluate(const Formula<N>& formula, const std::array<double, N>& values) {
  return evaluate(formula.shape, values);
}

template <std::size_t N>
std::string workingText(const Formula<N>& formula, const std::array<double, N>& values,
                        std::string_view resultText, std::string_view decimalSeparator) {
  return workingText(formula.result, formula.inputs, formula.shape, values, resultText,
                     decimalSeparator);
}

}  // namespace pelbrix
