#pragma once
// What the rate calculators' tests share: the outcome as one text and the case tables of
// either page.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/RateCalculation.h"

namespace pelbrix {

// The result text, or "error <dialog> at <field>".
inline std::string outcomeText(const RateOutcome& o) {
  if (o.ok()) return rateText(o.value);
  return "error " + std::to_string(static_cast<int>(o.error)) + " at " + std::to_string(o.field);
}

// A rate law's two pages as texts: the single page's three fields, the multiple page's seven.
template <class Mode>
struct RatePages {
  using Single = RateOutcome (*)(Mode, const std::array<std::string, 3>&, std::string_view);
  using Multiple = RateOutcome (*)(Mode, const std::array<std::string, 7>&, std::string_view);
  Single solveSingle;
  Multiple solveMultiple;

  std::string single(Mode mode, const std::array<std::string, 3>& f) const {
    return outcomeText(solveSingle(mode, f, "."));
  }
  std::string multiple(Mode mode, const std::array<std::string, 7>& f) const {
    return outcomeText(solveMultiple(mode, f, "."));
  }
  // Either page, told by the number of fields.
  std::string page(Mode mode, const std::vector<std::string>& f) const {
    if (f.size() == 3) return single(mode, {f[0], f[1], f[2]});
    return multiple(mode, {f[0], f[1], f[2], f[3], f[4], f[5], f[6]});
  }
};

// A row of a case table: the mode, its fields and the text expected.
template <class Mode, class Fields>
struct RateCase {
  Mode mode;
  Fields fields;
  const char* text;
};
template <class Mode>
using SingleCase = RateCase<Mode, std::array<std::string, 3>>;
template <class Mode>
using MultipleCase = RateCase<Mode, std::array<std::string, 7>>;
template <class Mode>
using EitherPageCase = RateCase<Mode, std::vector<std::string>>;

}  // namespace pelbrix
