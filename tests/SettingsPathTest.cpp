// Where the settings file lives: the rule as a table of facts, then the facts as the
// file system gives them (folders made read-only by their permission bits, which the
// rule honours for root too).
#include "core/SettingsPath.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "core/IniFile.h"
#include "core/MessageDisplay.h"

using namespace pelbrix;

namespace {

const std::string kExe = "/usr/bin/pelbrix";
const std::string kBeside = "/usr/bin/pelbrix.INI";
const std::string kConfig = "/home/ann/.config";
const std::string kOwn = "/home/ann/.config/pelbrix/pelbrix.INI";

SettingsFacts facts(bool writable, bool besideReadable, bool ownExists,
                    std::string config = kConfig) {
  return {kExe, std::move(config), writable, besideReadable, ownExists};
}

}  // namespace

TEST(SettingsRule, DecisionTable) {
  struct Case {
    const char* what;
    SettingsFacts in;
    SettingsLocation out;
  };
  const Case cases[] = {
      {"writable folder: beside the executable, whatever else exists",
       facts(true, true, true),
       {kBeside, kBeside, false}},
      {"writable folder, no file yet", facts(true, false, false), {kBeside, kBeside, false}},
      {"read-only folder, no file beside: the per-user file for both",
       facts(false, false, false),
       {kOwn, kOwn, true}},
      {"read-only folder, a file beside: read it until the per-user file exists",
       facts(false, true, false),
       {kBeside, kOwn, true}},
      {"read-only folder, per-user file exists: it wins",
       facts(false, true, true),
       {kOwn, kOwn, true}},
      {"unreadable file beside: the per-user file (its defaults)",
       facts(false, false, false),
       {kOwn, kOwn, true}},
      {"no home and no XDG_CONFIG_HOME: only the file beside remains",
       facts(false, true, false, ""),
       {kBeside, kBeside, false}},
  };
  for (const Case& c : cases) EXPECT_EQ(resolveSettingsLocation(c.in), c.out) << c.what;
}

TEST(SettingsRule, PerUserFileIsNamedAfterTheExecutable) {
  EXPECT_EQ(perUserSettingsPath("/opt/calc/calc.bin", "/x/cfg/"), "/x/cfg/pelbrix/calc.INI");
  EXPECT_EQ(perUserSettingsPath("/opt/v1.2/calc", "/cfg"), "/cfg/pelbrix/calc.INI");
}

namespace {

// A scratch "installation": a folder holding the executable's name, and a home.
class SettingsFolders : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    bin_ = root_.filePath(QStringLiteral("bin")).toStdString();
    home_ = root_.filePath(QStringLiteral("home")).toStdString();
    ::mkdir(bin_.c_str(), 0755);
    ::mkdir(home_.c_str(), 0755);
    exe_ = bin_ + "/pelbrix";
    save("HOME", savedHome_);
    save("XDG_CONFIG_HOME", savedXdg_);
    ::setenv("HOME", home_.c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
  }
  void TearDown() override {
    ::chmod(bin_.c_str(), 0755);  // so the temporary folder can go
    restore("HOME", savedHome_);
    restore("XDG_CONFIG_HOME", savedXdg_);
  }
  static void save(const char* name, std::optional<std::string>& into) {
    if (const char* v = std::getenv(name)) into = v;
  }
  static void restore(const char* name, const std::optional<std::string>& value) {
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  void writeBeside(const char* text, mode_t mode) const {
    std::ofstream(exe_ + ".INI", std::ios::binary) << text;
    ::chmod((exe_ + ".INI").c_str(), mode);
  }
  SettingsLocation now() const { return resolveSettingsLocation(gatherSettingsFacts(exe_)); }
  // The store as the program builds it, for the scratch executable.
  SettingsStore store() {
    return SettingsStore(settingsPathRule([this] { return exe_; }), shown_);
  }
  static std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  std::string own() const { return home_ + "/.config/pelbrix/pelbrix.INI"; }

  QTemporaryDir root_;
  std::string bin_, home_, exe_;
  std::optional<std::string> savedHome_, savedXdg_;
  struct Shown : MessageDisplay {
    void ShowException(const QString& m) override { messages << m; }
    void ShowMessage(const QString& m) override { messages << m; }
    QStringList messages;
  } shown_;
};

}  // namespace

