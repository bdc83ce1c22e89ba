#include "core/IniFile.h"

#include <gtest/gtest.h>

#include "core/SettingsPath.h"
#include "core/System.h"

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
// The largest settings file the program takes as whole, as its documentation says: 16 MiB.
constexpr off_t kDocumentedLimit = 16 * 1024 * 1024;
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

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <sys/file.h>
#include <sys/wait.h>
#endif

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <tuple>
#include <vector>

namespace {

// One key, one pass, for cases about a single key: a read looks at the file afresh and a
// write replaces it.
struct OneKeyFile {
  std::string path;
  IniWriteFailureHandler onFailure;
  int ReadInteger(const std::string& s, const std::string& k, int def) const {
    return IniFile::LoadPass(path).ReadInteger(s, k, def);
  }
  bool WriteString(const std::string& s, const std::string& k, const std::string& value) const {
    IniFile::SavePass pass(path, onFailure);
    pass.WriteString(s, k, value);
    return pass.Commit();
  }
  bool WriteInteger(const std::string& s, const std::string& k, int value) const {
    return WriteString(s, k, std::to_string(value));
  }
};

class IniFileOnDisk : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("pelbrix.INI")).toStdString();
  }
  // A file, and a save pass, whose write failures are recorded in failures_.
  IniWriteFailureHandler recorder() {
    return [this](const std::string& p, const std::string& reason) {
      failures_.push_back(p + ": " + reason);
    };
  }
  OneKeyFile file(const std::string& path) { return {path, recorder()}; }
  IniFile::SavePass savePass(const std::string& path) {
    return IniFile::SavePass(path, recorder());
  }
  void TearDown() override {
#ifndef _WIN32
    ::chmod(dir_.path().toLocal8Bit().constData(), 0755);
#endif
  }
  void put(const std::string& content) const {
    std::ofstream(path_, std::ios::binary) << content;
  }
  std::string get() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  bool exists() const {
    return ::access(path_.c_str(), F_OK) == 0;
  }
  QStringList folderEntries() const {
    return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
  }
  // The one failure reported, which gives `why` as its reason.
  void expectOneFailure(const std::string& why) const {
    ASSERT_EQ(failures_.size(), 1u);
    EXPECT_NE(failures_[0].find(why), std::string::npos) << failures_[0];
  }
  static struct stat statusOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st;
  }
#ifndef _WIN32
  // The link's own status.
  static struct stat linkStatusOf(const std::string& link) {
    struct stat st {};
    EXPECT_EQ(::lstat(link.c_str(), &st), 0) << link;
    return st;
  }
#endif
  // Keys in front, then zero bytes up to `size`: sparse, so the file costs no disk.
  void putSparse(off_t size) const {
    put("[Main]\nTop=5\n");
    ASSERT_EQ(::truncate(path_.c_str(), size), 0);
  }

  QTemporaryDir dir_;
  std::string path_;
  std::vector<std::string> failures_;
};

}  // namespace

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
    const IniFile::LoadPass ini(path_);
    EXPECT_EQ(ini.ReadInteger("boyle", "VOLUME", -7), c.asInteger) << c.text;
    EXPECT_EQ(ini.ReadBool("Boyle", "Volume", true), c.asBoolFromTrue) << c.text;
    EXPECT_EQ(ini.ReadBool("Boyle", "Volume", false), c.asBoolFromFalse) << c.text;
  }
}

TEST_F(IniFileOnDisk, ALineBreakInAValueCannotForgeLines) {
  OneKeyFile ini = file(path_);
  ini.WriteString("Options", "AniInterval", "3\n[Main]\r\nTop=5");
  EXPECT_EQ(get(), "[Options]\nAniInterval=3 [Main]  Top=5\n");
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 0);
}

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, AReadOnlyFileIsLeftIntactAndTheFailureReported) {
  put("[Main]\nTop=1\n");
  ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
  OneKeyFile ini = file(path_);
  EXPECT_FALSE(ini.WriteInteger("Main", "Top", 2));
  EXPECT_EQ(get(), "[Main]\nTop=1\n");
  ASSERT_EQ(failures_.size(), 1u);
  EXPECT_EQ(failures_[0].rfind(path_, 0), 0u) << failures_[0];
  EXPECT_EQ(folderEntries(), QStringList({"pelbrix.INI"}));
}
#endif

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, AReadOnlyFolderIsLeftIntact) {
  put("[Main]\nTop=1\n");
  ASSERT_EQ(::chmod(dir_.path().toLocal8Bit().constData(), 0555), 0);
  OneKeyFile ini = file(path_);
  EXPECT_FALSE(ini.WriteInteger("Main", "Top", 2));
  EXPECT_FALSE(ini.WriteInteger("Main", "Left", 2));
  EXPECT_EQ(failures_.size(), 2u);  // the writer tells of each; the user is told once elsewhere
  EXPECT_EQ(get(), "[Main]\nTop=1\n");
  EXPECT_EQ(folderEntries(), QStringList({"pelbrix.INI"}));
}
#endif

