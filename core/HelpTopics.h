#pragma once
// Which part of the user guide F1 opens, and where the guide is found. Pure logic, so
// every window's section can be checked against the guide itself.
#include <string>
#include <string_view>
#include <vector>

namespace pelbrix {

// The guide's file, installed under share/doc/pelbrix, copied into a build's doc/ and
// compiled into the program.
inline constexpr std::string_view kGuideFileName = "guide.html";

// The section (an element id in the guide) for the window with this object name; `page` is
// the index of the window's shown page where it has pages, else -1. "" for the guide's top.
std::string helpAnchor(std::string_view window, int page);

// Every section helpAnchor can name.
std::vector<std::string> allHelpAnchors();

// Where a guide on disk may lie, in the order F1 tries them: a build's copy beside the program
// (programDir/doc/guide.html), then the installed one at `installedGuide`, the path the
// build was configured to install it to (none when empty). Nothing is looked for relative
// to the program's parent folder, which may belong to someone else.
std::vector<std::string> guideCandidates(const std::string& programDir,
                                         const std::string& installedGuide);

// The file name the compiled-in guide of `version` is written to in the user's cache
// folder: one per version, so a newer program never shows an older guide.
std::string cachedGuideName(std::string_view version);

}  // namespace pelbrix
