// The tray icon component: the message decoder, the click steps, the hook, animation,
// the notification area's refusals and the minimise/restore of the application.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "platform/LazyIcon.h"
#include "trayicon/Trayicon.h"

// The images live in the program's static library; register them for this process.
static void initResources() {
  Q_INIT_RESOURCE(pelbrix);
}

using namespace pelbrix;

namespace {

constexpr unsigned kCallback = msg::WM_USER + 1;

// Records the application-level operations instead of performing them.
class ProbeIcon : public TTrayIcon {
 public:
  ProbeIcon(NotifyArea& area, TApplication& application) : TTrayIcon(nullptr, area, application) {}
  std::vector<std::string> log;
  void Restore() override { log.push_back("Restore"); }
  void ShowMenu() override { log.push_back("Menu"); }
  void Minimize() override { log.push_back("Minimize"); }
};

std::unique_ptr<TImageList> eightImages() {
  initResources();
  auto list = std::make_unique<TImageList>();
  for (int i = 0; i < 8; ++i) list->Images.append(TrayIconFrame(i));
  return list;
}

// The record of icon `id` of `window`, with its message and the animation's first frame.
NotifyIconData iconRecord(QObject& window, unsigned id) {
  NotifyIconData data;
  data.hWnd = &window;
  data.uID = id;
  data.uFlags = NIF_MESSAGE | NIF_ICON;
  initResources();
  data.hIcon = TrayIconFrame(0);
  return data;
}

const char* buttonName(TMouseButton b) {
  return b == mbLeft ? "L" : b == mbRight ? "R" : "M";
}
TShiftState buttonBit(TMouseButton b) {
  return b == mbLeft ? ssLeft : b == mbRight ? ssRight : ssMiddle;
}

}  // namespace

// The fake notification area and the application that a test's icons are shown through,
// with an icon that logs what reaches it.
template <class Case>
class ProbedIconTest : public testing::TestWithParam<Case> {
 protected:
  test::FakeNotifyArea area;
  TApplication application;
  ProbeIcon icon{area, application};
};

class TrayIcon : public testing::Test {
 protected:
  // Gives `icon` the images and a timer that the test drives, which it returns.
  static test::ManualTimer* driveAnimation(TTrayIcon& icon, TImageList* images) {
    auto* timer = new test::ManualTimer;
    icon.SetAnimationTimer(std::unique_ptr<AnimationTimer>(timer));
    icon.SetIcons(images);
    return timer;
  }

  test::FakeNotifyArea area;
  TApplication application;
};

// A parameterised case, named by `name` in the test's output.
template <class Case>
struct NamedCase {
  const char* name;
  friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
  static std::string testName(const testing::TestParamInfo<Case>& info) { return info.param.name; }
};

struct DecoderCase : NamedCase<DecoderCase> {
  unsigned lParam;
  TTrayIconMessage restoreOn;
  TTrayIconMessage popupOn;
  bool withOnClick;
  std::vector<std::string> expected;
};

class TrayDecoder : public ProbedIconTest<DecoderCase> {};

TEST_P(TrayDecoder, StepsInOrder) {
  const DecoderCase& c = GetParam();
  icon.RestoreOn = c.restoreOn;
  icon.PopupMenuOn = c.popupOn;
  icon.OnMouseDown = [&](QObject* sender, TMouseButton b, TShiftState shift, int x, int y) {
    EXPECT_EQ(sender, &icon);
    EXPECT_TRUE(shift & buttonBit(b));
    EXPECT_EQ(QPoint(x, y), QCursor::pos());
    icon.log.push_back(std::string("Down ") + buttonName(b));
  };
  icon.OnMouseUp = [&](QObject*, TMouseButton b, TShiftState shift, int, int) {
    EXPECT_TRUE(shift & buttonBit(b));
    icon.log.push_back(std::string("Up ") + buttonName(b));
  };
  icon.OnDblClick = [&](QObject*) { icon.log.push_back("Dbl"); };
  icon.OnMouseMove = [&](QObject*, TShiftState, int, int) { icon.log.push_back("Move"); };
  if (c.withOnClick) icon.OnClick = [&](QObject*) { icon.log.push_back("Click"); };

  icon.GetHandle()->Send(kCallback, 0, c.lParam);
  EXPECT_EQ(icon.log, c.expected);
}

