// The main window's settings: restored by a freshly created TMain from a prepared file,
// stored by its close handler, and a file that cannot be written reported once.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QStringList>
#include <functional>
#include <memory>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "platform/TApplication.h"

using namespace pelbrix;

namespace {

const char kFirstRunExample[] =
    "[Main]\nTop=80\nLeft=120\nLastPage=1\n[Boyle]\nVolume=1\nPressure=0\n[Charles]\nVolume=1\n"
    "Temperature=0\n[Combo]\nVolume=1\nPressure=0\nTemperature=0\n[Ideal]\nPressure=1\n"
    "Volume=0\nMoles=0\nTemperature=0\nUnits=0\n";

// The "Exit" entry of `menu`.
QAction* exitEntryOf(QMenu* menu) {
  for (QAction* a : menu->actions())
    if (a->objectName() == "Exit") return a;
  ADD_FAILURE() << "no Exit entry in " << menu->objectName().toStdString();
  return new QAction(menu);
}

class MainSettings : public testing::Test {
 protected:
  TApplication application;
  // A main window created now, so its creation handler reads the prepared file.
  std::unique_ptr<TMain> start(const std::string& file) {
    settings.write(file);
    return create();
  }
  std::unique_ptr<TMain> create() {
    return std::make_unique<TMain>(application, settings.store, errors, area);
  }
  static std::vector<bool> checked(const TMain& m) {
    return {m.TabSheet1->RadioButton1->isChecked(), m.TabSheet1->RadioButton2->isChecked(),
            m.TabSheet2->RadioButton3->isChecked(), m.TabSheet2->RadioButton4->isChecked(),
            m.TabSheet4->RadioButton7->isChecked(), m.TabSheet4->RadioButton8->isChecked(),
            m.TabSheet4->RadioButton9->isChecked()};
  }

  test::TempSettings settings;
  test::FakeNotifyArea area;
  test::ErrorRecorder errors;
  QStringList& messages = settings.messages.messages;
};

}  // namespace

