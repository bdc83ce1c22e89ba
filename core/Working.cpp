#include "core/Working.h"

#include <limits>

#include "core/NumberText.h"

namespace pelbrix {
namespace {

constexpr std::string_view kTimes = "×", kDivide = "÷", kMinus = "−";

// A recursive descent over the shape; any fault makes the value NaN.
class Evaluator {
 public:
  Evaluator(std::string_view shape, std::span<const double> values)
      : shape_(shape), values_(values) {}

  long double run() {
    const long double value = sum();
    skipBlanks();
    return ok_ && pos_ == shape_.size() ? value : std::numeric_limits<long double>::quiet_NaN();
  }

 private:
  long double sum() {
    long double value = product();
    for (;;) {
      if (take("+"))
        value += product();
      else if (take(kMinus))
        value -= product();
      else
        return value;
    }
  }
  long double product() {
    long double value = factor();
    for (;;) {
      if (take(kTimes))
        value *= factor();
      else if (take(kDivide))
        value /= factor();
      else
        return value;
    }
  }
  long double factor() {
    if (take(kMinus)) return -factor();
    if (take("(")) {
      const long double value = sum();
      if (!take(")")) ok_ = false;
      return value;
    }
    if (take("{") && pos_ < shape_.size()) {
      const std::size_t index = static_cast<std::size_t>(shape_[pos_++] - '0');
      if (take("}") && index < values_.size()) return values_[index];
    }
    ok_ = false;
    return 0;
  }
  void skipBlanks() {
    while (pos_ < shape_.size() && shape_[pos_] == ' ') ++pos_;
  }
  bool take(std::string_view token) {
    skipBlanks();
    if (!shape_.substr(pos_).starts_with(token)) return false;
    pos_ += token.size();
    return true;
  }

  std::string_view shape_;
  std::span<const double> values_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

// The shape with each "{k}" replaced by what `term(k)` gives.
template <class Term>
std::string substitute(std::string_view shape, Term term) {
  std::string out;
  for (std::size_t i = 0; i < shape.size(); ++i) {
    if (shape[i] == '{' && i + 2 < shape.size() && shape[i + 2] == '}') {
      out += term(static_cast<std::size_t>(shape[i + 1] - '0'));
      i += 2;
    } else {
      out += shape[i];
    }
  }
  return out;
}

}  // namespace

long double evaluate(std::string_view shape, std::span<const double> values) {
  return Evaluator(shape, values).run();
}

std::string workingText(const Quantity& result, std::span<const Quantity> inputs,
                        std::string_view shape, std::span<const double> values,
                        std::string_view resultText, std::string_view decimalSeparator,
                        const WorkingUnits* units) {
  const auto symbol = [&](std::size_t k) {
    return k < inputs.size() ? std::string(inputs[k].symbol) : std::string("?");
  };
  const auto number = [&](std::size_t k) {
    if (k >= values.size()) return std::string("?");
    if (units && k == units->constant) return units->constantText;
    const std::string text = exactText(values[k], decimalSeparator);
    return values[k] < 0 ? "(" + text + ")" : text;
  };
  std::string out = std::string(result.symbol) + " = " + substitute(shape, symbol) + " = " +
                    substitute(shape, number) + " = " + std::string(resultText);
  if (units && !units->resultUnit.empty()) out.append(" ").append(units->resultUnit);
  std::string kelvins;
  for (const Quantity& q : inputs)
    if (q.temperature) kelvins += (kelvins.empty() ? "" : ", ") + std::string(q.symbol);
  if (result.temperature) kelvins += (kelvins.empty() ? "" : ", ") + std::string(result.symbol);
  std::string note;
  if (units) note = symbol(units->constant) + " in " + std::string(units->constantUnit);
  if (!kelvins.empty()) note += (note.empty() ? "" : ", ") + kelvins + " in kelvins";
  if (!note.empty()) out += " (" + note + ")";
  return out;
}

}  // namespace pelbrix
