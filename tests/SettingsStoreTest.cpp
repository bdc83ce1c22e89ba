// The settings store: each pass goes to the file its path rule names for it, a save pass
// writes its keys in order, and a failed save is reported once per run.
#include "core/SettingsStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <fstream>
#include <set>
#include <sstream>

#include "core/MessageDisplay.h"

using namespace pelbrix;

namespace {

struct Messages : MessageDisplay {
  void ShowException(const QString& m) override { exceptions << m; }
  void ShowMessage(const QString& m) override { messages << m; }
  QStringList exceptions, messages;
};

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class Store : public testing::Test {
 protected:
  std::string file(const char* name) const { return dir.filePath(name).toStdString(); }
  QTemporaryDir dir;
  Messages shown;
};

}  // namespace

TEST_F(Store, LoadAndSavePassesGoWhereTheRuleSays) {
  const std::string older = file("older.INI"), own = file("own.INI");
  std::ofstream(older, std::ios::binary) << "[Main]\nTop=5\n";
  SettingsStore store(
      [&](SettingsStore::Pass pass) { return pass == SettingsStore::Pass::Load ? older : own; },
      shown);
  EXPECT_EQ(store.load().ReadInteger("Main", "Top", 0), 5);
  SettingsStore::SavePass pass = store.save();
  pass.WriteInteger("Main", "Top", 7);
  pass.WriteBool("Main", "Shown", true);
  pass.WriteString("Options", "AniInterval", "3");
  EXPECT_EQ(slurp(own), "") << "nothing reaches the file before commit";
  EXPECT_TRUE(pass.commit());
  EXPECT_EQ(slurp(own), "[Main]\nTop=7\nShown=1\n[Options]\nAniInterval=3\n");
  EXPECT_EQ(slurp(older), "[Main]\nTop=5\n");
  EXPECT_TRUE(shown.messages.isEmpty());
}

TEST_F(Store, AFailedSaveIsReportedOnceNamingTheFileAndLaterPassesStillTry) {
  const std::string path = file("pelbrix.INI");
  std::ofstream(path, std::ios::binary) << "[Main]\nTop=1\n";
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  SettingsStore store([&] { return path; }, shown);
  for (int round = 0; round < 2; ++round) {
    SettingsStore::SavePass pass = store.save();
    pass.WriteInteger("Main", "Top", 2);
    pass.WriteInteger("Main", "Left", 3);
    EXPECT_FALSE(pass.commit());
  }
  ASSERT_EQ(shown.messages.size(), 1);
  EXPECT_TRUE(shown.messages[0].contains(QString::fromStdString(path)))
      << shown.messages[0].toStdString();
  EXPECT_EQ(slurp(path), "[Main]\nTop=1\n");
  // Writable again: the next pass gets through.
  ::chmod(path.c_str(), 0644);
  SettingsStore::SavePass pass = store.save();
  pass.WriteInteger("Main", "Top", 2);
  EXPECT_TRUE(pass.commit());
  EXPECT_EQ(slurp(path), "[Main]\nTop=2\n");
}

TEST_F(Store, AFailureMessageShowsTheFileInTheLettersOfItsName) {
  // The folder is not there, so the save fails; the message decodes the name as the UTF-8 it
  // is, whatever the system's code page for 8-bit text.
  const QString name = dir.filePath(QStringLiteral("Zo\u00EB \u00C5s/pelbrix.INI"));
  SettingsStore store([&] { return name.toStdString(); }, shown);
  SettingsStore::SavePass pass = store.save();
  pass.WriteInteger("Main", "Top", 1);
  EXPECT_FALSE(pass.commit());
  ASSERT_EQ(shown.messages.size(), 1);
  EXPECT_TRUE(shown.messages[0].contains(name)) << shown.messages[0].toStdString();
}