TEST_F(IniFileOnDisk, AFolderThatDoesNotExist) {
  OneKeyFile ini = file(dir_.filePath(QStringLiteral("gone/pelbrix.INI")).toStdString());
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 3), 3);
  EXPECT_FALSE(ini.WriteInteger("Main", "Top", 2));
  EXPECT_EQ(failures_.size(), 1u);
  EXPECT_FALSE(QDir(dir_.filePath(QStringLiteral("gone"))).exists());
}

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, AFileThatCannotBeReadIsNeverReplaced) {
  // A folder where the file should be: nothing to read, and nothing may replace it.
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("pelbrix.INI")));
  OneKeyFile ini = file(path_);
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 3), 3);
  EXPECT_FALSE(ini.WriteInteger("Main", "Top", 2));
  EXPECT_EQ(failures_.size(), 1u);
  EXPECT_TRUE(QDir(QString::fromStdString(path_)).exists());
}
#endif

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, APipeNeitherHangsAReadNorIsReplaced) {
  ASSERT_EQ(::mkfifo(path_.c_str(), 0644), 0);
  OneKeyFile ini = file(path_);
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 3), 3);
  EXPECT_FALSE(ini.WriteInteger("Main", "Top", 2));
  const struct stat st = statusOf(path_);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}
#endif

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, PermissionsAndSymbolicLinksSurviveAWrite) {
  put("[Main]\nTop=1\n");
  ASSERT_EQ(::chmod(path_.c_str(), 0600), 0);
  file(path_).WriteInteger("Main", "Top", 2);
  const struct stat st = statusOf(path_);
  EXPECT_EQ(st.st_mode & 07777, 0600u);

  const std::string link = dir_.filePath(QStringLiteral("link.INI")).toStdString();
  ASSERT_EQ(::symlink(path_.c_str(), link.c_str()), 0);
  file(link).WriteInteger("Main", "Top", 3);
  EXPECT_TRUE(S_ISLNK(linkStatusOf(link).st_mode));
  EXPECT_EQ(get(), "[Main]\nTop=3\n");
}
#endif

TEST_F(IniFileOnDisk, ATenMegabyteLineNeitherHangsNorIsLost) {
  const std::string huge(10 * 1024 * 1024, 'x');
  const std::string before = "[Main]\nTop=5\nJunk=" + huge + "\n[Boyle]\nVolume=0\n";
  put(before);
  const auto start = std::chrono::steady_clock::now();
  OneKeyFile ini = file(path_);
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 5);
  EXPECT_FALSE(IniFile::LoadPass(path_).ReadBool("Boyle", "Volume", true));
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
    OneKeyFile ini = file(path_);
    (void)ini.ReadInteger("Main", "Top", 0);
    (void)IniFile::LoadPass(path_).ReadString("Options", "AniInterval", "3");
    ASSERT_TRUE(ini.WriteInteger("Pelbrix Test", "Key", 42));
    EXPECT_EQ(ini.ReadInteger("Pelbrix Test", "Key", 0), 42);
    const std::string after = get();
    // The garbage itself is kept; only a line end and the new lines follow it.
    EXPECT_EQ(after.compare(0, garbage.size(), garbage), 0);
  }
}

// ---------------------------------------------------------------------------------------
// Passes: a load reads the file once, a save replaces it once.

namespace {

// The main window's save, then the options dialog's last key: every value form.
const std::tuple<const char*, const char*, std::string> kSaveKeys[] = {
    {"Main", "Top", "80"},           {"Main", "Left", "-120"},          {"Main", "LastPage", "1"},
    {"Boyle", "Volume", "0"},        {"Boyle", "Pressure", "1"},        {"Charles", "Volume", "1"},
    {"Charles", "Temperature", "0"}, {"Combo", "Volume", "1"},          {"Combo", "Pressure", "0"},
    {"Combo", "Temperature", "0"},   {"Options", "AniInterval", "a b"},
};

}  // namespace

