#pragma once
// Which part of the user guide F1 opens, and where the guide is found. Pure logic, so
// every window's section can be checked against the guide itself.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelbrix {

// The guide's file, installed under share/doc/pelbrix and copied into a build's doc/.
inline constexpr std::string_view kGuideFileName = "guide.html";

// The section (an element id in the guide) for the window with this object name; `page` is
// the index of the window's shown page where it has pages, else -1. "" for the guide's top.
std::string helpAnchor(std::string_view window, int page);

// Every section helpAnchor can name.
std::vector<std::string> allHelpAnchors();

// The guide for a program that lies in `programDir`: the installed copy
// (programDir/../share/doc/pelbrix/guide.html) first, else a build's copy beside the program
// (programDir/doc/guide.html); "" when `exists` finds neither.
std::string findGuide(const std::string& programDir,
                      const std::function<bool(const std::string&)>& exists);

}  // namespace pelbrix