TEST_F(SettingsFolders, AWritableFolderKeepsTheFileBesideTheExecutable) {
  EXPECT_EQ(now(), (SettingsLocation{exe_ + ".INI", exe_ + ".INI", false}));
  writeBeside("[Main]\nTop=1\n", 0644);
  EXPECT_EQ(now(), (SettingsLocation{exe_ + ".INI", exe_ + ".INI", false}));
}

TEST_F(SettingsFolders, AReadOnlyFileInAWritableFolderGoesPerUser) {
  writeBeside("[Main]\nTop=1\n", 0444);
  EXPECT_EQ(now(), (SettingsLocation{exe_ + ".INI", own(), true}));
}

TEST_F(SettingsFolders, AReadOnlyFolderReadsBesideUntilTheFirstWriteCreatesTheOwnFile) {
  writeBeside("[Main]\nTop=1\n", 0644);
  ::chmod(bin_.c_str(), 0555);
  const SettingsLocation first = now();
  EXPECT_EQ(first, (SettingsLocation{exe_ + ".INI", own(), true}));

  // The write side makes the folders, private to the user, and starts the user's file
  // as a copy of the administrator's, so sections no window has saved yet carry over.
  EXPECT_EQ(prepareSettingsWrite(first), own());
  struct stat st {};
  ASSERT_EQ(::stat((home_ + "/.config/pelbrix").c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(IniFile::LoadPass(own()).ReadInteger("Main", "Top", 0), 1);
  EXPECT_EQ(now(), (SettingsLocation{own(), own(), true}));

  // Once there, the user's file is never replaced by the administrator's again.
  std::ofstream(own(), std::ios::binary) << "[Main]\nTop=2\n";
  EXPECT_EQ(prepareSettingsWrite(now()), own());
  prepareSettingsWrite(first);  // even by a pass that looked before the file existed
  EXPECT_EQ(IniFile::LoadPass(own()).ReadInteger("Main", "Top", 0), 2);
}

TEST_F(SettingsFolders, ReadOnlyFolderWithoutAFileUsesTheOwnFileForBoth) {
  ::chmod(bin_.c_str(), 0555);
  EXPECT_EQ(now(), (SettingsLocation{own(), own(), true}));
}

TEST_F(SettingsFolders, XdgConfigHomeWinsOverHomeWhenAbsolute) {
  ::chmod(bin_.c_str(), 0555);
  const std::string xdg = root_.filePath(QStringLiteral("xdg")).toStdString();
  ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
  EXPECT_EQ(now().writePath, xdg + "/pelbrix/pelbrix.INI");
  ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
  EXPECT_EQ(now().writePath, own());
}

TEST_F(SettingsFolders, NoHomeLeavesOnlyTheFileBeside) {
  ::chmod(bin_.c_str(), 0555);
  ::unsetenv("HOME");
  EXPECT_EQ(now(), (SettingsLocation{exe_ + ".INI", exe_ + ".INI", false}));
  ::setenv("HOME", "", 1);
  EXPECT_EQ(now(), (SettingsLocation{exe_ + ".INI", exe_ + ".INI", false}));
}

TEST_F(SettingsFolders, AConfigFolderThatCannotBeCreatedFailsTheSaveWhichIsReportedOnce) {
  ::chmod(bin_.c_str(), 0555);
  // A home that is a plain file: no folder can be made in it, not even by root.
  const std::string notAFolder = root_.filePath(QStringLiteral("file")).toStdString();
  std::ofstream(notAFolder, std::ios::binary) << "x";
  ::setenv("HOME", notAFolder.c_str(), 1);
  SettingsStore settings = store();
  for (int pass = 0; pass < 2; ++pass) {
    SettingsStore::SavePass save = settings.save();
    save.WriteInteger("Main", "Top", 1);
    EXPECT_FALSE(save.commit());
  }
  ASSERT_EQ(shown_.messages.size(), 1);
  EXPECT_TRUE(shown_.messages[0].contains(
      QString::fromStdString(notAFolder + "/.config/pelbrix/pelbrix.INI")))
      << shown_.messages[0].toStdString();
}

TEST_F(SettingsFolders, TheStoreReadsTheAdministratorsFileThenWritesAndReadsTheUsersOwn) {
  writeBeside("[Main]\nTop=300\nLeft=200\n[BRate]\nLastPage=2\n", 0644);
  ::chmod(bin_.c_str(), 0555);
  SettingsStore settings = store();
  EXPECT_EQ(settings.load().ReadInteger("Main", "Top", 0), 300);

  // A window saves only its own keys; the administrator's other sections carry over.
  SettingsStore::SavePass save = settings.save();
  save.WriteInteger("Main", "Top", 10);
  ASSERT_TRUE(save.commit());
  EXPECT_EQ(slurp(own()), "[Main]\nTop=10\nLeft=200\n[BRate]\nLastPage=2\n");
  EXPECT_EQ(slurp(exe_ + ".INI"), "[Main]\nTop=300\nLeft=200\n[BRate]\nLastPage=2\n");

  // From now on both passes use the user's file.
  const SettingsStore::LoadPass load = settings.load();
  EXPECT_EQ(load.ReadInteger("Main", "Top", 0), 10);
  EXPECT_EQ(load.ReadInteger("BRate", "LastPage", 0), 2);
  EXPECT_TRUE(shown_.messages.isEmpty());
}

TEST_F(SettingsFolders, AWritableFolderKeepsTheStoreBesideTheExecutable) {
  SettingsStore settings = store();
  SettingsStore::SavePass save = settings.save();
  save.WriteInteger("Main", "Top", 4);
  ASSERT_TRUE(save.commit());
  EXPECT_EQ(slurp(exe_ + ".INI"), "[Main]\nTop=4\n");
  struct stat st {};
  EXPECT_NE(::stat((home_ + "/.config").c_str(), &st), 0) << "no configuration folder made";
}

TEST_F(SettingsFolders, APerUserFolderThatIsNotTheUsersAloneIsNotWrittenTo) {
  ::chmod(bin_.c_str(), 0555);
  const std::string folder = home_ + "/.config/pelbrix";
  struct Case {
    const char* what;
    mode_t mode;
    bool ofAnotherUser;
  };
  std::vector<Case> cases = {{"open to everyone's writing", 0777, false},
                             {"open to the group's writing", 0770, false}};
  if (::geteuid() == 0) cases.push_back({"another user's", 0700, true});
  for (const Case& c : cases) {
    ::mkdir((home_ + "/.config").c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
    if (c.ofAnotherUser) {
      ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    }
    ASSERT_EQ(::chmod(folder.c_str(), c.mode), 0);
    shown_.messages.clear();
    SettingsStore settings = store();
    for (int pass = 0; pass < 2; ++pass) {
      SettingsStore::SavePass save = settings.save();
      save.WriteInteger("Main", "Top", 1);
      EXPECT_FALSE(save.commit()) << c.what;
    }
    ASSERT_EQ(shown_.messages.size(), 1) << c.what;
    EXPECT_TRUE(shown_.messages[0].contains(QString::fromStdString(own())))
        << shown_.messages[0].toStdString();
    EXPECT_TRUE(QDir(QString::fromStdString(folder)).isEmpty()) << c.what;
    ::chmod(folder.c_str(), 0700);
    ::rmdir(folder.c_str());
  }
}

TEST_F(SettingsFolders, AnAdministratorsFileOverTheBoundIsNotCopied) {
  writeBeside("[Main]\nTop=300\n", 0644);
  ASSERT_EQ(::truncate((exe_ + ".INI").c_str(), 20 * 1024 * 1024), 0);
  ::chmod(bin_.c_str(), 0555);
  SettingsStore settings = store();
  SettingsStore::SavePass save = settings.save();
  save.WriteInteger("Main", "Top", 10);
  ASSERT_TRUE(save.commit());
  EXPECT_EQ(slurp(own()), "[Main]\nTop=10\n");
  EXPECT_TRUE(shown_.messages.isEmpty());
}