TEST_F(IniFileOnDisk, ASavePassGivesTheBytesOfKeyByKeyWrites) {
  using namespace std::string_literals;
  const std::string starts[] = {
      "",
      "; mine\r\n[Extra]\r\nNote=x\r\n[main]\r\ntop = 5\r\n",
      "[Boyle]\nVolume=0\n[Main]\nTop=1\ntop=2\n[MAIN]\nLeft=4",
      "\xEF\xBB\xBF[Combo]\nPressure=1\n\n\n[Options]\r",
      "junk\0\n[Charles\nTemperature=1\n"s,
  };
  for (const std::string& start : starts) {
    put(start);
    OneKeyFile keyByKey = file(path_);
    for (const auto& [section, key, value] : kSaveKeys)
      ASSERT_TRUE(keyByKey.WriteString(section, key, value));
    const std::string expected = get();

    put(start);
    IniFile::SavePass pass = savePass(path_);
    for (const auto& [section, key, value] : kSaveKeys) pass.WriteString(section, key, value);
    EXPECT_EQ(get(), start) << "nothing reaches the file before Commit";
    ASSERT_TRUE(pass.Commit());
    EXPECT_EQ(get(), expected) << start;
  }
  EXPECT_TRUE(failures_.empty());
  EXPECT_EQ(folderEntries(), QStringList({"pelbrix.INI"}));
}

TEST_F(IniFileOnDisk, ASavePassNeverCommittedWritesNothing) {
  {
    IniFile::SavePass pass = savePass(path_);
    pass.WriteInteger("Main", "Top", 1);
  }
  EXPECT_FALSE(exists());
}

TEST_F(IniFileOnDisk, ALoadPassReadsTheFileOnceAndFindsEverySection) {
  put("[Main]\nTop=5\n[Boyle]\nVolume=0\n[main]\nLeft=9\n[Extra]\n");
  const IniFile::LoadPass pass(path_);
  put("[Main]\nTop=6\nLeft=7\n");  // a change after the pass opened is not seen
  EXPECT_EQ(pass.ReadInteger("Main", "Top", 0), 5);
  EXPECT_FALSE(pass.ReadBool("Boyle", "Volume", true));
  // Back to a section read before, and a key only its second copy holds.
  EXPECT_EQ(pass.ReadInteger("MAIN", "Left", -1), -1);
  EXPECT_EQ(pass.ReadString("Boyle", "Pressure", "none"), "none");
  EXPECT_EQ(pass.ReadString("Nowhere", "Top", "d"), "d");
  EXPECT_EQ(pass.ReadInteger("main", "top", 0), 5);

  const IniFile::LoadPass missing(dir_.filePath(QStringLiteral("none.INI")).toStdString());
  EXPECT_EQ(missing.ReadInteger("Main", "Top", 3), 3);
}

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, AFailedSaveIsReportedOnceAndCanBeTriedAgain) {
  put("[Main]\nTop=1\n");
  ASSERT_EQ(::chmod(dir_.path().toLocal8Bit().constData(), 0555), 0);
  IniFile::SavePass pass = savePass(path_);
  for (const auto& [section, key, value] : kSaveKeys) pass.WriteString(section, key, value);
  EXPECT_FALSE(pass.Commit());
  EXPECT_EQ(failures_.size(), 1u);
  EXPECT_EQ(get(), "[Main]\nTop=1\n");
  ASSERT_EQ(::chmod(dir_.path().toLocal8Bit().constData(), 0755), 0);
  EXPECT_TRUE(pass.Commit());
  EXPECT_EQ(IniFile::LoadPass(path_).ReadInteger("Main", "Left", 0), -120);
}
#endif

// ---------------------------------------------------------------------------------------
// Temporary files that a killed save left behind.

