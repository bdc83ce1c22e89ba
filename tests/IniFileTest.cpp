#include "core/IniFile.h"

#include <gtest/gtest.h>

#include "core/SettingsPath.h"

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

// ---------------------------------------------------------------------------------------
// The text layer: what a write does to every other byte of a hand-edited file.

namespace {
struct UpdateCase {
  const char* what;
  std::string before;
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};
}  // namespace

TEST(IniText, EveryUnrelatedByteSurvivesAWrite) {
  using namespace std::string_literals;
  const UpdateCase cases[] = {
      {"comments and an unknown section", "; mine\n[Extra]\nNote=x\n\n[Main]\nTop=1\n", "Main",
       "Top", "80", "; mine\n[Extra]\nNote=x\n\n[Main]\nTop=80\n"},
      {"unknown section, new section after it", "[Extra]\nNote=x\n", "Main", "Top", "80",
       "[Extra]\nNote=x\n[Main]\nTop=80\n"},
      {"new key before the blank lines that end its section",
       "[Main]\nTop=1\n\n\n[Extra]\nNote=x\n", "Main", "Left", "2",
       "[Main]\nTop=1\nLeft=2\n\n\n[Extra]\nNote=x\n"},
      {"odd spacing around names and '='", "  [ Main ]  \n\t top\t=  1  \n", "Main", "TOP", "5",
       "  [ Main ]  \n\t top\t=5\n"},
      {"CRLF line ends are kept and used", "[Main]\r\nTop=1\r\n", "Main", "Left", "2",
       "[Main]\r\nTop=1\r\nLeft=2\r\n"},
      {"a UTF-8 byte-order mark stays in front", "\xEF\xBB\xBF[Main]\nTop=1\n", "Main", "Top", "2",
       "\xEF\xBB\xBF[Main]\nTop=2\n"},
      {"a file of only a byte-order mark", "\xEF\xBB\xBF", "Main", "Top", "2",
       "\xEF\xBB\xBF[Main]\nTop=2\n"},
      {"NUL bytes in other lines", "[Extra]\nA=\0\0b\n\0\n[Main]\nTop=1\n"s, "Main", "Top", "3",
       "[Extra]\nA=\0\0b\n\0\n[Main]\nTop=3\n"s},
      {"a header without ']' still names its section", "[Main\nTop=1\n", "Main", "Top", "4",
       "[Main\nTop=4\n"},
      {"'=' with no key is left alone", "[Main]\n=7\nTop=1\n", "Main", "Top", "4",
       "[Main]\n=7\nTop=4\n"},
      {"a last line without a line end", "[Main]\nTop=1", "Main", "Left", "2",
       "[Main]\nTop=1\nLeft=2\n"},
      {"a last line ending in a lone CR", "[Main]\nTop=1\r", "Main", "Left", "2",
       "[Main]\nTop=1\r\nLeft=2\n"},
      {"key lines before any section are not the section's", "Top=9\n[Main]\n", "Main", "Top", "1",
       "Top=9\n[Main]\nTop=1\n"},
      {"an empty value is replaced", "[Main]\nTop=\n", "Main", "Top", "1", "[Main]\nTop=1\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ini::update(c.before, c.section, c.key, c.value), c.after) << c.what;
    std::string v;
    EXPECT_TRUE(ini::lookup(c.after, c.section, c.key, v)) << c.what;
    EXPECT_EQ(v, c.value) << c.what;
  }
}

TEST(IniText, TheFirstOfDuplicatesIsReadAndWritten) {
  const std::string file = "[Main]\nTop=1\ntop=2\n[MAIN]\nTop=3\nLeft=4\n";
  std::string v;
  ASSERT_TRUE(ini::lookup(file, "Main", "Top", v));
  EXPECT_EQ(v, "1");
  // A key that only the second section of that name holds is not found...
  EXPECT_FALSE(ini::lookup(file, "Main", "Left", v));
  EXPECT_EQ(ini::update(file, "Main", "Top", "9"), "[Main]\nTop=9\ntop=2\n[MAIN]\nTop=3\nLeft=4\n");
  // ...and is written into the first, where the next read finds it.
  const std::string added = ini::update(file, "Main", "Left", "5");
  EXPECT_EQ(added, "[Main]\nTop=1\ntop=2\nLeft=5\n[MAIN]\nTop=3\nLeft=4\n");
  ASSERT_TRUE(ini::lookup(added, "Main", "Left", v));
  EXPECT_EQ(v, "5");
}

TEST(IniText, ValuesReadAsTheyStandWithoutSurroundingBlanks) {
  std::string v;
  ASSERT_TRUE(ini::lookup("[Options]\nAniInterval = abc \r\n", "options", "aniinterval", v));
  EXPECT_EQ(v, "abc");
  ASSERT_TRUE(ini::lookup("[Options]\nNote=a=b\n", "Options", "Note", v));
  EXPECT_EQ(v, "a=b");
}

// ---------------------------------------------------------------------------------------
// The file layer, in a temporary folder.

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <random>
#include <sstream>

namespace {

class IniFileOnDisk : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("pelbrix.INI")).toStdString();
  }
  // A file whose write failures are recorded in failures_.
  IniFile file(const std::string& path) {
    return IniFile(path, [this](const std::string& p, const std::string& reason) {
      failures_.push_back(p + ": " + reason);
    });
  }
  void TearDown() override { ::chmod(dir_.path().toLocal8Bit().constData(), 0755); }
  void put(const std::string& content) const { std::ofstream(path_, std::ios::binary) << content; }
  std::string get() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  bool exists() const { return ::access(path_.c_str(), F_OK) == 0; }
  QStringList folderEntries() const {
    return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
  }

  QTemporaryDir dir_;
  std::string path_;
  std::vector<std::string> failures_;
};

}  // namespace