TEST_F(Store, ALoadPassReadsOneLookAtTheFileAndASavePassLeavesNoTemporaryFile) {
  const std::string path = file("pelbrix.INI");
  std::ofstream(path, std::ios::binary) << "[Main]\nTop=5\n[Boyle]\nVolume=1\n";
  SettingsStore store([&] { return path; }, shown);
  const SettingsStore::LoadPass loaded = store.load();
  std::ofstream(path, std::ios::binary)
      << "[Main]\nTop=6\n";  // a change after the pass began is not seen
  EXPECT_EQ(loaded.ReadInteger("Main", "Top", 0), 5);
  EXPECT_TRUE(loaded.ReadBool("Boyle", "Volume", false));

  // One left by a save that was killed before its rename goes with the next save.
  std::ofstream(file("pelbrix.INI.k1ll3d"), std::ios::binary) << "[Main]\nTop=";
  SettingsStore::SavePass pass = store.save();
  pass.WriteInteger("Main", "Top", 7);
  pass.WriteInteger("Boyle", "Volume", 0);
  EXPECT_TRUE(pass.commit());
  EXPECT_EQ(slurp(path), "[Main]\nTop=7\n[Boyle]\nVolume=0\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"pelbrix.INI"}));
}

TEST_F(Store, AFirstRunReadsEveryDefaultAndItsSavesWriteTheDocumentedFile) {
  const std::string path = file("pelbrix.INI");
  SettingsStore store([&] { return path; }, shown);
  const SettingsStore::LoadPass first = store.load();
  EXPECT_EQ(first.read(kMainWindowPositionKeys).Top, 0);
  EXPECT_EQ(first.read(kMainWindowPositionKeys).Left, 0);
  MainWindowChoices choices = first.read(kMainWindowChoiceKeys);
  choices.LastPage = 1;
  SettingsStore::SavePass save = store.save();
  save.write(kMainWindowPositionKeys, {.Top = 80, .Left = 120});
  save.write(kMainWindowChoiceKeys, choices);
  save.write(kOptionsKeys, first.read(kOptionsKeys));
  save.write(kBoyleRateKeys, first.read(kBoyleRateKeys));
  save.write(kCharlesRateKeys, first.read(kCharlesRateKeys));
  ASSERT_TRUE(save.commit());
  EXPECT_EQ(slurp(path),
            "[Main]\nTop=80\nLeft=120\nLastPage=1\n[Boyle]\nVolume=1\nPressure=0\n"
            "[Charles]\nVolume=1\nTemperature=0\n[Combo]\nVolume=1\nPressure=0\nTemperature=0\n"
            "[Ideal]\nPressure=1\nVolume=0\nMoles=0\nTemperature=0\nUnits=0\n"
            "[Options]\nShowTray=1\nAniTray=0\nAniTrayEn=1\nIntEditEn=0\nLabel1Avail=0\n"
            "Label2Avail=0\nLabel3Avail=0\nAniInterval=3\n"
            "[BoyleTrend]\nLastPage=0\nVolumeS=0\nPressureS=0\nRoVS=0\nRoPS=1\nVolumeM=0\n"
            "PressureM=0\nRoVM=0\nRoPM=1\n"
            "[CharlesTrend]\nLastPage=0\nVolumeS=0\nTemperatureS=0\nRoVS=0\nRoTS=1\nVolumeM=0\n"
            "TemperatureM=0\nRoVM=0\nRoTM=1\n");
}

TEST(SettingsKeys, NoTwoTablesShareAKey) {
  std::set<QString> seen;  // names match without regard to case
  int shared = 0;
  auto collect = [&](const auto& table) {
    for (const auto& k : table)
      shared += !seen.insert(QStringLiteral("%1/%2").arg(k.section, k.key).toLower()).second;
  };
  collect(kMainWindowPositionKeys), collect(kMainWindowChoiceKeys), collect(kOptionsKeys);
  collect(kBoyleRateKeys), collect(kCharlesRateKeys);
  EXPECT_EQ(shared, 0);
}