TEST(IniTemporaryNames, AreTheFileNameADotAndSixLettersOrDigits) {
  EXPECT_TRUE(ini::isTemporaryName("pelbrix.INI", "pelbrix.INI.aZ09xQ"));
  for (const char* other :
       {"pelbrix.INI", "pelbrix.INI.aZ09x", "pelbrix.INI.aZ09xQ7", "pelbrix.INI.aZ-9xQ",
        "pelbrix.INIxaZ09xQ", "other.INI.aZ09xQ", "pelbrix.ini.aZ09xQ"})
    EXPECT_FALSE(ini::isTemporaryName("pelbrix.INI", other)) << other;
}

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, ASaveRemovesOrphansOfItsOwnFileOnly) {
  put("[Main]\nTop=1\n");
  const QDir dir(dir_.path());
  auto make = [&](const char* name) {
    std::ofstream(dir.filePath(QString::fromLatin1(name)).toStdString()) << "[Main]\nTop=";
  };
  make("pelbrix.INI.Ab3dE9");  // killed between creating and renaming
  make("pelbrix.INI.notours");
  make("other.INI.Ab3dE9");
  ASSERT_TRUE(dir.mkdir(QStringLiteral("pelbrix.INI.Folder")));
  ASSERT_EQ(::symlink("pelbrix.INI",
                      dir.filePath(QStringLiteral("pelbrix.INI.Link01")).toLocal8Bit().constData()),
            0);
  // One that a save still running in another copy of the program is writing: it holds
  // the lock.
  make("pelbrix.INI.Busy00");
  const int busy = ::open(dir.filePath(QStringLiteral("pelbrix.INI.Busy00")).toLocal8Bit(),
                          O_RDONLY | O_CLOEXEC);
  ASSERT_GE(busy, 0);
  ASSERT_EQ(::flock(busy, LOCK_EX), 0);
  // One of another user's, which is not ours to remove (only root can make one here).
  make("pelbrix.INI.Theirs");
  const bool foreign =
      ::chown(dir.filePath(QStringLiteral("pelbrix.INI.Theirs")).toLocal8Bit(), 65534, 65534) == 0;

  ASSERT_TRUE(file(path_).WriteInteger("Main", "Top", 2));
  ::close(busy);
  QStringList expected = {"other.INI.Ab3dE9",   "pelbrix.INI",        "pelbrix.INI.Busy00",
                          "pelbrix.INI.Folder", "pelbrix.INI.Link01", "pelbrix.INI.notours"};
  if (foreign) expected.append(QStringLiteral("pelbrix.INI.Theirs"));
  expected.sort();
  QStringList found = folderEntries();
  if (!foreign) found.removeAll(QStringLiteral("pelbrix.INI.Theirs"));
  found.sort();
  EXPECT_EQ(found, expected);
  EXPECT_EQ(get(), "[Main]\nTop=2\n");
}
#endif

// ---------------------------------------------------------------------------------------
// Only "no such file" is missing.

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, ASymbolicLinkLoopIsNeitherReadNorReplaced) {
  const std::string a = dir_.filePath(QStringLiteral("a.INI")).toStdString();
  const std::string b = dir_.filePath(QStringLiteral("b.INI")).toStdString();
  ASSERT_EQ(::symlink(b.c_str(), a.c_str()), 0);
  ASSERT_EQ(::symlink(a.c_str(), b.c_str()), 0);
  EXPECT_EQ(IniFile::LoadPass(a).ReadInteger("Main", "Top", 3), 3);
  IniFile::SavePass pass = savePass(a);
  pass.WriteInteger("Main", "Top", 2);
  EXPECT_FALSE(pass.Commit());
  expectOneFailure(std::strerror(ELOOP));
  const struct stat st = linkStatusOf(a);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(folderEntries(), QStringList({"a.INI", "b.INI"}));
}
#endif

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, AFileUnderANonFolderIsNotMissing) {
  put("[Main]\nTop=1\n");
  const std::string under = path_ + "/pelbrix.INI";  // ENOTDIR
  EXPECT_EQ(IniFile::LoadPass(under).ReadInteger("Main", "Top", 3), 3);
  EXPECT_FALSE(file(under).WriteInteger("Main", "Top", 2));
  EXPECT_EQ(failures_.size(), 1u);
  EXPECT_EQ(get(), "[Main]\nTop=1\n");
}
#endif

