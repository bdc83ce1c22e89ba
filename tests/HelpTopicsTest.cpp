// Which section of the user guide F1 opens, where the guide is looked for, and that the
// guide has every section F1 can ask for.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "core/HelpTopics.h"

using namespace pelbrix;

namespace {
std::string guideText() {
  std::ifstream in(PELBRIX_GUIDE);
  EXPECT_TRUE(in) << PELBRIX_GUIDE;
  std::stringstream html;
  html << in.rdbuf();
  return html.str();
}
bool hasSection(const std::string& html, const std::string& anchor) {
  return html.find("id=\"" + anchor + "\"") != std::string::npos;
}
}  // namespace

TEST(HelpTopics, EveryWindowAndPageOpensItsOwnSectionOfTheGuide) {
  const std::string html = guideText();
  struct Window {
    const char* name;
    int pages;
  };
  const Window windows[] = {{"Main", 4},  {"Erro1", 0}, {"Erro2", 0},    {"Erro3", 0},
                            {"Erro4", 0}, {"Erro5", 0}, {"TempConv", 0}, {"Optxion", 0},
                            {"Form9", 0}, {"BRate", 2}, {"Aboxt", 0},    {"CHRate", 2}};
  std::set<std::string> sections, asked;
  for (const Window& w : windows) {
    SCOPED_TRACE(w.name);
    const std::string own = helpAnchor(w.name, -1);
    EXPECT_TRUE(sections.insert(own).second) << own << " is another window's";
    // A page the window does not have opens the window's own section.
    EXPECT_EQ(helpAnchor(w.name, w.pages), own);
    EXPECT_EQ(helpAnchor(w.name, -2), own);
    asked.insert(own);
    for (int page = 0; page < w.pages; ++page) asked.insert(helpAnchor(w.name, page));
  }
  for (int page = 0; page < 4; ++page)  // the main window's pages: one section each
    EXPECT_TRUE(sections.insert(helpAnchor("Main", page)).second) << page;
  for (const std::string& anchor : asked) EXPECT_TRUE(hasSection(html, anchor)) << anchor;
  const std::vector<std::string> all = allHelpAnchors();
  EXPECT_EQ(asked, std::set<std::string>(all.begin(), all.end()));
  EXPECT_EQ(helpAnchor("SomethingElse", 0), "");  // the guide's top
  // The sections every user needs besides the windows' own.
  for (const char* anchor : {"tray-icon", "settings-file", "keyboard", "error-dialogs"})
    EXPECT_TRUE(hasSection(html, anchor)) << anchor;
}

TEST(HelpTopics, GuidesAreLookedForInTheProgramsOwnTreeOnly) {
  // Never the program's parent folder: for a copy in /tmp/x that is anyone's /tmp.
  EXPECT_EQ(guideCandidates("/tmp/x", ""), std::vector<std::string>{"/tmp/x/doc/guide.html"});
  EXPECT_EQ(
      guideCandidates("/opt/b", "/usr/share/doc/pelbrix/guide.html"),
      (std::vector<std::string>{"/opt/b/doc/guide.html", "/usr/share/doc/pelbrix/guide.html"}));
  EXPECT_NE(cachedGuideName("4.2"), cachedGuideName("4.3"));
}