using V = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(
    Messages, TrayDecoder,
    testing::Values(
        // The main window's settings: left double-click restores, right release pops up.
        DecoderCase{"MainLeftDown", 0x201, imLeftDoubleClick, imRightClickUp, false, V{"Down L"}},
        DecoderCase{"MainLeftUp", 0x202, imLeftDoubleClick, imRightClickUp, false, V{"Up L"}},
        DecoderCase{"MainLeftDbl", 0x203, imLeftDoubleClick, imRightClickUp, false,
                    V{"Dbl", "Restore"}},
        DecoderCase{"MainRightDown", 0x204, imLeftDoubleClick, imRightClickUp, false, V{"Down R"}},
        DecoderCase{"MainRightUp", 0x205, imLeftDoubleClick, imRightClickUp, false,
                    V{"Up R", "Menu"}},
        DecoderCase{"MainRightDbl", 0x206, imLeftDoubleClick, imRightClickUp, false, V{"Dbl"}},
        DecoderCase{"MainMiddleDown", 0x207, imLeftDoubleClick, imRightClickUp, false, V{"Down M"}},
        DecoderCase{"MainMiddleUp", 0x208, imLeftDoubleClick, imRightClickUp, false, V{"Up M"}},
        DecoderCase{"MainMiddleDbl", 0x209, imLeftDoubleClick, imRightClickUp, false, V{"Dbl"}},
        DecoderCase{"Move", 0x200, imNone, imNone, false, V{"Move"}},
        DecoderCase{"UnknownIgnored", 0x20A, imMouseDown, imMouseUp, true, V{}},
        // imDoubleClick: a double-click of any button.
        DecoderCase{"AnyDblLeft", 0x203, imDoubleClick, imNone, false, V{"Restore", "Dbl"}},
        DecoderCase{"AnyDblRight", 0x206, imDoubleClick, imNone, false, V{"Restore", "Dbl"}},
        DecoderCase{"AnyDblMiddle", 0x209, imDoubleClick, imNone, false, V{"Restore", "Dbl"}},
        // imMouseDown: on every press, not again on the release.
        DecoderCase{"DownMenuLeft", 0x201, imNone, imMouseDown, false, V{"Menu", "Down L"}},
        DecoderCase{"DownMenuLeftUp", 0x202, imNone, imMouseDown, false, V{"Up L"}},
        DecoderCase{"DownMenuRight", 0x204, imNone, imMouseDown, false, V{"Menu", "Down R"}},
        DecoderCase{"DownMenuMiddle", 0x207, imNone, imMouseDown, false, V{"Menu", "Down M"}},
        DecoderCase{"UpMenuMiddle", 0x208, imNone, imMouseUp, false, V{"Menu", "Up M"}},
        DecoderCase{"UpMenuRightDown", 0x204, imNone, imMouseUp, false, V{"Down R"}},
        // Both on one action: restore first, then the menu.
        DecoderCase{"BothRightUp", 0x205, imRightClickUp, imRightClickUp, false,
                    V{"Up R", "Restore", "Menu"}},
        DecoderCase{"LeftClickUp", 0x202, imLeftClickUp, imLeftClickUp, false,
                    V{"Up L", "Restore", "Menu"}},
        DecoderCase{"RightDbl", 0x206, imRightDoubleClick, imRightDoubleClick, false,
                    V{"Dbl", "Restore", "Menu"}},
        // imClick takes effect only while OnClick is assigned.
        DecoderCase{"ClickWithoutListener", 0x202, imClick, imClick, false, V{"Up L"}},
        DecoderCase{"ClickWithListener", 0x202, imClick, imNone, true,
                    V{"Restore", "Click", "Up L"}}),
    DecoderCase::testName);

TEST_F(TrayIcon, NotificationsPostedToTheHiddenWindowReachTheDecoder) {
  ProbeIcon icon(area, application);
  icon.RestoreOn = imLeftDoubleClick;
  MessageWindow::Post(icon.GetHandle(), kCallback, 0, msg::WM_LBUTTONDBLCLK);
  MessageWindow::Post(icon.GetHandle(), kCallback, 0, msg::WM_LBUTTONUP);
  EXPECT_TRUE(icon.log.empty());  // nothing before the event loop runs
  QCoreApplication::processEvents();
  EXPECT_EQ(icon.log, V{"Restore"});
}