TEST_F(IniFileOnDisk, FirstRunExampleByteForByte) {
  IniFile ini = file(path_);
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 0);
  EXPECT_TRUE(ini.ReadBool("Boyle", "Volume", true));
  EXPECT_EQ(ini.ReadString("Options", "AniInterval", "3"), "3");
  EXPECT_FALSE(exists()) << "reading must never create the file";

  ini.WriteInteger("Main", "Top", 80);
  ini.WriteInteger("Main", "Left", 120);
  ini.WriteInteger("Main", "LastPage", 1);
  ini.WriteBool("Boyle", "Volume", true);
  ini.WriteBool("Boyle", "Pressure", false);
  ini.WriteBool("Charles", "Volume", true);
  ini.WriteBool("Charles", "Temperature", false);
  ini.WriteBool("Combo", "Volume", true);
  ini.WriteBool("Combo", "Pressure", false);
  ini.WriteBool("Combo", "Temperature", false);
  EXPECT_EQ(get(),
            "[Main]\nTop=80\nLeft=120\nLastPage=1\n[Boyle]\nVolume=1\nPressure=0\n"
            "[Charles]\nVolume=1\nTemperature=0\n[Combo]\nVolume=1\nPressure=0\nTemperature=0\n");
  EXPECT_TRUE(failures_.empty());
  EXPECT_EQ(folderEntries(), QStringList({"pelbrix.INI"}));  // no temporary file left behind
}

TEST_F(IniFileOnDisk, IntegerAndBooleanRules) {
  struct Case {
    const char* text;
    int asInteger;  // with default -7
    bool asBoolFromTrue, asBoolFromFalse;
  };
  const Case cases[] = {
      {"5", 5, true, true},
      {"-4", -4, true, true},
      {"0", 0, false, false},
      {"2", 2, true, true},
      {"-1", -1, true, true},
      {" 12 ", 12, true, true},
      {"+3", 3, true, true},
      {"yes", -7, true, false},
      {"true", -7, true, false},
      {"1.5", -7, true, false},
      {"99999999999", -7, true, false},
      {"", -7, true, false},
      {"0x10", -7, true, false},
      {"2147483647", 2147483647, true, true},
      {"-2147483648", -2147483647 - 1, true, true},
      {"2147483648", -7, true, false},
  };
  for (const auto& c : cases) {
    put(std::string("[Boyle]\nVolume=") + c.text + "\n");
    const IniFile ini = file(path_);
    EXPECT_EQ(ini.ReadInteger("boyle", "VOLUME", -7), c.asInteger) << c.text;
    EXPECT_EQ(ini.ReadBool("Boyle", "Volume", true), c.asBoolFromTrue) << c.text;
    EXPECT_EQ(ini.ReadBool("Boyle", "Volume", false), c.asBoolFromFalse) << c.text;
  }
}

TEST_F(IniFileOnDisk, ALineBreakInAValueCannotForgeLines) {
  IniFile ini = file(path_);
  ini.WriteString("Options", "AniInterval", "3\n[Main]\r\nTop=5");
  EXPECT_EQ(get(), "[Options]\nAniInterval=3 [Main]  Top=5\n");
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 0);
}