// Root passes every permission check, so the case runs in a child that has become the
// unprivileged user "nobody" (uid 65534); any other user runs it as itself.
#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, AFolderThatCannotBeSearchedIsNotMissing) {
  const QDir dir(dir_.path());
  ASSERT_TRUE(dir.mkdir(QStringLiteral("locked")));
  const std::string inner = dir.filePath(QStringLiteral("locked/pelbrix.INI")).toStdString();
  std::ofstream(inner, std::ios::binary) << "[Main]\nTop=1\n";
  const std::string locked = dir.filePath(QStringLiteral("locked")).toStdString();
  ASSERT_EQ(::chmod(dir_.path().toLocal8Bit().constData(), 0755), 0);
  ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
  // Through the locked folder and out again, so that only the path search fails.
  const std::string through = locked + "/../locked/pelbrix.INI";

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(10);
    failures_.clear();
    if (IniFile::LoadPass(through).ReadInteger("Main", "Top", 3) != 3) ::_exit(11);
    IniFile::SavePass pass = savePass(through);
    pass.WriteInteger("Main", "Top", 2);
    if (pass.Commit()) ::_exit(12);
    if (failures_.size() != 1) ::_exit(13);
    if (failures_[0].find(std::strerror(EACCES)) == std::string::npos) ::_exit(14);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_EQ(::chmod(locked.c_str(), 0755), 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "10 no user change, 11 read, 12 saved, 13/14 report";
  std::ifstream in(inner);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "[Main]");
  EXPECT_EQ(QDir(QString::fromStdString(locked)).entryList(QDir::Files),
            QStringList({"pelbrix.INI"}));
}
#endif

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, ADanglingLinkIsWrittenThroughToItsTarget) {
  const std::string link = dir_.filePath(QStringLiteral("link.INI")).toStdString();
  ASSERT_EQ(::symlink("pelbrix.INI", link.c_str()), 0);  // relative, to nothing yet
  EXPECT_EQ(IniFile::LoadPass(link).ReadInteger("Main", "Top", 3), 3);
  IniFile::SavePass pass = savePass(link);
  pass.WriteInteger("Main", "Top", 2);
  ASSERT_TRUE(pass.Commit());
  const struct stat st = linkStatusOf(link);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(get(), "[Main]\nTop=2\n");
  EXPECT_EQ(IniFile::LoadPass(link).ReadInteger("Main", "Top", 3), 2);

  // A link into a folder that does not exist is reported, and nothing is created.
  const std::string lost = dir_.filePath(QStringLiteral("lost.INI")).toStdString();
  ASSERT_EQ(::symlink("gone/pelbrix.INI", lost.c_str()), 0);
  EXPECT_FALSE(file(lost).WriteInteger("Main", "Top", 2));
  EXPECT_EQ(failures_.size(), 1u);
  EXPECT_FALSE(QDir(dir_.filePath(QStringLiteral("gone"))).exists());
}
#endif

// ---------------------------------------------------------------------------------------
// A damaged file of any size costs bounded work.

TEST_F(IniFileOnDisk, AFileOverTheSizeLimitIsTakenToBeDamagedAndKept) {
  constexpr off_t kHundredMegabytes = 100 * 1024 * 1024;
  putSparse(kHundredMegabytes);
  const IniFile::LoadPass pass(path_);
  EXPECT_EQ(pass.ReadInteger("Main", "Top", 0), 0);

  IniFile::SavePass save = savePass(path_);
  save.WriteInteger("Main", "Top", 6);
  EXPECT_FALSE(save.Commit());
  expectOneFailure("damaged");
  const struct stat st = statusOf(path_);
  EXPECT_EQ(st.st_size, kHundredMegabytes);
  std::string front(13, '\0');
  std::ifstream(path_, std::ios::binary).read(front.data(), 13);
  EXPECT_EQ(front, "[Main]\nTop=5\n");
  EXPECT_EQ(folderEntries(), QStringList({"pelbrix.INI"}));
}

TEST_F(IniFileOnDisk, AFileAtTheSizeLimitIsStillRead) {
  putSparse(kDocumentedLimit);
  EXPECT_EQ(IniFile::LoadPass(path_).ReadInteger("Main", "Top", 0), 5);
  ASSERT_EQ(::truncate(path_.c_str(), kDocumentedLimit + 1), 0);
  EXPECT_EQ(IniFile::LoadPass(path_).ReadInteger("Main", "Top", 0), 0);
}

// ---------------------------------------------------------------------------------------
// Saves of several copies at once, links planted by others, and the bound on writing.

