// Which section of the user guide F1 opens, where the guide is looked for, and that the
// guide has every section F1 can ask for.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
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
  // A rate window's pages share its section.
  EXPECT_EQ(helpAnchor("BRate", 1), "boyle-rate");
  EXPECT_EQ(helpAnchor("CHRate", 0), "charles-rate");
  EXPECT_EQ(helpAnchor("SomethingElse", -1), "");  // the guide's top
}

TEST(HelpTopics, TheInstalledGuideComesBeforeTheBuildsCopy) {
  std::set<std::string> present;
  const auto exists = [&](const std::string& p) { return present.count(p) > 0; };
  EXPECT_EQ(findGuide("/opt/x/bin", exists), "");
  present.insert("/opt/x/bin/doc/guide.html");
  EXPECT_EQ(findGuide("/opt/x/bin", exists), "/opt/x/bin/doc/guide.html");
  present.insert("/opt/x/bin/../share/doc/pelbrix/guide.html");
  EXPECT_EQ(findGuide("/opt/x/bin", exists), "/opt/x/bin/../share/doc/pelbrix/guide.html");
}

TEST(HelpTopics, TheGuideHasEverySectionF1AsksFor) {
  std::ifstream in(PELBRIX_GUIDE);
  ASSERT_TRUE(in) << PELBRIX_GUIDE;
  std::stringstream html;
  html << in.rdbuf();
  const std::string text = html.str();
  const std::vector<std::string> anchors = allHelpAnchors();
  EXPECT_EQ(anchors.size(), 16u);
  for (const std::string& anchor : anchors)
    EXPECT_NE(text.find("id=\"" + anchor + "\""), std::string::npos) << anchor;
  // The sections every user needs besides the windows' own.
  for (const char* anchor : {"tray-icon", "settings-file", "keyboard", "error-dialogs"})
    EXPECT_NE(text.find(std::string("id=\"") + anchor + "\""), std::string::npos) << anchor;
}