TEST_F(TrayIcon, SessionEndRemovesTheIconButVisibleStays) {
  ProbeIcon icon(area, application);
  icon.SetVisible(true);
  EXPECT_EQ(icon.GetHandle()->Send(msg::WM_QUERYENDSESSION), 1);
  EXPECT_TRUE(area.Shows(icon.GetHandle(), icon.Id()));
  icon.GetHandle()->Send(msg::WM_ENDSESSION, 0);  // the session goes on: still removed
  EXPECT_FALSE(area.Shows(icon.GetHandle(), icon.Id()));
  EXPECT_TRUE(icon.Visible());
  EXPECT_TRUE(application.IsMainWindowHooked(&icon));

  // The application tells every hidden window when the desktop session ends.
  test::FakeNotifyArea area2;
  ProbeIcon other(area2, application);
  other.SetVisible(true);
  application.EndSession();
  EXPECT_FALSE(area2.Shows(other.GetHandle(), other.Id()));
}

TEST_F(TrayIcon, HookTakesOverOnlyExactMinimiseAndRestore) {
  ProbeIcon icon(area, application);
  TMessage minimise{msg::WM_SYSCOMMAND, msg::SC_MINIMIZE, 0, 0};
  EXPECT_FALSE(application.MainWindowMessage(minimise));
  EXPECT_TRUE(icon.log.empty()) << "not hooked while the icon is not shown";

  icon.SetVisible(true);
  struct Case {
    unsigned msg;
    std::uintptr_t wParam;
    V expected;
  };
  for (const Case& c :
       {Case{msg::WM_SYSCOMMAND, 0xF020, V{"Minimize"}},
        Case{msg::WM_SYSCOMMAND, 0xF021, V{}},  // low bits set: left alone
        Case{msg::WM_SYSCOMMAND, 0xF032, V{}}, Case{msg::WM_SYSCOMMAND, 0xF120, V{"Restore"}},
        Case{msg::WM_SYSCOMMAND, 0xF122, V{}}, Case{msg::WM_ENDSESSION, 0xF020, V{}}}) {
    icon.log.clear();
    TMessage m{c.msg, c.wParam, 0, 0};
    EXPECT_FALSE(application.MainWindowMessage(m)) << "the hook never claims a message";
    EXPECT_EQ(icon.log, c.expected) << std::hex << c.wParam;
  }
  icon.SetVisible(false);
  EXPECT_FALSE(application.IsMainWindowHooked(&icon));
}

TEST_F(TrayIcon, ShowingTwiceAndRemovingTwiceRaise) {
  TTrayIcon icon(nullptr, area, application);
  icon.SetVisible(true);
  EXPECT_TRUE(icon.Hide());
  try {
    icon.SetVisible(true);
    FAIL() << "no exception";
  } catch (const EOutOfResources& e) {
    EXPECT_STREQ(e.what(), "Cannot Create System Shell Notification Icon");
  }
  icon.SetVisible(false);
  EXPECT_FALSE(icon.Hide());
  EXPECT_FALSE(area.Shows(icon.GetHandle(), icon.Id()));
  try {
    icon.SetVisible(false);
    FAIL() << "no exception";
  } catch (const EOutOfResources& e) {
    EXPECT_STREQ(e.what(), "Cannot Remove System Shell Notification Icon");
  }

  // A refused add still leaves Visible true, with no hook.
  area.refuseAll = true;
  EXPECT_THROW(icon.SetVisible(true), EOutOfResources);
  EXPECT_TRUE(icon.Visible());
  EXPECT_FALSE(application.IsMainWindowHooked(&icon));
}

TEST_F(TrayIcon, HintRules) {
  TTrayIcon icon(nullptr, area, application);
  icon.SetVisible(true);
  const QString shown(63, QLatin1Char('h'));
  icon.SetHint(shown);
  ASSERT_NE(area.Find(icon.GetHandle(), icon.Id()), nullptr);
  EXPECT_EQ(area.Find(icon.GetHandle(), icon.Id())->szTip, shown);
  EXPECT_EQ(area.calls.back().flags, NIF_MESSAGE | NIF_ICON | NIF_TIP);

  const size_t before = area.calls.size();
  icon.SetHint(QString(64, QLatin1Char('x')));
  EXPECT_EQ(icon.Hint(), shown);
  EXPECT_EQ(area.calls.size(), before) << "a hint of 64 characters is not taken";

  icon.SetHint(QString());
  EXPECT_EQ(area.calls.back().flags, NIF_MESSAGE | NIF_ICON);
}