TEST_F(MainSettings, FirstRunReadsDefaultsAndCreatesNothingUntilTheClose) {
  auto m = create();
  EXPECT_FALSE(settings.exists());
  EXPECT_EQ(m->frameGeometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(m->PageControl1->currentIndex(), 0);
  EXPECT_EQ(checked(*m), std::vector<bool>({true, false, true, false, true, false, false}));
  EXPECT_EQ(m->TabSheet4->Label17->text(), "Temperature 2");  // no mode button clicked yet

  // The user moves the window to left 120, top 80 and leaves it on "Charles' Law".
  // Offscreen the frame and the client area coincide, so the corner is the position.
  m->move(120, 80);
  m->PageControl1->setCurrentIndex(1);
  m->FormClose();
  EXPECT_EQ(settings.read(), kFirstRunExample);
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainSettings, TheCloseBoxAndEveryExitEntryStoreTheSettingsOnce) {
  // The close box, then "Exit" in the main menu, the icon's menu and the pages' menu.
  const std::vector<std::function<void(TMain&)>> ways = {
      [](TMain& m) { m.close(); },
      [](TMain& m) { exitEntryOf(m.Exit2)->trigger(); },
      [](TMain& m) { exitEntryOf(m.PopupMenu1)->trigger(); },
      [](TMain& m) { exitEntryOf(m.PopupMenu3)->trigger(); },
  };
  for (std::size_t k = 0; k < ways.size(); ++k) {
    SCOPED_TRACE(k);
    auto m = start("");
    m->show();
    m->move(120, 80);
    m->PageControl1->setCurrentIndex(1);
    ways[k](*m);
    EXPECT_FALSE(m->isVisible());
    EXPECT_EQ(settings.read(), kFirstRunExample);
    // A second close stores nothing more.
    settings.write("");
    m->close();
    EXPECT_EQ(settings.read(), "");
  }
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainSettings, RestoredModesRelabelTheirPagesAndTheLastTrueKeyWins) {
  struct Case {
    const char* file;
    std::vector<bool> expected;
  };
  const Case cases[] = {
      {"[Boyle]\nVolume=0\nPressure=1\n", {false, true, true, false, true, false, false}},
      {"[Boyle]\nVolume=1\nPressure=1\n", {false, true, true, false, true, false, false}},
      {"[boyle]\nvolume=yes\npressure=-1\n", {false, true, true, false, true, false, false}},
      {"[Charles]\nVolume=2\nTemperature=2\n", {true, false, false, true, true, false, false}},
      {"[Combo]\nVolume=1\nPressure=1\nTemperature=1\n",
       {true, false, true, false, false, false, true}},
      {"[Combo]\nVolume=0\nPressure=1\nTemperature=0\n",
       {true, false, true, false, false, true, false}},
      {"[Boyle]\nVolume=0\nPressure=0\n[Combo]\nVolume=0\nPressure=0\nTemperature=0\n",
       {false, false, true, false, false, false, false}},
  };
  for (const auto& c : cases) {
    auto m = start(c.file);
    EXPECT_EQ(checked(*m), c.expected) << c.file;
  }

  auto m =
      start("[Boyle]\nVolume=0\nPressure=1\n[Charles]\nTemperature=1\n[Combo]\nTemperature=1\n");
  EXPECT_EQ(m->TabSheet1->Label1->text(), "Pressure 1:");
  EXPECT_EQ(m->TabSheet1->Label3->text(), "Volume 2:");
  EXPECT_EQ(m->TabSheet2->Label5->text(), "Temperature 1:");
  EXPECT_EQ(m->TabSheet4->Label13->text(), "Temperature 1:");
  EXPECT_EQ(m->TabSheet4->Label17->text(), "Pressure 2:");
}

TEST_F(MainSettings, ACombinedPageWithNoModeKeepsItsCaptionsAndCalculatesTemperature) {
  auto m = start("[Combo]\nVolume=0\nPressure=0\nTemperature=0\n");
  TComboPage* combo = m->TabSheet4;
  EXPECT_EQ(combo->Label13->text(), "Volume 1:");
  EXPECT_EQ(combo->Label17->text(), "Temperature 2");
  // T1 = 300, V1 = 1, V2 = 2, P1 = 1, P2 = 1 gives T2 = 600 in temperature mode only.
  const char* inputs[] = {"300", "1", "2", "1", "1"};
  QLineEdit* fields[] = {combo->Edit13, combo->Edit14, combo->Edit15, combo->Edit16, combo->Edit17};
  for (int i = 0; i < 5; ++i) fields[i]->setText(QString::fromLatin1(inputs[i]));
  combo->Button7Click();
  EXPECT_EQ(combo->Edit18->text(), "600");
  EXPECT_TRUE(errors.shown.empty());

  // And a group with no button checked is stored as three zeros.
  m->FormClose();
  EXPECT_NE(settings.read().find("[Combo]\nVolume=0\nPressure=0\nTemperature=0\n"),
            std::string::npos);
}

TEST_F(MainSettings, PositionAndPageAsStoredWhateverTheirCase) {
  auto m = start("[MAIN]\nTOP=100\nleft=-3000\nLastPage=2\n");
  EXPECT_EQ(m->frameGeometry().topLeft(), QPoint(-3000, 100));  // off-screen, as stored
  EXPECT_EQ(m->PageControl1->currentIndex(), 2);
  m->FormClose();
  // The keys are rewritten where they stand, in the file's own spelling.
  EXPECT_EQ(settings.read().rfind("[MAIN]\nTOP=100\nleft=-3000\nLastPage=2\n[Boyle]\n", 0), 0u);
}

TEST_F(MainSettings, PagesOutsideTheRangeLeaveTheFirstPageInFront) {
  for (const char* page : {"-1", "4", "2147483647", "-2147483648", "x"}) {
    auto m = start(std::string("[Main]\nLastPage=") + page + "\n");
    EXPECT_EQ(m->PageControl1->currentIndex(), 0) << page;
    m->FormClose();
    EXPECT_NE(settings.read().find("LastPage=0\n"), std::string::npos) << page;
  }
}

TEST_F(MainSettings, AbsurdPositionsNeitherCrashNorOverflow) {
  auto m = start("[Main]\nTop=2147483647\nLeft=-2147483648\n");
  EXPECT_EQ(m->frameGeometry().top(), 1 << 24);
  EXPECT_EQ(m->frameGeometry().left(), -(1 << 24));
}

TEST_F(MainSettings, ACloseKeepsEveryOtherLineAndStoresTheCurrentModes) {
  const std::string before =
      "; written by hand\r\n[Extra]\r\nNote=x\r\n\r\n[Main]\r\nTop = 5\r\nColour=red\r\n\r\n"
      "[Options]\r\nShowTray=0\r\n";
  auto m = start(before);
  m->TabSheet1->RadioButton2->click();
  m->TabSheet4->RadioButton9->click();
  m->move(7, 9);
  m->FormClose();
  EXPECT_EQ(
      settings.read(),
      "; written by hand\r\n[Extra]\r\nNote=x\r\n\r\n[Main]\r\nTop =9\r\nColour=red\r\nLeft=7\r\n"
      "LastPage=0\r\n\r\n[Options]\r\nShowTray=0\r\n[Boyle]\r\nVolume=0\r\nPressure=1\r\n"
      "[Charles]\r\nVolume=1\r\nTemperature=0\r\n[Combo]\r\nVolume=0\r\nPressure=0\r\n"
      "Temperature=1\r\n[Ideal]\r\nPressure=1\r\nVolume=0\r\nMoles=0\r\nTemperature=0\r\n"
      "Units=0\r\n");
}

TEST_F(MainSettings, AFileThatCannotBeWrittenIsReportedOnceAndNothingIsLost) {
  const std::string before = "[Main]\nTop=1\n";
  auto m = start(before);
  ASSERT_EQ(::chmod(settings.path().c_str(), 0444), 0);
  m->FormClose();
  m->FormClose();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QString::fromStdString(settings.path())))
      << messages[0].toStdString();
  EXPECT_EQ(settings.read(), before);
  ::chmod(settings.path().c_str(), 0644);
}

TEST_F(MainSettings, DamagedFilesStartWithDefaults) {
  const std::string files[] = {
      std::string("\0\xff\xfe[Main\0]\nTop=\0\n", 16),
      "[Main\nTop=12\n=3\n[Boyle]]\nVolume==0\n",
      "\xEF\xBB\xBF[Main]\r\nTop=12\r\n",
      "[Main]\nTop=1\n" + std::string(10 * 1024 * 1024, 'z') + "\n",
  };
  for (const auto& file : files) {
    auto m = start(file);
    EXPECT_TRUE(m->TabSheet1->RadioButton1->isChecked());  // "Find Volume", the default
  }
  EXPECT_EQ(start("\xEF\xBB\xBF[Main]\r\nTop=12\r\n")->frameGeometry().top(), 12);
  EXPECT_EQ(start("[Main\nTop=12\n")->frameGeometry().top(), 12);
}
