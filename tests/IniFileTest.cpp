#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include "platform/SettingsPath.h"

using namespace pelbrix;

TEST(IniText, LooksUpWithoutRegardToCase) {
  std::string v;
  ASSERT_TRUE(ini::lookup("[MAIN]\nTOP=100\n", "Main", "Top", v));
  EXPECT_EQ(v, "100");
  EXPECT_FALSE(ini::lookup("[Main]\nTop=1\n", "Boyle", "Top", v));
  EXPECT_FALSE(ini::lookup("[Main]\nTop=1\n", "Main", "Left", v));
}

TEST(IniText, IntegersAreThirtyTwoBitDecimal) {
  int v = 0;
  EXPECT_TRUE(ini::parseInt32("-4", v));
  EXPECT_EQ(v, -4);
  EXPECT_TRUE(ini::parseInt32("2147483647", v));
  EXPECT_TRUE(ini::parseInt32("-2147483648", v));
  EXPECT_EQ(v, -2147483648LL);
  for (const char* bad :
       {"", "yes", "true", "1.5", "99999999999", "2147483648", "0x10", "-", "1 2"})
    EXPECT_FALSE(ini::parseInt32(bad, v)) << bad;
}

TEST(IniText, UpdateChangesOnlyItsLine) {
  const std::string before = "; note\r\n[Main]\r\nTop = 5\r\n\r\n[Extra]\r\nNote=x\r\n";
  EXPECT_EQ(ini::update(before, "main", "top", "80"),
            "; note\r\n[Main]\r\nTop =80\r\n\r\n[Extra]\r\nNote=x\r\n");
  EXPECT_EQ(ini::update(before, "Main", "Left", "120"),
            "; note\r\n[Main]\r\nTop = 5\r\nLeft=120\r\n\r\n[Extra]\r\nNote=x\r\n");
  EXPECT_EQ(ini::update(before, "Boyle", "Volume", "1"), before + "[Boyle]\r\nVolume=1\r\n");
  EXPECT_EQ(ini::update("", "Main", "Top", "80"), "[Main]\nTop=80\n");
  EXPECT_EQ(ini::update("[Main]", "Main", "Top", "1"), "[Main]\nTop=1\n");
}

TEST(SettingsPath, ReplacesTheLastExtension) {
  EXPECT_EQ(changeFileExt("/opt/tools/calc.exe", ".INI"), "/opt/tools/calc.INI");
  EXPECT_EQ(changeFileExt("/opt/tools/pelbrix", ".INI"), "/opt/tools/pelbrix.INI");
  EXPECT_EQ(changeFileExt("/opt/v1.2/pelbrix", ".INI"), "/opt/v1.2/pelbrix.INI");
  EXPECT_EQ(changeFileExt("/a/b.c.d", ".INI"), "/a/b.c.INI");
}
