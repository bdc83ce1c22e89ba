// Which section of the user guide F1 opens, where the guide is looked for, and that the
// guide has every section F1 can ask for.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/HelpTopics.h"

using namespace pelbrix;

TEST(HelpTopics, EachWindowHasItsSectionAndTheMainWindowFollowsItsPage) {
  EXPECT_EQ(helpAnchor("Main", 0), "boyles-law");
  EXPECT_EQ(helpAnchor("Main", 1), "charles-law");
  EXPECT_EQ(helpAnchor("Main", 2), "combined-gas-law");
  EXPECT_EQ(helpAnchor("Main", 3), "ideal-gas-law");
  EXPECT_EQ(helpAnchor("Main", -1), "main-window");
  EXPECT_EQ(helpAnchor("Main", 4), "main-window");
  EXPECT_EQ(helpAnchor("Erro1", -1), "error-1");
  EXPECT_EQ(helpAnchor("Erro5", -1), "error-5");
  EXPECT_EQ(helpAnchor("TempConv", -1), "temperature-converter");
  EXPECT_EQ(helpAnchor("Optxion", -1), "options");
  EXPECT_EQ(helpAnchor("Form9", -1), "splash-screen");
  EXPECT_EQ(helpAnchor("Aboxt", -1), "about");
  // The Boyle rate window's second page has its own section.
  EXPECT_EQ(helpAnchor("BRate", 0), "boyle-rate");
  EXPECT_EQ(helpAnchor("BRate", 1), "boyle-rate-multiple");
  EXPECT_EQ(helpAnchor("CHRate", 0), "charles-rate");
  EXPECT_EQ(helpAnchor("SomethingElse", -1), "");  // the guide's top
}

TEST(HelpTopics, GuidesAreLookedForInTheProgramsOwnTreeOnly) {
  // Never the program's parent folder: for a copy in /tmp/x that is anyone's /tmp.
  EXPECT_EQ(guideCandidates("/tmp/x", ""), std::vector<std::string>{"/tmp/x/doc/guide.html"});
  EXPECT_EQ(
      guideCandidates("/opt/b", "/usr/share/doc/pelbrix/guide.html"),
      (std::vector<std::string>{"/opt/b/doc/guide.html", "/usr/share/doc/pelbrix/guide.html"}));
  EXPECT_NE(cachedGuideName("4.2"), cachedGuideName("4.3"));
}

TEST(HelpTopics, TheGuideHasEverySectionF1AsksFor) {
  std::ifstream in(PELBRIX_GUIDE);
  ASSERT_TRUE(in) << PELBRIX_GUIDE;
  std::stringstream html;
  html << in.rdbuf();
  const std::string text = html.str();
  const std::vector<std::string> anchors = allHelpAnchors();
  EXPECT_EQ(anchors.size(), 17u);
  for (const std::string& anchor : anchors)
    EXPECT_NE(text.find("id=\"" + anchor + "\""), std::string::npos) << anchor;
  // The sections every user needs besides the windows' own.
  for (const char* anchor : {"tray-icon", "settings-file", "keyboard", "error-dialogs"})
    EXPECT_NE(text.find(std::string("id=\"") + anchor + "\""), std::string::npos) << anchor;
}
