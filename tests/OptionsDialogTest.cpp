// The options dialog driving a tray icon on the recording notification area, with the
// settings file in a temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <functional>
#include <memory>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "dialogs/TOptxion.h"

// The images live in the program's static library; register them for this process.
static void initResources() {
  Q_INIT_RESOURCE(pelbrix);
}

using namespace pelbrix;

class OptionsDialog : public testing::Test {
 protected:
  void SetUp() override {
    initResources();
    for (int i = 0; i < 8; ++i) images.Images.append(TrayIconFrame(i));
    // Set up as the main window's TrayIcon1.
    tray = std::make_unique<TTrayIcon>(nullptr, area, application);
    tray->BeginLoading();
    tray->SetVisible(true);
    tray->RestoreOn = imLeftDoubleClick;
    tray->PopupMenuOn = imRightClickUp;
    tray->SetIcons(&images);
    tray->Loaded();
  }
  void create() {
    dialog = std::make_unique<TOptxion>(application, *tray, settings.store, messages);
  }
  bool shown() const { return area.Shows(tray->GetHandle(), tray->Id()); }
  // Shows the dialog, runs `act`, and expects it closed.
  void visit(const std::function<void()>& act) {
    dialog->show();
    act();
    EXPECT_FALSE(dialog->isVisible());
  }

  TApplication application;
  test::TempSettings settings;
  test::MessageRecorder messages;
  test::FakeNotifyArea area;
  TImageList images;
  std::unique_ptr<TTrayIcon> tray;
  std::unique_ptr<TOptxion> dialog;
};

TEST_F(OptionsDialog, FirstRunWithoutSettings) {
  create();
  EXPECT_EQ(dialog->windowTitle(), "Options");
  EXPECT_TRUE(dialog->CheckBox1->isChecked());
  EXPECT_FALSE(dialog->CheckBox2->isChecked());
  EXPECT_TRUE(dialog->CheckBox2->isEnabled());
  EXPECT_FALSE(dialog->IntervalEdit->isEnabled());
  EXPECT_EQ(dialog->IntervalEdit->text(), "3");
  EXPECT_FALSE(dialog->Label1->isEnabled());
  EXPECT_FALSE(dialog->Label2->isEnabled());
  EXPECT_FALSE(dialog->Label3->isEnabled());
  EXPECT_TRUE(shown());
  EXPECT_FALSE(tray->GetAnimate());
  EXPECT_FALSE(settings.exists()) << "reading never creates the file";
}

TEST_F(OptionsDialog, StoredShowTrayFalseRemovesTheIconAtStart) {
  settings.write("[Options]\nShowTray=0\nAniTrayEn=0\n");
  create();
  EXPECT_FALSE(shown());
  EXPECT_FALSE(tray->Visible());
  EXPECT_FALSE(dialog->CheckBox2->isChecked());
  EXPECT_FALSE(dialog->CheckBox2->isEnabled());
}

TEST_F(OptionsDialog, StoredAnimationStartsAtTheDesignedIntervalThenUsesTheStoredOne) {
  settings.write("[Options]\nAniTray=1\nIntEditEn=1\nAniInterval=5\n");
  create();
  EXPECT_TRUE(tray->GetAnimate());
  EXPECT_EQ(tray->GetAnimateInterval(), 1500) << "AniInterval is read after AniTray";
  EXPECT_EQ(dialog->IntervalEdit->text(), "5");
  dialog->CheckBox2->setChecked(false);
  EXPECT_FALSE(tray->GetAnimate());
  dialog->CheckBox2->setChecked(true);
  EXPECT_EQ(tray->GetAnimateInterval(), 2500);
}

TEST_F(OptionsDialog, IntervalIsTheLeadingIntegerInHalfSeconds) {
  create();
  struct Case {
    const char* text;
    int ms;
    bool ticks;
  };
  for (const Case& c :
       {Case{"1", 500, true}, Case{"3", 1500, true}, Case{"999", 499500, true}, Case{"0", 0, false},
        Case{"", 0, false}, Case{"x1", 0, false}, Case{" 7", 3500, true}, Case{"12a", 6000, true},
        Case{"-2", -1000, false}, Case{"-99", -49500, false}}) {
    dialog->CheckBox2->setChecked(false);
    dialog->IntervalEdit->setText(QString::fromLatin1(c.text));
    dialog->CheckBox2->setChecked(true);
    EXPECT_EQ(tray->GetAnimateInterval(), c.ms) << c.text;
    EXPECT_TRUE(tray->GetAnimate()) << c.text;
    EXPECT_EQ(tray->AnimationTicking(), c.ticks) << c.text;
  }

  // Editing while the box stays ticked changes nothing until it is ticked again.
  dialog->IntervalEdit->setText(QStringLiteral("4"));
  EXPECT_EQ(tray->GetAnimateInterval(), -49500);
}