#ifdef _WIN32
namespace {
// A copy of tests/SettingsSaver.cpp, the helper beside this program.
std::unique_ptr<QProcess> startCopy(const QStringList& arguments) {
  const std::string self = executablePath();
  auto copy = std::make_unique<QProcess>();
  copy->start(QString::fromStdString(self.substr(0, self.rfind('/') + 1)) + "settings_saver.exe",
              arguments);
  EXPECT_TRUE(copy->waitForStarted(30000));
  return copy;
}
void expectSucceeds(QProcess& copy) {
  EXPECT_TRUE(copy.waitForFinished(60000));
  EXPECT_EQ(copy.exitCode(), 0) << copy.readAllStandardOutput().toStdString();
}
}  // namespace

TEST_F(IniFileOnDisk, ASaveWaitsForAReaderThatSharesReadingOnly) {
  put("[Main]\nTop=1\n");
  const auto reader = startCopy({"hold", QString::fromStdString(path_), "100"});
  ASSERT_TRUE(reader->waitForReadyRead(30000));
  const auto begun = std::chrono::steady_clock::now();
  EXPECT_TRUE(file(path_).WriteInteger("Main", "Top", 2)) << testing::PrintToString(failures_);
  EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::seconds(2));
  EXPECT_EQ(get(), "[Main]\nTop=2\n");
  expectSucceeds(*reader);
}
#endif

TEST_F(IniFileOnDisk, SavesOfSeveralProcessesAtOnceLoseNoKey) {
  put("[Extra]\nNote=kept\n");
  constexpr int kCopies = 4, kSaves = 25;
#ifdef _WIN32
  // By the path rule of a program whose file is this one, as windows save.
  std::vector<std::unique_ptr<QProcess>> copies;
  for (int c = 0; c < kCopies; ++c)
    copies.push_back(startCopy({"save", dir_.filePath(QStringLiteral("pelbrix.exe")),
                                QString::number(c), QString::number(kSaves)}));
  for (const auto& copy : copies) expectSucceeds(*copy);
#else
  std::vector<pid_t> copies;
  for (int c = 0; c < kCopies; ++c) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const OneKeyFile ini{path_, {}};
      for (int i = 0; i < kSaves; ++i)
        if (!ini.WriteInteger("Copy" + std::to_string(c), "Key" + std::to_string(i), i)) ::_exit(1);
      ::_exit(0);
    }
    copies.push_back(child);
  }
  for (const pid_t child : copies) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
  }
#endif
  const IniFile::LoadPass after(path_);
  int lost = 0;
  for (int c = 0; c < kCopies; ++c)
    for (int i = 0; i < kSaves; ++i)
      lost += after.ReadInteger("Copy" + std::to_string(c), "Key" + std::to_string(i), -1) != i;
  EXPECT_EQ(lost, 0);
  EXPECT_EQ(after.ReadString("Extra", "Note", ""), "kept");
  EXPECT_EQ(folderEntries(), QStringList({"pelbrix.INI"})) << "no lock or temporary file stays";
}

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, ASaveThatCannotGetTheLockFailsAndLeavesTheFile) {
  put("[Main]\nTop=1\n");
  // Another copy's save, stuck between its reading and its rename.
  const int held = ::open((path_ + ".lock").c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  EXPECT_FALSE(file(path_).WriteInteger("Main", "Top", 2));
  expectOneFailure("locked");
  EXPECT_EQ(get(), "[Main]\nTop=1\n");
  ::close(held);
  EXPECT_TRUE(file(path_).WriteInteger("Main", "Top", 2));
  EXPECT_EQ(get(), "[Main]\nTop=2\n");
  EXPECT_EQ(folderEntries(), QStringList({"pelbrix.INI"}));
}
#endif

TEST_F(IniFileOnDisk, NoSaveMakesTheFileLargerThanTheBound) {
  const off_t nearly = kDocumentedLimit - 8;  // a few bytes below the bound
  putSparse(nearly);
  IniFile::SavePass grow = savePass(path_);
  grow.WriteString("Main", "Note", "a value longer than the room left");
  EXPECT_FALSE(grow.Commit());
  expectOneFailure("larger than 16 MiB");
  const struct stat st = statusOf(path_);
  EXPECT_EQ(st.st_size, nearly);
  EXPECT_TRUE(file(path_).WriteInteger("Main", "Top", 6)) << "a write that fits still goes";
  EXPECT_EQ(folderEntries(), QStringList({"pelbrix.INI"}));
}

TEST_F(IniFileOnDisk, ASeedIsCopiedOnlyWithinTheBoundAndOnlyIntoAMissingFile) {
  const std::string seed = dir_.filePath(QStringLiteral("admin.INI")).toStdString();
  struct Case {
    const char* what;
    off_t seedSize;  // 0: the seed as written
    const char* existing;
    std::string expected;
  };
  const Case cases[] = {
      {"a seed is copied", 0, nullptr, "[Extra]\nNote=x\n[Main]\nTop=2\n"},
      {"a seed over the bound is not", kDocumentedLimit + 1, nullptr, "[Main]\nTop=2\n"},
      {"an existing file is kept", 0, "[Main]\nTop=1\n", "[Main]\nTop=2\n"},
  };
  for (const Case& c : cases) {
    ::unlink(path_.c_str());
    std::ofstream(seed, std::ios::binary) << "[Extra]\nNote=x\n";
    if (c.seedSize) {
      ASSERT_EQ(::truncate(seed.c_str(), c.seedSize), 0);
    }
    if (c.existing) put(c.existing);
    IniFile::SavePass pass = savePass(path_);
    pass.SeedFrom(seed);
    pass.WriteInteger("Main", "Top", 2);
    EXPECT_TRUE(pass.Commit()) << c.what;
    EXPECT_EQ(get(), c.expected) << c.what;
  }
  EXPECT_TRUE(failures_.empty());
}

#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, TheOwnerStaysAndSetIdBitsGo) {
  put("[Main]\nTop=1\n");
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(path_.c_str(), 65534, 65534), 0);
  }
  ASSERT_EQ(::chmod(path_.c_str(), root ? 07640 : 04640), 0);
  ASSERT_TRUE(file(path_).WriteInteger("Main", "Top", 2));
  const struct stat st = statusOf(path_);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
  }
  EXPECT_EQ(get(), "[Main]\nTop=2\n");
}
#endif

