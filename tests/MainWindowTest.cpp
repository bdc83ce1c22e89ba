// The main window's frame: caption, pages, menus, actions and the windows they open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "platform/TApplication.h"
#include "platform/TForm.h"

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "dialogs/TOptxion.h"
#include "dialogs/TTempConv.h"
#include "laws/TErro.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

using namespace pelbrix;

namespace {
QStringList texts(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* a : actions) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return out;
}
}  // namespace

class MainWindow : public test::WindowsTest {
 protected:
  TMain* Main = windows.Main;
  TTempConv* TempConv = windows.TempConv;
};

#ifndef _WIN32  // sizes from the X11 desktop font; not under Wine's offscreen fonts
TEST_F(MainWindow, FrameAsDesigned) {
  EXPECT_EQ(Main->windowTitle(), "Pelbrix v4.0");
  EXPECT_EQ(QCoreApplication::applicationName(), "Pelbrix");
  ASSERT_EQ(Main->PageControl1->count(), 4);
  EXPECT_EQ(Main->PageControl1->tabText(0), "Boyle's Law");
  EXPECT_EQ(Main->PageControl1->tabText(1), "Charles' Law");
  EXPECT_EQ(Main->PageControl1->tabText(2), "Combined Gas Law");
  EXPECT_EQ(Main->PageControl1->tabText(3), "Ideal Gas Law");
  EXPECT_EQ(Main->PageControl1->widget(2), Main->TabSheet4);
  EXPECT_GE(Main->PageControl1->width(), 329);
  EXPECT_GE(Main->PageControl1->height(), 323);
  EXPECT_FALSE(Main->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(Main->TabSheet1->Label19->text(), "Boyle's Law");
  EXPECT_EQ(Main->TabSheet5->Label23->text(), "Ideal Gas Law");
}
#endif

TEST_F(MainWindow, MenusInTheirOrderWithAccessKeys) {
  EXPECT_EQ(texts(Main->menuBar()->actions()),
            QStringList({"&File", "&Edit", "&Conversions", "&Options", "&Rates", "&About"}));
  EXPECT_EQ(texts(Main->Exit2->actions()), QStringList({"E&xit"}));
  EXPECT_EQ(texts(Main->Edit20->actions()), QStringList({"&Copy", "Cu&t", "&Paste"}));
  EXPECT_EQ(texts(Main->Conversions3->actions()), QStringList({"&Celsius to Kelvin"}));
  EXPECT_EQ(
      texts(Main->Rates1->actions()),
      QStringList({"&Boyle Rates", "&Charles' Rate", "&GL Rates", "C&ombo Rates", "&Ideal Rates"}));
  EXPECT_EQ(texts(Main->PopupMenu1->actions()),
            QStringList({"&Restore", "&Conversions", "-", "E&xit"}));
  EXPECT_EQ(texts(Main->PopupMenu2->actions()), QStringList({"&Copy", "Cu&t", "&Paste"}));
  EXPECT_EQ(texts(Main->PopupMenu3->actions()), QStringList({"&Conversions", "-", "E&xit"}));
  EXPECT_EQ(texts(Main->PopupMenu1->actions()[1]->menu()->actions()),
            QStringList({"&Celsius to Kelvin"}));
  EXPECT_EQ(texts(Main->PopupMenu3->actions()[0]->menu()->actions()),
            QStringList({"&Celsius to Kelvin"}));
  // Within each menu (and on the bar) no two entries share an access key.
  const QList<QMenu*> menus{Main->Exit2,  Main->Edit20,     Main->Conversions3,
                            Main->Rates1, Main->PopupMenu1, Main->PopupMenu3};
  QList<QList<QAction*>> lists{Main->menuBar()->actions()};
  for (QMenu* m : menus) lists << m->actions();
  for (const QList<QAction*>& list : lists) {
    QSet<QKeySequence> keys;
    for (QAction* a : list)
      if (!a->isSeparator()) keys.insert(QKeySequence::mnemonic(a->text()));
    EXPECT_EQ(keys.size(), static_cast<int>(std::count_if(list.begin(), list.end(), [](QAction* a) {
                return !a->isSeparator();
              })));
  }
  EXPECT_EQ(Main->Edit->EditCopy1->shortcut(), QKeySequence(QKeySequence::Copy));
  EXPECT_EQ(Main->Edit->EditCut1->shortcut(), QKeySequence(QKeySequence::Cut));
  EXPECT_EQ(Main->Edit->EditPaste1->shortcut(), QKeySequence(QKeySequence::Paste));
  EXPECT_EQ(Main->Edit->EditCopy1->toolTip(), "Copy");
}

TEST_F(MainWindow, RateEntriesWithoutHandlersChangeNothing) {
  Main->TabSheet1->Edit1->setText(QStringLiteral("7"));
  const int page = Main->PageControl1->currentIndex();
  Main->GLRate1->trigger();
  Main->ComboRate->trigger();
  Main->IdealRate->trigger();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(Main->TabSheet1->Edit1->text(), "7");
  EXPECT_EQ(Main->PageControl1->currentIndex(), page);
  EXPECT_TRUE(Main->GLRate1->isEnabled());
}

TEST_F(MainWindow, ModalWindowsOpenAndReturn) {
  EXPECT_EQ(test::runModal([this] { Main->Options->trigger(); }), "Optxion");
  EXPECT_EQ(test::runModal([this] { Main->BoyleRate->trigger(); }), "BRate");
  EXPECT_EQ(test::runModal([this] { Main->CharlesRate->trigger(); }), "CHRate");
  EXPECT_EQ(test::runModal([this] { Main->ADlog->trigger(); }), "Aboxt");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindow, ConverterOpensWithoutBlocking) {
  Main->CtoK->trigger();
  EXPECT_TRUE(TempConv->isVisible());
  EXPECT_FALSE(TempConv->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  TempConv->close();
  EXPECT_FALSE(TempConv->isVisible());
}

TEST_F(MainWindow, EditActionsFollowFocusSelectionAndClipboard) {
  Main->show();
  Main->activateWindow();
  QApplication::setActiveWindow(Main);
  Main->PageControl1->setCurrentIndex(0);
  QLineEdit* edit = Main->TabSheet1->Edit2;
  edit->setText(QStringLiteral("12.5"));
  edit->setFocus();
  QApplication::processEvents();
  edit->deselect();
  Main->Edit->updateEnabled();
  EXPECT_FALSE(Main->Edit->EditCopy1->isEnabled());
  EXPECT_FALSE(Main->Edit->EditCut1->isEnabled());

  edit->selectAll();
  EXPECT_TRUE(Main->Edit->EditCopy1->isEnabled());
  Main->Edit->EditCut1->trigger();
  EXPECT_EQ(edit->text(), "");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "12.5");
  EXPECT_TRUE(Main->Edit->EditPaste1->isEnabled());

  QLineEdit* other = Main->TabSheet1->Edit3;
  other->setFocus();
  QApplication::processEvents();
  Main->Edit->EditPaste1->trigger();
  EXPECT_EQ(other->text(), "12.5");
  EXPECT_EQ(edit->text(), "");
}

TEST_F(MainWindow, ExceptionFromAHandlerIsShownAndTheLoopGoesOn) {
  QStringList& shown = test::applicationMessages().exceptions;
  shown.clear();
  bool later = false;
  QTimer::singleShot(
      0, Main, [] { throw std::runtime_error("Cannot Create System Shell Notification Icon"); });
  QTimer::singleShot(0, Main, [&] { later = true; });
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(later);
  EXPECT_EQ(shown, QStringList({"Cannot Create System Shell Notification Icon"}));
}

namespace {
// A form that is closed while it is still being shown, as a timer firing then would.
class ClosesWhileShown : public TForm {
 public:
  using TForm::TForm;

 protected:
  void showEvent(QShowEvent* event) override {
    TForm::showEvent(event);
    close();
  }
};
}  // namespace

TEST_F(MainWindow, AFormClosedWhileBeingShownEndsItsModalShowing) {
  TApplication application;
  ClosesWhileShown form(application);
  // Were ShowModal to wait for the form that is already closed, it would never return and
  // the test would fail by its time limit.
  QElapsedTimer clock;
  clock.start();
  form.ShowModal();
  EXPECT_LT(clock.elapsed(), 1500);
  EXPECT_FALSE(form.isVisible());
}

TEST(OwnedWindows, TheCalculatorsShowTheNumberedDialogsAndGoInReverseOrder) {
  // A second set of windows with the real error dialogs.
  test::TempSettings settings;
  test::FakeNotifyArea area;
  test::HelpRecorder help;
  std::vector<std::string> gone;
  TApplication application;
  {
    Application windows(
        {application, settings.store, area, settings.messages, help, &QDateTime::currentDateTime});
    TBoylePage* page = windows.Main->TabSheet1;
    page->Button2Click();
    EXPECT_EQ(test::runModal([&] { page->Button1->click(); }), "Erro1");
    page->Edit1->setText("1");
    page->Edit2->setText("1");
    page->Edit3->setText("0");
    EXPECT_EQ(test::runModal([&] { page->Button1->click(); }), "Erro3");
    EXPECT_EQ(test::runModal([&] { windows.BRate->Button1->click(); }), "Erro1");
    for (QWidget* w : std::initializer_list<QWidget*>{windows.Main, windows.Erro1, windows.CHRate})
      QObject::connect(w, &QObject::destroyed,
                       [&gone, name = w->objectName().toStdString()] { gone.push_back(name); });
  }
  EXPECT_EQ(gone, std::vector<std::string>({"CHRate", "Erro1", "Main"}));
}

TEST(OwnedWindows, AWindowOpenedLateShowsWhatTheFileHeldAtStartUpAndWritesItBack) {
  // Values unlike every window's design, and later ones, both in the program's own layout.
  const auto file = [](const OptionsChoices& options, const RateWindowChoices& boyle,
                       const RateWindowChoices& charles) {
    test::TempSettings settings;
    SettingsStore::SavePass pass = settings.store.save();
    pass.write(kOptionsKeys, options);
    pass.write(kBoyleRateKeys, boyle);
    pass.write(kCharlesRateKeys, charles);
    pass.commit();
    return settings.read();
  };
  const std::string atStart = file({true, false, false, true, true, false, true, "7"},
                                   {1, true, false, false, false, false, true, false, false},
                                   {1, false, true, false, false, true, false, false, false});
  test::TestApplication app(atStart);
  app.settings.write(file({true, false, true, false, false, false, false, "3"},
                          {0, false, false, false, true, false, false, false, true},
                          {0, false, false, false, true, false, false, false, true}));
  Application& windows = app.windows;
  ASSERT_FALSE(windows.Optxion.built() || windows.BRate.built() || windows.CHRate.built());
  EXPECT_EQ(windows.Optxion->IntervalEdit->text(), "7");
  EXPECT_TRUE(windows.BRate->RadioButton6->isChecked());
  EXPECT_EQ(windows.CHRate->PageControl1->currentIndex(), 1);
  for (TForm* window :
       std::initializer_list<TForm*>{windows.Optxion, windows.BRate, windows.CHRate}) {
    window->show();
    window->close();
  }
  EXPECT_EQ(app.settings.read(), atStart);
}