TEST_F(TrayIcon, UpdateReachesTheAreaOnlyWhileShown) {
  auto images = eightImages();
  TTrayIcon icon(nullptr, area, application);
  icon.SetIcons(images.get());
  icon.SetIconIndex(3);
  EXPECT_EQ(area.Count(test::FakeNotifyArea::OpModify), 0);
  icon.SetVisible(true);  // the add carries the image chosen while hidden
  EXPECT_EQ(area.calls.back().iconKey, images->Images[3].cacheKey());
  icon.SetIconIndex(4);
  EXPECT_EQ(area.calls.back().op, test::FakeNotifyArea::OpModify);
  EXPECT_EQ(area.calls.back().iconKey, images->Images[4].cacheKey());
}

TEST_F(TrayIcon, AnimationStepsThroughEightImagesAndWraps) {
  auto images = eightImages();
  TTrayIcon icon(nullptr, area, application);
  test::ManualTimer* timer = driveAnimation(icon, images.get());
  icon.SetVisible(true);
  icon.SetAnimateInterval(250);
  icon.SetAnimate(true);
  EXPECT_TRUE(icon.AnimationTicking());
  EXPECT_EQ(timer->interval(), 250);
  std::vector<int> seen{icon.IconIndex()};
  for (int i = 0; i < 8; ++i) {
    timer->tick();
    seen.push_back(icon.IconIndex());
    // Each step reaches the notification area with its image.
    EXPECT_EQ(area.calls.back().iconKey, images->Images[icon.IconIndex()].cacheKey());
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 0}));
  icon.SetAnimate(false);
  EXPECT_FALSE(timer->isActive());
  EXPECT_FALSE(icon.AnimationTicking());
}

TEST_F(TrayIcon, IntervalZeroOrNegativeGivesNoTicks) {
  auto images = eightImages();
  TTrayIcon icon(nullptr, area, application);
  test::ManualTimer* timer = driveAnimation(icon, images.get());
  EXPECT_EQ(icon.GetAnimateInterval(), 1000);
  icon.SetAnimate(true);
  EXPECT_EQ(timer->interval(), 1000);
  for (int interval : {0, -500, -1, 1500}) {
    icon.SetAnimateInterval(interval);
    EXPECT_TRUE(icon.GetAnimate());
    EXPECT_EQ(timer->isActive(), interval > 0) << interval;
    EXPECT_EQ(icon.AnimationTicking(), interval > 0) << interval;
  }
  EXPECT_EQ(timer->interval(), 1500);
}

TEST_F(TrayIcon, AnimateNeedsAnImageList) {
  TTrayIcon icon(nullptr, area, application);
  icon.SetAnimate(true);
  EXPECT_FALSE(icon.GetAnimate());
  EXPECT_FALSE(icon.AnimationTicking());

  // Stored as a form description would store it: taken while loading, dropped by Loaded.
  TTrayIcon loaded(nullptr, area, application);
  loaded.BeginLoading();
  loaded.SetAnimate(true);
  EXPECT_TRUE(loaded.GetAnimate());
  loaded.Loaded();
  EXPECT_FALSE(loaded.GetAnimate());

  // An image list that goes away is forgotten.
  auto images = eightImages();
  loaded.SetIcons(images.get());
  loaded.SetAnimate(true);
  EXPECT_TRUE(loaded.AnimationTicking());
  images.reset();
  EXPECT_EQ(loaded.Icons(), nullptr);
  loaded.DoOnAnimate(&loaded);  // nothing to step through: no crash
  EXPECT_EQ(loaded.IconIndex(), 0);
}

TEST_F(TrayIcon, ShowMenuPopsUpTheMenuAtTheCursor) {
  TTrayIcon icon(nullptr, area, application);
  icon.ShowMenu();  // no menu: nothing
  {
    QMenu menu;
    menu.addAction(QStringLiteral("Restore"));
    icon.SetPopupMenu(&menu);
    icon.PopupMenuOn = imRightClickUp;
    icon.GetHandle()->Send(kCallback, 0, msg::WM_RBUTTONUP);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
  }
  EXPECT_EQ(icon.PopupMenu(), nullptr);
  icon.ShowMenu();
}