// A link planted by another user ("nobody", by runuser) leads a save of root's to a file of
// root's alone; the kernel would not follow it in a sticky folder, and the writer must not
// follow it anywhere others can write, for reading neither.
#ifndef _WIN32  // a POSIX file-system feature
TEST_F(IniFileOnDisk, ALinkIsFollowedOnlyWhereTheKernelWouldTrustIt) {
  if (::geteuid() != 0 || ::access("/usr/sbin/runuser", X_OK) != 0)
    GTEST_SKIP() << "needs root and runuser to plant links as another user";
  ASSERT_EQ(::chmod(dir_.path().toLocal8Bit().constData(), 0755), 0);
  const std::string secret = dir_.filePath(QStringLiteral("root-only")).toStdString();
  struct Case {
    const char* what;
    mode_t folderMode;
    bool folderOfNobody, plantedByNobody, followed;
  };
  const Case cases[] = {
      {"sticky folder, another user's link", 01777, false, true, false},
      {"world-writable folder, another user's link", 0777, false, true, false},
      {"world-writable folder, the user's own link", 0777, false, false, false},
      {"sticky folder, the user's own link", 01777, false, false, true},
      {"another user's own folder and link", 0755, true, true, true},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string folder = dir_.filePath(QString::number(++n)).toStdString();
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    if (c.folderOfNobody) {
      ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    }
    ASSERT_EQ(::chmod(folder.c_str(), c.folderMode), 0);
    { std::ofstream(secret, std::ios::binary) << "[Main]\nTop=1\n"; }
    ::chmod(secret.c_str(), 0600);
    const std::string link = folder + "/pelbrix.INI";
    const std::string plant = (c.plantedByNobody ? "runuser -u nobody -- " : std::string()) +
                              "ln -s '" + secret + "' '" + link + "'";
    ASSERT_EQ(std::system(plant.c_str()), 0) << plant;
    failures_.clear();
    EXPECT_EQ(file(link).ReadInteger("Main", "Top", 0), c.followed ? 1 : 0) << c.what;
    EXPECT_EQ(file(link).WriteInteger("Main", "Top", 2), c.followed) << c.what;
    std::ifstream in(secret);
    const std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, c.followed ? "[Main]\nTop=2\n" : "[Main]\nTop=1\n") << c.what;
    if (!c.followed) {
      ASSERT_EQ(failures_.size(), 1u) << c.what;
      EXPECT_NE(failures_[0].find("not followed"), std::string::npos) << failures_[0];
    }
    const struct stat st = linkStatusOf(link);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << c.what;
  }
}
#endif