TEST_F(IniFileOnDisk, AReadOnlyFileIsLeftIntactAndTheFailureReported) {
  put("[Main]\nTop=1\n");
  ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
  IniFile ini = file(path_);
  EXPECT_FALSE(ini.WriteInteger("Main", "Top", 2));
  EXPECT_EQ(get(), "[Main]\nTop=1\n");
  ASSERT_EQ(failures_.size(), 1u);
  EXPECT_EQ(failures_[0].rfind(path_, 0), 0u) << failures_[0];
  EXPECT_EQ(folderEntries(), QStringList({"pelbrix.INI"}));
}

TEST_F(IniFileOnDisk, AReadOnlyFolderIsLeftIntact) {
  put("[Main]\nTop=1\n");
  ASSERT_EQ(::chmod(dir_.path().toLocal8Bit().constData(), 0555), 0);
  IniFile ini = file(path_);
  EXPECT_FALSE(ini.WriteInteger("Main", "Top", 2));
  EXPECT_FALSE(ini.WriteInteger("Main", "Left", 2));
  EXPECT_EQ(failures_.size(), 2u);  // the writer tells of each; the user is told once elsewhere
  EXPECT_EQ(get(), "[Main]\nTop=1\n");
  EXPECT_EQ(folderEntries(), QStringList({"pelbrix.INI"}));
}

TEST_F(IniFileOnDisk, AFolderThatDoesNotExist) {
  IniFile ini = file(dir_.filePath(QStringLiteral("gone/pelbrix.INI")).toStdString());
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 3), 3);
  EXPECT_FALSE(ini.WriteInteger("Main", "Top", 2));
  EXPECT_EQ(failures_.size(), 1u);
  EXPECT_FALSE(QDir(dir_.filePath(QStringLiteral("gone"))).exists());
}

TEST_F(IniFileOnDisk, AFileThatCannotBeReadIsNeverReplaced) {
  // A folder where the file should be: nothing to read, and nothing may replace it.
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("pelbrix.INI")));
  IniFile ini = file(path_);
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 3), 3);
  EXPECT_FALSE(ini.WriteInteger("Main", "Top", 2));
  EXPECT_EQ(failures_.size(), 1u);
  EXPECT_TRUE(QDir(QString::fromStdString(path_)).exists());
}

TEST_F(IniFileOnDisk, APipeNeitherHangsAReadNorIsReplaced) {
  ASSERT_EQ(::mkfifo(path_.c_str(), 0644), 0);
  IniFile ini = file(path_);
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 3), 3);
  EXPECT_FALSE(ini.WriteInteger("Main", "Top", 2));
  struct stat st {};
  ASSERT_EQ(::stat(path_.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(IniFileOnDisk, PermissionsAndSymbolicLinksSurviveAWrite) {
  put("[Main]\nTop=1\n");
  ASSERT_EQ(::chmod(path_.c_str(), 0600), 0);
  file(path_).WriteInteger("Main", "Top", 2);
  struct stat st {};
  ASSERT_EQ(::stat(path_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);

  const std::string link = dir_.filePath(QStringLiteral("link.INI")).toStdString();
  ASSERT_EQ(::symlink(path_.c_str(), link.c_str()), 0);
  file(link).WriteInteger("Main", "Top", 3);
  ASSERT_EQ(::lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(get(), "[Main]\nTop=3\n");
}

TEST_F(IniFileOnDisk, ATenMegabyteLineNeitherHangsNorIsLost) {
  const std::string huge(10 * 1024 * 1024, 'x');
  const std::string before = "[Main]\nTop=5\nJunk=" + huge + "\n[Boyle]\nVolume=0\n";
  put(before);
  const auto start = std::chrono::steady_clock::now();
  IniFile ini = file(path_);
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 5);
  EXPECT_FALSE(ini.ReadBool("Boyle", "Volume", true));
  EXPECT_TRUE(ini.WriteInteger("Main", "Left", 7));
  EXPECT_EQ(get(), "[Main]\nTop=5\nJunk=" + huge + "\nLeft=7\n[Boyle]\nVolume=0\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST_F(IniFileOnDisk, BinaryGarbageReadsAsDefaultsAndStillTakesAWrite) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 20; ++round) {
    std::string garbage(4096, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    put(garbage);
    IniFile ini = file(path_);
    (void)ini.ReadInteger("Main", "Top", 0);
    (void)ini.ReadString("Options", "AniInterval", "3");
    ASSERT_TRUE(ini.WriteInteger("Pelbrix Test", "Key", 42));
    EXPECT_EQ(ini.ReadInteger("Pelbrix Test", "Key", 0), 42);
    const std::string after = get();
    // The garbage itself is kept; only a line end and the new lines follow it.
    EXPECT_EQ(after.compare(0, garbage.size(), garbage), 0);
  }
}