TEST(QtNotifyAreaTest, RefusesAsTheShellDoes) {
  QtNotifyArea area;
  QObject window;
  NotifyIconData data = iconRecord(window, 7);
  ASSERT_FALSE(data.hIcon.isNull());
  EXPECT_FALSE(area.Modify(data));
  EXPECT_FALSE(area.Delete(data));
  EXPECT_TRUE(area.Add(data));
  EXPECT_FALSE(area.Add(data));
  data.uID = 8;
  EXPECT_TRUE(area.Add(data)) << "another id is another record";
  EXPECT_TRUE(area.Modify(data));
  EXPECT_TRUE(area.Delete(data));
  EXPECT_FALSE(area.Delete(data));
  data.uID = 7;
  EXPECT_TRUE(area.Delete(data));
}

// What each of Qt's activations does to an icon set up as the main window's, under each
// kind of notification area.
struct ActivationCase : NamedCase<ActivationCase> {
  QtNotifyArea::Kind kind;
  std::vector<QSystemTrayIcon::ActivationReason> activations;
  bool hostDrawsMenu;
  std::vector<std::string> expected;
};

class TrayActivation : public ProbedIconTest<ActivationCase> {};

TEST_P(TrayActivation, ReachesTheComponentAsTheClicksItStandsFor) {
  const ActivationCase& c = GetParam();
  icon.RestoreOn = imLeftDoubleClick;
  icon.PopupMenuOn = imRightClickUp;
  for (QSystemTrayIcon::ActivationReason reason : c.activations)
    for (unsigned message : QtNotifyArea::Notifications(c.kind, reason, c.hostDrawsMenu))
      icon.GetHandle()->Send(kCallback, 0, message);
  EXPECT_EQ(icon.log, c.expected);
}

using K = QtNotifyArea::Kind;
using A = std::vector<QSystemTrayIcon::ActivationReason>;
INSTANTIATE_TEST_SUITE_P(
    Hosts, TrayActivation,
    testing::Values(
        // XEmbed: a double-click arrives as its press, then the double-click.
        ActivationCase{"XEmbedClick", K::XEmbed, A{QSystemTrayIcon::Trigger}, false, V{}},
        ActivationCase{"XEmbedDoubleClick", K::XEmbed,
                       A{QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick}, false,
                       V{"Restore"}},
        ActivationCase{"XEmbedRight", K::XEmbed, A{QSystemTrayIcon::Context}, false, V{"Menu"}},
        ActivationCase{"XEmbedMiddle", K::XEmbed, A{QSystemTrayIcon::MiddleClick}, false, V{}},
        // StatusNotifierItem: one activation restores, once.
        ActivationCase{"HostActivate", K::StatusNotifierItem, A{QSystemTrayIcon::Trigger}, true,
                       V{"Restore"}},
        // The host draws the menu it was handed; the component shows none of its own.
        ActivationCase{"HostContextMenuDrawnByHost", K::StatusNotifierItem,
                       A{QSystemTrayIcon::Context}, true, V{}},
        ActivationCase{"HostContextMenuWithoutMenu", K::StatusNotifierItem,
                       A{QSystemTrayIcon::Context}, false, V{"Menu"}},
        ActivationCase{"HostSecondaryActivate", K::StatusNotifierItem,
                       A{QSystemTrayIcon::MiddleClick}, true, V{}},
        ActivationCase{"Unknown", K::StatusNotifierItem, A{QSystemTrayIcon::Unknown}, true, V{}}),
    ActivationCase::testName);

#ifndef _WIN32  // the Windows shell always has its notification area
TEST(QtNotifyAreaTest, AnIconNoHostShowsCannotGiveTheApplicationBack) {
  // Offscreen and without a session bus: no tray embeds the icon and no host draws it.
  QtNotifyArea area;
  QObject window;
  NotifyIconData data = iconRecord(window, 1);
  EXPECT_FALSE(area.Available());
  ASSERT_TRUE(area.Add(data));
  EXPECT_EQ(area.kind(), QtNotifyArea::Kind::XEmbed);
  EXPECT_FALSE(area.Available());
  QMenu menu;
  area.SetHostMenu(&window, 1, &menu);  // an XEmbed tray leaves the menu to the component
  EXPECT_TRUE(area.Delete(data));
}
#endif