TEST_F(OptionsDialog, HidingTheIconStopsTheAnimationAndShowingDoesNotRestartIt) {
  create();
  dialog->CheckBox2->setChecked(true);
  tray->DoOnAnimate(tray.get());
  tray->DoOnAnimate(tray.get());
  EXPECT_EQ(tray->IconIndex(), 2);

  dialog->CheckBox1->setChecked(false);
  EXPECT_FALSE(shown());
  EXPECT_FALSE(dialog->CheckBox2->isChecked());
  EXPECT_FALSE(dialog->CheckBox2->isEnabled());
  EXPECT_FALSE(dialog->IntervalEdit->isEnabled());
  EXPECT_FALSE(dialog->Label1->isEnabled());
  EXPECT_FALSE(tray->GetAnimate());
  EXPECT_EQ(tray->IconIndex(), 0);
  EXPECT_EQ(tray->CurrentIcon().cacheKey(), images.Images[0].cacheKey());

  dialog->CheckBox1->setChecked(true);
  EXPECT_TRUE(shown());
  EXPECT_TRUE(dialog->CheckBox2->isEnabled());
  EXPECT_FALSE(dialog->CheckBox2->isChecked());
  EXPECT_FALSE(tray->GetAnimate());
}

TEST_F(OptionsDialog, EveryCloseWritesTheSectionInOrder) {
  settings.write("[Extra]\nNote=x\n");
  create();
  dialog->CheckBox2->setChecked(true);
  dialog->IntervalEdit->setText(QStringLiteral("ab"));
  visit([&] { dialog->close(); });  // the close box saves like Ok
  const std::string file = settings.read();
  EXPECT_NE(file.find("[Extra]\nNote=x"), std::string::npos) << file;
  const char* keys[] = {"ShowTray=1",    "AniTray=1",     "AniTrayEn=1",   "IntEditEn=1",
                        "Label1Avail=1", "Label2Avail=1", "Label3Avail=1", "AniInterval=ab"};
  size_t at = file.find("[Options]");
  ASSERT_NE(at, std::string::npos) << file;
  for (const char* key : keys) {
    const size_t next = file.find(key, at);
    ASSERT_NE(next, std::string::npos) << key << " after " << at << " in\n" << file;
    at = next;
  }
}

TEST_F(OptionsDialog, CancelGoesBackToTheStartUpRecordNotToTheLastVisit) {
  create();
  visit([&] {
    dialog->CheckBox1->setChecked(false);
    dialog->Button1->click();  // Ok
  });
  EXPECT_FALSE(shown());
  EXPECT_NE(settings.read().find("ShowTray=0"), std::string::npos);

  visit([&] { dialog->Button2->click(); });  // Cancel, nothing changed on this visit
  EXPECT_TRUE(dialog->CheckBox1->isChecked());
  EXPECT_TRUE(shown());
  EXPECT_NE(settings.read().find("ShowTray=1"), std::string::npos);
}

TEST_F(OptionsDialog, CancelStartsAnAnimationFromTheTextStillInTheField) {
  settings.write("[Options]\nAniTray=1\nAniInterval=4\n");
  create();
  ASSERT_TRUE(tray->GetAnimate());
  visit([&] {
    dialog->CheckBox2->setChecked(false);
    dialog->IntervalEdit->setText(QStringLiteral("8"));
    dialog->Button2->click();
  });
  EXPECT_TRUE(tray->GetAnimate());
  EXPECT_EQ(tray->GetAnimateInterval(), 4000) << "computed before the recorded text returns";
  EXPECT_EQ(dialog->IntervalEdit->text(), "4");
  EXPECT_TRUE(dialog->IntervalEdit->isEnabled());
}

TEST_F(OptionsDialog, ARefusedIconChangeIsShownAndTheBoxStillWorks) {
  create();
  dialog->show();
  area.refuseAll = true;
  // A real click: the refusal is raised inside the box's signal and must not cross it.
  QTest::mouseClick(dialog->CheckBox1, Qt::LeftButton);
  EXPECT_EQ(messages.exceptions, QStringList({"Cannot Remove System Shell Notification Icon"}));
  EXPECT_FALSE(dialog->CheckBox1->isChecked());
  EXPECT_FALSE(tray->Visible());
  // The box goes on answering clicks, and each refusal is shown.
  QTest::mouseClick(dialog->CheckBox1, Qt::LeftButton);
  EXPECT_TRUE(dialog->CheckBox1->isChecked());
  EXPECT_TRUE(tray->Visible());
  EXPECT_EQ(messages.exceptions, QStringList({"Cannot Remove System Shell Notification Icon",
                                              "Cannot Create System Shell Notification Icon"}));
}

TEST_F(OptionsDialog, AFileThatCannotBeWrittenIsReportedOnceAndTheDialogCloses) {
  settings.write("[Options]\nShowTray=1\n");
  create();
  ASSERT_EQ(::chmod(settings.path().c_str(), 0444), 0);
  visit([&] { dialog->Button1->click(); });
  visit([&] { dialog->close(); });
  ASSERT_EQ(settings.messages.messages.size(), 1);
  EXPECT_TRUE(settings.messages.messages[0].contains(QString::fromStdString(settings.path())));
  EXPECT_EQ(settings.read(), "[Options]\nShowTray=1\n");
  ::chmod(settings.path().c_str(), 0644);
}
