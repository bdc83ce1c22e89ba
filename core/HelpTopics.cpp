#include "core/HelpTopics.h"

#include <array>
#include <utility>

namespace pelbrix {
namespace {

// The main window's sections follow its pages, in tab order.
constexpr std::array<std::string_view, 4> kMainPages = {"boyles-law", "charles-law",
                                                        "combined-gas-law", "ideal-gas-law"};
constexpr std::string_view kMainWindow = "main-window";
constexpr std::string_view kBoyleRateMultiple = "boyle-rate-multiple";

constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kWindows = {{
    {"Erro1", "error-1"},
    {"Erro2", "error-2"},
    {"Erro3", "error-3"},
    {"Erro4", "error-4"},
    {"Erro5", "error-5"},
    {"TempConv", "temperature-converter"},
    {"Optxion", "options"},
    {"Form9", "splash-screen"},
    {"BRate", "boyle-rate"},
    {"Aboxt", "about"},
    {"CHRate", "charles-rate"},
}};

}  // namespace

std::string helpAnchor(std::string_view window, int page) {
  if (window == "Main") {
    if (page >= 0 && page < static_cast<int>(kMainPages.size()))
      return std::string(kMainPages[static_cast<std::size_t>(page)]);
    return std::string(kMainWindow);
  }
  // A rate window's second page has a section of its own.
  if (window == "BRate" && page == 1) return std::string(kBoyleRateMultiple);
  for (const auto& [name, anchor] : kWindows)
    if (name == window) return std::string(anchor);
  return {};
}

std::vector<std::string> allHelpAnchors() {
  std::vector<std::string> all{std::string(kMainWindow)};
  for (std::string_view page : kMainPages) all.emplace_back(page);
  for (const auto& entry : kWindows) all.emplace_back(entry.second);
  all.emplace_back(kBoyleRateMultiple);
  return all;
}

std::vector<std::string> guideCandidates(const std::string& programDir,
                                         const std::string& installedGuide) {
  std::vector<std::string> out{programDir + "/doc/" + std::string(kGuideFileName)};
  if (!installedGuide.empty()) out.push_back(installedGuide);
  return out;
}

std::string cachedGuideName(std::string_view version) {
  return "guide-" + std::string(version) + ".html";
}

}  // namespace pelbrix