// ---- with the application's windows ----

class TrayApplication : public testing::Test {
 protected:
  void SetUp() override {
    Main->showNormal();
    QCoreApplication::processEvents();
  }
  test::TestApplication app;
  TApplication& application = app.application;
  TMain* Main = app.windows.Main;
};

// The main window's icon starts on its first image, brings the hidden window back on a
// left double-click (one click is not enough) and shows its menu as the right button is let go.
TEST_F(TrayApplication, MainWindowsIconRestoresOnADoubleClickAndShowsItsMenuOnRelease) {
  TTrayIcon* tray = Main->TrayIcon1;
  EXPECT_EQ(tray->CurrentIcon().cacheKey(), Main->ImageList1->Images[0].cacheKey());
  app.notifyArea.available = true;
  tray->Minimize();
  ASSERT_FALSE(Main->isVisible());
  const std::pair<unsigned, bool> steps[] = {{msg::WM_LBUTTONDOWN, false},
                                             {msg::WM_LBUTTONUP, false},
                                             {msg::WM_LBUTTONDBLCLK, true},
                                             {msg::WM_RBUTTONDOWN, true}};
  for (const auto& [message, shown] : steps) {
    tray->GetHandle()->Send(kCallback, 0, message);
    EXPECT_EQ(Main->isVisible(), shown) << std::hex << message;
    EXPECT_FALSE(Main->PopupMenu1->isVisible()) << std::hex << message;
  }
  tray->GetHandle()->Send(kCallback, 0, msg::WM_RBUTTONUP);
  EXPECT_TRUE(Main->PopupMenu1->isVisible());
  Main->PopupMenu1->hide();
}

TEST_F(TrayApplication, EveryFrameAndTheApplicationIconComeAtTheNotificationAreasSizes) {
  // StatusNotifierItem hosts ask for 16, 22, 24 and 32 pixels; a frame drawn for the size
  // asked stays sharp, where one scaled from 16 pixels would blur.
  for (int size : {16, 22, 24, 32}) {
    const QSize wanted(size, size);
    std::vector<QImage> frames;
    for (int i = 0; i < 8; ++i) {
      const QIcon& frame = Main->ImageList1->Images[i];
      EXPECT_TRUE(frame.availableSizes().contains(wanted)) << i << " " << size;
      frames.push_back(frame.pixmap(wanted).toImage());
      EXPECT_EQ(frames.back().size(), wanted) << i;
      EXPECT_EQ(frames.back(), QImage(QStringLiteral(":/tray%1-%2.png").arg(i).arg(size))
                                   .convertToFormat(frames.back().format()))
          << "frame " << i << " is drawn for " << size << " pixels";
    }
    for (size_t i = 0; i < frames.size(); ++i)
      for (size_t j = i + 1; j < frames.size(); ++j)
        EXPECT_NE(frames[i], frames[j]) << i << " " << j << " at " << size;
  }
}

TEST_F(TrayApplication, MinimiseHidesIntoTheAreaAndRestoreBringsBack) {
  test::FakeNotifyArea area;
  TTrayIcon icon(nullptr, area, application);
  icon.SetVisible(true);
  int minimised = 0, restored = 0;
  icon.OnMinimize = [&](QObject*) { ++minimised; };
  icon.OnRestore = [&](QObject*) { ++restored; };

  Main->showMinimized();  // as the window's minimise box does: reaches the hook
  QCoreApplication::processEvents();
  EXPECT_FALSE(Main->isVisible()) << "off the taskbar";
  EXPECT_TRUE(application.MainWindowHidden()) << "the notification area watches for its host";
  EXPECT_EQ(minimised, 1);

  Main->Restore->trigger();  // the pop-up menu's "Restore"
  QCoreApplication::processEvents();
  EXPECT_TRUE(Main->isVisible());
  EXPECT_FALSE(application.MainWindowHidden());
  EXPECT_FALSE(Main->isMinimized());

  // The component's own minimise and restore are not taken for commands again.
  icon.Minimize();
  QCoreApplication::processEvents();
  EXPECT_FALSE(Main->isVisible());
  icon.Restore();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Main->isVisible());
  EXPECT_FALSE(Main->isMinimized());
  EXPECT_EQ(minimised, 2);
  EXPECT_EQ(restored, 1);
}

TEST_F(TrayApplication, AHostThatGoesWhileTheWindowIsHiddenGivesItBack) {
  app.notifyArea.available = true;
  Main->TrayIcon1->Minimize();
  ASSERT_FALSE(Main->isVisible());
  EXPECT_TRUE(app.notifyArea.ReportHosts(true)) << "the icon is still the way back";
  EXPECT_FALSE(Main->isVisible());
  EXPECT_FALSE(app.notifyArea.ReportHosts(false));
  EXPECT_TRUE(Main->isVisible());
  EXPECT_FALSE(Main->isMinimized());
  EXPECT_FALSE(app.notifyArea.ReportHosts(true)) << "on the taskbar again: the watch ends";
}

TEST_F(TrayApplication, WithoutANotificationAreaMinimisingStaysOnTheTaskbar) {
  test::FakeNotifyArea area;
  area.available = false;
  TTrayIcon icon(nullptr, area, application);
  icon.SetVisible(true);
  Main->showMinimized();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Main->isVisible());
  EXPECT_TRUE(Main->isMinimized());
  EXPECT_FALSE(application.MainWindowHidden());
}

TEST_F(TrayApplication, HiddenIconLeavesMinimisingAsUsual) {
  test::FakeNotifyArea area;
  TTrayIcon icon(nullptr, area, application);
  icon.SetVisible(true);
  icon.SetVisible(false);
  Main->showMinimized();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Main->isVisible());
  EXPECT_TRUE(Main->isMinimized());
}

TEST_F(TrayApplication, MinimiseTakesTheOtherWindowsAlongButNotATrayIconsOwn) {
  test::FakeNotifyArea area;
  TTrayIcon icon(nullptr, area, application);
  QWidget other;
  other.setWindowTitle(QStringLiteral("other"));
  other.show();
  QWidget embedded(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
  embedded.show();

  icon.Minimize();
  EXPECT_TRUE(other.isMinimized());
  EXPECT_FALSE(embedded.isMinimized());
  EXPECT_FALSE(Main->isVisible());

  icon.Restore();
  EXPECT_FALSE(other.isMinimized());
  EXPECT_TRUE(Main->isVisible());
  EXPECT_FALSE(Main->isMinimized());
}

TEST(LazyIconTest, TheWindowIconsPixelRowsShowItsPictures) {
  initResources();
  const QIcon icon = lazyIcon(QStringLiteral(":/icons/pelbrix-%1.rgba"), {16, 22, 24, 32, 48, 64});
  for (int size : {16, 22, 24, 32, 48, 64}) {
    const QImage shown = icon.pixmap(QSize(size, size)).toImage();
    EXPECT_EQ(shown, QImage(QStringLiteral(PELBRIX_ICONS "/pelbrix-%1.png").arg(size))
                         .convertToFormat(shown.format()))
        << size << " pixels";
  }
}

TEST(LazyIconTest, GivesTheSmallestImageThatFillsTheSizeAskedFor) {
  initResources();
  const QIcon icon = TrayIconFrame(3);
  EXPECT_EQ(icon.availableSizes(),
            (QList<QSize>{QSize(16, 16), QSize(22, 22), QSize(24, 24), QSize(32, 32)}));
  // Exact sizes are the files themselves; between sizes the next larger one is scaled down;
  // beyond the largest, the largest is given as it is, as QIcon does.
  EXPECT_EQ(icon.pixmap(QSize(22, 22)).toImage(),
            QPixmap(QStringLiteral(":/tray3-22.png")).toImage());
  EXPECT_EQ(icon.pixmap(QSize(20, 20)).size(), QSize(20, 20));
  EXPECT_EQ(icon.actualSize(QSize(20, 20)), QSize(20, 20));
  EXPECT_EQ(icon.pixmap(QSize(64, 64)).size(), QSize(32, 32));
  EXPECT_EQ(icon.actualSize(QSize(64, 64)), QSize(32, 32));
  // A disabled icon is drawn as the style draws disabled images, not as the normal one.
  EXPECT_NE(icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage(),
            icon.pixmap(QSize(16, 16)).toImage());
}
